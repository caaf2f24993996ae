// SPDX-License-Identifier: GPL-3.0-or-later
// The recitation session: where the learner is (the sura and the aya cursor), the range, loop, repeat and
// pause, and the drills that play them: whole sura, stack, single aya, review and compare, and any other
// drill registered with AddDrill(). One drill is active; the session hands it the range's ayas and the
// learner's requests through the Drill interface, without asking which drill it is. The learner's drill
// (whole, stack or single) can be set aside for a while by another (PlayAside(): the review, the
// comparison), which gives the lesson back when it ends or the learner stops. The session holds every
// rule of what plays and why, and is the window's only way to the players: the window shows what the
// session reports and passes on what the learner asks. No widgets.
#pragma once

#include "aya_ref.h"
#include "drill.h"
#include "kelres.h"
#include "passage.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Arabic;
class AyaPlayer;
class CompareDrill;
class Single;
class SpanDrill;
class Stack;
class Whole;

// The time left of a pause for the status line: to the nearest second ("2 s" for 2.1 s), and in
// tenths below one second ("0.4 s").
std::string PauseWords(int ms);

class RecitationSession : public QObject
{
    Q_OBJECT
  public:
    // The caption of every sound failure.
    static constexpr const char* kSoundErrorTitle = AyaPlayer::kSoundErrorTitle;

    explicit RecitationSession(QObject* parent = nullptr);
    ~RecitationSession() override;

    // Starts asking the sound server for its output devices in the background, before any session is
    // made: the players then find the answer ready (see sound::PrepareOutputs).
    static void PrepareOutputs();

    Arabic* Cursor() const { return cursor_.get(); }
    Whole* WholeDrill() const { return whole_; }
    Stack* StackDrill() const { return stack_; }
    Single* SingleDrill() const { return single_; }
    Drill* ActiveDrill() const { return active_; }
    // The names of the output devices the players can use.
    std::vector<std::string> OutputDevices() const;
    bool Playing() const { return playing_; }
    // Something recites now, a pause included (Playing() says it a moment later, by signal).
    bool Busy() const;
    // Takes a drill in beside the others, with the pack, the device and the learner's settings of the
    // rest; UseDrill() makes it the learner's, PlayAside() plays it for a while. Returns it.
    Drill* AddDrill(std::unique_ptr<Drill> drill);
    // Makes the named drill the learner's, over the range (stopping the one before); false for an
    // unknown name.
    bool UseDrill(const std::string& name);
    // Plays drill (one of the session's) over ayas for a while: the learner's drill is stopped and set
    // aside, and comes back, with the lesson and settings as they are then, when drill plays to its end
    // (finished is called after that) or the learner stops. start is the place in ayas to play from;
    // -1 plays from drill's beginning. False, and nothing changes, when drill has nothing to play.
    bool PlayAside(Drill* drill, const std::vector<AyaRef>& ayas, int start = -1,
                   std::function<void()> finished = {});
    // The drill playing in place of the learner's; null when theirs plays.
    Drill* AsideDrill() const { return active_ != learner_ ? active_ : nullptr; }
    // The sura's key ("108") and the key of the cursor's aya ("108.002").
    std::string SuraKey() const;
    std::string CurrentAya() const;
    AyaRef Current() const;
    int AyaCount() const;
    bool RangeOn() const { return rangeOn_; }
    int From() const { return from_; }
    int To() const { return to_; }
    bool Loop() const { return options_.loop; }
    int PauseSeconds() const { return options_.pauseSeconds; }
    // Where the learner is, in words for the status line: "Aya 3 of 6 · repetition 2 of 5",
    // "Aya 3 of 6 · pause 4 s", "Stack 1-3, pass 2 · aya 2 · repetition 1 of 1",
    // "Aya 2 of 5 · part from 0.50 to 1.50 s".
    std::string StatusLine() const;
    bool Pausing() const { return pausing_; }
    int PartStart() const;
    int PartEnd() const;

    // The learner's own recitations: which ayas they recorded, and the bytes of each, for every player.
    // The status line says when the aya shown has one.
    void SetOwnRecordings(std::function<bool(AyaRef aya)> recorded, AyaPlayer::OwnSource bytes);
    bool Recorded(AyaRef aya) const { return recorded_ && recorded_(aya); }
    // A recording was kept or deleted: the status line is told again.
    void OwnRecordingsChanged() { emit StateChanged(); }
    // Compare: the reciter and then the learner for each recorded aya of the lesson; false, playing
    // nothing, when none is recorded. Afterwards (or on Stop) the drill before it comes back.
    bool PlayCompare();
    // The learner's recording of the aya shown; false when there is none.
    bool PlayMine();
    // The reciter's recording of the aya key from startMs to endMs, once, played aside; false when the
    // stretch is empty.
    bool PlayReciterPart(AyaRef aya, int startMs, int endMs);
    bool Comparing() const;
    CompareDrill* Comparison() const { return compare_; }

    // The settings sound test: the named item of res played once on the output device driver, beside
    // the drills; StopTestSound() stops it.
    void PlayTestSound(const KelRes& res, const std::string& name, int driver);
    void StopTestSound();
    bool TestSoundPlaying() const;

  public slots:
    // The pack every drill plays from, and where the items it lacks are found (the packs of other suras).
    void SetPack(const KelRes& pack);
    void SetPackFinder(AyaPlayer::PackFinder finder);
    void SetDevice(int driver);

    // Points the session at sura n: the cursor at its first aya, the range over the whole sura, every
    // drill stopped and the active one built (single mode: its part fitted to aya 1, which is shown).
    // Plays nothing; Start() plays.
    void ChooseSura(int sura);
    // Starts the active drill from its beginning; nothing in single mode, which waits for the learner.
    void Start();
    // Goes to an aya, as a double-click in the heart does: the active drill plays from it (the stack
    // drill builds up from it; single mode shows it and fits the part).
    void PlayFromAya(int sura, int aya);
    // Goes to an aya and stops there, as loading a profile does: it is shown, and whole-sura playback
    // starts from it at the next Play().
    void CueAya(int sura, int aya);
    // The aya on screen (the cursor follows what is shown).
    void MarkShown(AyaRef aya);
    // The lesson becomes a passage, which may cross suras: the cursor at its first aya, the range over
    // all of it, every drill stopped and the active one built. Plays nothing; Start() plays. Choosing
    // a sura leaves the passage.
    void ChoosePassage(const Passage& passage);
    const Passage& CurrentPassage() const { return passage_; }
    // Where key stands in the lesson, from 1: its place in the passage, or its aya number in a sura.
    int PositionOf(AyaRef aya) const;
    // With loop, the passes through the lesson before it ends; 0: without end.
    void SetTimes(int times);

    void Play();
    void Stop();
    void TogglePlay();
    void Next();
    void Previous();
    // Whole-sura playback jumps to the aya at position (the aya slider): its aya number in a sura, its
    // place in a passage.
    void SlideTo(int position);

    void SetRepeat(int n);
    void SetPause(int seconds);
    // Pauses as long as factor times the aya's recording (or the part); 0: the seconds of SetPause.
    void SetPauseFactor(double factor);
    double PauseFactor() const { return options_.pauseFactor; }
    // Playback speed of every drill, 0.5 to 1.5, the pitch kept.
    void SetSpeed(double speed);
    double Speed() const { return speed_; }
    // The length of the recitation of aya in ms; 0 when there is none.
    int RecitationLength(AyaRef aya) const;
    void SetLoop(bool on);
    // The loop as a learner's settings bring it: set, and nothing starts.
    void PresetLoop(bool on);
    // Range off fits the range to the whole sura again; either way the active drill starts again.
    void SetRange(bool on);
    void SetFrom(int aya);
    void SetTo(int aya);
    // The range over the whole sura, reported by RangeChanged(); no drill is touched.
    void FitRange();
    void SetStack(bool on);
    // Single mode takes the aya on screen, drops stack, range and loop, and starts nothing.
    void SetSingle(bool on);

    // The review drill: ayas first..last of sura once each, without repeat, pause or loop. After the
    // last, ReviewFinished(); then (or on Stop) the mode and settings before it come back.
    void PlayReview(int sura, int first, int last);
    // The review drill over these ayas (a page may cross suras), as PlayReview.
    void PlayReviewAyas(const std::vector<AyaRef>& ayas);

    // The single-aya drill's part, in milliseconds of the recording.
    void SetPart(int startMs, int endMs);
    // The part over the whole of the current aya, reported by PartChanged().
    void FitPart();
    void JumpInPart(int ms);

  signals:
    // Show this aya: a drill started it, or the session moved to it.
    void AyaShown(AyaRef aya);
    // The active drill's place: entry index of last.
    void Progress(int index, int last);
    void ProgressReset();
    void DrillFinished();
    // The range the boxes show: from..to of a sura of count ayas.
    void RangeChanged(int from, int to, int count);
    // The single-aya part the boxes show, in a recording of length ms.
    void PartChanged(int startMs, int endMs, int lengthMs);
    // Where the single-aya drill's recording is, in milliseconds.
    void PartPosition(int ms);
    // The review drill played its last aya.
    void ReviewFinished();
    // A silent pause of ms began (on) or ended (off) in the active drill.
    void PauseChanged(bool on, int ms);
    // Something that the status line tells changed: a drill started or stopped, a repetition began.
    void StateChanged();
    // Something plays (on) or nothing does any more (off).
    void PlayingChanged(bool playing);
    // The speed of every drill changed.
    void SpeedChanged(double speed);
    // The comparison began an aya's recording: whose voice it is, the learner's (mine) or the reciter's.
    void VoiceTurn(AyaRef aya, bool mine);
    // Where the active drill's recording is, in milliseconds.
    void SoundPosition(int ms);
    // A player's sound failure, for the learner to see: its caption and its rich text. NoOutput():
    // the machine has no sound output at all; OutputLost(): the device stopped working while playing,
    // and playback has stopped.
    void SoundFailed(const QString& title, const QString& text);
    void NoOutput();
    void OutputLost();

  private:
    // Every drill's player (and the sound test's).
    std::vector<AyaPlayer*> Players() const;
    // Relays player's failures as the session's own.
    void WatchSound(AyaPlayer* player);
    void StopAll();
    void TellState();
    // The lesson's ayas from..to: of the current sura, or of the passage.
    std::vector<AyaRef> RangeAyas() const;
    // Moves the cursor to aya, into its sura.
    void MoveCursor(AyaRef aya);
    // The place of the cursor's aya in the range's ayas, from 0.
    int CursorIndex() const;
    // The active drill over the range's ayas, standing at its beginning.
    void BuildDrill();
    // The learner's settings changed: every drill takes them (the review keeps its own).
    void ApplyOptions();
    // Makes drill active, stopping the one before; nothing is built.
    void Activate(Drill* drill);
    // Makes drill the learner's and, unless another plays aside, the active one, built over the range.
    void UseLearnerDrill(Drill* drill);
    // The learner's drill for the stack and single-aya choices.
    Drill* ChosenDrill() const;
    // Goes to an aya of a sura in the active drill: plays from it, or shows it and waits for Play.
    void GoToAya(int sura, int aya, bool play);
    void StartDrill();
    void OnAyaShown(AyaRef aya);
    void OnFinished(Drill* drill);
    // The lesson is a sura again.
    void LeavePassage();
    // Ends a drill played aside: the learner's drill comes back over the range, at the aya shown.
    void BringBack();
    bool StartCompare(const std::vector<AyaRef>& ayas, bool mineOnly);

    std::unique_ptr<Arabic> cursor_;
    std::vector<std::unique_ptr<Drill>> drills_;
    Whole* whole_ = nullptr;
    Stack* stack_ = nullptr;
    Single* single_ = nullptr;
    Whole* review_ = nullptr;
    CompareDrill* compare_ = nullptr;
    SpanDrill* span_ = nullptr;
    Drill* learner_ = nullptr; // the learner's drill
    Drill* active_ = nullptr;  // the learner's, or one played aside
    std::function<void()> asideFinished_;
    bool stackOn_ = false;
    bool singleOn_ = false;
    std::unique_ptr<AyaPlayer> tester_;
    std::function<bool(AyaRef aya)> recorded_;
    KelRes pack_;
    Passage passage_;
    std::vector<AyaRef> passageAyas_;
    AyaPlayer::PackFinder finder_;
    int driver_ = -2; // the output chosen by SetDevice; -2 while none was
    DrillOptions options_;
    double speed_ = 1.0;
    bool pausing_ = false;
    int pass_ = 1;         // passes through the whole drill since it started, counted as it loops
    bool started_ = false; // the drill has reported its first entry since it started
    bool playing_ = false;
    int lastIndex_ = 0; // the drill's entry before the latest
    bool rangeOn_ = false;
    int from_ = 1;
    int to_ = 1;
};
