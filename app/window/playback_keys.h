// SPDX-License-Identifier: GPL-3.0-or-later
// Which keys drive playback, and when a focused control keeps a key for itself.
//
// Space plays and stops everywhere except on a focused push button or check box (which it presses) and
// in a field where text is typed. Left and Right move between ayas everywhere except in text and number
// fields (the caret), sliders and trees (folding). Up and Down always stay with the focused control. The
// media keys and the Ctrl forms (Ctrl+Space, Ctrl+Left, Ctrl+Right) drive playback whatever has the
// focus. In a right-to-left window Left and Right trade places: Left is the next aya.
#pragma once

#include <QObject>
#include <Qt>

class QWidget;
class RecitationSession;

enum class PlaybackCommand { None, Toggle, Play, Stop, Previous, Next };

// What kind of control has the keyboard focus, as far as the playback keys are concerned.
enum class FocusKind {
    Other,       // no control that uses Space or Left/Right (the aya picture, a read-only text, a list)
    Button,      // push buttons and check boxes: Space
    ArrowsUser,  // trees and sliders: Left and Right
    Chooser,     // combo boxes that only choose: Up and Down, which are never ours
    NumberEntry, // number boxes: Left and Right move the caret; Space types nothing
    TextEntry,   // line edits and editable text: every key
};

FocusKind FocusKindOf(const QWidget* focus);

// The command a key press stands for with the given focus; None when the key is not ours to take.
PlaybackCommand PlaybackCommandFor(int key, Qt::KeyboardModifiers modifiers, FocusKind focus);

// Looks at every key press of the application before the focused control gets it, and runs the
// playback commands of window's keys on session.
class PlaybackKeyFilter : public QObject
{
    Q_OBJECT
  public:
    PlaybackKeyFilter(QWidget* window, RecitationSession* session);
    ~PlaybackKeyFilter() override;

    void Run(PlaybackCommand command);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    RecitationSession* session_;
};
