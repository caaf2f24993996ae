// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles and the heart: saving, loading and creating a learner's profile, and jumping to an aya of
// the heart.
#include "central_area.h"
#include "draglabel.h"
#include "heart.h"
#include "messages.h"
#include "naming.h"
#include "profile_guard.h"
#include "recitation_session.h"
#include "side_panels.h"
#include "varn.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTextBrowser>
#include <algorithm>

namespace
{

const char kFirstAya[] = "114.001";

std::string ProfilePath(const std::string& name) { return LearnerRecord::ProfilePath(name); }

} // namespace

void Varn::SaveProfile()
{
    heartSave_.stop();
    if (userName_.empty())
        return;
    ProfileData data;
    data.userName = userName_;
    data.heart = record_.Heart().Keys();
    data.textShown = showTranslation_ || showTransliteration_;
    // With no pack installed there is no aya to be at: the learner starts at the first aya of sura 114.
    data.currentAya = session_->AyaCount() > 0 ? session_->CurrentAya() : kFirstAya;
    std::string error;
    if (!LearnerRecord::SaveProfileFile(ProfilePath(userName_), data, &error))
        ShowMessage("Varnel", UnsavedProfileText(error));
}

void Varn::LoadProfile(const std::string& name)
{
    // The learner leaving is saved while the lock still guards the file; then the lock passes to the
    // one coming (the learner's files are written by one program at a time).
    if (!userName_.empty())
        SaveProfile();
    if (!GuardProfile(profileLock_, name, ProfilePath(name))) {
        LoadProfilePopup();
        return;
    }
    userName_ = name;
    controls_->LoadLearner(ProfilePath(name));
    passages_->ShowLearner();

    LearnerRecord::ProfileRead read = record_.ReadProfileFile(ProfilePath(name));
    ProfileData& data = read.data;
    if (read.damaged)
        ShowMessage("Varnel", DamagedProfileText(name, read));
    if (data.currentAya.empty())
        data.currentAya = kFirstAya;
    heartPanel_->ShowLearner(QString::fromStdString(data.userName.empty() ? name : data.userName));

    showTranslation_ = !data.textShown;
    ToggleEnglish(0);
    record_.SetHeart(data.heart);

    int sura = 0, aya = 0;
    SplitAyaKey(data.currentAya, &sura, &aya);
    const int index = centre_->top->IndexOf(sura);
    if (index >= 0) {
        ActivateSura(index);
        centre_->top->chooser->setCurrentIndex(index);
    }
    ApplyStoredDevice();
    heartPanel_->heart->CloseComplete(2);
    centre_->top->dragLabel->dragText = "all." + PadSura(IntToString(sura));
    if (record_.Drill().inPassage) // the learner left off in a passage: back in it, if the aya lies there
        session_->ChoosePassage(record_.Drill().passage);
    session_->CueAya(sura, aya);
    SetTitle();
    LoadRecitor();
    heartSave_.stop(); // the heart was only read in: nothing new to save
}

void Varn::NewProfile(const std::string& name)
{
    if (!userName_.empty())
        SaveProfile();
    if (!GuardProfile(profileLock_, name, ProfilePath(name))) {
        LoadProfilePopup();
        return;
    }
    userName_ = name;
    centre_->textPanel->clear();
    controls_->LoadLearner(ProfilePath(name), DrillControls::Learner::New);
    const int index = std::max(0, centre_->top->IndexOf(114));
    centre_->top->chooser->setCurrentIndex(index);
    heartPanel_->ShowLearner(QString::fromStdString(name));
    record_.SetHeart({});
    // A new learner starts at the first aya of the sura, shown and silent.
    ShowSura(index);
    SetArabic(session_->CurrentAya());
    settingsPanel_->suraProgress->setValue(0);
    ApplyStoredDevice();
    LoadRecitor();
    // Written at once, so that the learner's name survives a kill before the first change.
    SaveProfile();
}

void Varn::HeartProgress(int n)
{
    // The bar measures the installed suras; ayas of other suras are told beside it.
    const int installed = record_.Heart().CountIn(packs_.DistinctSuras());
    heartPanel_->ShowProgress(installed, n - installed);
}

void Varn::ShowAya(QTreeWidgetItem* item, int)
{
    const AyaRef chosen = Heart::AyaOf(item);
    if (!chosen.Valid())
        return;
    const int sura = chosen.sura, aya = chosen.aya;
    const int index = centre_->top->IndexOf(sura);
    if (index >= 0) {
        centre_->top->chooser->setCurrentIndex(index);
        ActivateSura(index);
    }
    heartPanel_->heart->clearSelection();
    heartPanel_->heart->clearFocus();
    session_->PlayFromAya(sura, aya);
    SetTitle();
}
