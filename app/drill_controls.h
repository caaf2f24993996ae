// SPDX-License-Identifier: GPL-3.0-or-later
// The playback controls: the buttons, the boxes of repeat, pause, range, loop, stack and single-aya
// mode, the sura's progress bar and the single-aya part. Each request of the learner's goes to the
// session, which decides what plays; the boxes only show what it reports, without reaching back to
// it. The learner's drill settings are shown from their record and kept there at every change.
#pragma once

#include <QObject>

class LearnerRecord;
class PracticeAids;
class RecitationSession;
class WindowSettings;
struct VarnWidgets;

class DrillControls : public QObject
{
    Q_OBJECT
  public:
    DrillControls(QObject* parent, VarnWidgets& w, RecitationSession* session, LearnerRecord& record,
                  PracticeAids& aids);

    // Connects the controls to the session and the session's reports to the controls.
    void Connect();
    // Reads the learner's record beside profilePath; a learner without drill settings of their own
    // starts from the working folder's. A New learner's review records found there are kept aside
    // first. Tells what was damaged or kept, then shows it all; nothing plays.
    enum class Learner { Known, New };
    void LoadLearner(const std::string& profilePath, const WindowSettings& settings,
                     Learner learner = Learner::Known);

    void SetRange(int state);
    void SetLoop(int state);
    void SetStack(int state);
    void SetSingleAya(int state);
    void Stop();
    void ShowProgress(int index, int last);
    void ResetProgress();
    void ShowRange(int from, int to, int count);
    void ShowPart(int startMs, int endMs, int lengthMs);
    void MarkPartStart();
    void MarkPartEnd();

  private:
    // The drill settings as the boxes show them now, kept for the learner.
    void Remember();

    VarnWidgets& w_;
    RecitationSession* session_;
    LearnerRecord& record_;
    PracticeAids& aids_;
};
