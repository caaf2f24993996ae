// SPDX-License-Identifier: GPL-3.0-or-later
// What one learner keeps, with no widgets: the memorised ayas of the heart, and beside the profile file
// the review book
// (profiles/NAME.review), the practice-aid toggles (NAME.aids) and the drill settings (NAME.drill). Each
// file goes through the sidecar helper: read whole up to a cap, its version line checked, damage kept
// as a .bak and reported once as words the window shows, written whole. The profile file itself is not
// touched here and keeps its bytes.
#pragma once

#include "drill_settings.h"
#include "heart_data.h"
#include "passage.h"
#include "profile_file.h"
#include "recordings.h"
#include "review_book.h"
#include "self_test.h"

#include <QDate>
#include <QObject>
#include <set>
#include <string>
#include <vector>

class LearnerRecord : public QObject
{
    Q_OBJECT
  public:
    static constexpr qint64 kMaxReviewBytes = qint64(64) << 20; // a whole Quran's record is ~1.5 MB
    static constexpr qint64 kMaxSmallBytes = qint64(1) << 20;

    explicit LearnerRecord(QObject* parent = nullptr) : QObject(parent) {}

    // Reads the learner's files beside profilePath ("profiles/Amina.varn"). A missing file is a fresh
    // start; a damaged one is kept as .bak, its data start afresh, and it is reported in Problems().
    // drillDefaults are the settings of a learner without a drill file.
    void Load(const std::string& profilePath, const DrillSettings& drillDefaults = DrillSettings());
    // The damage found by the last Load(), in words for the learner (rich text), each once: taking them
    // empties the list.
    std::vector<std::string> TakeProblems();
    bool Loaded() const { return !profilePath_.empty(); }

    // The memorised ayas, as the profile file holds them. They change only through the record, which
    // says HeartChanged() after each change.
    const HeartData& Heart() const { return heart_; }
    // Adds the ayas not yet in the heart (keys normalised or not: "36.12"); returns how many it added.
    int AddToHeart(const std::vector<std::string>& keys);
    // Removes an aya, or every aya of a sura (three digits, "108"); false when none was there.
    bool RemoveFromHeart(const std::string& key);
    bool RemoveSuraFromHeart(const std::string& sura);
    // The heart becomes these ayas (a profile read in); always told.
    void SetHeart(const std::vector<std::string>& keys);
    // The review book the learner chose: by sura, or by page. Both follow the heart.
    ReviewBook& Review() { return drill_.reviewByPages ? pages_ : review_; }
    const ReviewBook& Review() const { return drill_.reviewByPages ? pages_ : review_; }
    const SelfTest& Aids() const { return aids_; }
    SelfTest& Aids() { return aids_; }
    const DrillSettings& Drill() const { return drill_; }
    const std::string& ReviewPath() const { return drill_.reviewByPages ? pagesPath_ : reviewPath_; }
    // The profile file of a learner, "profiles/NAME.varn" under the working folder.
    static std::string ProfilePath(const std::string& userName);
    // What reading a profile file found. Damaged, the file is kept as a copy (its path in backup), the
    // review books the heart that could be read would take items from are kept too (reviewBackups),
    // and data holds what could be read.
    struct ProfileRead {
        ProfileData data;
        bool damaged = false;
        std::string problem; // what was wrong, in words
        std::string backup;  // the damaged file as it was; empty when no copy could be made
        std::vector<std::string> reviewBackups;
        std::vector<std::string> reviewsHeldBack; // could not be kept aside: left as they are, unwritten
    };
    ProfileRead ReadProfileFile(const std::string& path) const;
    // Writes the profile file whole or not at all, its folder made first. False, with the reason.
    static bool SaveProfileFile(const std::string& path, const ProfileData& data, std::string* error);

    // Keeps a copy of each review book that a heart of these ayas would take items from (before a
    // damaged profile's heart replaces the heart); the copies' paths. A book that can be neither copied
    // nor moved aside is held back: it is never written over while this learner is loaded, and its path
    // goes to heldBack (when given).
    std::vector<std::string> KeepReviewsBeforeLoss(const std::vector<std::string>& ayas,
                                                   std::vector<std::string>* heldBack = nullptr) const;
    // For a profile being created: review records already beside it (left by a program killed before
    // it wrote the profile) would be emptied by the new, empty heart; each is kept whole as .bak first,
    // and that is reported in Problems().
    void KeepOrphanedReviews();
    // Reviews by page (or by sura), kept with the drill settings.
    bool SetReviewByPages(bool pages, std::string* error);

    // Each writes its file whole; false, with the reason in *error, when it cannot.
    bool SaveReview(std::string* error);
    bool SaveAids(std::string* error);
    // The review book brought in step with the heart, written when items entered or left; false, with
    // the reason in *error, when it could not be written.
    bool SyncReview(const QDate& today, std::string* error);
    // Grades the review item of sura that begins at aya first, found by what it is (the heart may have
    // changed since the item was offered), and writes the book. Returns the item's next due date; a
    // null date when there is no such item. *error tells a failed write.
    QDate GradeReview(int sura, int first, fsrs::Grade grade, const QDate& today, std::string* error);
    // Replaces the drill settings and writes them when they changed.
    bool SetDrill(const DrillSettings& drill, std::string* error);

    // The learner's own recitations (profiles/NAME.recordings/), kept, replaced and deleted here so
    // that whoever shows them hears of it by RecordingsChanged().
    const Recordings& Recorded() const { return recordings_; }
    bool SaveRecording(int sura, int aya, const sound::Pcm& pcm, std::string* error);
    bool RemoveRecording(int sura, int aya, std::string* error);
    // The take before the latest comes back, the latest kept as the previous one.
    bool BringBackPreviousTake(int sura, int aya, std::string* error);
    bool RemoveAllRecordings(std::string* error);
    // Notes whether the aya's recording matched the reciter's at its check (RecordingsChanged follows).
    bool NoteCheck(int sura, int aya, bool matched, std::string* error);

  signals:
    // The heart changed; it holds count ayas now.
    void HeartChanged(int count);
    void DrillChanged();
    // Items entered or left the review book, or one was graded.
    void ReviewChanged();
    // A recording was kept or deleted, or another learner's were loaded.
    void RecordingsChanged();

  private:
    std::string profilePath_;
    std::string reviewPath_, pagesPath_, aidsPath_, drillPath_;
    HeartData heart_;
    ReviewBook review_{ReviewBook::Unit::Sura};
    ReviewBook pages_{ReviewBook::Unit::Page};
    SelfTest aids_;
    DrillSettings drill_;
    Recordings recordings_;
    // Writes a review book, unless it is held back (see KeepReviewsBeforeLoss).
    bool WriteBook(const std::string& path, const QByteArray& bytes, std::string* error) const;
    std::vector<std::string> problems_;
    // Review books that would lose items and could not be kept aside: not written over.
    mutable std::set<std::string> heldBack_;
};
