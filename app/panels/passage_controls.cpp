// SPDX-License-Identifier: GPL-3.0-or-later
#include "passage_controls.h"

#include "central_area.h"
#include "heart.h"
#include "juz_progress.h"
#include "learner_record.h"
#include "messages.h"
#include "naming.h"
#include "pack_registry.h"
#include "recitation_session.h"
#include "side_panels.h"
#include "sura.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

PassageControls::PassageControls(QObject* parent, ChooserRow* row, HeartPanel* heartPanel,
                                 QAction* addToHeart, RecitationSession* session, const PackRegistry& packs,
                                 LearnerRecord& record)
    : QObject(parent), row_(row), heartPanel_(heartPanel), addToHeart_(addToHeart), session_(session),
      packs_(packs), record_(record)
{
}

void PassageControls::Connect()
{
    connect(row_->passageKind, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PassageControls::FitNumber);
    connect(row_->passagePlay, &QPushButton::clicked, this, &PassageControls::Play);
    // Return in the number box plays the passage, as Play Passage does.
    if (auto* field = row_->passageNumber->findChild<QLineEdit*>())
        connect(field, &QLineEdit::returnPressed, this, &PassageControls::Play);
    connect(addToHeart_, &QAction::triggered, this, &PassageControls::AddToHeart);
    connect(&record_, &LearnerRecord::HeartChanged, this, &PassageControls::ShowHeart);
}

void PassageControls::FitNumber()
{
    // Any number of the largest kind can be typed, so that one beyond the kind chosen (Hizb 240) is
    // refused in words by Play rather than cut to what fits ("24") as it is typed.
    row_->passageNumber->setRange(1, Passage::CountOf(PassageKind::Page));
}

Passage PassageControls::Named() const
{
    return Passage::Make(Passage::kKinds[std::max(row_->passageKind->currentIndex(), 0)],
                         row_->passageNumber->value());
}

QStringList PassageControls::Missing(const Passage& passage) const
{
    QStringList missing;
    const std::map<std::string, std::string> titles = SuraTable().ShortTitles();
    for (int sura : passage.Suras())
        if (!packs_.PackFor(sura)) {
            const auto title = titles.find(PadSura(IntToString(sura)));
            missing << (title == titles.end() ? QString::number(sura)
                                              : QString::fromLatin1(title->second.c_str()));
        }
    return missing;
}

void PassageControls::Play()
{
    const PassageKind kind = Passage::kKinds[std::max(row_->passageKind->currentIndex(), 0)];
    const int count = Passage::CountOf(kind);
    if (row_->passageNumber->value() > count) {
        ShowMessage("Varnel", tr("There is no %1 %2: the mushaf has %3 of them, numbered from 1.")
                                  .arg(tr(Passage::KindName(kind)))
                                  .arg(row_->passageNumber->value())
                                  .arg(count));
        row_->passageNumber->selectAll();
        return;
    }
    const Passage passage = Named();
    const QStringList missing = Missing(passage);
    if (!missing.isEmpty()) {
        // Each name escaped, then the lines joined: the line breaks are ours, not text.
        QStringList lines;
        for (const QString& sura : missing)
            lines << sura.toHtmlEscaped();
        ShowMessage("Varnel",
                    tr("%1 needs the sura packs of these suras, which are not installed:<br><br>%2")
                        .arg(QString::fromStdString(passage.Title()).toHtmlEscaped(), lines.join("<br>")));
        return;
    }
    emit PassageChosen(passage);
}

void PassageControls::AddToHeart()
{
    const Passage shown = session_->CurrentPassage();
    record_.AddToHeart((shown.Empty() ? Named() : shown).Ayas());
}

void PassageControls::ShowHeart() { heartPanel_->juzProgress->SetAyas(heartPanel_->heart->GetAyas()); }

void PassageControls::ShowLearner()
{
    const Passage& last = record_.Drill().passage;
    if (last.Empty())
        return;
    const QSignalBlocker quietKind(row_->passageKind), quietNumber(row_->passageNumber);
    row_->passageKind->setCurrentIndex(int(last.Kind()));
    FitNumber();
    row_->passageNumber->setValue(last.Number());
}

void PassageControls::Remember(const Passage& passage)
{
    DrillSettings drill = record_.Drill();
    drill.inPassage = !passage.Empty();
    if (!passage.Empty())
        drill.passage = passage;
    std::string error;
    if (record_.Loaded() && !record_.SetDrill(drill, &error))
        ShowMessage("Varnel", tr("Your drill settings could not be saved:") + "<br>" +
                                  QString::fromStdString(error).toHtmlEscaped());
}
