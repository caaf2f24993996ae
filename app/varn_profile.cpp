// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles and the heart: saving, loading and creating a learner's profile, and jumping to an aya of
// the heart.
#include "draglabel.h"
#include "heart.h"
#include "messages.h"
#include "naming.h"
#include "recitation_session.h"
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

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

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
        ShowMessage("Varnel",
                    QObject::tr("Your profile could not be saved, so your heart is not stored yet:<br>%1"
                                "<br><br>Check that the folder \"profiles\" beside Varnel can be "
                                "written to, then use File &gt; Save Profile again.")
                        .arg(Html(error)));
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
    if (read.damaged) {
        QString note =
            read.backup.empty()
                ? QString()
                : "<br><br>" + QObject::tr("The file as it was is kept as %1.").arg(Html(read.backup));
        for (const std::string& reviewBackup : read.reviewBackups)
            note += "<br><br>" +
                    QObject::tr("Your review record as it was is kept as %1.").arg(Html(reviewBackup));
        for (const std::string& heldBack : read.reviewsHeldBack)
            note +=
                "<br><br>" + QObject::tr("There is no room to keep your review record %1 aside: it is left "
                                         "as it is, and your reviews are not saved over it.")
                                 .arg(Html(heldBack));
        ShowMessage(
            "Varnel",
            QObject::tr("The profile of %1 could not be read in full: %2.")
                    .arg(Html(name), Html(read.problem)) +
                (data.heart.empty()
                     ? QString()
                     : "<br><br>" + QObject::tr("The ayas of the heart that could be read are kept.")) +
                note +
                (data.currentAya.empty() ? "<br><br>" + QObject::tr("You start at the first aya of sura 114.")
                                         : QString()));
    }
    if (data.currentAya.empty())
        data.currentAya = kFirstAya;
    const std::string shownName = data.userName.empty() ? name : data.userName;
    w_.heart->MakeRoot(QObject::tr("%1's Heart").arg(QString::fromStdString(shownName)), Picture("love.png"));

    showTranslation_ = !data.textShown;
    ToggleEnglish(0);
    record_.SetHeart(data.heart);

    int sura = 0, aya = 0;
    SplitAyaKey(data.currentAya, &sura, &aya);
    const int index = ChooserIndexOf(sura);
    if (index >= 0) {
        ActivateSura(index);
        w_.chooser->setCurrentIndex(index);
    }
    ApplyStoredDevice();
    w_.heart->CloseComplete(2);
    w_.dragLabel->dragText = "all." + PadSura(IntToString(sura));
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
    w_.textPanel->clear();
    controls_->LoadLearner(ProfilePath(name), DrillControls::Learner::New);
    const int index = std::max(0, ChooserIndexOf(114));
    w_.chooser->setCurrentIndex(index);
    w_.heart->MakeRoot(QObject::tr("%1's Heart").arg(QString::fromStdString(name)), Picture("love.png"));
    record_.SetHeart({});
    // A new learner starts at the first aya of the sura, shown and silent.
    ShowSura(index);
    SetArabic(session_->CurrentAya());
    w_.suraProgress->setValue(0);
    ApplyStoredDevice();
    LoadRecitor();
    // Written at once, so that the learner's name survives a kill before the first change.
    SaveProfile();
}

void Varn::HeartProgress(int n)
{
    // The bar measures the installed suras; ayas of other suras are told beside it.
    const int installed = record_.Heart().CountIn(packs_.DistinctSuras());
    ShowHeartProgress(w_.heartProgress, installed, n - installed);
}

void Varn::ShowAya(QTreeWidgetItem* item, int)
{
    if (!item || Heart::KindOf(item) != Heart::Kind::Aya)
        return;
    int sura = 0, aya = 0;
    if (!SplitAyaKey(item->text(0).toStdString(), &sura, &aya))
        return;
    const int index = ChooserIndexOf(sura);
    if (index >= 0) {
        w_.chooser->setCurrentIndex(index);
        ActivateSura(index);
    }
    w_.heart->clearSelection();
    w_.heart->clearFocus();
    session_->PlayFromAya(sura, aya);
    SetTitle();
}
