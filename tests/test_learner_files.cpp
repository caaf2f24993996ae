// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's files under attack: locks that name no owner or another computer, a profile created
// over review records left without it, a FIFO in a profile's place; each learner is written when created
// and saved as the next one comes.
#include "file_write.h"
#include "heart.h"
#include "messages.h"
#include "profile_file.h"
#include "recitation_session.h"
#include "varn.h"
#include "window_controls.h"
#include "workspace.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTest>
#include <sys/stat.h>

class TestLearnerFiles : public QObject
{
    Q_OBJECT

  private slots:
    // A lock that names no owner (empty, or garbage) is stale, whatever its age; one made on another
    // computer is the learner's to override; the outgoing learner is saved as the lock passes on.
    void locksWithoutAnOwner()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        ws.Write("profiles/Amina.varn", SerializeProfile(ProfileData{"Amina", {"108.001"}, "108.001", true}));
        for (const QByteArray& lock : {QByteArray(), QByteArray("\0\0garbage\xff", 11)}) {
            ws.Write("profiles/Amina.varn.lock", lock);
            QFile stale(ws.Path("profiles/Amina.varn.lock"));
            QVERIFY(stale.open(QIODevice::ReadWrite));
            stale.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime);
            stale.close();
            Varn window;
            window.LoadProfile("Amina");
            QCOMPARE(window.UserNameNow(), std::string("Amina"));
            QVERIFY(ws.messages.isEmpty());
        }
        const QByteArray elsewhere =
            "4242\nvarnel\nanother-computer-" + QSysInfo::machineHostName().toUtf8() + "\n";
        for (bool anyway : {false, true}) {
            ws.Write("profiles/Amina.varn.lock", elsewhere);
            SetQuestionAnswer(anyway);
            Varn window;
            window.LoadProfile("Amina");
            QCOMPARE(window.UserNameNow(), anyway ? std::string("Amina") : std::string());
            QCOMPARE(ws.messages.size(), 1);
            QVERIFY(ws.messages[0].contains("another-computer-") &&
                    ws.messages[0].contains("Open it anyway?"));
            ws.messages.clear();
        }
        SetQuestionAnswer(false);

        // Leaving Amina for Bilal: Amina's file is written and her lock released.
        Varn window;
        window.LoadProfile("Amina");
        fixtures::C(window).heart->DropText("all.112");
        QFile::remove(ws.Path("profiles/Amina.varn"));
        window.NewProfile("Bilal");
        QVERIFY(QFile::exists(ws.Path("profiles/Amina.varn")));
        QVERIFY(!QFile::exists(ws.Path("profiles/Amina.varn.lock")));
        ProfileData amina;
        std::string problem;
        QVERIFY(ReadProfile(ws.Path("profiles/Amina.varn").toStdString(), &amina, &problem));
        QCOMPARE(amina.heart.size(), size_t(5));

        // The save comes while Amina's lock still guards her file: a save that fails says so then.
        window.LoadProfile("Amina");
        QVERIFY(QFile::remove(ws.Path("profiles/Amina.varn")) && QDir().mkdir(ws.Path("profiles/Amina.varn")));
        bool lockedWhileSaving = false;
        SetMessagePresenter([&](const QString&, const QString& text) {
            if (text.contains("could not be saved"))
                lockedWhileSaving = QFile::exists(ws.Path("profiles/Amina.varn.lock"));
        });
        window.NewProfile("Cemal");
        QVERIFY(lockedWhileSaving);
        QVERIFY(!QFile::exists(ws.Path("profiles/Amina.varn.lock")));
    }

    // A new profile is on disk at once; review records left without their profile are kept whole and
    // named, not emptied by the new learner's empty heart.
    void newProfileOverOrphans()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        const QByteArray review =
            "varnel-review 1\n112\t1\t4\t2026-12-01\t2026-11-20\t4.0\t5.0\t2026-11-20\n";
        ws.Write("profiles/Amina.review", review);
        Varn window;
        window.NewProfile("Amina");
        QVERIFY(QFile::exists(ws.Path("profiles/Amina.varn")));
        QCOMPARE(ws.Read("profiles/Amina.review.bak"), review);
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY2(ws.messages[0].contains("profiles/Amina.review.bak"), qPrintable(ws.messages[0]));
        // A FIFO in a profile's place is refused at once, never waited on; a save replaces it.
        QVERIFY(::mkfifo(ws.Path("profiles/Fifo.varn").toLocal8Bit().constData(), 0600) == 0);
        ws.messages.clear();
        window.LoadProfile("Fifo");
        QCOMPARE(window.UserNameNow(), std::string("Fifo"));
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY2(ws.messages[0].contains("not a file that can be read"), qPrintable(ws.messages[0]));
        window.SaveProfile();
        QVERIFY(IsReadableRegularFile(ws.Path("profiles/Fifo.varn").toStdString()));
    }

    // A recording that cannot be played (a link to a device, or larger than any aya) says why when it
    // is asked for, once.
    void unplayableRecordings()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        QVERIFY(QDir().mkpath(ws.Path("profiles/Amina.recordings")));
        QVERIFY(QFile::link("/dev/zero", ws.Path("profiles/Amina.recordings/112001.ogg")));
        QFile big(ws.Path("profiles/Amina.recordings/112002.ogg"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize((32LL << 20) + 1));
        big.close();
        ws.Write("profiles/Amina.varn", SerializeProfile(ProfileData{"Amina", {}, "112.001", true}));
        Varn window;
        window.LoadProfile("Amina");
        QCOMPARE(window.CurrentKey(), std::string("112.001"));
        ws.messages.clear();
        fixtures::C(window).playMineButton->click();
        QTRY_COMPARE(ws.messages.size(), 1);
        QVERIFY2(ws.messages[0].contains("112:1") && ws.messages[0].contains("not a file that can be read"),
                 qPrintable(ws.messages[0]));
        fixtures::C(window).playMineButton->click();
        QTest::qWait(50);
        QCOMPARE(ws.messages.size(), 1); // told once
        window.StopAya();
        window.Session()->CueAya(112, 2);
        fixtures::C(window).playMineButton->click();
        QTRY_COMPARE(ws.messages.size(), 2);
        QVERIFY2(ws.messages[1].contains("112:2") && ws.messages[1].contains("larger than 32 MB"),
                 qPrintable(ws.messages[1]));
    }

    // The progress bar counts the heart's ayas of the installed suras only; the others are told beside.
    void progressOfInstalledSuras()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        std::vector<std::string> heart;
        for (int aya = 1; aya <= 286; ++aya)
            heart.push_back(QString("002.%1").arg(aya, 3, 10, QChar('0')).toStdString());
        heart.insert(heart.end(), {"112.001", "112.002"});
        ws.Write("profiles/Amina.varn", SerializeProfile(ProfileData{"Amina", heart, "112.001", true}));
        Varn window;
        window.LoadProfile("Amina");
        QProgressBar* bar = fixtures::C(window).heartProgress;
        QCOMPARE(bar->value(), 2);
        QVERIFY(bar->value() <= bar->maximum());
        QVERIFY2(bar->toolTip().contains("286 more"), qPrintable(bar->toolTip()));
        fixtures::C(window).heart->DropText("all.113");
        QCOMPARE(bar->value(), 7);
    }

    // The display goes away under a running Varnel (a logout): it ends within seconds, with the
    // learner's profile written and its lock released. Driven as a person would: a display of its
    // own, the name typed, then the display killed.
    void displayLost()
    {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        const QString xdotool = QStandardPaths::findExecutable("xdotool");
        const QString varnel = qEnvironmentVariable("VARNEL_BIN") + "/varnel";
        if (xvfb.isEmpty() || xdotool.isEmpty() || !QFileInfo(varnel).isExecutable())
            QSKIP(
                "SKIPPED: Xvfb, xdotool and the built varnel are needed; the display-loss test did not run");
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        // A display of a high number (display 0 may be a desktop's, or a dead server's leftovers); the
        // server says its number once it takes connections, or ends when the number is taken.
        QProcess x;
        QString display;
        for (int attempt = 0; attempt < 8 && display.isEmpty(); ++attempt) {
            const int number = 100 + int((QCoreApplication::applicationPid() + attempt * 37) % 800);
            x.start(xvfb, {QString(":%1").arg(number), "-displayfd", "1", "-screen", "0", "1280x1024x24",
                           "-nolisten", "tcp"});
            QVERIFY(x.waitForStarted());
            (void)QTest::qWaitFor([&] { return x.canReadLine() || x.state() == QProcess::NotRunning; },
                                  10000);
            if (x.canReadLine())
                display = ":" + QString::fromLatin1(x.readLine()).trimmed();
            else
                x.waitForFinished(1000);
        }
        QVERIFY2(!display.isEmpty(), "no display could be started");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("LANGUAGE", "en");
        QProcess probe; // the display takes connections
        probe.setProcessEnvironment(env);
        QVERIFY(QTest::qWaitFor(
            [&] {
                probe.start(xdotool, {"getdisplaygeometry"});
                return probe.waitForFinished(3000) && probe.exitCode() == 0;
            },
            10000));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(ws.Path("."));
        QProcess typing;
        typing.setProcessEnvironment(env);
        // A display just made may refuse a first client now and then: a program that could not connect
        // ends at once, and is started again.
        bool shown = false;
        for (int attempt = 0; attempt < 3 && !shown; ++attempt) {
            program.start(varnel, {});
            QVERIFY(program.waitForStarted());
            shown = QTest::qWaitFor(
                        [&] {
                            if (program.state() == QProcess::NotRunning)
                                return true;
                            typing.start(xdotool, {"search", "--name", "Load or Create Profile"});
                            return typing.waitForFinished(3000) && typing.exitCode() == 0;
                        },
                        15000) &&
                    program.state() == QProcess::Running;
        }
        QVERIFY2(shown, program.readAllStandardError().right(2000).constData());
        QTest::qWait(500);
        typing.start(xdotool, {"type", "--delay", "20", "Amina"});
        QVERIFY(typing.waitForFinished(5000));
        typing.start(xdotool, {"key", "Return"});
        QVERIFY(typing.waitForFinished(5000));
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(ws.Path("profiles/Amina.varn.lock")); }, 10000));
        QTest::qWait(300);
        // As if the program had been killed before it wrote anything: only the ending can write it now.
        QVERIFY(QFile::remove(ws.Path("profiles/Amina.varn")));
        x.terminate(); // as a logout ends it
        QVERIFY(x.waitForFinished(5000));
        QVERIFY2(program.waitForFinished(8000), "Varnel kept running after its display went away");
        QVERIFY(QFile::exists(ws.Path("profiles/Amina.varn")));
        QVERIFY(!QFile::exists(ws.Path("profiles/Amina.varn.lock")));
    }
};

QTEST_MAIN(TestLearnerFiles)
#include "test_learner_files.moc"
