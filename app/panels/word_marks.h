// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the aya shown, where its pack tells them: the word the reciter is saying marked on the
// picture as it is heard, a click on a word playing from it, and the words for the self-test's Reveal,
// the single-aya part and the listening check. The words come from the pack whose recitation plays
// (their times belong to it); where that pack tells none, the picture's pack gives their boxes alone.
#pragma once

#include "aya_ref.h"
#include "aya_words.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <string>

class Aya;
class PackRegistry;
class QAction;
class WindowActions;
class QMenu;
class RecitationSession;
class WindowSettings;

// The words of the aya key: from the pack its recitation plays from, or their boxes alone (untimed)
// from the pack its picture comes from; none when neither tells them.
AyaWords WordsOfAya(const PackRegistry& packs, const std::string& key);

class WordMarks : public QObject
{
    Q_OBJECT
  public:
    // Serves actions' Mark the Heard Word and Snap the Part to Words, both remembered in settings.
    WordMarks(QObject* parent, RecitationSession* session, const PackRegistry& packs,
              WindowSettings& settings, const WindowActions& actions);
    // Follows the session and view: call once both exist.
    void Connect(Aya* view);

    // The aya key shown: its words are read (again: the recitation may have changed) and handed to the
    // view.
    void ShowAya(const std::string& key);
    const AyaWords& Words() const { return words_; }
    const std::string& Key() const { return key_; }
    bool Marking() const;
    // The single-aya part's mark at ms, snapped to the words when the learner asks for it; at the start
    // of a part (start) or its end.
    int PartMark(int ms, bool start) const;

    // How often the mark follows the sound between the player's reports of where it is, in ms.
    static constexpr int kFollowMs = 10;

  private:
    void Heard(int ms);
    void Follow();
    void PlayFrom(int word);

    RecitationSession* session_;
    const PackRegistry& packs_;
    WindowSettings& settings_;
    Aya* view_ = nullptr;
    QAction* markAction_;
    QAction* snapAction_;
    std::string key_;
    AyaWords words_;
    bool mine_ = false; // the learner's own recording is playing: its times are not the words'
    // The last reported position and when it came, to follow the sound between reports.
    int reportedMs_ = -1;
    QElapsedTimer reportedAt_;
    QTimer follow_;
};
