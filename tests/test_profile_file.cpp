// SPDX-License-Identifier: GPL-3.0-or-later
// The profile file: its bytes, its round trip, names it cannot hold, and damaged files.
#include "naming.h"
#include "profile_file.h"
#include "profile_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QByteArray Field(const QByteArray& text)
{
    QByteArray f = text;
    f.resize(32, '\0');
    return f;
}

QByteArray Le32(int32_t v)
{
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char((uint32_t(v) >> (8 * i)) & 0xFF);
    return b;
}

// A profile written field by field, as another program would write it.
constexpr qint64 kTrueCount = qint64(1) << 40; // count the heart as it is

QByteArray HandProfile(const QByteArray& name, const QList<QByteArray>& heart, const QByteArray& aya,
                       bool text, qint64 count = kTrueCount)
{
    QByteArray out = "V1" + Field(name) + Le32(count == kTrueCount ? int32_t(heart.size()) : int32_t(count));
    for (const QByteArray& key : heart)
        out += Field(key);
    return out + Field(aya) + QByteArray(1, text ? 1 : 0);
}

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;
    std::string Write(const QByteArray& bytes)
    {
        const QString path = dir_.filePath("p.varn");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path.toStdString();
    }

  private slots:
    void bytesAndRoundTrip()
    {
        ProfileData data;
        data.userName = "Maryam";
        data.heart = {"108.001", "108.002", "112.003"};
        data.currentAya = "036.012";
        data.textShown = true;
        const QByteArray bytes = SerializeProfile(data);
        QCOMPARE(bytes.size(), 167);
        QCOMPARE(bytes, HandProfile("Maryam", {"108.001", "108.002", "112.003"}, "036.012", true));
        ProfileData empty;
        empty.userName = "x";
        QCOMPARE(SerializeProfile(empty).size(), 71);

        std::string error, problem;
        const std::string path = dir_.filePath("Maryam.varn").toStdString();
        QVERIFY(SaveProfileFile(path, data, &error));
        ProfileData back;
        QVERIFY(ReadProfile(path, &back, &problem));
        QCOMPARE(back.userName, data.userName);
        QCOMPARE(back.heart, data.heart);
        QCOMPARE(back.currentAya, data.currentAya);
        QCOMPARE(back.textShown, true);
        QVERIFY(!SaveProfileFile(dir_.filePath("missing/dir/x.varn").toStdString(), data, &error));
        QVERIFY(!error.empty());
    }

    void foreignKeysAreNormalised()
    {
        const std::string path = Write(HandProfile("Ali", {"36.12", "108.001"}, "2.255", false));
        ProfileData data;
        std::string problem;
        QVERIFY(ReadProfile(path, &data, &problem));
        QCOMPARE(data.heart, (std::vector<std::string>{"036.012", "108.001"}));
        QCOMPARE(data.currentAya, std::string("002.255"));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("heartKept");
        QTest::addColumn<QString>("current");
        const QByteArray good = HandProfile("Ali", {"108.001", "108.002"}, "108.003", true);
        QList<QByteArray> ten;
        for (int a = 1; a <= 10; ++a)
            ten.push_back(QByteArray::fromStdString(AyaKey("002", a)));
        const QByteArray tenAyas = HandProfile("Ali", ten, "002.011", true, 1000);
        QTest::newRow("empty") << QByteArray() << 0 << "";
        QTest::newRow("wrong signature") << QByteArray("V2") + good.mid(2) << 0 << "";
        QTest::newRow("cut in the name") << good.left(20) << 0 << "";
        QTest::newRow("count larger than the file")
            << HandProfile("Ali", {"108.001"}, "108.003", true, 1000000) << 1 << "108.003";
        QTest::newRow("count too large, ten ayas") << tenAyas << 10 << "002.011";
        QTest::newRow("count too large, no text byte") << tenAyas.chopped(1) << 10 << "002.011";
        QTest::newRow("count too large, current cut") << tenAyas.chopped(5) << 9 << "002.010";
        QTest::newRow("negative count") << HandProfile("Ali", {}, "108.003", true, -7) << 0 << "";
        QTest::newRow("huge negative count") << HandProfile("Ali", {}, "108.003", true, INT32_MIN) << 0 << "";
        QTest::newRow("cut before the current aya") << good.left(good.size() - 10) << 2 << "";
        QTest::newRow("not an aya key")
            << HandProfile("Ali", {"108.001", "Allah.5", "115.001", "001.008"}, "108.003", true) << 1
            << "108.003";
        QTest::newRow("invalid current aya") << HandProfile("Ali", {"108.001"}, "abc", true) << 1 << "";
        QTest::newRow("current aya out of its sura") << HandProfile("Ali", {}, "108.004", true) << 0 << "";
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, heartKept);
        QFETCH(QString, current);
        ProfileData data;
        std::string problem;
        QVERIFY(!ReadProfile(Write(bytes), &data, &problem));
        QVERIFY(!problem.empty());
        QCOMPARE(int(data.heart.size()), heartKept);
        QCOMPARE(QString::fromStdString(data.currentAya), current);
        for (const std::string& key : data.heart)
            QCOMPARE(NormalAyaKey(key), key);
        ProfileData missing;
        QVERIFY(!ReadProfile(dir_.filePath("nobody.varn").toStdString(), &missing, &problem));
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "Maryam" << true;
        QTest::newRow("with blank") << "Abu Bakr" << true;
        QTest::newRow("arabic") << QString::fromUtf8("مريم") << true;
        QTest::newRow("31 characters") << QString(31, 'a') << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("32 characters") << QString(32, 'a') << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("control") << "a\tb" << false;
        QTest::newRow("newline") << "a\nb" << false;
        QTest::newRow("the extension") << "x.varn" << false;
        QTest::newRow("the extension in capitals") << "X.VARN" << false;
        QTest::newRow("the extension inside") << "a.Varn.b" << false;
        QTest::newRow("hidden") << ".hidden" << false;
        QTest::newRow("full stop inside") << "a.b" << true;
        QTest::newRow("15 arabic letters") << QString(15, QChar(0x0645)) << true;
        QTest::newRow("16 arabic letters") << QString(16, QChar(0x0645)) << false;
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QCOMPARE(ProfileNameProblem(name.toStdString()).empty(), accepted);
        QCOMPARE(ProfileNameProblem("").c_str(), "Invalid Username!");
        // What the dialog accepts, the list finds again under the same name.
        const std::string file = ProfileFileName(name.toStdString());
        QCOMPARE(!ProfileNameOfFile(file).empty() && ProfileNameOfFile(file) == name.toStdString(), accepted);
    }

    void nameMessages()
    {
        const std::string tooLong = ProfileNameProblem(std::string(32, 'a'));
        QVERIFY2(tooLong.find("31 Latin letters") != std::string::npos, tooLong.c_str());
        QVERIFY2(tooLong.find("15 Arabic letters") != std::string::npos, tooLong.c_str());
        QCOMPARE(ProfileNameOfFile("notes.txt"), std::string());
        QCOMPARE(ProfileNameOfFile(".varn"), std::string());
        QCOMPARE(ProfileNameOfFile("Zaid.VARN"), std::string());
    }

    // One program a profile: a second lock on a held profile is refused, and the first keeps it; a lock
    // that names no owner is taken over; another computer's lock is the learner's to take over; where
    // no lock can be made the profile opens unguarded.
    void profileLock()
    {
        QTemporaryDir dir;
        const std::string amina = dir.filePath("profiles/Amina.varn").toStdString();
        const std::string bilal = dir.filePath("profiles/Bilal.varn").toStdString();
        int asked = 0;
        QString askedHost;
        auto answer = [&](bool yes) {
            return [&asked, &askedHost, yes](const QString& host) {
                ++asked;
                askedHost = host;
                return yes;
            };
        };
        ProfileLock first, second;
        QCOMPARE(first.Take(amina, answer(true)), ProfileLock::Result::Taken);
        QVERIFY(QFileInfo::exists(QString::fromStdString(amina) + ".lock"));
        QCOMPARE(first.Take(amina, answer(true)), ProfileLock::Result::Taken); // held already
        QCOMPARE(second.Take(amina, answer(true)), ProfileLock::Result::Busy);
        QCOMPARE(asked, 0);
        // Moving to another profile lets the first go.
        QCOMPARE(first.Take(bilal, answer(true)), ProfileLock::Result::Taken);
        QCOMPARE(second.Take(amina, answer(true)), ProfileLock::Result::Taken);
        second.Release();
        first.Release();

        // A lock whose write was cut short names no owner.
        QFile empty(QString::fromStdString(amina) + ".lock");
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QCOMPARE(first.Take(amina, answer(false)), ProfileLock::Result::Taken);
        QCOMPARE(asked, 0);
        first.Release();

        // Another computer's lock (a shared home folder): asked, declined, then taken over.
        QFile foreign(QString::fromStdString(amina) + ".lock");
        QVERIFY(foreign.open(QIODevice::WriteOnly | QIODevice::Truncate));
        foreign.write("4242\nvarnel\nthe-computer-upstairs\n");
        foreign.close();
        QCOMPARE(first.Take(bilal, answer(true)), ProfileLock::Result::Taken);
        QCOMPARE(first.Take(amina, answer(false)), ProfileLock::Result::Declined);
        QCOMPARE(asked, 1);
        QCOMPARE(askedHost, QString("the-computer-upstairs"));
        QCOMPARE(second.Take(bilal, answer(true)), ProfileLock::Result::Busy); // still held by first
        QCOMPARE(first.Take(amina, answer(true)), ProfileLock::Result::Taken);
        QCOMPARE(asked, 2);
        QCOMPARE(second.Take(bilal, answer(true)), ProfileLock::Result::Taken);

        // A folder that cannot be made (a file stands in its place): no lock, and it opens all the same.
        QFile standing(dir.filePath("standing"));
        QVERIFY(standing.open(QIODevice::WriteOnly));
        standing.close();
        ProfileLock third;
        QCOMPARE(third.Take(dir.filePath("standing/Yusuf.varn").toStdString(), answer(true)),
                 ProfileLock::Result::Unguarded);

        // A lock that is no regular file (a FIFO, a link to /dev/zero, a folder) is never read, which
        // would never end: the profile opens unguarded at once.
        const QString fifo = dir.filePath("profiles/Fifo.varn");
        QVERIFY(::mkfifo((fifo + ".lock").toLocal8Bit().constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/zero", dir.filePath("profiles/Zero.varn.lock")));
        QVERIFY(QDir().mkpath(dir.filePath("profiles/Folder.varn.lock")));
        for (const char* name : {"Fifo", "Zero", "Folder"})
            QCOMPARE(
                third.Take(dir.filePath(QString("profiles/%1.varn").arg(name)).toStdString(), answer(true)),
                ProfileLock::Result::Unguarded);

        // A full disk has no room for the lock: the profile opens unguarded, and no empty lock is left
        // behind to be read as a stale one.
        if (::geteuid() != 0)
            QSKIP("SKIPPED: the full disk needs a small tmpfs, which needs root");
        const QString mount = dir.filePath("small");
        QVERIFY(QDir().mkpath(mount));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", mount}) != 0)
            QSKIP("SKIPPED: a tmpfs could not be mounted here");
        struct Unmount {
            QString at;
            ~Unmount() { QProcess::execute("umount", {at}); }
        } unmount{mount};
        QFile filler(mount + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(1024, 'f')) == 1024) {
        }
        filler.close();
        ProfileLock full;
        QCOMPARE(full.Take((mount + "/Hafsa.varn").toStdString(), answer(true)),
                 ProfileLock::Result::Unguarded);
        QVERIFY(!QFileInfo::exists(mount + "/Hafsa.varn.lock"));
    }
};

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profile_file.moc"
