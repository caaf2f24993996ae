// SPDX-License-Identifier: GPL-3.0-or-later
// Review: the learner's review book beside the profile, kept in step with the heart, its panel, and the
// review drill.
#include "app_settings.h"
#include "draglabel.h"
#include "file_write.h"
#include "heart.h"
#include "messages.h"
#include "naming.h"
#include "profile_file.h"
#include "review_panel.h"
#include "sidecar_file.h"
#include "varn.h"
#include "window_frame.h"

#include <QComboBox>
#include <QFile>

namespace
{

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

} // namespace

void Varn::LoadReview(const std::string& profilePath)
{
    reviewPath_ = SidecarPath(profilePath, "review");
    review_.Clear();
    const SidecarText text = ReadSidecar(reviewPath_, kMaxReviewBytes);
    std::string problem = text.problem;
    if (text.status == SidecarText::Status::Missing ||
        (text.status == SidecarText::Status::Ok && review_.Parse(text.bytes, &problem)))
        return;
    // Keep the damaged record; the heart stays, and review starts again from it.
    ShowMessage("Varnel", QString::fromStdString(DamageReport("The review record", reviewPath_, problem,
                                                              "Your heart is kept; its suras start review again.")));
}

void Varn::SaveReview()
{
    std::string error;
    if (reviewPath_.empty())
        return;
    if (!MakeFolder("profiles", &error) || !WriteFileWhole(reviewPath_, review_.Serialize(), &error))
        ShowMessage("Varnel", "Your review could not be saved:<br>" + Html(error));
}

void Varn::ShowReview()
{
    const QDate today = ReviewToday();
    w_.reviewPanel->Show(review_, today);
    w_.heart->SetDueSuras(review_.DueSuras(today));
}

void Varn::SyncReview()
{
    if (userName_.empty())
        return;
    if (review_.Sync(w_.heart->Data(), ReviewToday()))
        SaveReview();
    ShowReview();
}

void Varn::StartReview(int sura, int first)
{
    const int index = review_.Find(sura, first);
    if (index < 0)
        return;
    const ReviewItem& item = review_.Items()[size_t(index)];
    const int chooserIndex = ChooserIndexOf(item.sura);
    if (chooserIndex >= 0) {
        w_.chooser->setCurrentIndex(chooserIndex);
        ActivateSura(chooserIndex);
    }
    w_.dragLabel->dragText = "all." + PadSura(IntToString(item.sura));
    w_.reviewPanel->MarkReviewing(item.sura, item.first);
    session_->PlayReview(item.sura, item.first, item.last);
    SetTitle();
}

void Varn::GradeReview(int sura, int first, fsrs::Grade grade)
{
    // The item reviewed, found by what it is: the heart may have changed during the review.
    const int index = review_.Find(sura, first);
    if (!review_.Grade(index, grade, ReviewToday()))
        return;
    SaveReview();
    ShowReview();
    w_.reviewPanel->MarkGraded(review_.Items()[size_t(review_.Find(sura, first))].due);
}

void Varn::ShowReviewPanel(bool shown)
{
    w_.reviewPanel->setVisible(shown);
    Remember(app_settings::kReviewPanel, shown);
}
