// Sura packs and recitors, and the sura chooser.
#include "arabic.h"
#include "aya.h"
#include "draglabel.h"
#include "messages.h"
#include "naming.h"
#include "single.h"
#include "stack.h"
#include "sura.h"
#include "varn.h"
#include "whole.h"

#include <QComboBox>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>

namespace
{

const char kPacksSite[] = "https://varnel.lumora.example/packs";

} // namespace

std::vector<PackRecord> Varn::GetAllDats()
{
    return packs_.Scan();
}

void Varn::GetSuras()
{
    // The table of pack files is PackRegistry::Table(), compiled in.
    packs_.Clear();
    packs_.Register(GetAllDats());
    whole_->SetRes(currentPack_);
    single_->SetRes(currentPack_);
    stack_->SetRes(currentPack_);
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
    if (packs_.RegisteredNames().empty())
        ShowMessage(
            "Varnel",
            QString("It seems you downloaded only the main program<br>and you don't have any sura packs "
                    "installed!<br><br>Please goto ") +
                kPacksSite +
                " and download some sura packs!<br><br>If you have downloaded them, make sure you "
                "are installing them to where you installed Varnel 2.1!");
    FillChooser();
    KeepCurrentSura();
}

void Varn::ActivateSura(int index)
{
    const auto it = indexToSura_.find(index);
    const int sura = it == indexToSura_.end() ? 0 : it->second;
    if (const KelRes* pack = packs_.PackFor(sura))
        currentPack_ = *pack;
    whole_->SetRes(currentPack_);
    single_->SetRes(currentPack_);
    stack_->SetRes(currentPack_);
}

void Varn::FillChooser()
{
    Sura table;
    const std::map<std::string, std::string> titles = table.ShortTitles();
    const QIcon icon(Picture("quran.png"));
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
        const auto title = titles.find(PadSura(IntToString(n)));
        w_.chooser->addItem(icon,
                            title == titles.end() ? QString() : QString::fromLatin1(title->second.c_str()));
    }
    w_.chooser->setCurrentIndex(w_.chooser->count() - 1);
    // With nothing installed the bar stays empty rather than showing a busy animation (a 0..0 range).
    w_.heartProgress->setRange(0, std::max(total, 1));
}

int Varn::ChooserIndexOf(int sura) const
{
    const auto it = suraToIndex_.find(sura);
    return it == suraToIndex_.end() ? -1 : it->second;
}

void Varn::KeepCurrentSura()
{
    const int index = std::max(0, ChooserIndexOf(LeadingNumber(cursor_->GetSura())));
    w_.chooser->setCurrentIndex(index);
    ActivateSura(index);
}

void Varn::ShowSura(int index)
{
    ActivateSura(index);
    const auto entry = indexToSura_.find(index);
    const int n = entry == indexToSura_.end() ? 0 : entry->second;
    w_.dragLabel->dragText = "all." + IntToString(n);
    const auto current = indexToSura_.find(w_.chooser->currentIndex());
    cursor_->SetSura(PadSura(IntToString(current == indexToSura_.end() ? 0 : current->second)));
    cursor_->SetAya(1);
    SetMinMax();
    SetTitle();
    StopAllDrills();
    const std::string s = cursor_->GetSura();
    if (singleMode_) {
        ShowSingleAya();
    } else if (stackMode_) {
        stack_->GenerateStack(s, w_.fromSpin->value(), w_.toSpin->value());
        stack_->PauseTime(w_.pauseSpin->value());
    } else {
        whole_->GenerateWhole(s, w_.fromSpin->value(), w_.toSpin->value());
        whole_->PauseTime(w_.pauseSpin->value());
    }
    w_.ayaSlider->setTickInterval(1);
}

void Varn::SetSura(int index)
{
    ShowSura(index);
    // Choosing a sura starts its recitation, except in single mode, which waits for the learner.
    if (singleMode_)
        return;
    if (stackMode_)
        stack_->Play();
    else
        whole_->Play();
}

void Varn::Msg(const std::string& text)
{
    w_.ayaView->dragText = text;
}
