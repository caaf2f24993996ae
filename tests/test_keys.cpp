// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the real window: a focused control keeps the keys it uses; the rest drive playback.
#include "aya.h"
#include "heart.h"
#include "mp3.h"
#include "profile.h"
#include "single.h"
#include "varn.h"
#include "whole.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

using fixtures::Choose;
using fixtures::ShowActive;

namespace
{

} // namespace

class TestKeys : public QObject
{
    Q_OBJECT

  private slots:
    // Space plays and stops, the arrows step, in whole-sura playback and in single mode.
    void keyboard()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 2000);
        Varn window;
        ShowActive(window);
        Choose(window, "108. Al-Kauther");
        fixtures::C(window).ayaView->setFocus();
        QVERIFY(window.Session()->WholeDrill()->Player()->Busy());
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(!window.Session()->WholeDrill()->Player()->Busy());
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(window.Session()->WholeDrill()->Player()->Busy());
        QTest::keyClick(&window, Qt::Key_Right);
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        QTest::keyClick(&window, Qt::Key_Left);
        QCOMPARE(window.CurrentKey(), std::string("108.001"));
        window.StopAya();

        fixtures::C(window).singleCheck->setChecked(true);
        QTest::keyClick(&window, Qt::Key_Right);
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(window.Session()->SingleDrill()->Player()->Busy());
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(!window.Session()->SingleDrill()->Player()->Busy());
    }

    // A focused control keeps the keys it uses; the rest, the Ctrl forms and the media keys drive playback.
    void keysStayWithTheFocusedControl()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 2000);
        Varn window;
        ShowActive(window);
        AyaPlayer* player = window.Session()->WholeDrill()->Player();
        Choose(window, "108. Al-Kauther");
        QVERIFY(player->Busy());
        auto press = [](QWidget* focus, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            focus->setFocus();
            QCOMPARE(QApplication::focusWidget(), focus);
            if (key >= Qt::Key_MediaPlay && key <= Qt::Key_MediaLast) { // keys QTest cannot type
                QKeyEvent down(QEvent::KeyPress, key, mods), up(QEvent::KeyRelease, key, mods);
                QApplication::sendEvent(focus, &down);
                QApplication::sendEvent(focus, &up);
                return;
            }
            QTest::keyClick(focus, Qt::Key(key), mods);
        };

        // Space ticks a focused check box and leaves the recitation alone.
        press(fixtures::C(window).loopCheck, Qt::Key_Space);
        QVERIFY(fixtures::C(window).loopCheck->isChecked());
        QVERIFY(player->Busy());
        fixtures::C(window).loopCheck->setChecked(false);
        window.StopAya();

        // Space on a focused Stop button presses Stop: it never starts playback.
        press(fixtures::C(window).stopButton, Qt::Key_Space);
        QVERIFY(!player->Busy());
        press(fixtures::C(window).playButton, Qt::Key_Space);
        QVERIFY(player->Busy());
        // The arrows on a button still move through the sura.
        press(fixtures::C(window).playButton, Qt::Key_Right);
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        window.StopAya();

        // The heart tree keeps the arrows: Right opens a sura, Left folds it; Space plays.
        fixtures::C(window).heart->LoadSuras({"105.001", "105.002"}, true);
        QTreeWidgetItem* sura = fixtures::C(window).heart->SuraItem("105");
        QVERIFY(sura);
        sura->setExpanded(false);
        fixtures::C(window).heart->setCurrentItem(sura);
        press(fixtures::C(window).heart, Qt::Key_Right);
        QVERIFY(sura->isExpanded());
        press(fixtures::C(window).heart, Qt::Key_Left);
        QVERIFY(!sura->isExpanded());
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        press(fixtures::C(window).heart, Qt::Key_Space);
        QVERIFY(player->Busy());
        window.StopAya();

        // A number box keeps the arrows for its caret and Up/Down for its value; Space plays there, and
        // Ctrl+arrows and the media keys work there too.
        fixtures::C(window).repeatSpin->setValue(12);
        press(fixtures::C(window).repeatSpin, Qt::Key_Right);
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        press(fixtures::C(window).repeatSpin, Qt::Key_Space);
        QVERIFY(player->Busy());
        QCOMPARE(fixtures::C(window).repeatSpin->value(), 12);
        press(fixtures::C(window).repeatSpin, Qt::Key_Space);
        QVERIFY(!player->Busy());
        press(fixtures::C(window).repeatSpin, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(player->Busy());
        press(fixtures::C(window).repeatSpin, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(window.CurrentKey(), std::string("108.003"));
        press(fixtures::C(window).repeatSpin, Qt::Key_MediaPrevious);
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        press(fixtures::C(window).repeatSpin, Qt::Key_MediaStop);
        QVERIFY(!player->Busy());
        press(fixtures::C(window).repeatSpin, Qt::Key_MediaStop);
        QVERIFY(!player->Busy());
        press(fixtures::C(window).repeatSpin, Qt::Key_MediaTogglePlayPause);
        QVERIFY(player->Busy());
        press(fixtures::C(window).repeatSpin, Qt::Key_MediaPlay);
        QVERIFY(player->Busy());
        window.StopAya();
        QCOMPARE(fixtures::C(window).repeatSpin->value(), 12);
        fixtures::C(window).repeatSpin->setValue(1);

        // The sura chooser: Space plays, Left and Right move between ayas, its list stays closed.
        press(fixtures::C(window).chooser, Qt::Key_Space);
        QVERIFY(player->Busy());
        QVERIFY(!fixtures::C(window).chooser->view()->isVisible());
        press(fixtures::C(window).chooser, Qt::Key_Right);
        QCOMPARE(window.CurrentKey(), std::string("108.003"));
        press(fixtures::C(window).chooser, Qt::Key_Space);
        QVERIFY(!player->Busy());
        QCOMPARE(fixtures::C(window).chooser->currentText(), QString("108. Al-Kauther"));

        // A click on a playback button or a check box leaves the keyboard where it was.
        fixtures::C(window).ayaView->setFocus();
        QTest::mouseClick(fixtures::C(window).playButton, Qt::LeftButton);
        QTest::mouseClick(fixtures::C(window).loopCheck, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), fixtures::C(window).ayaView);
        QTest::keyClick(fixtures::C(window).ayaView, Qt::Key_Space);
        QVERIFY(!player->Busy());
        fixtures::C(window).loopCheck->setChecked(false);
        // Tab still reaches them.
        for (QWidget* w :
             std::initializer_list<QWidget*>{fixtures::C(window).playButton, fixtures::C(window).stopButton,
                                             fixtures::C(window).loopCheck, fixtures::C(window).singlePlay})
            QVERIFY(w->focusPolicy() & Qt::TabFocus);
        QVERIFY(ws.messages.isEmpty());
    }

    // Through the accessibility bus: each playback button is a push button whose default action does
    // what a click does, and every control that takes the focus has a name to be announced by.
    void screenReaders()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 2000);
        Varn window;
        ShowActive(window);
        Choose(window, "108. Al-Kauther");
        window.StopAya();
        AyaPlayer* player = window.Session()->WholeDrill()->Player();
        auto press = [](QWidget* button) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
            QVERIFY(a && a->actionInterface());
            QCOMPARE(a->role(), QAccessible::Button);
            const QStringList actions = a->actionInterface()->actionNames();
            QVERIFY(!actions.isEmpty());
            QCOMPARE(actions.first(), QAccessibleActionInterface::pressAction());
            a->actionInterface()->doAction(actions.first());
            QTest::qWait(250); // a pressed button clicks after its short animation
        };
        press(fixtures::C(window).playButton);
        QVERIFY(player->Busy());
        QVERIFY(fixtures::C(window).playButton->isDown());
        QCOMPARE(fixtures::C(window).playButton->accessibleDescription(), QString("Playing"));
        press(fixtures::C(window).playButton); // pressed again while playing: the aya starts again
        QVERIFY(player->Busy());
        press(fixtures::C(window).nextButton);
        QCOMPARE(window.CurrentKey(), std::string("108.002"));
        press(fixtures::C(window).stopButton);
        QVERIFY(!player->Busy());
        QVERIFY(!fixtures::C(window).playButton->isDown());

        fixtures::C(window).singleCheck->setChecked(true);
        press(fixtures::C(window).singlePlay);
        QVERIFY(window.Session()->SingleDrill()->Player()->Busy());
        press(fixtures::C(window).singleStop);
        QVERIFY(!window.Session()->SingleDrill()->Player()->Busy());
        fixtures::C(window).singleCheck->setChecked(false);

        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&window) || qobject_cast<QMenu*>(w) ||
                w->focusProxy())
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), w->metaObject()->className());
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(fixtures::C(window).heart)->text(QAccessible::Name),
                 QString("Heart"));
    }
};

QTEST_MAIN(TestKeys)
#include "test_keys.moc"
