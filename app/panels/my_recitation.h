// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's own recitation in the window: Record (Ctrl+R) records the aya shown, or, with Test me and
// a pause, each aya in the pause after it; Play Mine and Compare play it back beside the reciter, with
// both waveforms under the aya while comparing; Delete removes one recording or all, after asking. The
// recorder, the session and the learner's record hold the rules; this class shows them and passes the
// learner's requests on.
#pragma once

#include "check_words.h"

#include "check_worker.h"
#include "recorder.h"
#include "waveform.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class LearnerRecord;
class PackRegistry;
class CentralArea;
class HeartPanel;
class QDockWidget;
class QStatusBar;
class RecitationPanel;
class SettingsPanel;
class WindowActions;
class RecitationSession;
class WindowSettings;

class MyRecitation : public QObject
{
    Q_OBJECT
  public:
    // Drives panel (in its dock), its items of actions, the heart's recorded marks of heartPanel, and
    // Test me in settingsPanel; the waveforms' marks follow centre's picture. Tells in statusBar.
    struct Parts {
        RecitationPanel* panel;
        QDockWidget* dock;
        CentralArea* centre;
        HeartPanel* heartPanel;
        SettingsPanel* settingsPanel;
        const WindowActions& actions;
        QStatusBar* statusBar;
    };
    MyRecitation(QObject* parent, const Parts& parts, RecitationSession* session, LearnerRecord& record,
                 WindowSettings& settings, const PackRegistry& packs);

    void Connect();
    // The verdict shown, in the interface's language now.
    void Retranslate();
    Recorder& TheRecorder() { return recorder_; }
    // The microphone chosen in Preferences (empty: the system's default), remembered in varnel.ini.
    void SetInput(const QString& name);
    QString Input() const;
    // Whether Record waits for each pause (Test me with a pause) rather than recording at once.
    bool Armed() const { return armed_; }

  public slots:
    void Record();
    void PlayMine();
    void Compare();
    // Checks the learner's recording of the aya shown against the reciter's, on a thread of its own: the
    // verdict in words under the waveforms (and in the status bar) once it is ready, the stretches left
    // out, said differently or added marked on them.
    void Check();
    // The reciter's words that the last check found left out, the next stretch at each press.
    void HearLeftOut();
    void BringBackPrevious();
    void DeleteThis();
    void DeleteAll();

  private:
    void ShowWaveformPlace();
    // Says why the learner's recording of the aya cannot be played, once a run.
    void TellUnplayable(const std::string& key);
    void ShowRecorded();
    void ShowRecording(bool on);
    void Keep(const std::string& key, const sound::Pcm& take);
    void OnPause(bool on, int ms);
    void ShowWaveforms(const std::string& key, bool mine);
    // Starts the check of key's recording; the verdict goes to the status bar after told (as "kept").
    void CheckAya(const std::string& key, const QString& told = QString());
    // A check's verdict, or why there is none, in the window (under the waveforms while its aya is shown).
    void ShowCheck(const CheckWorker::Outcome& outcome);
    // The words of a check's verdict, or of why there is none; words: the aya's, read once by the caller.
    QString Verdict(const CheckWorker::Outcome& outcome, const AyaWords& words) const;
    // What the check found, marked on the waveforms and kept for Hear Left Out.
    // words: the aya's words, which name and frame what the check found.
    void MarkCheck(const std::string& key, const listen::CheckResult& result, const AyaWords& words);
    void Tell(const QString& text);

    RecitationPanel* recitationPanel_;
    QDockWidget* dock_;
    CentralArea* centre_;
    HeartPanel* heartPanel_;
    SettingsPanel* settingsPanel_;
    const WindowActions& actions_;
    QStatusBar* statusBar_;
    RecitationSession* session_;
    LearnerRecord& record_;
    WindowSettings& settings_;
    const PackRegistry& packs_;
    Recorder recorder_;
    CheckWorker checker_;
    QString checkTold_; // said before the verdict of the check under way
    bool armed_ = false;
    std::set<std::string> toldUnplayable_;
    std::string leftOutKey_; // the aya of the last check, and the stretches it found left out or said
                             // differently (ms)
    std::vector<NamedStretch> leftOut_;
    std::optional<CheckWorker::Outcome> shown_; // the check whose verdict is shown
    size_t nextLeftOut_ = 0;
    bool hearingLeftOut_ = false; // the reciter says a stretch left out: its place moves on the waveform
    std::string waveKey_;         // the aya whose waveforms are shown
    bool mineNow_ = false;        // the learner's voice is the one playing
};
