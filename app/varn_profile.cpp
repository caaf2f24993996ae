// Profiles and the heart: saving, loading and creating a learner's profile, and jumping to an aya of
// the heart.
#include "arabic.h"
#include "draglabel.h"
#include "file_write.h"
#include "heart.h"
#include "messages.h"
#include "naming.h"
#include "profile_file.h"
#include "single.h"
#include "stack.h"
#include "varn.h"
#include "whole.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QSpinBox>
#include <QTextBrowser>

namespace
{

const char kProfilesDir[] = "profiles";
const char kFirstAya[] = "114.001";

std::string ProfilePath(const std::string& name)
{
    return std::string(kProfilesDir) + "/" + ProfileFileName(name);
}

QString Html(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

void Varn::SaveProfile()
{
    heartSave_.stop();
    if (userName_.empty())
        return;
    ProfileData data;
    data.userName = userName_;
    data.heart = w_.heart->GetAyas();
    data.textShown = showTranslation_ || showTransliteration_;
    data.currentAya = cursor_->GetCurAya();
    std::string error;
    if (!MakeFolder(kProfilesDir, &error) || !SaveProfileFile(ProfilePath(userName_), data, &error))
        ShowMessage("Varnel",
                    "Your profile could not be saved, so your heart is not stored yet:<br>" + Html(error) +
                        "<br><br>Check that the folder \"profiles\" beside Varnel can be written to, "
                        "then use File &gt; Save Profile again.");
}

void Varn::LoadProfile(const std::string& name)
{
    if (!userName_.empty())
        SaveProfile();
    userName_ = name;
    w_.heart->clear();

    ProfileData data;
    std::string problem;
    const std::string path = ProfilePath(name);
    if (!ReadProfile(path, &data, &problem)) {
        QString note;
        // Keep the damaged file: the next save replaces it with what could be read.
        const QString backup = QString::fromStdString(path) + ".bak";
        if (QFile::exists(QString::fromStdString(path))) {
            QFile::remove(backup);
            if (QFile::copy(QString::fromStdString(path), backup))
                note = "<br><br>The file as it was is kept as " + backup.toHtmlEscaped() + ".";
        }
        ShowMessage("Varnel",
                    "The profile of " + Html(name) + " could not be read in full: " + Html(problem) + "." +
                        (data.heart.empty()
                             ? QString()
                             : QString("<br><br>The ayas of the heart that could be read are kept.")) +
                        note +
                        (data.currentAya.empty() ? QString("<br><br>You start at the first aya of sura 114.")
                                                 : QString()));
    }
    if (data.currentAya.empty())
        data.currentAya = kFirstAya;
    const std::string shownName = data.userName.empty() ? name : data.userName;
    w_.heart->MakeRoot(QString::fromStdString(shownName + "'s Heart"), Picture("love.png"));

    showTranslation_ = !data.textShown;
    ToggleEnglish(0);
    w_.heart->LoadSuras(data.heart, true);

    int sura = 0, aya = 0;
    SplitAyaKey(data.currentAya, &sura, &aya);
    const int index = ChooserIndexOf(sura);
    if (index >= 0)
        ActivateSura(index);
    cursor_->SetSura(PadSura(IntToString(sura)));
    cursor_->SetAya(aya);
    SetMinMax();
    SetTitle();
    ApplyStoredDevice();
    if (index >= 0)
        w_.chooser->setCurrentIndex(index);
    whole_->GenerateWhole(cursor_->GetSura(), w_.fromSpin->value(), w_.toSpin->value());
    whole_->PauseTime(w_.pauseSpin->value());
    w_.heart->CloseComplete(2);
    w_.dragLabel->dragText = "all." + PadSura(IntToString(sura));
    SetArabic(cursor_->GetCurAya());
    whole_->Cue(aya);
    LoadRecitor();
    heartSave_.stop(); // the heart was only read in: nothing new to save
}

void Varn::NewProfile(const std::string& name)
{
    if (!userName_.empty())
        SaveProfile();
    userName_ = name;
    w_.heart->clear();
    w_.textPanel->clear();
    const int index = std::max(0, ChooserIndexOf(114));
    w_.chooser->setCurrentIndex(index);
    w_.heart->MakeRoot(QString::fromStdString(name + "'s Heart"), Picture("love.png"));
    w_.heart->LoadSuras({}, true);
    // A new learner starts at the first aya of the sura, shown and silent.
    ShowSura(index);
    if (!singleMode_)
        SetArabic(cursor_->GetCurAya());
    w_.suraProgress->setValue(0);
    ApplyStoredDevice();
    LoadRecitor();
    heartSave_.stop();
}

void Varn::HeartProgress(int n)
{
    w_.heartProgress->setValue(n);
}

void Varn::ShowAya(QTreeWidgetItem* item, int)
{
    if (!item || Heart::KindOf(item->text(0)) != Heart::Kind::Aya)
        return;
    int sura = 0, aya = 0;
    if (!SplitAyaKey(item->text(0).toStdString(), &sura, &aya))
        return;
    const int index = ChooserIndexOf(sura);
    if (index >= 0) {
        w_.chooser->setCurrentIndex(index);
        ActivateSura(index);
    }
    cursor_->SetSura(PadSura(IntToString(sura)));
    cursor_->SetAya(aya);
    w_.heart->clearSelection();
    w_.heart->clearFocus();
    SetMinMax();
    if (singleMode_) {
        whole_->Stop();
        stack_->Stop();
        single_->Stop();
        SingleSetMaxLen();
        // The learner double-clicked this aya: show it, as the other modes do by playing it.
        SetTitle();
        SetArabic(cursor_->GetCurAya());
    } else if (stackMode_) {
        StackDone();
        w_.fromSpin->setValue(aya);
        SetTitle();
        whole_->Stop();
        single_->Stop();
        stack_->Stop();
        stack_->GenerateStack(cursor_->GetSura(), aya, w_.toSpin->value());
        stack_->PauseTime(w_.pauseSpin->value());
        stack_->Play();
    } else {
        SetTitle();
        stack_->Stop();
        whole_->Stop();
        single_->Stop();
        whole_->GenerateWhole(cursor_->GetSura(), w_.fromSpin->value(), w_.toSpin->value());
        whole_->PauseTime(w_.pauseSpin->value());
        whole_->GoTo(aya);
    }
}
