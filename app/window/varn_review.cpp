// SPDX-License-Identifier: GPL-3.0-or-later
// Review: the learner's review book beside the profile, kept in step with the heart, its panel, and the
// review drill.
#include "app_settings.h"
#include "central_area.h"
#include "draglabel.h"
#include "file_write.h"
#include "heart.h"
#include "messages.h"
#include "naming.h"
#include "review_panel.h"
#include "side_panels.h"
#include "varn.h"

#include <QComboBox>
#include <QFile>

namespace
{

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

} // namespace

void Varn::ShowReview()
{
    const QDate today = ReviewToday();
    reviewPanel_->Show(record_.Review(), today);
    heartPanel_->heart->SetDueSuras(record_.Review().DueSuras(today));
}

void Varn::SyncReview()
{
    if (userName_.empty())
        return;
    std::string error;
    if (!record_.SyncReview(ReviewToday(), &error))
        ShowMessage("Varnel", tr("Your review could not be saved:") + "<br>" + Html(error));
    ShowReview();
}

void Varn::ChooseReviewUnit(bool pages)
{
    std::string error;
    if (!record_.SetReviewByPages(pages, &error))
        ShowMessage("Varnel", tr("Your review unit could not be saved:") + "<br>" + Html(error));
    ShowReview();
}

void Varn::StartReview(int sura, int first)
{
    const int index = record_.Review().Find(sura, first);
    if (index < 0)
        return;
    const ReviewItem& item = record_.Review().Items()[size_t(index)];
    const int chooserIndex = centre_->top->IndexOf(item.sura);
    if (chooserIndex >= 0) {
        centre_->top->chooser->setCurrentIndex(chooserIndex);
        ActivateSura(chooserIndex);
    }
    centre_->top->dragLabel->dragText = "all." + PadSura(IntToString(item.sura));
    reviewPanel_->MarkReviewing(item.sura, item.first);
    session_->PlayReviewAyas(AyaRef::FromKeys(record_.Review().Ayas(item)));
    SetTitle();
}

void Varn::GradeReview(int sura, int first, fsrs::Grade grade)
{
    std::string error;
    const QDate due = record_.GradeReview(sura, first, grade, ReviewToday(), &error);
    if (!error.empty())
        ShowMessage("Varnel", tr("Your review could not be saved:") + "<br>" + Html(error));
    if (due.isNull())
        return;
    ShowReview();
    reviewPanel_->MarkGraded(due);
}
