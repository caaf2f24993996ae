// SPDX-License-Identifier: GPL-3.0-or-later
// Sura packs on disk: the scan, "recite.ini" and its reconciliation, registration, and the languages.
#include "device_setting.h"
#include "fixtures.h"
#include "languages.h"
#include "pack_registry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <sys/stat.h>

namespace
{

void Touch(const QString& path, const QByteArray& bytes = "VR1\0\0\0\0")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes.isEmpty() ? QByteArray("VR1\0\0\0\0", 7) : bytes);
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteText(const QString& path, const QByteArray& text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

std::vector<std::string> Names(const std::vector<PackRecord>& records)
{
    std::vector<std::string> names;
    for (const PackRecord& r : records)
        names.push_back(r.name + "@" + r.location);
    return names;
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    QString P(const QString& rel) const { return dir_->filePath(rel); }
    PackRegistry Registry() const { return PackRegistry(dir_->path().toStdString()); }

  private slots:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    void table()
    {
        const auto& t = PackRegistry::Table();
        QCOMPARE(int(t.size()), 20);
        QCOMPARE(int(t.at("fatiha.dat").last), 1);
        QCOMPARE(int(t.at("s078_s114.dat").first), 78);
        QCOMPARE(int(t.at("s104_s114.dat").first), 104);
        // Every sura is covered by at least one pack.
        for (int s = 1; s <= 114; ++s) {
            bool covered = false;
            for (const auto& e : t)
                covered |= e.second.first <= s && s <= e.second.last;
            QVERIFY(covered);
        }
    }

    void scanPrefersTheDefaultCopy()
    {
        Touch(P("quran/s001_s002.dat"));
        Touch(P("quran/fatiha.dat"));
        Touch(P("quran/extra/R/s001_s002.dat"));
        Touch(P("quran/extra/R/s003_s004.dat"));
        Touch(P("quran/extra/A/s003_s004.dat"));
        Touch(P("quran/notes.txt"));
        const PackRegistry r = Registry();
        QCOMPARE(Names(r.Scan()), (std::vector<std::string>{"fatiha.dat@default", "s001_s002.dat@default",
                                                            "s003_s004.dat@A"}));
        QCOMPARE(Names(r.Scan(false)),
                 (std::vector<std::string>{"fatiha.dat@default", "s001_s002.dat@default", "s003_s004.dat@A",
                                           "s001_s002.dat@R", "s003_s004.dat@R"}));
    }

    void overlappingPacks()
    {
        QVERIFY(fixtures::WriteArchive(P("quran/fatiha.dat"), {{"001.001.eng", "from fatiha"}}));
        QVERIFY(fixtures::WriteArchive(P("quran/s001_s002.dat"),
                                       {{"001.001.eng", "from s001"}, {"002.001.eng", "baqara"}}));
        QVERIFY(fixtures::WriteArchive(P("quran/s104_s114.dat"), {{"114.001.eng", "short"}}));
        QVERIFY(fixtures::WriteArchive(P("quran/s078_s114.dat"), {{"114.001.eng", "long"}}));
        PackRegistry r = Registry();
        r.Register(r.Scan());
        QCOMPARE(r.PackFor(1)->Extract("001.001.eng"), QByteArray("from fatiha"));
        QCOMPARE(r.PackFor(2)->Extract("002.001.eng"), QByteArray("baqara"));
        QCOMPARE(r.PackFor(114)->Extract("114.001.eng"), QByteArray("long"));
        QVERIFY(r.PackFor(50) == nullptr);
        std::vector<int> expected{1, 1, 2};
        for (int s = 78; s <= 114; ++s)
            expected.push_back(s);
        for (int s = 104; s <= 114; ++s)
            expected.push_back(s);
        QCOMPARE(r.AvailableSuras(), expected);
        std::vector<int> distinct{1, 2};
        for (int s = 78; s <= 114; ++s)
            distinct.push_back(s);
        QCOMPARE(r.DistinctSuras(), distinct);
    }

    // The recitation the learner chose in an add-on folder is heard for every sura of its pack, even
    // where a default pack covers the same suras; the chooser still lists each sura once.
    void chosenRecitationServesOverlaps()
    {
        QVERIFY(fixtures::WriteArchive(P("quran/s078_s114.dat"), {{"112.001.eng", "demo"}}));
        QVERIFY(fixtures::WriteArchive(P("quran/extra/mine/s104_s114.dat"), {{"112.001.eng", "mine"}}));
        QVERIFY(fixtures::WriteArchive(P("quran/extra/wide/s078_s114.dat"), {{"112.001.eng", "wide"}}));
        PackRegistry r = Registry();
        r.Register({{"s078_s114.dat", P("quran/s078_s114.dat").toStdString(), "default"},
                    {"s104_s114.dat", P("quran/extra/mine/s104_s114.dat").toStdString(), "mine"}});
        QCOMPARE(r.PackFor(112)->Extract("112.001.eng"), QByteArray("mine"));
        QCOMPARE(r.PackFor(104)->Extract("112.001.eng"), QByteArray("mine"));
        QCOMPARE(r.PackFor(103)->Extract("112.001.eng"), QByteArray("demo"));
        std::vector<int> distinct;
        for (int s = 78; s <= 114; ++s)
            distinct.push_back(s);
        QCOMPARE(r.DistinctSuras(), distinct);
        // Two chosen add-ons: the one made for fewer suras.
        r.Clear();
        r.Register({{"s078_s114.dat", P("quran/extra/wide/s078_s114.dat").toStdString(), "wide"},
                    {"s104_s114.dat", P("quran/extra/mine/s104_s114.dat").toStdString(), "mine"}});
        QCOMPARE(r.PackFor(112)->Extract("112.001.eng"), QByteArray("mine"));
        QCOMPARE(r.PackFor(90)->Extract("112.001.eng"), QByteArray("wide"));
    }

    // An add-on recitation of some ayas: its ayas from it, the rest and the pictures from its default copy.
    void addOnOfSomeAyas()
    {
        QVERIFY(fixtures::WriteArchive(
            P("quran/s104_s114.dat"),
            {{"107.001.ogg", "reciter"}, {"108.001.ogg", "reciter"}, {"108.001.png", "picture"}}));
        QVERIFY(fixtures::WriteArchive(P("quran/extra/Mine/s104_s114.dat"), {{"108.001.ogg", "mine"}}));
        PackRegistry r = Registry();
        r.Register({{"s104_s114.dat", P("quran/extra/Mine/s104_s114.dat").toStdString(), "Mine"}});
        QCOMPARE(r.PackHolding("108.001.ogg")->Extract("108.001.ogg"), QByteArray("mine"));
        QCOMPARE(r.PackHolding("107.001.ogg")->Extract("107.001.ogg"), QByteArray("reciter"));
        QCOMPARE(r.PackHolding("108.001.png")->Extract("108.001.png"), QByteArray("picture"));
        QVERIFY(r.PackHolding("050.001.ogg") == nullptr);
    }

    // An installation's shared packs are read in place, after the learner's own: the learner's copy of a
    // pack file wins, "recite.ini" names a shared pack as its default copy, and langs.ini is found there.
    void sharedPacks()
    {
        QVERIFY(fixtures::WriteArchive(P("shared/quran/fatiha.dat"), {{"001.001.eng", "shared"}}));
        QVERIFY(fixtures::WriteArchive(P("shared/quran/s104_s114.dat"), {{"112.001.eng", "shared"}}));
        QVERIFY(fixtures::WriteArchive(P("shared/quran/lang/fr.dat"), {{"001.001.eng", "Au nom"}}));
        WriteText(P("shared/langs.ini"), "fr.dat Français\n");
        QVERIFY(fixtures::WriteArchive(P("home/quran/s104_s114.dat"), {{"112.001.eng", "mine"}}));
        PackRegistry r(P("home").toStdString());
        r.SetSharedRoot(P("shared").toStdString());
        const std::vector<PackRecord> scan = r.Scan();
        QCOMPARE(int(scan.size()), 2);
        QCOMPARE(scan[0].path, P("home/quran/s104_s114.dat").toStdString());
        QCOMPARE(scan[1].path, P("shared/quran/fatiha.dat").toStdString());
        QCOMPARE(scan[1].location, std::string("default"));
        std::string error;
        QVERIFY(r.ReconcileReciteIni(&error));
        r.Register(r.ChosenRecords());
        QCOMPARE(r.PackFor(1)->Extract("001.001.eng"), QByteArray("shared"));
        QCOMPARE(r.PackFor(112)->Extract("112.001.eng"), QByteArray("mine"));
        QVERIFY(!QFile::exists(P("home/quran/fatiha.dat"))); // nothing copied

        const LanguageList languages = ReadLanguages(P("home").toStdString(), P("shared").toStdString());
        QCOMPARE(int(languages.installed.size()), 1);
        QCOMPARE(languages.paths[0], P("shared/quran/lang/fr.dat").toStdString());
        WriteText(P("home/langs.ini"), "de.dat Deutsch\n"); // the learner's own list wins
        QCOMPARE(ReadLanguages(P("home").toStdString(), P("shared").toStdString()).names[1],
                 std::string("Deutsch"));
    }

    // What is the learner's own and may be removed: an add-on recitation in their quran/extra/, not the
    // packs' own recitation, not a copy installed for everyone, not a name that leaves the folder.
    // Removing it takes its folder and every pack in it, and nothing else.
    void removableRecitations()
    {
        QVERIFY(fixtures::WriteArchive(P("home/quran/s104_s114.dat"), {{"112.001.eng", "mine"}}));
        QVERIFY(fixtures::WriteArchive(P("home/quran/extra/Trial/s104_s114.dat"), {{"112.001.ogg", "x"}}));
        QVERIFY(fixtures::WriteArchive(P("home/quran/extra/Trial/fatiha.dat"), {{"001.001.ogg", "x"}}));
        QVERIFY(fixtures::WriteArchive(P("shared/quran/extra/Everyone/fatiha.dat"), {{"001.001.ogg", "y"}}));
        PackRegistry r(P("home").toStdString());
        r.SetSharedRoot(P("shared").toStdString());
        QVERIFY(r.IsShared(P("shared/quran/extra/Everyone/fatiha.dat").toStdString()));
        QVERIFY(!r.IsShared(P("home/quran/extra/Trial/fatiha.dat").toStdString()));
        QCOMPARE(r.RemovableRecitation("Trial", P("home/quran/extra/Trial/fatiha.dat").toStdString()),
                 std::string("Trial"));
        QCOMPARE(r.RemovableRecitation("default", P("home/quran/s104_s114.dat").toStdString()), std::string());
        QCOMPARE(r.RemovableRecitation("Everyone", P("shared/quran/extra/Everyone/fatiha.dat").toStdString()),
                 std::string());
        std::string error;
        for (const char* name : {"default", "..", "../quran", "lang", ""})
            QVERIFY2(!r.RemoveRecitation(name, &error), name);
        QVERIFY(QFile::exists(P("home/quran/s104_s114.dat")));
        QVERIFY2(r.RemoveRecitation("Trial", &error), error.c_str());
        QVERIFY(!QFileInfo::exists(P("home/quran/extra/Trial")));
        QVERIFY(QFile::exists(P("home/quran/s104_s114.dat")) &&
                QFile::exists(P("shared/quran/extra/Everyone/fatiha.dat")));
    }

    // A damaged pack serves nothing: the installation's healthy copy of it serves instead, a damaged add-on
    // gives way to the default copy, and a pack with no healthy copy offers no suras. Each damaged file
    // is named once a run.
    void damagedPacks()
    {
        QVERIFY(fixtures::WriteArchive(P("shared/quran/s104_s114.dat"), {{"112.001.eng", "shared"}}));
        QVERIFY(fixtures::PutFile(P("home/quran/s104_s114.dat"), "garbage, not an archive"));
        QVERIFY(fixtures::PutFile(P("home/quran/fatiha.dat"), "PK\x03\x04 a zip, not a pack"));
        QVERIFY(fixtures::WriteArchive(P("home/quran/s078_s114.dat"), {{"078.001.eng", "mine"}}));
        QVERIFY(fixtures::PutFile(P("home/quran/extra/Mine/s078_s114.dat"), "not a pack either"));
        PackRegistry r(P("home").toStdString());
        r.SetSharedRoot(P("shared").toStdString());
        std::string error;
        QVERIFY(r.ReconcileReciteIni(&error));
        QVERIFY(r.ChooseRecitation("Mine", &error));
        r.Register(r.ChosenRecords());
        QCOMPARE(r.PackHolding("112.001.eng")->Extract("112.001.eng"), QByteArray("shared"));
        QCOMPARE(r.ServingPath("s104_s114.dat"), P("shared/quran/s104_s114.dat").toStdString());
        QCOMPARE(r.PackFor(78)->Extract("078.001.eng"), QByteArray("mine"));
        QCOMPARE(r.ServingPath("s078_s114.dat"), P("home/quran/s078_s114.dat").toStdString());
        QVERIFY(r.PackFor(1) == nullptr);
        const std::vector<int> suras = r.DistinctSuras();
        QVERIFY(std::find(suras.begin(), suras.end(), 1) == suras.end());
        std::vector<std::string> damaged = r.TakeDamaged();
        std::sort(damaged.begin(), damaged.end());
        QCOMPARE(damaged, (std::vector<std::string>{P("home/quran/extra/Mine/s078_s114.dat").toStdString(),
                                                    P("home/quran/fatiha.dat").toStdString(),
                                                    P("home/quran/s104_s114.dat").toStdString()}));
        r.Clear();
        r.Register(r.ChosenRecords());
        QVERIFY(r.TakeDamaged().empty()); // told once
        QCOMPARE(r.PackHolding("112.001.eng")->Extract("112.001.eng"), QByteArray("shared"));
    }

    // An installed Varnel whose learner imports their own voice for Al-Fatiha: the add-on, chosen at once,
    // serves its recordings, and the installed pack (read in place) the pictures, texts and other ayas.
    void ownVoiceBesideTheInstalledPacks()
    {
        QVERIFY(fixtures::WriteArchive(
            P("shared2/quran/fatiha.dat"),
            {{"001.001.ogg", "reciter 1"}, {"001.002.ogg", "reciter 2"}, {"001.001.png", "picture"}}));
        QVERIFY(fixtures::WriteArchive(P("home2/quran/extra/MyRecordings/fatiha.dat"),
                                       {{"001.001.ogg", "mine"}}));
        PackRegistry r(P("home2").toStdString());
        r.SetSharedRoot(P("shared2").toStdString());
        std::string error;
        QVERIFY2(r.ChooseRecitation("MyRecordings", &error), error.c_str());
        QCOMPARE(fixtures::ReadFile(P("home2/recite.ini")), QByteArray("fatiha.dat\tMyRecordings\n"));
        r.Register(r.ChosenRecords());
        QCOMPARE(r.PackHolding("001.001.ogg")->Extract("001.001.ogg"), QByteArray("mine"));
        QCOMPARE(r.PackHolding("001.002.ogg")->Extract("001.002.ogg"), QByteArray("reciter 2"));
        QCOMPARE(r.PackHolding("001.001.png")->Extract("001.001.png"), QByteArray("picture"));
        QVERIFY(!QFile::exists(P("home2/quran/fatiha.dat"))); // nothing copied
        QVERIFY(!r.ChooseRecitation("../elsewhere", &error));
    }

    // Registered again (a profile loaded, the recitor chosen anew), a pack is read again only when its
    // file changed.
    void packsReadAgainOnlyWhenChanged()
    {
        QVERIFY(fixtures::WriteArchive(P("quran/fatiha.dat"), {{"001.001.eng", "first"}}));
        PackRegistry r = Registry();
        r.Register(r.Scan());
        QCOMPARE(r.PackFor(1)->Extract("001.001.eng"), QByteArray("first"));
        r.Clear();
        r.Register(r.Scan());
        QCOMPARE(r.PackFor(1)->Extract("001.001.eng"), QByteArray("first"));
        QVERIFY(fixtures::WriteArchive(P("quran/fatiha.dat"), {{"001.001.eng", "second, longer"}}));
        r.Clear();
        r.Register(r.Scan());
        QCOMPARE(r.PackFor(1)->Extract("001.001.eng"), QByteArray("second, longer"));
    }

    void unknownPackCoversNothing()
    {
        Touch(P("quran/mystery.dat"));
        Touch(P("quran/fatiha.dat"));
        PackRegistry r = Registry();
        r.Register(r.Scan());
        QCOMPARE(r.AvailableSuras(), std::vector<int>{1});
        QCOMPARE(r.RegisteredNames(), (std::vector<std::string>{"fatiha.dat", "mystery.dat"}));
    }

    void reciteIniIsReconciledWithTheDisk()
    {
        Touch(P("quran/fatiha.dat"));
        Touch(P("quran/s001_s002.dat"));
        Touch(P("quran/extra/R/s001_s002.dat"));
        Touch(P("quran/extra/R/s003_s004.dat"));
        const PackRegistry r = Registry();
        std::string error;
        // No recite.ini: made from the scan.
        QVERIFY(r.ReconcileReciteIni(&error));
        QCOMPARE(ReadAll(P("recite.ini")),
                 QByteArray("fatiha.dat\tdefault\ns001_s002.dat\tdefault\ns003_s004.dat\tR\n"));
        // Blanks instead of tabs; a choice of R kept; a vanished folder dropped; a path never followed.
        WriteText(P("recite.ini"), "s001_s002.dat R\ngone.dat Q\ns003_s004.dat   ../../R\n");
        const std::vector<PackRecord> loaded = r.LoadReciteIni();
        QCOMPARE(Names(loaded), (std::vector<std::string>{"s001_s002.dat@R", "gone.dat@", "s003_s004.dat@"}));
        QVERIFY(r.ReconcileReciteIni(&error));
        QCOMPARE(ReadAll(P("recite.ini")),
                 QByteArray("s001_s002.dat\tR\nfatiha.dat\tdefault\ns003_s004.dat\tR\n"));
    }

    void chosenRecordsFallBackToTheDefaultFolder()
    {
        Touch(P("quran/s001_s002.dat"));
        WriteText(P("recite.ini"), "s001_s002.dat\tR\ns003_s004.dat\tdefault\nlone");
        const PackRegistry r = Registry();
        const std::vector<PackRecord> chosen = r.ChosenRecords();
        QCOMPARE(int(chosen.size()), 2);
        QCOMPARE(QString::fromStdString(chosen[0].path), P("quran/") + "s001_s002.dat");
        QVERIFY(chosen[1].path.empty()); // registered without items
    }

    // A FIFO or a folder in place of a setting file reads as a missing file, at once, and recite.ini
    // then leaves the choice to the disk.
    void specialFilesAreMissingFiles_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("fifos") << true;
        QTest::newRow("folders") << false;
    }
    void specialFilesAreMissingFiles()
    {
        QFETCH(bool, fifo);
        Touch(P("quran/fatiha.dat"));
        for (const char* name : {"recite.ini", "langs.ini", "config.ini"}) {
            const std::string path = P(name).toStdString();
            QVERIFY(fifo ? ::mkfifo(path.c_str(), 0600) == 0 : QDir().mkpath(P(name)));
        }
        QElapsedTimer clock;
        clock.start();
        PackRegistry r = Registry();
        QVERIFY(!r.ReciteIniExists());
        QVERIFY(r.ReadReciteIni().empty());
        const std::vector<PackRecord> chosen = r.ChosenRecords();
        QCOMPARE(Names(chosen), std::vector<std::string>{"fatiha.dat@default"});
        r.Register(chosen);
        QCOMPARE(r.AvailableSuras(), std::vector<int>{1});
        QCOMPARE(int(ReadLanguages(dir_->path().toStdString()).names.size()), 1);
        QCOMPARE(ReadDeviceNumber(dir_->path().toStdString()), -1);
        QVERIFY(clock.elapsed() < 60000); // reached at all: nothing blocked on a FIFO
    }

    void outsidePathsAreNeverOpened()
    {
        // A pack outside quran/ that a hostile recite.ini points at.
        QVERIFY(fixtures::WriteArchive(P("secret/s001_s002.dat"), {{"001.001.eng", "secret"}}));
        WriteText(P("recite.ini"), "s001_s002.dat\t../../secret\n../secret/s001_s002.dat\tdefault\n");
        PackRegistry r = Registry();
        for (const PackRecord& rec : r.ChosenRecords())
            QVERIFY(rec.path.empty());
        r.Register(r.ChosenRecords());
        QVERIFY(r.PackFor(1) == nullptr || r.PackFor(1)->Extract("001.001.eng").isEmpty());
    }

    void noPacksAtAll()
    {
        PackRegistry r = Registry();
        QVERIFY(r.Scan().empty());
        r.Register(r.ChosenRecords());
        QVERIFY(r.RegisteredNames().empty());
        QVERIFY(r.AvailableSuras().empty());
        std::string error;
        QVERIFY(r.ReconcileReciteIni(&error));
        QCOMPARE(ReadAll(P("recite.ini")), QByteArray());
        QVERIFY(QFile::exists(P("recite.ini")));
    }

    void languages()
    {
        Touch(P("quran/lang/fr.dat"));
        Touch(P("quran/lang/zh.dat"));
        WriteText(
            P("langs.ini"),
            "fr.dat French\nxx.dat Missing.Language\nzh.dat Chinese.(Simplified).Text\n../x Sneaky\nlone");
        const LanguageList list = ReadLanguages(dir_->path().toStdString());
        QCOMPARE(list.names, (std::vector<std::string>{"English", "French", "Missing Language",
                                                       "Chinese (Simplified) Text", "Sneaky"}));
        QCOMPARE(list.installed, (std::vector<int>{1, 3}));
        QCOMPARE(int(list.paths.size()), 4);
        QVERIFY(QString::fromStdString(list.paths[2]).endsWith("quran/lang/zh.dat"));
        QCOMPARE(ReadLanguages(P("nowhere").toStdString()).names, std::vector<std::string>{"English"});
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "test_registry.moc"
