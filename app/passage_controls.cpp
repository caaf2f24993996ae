// SPDX-License-Identifier: GPL-3.0-or-later
#include "passage_controls.h"

#include "heart.h"
#include "juz_progress.h"
#include "learner_record.h"
#include "messages.h"
#include "naming.h"
#include "pack_registry.h"
#include "recitation_session.h"
#include "sura.h"
#include "window_frame.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

PassageControls::PassageControls(QObject* parent, VarnWidgets& w, RecitationSession* session,
                                 const PackRegistry& packs, LearnerRecord& record)
    : QObject(parent), w_(w), session_(session), packs_(packs), record_(record)
{
}

void PassageControls::CreateActions(QMenu* menu, QWidget* window)
{
    menu->addSeparator();
    addToHeart_ = menu->addAction(QObject::tr("Add Passage to Heart"));
    addToHeart_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    window->addAction(addToHeart_); // its key works anywhere in the window
}

void PassageControls::Connect()
{
    connect(w_.passageKind, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PassageControls::FitNumber);
    connect(w_.passagePlay, &QPushButton::clicked, this, &PassageControls::Play);
    // Return in the number box plays the passage, as Play Passage does.
    if (auto* field = w_.passageNumber->findChild<QLineEdit*>())
        connect(field, &QLineEdit::returnPressed, this, &PassageControls::Play);
    connect(addToHeart_, &QAction::triggered, this, &PassageControls::AddToHeart);
    connect(&record_, &LearnerRecord::HeartChanged, this, &PassageControls::ShowHeart);
}

void PassageControls::FitNumber()
{
    // Any number of the largest kind can be typed, so that one beyond the kind chosen (Hizb 240) is
    // refused in words by Play rather than cut to what fits ("24") as it is typed.
    w_.passageNumber->setRange(1, Passage::CountOf(PassageKind::Page));
}

Passage PassageControls::Named() const
{
    return Passage::Make(Passage::kKinds[std::max(w_.passageKind->currentIndex(), 0)],
                         w_.passageNumber->value());
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
    const PassageKind kind = Passage::kKinds[std::max(w_.passageKind->currentIndex(), 0)];
    const int count = Passage::CountOf(kind);
    if (w_.passageNumber->value() > count) {
        ShowMessage("Varnel", QObject::tr("There is no %1 %2: the mushaf has %3 of them, numbered from 1.")
                                  .arg(QObject::tr(Passage::KindName(kind)))
                                  .arg(w_.passageNumber->value())
                                  .arg(count));
        w_.passageNumber->selectAll();
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
                    QObject::tr("%1 needs the sura packs of these suras, which are not installed:<br><br>%2")
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

void PassageControls::ShowHeart() { w_.juzProgress->SetAyas(w_.heart->GetAyas()); }

void PassageControls::ShowLearner()
{
    const Passage& last = record_.Drill().passage;
    if (last.Empty())
        return;
    const QSignalBlocker quietKind(w_.passageKind), quietNumber(w_.passageNumber);
    w_.passageKind->setCurrentIndex(int(last.Kind()));
    FitNumber();
    w_.passageNumber->setValue(last.Number());
}

void PassageControls::Remember(const Passage& passage)
{
    DrillSettings drill = record_.Drill();
    drill.inPassage = !passage.Empty();
    if (!passage.Empty())
        drill.passage = passage;
    std::string error;
    if (record_.Loaded() && !record_.SetDrill(drill, &error))
        ShowMessage("Varnel", QObject::tr("Your drill settings could not be saved:") + "<br>" +
                                  QString::fromStdString(error).toHtmlEscaped());
}
