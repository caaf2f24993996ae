// SPDX-License-Identifier: GPL-3.0-or-later
// Driving the main window as a learner does, for the tests that need it.
#pragma once

#include "heart.h"
#include "id_menu.h"
#include "profile.h"
#include "varn.h"
#include "window_controls.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace fixtures
{

// Delivers text to the heart as a drag enter, a move and a drop.
inline void Drop(Heart* heart, const QString& text)
{
    QMimeData mime;
    mime.setText(text);
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(heart->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(heart->viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(heart->viewport(), &drop);
}

// The heart's ayas, in its order.
inline QStringList Ayas(const Heart* heart)
{
    QStringList keys;
    for (const std::string& k : heart->GetAyas())
        keys << QString::fromStdString(k);
    return keys;
}

// Chooses the sura as the learner does: the chooser's activation.
inline void Choose(Varn& window, const QString& title)
{
    QComboBox* chooser = fixtures::C(window).chooser;
    const int index = chooser->findText(title);
    QVERIFY2(index >= 0, qPrintable(title));
    chooser->setCurrentIndex(index);
    emit chooser->activated(index);
}

// Shows the window in front, with the keyboard, and the profile dialog out of the way.
inline void ShowActive(Varn& window)
{
    window.ProfileDialog()->hide();
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The View menu's item with this text; null when there is none.
// An item of the View menu or of its Practice submenu.
inline QAction* ViewAction(Varn& window, const QString& text)
{
    for (QMenu* menu : {static_cast<QMenu*>(fixtures::C(window).view), fixtures::C(window).practice})
        for (QAction* a : menu->actions())
            if (a->text() == text)
                return a;
    return nullptr;
}

// A rectangle as "x,y wxh", for a failure's message.
inline QString Described(const QRect& r)
{
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Presses a push button through its accessible default action, as a screen reader does, and waits for the
// click that follows the press's short animation.
inline void Press(QWidget* button)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    QVERIFY(a && a->actionInterface());
    QCOMPARE(a->role(), QAccessible::Button);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(250);
}

} // namespace fixtures
