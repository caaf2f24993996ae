// SPDX-License-Identifier: GPL-3.0-or-later
// Drill: what every way of reciting a lesson has in common. A drill is given the lesson's ayas in order,
// plays them with its own player as its rule says, and reports by signal each aya it shows (it started it, or
// stands at it), its place in its list and its end. The learner's repeat, pause and loop reach it through
// Apply(); a drill that ignores some of them (the review plays each aya once) says so there. The session
// holds the drills by this interface; adding a drill is one class and one registration.
#pragma once

#include "aya_player.h"
#include "aya_ref.h"

#include <QObject>
#include <memory>
#include <string>
#include <vector>

// The learner's settings that shape what a drill plays.
struct DrillOptions {
    int repeat = 1;         // plays of each aya; 0: without end
    int pauseSeconds = 0;   // a silent pause after each aya, when pauseFactor is 0
    double pauseFactor = 0; // a pause of this many times the aya's length; 0: the seconds
    bool loop = false;      // after the last entry, the first again
    int times = 0;          // with loop, the passes through the list before it ends; 0: without end
};

// Where the learner stands, for the status line's words.
struct DrillPlace {
    int sura = 0;
    int aya = 0;         // the aya shown, in its sura
    int ayaCount = 0;    // the sura's ayas
    int pass = 1;        // passes through the drill's list so far
    std::string passage; // "Page 602" when the lesson is a passage, else empty
    int position = 0;    // the aya's place in the passage, from 1
    int length = 0;      // the passage's ayas
};

class Drill : public QObject
{
    Q_OBJECT
  public:
    // Plays through player; through a sound device (MP3) when none is given.
    explicit Drill(std::string name, std::unique_ptr<AyaPlayer> player = nullptr);
    ~Drill() override;

    // The name the session knows the drill by: "Whole", "Stack", "Single", "Review".
    const std::string& Name() const { return name_; }
    AyaPlayer* Player() const { return player_.get(); }
    bool Loop() const { return options_.loop; }
    const DrillOptions& Options() const { return options_; }

    // The lesson's ayas in order; the drill builds its list from them, stands at its beginning, and
    // neither plays nor shows anything.
    virtual void SetAyas(const std::vector<AyaRef>& ayas) = 0;
    // Plays from where the drill stands.
    virtual void Play() = 0;
    virtual void Stop() { player_->Stop(); }
    virtual void NextOne() = 0;
    virtual void PrevOne() = 0;
    // Whether the list built from the ayas holds nothing to play.
    virtual bool Empty() const = 0;
    // The learner chose the aya at position at of the ayas: the drill plays from it (play) or shows it
    // and plays from it at the next Play(). Returns the position where the drill's ayas now begin, when the
    // drill starts its lesson at the chosen aya (the stack builds up from it); otherwise 0.
    virtual int GoTo(int at, bool play) = 0;
    // The aya at position at is on screen; a drill that plays the aya shown takes it as its own.
    virtual void Follow(int at) { (void)at; }
    // The drill comes back after one played aside while the learner stood at position at: a drill
    // that walks the ayas stands there, and its next Play() starts there; others follow it.
    virtual void ComeBack(int at) { Follow(at); }
    // The learner moved the aya slider to position at of the ayas; a drill that does not walk the
    // ayas in order ignores it.
    virtual void SlideTo(int at) { (void)at; }
    // The pack changed under the drill while it is the active one (another recitation).
    virtual void PackChanged() {}
    virtual void Apply(const DrillOptions& options);
    // One setting at a time, as Apply() takes them all: the pause in seconds (0: none), the loop, the
    // plays of each aya.
    void PauseTime(int seconds);
    void SetLoop(bool on);
    void SetRepeat(int n);
    // Where the drill stands in words for the status line: "Aya 3 of 6", or in a passage
    // "Page 602 · aya 5 of 14 (107:1)".
    virtual std::string Where(const DrillPlace& place) const;
    // Whether the status line counts repetitions of the aya playing.
    virtual bool CountsRepetitions() const { return true; }
    // Whether the status line says that the learner recorded the aya shown (not where the drill
    // plays their recording itself).
    virtual bool TellsRecorded() const { return true; }
    // A drill that waits on the aya shown until the learner plays it (the single-aya drill), rather
    // than playing the lesson through when it starts.
    virtual bool WaitsOnAya() const { return false; }

    void SetRes(const KelRes& res) { player_->SetRes(res); }
    void SetDevice(int driver) { player_->SetDevice(driver); }

  signals:
    void AyaShown(AyaRef aya);
    // The entry index of last that plays now.
    void Progress(int index, int last);
    // The end of the list was passed without loop.
    void Finished();

  protected:
    DrillOptions options_;

  private:
    std::string name_;
    std::unique_ptr<AyaPlayer> player_;
};

// A drill that walks a list of entries in order, each entry one aya played whole by the player (with
// its repeats and pauses), the next one queued so that it follows without a gap. Whole-sura playback
// and the stack drill are lists of this kind; they differ in how they build the list.
class ListDrill : public Drill
{
    Q_OBJECT
  public:
    explicit ListDrill(std::string name, std::unique_ptr<AyaPlayer> player = nullptr);

    const std::vector<AyaRef>& Keys() const { return keys_; }
    int Index() const { return index_; }

    void Play() override;
    // Stops; the passes are counted afresh from the next Play().
    void Stop() override;
    void NextOne() override;
    void PrevOne() override;
    bool Empty() const override { return keys_.empty(); }

  protected:
    // The entries were just rebuilt: index 0, nothing playing.
    void SetKeys(std::vector<AyaRef> keys);
    // An entry started, and the list's end was passed: the drill reports them by its own signals,
    // which the constructor of each drill relays to AyaShown, Progress and Finished.
    virtual void Started(AyaRef aya, int index, int last) = 0;
    virtual void Ended(AyaRef first) = 0;
    // The name of the recording entry index plays: the pack's recording of its aya.
    virtual std::string EntrySound(size_t index) const;

    std::vector<AyaRef> keys_;
    int index_ = 0;

  private:
    // Whether the list starts again after its last entry: loop on, and passes left when they are counted.
    bool LoopsAfterLast() const;
    int wraps_ = 0; // the times the list started again since it was built or stopped
};
