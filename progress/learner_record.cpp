// SPDX-License-Identifier: GPL-3.0-or-later
#include "learner_record.h"

#include "file_write.h"
#include "profile_file.h"
#include "sidecar_file.h"

#include <QByteArray>
#include <QCoreApplication>
#include <cmath>
#include <sstream>

namespace
{

bool WriteSidecar(const std::string& path, const QByteArray& bytes, std::string* error)
{
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && !MakeFolder(path.substr(0, slash), error))
        return false;
    return WriteFileWhole(path, bytes, error);
}

} // namespace

void LearnerRecord::Load(const std::string& profilePath, const DrillSettings& drillDefaults)
{
    profilePath_ = profilePath;
    heldBack_.clear();
    reviewPath_ = SidecarPath(profilePath, "review");
    pagesPath_ = SidecarPath(profilePath, "pages");
    aidsPath_ = SidecarPath(profilePath, "aids");
    drillPath_ = SidecarPath(profilePath, "drill");
    problems_.clear();
    recordings_.SetFolder(SidecarPath(profilePath, "recordings"));
    emit RecordingsChanged();

    // Each file: read and parsed, or, when damaged, kept as .bak, reported, and its data as defaults.
    const auto read = [this](const std::string& path, qint64 cap, const char* version, const char* what,
                             const char* consequence, auto parse, auto reset) {
        const SidecarText text = ReadSidecar(path, cap, version);
        std::string problem = text.problem;
        if (text.status == SidecarText::Status::Missing)
            return;
        if (text.status == SidecarText::Status::Ok && parse(text.bytes, &problem))
            return;
        reset();
        problems_.push_back(DamageReport(what, path, problem, consequence));
    };
    review_.Clear();
    read(
        reviewPath_, kMaxReviewBytes, ReviewBook::kVersionLine,
        QT_TRANSLATE_NOOP("LearnerRecord", "The review record"),
        QT_TRANSLATE_NOOP("LearnerRecord", "Your heart is kept; its suras start review again."),
        [this](const QByteArray& bytes, std::string* problem) { return review_.Parse(bytes, problem); },
        [this] { review_.Clear(); });
    pages_.Clear();
    read(
        pagesPath_, kMaxReviewBytes, ReviewBook::kPageVersionLine,
        QT_TRANSLATE_NOOP("LearnerRecord", "The review record by page"),
        QT_TRANSLATE_NOOP("LearnerRecord", "Your heart is kept; its pages start review again."),
        [this](const QByteArray& bytes, std::string* problem) { return pages_.Parse(bytes, problem); },
        [this] { pages_.Clear(); });
    aids_ = SelfTest();
    read(
        aidsPath_, kMaxSmallBytes, SelfTest::kVersionLine,
        QT_TRANSLATE_NOOP("LearnerRecord", "Your practice settings"),
        QT_TRANSLATE_NOOP("LearnerRecord", "Hiding and Test me start switched off."),
        [this](const QByteArray& bytes, std::string* problem) {
            *problem = QCoreApplication::translate("LearnerRecord", "it is not a practice-settings file")
                           .toStdString();
            return aids_.Parse(bytes.toStdString());
        },
        [this] { aids_ = SelfTest(); });
    drill_ = drillDefaults;
    read(
        drillPath_, kMaxSmallBytes, DrillSettings::kVersionLine,
        QT_TRANSLATE_NOOP("LearnerRecord", "Your drill settings"),
        QT_TRANSLATE_NOOP("LearnerRecord", "Repeat, pause, loop, stack and speed start from their defaults."),
        [this](const QByteArray& bytes, std::string* problem) {
            *problem =
                QCoreApplication::translate("LearnerRecord", "it is not a drill-settings file").toStdString();
            DrillSettings read;
            if (!read.Parse(bytes.toStdString()))
                return false;
            drill_ = read;
            return true;
        },
        [this, drillDefaults] { drill_ = drillDefaults; });
    emit DrillChanged();
}

std::vector<std::string> LearnerRecord::TakeProblems()
{
    std::vector<std::string> taken;
    taken.swap(problems_);
    return taken;
}

bool LearnerRecord::SaveReview(std::string* error)
{
    return !Loaded() || WriteBook(ReviewPath(), Review().Serialize(), error);
}

std::string LearnerRecord::ProfilePath(const std::string& userName)
{
    return std::string("profiles/") + ProfileFileName(userName);
}

LearnerRecord::ProfileRead LearnerRecord::ReadProfileFile(const std::string& path) const
{
    ProfileRead read;
    if (ReadProfile(path, &read.data, &read.problem))
        return read;
    // The damaged file is kept: the next save replaces it with what could be read. The review record
    // follows the heart: before it loses the items of the ayas that could not be read, it is kept whole.
    read.damaged = true;
    read.backup = KeepDamagedCopy(path);
    read.reviewBackups = KeepReviewsBeforeLoss(read.data.heart, &read.reviewsHeldBack);
    return read;
}

bool LearnerRecord::SaveProfileFile(const std::string& path, const ProfileData& data, std::string* error)
{
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && !MakeFolder(path.substr(0, slash), error))
        return false;
    return ::SaveProfileFile(path, data, error);
}

std::vector<std::string> LearnerRecord::KeepReviewsBeforeLoss(const std::vector<std::string>& ayas,
                                                              std::vector<std::string>* heldBack) const
{
    std::vector<std::string> kept;
    for (const auto& [book, path] : {std::pair{&review_, &reviewPath_}, std::pair{&pages_, &pagesPath_}})
        if (book->WouldLoseItems(ayas)) {
            const std::string backup = KeepDamagedCopy(*path);
            if (!backup.empty()) {
                kept.push_back(backup);
            } else if (IsReadableRegularFile(*path)) {
                heldBack_.insert(*path);
                if (heldBack)
                    heldBack->push_back(*path);
            }
        }
    return kept;
}

bool LearnerRecord::WriteBook(const std::string& path, const QByteArray& bytes, std::string* error) const
{
    if (heldBack_.count(path)) {
        if (error)
            *error =
                "\"" + path + "\" could not be kept aside before it would lose items, so it is left as it is";
        return false;
    }
    return WriteSidecar(path, bytes, error);
}

void LearnerRecord::KeepOrphanedReviews()
{
    std::vector<std::string> heldBack;
    const std::vector<std::string> kept = KeepReviewsBeforeLoss({}, &heldBack);
    auto list = [](const std::vector<std::string>& paths) {
        QString where;
        for (const std::string& path : paths)
            where += "<br>" + QString::fromStdString(path).toHtmlEscaped();
        return where;
    };
    if (!kept.empty())
        problems_.push_back(
            (QCoreApplication::translate("LearnerRecord", "Review records were found without a profile. "
                                                          "The new profile starts with an empty heart; "
                                                          "the records as they were are kept as:") +
             list(kept))
                .toStdString());
    if (!heldBack.empty())
        problems_.push_back(
            (QCoreApplication::translate("LearnerRecord",
                                         "Review records were found without a profile, and there is no "
                                         "room to keep them aside. They are left as they are, and "
                                         "your reviews are not saved over them:") +
             list(heldBack))
                .toStdString());
}

bool LearnerRecord::SetReviewByPages(bool pages, std::string* error)
{
    DrillSettings drill = drill_;
    drill.reviewByPages = pages;
    const bool changed = drill.reviewByPages != drill_.reviewByPages;
    const bool written = SetDrill(drill, error);
    if (changed)
        emit ReviewChanged();
    return written;
}

bool LearnerRecord::SaveAids(std::string* error)
{
    return !Loaded() || WriteSidecar(aidsPath_, QByteArray::fromStdString(aids_.Serialize()), error);
}

bool LearnerRecord::SyncReview(const QDate& today, std::string* error)
{
    // Both books follow the heart, the one not shown too, so that neither loses its history.
    bool written = true, changed = false;
    for (const auto& [book, path] : {std::pair{&review_, &reviewPath_}, std::pair{&pages_, &pagesPath_}})
        if (book->Sync(heart_, today)) {
            changed = true;
            written = (!Loaded() || WriteBook(*path, book->Serialize(), error)) && written;
        }
    if (changed)
        emit ReviewChanged();
    return written;
}

QDate LearnerRecord::GradeReview(int sura, int first, fsrs::Grade grade, const QDate& today,
                                 std::string* error)
{
    ReviewBook& book = Review();
    const int index = book.Find(sura, first);
    if (!book.Grade(index, grade, today))
        return QDate();
    emit ReviewChanged();
    SaveReview(error);
    return book.Items()[size_t(index)].due;
}

bool LearnerRecord::SetDrill(const DrillSettings& drill, std::string* error)
{
    if (drill == drill_)
        return true;
    drill_ = drill;
    emit DrillChanged();
    return !Loaded() || WriteSidecar(drillPath_, QByteArray::fromStdString(drill_.Serialize()), error);
}

bool LearnerRecord::NoteCheck(int sura, int aya, bool matched, std::string* error)
{
    const bool before = recordings_.Matched(sura, aya);
    const bool ok = recordings_.SetMatched(sura, aya, matched, error);
    if (recordings_.Matched(sura, aya) != before)
        emit RecordingsChanged();
    return ok;
}

bool LearnerRecord::SaveRecording(int sura, int aya, const sound::Pcm& pcm, std::string* error)
{
    if (!recordings_.Save(sura, aya, pcm, error))
        return false;
    emit RecordingsChanged();
    return true;
}

bool LearnerRecord::RemoveRecording(int sura, int aya, std::string* error)
{
    const bool ok = recordings_.Remove(sura, aya, error);
    emit RecordingsChanged();
    return ok;
}

bool LearnerRecord::BringBackPreviousTake(int sura, int aya, std::string* error)
{
    const bool ok = recordings_.BringBackPrevious(sura, aya, error);
    emit RecordingsChanged();
    return ok;
}

bool LearnerRecord::RemoveAllRecordings(std::string* error)
{
    const bool ok = recordings_.RemoveAll(error);
    emit RecordingsChanged();
    return ok;
}

int LearnerRecord::AddToHeart(const std::vector<std::string>& keys)
{
    int added = 0;
    for (const std::string& key : keys) {
        const std::string normal = NormalAyaKey(key);
        if (!normal.empty() && heart_.Add(normal))
            ++added;
    }
    if (added > 0)
        emit HeartChanged(heart_.Count());
    return added;
}

bool LearnerRecord::RemoveFromHeart(const std::string& key)
{
    if (!heart_.Remove(NormalAyaKey(key)))
        return false;
    emit HeartChanged(heart_.Count());
    return true;
}

bool LearnerRecord::RemoveSuraFromHeart(const std::string& sura)
{
    if (heart_.RemoveSura(sura) == 0)
        return false;
    emit HeartChanged(heart_.Count());
    return true;
}

void LearnerRecord::SetHeart(const std::vector<std::string>& keys)
{
    heart_.Clear();
    for (const std::string& key : keys) {
        const std::string normal = NormalAyaKey(key);
        if (!normal.empty())
            heart_.Add(normal);
    }
    emit HeartChanged(heart_.Count());
}
