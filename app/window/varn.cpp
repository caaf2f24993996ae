// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: menus, widgets, owned objects and their connections.
#include "varn.h"

#include "app_settings.h"
#include "arabic.h"
#include "aya.h"
#include "central_area.h"
#include "config.h"
#include "data_folder.h"
#include "draglabel.h"
#include "file_write.h"
#include "heart.h"
#include "id_menu.h"
#include "interface_language.h"
#include "messages.h"
#include "naming.h"
#include "profile.h"
#include "recitation_session.h"
#include "review_panel.h"
#include "select_recitor.h"
#include "side_panels.h"
#include "sound_messages.h"
#include "window_actions.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

const char* const Varn::kSmallScreenText = QT_TRANSLATE_NOOP(
    "Varn", "ERROR: The screen size is too small! Please change to 800x600 resolution or higher");

Varn::Varn(QWidget* parent) : QMainWindow(parent)
{
    // What a write killed midway left beside the files the program writes.
    SweepStaleTemporaries(".");
    settings_.LoadAndTell();
    packs_.SetSharedRoot(SharedDataFolder().toStdString());

    setStatusBar(new QStatusBar(this));
    CreateDrills();
    CreateParts();
    CreateActions();
    heartPanel_->heart->SetRecord(&record_); // the tree shows the learner's record and sends it requests
    setWindowTitle("Varnel :: Lumora Software");
    ConnectControls();
    controls_->Connect();
    aids_->Connect();
    passages_->Connect();
    mine_->Connect();

    layout_->RestorePanels();

    GetSuras();
    FillChooser();
    SetMinMax();
    SetTitle();

    profile_ = std::make_unique<Profile>(nullptr);
    profile_->resize(320, 320);
    connect(profile_.get(), &Profile::UserName, this, &Varn::LoadProfile);
    connect(profile_.get(), &Profile::NewUser, this, &Varn::NewProfile);
    profile_->show();

    new PlaybackKeyFilter(this, session_.get());
}

Varn::~Varn() = default;

void Varn::CreateParts()
{
    centre_ = new CentralArea(this);
    setCentralWidget(centre_);
    heartPanel_ = new HeartPanel(this);
    reviewPanel_ = new ReviewPanel(this);
    settingsPanel_ = new SettingsPanel(this);
    recitationPanel_ = new RecitationPanel(this);
    layout_ = new WindowLayout(this, centre_->innerSplitter, settings_);
    // The Review panel stands at the top of its dock, whatever the dock's height.
    auto* review = new QWidget(this);
    auto* reviewColumn = new QVBoxLayout(review);
    reviewColumn->setContentsMargins(2, 2, 2, 2);
    reviewColumn->addWidget(reviewPanel_);
    reviewColumn->addStretch(1);
    layout_->AddPanels(heartPanel_, review, settingsPanel_, recitationPanel_);
    actions_ = new WindowActions(this);
    RecitationSession* session = session_.get();
    aids_ = new PracticeAids(this, centre_, settingsPanel_, *actions_, session, settings_, record_, packs_);
    controls_ = new DrillControls(this, centre_, settingsPanel_, session, record_, *aids_, settings_);
    passages_ =
        new PassageControls(this, centre_->top, heartPanel_, actions_->addPassage, session, packs_, record_);
    packDialogs_ = new PackDialogs(this, packs_);
    mine_ = new MyRecitation(this,
                             {recitationPanel_, layout_->Dock(recitationPanel_), centre_, heartPanel_,
                              settingsPanel_, *actions_, statusBar()},
                             session, record_, settings_, packs_);
}

void Varn::CreateActions()
{
    const WindowActions& a = *actions_;
    connect(a.saveProfile, &QAction::triggered, this, &Varn::SaveProfile);
    connect(a.loadProfile, &QAction::triggered, this, &Varn::LoadProfilePopup);
    connect(a.preferences, &QAction::triggered, this, &Varn::ShowConfig);
    connect(a.importRecordings, &QAction::triggered, packDialogs_, &PackDialogs::ShowImport);
    connect(a.exit, &QAction::triggered, this, &Varn::Exit);
    FillLanguageMenu();
    connect(a.language, &IdMenu::activated, this, &Varn::ChangeLang);
    actions_->ShowTextToggles(showTranslation_, showTransliteration_);
    connect(a.view, &IdMenu::activated, this, &Varn::ToggleEnglish);
    layout_->UseEntries(a.heartPanel, a.reviewPanel, a.settingsPanel, a.recitationPanel, a.resetLayout);
    interface_language::FillMenu(a.interfaceLanguage, settings_);
    connect(a.configRecitor, &QAction::triggered, this, &Varn::ShowRecitor);
    connect(a.installedPacks, &QAction::triggered, packDialogs_, &PackDialogs::ShowInstalled);
    connect(a.guide, &QAction::triggered, this, &Varn::Help);
    connect(a.about, &QAction::triggered, this, &Varn::About);
}

void Varn::ConnectControls()
{
    connect(&record_, &LearnerRecord::HeartChanged, this, &Varn::SyncReview);
    connect(reviewPanel_, &ReviewPanel::ReviewRequested, this, &Varn::StartReview);
    connect(reviewPanel_, &ReviewPanel::Graded, this, &Varn::GradeReview);
    connect(reviewPanel_, &ReviewPanel::UnitChosen, this, &Varn::ChooseReviewUnit);
    heartSave_.setSingleShot(true);
    heartSave_.setInterval(kHeartSaveDelayMs);
    connect(heartPanel_->heart, &QTreeWidget::itemDoubleClicked, this, &Varn::ShowAya);
    connect(&record_, &LearnerRecord::HeartChanged, this, &Varn::HeartProgress);
    connect(&record_, &LearnerRecord::HeartChanged, &heartSave_, qOverload<>(&QTimer::start));
    connect(&heartSave_, &QTimer::timeout, this, &Varn::SaveProfile);
    connect(heartPanel_->closeCompleted, &QCheckBox::stateChanged, heartPanel_->heart, &Heart::CloseComplete);
    connect(centre_->top->chooser, qOverload<int>(&QComboBox::activated), this, &Varn::SetSura);
    connect(centre_->ayaSlider, &QSlider::sliderMoved, this, &Varn::SlideChange);
    const Transport* t = centre_->transport;
    connect(t->nextButton, &QPushButton::clicked, this, &Varn::NextAya);
    connect(t->prevButton, &QPushButton::clicked, this, &Varn::PrevAya);
    connect(t->playButton, &QPushButton::clicked, this, &Varn::PlayAya);
    connect(t->stopButton, &QPushButton::clicked, this, &Varn::StopAya);
    const SingleBar* single = centre_->singleBar;
    connect(single->partSlider, &QSlider::sliderMoved, this, &Varn::AyaJump);
    connect(single->startSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::StartAyaChange);
    connect(single->endSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::EndAyaChange);
    connect(single->singleStart, &QPushButton::clicked, this, &Varn::SetStartAyaPos);
    connect(single->singleEnd, &QPushButton::clicked, this, &Varn::SetEndAyaPos);
    connect(single->singlePlay, &QPushButton::clicked, this, &Varn::PlayRSingleAya);
    connect(single->singleStop, &QPushButton::clicked, this, &Varn::StopSingleAya);
    connect(single->singlePrev, &QPushButton::clicked, this, &Varn::PrevSingleAya);
    connect(single->singleNext, &QPushButton::clicked, this, &Varn::NextSingleAya);
    const SettingsPanel* drill = settingsPanel_;
    connect(drill->repeatSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::SetRepeat);
    connect(drill->pauseSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::SetPause);
    connect(drill->rangeCheck, &QCheckBox::stateChanged, this, &Varn::SetRange);
    connect(drill->fromSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::SetMin);
    connect(drill->toSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::SetMax);
    connect(drill->loopCheck, &QCheckBox::stateChanged, this, &Varn::SetLoop);
    connect(drill->stackCheck, &QCheckBox::stateChanged, this, &Varn::SetStack);
    connect(drill->singleCheck, &QCheckBox::stateChanged, this, &Varn::SetSingleAya);
    connect(session_.get(), &RecitationSession::AyaShown, this,
            [this](AyaRef aya) { StackDesc(std::to_string(aya.sura), std::to_string(aya.aya)); });
    connect(passages_, &PassageControls::PassageChosen, this, &Varn::PlayPassage);
    connect(packDialogs_, &PackDialogs::RecitorChosen, this, &Varn::UpdateRecitor);
    connect(packDialogs_, &PackDialogs::PacksChanged, this, &Varn::LoadRecitor);
}

void Varn::CreateDrills()
{
    session_ = std::make_unique<RecitationSession>();
    RecitationSession* session = session_.get();
    connect(session->Cursor(), &Arabic::End, this, &Varn::EndOfSura);
    connect(session->Cursor(), &Arabic::Begin, this, &Varn::BeginOfSura);
    connect(session, &RecitationSession::AyaShown, this, [this](AyaRef aya) { SetArabic(aya.Key()); });
    soundMessages_ = new SoundMessages(this);
    soundMessages_->Watch(session);
    // A lesson that crosses suras plays each aya from the pack that holds it.
    session->SetPackFinder([this](const std::string& name) { return packs_.PackHolding(name); });
}

void Varn::OnExit()
{
    layout_->Save();
    if (!userName_.empty())
        SaveProfile();
}

void Varn::SaveBeforeAbruptEnd()
{
    SetMessagePresenter([](const QString&, const QString&) {});
    if (!userName_.empty())
        SaveProfile();
    profileLock_.Release();
}

void Varn::Exit() { QApplication::exit(0); }

void Varn::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    Exit();
}

void Varn::LoadProfilePopup() { profile_->show(); }

void Varn::ShowRecitor() { packDialogs_->ShowRecitor(); }
