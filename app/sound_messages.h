// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the sound players' failures in message boxes, without storms: while a player's box is open,
// that player's further failures are dropped (its timers keep firing under the box), and a box the same
// as the one closed less than a second ago is not shown again (the drills' players are often told the
// same thing at once, as when one device is chosen for all of them).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <set>

class MP3;
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

    // Shows player's failures from now on, in the window's words where the player only names them.
    void Watch(MP3* player);
    // Watches every player of the session's drills, those added later too.
    void Watch(RecitationSession* session);
    // Shows one failure of player, unless the rules above keep it back.
    void Show(const MP3* player, const QString& title, const QString& text);

  private:
    std::set<const MP3*> open_;
    QString lastText_;
    QElapsedTimer sinceLastBox_;
};
