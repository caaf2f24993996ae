// SPDX-License-Identifier: GPL-3.0-or-later
// Sura packs and recitors, and the sura chooser.
#include "aya.h"
#include "draglabel.h"
#include "heart.h"
#include "interface_language.h"
#include "messages.h"
#include "naming.h"
#include "recitation_session.h"
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
    w_.chooser->clear();
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
    w_.chooser->clear();
    packs_.Register(chosen);
    packDialogs_->TellDamaged();
    packDialogs_->TellIfNone();
    FillChooser();
    KeepCurrentSura();
}

void Varn::ActivateSura(int index)
{
    const auto it = indexToSura_.find(index);
    const int sura = it == indexToSura_.end() ? 0 : it->second;
    if (const KelRes* pack = packs_.PackFor(sura))
        currentPack_ = *pack;
    session_->SetPack(currentPack_);
}

void Varn::FillChooser()
{
    const Sura& table = SuraTable();
    const QIcon icon = IconFromResource("quran.png");
    w_.chooser->clear();
    indexToSura_.clear();
    suraToIndex_.clear();
    int total = 0;
    // Each sura once, however many packs cover it: the heart's total counts every installed aya once.
    const std::vector<int> suras = packs_.DistinctSuras();
    for (size_t i = 0; i < suras.size(); ++i) {
        const int n = suras[i];
        total += table.AyaCount(IntToString(n));
        indexToSura_[int(i)] = n;
        suraToIndex_[n] = int(i);
        w_.chooser->addItem(icon, interface_language::SuraName(n));
    }
    w_.chooser->setCurrentIndex(w_.chooser->count() - 1);
    // With nothing installed the bar stays empty rather than showing a busy animation (a 0..0 range).
    w_.heartProgress->setRange(0, std::max(total, 1));
    HeartProgress(record_.Heart().Count());
}

void Varn::changeEvent(QEvent* event)
{
    // Words are written anew control by control; what the window composes in them, it writes again.
    if (event->type() == QEvent::LanguageChange && session_) {
        for (const auto& [index, sura] : indexToSura_)
            w_.chooser->setItemText(index, interface_language::SuraName(sura));
        SetTitle();
        if (!currentKey_.empty())
            SetArabic(currentKey_);
        UpdateStatusLine();
        HeartProgress(record_.Heart().Count());
        ShowReview();
        if (QTreeWidgetItem* root = w_.heart->topLevelItem(0); root && !userName_.empty())
            root->setText(0, QObject::tr("%1's Heart").arg(QString::fromStdString(userName_)));
    }
    QMainWindow::changeEvent(event);
}

int Varn::ChooserIndexOf(int sura) const
{
    const auto it = suraToIndex_.find(sura);
    return it == suraToIndex_.end() ? -1 : it->second;
}

void Varn::KeepCurrentSura()
{
    const int index = std::max(0, ChooserIndexOf(LeadingNumber(session_->SuraKey())));
    w_.chooser->setCurrentIndex(index);
    ActivateSura(index);
}

void Varn::ShowSura(int index)
{
    ActivateSura(index);
    const auto entry = indexToSura_.find(index);
    w_.dragLabel->dragText = "all." + IntToString(entry == indexToSura_.end() ? 0 : entry->second);
    const auto current = indexToSura_.find(w_.chooser->currentIndex());
    session_->ChooseSura(current == indexToSura_.end() ? 0 : current->second);
    SetTitle();
    w_.ayaSlider->setTickInterval(1);
}

void Varn::SetSura(int index)
{
    passages_->Remember(Passage()); // a sura chosen leaves the passage
    ShowSura(index);
    session_->Start(); // single mode waits for the learner
}

void Varn::PlayPassage(const Passage& passage)
{
    const int index = ChooserIndexOf(passage.Segments().front().sura);
    if (index >= 0) {
        w_.chooser->setCurrentIndex(index);
        ActivateSura(index);
    }
    session_->ChoosePassage(passage);
    passages_->Remember(passage);
    titledSura_ = 0;   // the title names the passage from its first aya on
    session_->Start(); // its first aya, shown, names the passage in the title
}

void Varn::Msg(const std::string& text) { w_.ayaView->dragText = text; }
