// The main window's frame: menus, widgets, owned objects and their connections.
#include "varn.h"

#include "arabic.h"
#include "aya.h"
#include "config.h"
#include "draglabel.h"
#include "file_write.h"
#include "heart.h"
#include "id_menu.h"
#include "mp3.h"
#include "profile.h"
#include "recitation_session.h"
#include "select_recitor.h"
#include "single.h"
#include "sound_messages.h"
#include "stack.h"
#include "whole.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QVBoxLayout>

const char* const Varn::kSmallScreenText =
    "ERROR: The screen size is too small! Please change to 800x600 resolution or higher";

namespace
{

QWidget* Box(QWidget* parent, Qt::Orientation orientation, int margin, int spacing)
{
    auto* box = new QWidget(parent);
    QBoxLayout* layout = orientation == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                                       : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
    return box;
}

void Add(QWidget* box, QWidget* child, int stretch = 0)
{
    static_cast<QBoxLayout*>(box->layout())->addWidget(child, stretch);
}

QPushButton* FlatButton(QWidget* parent, const QPixmap& icon, int maxWidth, const QString& tip,
                        const QString& name)
{
    auto* b = new QPushButton(QIcon(icon), QString(), parent);
    b->setFlat(true);
    b->setMaximumWidth(maxWidth);
    b->setToolTip(tip);
    b->setAccessibleName(name);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

QPixmap Varn::Picture(const char* name) const
{
    return PixmapFromResource(name);
}

Varn::Varn(QWidget* parent) : QMainWindow(parent)
{
    // What a write killed midway left beside the files the program writes.
    RemoveStaleTemporaries(".");
    RemoveStaleTemporaries("profiles");

    setStatusBar(new QStatusBar(this));
    CreateMenus();
    CreateCentralArea();
    setWindowTitle("Varnel :: Lumora Software");
    CreateDrills();

    const int width = this->width();
    w_.outerSplitter->setSizes({int(width * 0.2), int(width * 0.8)});
    w_.innerSplitter->setSizes({200, 200});

    GetSuras();
    FillChooser();
    SetMinMax();
    SetTitle();

    profile_ = std::make_unique<Profile>(nullptr);
    profile_->setWindowTitle("Load or Create Profile");
    profile_->resize(320, 320);
    connect(profile_.get(), &Profile::UserName, this, &Varn::LoadProfile);
    connect(profile_.get(), &Profile::NewUser, this, &Varn::NewProfile);
    profile_->show();

    config_ = std::make_unique<Config>(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint);
    config_->setModal(true);
    config_->resize(320, 240);
    connect(config_.get(), &Config::ButtonOk, this, &Varn::UpdatePrefs);
    soundMessages_->Watch(config_->TestPlayer());

    recitor_ = std::make_unique<SelectRecitor>(packs_, nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint);
    recitor_->setModal(true);
    recitor_->resize(480, 240);
    connect(recitor_.get(), &SelectRecitor::ButtonOk, this, &Varn::UpdateRecitor);

    CreateKeyboard();
}

Varn::~Varn() = default;

Arabic* Varn::Cursor() const
{
    return session_->Cursor();
}
Whole* Varn::WholeDrill() const
{
    return session_->WholeDrill();
}
Stack* Varn::StackDrill() const
{
    return session_->StackDrill();
}
Single* Varn::SingleDrill() const
{
    return session_->SingleDrill();
}

void Varn::CreateMenus()
{
    w_.file = new IdMenu(this);
    w_.file->addAction(QIcon(Picture("save.png")), "&Save Profile", this, &Varn::SaveProfile);
    w_.file->addAction(QIcon(Picture("load.png")), "&New/Load Profile", this, &Varn::LoadProfilePopup);
    w_.file->addAction(QIcon(Picture("pref.png")), "&Preferences", this, &Varn::ShowConfig);
    w_.file->addAction(QIcon(Picture("exit.png")), "&Exit", this, &Varn::Exit);

    w_.language = new IdMenu(this);
    SetItemIcon(w_.language->InsertItem(QIcon(), "English", 0), "check.png");
    FillLanguageMenu();
    connect(w_.language, &IdMenu::activated, this, &Varn::ChangeLang);

    w_.view = new IdMenu(this);
    SetItemIcon(w_.view->InsertItem(QIcon(), "&Hide Translation", 0, 0), "xmark.png");
    SetItemIcon(w_.view->InsertItem(QIcon(), "&Show Transliteration", 1, 0), "check.png");
    connect(w_.view, &IdMenu::activated, this, &Varn::ToggleEnglish);

    w_.recitor = new IdMenu(this);
    w_.recitor->addAction(QIcon(Picture("pref.png")), "&Config Recitor", this, &Varn::ShowRecitor);

    w_.help = new IdMenu(this);
    w_.help->addAction(QIcon(Picture("help.png")), "&Help", this, &Varn::Help);
    w_.help->addAction(QIcon(Picture("about.png")), "&About", this, &Varn::About);

    auto* bar = new QMenuBar(this);
    const std::pair<const char*, QMenu*> menus[] = {{"&File", w_.file},
                                                    {"&View", w_.view},
                                                    {"&Recitor", w_.recitor},
                                                    {"&Language", w_.language},
                                                    {"&Help", w_.help}};
    for (const auto& [title, menu] : menus) {
        menu->setTitle(title);
        bar->addMenu(menu);
    }
    setMenuBar(bar);
}

void Varn::CreateCentralArea()
{
    w_.outerSplitter = new QSplitter(Qt::Horizontal, this);
    w_.outerSplitter->setContentsMargins(2, 2, 2, 2);
    w_.outerSplitter->setFrameStyle(QFrame::NoFrame);

    // Left column: the heart.
    QWidget* left = Box(w_.outerSplitter, Qt::Vertical, 2, 2);
    QWidget* progressRow = Box(left, Qt::Horizontal, 2, 4);
    auto* progressLabel = new QLabel("Progress: ", progressRow);
    w_.heartProgress = new QProgressBar(progressRow);
    w_.heartProgress->setRange(0, 1);
    w_.heartProgress->setValue(0);
    progressLabel->setBuddy(w_.heartProgress);
    w_.heartProgress->setAccessibleName("Memorised ayas");
    QPalette red = w_.heartProgress->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        red.setColor(g, QPalette::Highlight, Qt::red);
    w_.heartProgress->setPalette(red);
    Add(progressRow, progressLabel);
    Add(progressRow, w_.heartProgress, 1);
    Add(left, progressRow);
    w_.heart = new Heart(left);
    w_.heart->MakeRoot("My Heart", QPixmap());
    Add(left, w_.heart, 1);
    QWidget* closeBox = Box(left, Qt::Vertical, 0, 0);
    w_.closeCompleted = new QCheckBox("Close Completed Suras", closeBox);
    w_.closeCompleted->setChecked(true);
    Add(closeBox, w_.closeCompleted);
    Add(left, closeBox);

    // Right column.
    QWidget* right = Box(w_.outerSplitter, Qt::Vertical, 4, 2);
    auto* top = new QWidget(right);
    auto* topGrid = new QGridLayout(top);
    topGrid->setContentsMargins(0, 0, 0, 0);
    topGrid->setSpacing(2);
    top->setMaximumHeight(40);
    QWidget* chooserBox = Box(top, Qt::Horizontal, 0, 4);
    auto* chooseLabel = new QLabel("<b>Choose a sura:<b>", chooserBox);
    chooseLabel->setAlignment(Qt::AlignVCenter);
    w_.chooser = new QComboBox(chooserBox);
    chooseLabel->setBuddy(w_.chooser);
    w_.chooser->setAccessibleName("Sura");
    w_.chooser->setMinimumHeight(Picture("quran.png").height() + 10);
    w_.chooser->setIconSize(Picture("quran.png").size());
    w_.chooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Add(chooserBox, chooseLabel);
    Add(chooserBox, w_.chooser);
    topGrid->addWidget(chooserBox, 0, 0);
    w_.dragLabel = new DragLabel(top);
    w_.dragLabel->setPixmap(Picture("iknow.png"));
    w_.dragLabel->setToolTip("Tabaarakallah! You know this sura? Drag me to your heart!");
    w_.dragLabel->setAccessibleName("Drag this sura to your heart");
    topGrid->addWidget(w_.dragLabel, 0, 1);
    w_.bismillah = new QLabel(top);
    const QPixmap bismillah = Picture("bismillah.png");
    const int rowHeight = qBound(20, top->height(), 40);
    if (!bismillah.isNull())
        w_.bismillah->setPixmap(bismillah.scaledToHeight(rowHeight, Qt::SmoothTransformation));
    w_.bismillah->setAlignment(Qt::AlignCenter);
    w_.bismillah->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    w_.bismillah->setToolTip("In the Name of Allah the Most Beneficent, the Most Merciful");
    topGrid->addWidget(w_.bismillah, 0, 2);
    Add(right, top);

    QWidget* rest = Box(right, Qt::Vertical, 0, 2);
    QWidget* titleStrip = Box(rest, Qt::Vertical, 2, 0);
    titleStrip->setMaximumHeight(20 + 4);
    w_.title = new QLabel(titleStrip);
    w_.title->setAutoFillBackground(true);
    QPalette white = w_.title->palette();
    white.setColor(QPalette::Window, Qt::white);
    w_.title->setPalette(white);
    w_.title->setAlignment(Qt::AlignCenter);
    Add(titleStrip, w_.title);
    Add(rest, titleStrip);

    w_.innerSplitter = new QSplitter(Qt::Vertical, rest);
    w_.ayaView = new Aya(w_.innerSplitter);
    w_.ayaView->viewport()->setAutoFillBackground(true);
    QPalette viewPalette = w_.ayaView->viewport()->palette();
    viewPalette.setColor(QPalette::Window, Qt::white);
    viewPalette.setColor(QPalette::Base, Qt::white);
    w_.ayaView->viewport()->setPalette(viewPalette);
    w_.ayaView->setFrameStyle(QFrame::Panel | QFrame::Plain);
    w_.ayaView->setLineWidth(2);
    w_.ayaView->setContentsMargins(4, 4, 4, 4);
    w_.ayaView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    w_.ayaView->setAccessibleName("Aya picture; drag it to your heart");
    w_.textPanel = new QTextBrowser(w_.innerSplitter);
    w_.textPanel->zoomIn(8);
    w_.textPanel->setFrameStyle(QFrame::Panel | QFrame::Plain);
    w_.textPanel->setLineWidth(2);
    w_.textPanel->setContentsMargins(4, 4, 4, 4);
    w_.textPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    w_.textPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    w_.textPanel->setAccessibleName("Translation and transliteration");
    QPalette redPanel = w_.textPanel->palette();
    redPanel.setColor(QPalette::Base, Qt::red);
    w_.textPanel->setPalette(redPanel);
    Add(rest, w_.innerSplitter, 1);

    w_.ayaSlider = new QSlider(Qt::Horizontal, rest);
    w_.ayaSlider->setTickPosition(QSlider::TicksBelow);
    w_.ayaSlider->setTickInterval(1);
    w_.ayaSlider->setEnabled(false);
    w_.ayaSlider->setAccessibleName("Aya");
    Add(rest, w_.ayaSlider);

    CreateSingleBar(rest);
    Add(rest, w_.singleBar);

    w_.buttonBar = Box(rest, Qt::Horizontal, 0, 4);
    w_.buttonBar->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    w_.playButton = new QPushButton(QIcon(Picture("play.png")), "Play Aya", w_.buttonBar);
    w_.stopButton = new QPushButton(QIcon(Picture("stop.png")), "Stop Playing", w_.buttonBar);
    w_.prevButton = new QPushButton(QIcon(Picture("left2.png")), "Previous Aya", w_.buttonBar);
    w_.nextButton = new QPushButton(QIcon(Picture("right2.png")), "Next Aya", w_.buttonBar);
    w_.playButton->setToolTip("Plays the current aya (Space, Ctrl+Space or the Play key)");
    w_.stopButton->setToolTip("Stops playing the current aya (Space, Ctrl+Space or the Stop key)");
    w_.prevButton->setToolTip("Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)");
    w_.nextButton->setToolTip("Play the next aya in this surah (Right, Ctrl+Right or the Next key)");
    // As in media players, a click does not take the keyboard focus, so Space and the arrows keep
    // driving playback after it; Tab still reaches the buttons.
    for (QPushButton* b : {w_.playButton, w_.stopButton, w_.prevButton, w_.nextButton}) {
        b->setFocusPolicy(Qt::TabFocus);
        Add(w_.buttonBar, b);
    }
    Add(rest, w_.buttonBar);

    CreateSettings(rest);
    Add(right, rest, 1);
    setCentralWidget(w_.outerSplitter);

    connect(w_.heart, &QTreeWidget::itemDoubleClicked, this, &Varn::ShowAya);
    connect(w_.heart, &Heart::HeartUpdate, this, &Varn::HeartProgress);
    heartSave_.setSingleShot(true);
    heartSave_.setInterval(kHeartSaveDelayMs);
    connect(w_.heart, &Heart::HeartUpdate, &heartSave_, qOverload<>(&QTimer::start));
    connect(&heartSave_, &QTimer::timeout, this, &Varn::SaveProfile);
    connect(w_.closeCompleted, &QCheckBox::stateChanged, w_.heart, &Heart::CloseComplete);
    connect(w_.chooser, qOverload<int>(&QComboBox::activated), this, &Varn::SetSura);
    connect(w_.ayaSlider, &QSlider::sliderMoved, this, &Varn::SlideChange);
    connect(w_.nextButton, &QPushButton::clicked, this, &Varn::NextAya);
    connect(w_.prevButton, &QPushButton::clicked, this, &Varn::PrevAya);
    connect(w_.playButton, &QPushButton::clicked, this, &Varn::PlayAya);
    connect(w_.stopButton, &QPushButton::clicked, this, &Varn::StopAya);
}

void Varn::CreateSingleBar(QWidget* parent)
{
    w_.singleBar = Box(parent, Qt::Horizontal, 0, 2);
    QWidget* bar = w_.singleBar;
    w_.singleStart = FlatButton(bar, Picture("start.png"), 20, "Start the part here (the slider's position)",
                                "Part start from slider");
    w_.startSpin = new QSpinBox(bar);
    w_.startSpin->setSuffix(" ms");
    w_.startSpin->setAccessibleName("Part start");
    w_.startSpin->setToolTip("Where the part starts, in milliseconds");
    w_.singleEnd = FlatButton(bar, Picture("end.png"), 20, "End the part here (the slider's position)",
                              "Part end from slider");
    w_.endSpin = new QSpinBox(bar);
    w_.endSpin->setSuffix(" ms");
    w_.endSpin->setAccessibleName("Part end");
    w_.endSpin->setToolTip("Where the part ends, in milliseconds");
    w_.singlePlay = FlatButton(bar, Picture("playr.png"), 30,
                               "Play the part again and again (Space or Ctrl+Space)", "Play part repeatedly");
    w_.singleStop = FlatButton(bar, Picture("stop.png"), 30, "Stop (Space or Ctrl+Space)", "Stop");
    w_.singlePrev =
        FlatButton(bar, Picture("left2.png"), 30, "Previous aya (Left or Ctrl+Left)", "Previous aya");
    w_.singleNext = FlatButton(bar, Picture("right2.png"), 30, "Next aya (Right or Ctrl+Right)", "Next aya");
    w_.partSlider = new QSlider(Qt::Horizontal, bar);
    w_.partSlider->setTickInterval(1);
    w_.partSlider->setAccessibleName("Position in the aya");
    w_.partSlider->setToolTip("Where the recitation is; drag to jump");
    for (QWidget* widget :
         std::initializer_list<QWidget*>{w_.singleStart, w_.startSpin, w_.singleEnd, w_.endSpin,
                                         w_.singlePlay, w_.singleStop, w_.singlePrev, w_.singleNext})
        Add(bar, widget);
    Add(bar, w_.partSlider, 1);
    bar->hide();

    connect(w_.partSlider, &QSlider::sliderMoved, this, &Varn::AyaJump);
    connect(w_.startSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::StartAyaChange);
    connect(w_.endSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::EndAyaChange);
    connect(w_.singleStart, &QPushButton::clicked, this, &Varn::SetStartAyaPos);
    connect(w_.singleEnd, &QPushButton::clicked, this, &Varn::SetEndAyaPos);
    connect(w_.singlePlay, &QPushButton::clicked, this, &Varn::PlayRSingleAya);
    connect(w_.singleStop, &QPushButton::clicked, this, &Varn::StopSingleAya);
    connect(w_.singlePrev, &QPushButton::clicked, this, &Varn::PrevSingleAya);
    connect(w_.singleNext, &QPushButton::clicked, this, &Varn::NextSingleAya);
}

void Varn::CreateSettings(QWidget* parent)
{
    auto* settings = new QGroupBox("Recitation Settings", parent);
    settings->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    auto* grid = new QGridLayout(settings);
    grid->setSpacing(4);
    settings->setAccessibleName("Recitation Settings");
    auto group = [settings](const char* title) {
        auto* g = new QGroupBox(title, settings);
        g->setAccessibleName(title); // each group is announced by its own title
        auto* row = new QHBoxLayout(g);
        row->setSpacing(4);
        return g;
    };
    auto addTo = [](QGroupBox* g, QWidget* widget) {
        static_cast<QHBoxLayout*>(g->layout())->addWidget(widget);
    };

    QGroupBox* ayaSettings = group("Aya Settings");
    QGroupBox* playback = group("Playback Settings");
    QGroupBox* range = group("Aya Range Settings");
    QGroupBox* progress = group("Sura Playback Progress");
    for (QGroupBox* g : {ayaSettings, playback, range})
        g->setAlignment(Qt::AlignVCenter);
    ayaSettings->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);

    auto* repeatLabel = new QLabel("Repeat:", ayaSettings);
    w_.repeatSpin = new QSpinBox(ayaSettings);
    w_.repeatSpin->setRange(1, 20);
    w_.repeatSpin->setValue(1);
    w_.repeatSpin->setToolTip("The number of times you want the ayas to be repeated");
    w_.repeatSpin->setAccessibleName("Repeat");
    repeatLabel->setBuddy(w_.repeatSpin);
    auto* pauseLabel = new QLabel(" Pause (secs):", ayaSettings);
    w_.pauseSpin = new QSpinBox(ayaSettings);
    w_.pauseSpin->setRange(0, 300);
    w_.pauseSpin->setValue(0);
    w_.pauseSpin->setAccessibleName("Pause (seconds)");
    pauseLabel->setBuddy(w_.pauseSpin);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{repeatLabel, w_.repeatSpin, pauseLabel, w_.pauseSpin})
        addTo(ayaSettings, widget);

    w_.rangeCheck = new QCheckBox(range);
    w_.rangeCheck->setToolTip("Enable to play a range of ayas in the surah");
    w_.rangeCheck->setAccessibleName("Play a range of ayas");
    auto* fromLabel = new QLabel("<b>FROM:</b>", range);
    w_.fromSpin = new QSpinBox(range);
    w_.fromSpin->setRange(1, 6);
    w_.fromSpin->setToolTip("Start reciting from this aya");
    w_.fromSpin->setAccessibleName("From aya");
    w_.fromSpin->setEnabled(false);
    fromLabel->setBuddy(w_.fromSpin);
    auto* toLabel = new QLabel("<b>TO:</b>", range);
    w_.toSpin = new QSpinBox(range);
    w_.toSpin->setRange(1, 20);
    w_.toSpin->setToolTip("End reciting to this aya");
    w_.toSpin->setAccessibleName("To aya");
    w_.toSpin->setEnabled(false);
    toLabel->setBuddy(w_.toSpin);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{w_.rangeCheck, fromLabel, w_.fromSpin, toLabel, w_.toSpin})
        addTo(range, widget);

    w_.loopCheck = new QCheckBox("Loop Sura", playback);
    w_.loopCheck->setToolTip("Loop the playback of the whole surah");
    w_.stackCheck = new QCheckBox("Stack Ayas", playback);
    w_.stackCheck->setToolTip(
        "&nbsp;Recite aya 1 a number of times<br>&nbsp;Recite aya 2 a number of times<br>"
        "&nbsp;Recite aya 1 and 2 a number of times<br>&nbsp;and so on ...");
    w_.singleCheck = new QCheckBox("Single Aya Mode", playback);
    w_.singleCheck->setToolTip("Break aya into parts for easy memorization");
    for (QWidget* widget : std::initializer_list<QWidget*>{w_.loopCheck, w_.stackCheck, w_.singleCheck})
        addTo(playback, widget);
    for (QCheckBox* box : {w_.rangeCheck, w_.loopCheck, w_.stackCheck, w_.singleCheck, w_.closeCompleted})
        box->setFocusPolicy(Qt::TabFocus);

    w_.suraProgress = new QProgressBar(progress);
    w_.suraProgress->setAccessibleName("Sura playback progress");
    w_.suraProgress->setValue(0);
    addTo(progress, w_.suraProgress);

    grid->addWidget(ayaSettings, 0, 0);
    grid->addWidget(playback, 0, 1);
    grid->addWidget(range, 1, 0);
    grid->addWidget(progress, 1, 1);
    static_cast<QBoxLayout*>(parent->layout())->addWidget(settings);

    connect(w_.repeatSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::SetRepeat);
    connect(w_.pauseSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::SetPause);
    connect(w_.rangeCheck, &QCheckBox::stateChanged, this, &Varn::SetRange);
    connect(w_.fromSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::SetMin);
    connect(w_.toSpin, qOverload<int>(&QSpinBox::valueChanged), this, &Varn::SetMax);
    connect(w_.loopCheck, &QCheckBox::stateChanged, this, &Varn::SetLoop);
    connect(w_.stackCheck, &QCheckBox::stateChanged, this, &Varn::SetStack);
    connect(w_.singleCheck, &QCheckBox::stateChanged, this, &Varn::SetSingleAya);
}

void Varn::CreateDrills()
{
    devicePlayer_ = std::make_unique<MP3>();
    session_ = std::make_unique<RecitationSession>();
    RecitationSession* session = session_.get();
    connect(session, &RecitationSession::AyaShown, this, &Varn::SetArabic);
    connect(session, &RecitationSession::Progress, this, &Varn::StackStat);
    connect(session, &RecitationSession::ProgressReset, this, &Varn::StackDone);
    connect(session, &RecitationSession::DrillFinished, this, &Varn::StackDone);
    connect(session, &RecitationSession::RangeChanged, this, &Varn::ShowRange);
    connect(session, &RecitationSession::PartChanged, this, &Varn::ShowPart);
    connect(session, &RecitationSession::PartPosition, this, &Varn::SetCurAyaPos);
    soundMessages_ = new SoundMessages(this);
    for (MP3* player :
         {devicePlayer_.get(), SingleDrill()->Player(), StackDrill()->Player(), WholeDrill()->Player()})
        soundMessages_->Watch(player);
}

void Varn::OnExit()
{
    if (!userName_.empty())
        SaveProfile();
}

void Varn::Exit()
{
    QApplication::exit(0);
}

void Varn::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    Exit();
}

void Varn::LoadProfilePopup()
{
    profile_->show();
}

void Varn::ShowRecitor()
{
    recitor_->show();
}
