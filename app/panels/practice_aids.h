// SPDX-License-Identifier: GPL-3.0-or-later
// The practice aids beside the drills: hiding and revealing the aya and its translation, "Test me",
// the word heard marked on the picture (WordMarks),
// the Slower and Faster keys, the reader's zoom and Night Reading, and the status line with its pause
// countdown. The rules are SelfTest's and the session's; this class
// shows them, passes the learner's requests on, and remembers the working folder's settings and the
// learner's aid toggles.
#pragma once

#include "self_test.h"
#include "word_marks.h"

#include <QObject>
#include <QString>
#include <QTimer>

class LearnerRecord;
class PackRegistry;
class QAction;
class RecitationSession;
class WindowSettings;
class CentralArea;
class SettingsPanel;
class WindowActions;

class PracticeAids : public QObject
{
    Q_OBJECT
  public:
    // Drives the aya's picture, text panel, status line and play buttons of centre, the aids of
    // settingsPanel, and the aid items of actions' View and View > Practice.
    PracticeAids(QObject* parent, CentralArea* centre, SettingsPanel* settingsPanel,
                 const WindowActions& actions, RecitationSession* session, WindowSettings& settings,
                 LearnerRecord& record, const PackRegistry& packs);
    // Connects the aids and shows what the working folder remembers; writes nothing.
    void Connect();
    const SelfTest& Test() const { return selfTest_; }
    // The words of the aya shown.
    const WordMarks& Words() const { return words_; }
    bool Night() const { return night_; }

    // The aya's text block as composed for key: shown unless the self-test hides it. A new aya starts
    // hidden again, revealed a word at a time where its words are known.
    void ShowText(const std::string& key, const QString& html);
    // The learner's record was loaded: its aid toggles are shown and applied.
    void ShowLearner();
    void RevealStep();
    void SetNightReading(bool night);
    void UpdateStatusLine();

  private:
    void AidsChanged();
    void ApplySelfTest();
    void ApplyNightReading();

    CentralArea* centre_;
    SettingsPanel* settingsPanel_;
    const WindowActions& actions_;
    RecitationSession* session_;
    WindowSettings& settings_;
    LearnerRecord& record_;
    SelfTest selfTest_;
    WordMarks words_;
    std::string key_;
    QString shownText_;
    bool night_ = false;
    QTimer pauseCountdown_;
};
