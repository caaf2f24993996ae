// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's progress: the profile dialog, the profile file, and a whole learner's day.
#include "arabic.h"
#include "aya.h"
#include "config.h"
#include "draglabel.h"
#include "heart.h"
#include "messages.h"
#include "profile.h"
#include "profile_file.h"
#include "quit_signals.h"
#include "recitation_session.h"
#include "stack.h"
#include "varn.h"
#include "whole.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTextBrowser>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <sys/stat.h>

using fixtures::Ayas;
using fixtures::Drop;

class TestProgress : public QObject
{
    Q_OBJECT

  private slots:
    void profileDialog()
    {
        Workspace ws;
        ws.Write("profiles/Zaid.varn", SerializeProfile(ProfileData{"Zaid", {}, "114.001", false}));
        ws.Write("profiles/amina.varn", SerializeProfile(ProfileData{"amina", {}, "114.001", false}));
        ws.Write("profiles/Bilal.varn", SerializeProfile(ProfileData{"Bilal", {}, "114.001", false}));
        ws.Write("profiles/notes.txt", "x");
        Profile dialog;
        QCOMPARE(dialog.List()->count(), 3);
        QCOMPARE(dialog.List()->item(0)->text(), QString("Bilal"));
        QCOMPARE(dialog.List()->item(2)->text(), QString("amina"));
        QSignalSpy loaded(&dialog, &Profile::UserName);
        QSignalSpy created(&dialog, &Profile::NewUser);

        dialog.show();
        QTest::mouseClick(dialog.LoadButton(), Qt::LeftButton);
        QCOMPARE(ws.messages,
                 QStringList({"Varnel|Please select an existing profile, or create a new one!"}));
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.CreateButton(), Qt::LeftButton);
        QCOMPARE(ws.messages.last(), QString("Varnel|Invalid Username!"));
        dialog.NameField()->setText("Zaid");
        QTest::mouseClick(dialog.CreateButton(), Qt::LeftButton);
        QVERIFY(ws.messages.last().startsWith("Varnel|Username already exists"));
        for (const QString& bad : {QString(32, 'x'), QString("../evil"), QString(".."), QString("a\tb")}) {
            dialog.NameField()->setText(bad);
            QTest::mouseClick(dialog.CreateButton(), Qt::LeftButton);
        }
        QCOMPARE(ws.messages.size(), 7);
        QCOMPARE(created.count(), 0);
        QVERIFY(dialog.isVisible());

        dialog.NameField()->setText("zaid"); // another letter case is another name
        QTest::mouseClick(dialog.CreateButton(), Qt::LeftButton);
        QCOMPARE(created.count(), 1);
        QCOMPARE(created.first().at(0).value<std::string>(), std::string("zaid"));
        QVERIFY(!dialog.isVisible());

        dialog.show();
        dialog.List()->setCurrentRow(1);
        QTest::mouseClick(dialog.LoadButton(), Qt::LeftButton);
        QCOMPARE(loaded.first().at(0).value<std::string>(), std::string("Zaid"));
        QDir(ws.Path("profiles")).removeRecursively();
    }

    void loadRestoresTheTextSetting()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        ws.Write("profiles/Quiet.varn",
                 SerializeProfile(ProfileData{"Quiet", {"108.001"}, "108.002", false}));
        ws.Write("profiles/Reader.varn", SerializeProfile(ProfileData{"Reader", {}, "105.003", true}));
        Varn window;
        window.LoadProfile("Quiet");
        QVERIFY(!window.ShowTranslation());
        QVERIFY(fixtures::C(window).textPanel->isHidden());
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        QCOMPARE(fixtures::C(window).heart->Root()->text(0), QString("Quiet's Heart"));
        QCOMPARE(fixtures::C(window).dragLabel->dragText, std::string("all.108"));
        QCOMPARE(fixtures::C(window).chooser->currentText(), QString("108. Al-Kauther"));
        QVERIFY(!window.Session()->WholeDrill()->Player()->Busy()); // stopped at the restored aya
        window.LoadProfile("Reader");
        QVERIFY(window.ShowTranslation());
        QVERIFY(!fixtures::C(window).textPanel->isHidden());
        QCOMPARE(window.CurrentKey(), std::string("105.003"));
        // Switching saved the first learner.
        ProfileData quiet;
        std::string problem;
        QVERIFY(ReadProfile(ws.Path("profiles/Quiet.varn").toStdString(), &quiet, &problem));
        QCOMPARE(quiet.currentAya, std::string("108.002"));
        QVERIFY(ws.messages.isEmpty());
    }

    void damagedProfile()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        QByteArray bytes = SerializeProfile(ProfileData{"Broken", {"108.001", "108.002"}, "112.002", true});
        ws.Write("profiles/Broken.varn", bytes.left(bytes.size() - 20));
        Varn window;
        window.LoadProfile("Broken");
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY(ws.messages[0].contains("could not be read"));
        QCOMPARE(window.CurrentKey(), std::string("114.001"));
        QCOMPARE(fixtures::C(window).heart->Count(), 2);
        QVERIFY(QFile::exists(ws.Path("profiles/Broken.varn.bak")));
        ws.messages.clear();
        window.LoadProfile("Nobody"); // no file at all
        QCOMPARE(window.CurrentKey(), std::string("114.001"));
        QCOMPARE(fixtures::C(window).heart->Count(), 0);
    }

    // Every name the dialog accepts is listed and loads again; names that could not are refused.
    void profileNamesRoundTrip()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        ws.Write("profiles/X.VARN", SerializeProfile(ProfileData{"X", {}, "114.001", false}));
        ws.Write("profiles/.varn", SerializeProfile(ProfileData{"", {}, "114.001", false}));
        const QString arabic =
            QString::fromUtf8("\u0639\u0628\u062f \u0627\u0644\u0631\u062d\u0645\u0646 \u0628\u0646 "
                              "\u0639\u0648\u0641"); // 15 letters and 3 blanks: 31 bytes
        QCOMPARE(arabic.toUtf8().size(), 31);
        {
            Varn window;
            for (const QString& name : {QString("Bilal"), QString("a.b c"), arabic}) {
                window.NewProfile(name.toStdString());
                window.SetArabic("114.002");
                window.SaveProfile();
            }
        }
        Profile dialog;
        QStringList listed;
        for (int i = 0; i < dialog.List()->count(); ++i)
            listed << dialog.List()->item(i)->text();
        QCOMPARE(listed, QStringList({"Bilal", "a.b c", arabic}));
        Varn window;
        for (const QString& name : listed) {
            window.LoadProfile(name.toStdString());
            QCOMPARE(window.CurrentKey(), std::string("114.002"));
        }
        QVERIFY(ws.messages.isEmpty());

        for (const QString& bad : {QString("x.varn"), QString("Notes.Varn.old"), QString(".hidden")}) {
            dialog.NameField()->setText(bad);
            QTest::mouseClick(dialog.CreateButton(), Qt::LeftButton);
        }
        QCOMPARE(ws.messages.size(), 3);
        QVERIFY(ws.messages[0].contains(".varn"));
        QVERIFY(ws.messages[2].contains("full stop"));
    }

    void newProfileIsSilent()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        Varn window;
        QSignalSpy whole(window.Session()->WholeDrill(), &Whole::WholeSuraAya);
        QSignalSpy stack(window.Session()->StackDrill(), &Stack::StackSuraAya);
        window.NewProfile("Amina");
        fixtures::C(window).stackCheck->setChecked(true);
        window.Session()->StackDrill()->Stop();
        window.NewProfile("Bilal");
        QCOMPARE(whole.count() + stack.count(), 0); // not one aya started, not even for a moment
        QCOMPARE(window.CurrentKey(), std::string("114.001"));
        QCOMPARE(fixtures::C(window).ayaView->dragText, std::string("114.001"));
        QVERIFY(!fixtures::C(window).textPanel->toPlainText().isEmpty());
    }

    void profileFolderInTheWay()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        ws.Write("profiles", "a file where the folder should be");
        Varn window;
        window.NewProfile("Amina"); // told that it is not guarded, then that it could not be written
        window.SaveProfile();
        QCOMPARE(ws.messages.size(), 3);
        QVERIFY2(ws.messages[0].contains("could not be locked"), qPrintable(ws.messages.join("\n")));
        QVERIFY2(ws.messages[1].contains("is a file, not a folder"), qPrintable(ws.messages.join("\n")));
        QCOMPARE(ws.messages[2], ws.messages[1]);
        QCOMPARE(ws.Read("profiles"), QByteArray("a file where the folder should be"));
    }

    // A change of the heart reaches the file within a second, with the bytes an explicit save writes;
    // loading a profile writes nothing; leftovers of killed saves go at the next start.
    void heartChangesAreSavedSoon()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        ws.Write("profiles/Amina.varn.Xy12Zq", "half a profile");
        ws.Write("recite.ini.abc123", "half a file");
        // Left by a run killed an hour ago: a write under way would have touched them since.
        for (const char* left : {"profiles/Amina.varn.Xy12Zq", "recite.ini.abc123"})
            std::filesystem::last_write_time(ws.Path(left).toStdString(),
                                             std::filesystem::file_time_type::clock::now() -
                                                 std::chrono::hours(1));
        {
            Varn window;
            QVERIFY(!QFile::exists(ws.Path("profiles/Amina.varn.Xy12Zq")));
            QVERIFY(!QFile::exists(ws.Path("recite.ini.abc123")));
            window.NewProfile("Amina");
            // Written at once, so that a kill cannot lose the learner's name; the heart is empty.
            QCOMPARE(ws.Read("profiles/Amina.varn"),
                     SerializeProfile(ProfileData{"Amina", {}, "114.001", true}));
            Drop(fixtures::C(window).heart, "all.108");
            QVERIFY(
                fixtures::WaitFor([&] { return ws.Read("profiles/Amina.varn").contains("108.003"); }, 1000));
            const QByteArray autosaved = ws.Read("profiles/Amina.varn");
            window.SaveProfile();
            QCOMPARE(autosaved, ws.Read("profiles/Amina.varn"));
            QCOMPARE(autosaved, SerializeProfile(ProfileData{
                                    "Amina", {"108.001", "108.002", "108.003"}, "114.001", true}));
        }

        ws.Write("profiles/Amina.varn", "tampered"); // a load reads; it must not write
        ws.messages.clear();
        Varn another;
        another.LoadProfile("Amina");
        QTest::qWait(Varn::kHeartSaveDelayMs + 200);
        QCOMPARE(ws.Read("profiles/Amina.varn"), QByteArray("tampered"));
        QVERIFY(ws.messages.size() == 1 && ws.messages[0].contains("could not be read"));
    }

    // Creating a profile under a name already kept never wipes it: it is offered for loading instead,
    // whether the name was listed at start, created in this run, or only its file is there.
    void existingNameIsNeverWiped()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        Varn window;
        Profile* dialog = window.ProfileDialog();
        dialog->NameField()->setText("Amina");
        QTest::mouseClick(dialog->CreateButton(), Qt::LeftButton);
        QCOMPARE(window.UserNameNow(), std::string("Amina"));
        Drop(fixtures::C(window).heart, "all.108");
        window.SaveProfile();
        const QByteArray kept = ws.Read("profiles/Amina.varn");
        QCOMPARE(kept,
                 SerializeProfile(ProfileData{"Amina", {"108.001", "108.002", "108.003"}, "114.001", true}));

        dialog->show();
        dialog->NameField()->setText("Amina");
        QTest::mouseClick(dialog->CreateButton(), Qt::LeftButton);
        QVERIFY(ws.messages.last().contains("Do you want to load it?"));
        QVERIFY(dialog->isVisible());
        ws.Write("profiles/Bilal.varn",
                 SerializeProfile(ProfileData{"Bilal", {"105.001"}, "105.001", false}));
        SetQuestionAnswer(true); // a file that appeared since the list was made: loaded on Yes
        dialog->NameField()->setText("Bilal");
        QTest::mouseClick(dialog->CreateButton(), Qt::LeftButton);
        SetQuestionAnswer(false);
        QCOMPARE(window.UserNameNow(), std::string("Bilal"));
        QCOMPARE(fixtures::C(window).heart->GetAyas(), std::vector<std::string>{"105.001"});
        window.SaveProfile();
        QCOMPARE(ws.Read("profiles/Amina.varn"), kept);
    }

    // A profile made while no pack is installed is saved at an aya that exists, and loads cleanly later.
    void profileWithoutPacks()
    {
        Workspace ws;
        ws.Write("config.ini", "0\n");
        {
            Varn window;
            window.NewProfile("Yusuf");
            window.PlayAya();
            QVERIFY(!fixtures::C(window).playButton->isDown());
            QCOMPARE(fixtures::C(window).statusLine->text(), QString("No sura pack installed"));
            window.SaveProfile();
        }
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.messages.clear();
        Varn window;
        window.LoadProfile("Yusuf");
        QVERIFY2(ws.messages.isEmpty(), qPrintable(ws.messages.join('\n')));
        QVERIFY(!QFile::exists(ws.Path("profiles/Yusuf.varn.bak")));
        QCOMPARE(window.CurrentKey(), std::string("114.001"));
    }

    // Two programs on one profile would overwrite each other's heart and review: the second is told and
    // may choose another; a lock left by a program that died is taken over.
    void oneProgramAProfile()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        ws.Write("profiles/Amina.varn", SerializeProfile(ProfileData{"Amina", {"108.001"}, "108.001", true}));
        ws.Write("profiles/Bilal.varn", SerializeProfile(ProfileData{"Bilal", {"105.001"}, "105.001", true}));
        {
            Varn first;
            first.LoadProfile("Amina");
            Varn second;
            second.LoadProfile("Amina");
            QCOMPARE(ws.messages,
                     QStringList({"Varnel|Amina is open in another Varnel window.<br><br>Close it "
                                  "there, or choose another profile."}));
            QVERIFY(second.UserNameNow().empty());
            QVERIFY(second.ProfileDialog()->isVisible()); // to choose another
            second.LoadProfile("Bilal");
            QCOMPARE(second.UserNameNow(), std::string("Bilal"));
            first.LoadProfile("Bilal"); // Bilal is taken; Amina stays loaded and locked
            QCOMPARE(first.UserNameNow(), std::string("Amina"));
            QCOMPARE(ws.messages.size(), 2);
        }
        // A crash leaves the lock with the number of a process that is gone.
        ws.Write("profiles/Amina.varn.lock",
                 "2147483\nvarnel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        ws.messages.clear();
        Varn after;
        after.LoadProfile("Amina");
        QCOMPARE(after.UserNameNow(), std::string("Amina"));
        QVERIFY(ws.messages.isEmpty());
    }

    // Each learner finds the drill settings they left: repeat, pause, loop, stack and speed.
    void drillSettingsPerLearner()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        {
            Varn window;
            window.NewProfile("Amina");
            fixtures::C(window).repeatSpin->setValue(3);
            fixtures::C(window).pauseSpin->setValue(2);
            fixtures::C(window).speedSpin->setValue(0.8);
            fixtures::C(window).stackCheck->setChecked(true);
            window.StopAya();
            window.SaveProfile();
            window.NewProfile("Bilal"); // a new learner starts from the defaults
            QCOMPARE(fixtures::C(window).repeatSpin->value(), 1);
            QVERIFY(!fixtures::C(window).stackCheck->isChecked());
            window.SaveProfile();
        }
        const QByteArray profile = ws.Read("profiles/Amina.varn");
        Varn window;
        QSignalSpy whole(window.Session()->WholeDrill(), &Whole::WholeSuraAya);
        QSignalSpy stack(window.Session()->StackDrill(), &Stack::StackSuraAya);
        window.LoadProfile("Amina");
        QCOMPARE(fixtures::C(window).repeatSpin->value(), 3);
        QCOMPARE(fixtures::C(window).pauseSpin->value(), 2);
        QCOMPARE(fixtures::C(window).speedSpin->value(), 0.8);
        QVERIFY(fixtures::C(window).stackCheck->isChecked());
        QCOMPARE(window.Session()->ActiveDrill()->Name(), std::string("Stack"));
        QCOMPARE(window.Session()->StackDrill()->Player()->Repeat(), 3);
        QCOMPARE(window.Session()->StackDrill()->Player()->Speed(), 0.8);
        QCOMPARE(whole.count() + stack.count(), 0); // loading plays nothing
        window.LoadProfile("Bilal");
        QCOMPARE(fixtures::C(window).repeatSpin->value(), 1);
        QCOMPARE(window.Session()->ActiveDrill()->Name(), std::string("Whole"));
        QCOMPARE(ws.Read("profiles/Amina.varn"), profile); // the profile keeps its bytes
        QVERIFY(ws.messages.isEmpty());
    }

    // SIGTERM ends the run through the event loop: the exit saving runs.
    void terminationSaves()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Write("config.ini", "0\n");
        Varn window;
        window.NewProfile("Bilal");
        const QMetaObject::Connection exitSave =
            connect(qApp, &QCoreApplication::aboutToQuit, &window, &Varn::OnExit);
        QuitSignals quit;
        QVERIFY(quit.Installed());
        QSignalSpy received(&quit, &QuitSignals::Received);
        Drop(fixtures::C(window).heart, "112.001");
        QTimer::singleShot(0, [] { ::raise(SIGTERM); });
        QTimer::singleShot(10000, [] { QCoreApplication::exit(3); }); // a guard: the test fails, not hangs
        QCOMPARE(QCoreApplication::exec(), 0);
        disconnect(exitSave);
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.first().at(0).toInt(), int(SIGTERM));
        QCOMPARE(ws.Read("profiles/Bilal.varn"),
                 SerializeProfile(ProfileData{"Bilal", {"112.001"}, "114.001", true}));
    }

    void aLearnersDay()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        {
            Varn window;
            QCOMPARE(fixtures::C(window).heartProgress->maximum(), 57);
            window.NewProfile("Amina");
            QCOMPARE(window.UserNameNow(), std::string("Amina"));
            QCOMPARE(fixtures::C(window).heart->Root()->text(0), QString("Amina's Heart"));
            QCOMPARE(fixtures::C(window).chooser->currentText(), QString("114. An-Nas"));
            QVERIFY(!window.Session()->WholeDrill()->Player()->Busy());
            // No config.ini yet: the sound settings open; OK stores the device.
            QVERIFY(window.ConfigDialog()->isVisible());
            window.ConfigDialog()->OkClicked();
            QCOMPARE(ws.Read("config.ini"), QByteArray("0\n"));
            QCOMPARE(ws.Read("recite.ini"), QByteArray("s104_s114.dat\tdefault\n"));

            Drop(fixtures::C(window).heart, "all.108");
            window.SetArabic("112.003");
            QTest::mousePress(fixtures::C(window).ayaView->viewport(), Qt::LeftButton);
            QCOMPARE(ws.drags.back().text, QString("112.003"));
            Drop(fixtures::C(window).heart, ws.drags.back().text);
            QCOMPARE(fixtures::C(window).heartProgress->value(), 4);
            QVERIFY(!fixtures::C(window).heart->SuraItem("108")->isExpanded());
            fixtures::C(window).closeCompleted->setChecked(false); // the box unfolds the complete suras
            QVERIFY(fixtures::C(window).heart->SuraItem("108")->isExpanded());
            fixtures::C(window).closeCompleted->setChecked(true);
            QVERIFY(!fixtures::C(window).heart->SuraItem("108")->isExpanded());

            QComboBox* chooser = fixtures::C(window).chooser;
            chooser->setCurrentIndex(chooser->findText("105. Al-Fil"));
            emit chooser->activated(chooser->currentIndex());
            window.NextAya();
            window.StopAya();
            QCOMPARE(window.CurrentKey(), std::string("105.002"));
            window.ToggleEnglish(0); // hide the translation: no text shown
            window.SaveProfile();
            QCOMPARE(ws.Read("profiles/Amina.varn").size(), 71 + 32 * 4);
            window.OnExit(); // what the application's aboutToQuit runs
        }
        const QByteArray bytes = ws.Read("profiles/Amina.varn");
        QCOMPARE(bytes, SerializeProfile(ProfileData{
                            "Amina", {"108.001", "108.002", "108.003", "112.003"}, "105.002", false}));

        Varn again;
        again.LoadProfile("Amina");
        QCOMPARE(Ayas(fixtures::C(again).heart), QStringList({"108.001", "108.002", "108.003", "112.003"}));
        QCOMPARE(again.CurrentKey(), std::string("105.002"));
        QVERIFY(!again.ShowTranslation());
        QCOMPARE(fixtures::C(again).heartProgress->value(), 4);

        // Double-clicking an aya of the heart plays from it.
        QTreeWidgetItem* aya = fixtures::C(again).heart->SuraItem("112")->child(0);
        emit fixtures::C(again).heart->itemDoubleClicked(aya, 0);
        QCOMPARE(again.CurrentKey(), std::string("112.003"));
        QVERIFY(again.Session()->WholeDrill()->Player()->Busy());
        again.StopAya();
        QVERIFY(ws.messages.isEmpty());
    }
};

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
