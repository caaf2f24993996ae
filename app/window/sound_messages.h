// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the session's sound failures in message boxes, without storms: while a box is open, further
// failures are dropped (the players' timers keep firing under the box), and a box the same as the one
// closed less than a second ago is not shown again (the drills' players are often told the same thing
// at once, as when one device is chosen for all of them).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class RecitationSession;

class SoundMessages : public QObject
{
    Q_OBJECT
  public:
    static constexpr int kRepeatQuietMs = 1000;
    static constexpr const char* kDeviceLostText = QT_TRANSLATE_NOOP(
        "Sound",
        "The sound output device stopped working, so playback has stopped.<br><br>To fix: connect the "
        "device again, or choose another one in File &gt; Preferences, then press Play.");
    static constexpr const char* kNoOutputText = QT_TRANSLATE_NOOP(
        "Sound",
        "Varnel could not find a sound output device on this computer, so it cannot play recitations.<br><br>"
        "Everything else works: you can read the ayas, their translations and transliterations, and keep "
        "your heart up to date.<br><br>To hear the recitations, connect speakers or headphones, then choose "
        "the device in File &gt; Preferences or restart Varnel.");

    using QObject::QObject;

    // Shows the session's sound failures from now on, in the window's words where it only names them.
    void Watch(RecitationSession* session);
    // Shows one failure, unless the rules above keep it back.
    void Show(const QString& title, const QString& text);
    void ShowNoOutput();
    void ShowOutputLost();

  private:
    bool open_ = false;
    QString lastText_;
    QElapsedTimer sinceLastBox_;
};
