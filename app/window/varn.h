// SPDX-License-Identifier: GPL-3.0-or-later
// Varn is the main window: the aya's picture and text in the centre, with the chooser above them and
// the transport under them; the heart, the Review panel, the settings and My Recitation in panels beside. Its
// slots are wiring: each does the widget work and leaves the rules to the classes of its subsystem (packs,
// drills, profile file, heart).
#pragma once

#include "drill_controls.h"
#include "kelres.h"
#include "languages.h"
#include "learner_record.h"
#include "my_recitation.h"
#include "pack_dialogs.h"
#include "pack_registry.h"
#include "passage_controls.h"
#include "playback_keys.h"
#include "practice_aids.h"
#include "profile_guard.h"
#include "recitation_session.h"
#include "review_book.h"
#include "self_test.h"
#include "window_actions.h"
#include "window_layout.h"
#include "window_settings.h"

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Arabic;
class CentralArea;
class Config;
class HeartPanel;
class Profile;
class QTreeWidgetItem;
class RecitationPanel;
class RecitationSession;
class ReviewPanel;
class SelectRecitor;
class SettingsPanel;
class SoundMessages;

class Varn : public QMainWindow
{
    Q_OBJECT
  public:
    explicit Varn(QWidget* parent = nullptr);
    ~Varn() override;

    // For the entry point: the message shown when the screen is too small, and the check itself.
    static const char* const kSmallScreenText;
    // The dynamic property that names the picture of a menu item's icon ("check.png").
    static constexpr const char* kIconNameProperty = WindowActions::kIconNameProperty;
    static bool ScreenLargeEnough(const QSize& screen)
    {
        return screen.width() >= 800 && screen.height() >= 600;
    }
    // Centred geometry above 1100 x 800 in either direction, else maximised.
    static bool PlaceCentred(const QSize& screen) { return screen.width() > 1100 || screen.height() > 800; }
    // How long after a change of the heart the profile is saved.
    static constexpr int kHeartSaveDelayMs = 700;

    // Owned objects, for the tests and the entry point; the controls are found as a learner's tools find
    // them, by their names.
    RecitationSession* Session() const { return session_.get(); }
    Arabic* Cursor() const { return session_->Cursor(); }
    Profile* ProfileDialog() const { return profile_.get(); }
    // The sound settings dialog; null until ShowConfig() first builds it.
    Config* ConfigDialog() const { return config_.get(); }
    SelectRecitor* RecitorDialog() { return packDialogs_->Recitor(); }
    PackDialogs* Dialogs() const { return packDialogs_; }
    const PackRegistry& Packs() const { return packs_; }
    const KelRes& CurrentPack() const { return currentPack_; }
    const std::string& UserNameNow() const { return userName_; }
    bool ShowTranslation() const { return showTranslation_; }
    bool ShowTransliteration() const { return showTransliteration_; }
    bool LanguagePackChosen() const { return languagePackFlag_; }
    const std::string& CurrentKey() const { return currentKey_; }
    const ReviewBook& Review() const { return record_.Review(); }
    const LearnerRecord& Record() const { return record_; }
    PassageControls* Passages() const { return passages_; }
    MyRecitation* Mine() const { return mine_; }
    WindowLayout* Layout() const { return layout_; }

    // The process ends without its event loop (the display went away): the learner's profile is written
    // and its lock released, without a message box, which there is no display to show.
    void SaveBeforeAbruptEnd();

  public slots:
    // Start-up and exit
    void OnExit();
    void Exit();
    void LoadProfilePopup();
    void ShowRecitor();
    // Menus, About, Help and language
    void About();
    void Help();
    void ChangeLang(int id);
    // Sura selection
    void SetSura(int index);
    void Msg(const std::string& text);
    // Packs and recitors
    void GetSuras();
    std::vector<PackRecord> GetAllDats();
    std::vector<PackRecord> LoadReciteINI();
    void LoadRecitor();
    void UpdateRecitor();
    void ActivateSura(int index);
    // Aya display
    void SetArabic(const std::string& key);
    void ToggleEnglish(int which);
    void SetTitle();
    void SeePic(const std::string& path);
    // Shows the aya's picture (non-zero) or hides it, as Practice > Hide the aya does.
    void ToggleArabic(int shown);
    // Playback controls: each request goes to the session, which decides what plays; the drill settings
    // go to the learner's record, which keeps them and hands them on to the session.
    void Play(const std::string&) { session_->Play(); }
    void PlayAya() { session_->Play(); }
    void NextAya() { session_->Next(); }
    void PrevAya() { session_->Previous(); }
    void StopAya() { controls_->Stop(); }
    void SetRepeat(int n);
    void SetPause(int seconds);
    void SetMinMax() { session_->FitRange(); }
    void SetRange(int state) { controls_->SetRange(state); }
    void SetMin(int aya) { session_->SetFrom(aya); }
    void SetMax(int aya) { session_->SetTo(aya); }
    void SetLoop(int state) { controls_->SetLoop(state); }
    void SetStack(int state) { controls_->SetStack(state); }
    void SetSingleAya(int state) { controls_->SetSingleAya(state); }
    void StackStat(int index, int last) { controls_->ShowProgress(index, last); }
    // The entry playing, told to screen readers with the sura's progress bar.
    void StackDesc(const std::string& sura, const std::string& aya) { controls_->DescribeEntry(sura, aya); }
    void StackDone() { controls_->ResetProgress(); }
    void SlideChange(int aya) { session_->SlideTo(aya); }
    // A step refused at the sura's last (first) aya: said in the status bar.
    void EndOfSura();
    void BeginOfSura();
    // The single-aya bar.
    void SetCurAyaPos(int ms);
    void AyaJump(int ms) { session_->JumpInPart(ms); }
    void SetStartAyaPos() { controls_->MarkPartStart(); }
    void SetEndAyaPos() { controls_->MarkPartEnd(); }
    void StartAyaChange(int ms);
    void EndAyaChange(int ms);
    void PlayRSingleAya() { session_->Play(); }
    void StopSingleAya() { controls_->Stop(); }
    void PrevSingleAya() { session_->Previous(); }
    void NextSingleAya() { session_->Next(); }
    void SingleSetMaxLen() { session_->FitPart(); }
    // Sound settings
    void ShowConfig();
    void UpdatePrefs();
    // Profiles and the heart
    void SaveProfile();
    void LoadProfile(const std::string& name);
    void NewProfile(const std::string& name);
    void HeartProgress(int n);
    void ShowAya(QTreeWidgetItem* item, int column = 0);

  protected:
    // Closing the window ends the run, as "&Exit" does, whatever dialogs are open.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private slots:
    // A passage of the mushaf, its packs installed: shown from its first aya, and played.
    void PlayPassage(const Passage& passage);
    // Review: the book follows the heart; an item plays in the review drill and is graded.
    void SyncReview();
    void StartReview(int sura, int first);
    // Review items by page (or by sura), kept for the learner.
    void ChooseReviewUnit(bool pages);
    void GradeReview(int sura, int first, fsrs::Grade grade);

  private:
    // Builds the window's parts (the centre and the panels) and the classes that drive them.
    void CreateParts();
    // Connects the menus' actions to the window's slots.
    void CreateActions();
    // Connects the widgets' signals to the window's slots.
    void ConnectControls();
    // Writes what the window composes (sura names, title, the aya's text, status, heart) in the language
    // now spoken; each part writes its own words.
    void Retranslate();
    void CreateDrills();
    void FillLanguageMenu();
    void FillChooser();
    // Selects the chooser entry of the cursor's sura and activates its pack (after a refill).
    void KeepCurrentSura();
    // Points everything at the sura of chooser entry index (pack, cursor at aya 1, boxes, title) and
    // builds the active drill's list; plays nothing.
    void ShowSura(int index);
    void ApplyStoredDevice();

    CentralArea* centre_ = nullptr;
    HeartPanel* heartPanel_ = nullptr;
    SettingsPanel* settingsPanel_ = nullptr;
    RecitationPanel* recitationPanel_ = nullptr;
    ReviewPanel* reviewPanel_ = nullptr;
    WindowActions* actions_ = nullptr;
    std::unique_ptr<RecitationSession> session_;
    // Top-level windows of their own, so without a parent.
    std::unique_ptr<Profile> profile_;
    std::unique_ptr<Config> config_;
    PackDialogs* packDialogs_ = nullptr;
    std::unique_ptr<QWidget> guide_;
    SoundMessages* soundMessages_ = nullptr;

    PackRegistry packs_;
    KelRes currentPack_;

    LanguageList languages_;
    int currentLanguage_ = 0;
    bool languagePackFlag_ = false;
    KelRes languagePack_;

    std::string userName_;
    // Held while a profile is loaded: a second program asking for it is refused.
    ProfileLock profileLock_;
    std::string currentKey_;
    int titledSura_ = 0; // the sura the title names
    std::string pictureName_, translationName_, transliterationName_;

    // Saves the profile soon after each change of the heart, so a crash or a kill loses at most that
    // moment; the explicit saving points stay as they are.
    QTimer heartSave_;

    // The practice aids and the status line; the playback controls.
    PracticeAids* aids_ = nullptr;
    DrillControls* controls_ = nullptr;
    PassageControls* passages_ = nullptr;
    MyRecitation* mine_ = nullptr;
    WindowLayout* layout_ = nullptr;
    // The working folder's own settings, varnel.ini, read once at start.
    WindowSettings settings_;

    // What the learner keeps beside the profile: heart, review, practice aids, drill settings.
    LearnerRecord record_;
    void ShowReview();

    bool showTranslation_ = true;
    bool showTransliteration_ = false;
};
