// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: menus, widgets, owned objects and their connections.
#include "varn.h"

#include "app_settings.h"
#include "arabic.h"
#include "aya.h"
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
#include "sound_messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QStatusBar>

const char* const Varn::kSmallScreenText = QT_TRANSLATE_NOOP(
    "QObject", "ERROR: The screen size is too small! Please change to 800x600 resolution or higher");

QPixmap Varn::Picture(const char* name) const { return PixmapFromResource(name); }

Varn::Varn(QWidget* parent) : QMainWindow(parent)
{
    // What a write killed midway left beside the files the program writes.
    SweepStaleTemporaries(".");
    settings_.LoadAndTell();
    packs_.SetSharedRoot(SharedDataFolder().toStdString());

    setStatusBar(new QStatusBar(this));
    CreateDrills();
    aids_ = new PracticeAids(this, w_, session_.get(), settings_, record_, packs_);
    controls_ = new DrillControls(this, w_, session_.get(), record_, *aids_, settings_);
    passages_ = new PassageControls(this, w_, session_.get(), packs_, record_);
    packDialogs_ = new PackDialogs(this, packs_);
    mine_ = new MyRecitation(this, w_, session_.get(), record_, settings_, packs_);
    BuildCentralArea(this, w_);
    BuildPanels(this, w_);
    layout_ = new WindowLayout(this, w_, settings_);
    CreateMenus();
    w_.heart->SetRecord(&record_); // the tree shows the learner's record and sends it requests
    setWindowTitle("Varnel :: Lumora Software");
    ConnectControls();
    controls_->Connect();
    aids_->Connect();
    passages_->Connect();
    mine_->Connect();
    connect(passages_, &PassageControls::PassageChosen, this, &Varn::PlayPassage);

    layout_->RestorePanels();

    GetSuras();
    FillChooser();
    SetMinMax();
    SetTitle();

    profile_ = std::make_unique<Profile>(nullptr);
    profile_->setWindowTitle(QObject::tr("Load or Create Profile"));
    profile_->resize(320, 320);
    connect(profile_.get(), &Profile::UserName, this, &Varn::LoadProfile);
    connect(profile_.get(), &Profile::NewUser, this, &Varn::NewProfile);
    profile_->show();

    connect(packDialogs_, &PackDialogs::RecitorChosen, this, &Varn::UpdateRecitor);
    connect(packDialogs_, &PackDialogs::PacksChanged, this, &Varn::LoadRecitor);

    new PlaybackKeyFilter(this, session_.get());
}

Varn::~Varn() = default;

void Varn::CreateMenus()
{
    w_.file = new IdMenu(this);
    w_.file->addAction(IconFromResource("save.png"), QObject::tr("&Save Profile"), this, &Varn::SaveProfile);
    w_.file->addAction(IconFromResource("load.png"), QObject::tr("&New/Load Profile"), this,
                       &Varn::LoadProfilePopup);
    w_.file->addAction(IconFromResource("pref.png"), QObject::tr("&Preferences"), this, &Varn::ShowConfig);
    w_.file->addAction(IconFromResource("load.png"), QObject::tr("&Import Recordings..."), packDialogs_,
                       &PackDialogs::ShowImport);
    w_.file->addAction(IconFromResource("exit.png"), QObject::tr("&Exit"), this, &Varn::Exit);

    w_.language = new IdMenu(this);
    SetItemIcon(w_.language->InsertItem(QIcon(), "English", 0), "check.png");
    FillLanguageMenu();
    connect(w_.language, &IdMenu::activated, this, &Varn::ChangeLang);

    w_.view = new IdMenu(this);
    SetItemIcon(w_.view->InsertItem(QIcon(), QObject::tr("&Hide Translation"), 0, 0), "xmark.png");
    SetItemIcon(w_.view->InsertItem(QIcon(), QObject::tr("&Show Transliteration"), 1, 0), "check.png");
    w_.view->addSeparator();
    layout_->CreateActions(w_.view);
    aids_->CreateActions();
    passages_->CreateActions(w_.practice, this);
    interface_language::FillMenu(w_.view->addMenu(tr("Interface &Language")), settings_);
    connect(w_.view, &IdMenu::activated, this, &Varn::ToggleEnglish);

    w_.recitor = new IdMenu(this);
    w_.recitor->addAction(IconFromResource("pref.png"), QObject::tr("&Config Recitor"), this,
                          &Varn::ShowRecitor);
    w_.recitor->addAction(QObject::tr("&Installed Packs..."), packDialogs_, &PackDialogs::ShowInstalled);

    w_.help = new IdMenu(this);
    w_.help->addAction(IconFromResource("help.png"), QObject::tr("&Help"), this, &Varn::Help);
    w_.help->addAction(IconFromResource("about.png"), QObject::tr("&About"), this, &Varn::About);

    auto* bar = new QMenuBar(this);
    const std::pair<const char*, QMenu*> menus[] = {{QT_TRANSLATE_NOOP("QObject", "&File"), w_.file},
                                                    {QT_TRANSLATE_NOOP("QObject", "&View"), w_.view},
                                                    {QT_TRANSLATE_NOOP("QObject", "&Recitor"), w_.recitor},
                                                    {QT_TRANSLATE_NOOP("QObject", "&Language"), w_.language},
                                                    {QT_TRANSLATE_NOOP("QObject", "&Help"), w_.help}};
    for (const auto& [title, menu] : menus) {
        menu->setTitle(QObject::tr(title));
        bar->addMenu(menu);
    }
    setMenuBar(bar);
}

void Varn::ConnectControls()
{
    connect(&record_, &LearnerRecord::HeartChanged, this, &Varn::SyncReview);
    connect(w_.reviewPanel, &ReviewPanel::ReviewRequested, this, &Varn::StartReview);
    connect(w_.reviewPanel, &ReviewPanel::Graded, this, &Varn::GradeReview);
    connect(w_.reviewPanel, &ReviewPanel::UnitChosen, this, &Varn::ChooseReviewUnit);
    heartSave_.setSingleShot(true);
    heartSave_.setInterval(kHeartSaveDelayMs);
    connect(w_.heart, &QTreeWidget::itemDoubleClicked, this, &Varn::ShowAya);
    connect(&record_, &LearnerRecord::HeartChanged, this, &Varn::HeartProgress);
    connect(&record_, &LearnerRecord::HeartChanged, &heartSave_, qOverload<>(&QTimer::start));
    connect(&heartSave_, &QTimer::timeout, this, &Varn::SaveProfile);
    connect(w_.closeCompleted, &QCheckBox::stateChanged, w_.heart, &Heart::CloseComplete);
    connect(w_.chooser, qOverload<int>(&QComboBox::activated), this, &Varn::SetSura);
}

void Varn::CreateDrills()
{
    session_ = std::make_unique<RecitationSession>();
    RecitationSession* session = session_.get();
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
