// SPDX-License-Identifier: GPL-3.0-or-later
// The main road: packs in the chooser, the recitor dialog, and a sura heard aya by aya in each mode.
#include "arabic.h"
#include "aya.h"
#include "config.h"
#include "draglabel.h"
#include "heart.h"
#include "mp3.h"
#include "profile.h"
#include "select_recitor.h"
#include "single.h"
#include "stack.h"
#include "varn.h"
#include "whole.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>

using fixtures::WaitFor;

using fixtures::Choose;
using fixtures::Keys;

namespace
{

QStringList Entries(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class TestRoad : public QObject
{
    Q_OBJECT

  private slots:
    void chooserWithOverlappingPacks()
    {
        Workspace ws;
        ws.Pack("quran/fatiha.dat", 1, 1);
        ws.Write("quran/s001_s002.dat", QByteArray("VR1\0\0\0\0", 7));
        Varn window;
        // Each sura is listed once and counted once in the heart's total, however many packs cover it.
        QCOMPARE(Entries(fixtures::C(window).chooser), QStringList({"1. Al-Fatiha ", "2. Al-Baqara"}));
        QCOMPARE(fixtures::C(window).heartProgress->maximum(), 7 + 286);
        QCOMPARE(fixtures::C(window).chooser->currentIndex(), 1);
        // Sura 1 comes from fatiha.dat, which holds its pictures.
        Choose(window, "1. Al-Fatiha ");
        QVERIFY(!window.CurrentPack().Extract("001.001.png").isEmpty());
        window.StopAya();
    }

    void juzAmmaFromTwoPacks()
    {
        Workspace ws;
        ws.Write("quran/s078_s114.dat", QByteArray("VR1\0\0\0\0", 7));
        ws.Write("quran/s104_s114.dat", QByteArray("VR1\0\0\0\0", 7));
        Varn window;
        QCOMPARE(fixtures::C(window).chooser->count(), 114 - 78 + 1);
        Sura table;
        int ayas = 0;
        for (int s = 78; s <= 114; ++s)
            ayas += table.AyaCount(IntToString(s));
        QCOMPARE(fixtures::C(window).heartProgress->maximum(), ayas);
    }

    void noPacksAtAll()
    {
        Workspace ws;
        Varn window;
        QCOMPARE(fixtures::C(window).chooser->count(), 0);
        window.LoadRecitor();
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY(ws.messages[0].startsWith("Varnel|It seems you downloaded only the main program"));
        QVERIFY(QFile::exists(ws.Path("recite.ini")));
    }

    void recitorDialog()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        ws.Pack("quran/extra/Slow/s104_s114.dat", 104, 114, 300);
        ws.Pack("quran/extra/Slow/fatiha.dat", 1, 1);
        Varn window;
        SelectRecitor* dialog = window.RecitorDialog();
        QCOMPARE(dialog->windowTitle(), QString("Recitor Preferences"));
        QCOMPARE(int(dialog->Choosers().size()), 2);
        // Rows come in scan order: quran/ first, then the add-on folders.
        QComboBox* juz = dialog->Choosers()[0];
        QComboBox* fatiha = dialog->Choosers()[1];
        QCOMPARE(Entries(fatiha), QStringList({"Slow"}));
        QCOMPARE(Entries(juz), QStringList({"default", "Slow"}));
        QCOMPARE(juz->currentText(), QString("default"));

        window.ShowRecitor();
        juz->setCurrentText("Slow");
        QTest::mouseClick(dialog->findChildren<QPushButton*>().at(1), Qt::LeftButton); // Cancel
        QVERIFY(!dialog->isVisible());
        QVERIFY(!QFile::exists(ws.Path("recite.ini")));
        window.ShowRecitor();
        QCOMPARE(juz->currentText(), QString("Slow"));

        Choose(window, "108. Al-Kauther");
        window.StopAya();
        const int shortTone = window.Session()->WholeDrill()->Player()->GetLength("108.001.ogg");
        QTest::mouseClick(dialog->findChildren<QPushButton*>().at(0), Qt::LeftButton); // OK
        QCOMPARE(ws.Read("recite.ini"), QByteArray("s104_s114.dat\tSlow\nfatiha.dat\tSlow\n"));
        // The sura being studied stays, now from the chosen recitation.
        QCOMPARE(fixtures::C(window).chooser->currentText(), QString("108. Al-Kauther"));
        QVERIFY(window.Session()->WholeDrill()->Player()->GetLength("108.001.ogg") > shortTone + 100);
    }

    // A recitation chosen for s104_s114.dat is heard for its suras even though s078_s114.dat, first by
    // name, covers them too.
    void chosenRecitationOverAWiderPack()
    {
        Workspace ws;
        ws.Pack("quran/s078_s114.dat", 78, 114, 150);
        ws.Pack("quran/s104_s114.dat", 104, 114, 150);
        ws.Pack("quran/extra/Mine/s104_s114.dat", 104, 114, 500);
        ws.Write("config.ini", "0\n");
        ws.Write("recite.ini", "s078_s114.dat\tdefault\ns104_s114.dat\tMine\n");
        Varn window;
        window.NewProfile("Amina");
        Choose(window, "112. Al-Ikhlas");
        window.StopAya();
        QVERIFY(window.Session()->WholeDrill()->Player()->GetLength("112.001.ogg") > 400);
        Choose(window, "103. Al-Asr"); // only the wider pack holds it
        window.StopAya();
        QVERIFY(window.Session()->WholeDrill()->Player()->GetLength("103.001.ogg") < 300);
        int listed = 0; // each sura once in the chooser
        for (int i = 0; i < fixtures::C(window).chooser->count(); ++i)
            listed += fixtures::C(window).chooser->itemText(i) == "112. Al-Ikhlas";
        QCOMPARE(listed, 1);
    }

    void wholeSuraRoad()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        Varn window;
        window.ProfileDialog()->hide();
        QSignalSpy shown(window.Session()->WholeDrill(), &Whole::WholeSuraAya);
        QSignalSpy done(window.Session()->WholeDrill(), &Whole::WholeDone);
        Choose(window, "108. Al-Kauther");
        QCOMPARE(window.CurrentKey(), std::string("108.001"));
        QCOMPARE(fixtures::C(window).dragLabel->dragText, std::string("all.108"));
        QVERIFY(fixtures::C(window).title->text().contains("108. Al-Kauther"));
        QCOMPARE(fixtures::C(window).toSpin->maximum(), 3);
        QVERIFY(window.Session()->WholeDrill()->Player()->Busy()); // heard
        QVERIFY(WaitFor([&] { return window.CurrentKey() == "108.002"; }, 2000));
        QCOMPARE(fixtures::C(window).ayaSlider->value(), 2);
        QVERIFY(WaitFor([&] { return done.count() == 1; }, 3000));
        QCOMPARE(Keys(shown), QStringList({"108.001", "108.002", "108.003", "108.001"}));
        QCOMPARE(fixtures::C(window).suraProgress->value(), 0);
        QVERIFY(!window.Session()->WholeDrill()->Player()->Busy());
        QVERIFY(ws.messages.isEmpty());

        // Loop: the first aya follows the last.
        shown.clear();
        fixtures::C(window).loopCheck->setChecked(true);
        QVERIFY(WaitFor([&] { return shown.count() >= 4; }, 4000));
        QCOMPARE(Keys(shown).mid(0, 4), QStringList({"108.001", "108.002", "108.003", "108.001"}));
        QCOMPARE(done.count(), 1);
        fixtures::C(window).loopCheck->setChecked(false);
        window.StopAya();

        // The pause box turns pauses on with its seconds, and off at 0.
        fixtures::C(window).pauseSpin->setValue(2);
        QVERIFY(window.Session()->WholeDrill()->Player()->PauseEnabled());
        QCOMPARE(window.Session()->WholeDrill()->Player()->PauseSeconds(), 2);
        fixtures::C(window).pauseSpin->setValue(0);
        QVERIFY(!window.Session()->WholeDrill()->Player()->PauseEnabled());
        fixtures::C(window).repeatSpin->setValue(3);
        QCOMPARE(window.Session()->WholeDrill()->Player()->Repeat(), 3);
        QCOMPARE(window.Session()->StackDrill()->Player()->Repeat(), 3);
        QCOMPARE(window.Session()->SingleDrill()->Player()->Repeat(), 1);
        fixtures::C(window).repeatSpin->setValue(1);

        // Range on, then off: FROM and TO go back to the whole sura and the drill starts again.
        Choose(window, "105. Al-Fil");
        window.StopAya();
        fixtures::C(window).rangeCheck->setChecked(true);
        QVERIFY(fixtures::C(window).fromSpin->isEnabled());
        fixtures::C(window).fromSpin->setValue(3);
        fixtures::C(window).toSpin->setValue(4);
        QCOMPARE(window.Session()->WholeDrill()->Keys(), AyaRef::FromKeys({"105.003", "105.004"}));
        QCOMPARE(window.CurrentKey(), std::string("105.003"));
        fixtures::C(window).rangeCheck->setChecked(false);
        QCOMPARE(fixtures::C(window).fromSpin->value(), 1);
        QCOMPARE(fixtures::C(window).toSpin->value(), 5);
        QVERIFY(!fixtures::C(window).toSpin->isEnabled());
        QCOMPARE(int(window.Session()->WholeDrill()->Keys().size()), 5);
        QVERIFY(window.Session()->WholeDrill()->Player()->Busy());
        window.StopAya();

        // An empty range (FROM after TO), then range off: the whole sura plays again.
        fixtures::C(window).rangeCheck->setChecked(true);
        fixtures::C(window).fromSpin->setValue(5);
        fixtures::C(window).toSpin->setValue(3);
        QVERIFY(window.Session()->WholeDrill()->Keys().empty());
        fixtures::C(window).rangeCheck->setChecked(false);
        QCOMPARE(int(window.Session()->WholeDrill()->Keys().size()), 5);
        QVERIFY(window.Session()->WholeDrill()->Player()->Busy());
        QCOMPARE(window.CurrentKey(), std::string("105.001"));
        window.StopAya();
        window.NextAya();
        QCOMPARE(window.CurrentKey(), std::string("105.002"));
        window.StopAya();
        QVERIFY(ws.messages.isEmpty());
    }

    void stackRoad()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 100);
        Varn window;
        fixtures::C(window).stackCheck->setChecked(true);
        QSignalSpy shown(window.Session()->StackDrill(), &Stack::StackSuraAya);
        QSignalSpy done(window.Session()->StackDrill(), &Stack::StackDone);
        Choose(window, "108. Al-Kauther");
        QVERIFY(WaitFor([&] { return done.count() == 1; }, 6000));
        QCOMPARE(Keys(shown),
                 QStringList({"108.001", "108.001", "108.002", "108.001", "108.002", "108.003", "108.001"}));
        QVERIFY(!window.Session()->WholeDrill()->Player()->Busy());

        // Next Aya moves through the stack, not the sura.
        shown.clear();
        window.Session()->StackDrill()->Stop();
        window.Session()->StackDrill()->GenerateStack("108", 1, 3);
        window.PlayAya();
        window.NextAya();
        window.NextAya();
        QCOMPARE(Keys(shown), QStringList({"108.001", "108.001", "108.002"}));
        window.StopAya();
        fixtures::C(window).stackCheck->setChecked(false);
        QCOMPARE(fixtures::C(window).suraProgress->value(), 0);
    }

    void singleAyaRoad()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 400);
        Varn window;
        fixtures::C(window).stackCheck->setChecked(true);
        fixtures::C(window).loopCheck->setChecked(true);
        fixtures::C(window).singleCheck->setChecked(true);
        QVERIFY(!fixtures::C(window).stackCheck->isChecked() && !fixtures::C(window).stackCheck->isEnabled());
        QVERIFY(!fixtures::C(window).loopCheck->isChecked() && !fixtures::C(window).loopCheck->isEnabled());
        QVERIFY(!fixtures::C(window).singleBar->isHidden());
        QVERIFY(fixtures::C(window).buttonBar->isHidden());
        // Before anything plays the part is not known: the status line names none, never "0.00 to 0.00".
        QVERIFY2(!fixtures::C(window).statusLine->text().contains("0.00 to 0.00"),
                 qPrintable(fixtures::C(window).statusLine->text()));

        Choose(window, "108. Al-Kauther");
        QVERIFY(!window.Session()->WholeDrill()->Player()->Busy() &&
                !window.Session()->StackDrill()->Player()->Busy());
        QVERIFY(!window.Session()->SingleDrill()->Player()->Busy()); // choosing a sura starts nothing here
        const int length = fixtures::C(window).endSpin->value();
        QVERIFY2(qAbs(length - 400) <= 5, qPrintable(QString::number(length)));
        QCOMPARE(fixtures::C(window).startSpin->value(), 0);
        QCOMPARE(fixtures::C(window).partSlider->maximum(), length);

        QSignalSpy shown(window.Session()->SingleDrill(), &Single::SingleSuraAya);
        fixtures::C(window).endSpin->setValue(150);
        QTest::mouseClick(fixtures::C(window).singlePlay, Qt::LeftButton);
        QVERIFY(WaitFor([&] { return shown.count() >= 3; }, 3000));
        QCOMPARE(Keys(shown).mid(0, 3), QStringList({"108.001", "108.001", "108.001"}));
        QVERIFY(fixtures::C(window).partSlider->value() <= 300);
        QTest::mouseClick(fixtures::C(window).singleStop, Qt::LeftButton);
        QVERIFY(!window.Session()->SingleDrill()->Player()->Busy());

        QTest::mouseClick(fixtures::C(window).singleNext, Qt::LeftButton);
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        QCOMPARE(fixtures::C(window).endSpin->value(), length); // the whole aya again
        fixtures::C(window).partSlider->setValue(120);
        QTest::mouseClick(fixtures::C(window).singleStart, Qt::LeftButton);
        QCOMPARE(fixtures::C(window).startSpin->value(), 120);

        fixtures::C(window).singleCheck->setChecked(false);
        QVERIFY(fixtures::C(window).singleBar->isHidden());
        QVERIFY(fixtures::C(window).stackCheck->isEnabled() && !fixtures::C(window).stackCheck->isChecked());
    }

    // Single mode takes the aya on screen, whatever was ticked before, and starts nothing itself.
    void singleModeKeepsTheAyaShown_data()
    {
        QTest::addColumn<bool>("stack");
        QTest::addColumn<bool>("loop");
        QTest::newRow("range") << false << false;
        QTest::newRow("range, stack and loop") << true << true;
    }
    void singleModeKeepsTheAyaShown()
    {
        QFETCH(bool, stack);
        QFETCH(bool, loop);
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 400);
        ws.Pack("quran/fatiha.dat", 1, 1, 900);
        Varn window;
        window.ProfileDialog()->hide();
        Choose(window, "105. Al-Fil");
        fixtures::C(window).stackCheck->setChecked(stack);
        fixtures::C(window).loopCheck->setChecked(loop);
        fixtures::C(window).rangeCheck->setChecked(true);
        fixtures::C(window).fromSpin->setValue(3);
        QVERIFY(WaitFor([&] { return window.CurrentKey() == "105.003"; }, 2000));
        fixtures::C(window).singleCheck->setChecked(true);
        QCOMPARE(window.CurrentKey(), std::string("105.003"));
        QCOMPARE(fixtures::C(window).ayaView->dragText, std::string("105.003"));
        QCOMPARE(fixtures::C(window).ayaSlider->value(), 3);
        for (AyaPlayer* player :
             {window.Session()->WholeDrill()->Player(), window.Session()->StackDrill()->Player(),
              window.Session()->SingleDrill()->Player()})
            QVERIFY(!player->Busy());
        QTest::qWait(300);
        QCOMPARE(window.CurrentKey(), std::string("105.003"));

        // The bar drives that aya, again and again.
        QSignalSpy single(window.Session()->SingleDrill(), &Single::SingleSuraAya);
        fixtures::C(window).endSpin->setValue(150);
        window.PlayRSingleAya();
        QVERIFY(WaitFor([&] { return single.count() >= 3; }, 3000));
        QCOMPARE(Keys(single).mid(0, 3), QStringList({"105.003", "105.003", "105.003"}));
        window.StopSingleAya();

        // Choosing a sura in single mode shows its first aya everywhere, the drag text included.
        Choose(window, "1. Al-Fatiha ");
        QCOMPARE(window.CurrentKey(), std::string("001.001"));
        QCOMPARE(fixtures::C(window).ayaView->dragText, std::string("001.001"));
        QVERIFY(fixtures::C(window).title->text().contains("Al-Fatiha"));
        QVERIFY(!fixtures::C(window).ayaView->pixmap().isNull());
        QVERIFY2(qAbs(fixtures::C(window).endSpin->value() - 900) <= 5,
                 qPrintable(QString::number(fixtures::C(window).endSpin->value())));
        QVERIFY(!window.Session()->SingleDrill()->Player()->Busy());
        QVERIFY(ws.messages.isEmpty());
    }

    void soundSettings()
    {
        Workspace ws;
        Varn window;
        QVERIFY(!QFile::exists(ws.Path("config.ini")));
        window.ShowConfig();
        Config* config = window.ConfigDialog();
        QVERIFY(config->isVisible());
        QCOMPARE(config->windowTitle(), QString("Varnel Preferences"));
        QVERIFY(config->DeviceChooser()->count() >= 1);
        QCOMPARE(config->DeviceChooser()->currentIndex(), 0);
        QSignalSpy ok(config, &Config::ButtonOk);
        const int opened = sound::OutputOpenCount();
        config->TestSound();
        QVERIFY(window.Session()->TestSoundPlaying());
        QVERIFY(sound::OutputOpen());
        QVERIFY(sound::OutputOpenCount() <= opened + 1); // the dialog's player shares the one device
        config->OkClicked();
        QCOMPARE(ok.count(), 1);
        QVERIFY(!window.Session()->TestSoundPlaying());
        QVERIFY(!config->isVisible());
        QCOMPARE(ws.Read("config.ini"), QByteArray("0\n"));
        QCOMPARE(ReadDeviceNumber(), 0);

        ws.Write("config.ini", "7\n");
        window.ShowConfig();
        QCOMPARE(config->DeviceChooser()->currentIndex(), 0); // no device 7: the first stays chosen
        config->CancelClicked();
        QCOMPARE(ws.Read("config.ini"), QByteArray("7\n"));
        ws.Write("config.ini", "no number");
        QCOMPARE(ReadDeviceNumber(), -1);
        QVERIFY(ws.messages.isEmpty());
    }
};

QTEST_MAIN(TestRoad)
#include "test_road.moc"
