// SPDX-License-Identifier: GPL-3.0-or-later
// The playback controls: the boxes of repeat, pause, pause unit, speed, times, range, loop, stack and
// single-aya mode, the sura's progress bar and the single-aya part. Each request of the learner's goes to
// the session (the buttons and boxes the window wires to its slots, the rest here), which decides what
// plays; the boxes only show what it reports, without reaching back to it. The learner's drill settings are one value that their record keeps: each box
// sends one change of it (Change()), which reaches the session and the record, and the boxes show the
// record's value.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <utility>

class LearnerRecord;
struct DrillSettings;
class PracticeAids;
class RecitationSession;
class WindowSettings;
class CentralArea;
class SettingsPanel;

class DrillControls : public QObject
{
    Q_OBJECT
  public:
    // Drives the transport, the single-aya bar and the aya slider of centre, and the drill settings of
    // settingsPanel.
    DrillControls(QObject* parent, CentralArea* centre, SettingsPanel* settingsPanel,
                  RecitationSession* session, LearnerRecord& record, PracticeAids& aids,
                  WindowSettings& settings);

    // Connects the controls to the session and the session's reports to the controls, and shows the
    // working folder's drill settings until a learner's are loaded; writes nothing.
    void Connect();
    // Reads the learner's record beside profilePath; a learner without drill settings of their own
    // starts from the working folder's. A New learner's review records found there are kept aside
    // first. Tells what was damaged or kept, then shows it all; nothing plays.
    enum class Learner { Known, New };
    void LoadLearner(const std::string& profilePath, Learner learner = Learner::Known);
    // One change of the learner's drill settings: the session takes what changed, the record keeps it
    // (the pause unit, its factor and the speed also as this working folder's, for new learners).
    void Change(const std::function<void(DrillSettings&)>& edit);

    void SetRange(int state);
    void SetLoop(int state);
    void SetStack(int state);
    void SetSingleAya(int state);
    void Stop();
    void ShowProgress(int index, int last);
    void ResetProgress();
    // Tells with the progress bar which entry plays (sura and aya numbers, as decimal text).
    void DescribeEntry(const std::string& sura, const std::string& aya);
    // What the controls were told, in the interface's language now.
    void Retranslate();
    void ShowRange(int from, int to, int count);
    void ShowPart(int startMs, int endMs, int lengthMs);
    void MarkPartStart();
    void MarkPartEnd();

  private:
    // The settings of a learner without settings of their own: this working folder's.
    DrillSettings FolderDefaults() const;
    // Shows the record's drill settings in the boxes (loop and stack not while single mode drops them).
    void Show();
    // Hands the whole of the settings to the session; nothing starts playing.
    void SendAll(const DrillSettings& drill);

    CentralArea* centre_;
    SettingsPanel* settingsPanel_;
    RecitationSession* session_;
    LearnerRecord& record_;
    PracticeAids& aids_;
    WindowSettings& settings_;
    std::pair<std::string, std::string> entry_; // the sura and aya playing, as the drill told them
};
