// SPDX-License-Identifier: GPL-3.0-or-later
// Sura packs and recitors, and the sura chooser.
#include "aya.h"
#include "central_area.h"
#include "draglabel.h"
#include "heart.h"
#include "interface_language.h"
#include "messages.h"
#include "naming.h"
#include "profile.h"
#include "recitation_session.h"
#include "side_panels.h"
#include "sura.h"
#include "varn.h"

#include <QComboBox>
#include <QEvent>
#include <QProgressBar>
#include <QSlider>

std::vector<PackRecord> Varn::GetAllDats() { return packs_.Scan(); }

void Varn::GetSuras()
{
    // The table of pack files is PackRegistry::Table(), compiled in.
    packs_.Clear();
    packs_.Register(GetAllDats());
    packDialogs_->TellDamaged();
    session_->SetPack(currentPack_);
}

std::vector<PackRecord> Varn::LoadReciteINI()
{
    packs_.Clear();
    centre_->top->chooser->clear();
    return packs_.LoadReciteIni();
}

void Varn::LoadRecitor()
{
    std::string error;
    if (!packs_.ReconcileReciteIni(&error))
        ShowMessage("Varnel", QString::fromStdString(error).toHtmlEscaped());
    UpdateRecitor();
}

void Varn::UpdateRecitor()
{
    const std::vector<PackRecord> chosen = packs_.ChosenRecords();
    packs_.Clear();
    centre_->top->chooser->clear();
    packs_.Register(chosen);
    packDialogs_->TellDamaged();
    packDialogs_->TellIfNone();
    FillChooser();
    KeepCurrentSura();
}

void Varn::ActivateSura(int index)
{
    const int sura = centre_->top->SuraAt(index);
    if (const KelRes* pack = packs_.PackFor(sura))
        currentPack_ = *pack;
    session_->SetPack(currentPack_);
}

void Varn::FillChooser()
{
    // Each sura once, however many packs cover it: the heart's total counts every installed aya once.
    const std::vector<int> suras = packs_.DistinctSuras();
    centre_->top->ShowSuras(suras);
    int total = 0;
    for (int sura : suras)
        total += SuraTable().AyaCount(IntToString(sura));
    // With nothing installed the bar stays empty rather than showing a busy animation (a 0..0 range).
    heartPanel_->heartProgress->setRange(0, std::max(total, 1));
    HeartProgress(record_.Heart().Count());
}

void Varn::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && session_)
        Retranslate();
    QMainWindow::changeEvent(event);
}

void Varn::Retranslate()
{
    actions_->Retranslate();
    interface_language::RetranslateMenu(actions_->interfaceLanguage);
    layout_->Retranslate();
    SetTitle();
    if (!currentKey_.empty())
        SetArabic(currentKey_);
    aids_->UpdateStatusLine();
    HeartProgress(record_.Heart().Count());
    ShowReview();
    mine_->Retranslate();
    controls_->Retranslate();
}

void Varn::KeepCurrentSura()
{
    const int index = std::max(0, centre_->top->IndexOf(LeadingNumber(session_->SuraKey())));
    centre_->top->chooser->setCurrentIndex(index);
    ActivateSura(index);
}

void Varn::ShowSura(int index)
{
    ActivateSura(index);
    centre_->top->dragLabel->dragText = "all." + IntToString(centre_->top->SuraAt(index));
    session_->ChooseSura(centre_->top->SuraAt(centre_->top->chooser->currentIndex()));
    SetTitle();
    centre_->ayaSlider->setTickInterval(1);
}

void Varn::SetSura(int index)
{
    passages_->Remember(Passage()); // a sura chosen leaves the passage
    ShowSura(index);
    session_->Start(); // single mode waits for the learner
}

void Varn::PlayPassage(const Passage& passage)
{
    const int index = centre_->top->IndexOf(passage.Segments().front().sura);
    if (index >= 0) {
        centre_->top->chooser->setCurrentIndex(index);
        ActivateSura(index);
    }
    session_->ChoosePassage(passage);
    passages_->Remember(passage);
    titledSura_ = 0;   // the title names the passage from its first aya on
    session_->Start(); // its first aya, shown, names the passage in the title
}

void Varn::Msg(const std::string& text) { centre_->ayaView->dragText = text; }
