// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback_keys.h"

#include "recitation_session.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTreeView>

FocusKind FocusKindOf(const QWidget* focus)
{
    if (!focus)
        return FocusKind::Other;
    if (qobject_cast<const QAbstractButton*>(focus))
        return FocusKind::Button;
    if (qobject_cast<const QAbstractSpinBox*>(focus))
        return FocusKind::NumberEntry;
    if (qobject_cast<const QLineEdit*>(focus))
        return FocusKind::TextEntry;
    if (const auto* combo = qobject_cast<const QComboBox*>(focus))
        return combo->isEditable() ? FocusKind::TextEntry : FocusKind::Chooser;
    if (const auto* text = qobject_cast<const QTextEdit*>(focus))
        return text->isReadOnly() ? FocusKind::Other : FocusKind::TextEntry;
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(focus))
        return plain->isReadOnly() ? FocusKind::Other : FocusKind::TextEntry;
    if (qobject_cast<const QTreeView*>(focus) || qobject_cast<const QAbstractSlider*>(focus))
        return FocusKind::ArrowsUser;
    return FocusKind::Other;
}

namespace
{

PlaybackCommand MediaCommand(int key)
{
    switch (key) {
    case Qt::Key_MediaTogglePlayPause:
        return PlaybackCommand::Toggle;
    case Qt::Key_MediaPlay:
        return PlaybackCommand::Play;
    case Qt::Key_MediaPause:
    case Qt::Key_MediaStop:
        return PlaybackCommand::Stop;
    case Qt::Key_MediaPrevious:
        return PlaybackCommand::Previous;
    case Qt::Key_MediaNext:
        return PlaybackCommand::Next;
    default:
        return PlaybackCommand::None;
    }
}

PlaybackCommand PlainCommand(int key)
{
    switch (key) {
    case Qt::Key_Space:
        return PlaybackCommand::Toggle;
    case Qt::Key_Left:
        return PlaybackCommand::Previous;
    case Qt::Key_Right:
        return PlaybackCommand::Next;
    default:
        return PlaybackCommand::None;
    }
}

bool KeptByFocus(int key, FocusKind focus)
{
    switch (focus) {
    case FocusKind::Other:
    case FocusKind::Chooser:
        return false;
    case FocusKind::Button:
        return key == Qt::Key_Space;
    case FocusKind::ArrowsUser:
    case FocusKind::NumberEntry:
        return key == Qt::Key_Left || key == Qt::Key_Right;
    case FocusKind::TextEntry:
        return true;
    }
    return true;
}

} // namespace

PlaybackCommand PlaybackCommandFor(int key, Qt::KeyboardModifiers modifiers, FocusKind focus)
{
    // The keypad's arrows carry KeypadModifier; they are the same keys to the learner.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    const PlaybackCommand media = MediaCommand(key);
    if (media != PlaybackCommand::None)
        return held == Qt::NoModifier ? media : PlaybackCommand::None;
    PlaybackCommand command = PlainCommand(key);
    if (command == PlaybackCommand::None)
        return command;
    // Right to left the ayas run leftwards, as the aya slider does: Left is the next aya.
    if (QGuiApplication::isRightToLeft() && command != PlaybackCommand::Toggle)
        command = command == PlaybackCommand::Next ? PlaybackCommand::Previous : PlaybackCommand::Next;
    if (held == Qt::ControlModifier)
        return command;
    if (held != Qt::NoModifier || KeptByFocus(key, focus))
        return PlaybackCommand::None;
    return command;
}

PlaybackKeyFilter::PlaybackKeyFilter(QWidget* window, RecitationSession* session)
    : QObject(window), window_(window), session_(session)
{
    qApp->installEventFilter(this);
}

PlaybackKeyFilter::~PlaybackKeyFilter() { qApp->removeEventFilter(this); }

bool PlaybackKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress || !receiver || receiver->window() != window_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    QWidget* focus = QApplication::focusWidget();
    const PlaybackCommand command =
        PlaybackCommandFor(key->key(), key->modifiers(), FocusKindOf(focus ? focus : receiver));
    if (command == PlaybackCommand::None)
        return false;
    Run(command);
    return true;
}

void PlaybackKeyFilter::Run(PlaybackCommand command)
{
    const bool busy = session_->Busy();
    if (command == PlaybackCommand::Toggle || (command == PlaybackCommand::Play && !busy) ||
        (command == PlaybackCommand::Stop && busy))
        session_->TogglePlay();
    else if (command == PlaybackCommand::Previous)
        session_->Previous();
    else if (command == PlaybackCommand::Next)
        session_->Next();
}
