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
        QCOMPARE(Entries(window.W().chooser), QStringList({"1. Al-Fatiha ", "2. Al-Baqara"}));
        QCOMPARE(window.W().heartProgress->maximum(), 7 + 286);
        QCOMPARE(window.W().chooser->currentIndex(), 1);
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
        QCOMPARE(window.W().chooser->count(), 114 - 78 + 1);
        Sura table;
        int ayas = 0;
        for (int s = 78; s <= 114; ++s)
            ayas += table.AyaCount(IntToString(s));
        QCOMPARE(window.W().heartProgress->maximum(), ayas);
    }

    void noPacksAtAll()
    {
        Workspace ws;
        Varn window;
        QCOMPARE(window.W().chooser->count(), 0);
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
        QCOMPARE(window.W().chooser->currentText(), QString("108. Al-Kauther"));
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
        for (int i = 0; i < window.W().chooser->count(); ++i)
            listed += window.W().chooser->itemText(i) == "112. Al-Ikhlas";
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
        QCOMPARE(window.W().dragLabel->dragText, std::string("all.108"));
        QVERIFY(window.W().title->text().contains("108. Al-Kauther"));
        QCOMPARE(window.W().toSpin->maximum(), 3);
        QVERIFY(window.Session()->WholeDrill()->Player()->Busy()); // heard
        QVERIFY(WaitFor([&] { return window.CurrentKey() == "108.002"; }, 2000));
        QCOMPARE(window.W().ayaSlider->value(), 2);
        QVERIFY(WaitFor([&] { return done.count() == 1; }, 3000));
        QCOMPARE(Keys(shown), QStringList({"108.001", "108.002", "108.003", "108.001"}));
        QCOMPARE(window.W().suraProgress->value(), 0);
        QVERIFY(!window.Session()->WholeDrill()->Player()->Busy());
        QVERIFY(ws.messages.isEmpty());

        // Loop: the first aya follows the last.
        shown.clear();
        window.W().loopCheck->setChecked(true);
        QVERIFY(WaitFor([&] { return shown.count() >= 4; }, 4000));
        QCOMPARE(Keys(shown).mid(0, 4), QStringList({"108.001", "108.002", "108.003", "108.001"}));
        QCOMPARE(done.count(), 1);
        window.W().loopCheck->setChecked(false);
        window.StopAya();

        // The pause box turns pauses on with its seconds, and off at 0.
        window.W().pauseSpin->setValue(2);
        QVERIFY(window.Session()->WholeDrill()->Player()->PauseEnabled());
        QCOMPARE(window.Session()->WholeDrill()->Player()->PauseSeconds(), 2);
        window.W().pauseSpin->setValue(0);
        QVERIFY(!window.Session()->WholeDrill()->Player()->PauseEnabled());
        window.W().repeatSpin->setValue(3);
        QCOMPARE(window.Session()->WholeDrill()->Player()->Repeat(), 3);
        QCOMPARE(window.Session()->StackDrill()->Player()->Repeat(), 3);
        QCOMPARE(window.Session()->SingleDrill()->Player()->Repeat(), 1);
        window.W().repeatSpin->setValue(1);

        // Range on, then off: FROM and TO go back to the whole sura and the drill starts again.
        Choose(window, "105. Al-Fil");
        window.StopAya();
        window.W().rangeCheck->setChecked(true);
        QVERIFY(window.W().fromSpin->isEnabled());
        window.W().fromSpin->setValue(3);
        window.W().toSpin->setValue(4);
        QCOMPARE(window.Session()->WholeDrill()->Keys(), AyaRef::FromKeys({"105.003", "105.004"}));
        QCOMPARE(window.CurrentKey(), std::string("105.003"));
        window.W().rangeCheck->setChecked(false);
        QCOMPARE(window.W().fromSpin->value(), 1);
        QCOMPARE(window.W().toSpin->value(), 5);
        QVERIFY(!window.W().toSpin->isEnabled());
        QCOMPARE(int(window.Session()->WholeDrill()->Keys().size()), 5);
        QVERIFY(window.Session()->WholeDrill()->Player()->Busy());
        window.StopAya();

        // An empty range (FROM after TO), then range off: the whole sura plays again.
        window.W().rangeCheck->setChecked(true);
        window.W().fromSpin->setValue(5);
        window.W().toSpin->setValue(3);
        QVERIFY(window.Session()->WholeDrill()->Keys().empty());
        window.W().rangeCheck->setChecked(false);
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
        window.W().stackCheck->setChecked(true);
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
        window.W().stackCheck->setChecked(false);
        QCOMPARE(window.W().suraProgress->value(), 0);
    }

    void singleAyaRoad()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 400);
        Varn window;
        window.W().stackCheck->setChecked(true);
        window.W().loopCheck->setChecked(true);
        window.W().singleCheck->setChecked(true);
        QVERIFY(!window.W().stackCheck->isChecked() && !window.W().stackCheck->isEnabled());
        QVERIFY(!window.W().loopCheck->isChecked() && !window.W().loopCheck->isEnabled());
        QVERIFY(!window.W().singleBar->isHidden());
        QVERIFY(window.W().buttonBar->isHidden());
        // Before anything plays the part is not known: the status line names none, never "0.00 to 0.00".
        QVERIFY2(!window.W().statusLine->text().contains("0.00 to 0.00"),
                 qPrintable(window.W().statusLine->text()));

        Choose(window, "108. Al-Kauther");
        QVERIFY(!window.Session()->WholeDrill()->Player()->Busy() &&
                !window.Session()->StackDrill()->Player()->Busy());
        QVERIFY(!window.Session()->SingleDrill()->Player()->Busy()); // choosing a sura starts nothing here
        const int length = window.W().endSpin->value();
        QVERIFY2(qAbs(length - 400) <= 5, qPrintable(QString::number(length)));
        QCOMPARE(window.W().startSpin->value(), 0);
        QCOMPARE(window.W().partSlider->maximum(), length);

        QSignalSpy shown(window.Session()->SingleDrill(), &Single::SingleSuraAya);
        window.W().endSpin->setValue(150);
        QTest::mouseClick(window.W().singlePlay, Qt::LeftButton);
        QVERIFY(WaitFor([&] { return shown.count() >= 3; }, 3000));
        QCOMPARE(Keys(shown).mid(0, 3), QStringList({"108.001", "108.001", "108.001"}));
        QVERIFY(window.W().partSlider->value() <= 300);
        QTest::mouseClick(window.W().singleStop, Qt::LeftButton);
        QVERIFY(!window.Session()->SingleDrill()->Player()->Busy());

        QTest::mouseClick(window.W().singleNext, Qt::LeftButton);
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        QCOMPARE(window.W().endSpin->value(), length); // the whole aya again
        window.W().partSlider->setValue(120);
        QTest::mouseClick(window.W().singleStart, Qt::LeftButton);
        QCOMPARE(window.W().startSpin->value(), 120);

        window.W().singleCheck->setChecked(false);
        QVERIFY(window.W().singleBar->isHidden());
        QVERIFY(window.W().stackCheck->isEnabled() && !window.W().stackCheck->isChecked());
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
        window.W().stackCheck->setChecked(stack);
        window.W().loopCheck->setChecked(loop);
        window.W().rangeCheck->setChecked(true);
        window.W().fromSpin->setValue(3);
        QVERIFY(WaitFor([&] { return window.CurrentKey() == "105.003"; }, 2000));
        window.W().singleCheck->setChecked(true);
        QCOMPARE(window.CurrentKey(), std::string("105.003"));
        QCOMPARE(window.W().ayaView->dragText, std::string("105.003"));
        QCOMPARE(window.W().ayaSlider->value(), 3);
        for (AyaPlayer* player :
             {window.Session()->WholeDrill()->Player(), window.Session()->StackDrill()->Player(),
              window.Session()->SingleDrill()->Player()})
            QVERIFY(!player->Busy());
        QTest::qWait(300);
        QCOMPARE(window.CurrentKey(), std::string("105.003"));

        // The bar drives that aya, again and again.
        QSignalSpy single(window.Session()->SingleDrill(), &Single::SingleSuraAya);
        window.W().endSpin->setValue(150);
        window.PlayRSingleAya();
        QVERIFY(WaitFor([&] { return single.count() >= 3; }, 3000));
        QCOMPARE(Keys(single).mid(0, 3), QStringList({"105.003", "105.003", "105.003"}));
        window.StopSingleAya();

        // Choosing a sura in single mode shows its first aya everywhere, the drag text included.
        Choose(window, "1. Al-Fatiha ");
        QCOMPARE(window.CurrentKey(), std::string("001.001"));
        QCOMPARE(window.W().ayaView->dragText, std::string("001.001"));
        QVERIFY(window.W().title->text().contains("Al-Fatiha"));
        QVERIFY(!window.W().ayaView->pixmap().isNull());
        QVERIFY2(qAbs(window.W().endSpin->value() - 900) <= 5,
                 qPrintable(QString::number(window.W().endSpin->value())));
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
