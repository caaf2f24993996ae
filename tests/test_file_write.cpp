// SPDX-License-Identifier: GPL-3.0-or-later
// Writing files whole or not at all: full disks, links, permissions and the leftovers of killed writes.
#include "device_setting.h"
#include "file_write.h"
#include "fixtures.h"
#include "kelres.h"
#include "naming.h"
#include "pack_registry.h"
#include "profile_file.h"
#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

ProfileData Heart(int ayas)
{
    ProfileData data{"Full", {}, "114.001", true};
    for (int i = 1; i <= ayas; ++i)
        data.heart.push_back(AyaKey("002", i));
    return data;
}

} // namespace

namespace
{

// Makes path look last written an hour ago, as a killed write's temporary would.
void Age(const QString& path)
{
    std::filesystem::last_write_time(path.toStdString(),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
}

} // namespace

class TestFileWrite : public QObject
{
    Q_OBJECT

  private slots:
    void replacesWholeAndKeepsPermissions()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("config.ini").toStdString();
        std::string error;
        QVERIFY(WriteFileWhole(path, "first\n", &error));
        QCOMPARE(fixtures::ReadFile(dir.filePath("config.ini")), QByteArray("first\n"));
        QVERIFY(::chmod(path.c_str(), 0640) == 0);
        QVERIFY(WriteFileWhole(path, "second\n", &error));
        QCOMPARE(fixtures::ReadFile(dir.filePath("config.ini")), QByteArray("second\n"));
        struct stat st {
        };
        QVERIFY(::stat(path.c_str(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0640);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"config.ini"}));

        QVERIFY(!WriteFileWhole(dir.filePath("no-such-folder/x.varn").toStdString(), "x", &error));
        QVERIFY2(error.find("no-such-folder") != std::string::npos, error.c_str());
    }

    // A link in place of a profile is replaced; its target, outside the folder, is never written.
    void linksAreReplacedNotFollowed()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("profiles"));
        QVERIFY(fixtures::PutFile(dir.filePath("outside.txt"), "precious"));
        QVERIFY(QFile::link(dir.filePath("outside.txt"), dir.filePath("profiles/Amina.varn")));
        std::string error;
        QVERIFY(SaveProfileFile(dir.filePath("profiles/Amina.varn").toStdString(), Heart(2), &error));
        QCOMPARE(fixtures::ReadFile(dir.filePath("outside.txt")), QByteArray("precious"));
        QVERIFY(!QFileInfo(dir.filePath("profiles/Amina.varn")).isSymLink());
        QCOMPARE(fixtures::ReadFile(dir.filePath("profiles/Amina.varn")), SerializeProfile(Heart(2)));
    }

    void staleTemporaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("stale");
        QTest::newRow("profile") << "tester.varn.aB3xY9" << true;
        QTest::newRow("recite.ini") << "recite.ini.Q1w2E3" << true;
        QTest::newRow("config.ini") << "config.ini.000000" << true;
        QTest::newRow("our settings") << "varnel.ini.zzzzzz" << true;
        QTest::newRow("review record") << "tester.review.k2J9aa" << true;
        QTest::newRow("practice aids") << "tester.aids.0Zz9Yy" << true;
        QTest::newRow("drill settings") << "tester.drill.a1b2c3" << true;
        QTest::newRow("review by page") << "tester.pages.Zq81Kx" << true;
        QTest::newRow("a recording") << "112001.ogg.h7G2aa" << true;
        QTest::newRow("a pack") << "s078_s114.dat.pp09Qr" << true;
        QTest::newRow("any file, marked") << "matched.txt.varnel-a1B2c3" << true;
        QTest::newRow("marked, five letters") << "matched.txt.varnel-a1B2c" << false;
        QTest::newRow("the mark alone") << "varnel-a1B2c3" << false;
        QTest::newRow("a pack itself") << "s078_s114.dat" << false;
        QTest::newRow("a review's backup") << "tester.review.bak" << false;
        QTest::newRow("the profile itself") << "tester.varn" << false;
        QTest::newRow("five letters") << "tester.varn.abcde" << false;
        QTest::newRow("seven letters") << "tester.varn.abcdefg" << false;
        QTest::newRow("not a letter") << "tester.varn.abc-ef" << false;
        QTest::newRow("a learner's backup") << "tester.varn.bak" << false;
        QTest::newRow("someone else's file") << "notes.txt.abcdef" << false;
        QTest::newRow("just the ending") << ".varn.abcdef" << false;
    }
    void staleTemporaries()
    {
        QFETCH(QString, name);
        QFETCH(bool, stale);
        QCOMPARE(IsStaleTemporaryName(name.toStdString()), stale);
        QTemporaryDir dir;
        QVERIFY(fixtures::PutFile(dir.filePath(name), "x"));
        QVERIFY(fixtures::PutFile(dir.filePath("tester.varn"), "keep"));
        // Written a moment ago, it may be another program's write under way: it stays.
        QCOMPARE(RemoveStaleTemporaries(dir.path().toStdString()), 0);
        Age(dir.filePath(name));
        QCOMPARE(RemoveStaleTemporaries(dir.path().toStdString()), stale ? 1 : 0);
        QCOMPARE(QFile::exists(dir.filePath(name)), !stale);
        QVERIFY(QFile::exists(dir.filePath("tester.varn")));
    }

    // One sweep at start takes every kind of leftover from every folder the program writes in, and only
    // leftovers: the files themselves, a backup and someone else's file stay.
    void sweepEveryFolder()
    {
        QTemporaryDir dir;
        const QStringList stale = {"varnel.ini.aaaaaa",
                                   "profiles/Amina.pages.bbbbbb",
                                   "profiles/Amina.recordings/112001.ogg.cccccc",
                                   "profiles/Bilal.recordings/001007.ogg.dddddd",
                                   "quran/s078_s114.dat.eeeeee",
                                   "quran/extra/Trial/s104_s114.dat.ffffff"};
        const QStringList kept = {"varnel.ini",
                                  "profiles/Amina.pages",
                                  "profiles/Amina.review.bak",
                                  "profiles/Amina.recordings/112001.ogg",
                                  "quran/s078_s114.dat",
                                  "quran/extra/Trial/s104_s114.dat",
                                  "quran/lang/notes.txt.gggggg"};
        for (const QString& name : stale + kept) {
            QVERIFY(fixtures::PutFile(dir.filePath(name), "x"));
            Age(dir.filePath(name));
        }
        QCOMPARE(SweepStaleTemporaries(dir.path().toStdString()), int(stale.size()));
        for (const QString& name : stale)
            QVERIFY2(!QFile::exists(dir.filePath(name)), qPrintable(name));
        for (const QString& name : kept)
            QVERIFY2(QFile::exists(dir.filePath(name)), qPrintable(name));
        // No folders at all: nothing to sweep, and no failure.
        QTemporaryDir empty;
        QCOMPARE(SweepStaleTemporaries(empty.path().toStdString()), 0);
    }

    // Every file the program writes goes through one kind of temporary, so one rule sweeps each one a
    // killed write leaves behind, wherever it lives; and none of another program's writes under way.
    void everyWritersTemporaryIsSwept()
    {
        QTemporaryDir dir;
        const QStringList written = {"varnel.ini",
                                     "recite.ini",
                                     "config.ini",
                                     "profiles/Amina.varn",
                                     "profiles/Amina.review",
                                     "profiles/Amina.pages",
                                     "profiles/Amina.aids",
                                     "profiles/Amina.drill",
                                     "profiles/Amina.recordings/112001.ogg",
                                     "profiles/Amina.recordings/matched.txt",
                                     "quran/s078_s114.dat",
                                     "quran/extra/Trial/s104_s114.dat"};
        QStringList temporaries;
        for (const QString& name : written) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(name).path()));
            std::string temp = TemporaryTemplate(dir.filePath(name).toStdString());
            const int fd = ::mkstemp(temp.data());
            QVERIFY(fd >= 0);
            ::close(fd);
            temporaries << QString::fromStdString(temp);
        }
        QVERIFY(fixtures::PutFile(dir.filePath("profiles/Amina.recordings/matched.txt.varnel-Live01"), "x"));
        for (const QString& temp : temporaries)
            Age(temp);
        QCOMPARE(SweepStaleTemporaries(dir.path().toStdString()), int(written.size()));
        for (const QString& temp : temporaries)
            QVERIFY2(!QFile::exists(temp), qPrintable(temp));
        QVERIFY(QFile::exists(dir.filePath("profiles/Amina.recordings/matched.txt.varnel-Live01")));
        // And the writer itself leaves none behind when it succeeds.
        std::string error;
        QVERIFY(WriteFileWhole(dir.filePath("profiles/Amina.recordings/matched.txt").toStdString(),
                               "112001\n", &error));
        QCOMPARE(QDir(dir.filePath("profiles/Amina.recordings")).entryList(QDir::Files).size(), 2);
    }

    // One damaged value longer than any setting costs only itself: the other settings are kept, the file
    // as it was is kept as .bak, and the next change writes what was kept.
    void oversizedSettingsValue()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("varnel.ini");
        const QByteArray original = "[view]\nzoom=1.25\n[window]\ngeometry=" + QByteArray(2 << 20, 'g') +
                                    "\nstate=abc\n[sound]\nspeed=0.75\n";
        QVERIFY(fixtures::PutFile(path, original));
        SettingsFile settings(path.toStdString());
        settings.Load();
        QVERIFY(settings.Cut());
        QVERIFY2(settings.DroppedKeys() == std::vector<std::string>{"geometry"},
                 settings.DroppedKeys().empty() ? "none" : settings.DroppedKeys()[0].c_str());
        QCOMPARE(settings.Number("view/zoom", 1), 1.25);
        QCOMPARE(settings.Text("window/state"), QString("abc"));
        QCOMPARE(settings.Number("sound/speed", 1), 0.75);
        QVERIFY(!settings.Has("window/geometry"));
        QCOMPARE(settings.Backup(), (path + ".bak").toStdString());
        QCOMPARE(fixtures::ReadFile(path + ".bak"), original);
        std::string error;
        QVERIFY(settings.Set("view/night", true, &error));
        SettingsFile again(path.toStdString());
        again.Load();
        QVERIFY(!again.Cut() && again.Truth("view/night", false) && again.Number("view/zoom", 1) == 1.25);
    }

    // Several settings remembered together are one write of the file, and none when nothing changed (a
    // line added by hand is only dropped by a write).
    void settingsWrittenOnlyWhenChanged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("varnel.ini");
        SettingsFile settings(path.toStdString());
        std::string error;
        const std::map<std::string, QString> layout{{"window/geometry", "g"}, {"window/panels", "p"}};
        QVERIFY(settings.Set(layout, &error));
        QVERIFY(fixtures::PutFile(path, fixtures::ReadFile(path) + "; by hand\n"));
        QVERIFY(settings.Set(layout, &error) && settings.Set("window/panels", QString("p"), &error));
        QVERIFY(fixtures::ReadFile(path).contains("; by hand"));
        QVERIFY(settings.Set({{"window/geometry", "g"}, {"window/panels", "q"}}, &error));
        QVERIFY(!fixtures::ReadFile(path).contains("; by hand"));
        SettingsFile again(path.toStdString());
        again.Load();
        QCOMPARE(again.Text("window/geometry") + again.Text("window/panels"), QString("gq"));
    }

    // Our settings file: read only from a regular file (a FIFO never hangs the start), written whole like
    // every other file (a link is replaced, not written through), and a failed write says so.
    void settingsFile()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("varnel.ini").toStdString();
        QVERIFY(::mkfifo(path.c_str(), 0600) == 0);
        SettingsFile fifo(path);
        fifo.Load(); // returns at once: nobody writes into the FIFO
        QVERIFY(!fifo.Has("view/zoom"));
        std::string error;
        QVERIFY2(fifo.Set("view/zoom", 1.25, &error), error.c_str());
        QVERIFY(IsReadableRegularFile(path));
        QCOMPARE(fixtures::ReadFile(dir.filePath("varnel.ini")), QByteArray("[view]\nzoom=1.25\n"));

        // A link: the file replaces it, the link's target keeps its bytes.
        QVERIFY(fixtures::PutFile(dir.filePath("elsewhere.ini"), "[view]\nnight=true\n"));
        QFile::remove(dir.filePath("varnel.ini"));
        QVERIFY(QFile::link(dir.filePath("elsewhere.ini"), dir.filePath("varnel.ini")));
        SettingsFile linked(path);
        linked.Load();
        QVERIFY(linked.Truth("view/night", false));
        QVERIFY(linked.Set("sound/speed", 0.75, &error));
        QVERIFY(!QFileInfo(dir.filePath("varnel.ini")).isSymLink());
        QCOMPARE(fixtures::ReadFile(dir.filePath("elsewhere.ini")), QByteArray("[view]\nnight=true\n"));
        QCOMPARE(fixtures::ReadFile(dir.filePath("varnel.ini")),
                 QByteArray("[sound]\nspeed=0.75\n\n[view]\nnight=true\n"));

        // Something in the way: the write fails with a reason, and the value holds for this run.
        QVERIFY(fixtures::PutFile(dir.filePath("file"), "x"));
        SettingsFile blocked(dir.filePath("file/varnel.ini").toStdString());
        error.clear();
        QVERIFY(!blocked.Set("view/zoom", 2.0, &error));
        QVERIFY(!error.empty());
        QCOMPARE(blocked.Number("view/zoom", 1.0), 2.0);

        // What other INI writers wrote reads back, damaged lines are skipped, and a file too large is none.
        const auto values = SettingsFile::Parse("[General]\nx=1\n[pause]\nunit=1\nfactor=2.5\ngarbage\n=3\n"
                                                "[view]\nnight=false\nzoom=\"1.5\"\n");
        QCOMPARE(values.at("pause/unit"), QString("1"));
        QCOMPARE(values.at("view/zoom"), QString("1.5"));
        QCOMPARE(values.at("General/x"), QString("1"));
        QCOMPARE(int(values.size()), 5);
        QVERIFY(
            SettingsFile::Parse("[pause/u=se]\nfactor=2\n[/view]\nzoom=2\n").empty()); // no groups of ours
        QVERIFY(fixtures::PutFile(dir.filePath("big.ini"),
                                  "[view]\nzoom=2\n" + QByteArray(SettingsFile::kMaxBytes, ';')));
        SettingsFile big(dir.filePath("big.ini").toStdString());
        big.Load(); // what fits is kept, what would pass the limit is not
        QVERIFY(big.Has("view/zoom") && big.Cut());

        // Loaded again unchanged, the file is not read again; changed behind the program's back, even in
        // place and to the same size, it is.
        const QString again = dir.filePath("again.ini");
        QVERIFY(fixtures::PutFile(again, "[view]\nzoom=2\n"));
        SettingsFile first(again.toStdString()), second(again.toStdString());
        first.Load();
        QCOMPARE(first.Number("view/zoom", 1.0), 2.0);
        QFile inPlace(again);
        QVERIFY(inPlace.open(QIODevice::ReadWrite));
        inPlace.seek(12);
        inPlace.write("3");
        inPlace.close();
        second.Load();
        QCOMPARE(second.Number("view/zoom", 1.0), 3.0);
        QVERIFY(second.Set("view/night", true, &error));
        first.Load();
        QVERIFY(first.Truth("view/night", false) && first.Number("view/zoom", 1.0) == 3.0);
    }

    // Every writer on a full disk: the failure is reported and the old file keeps its bytes.
    void fullDisk()
    {
        if (::geteuid() != 0)
            QSKIP("SKIPPED: the full-disk test mounts a small tmpfs, which needs root; it did not run");
        QTemporaryDir dir;
        const QString mount = dir.filePath("small");
        QVERIFY(QDir().mkpath(mount));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", mount}) != 0)
            QSKIP("SKIPPED: a tmpfs could not be mounted here (no mount permission in this container); the "
                  "full-disk test did not run");
        struct Unmount {
            QString at;
            ~Unmount() { QProcess::execute("umount", {at}); }
        } unmount{mount};
        const auto at = [&mount](const char* rel) { return mount + "/" + rel; };
        QVERIFY(QDir(mount).mkpath("profiles"));
        QVERIFY(QDir(mount).mkpath("quran"));
        const QByteArray smallProfile = SerializeProfile(Heart(10));
        QVERIFY(fixtures::PutFile(at("profiles/Full.varn"), smallProfile));
        QVERIFY(fixtures::PutFile(at("recite.ini"), "s104_s114.dat\tdefault\n"));
        QVERIFY(fixtures::PutFile(at("config.ini"), "0\n"));
        QVERIFY(fixtures::PutFile(at("quran/old.dat"), "old pack"));
        // Fill what is left.
        {
            QFile filler(at("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size()) {
            }
        }

        std::string error;
        QVERIFY(!SaveProfileFile(at("profiles/Full.varn").toStdString(), Heart(200), &error));
        QVERIFY2(error.find("space") != std::string::npos, error.c_str());
        QCOMPARE(fixtures::ReadFile(at("profiles/Full.varn")), smallProfile);
        error.clear();
        QVERIFY(!SaveProfileFile(at("profiles/Full.varn").toStdString(), Heart(11), &error));
        QCOMPARE(fixtures::ReadFile(at("profiles/Full.varn")), smallProfile);

        PackRegistry packs(mount.toStdString());
        QVERIFY(!packs.WriteReciteIni({{"s078_s114.dat", "default"}, {"fatiha.dat", "default"}}, &error));
        QCOMPARE(fixtures::ReadFile(at("recite.ini")), QByteArray("s104_s114.dat\tdefault\n"));
        QVERIFY(!WriteDeviceNumber(12, mount.toStdString(), &error));
        QCOMPARE(fixtures::ReadFile(at("config.ini")), QByteArray("0\n"));

        QVERIFY(fixtures::PutFile(dir.filePath("item.txt"), QByteArray(8192, 'i')));
        const fixtures::ToolRun run =
            fixtures::RunTool("varnel-pack", {"create", at("quran/old.dat"), dir.filePath("item.txt")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("space"), run.err.constData());
        QCOMPARE(fixtures::ReadFile(at("quran/old.dat")), QByteArray("old pack"));

        // Nothing half-written is left beside them.
        QCOMPARE(QDir(at("profiles")).entryList(QDir::Files), QStringList({"Full.varn"}));
        QCOMPARE(QDir(mount).entryList(QDir::Files), QStringList({"config.ini", "filler", "recite.ini"}));
    }
};

QTEST_GUILESS_MAIN(TestFileWrite)
#include "test_file_write.moc"
