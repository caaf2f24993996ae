// SPDX-License-Identifier: GPL-3.0-or-later
// The practice aids beside the window's drills: hiding and revealing the aya, "Test me", pauses that
// fit the aya, the playing status line, the reader's zoom and Night Reading. The rules are the session's
// and SelfTest's; this is wiring and remembering.
#include "app_settings.h"
#include "aya.h"
#include "file_write.h"
#include "id_menu.h"
#include "messages.h"
#include "mp3.h"
#include "page_look.h"
#include "profile_file.h"
#include "recitation_session.h"
#include "varn.h"
#include "window_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <algorithm>

namespace
{

using namespace app_settings;
constexpr int kCountdownMs = 250; // the pause's countdown, a few looks a second

// A play button looks pressed while something plays and says so to screen readers; it stays a push
// button whose press plays.
void ShowPlaying(QPushButton* button, bool playing)
{
    if (button->isDown() != playing)
        button->setDown(playing);
    const QString description = playing ? QString("Playing") : QString();
    if (button->accessibleDescription() != description)
        button->setAccessibleDescription(description);
}

} // namespace

void Varn::CreateAidActions()
{
    // The View menu keeps its text toggles on top; reading aids follow, and the practice aids have a
    // submenu of their own, so "Hide Translation" and "Hide the translation" never sit side by side.
    auto add = [this](QMenu* menu, const char* text, const QKeySequence& key, bool checkable) {
        QAction* a = menu->addAction(text);
        a->setShortcut(key);
        a->setCheckable(checkable);
        addAction(a); // its key works anywhere in the window, whichever menu holds it
        return a;
    };
    w_.view->addSeparator();
    aids_.night = add(w_.view, "&Night Reading", QKeySequence(), true);
    aids_.zoomIn = add(w_.view, "Zoom In", QKeySequence::ZoomIn, false);
    aids_.zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    aids_.zoomOut = add(w_.view, "Zoom Out", QKeySequence::ZoomOut, false);
    aids_.fitWidth = add(w_.view, "Fit to Width", QKeySequence(Qt::CTRL | Qt::Key_0), false);
    w_.view->addSeparator();
    w_.practice = w_.view->addMenu("&Practice");
    aids_.hideAya = add(w_.practice, "Hide the aya", QKeySequence(Qt::Key_H), true);
    aids_.hideTranslation = add(w_.practice, "Hide the translation", QKeySequence(), true);
    aids_.reveal = add(w_.practice, "Reveal", QKeySequence(Qt::Key_R), false);
    w_.practice->addSeparator();
    aids_.slower = add(w_.practice, "Slower", QKeySequence(Qt::Key_BracketLeft), false);
    aids_.faster = add(w_.practice, "Faster", QKeySequence(Qt::Key_BracketRight), false);
}

void Varn::ConnectAids()
{
    connect(aids_.hideAya, &QAction::toggled, this, [this](bool on) {
        selfTest_.SetHideAya(on);
        AidsChanged();
    });
    connect(aids_.hideTranslation, &QAction::toggled, this, [this](bool on) {
        selfTest_.SetHideTranslation(on);
        AidsChanged();
    });
    connect(aids_.reveal, &QAction::triggered, this, &Varn::RevealStep);
    connect(w_.ayaView, &Aya::revealRequested, this, [this] {
        selfTest_.RevealAll();
        ApplySelfTest();
    });
    connect(w_.testMeCheck, &QCheckBox::toggled, this, [this](bool on) {
        selfTest_.SetTestMe(on);
        AidsChanged();
    });
    connect(session_.get(), &RecitationSession::PauseChanged, this, [this](bool on, int) {
        on ? selfTest_.PauseStarted() : selfTest_.PauseEnded();
        ApplySelfTest();
        // While a pause runs, its countdown on the status line moves on; nothing else needs a timer.
        on ? pauseCountdown_.start() : pauseCountdown_.stop();
        UpdateStatusLine();
    });
    connect(aids_.night, &QAction::toggled, this, &Varn::SetNightReading);
    connect(aids_.zoomIn, &QAction::triggered, w_.ayaView, &Aya::ZoomIn);
    connect(aids_.zoomOut, &QAction::triggered, w_.ayaView, &Aya::ZoomOut);
    connect(aids_.fitWidth, &QAction::triggered, w_.ayaView,
            [this] { w_.ayaView->SetReaderZoom(Aya::kFitWidth); });
    connect(w_.ayaView, &Aya::readerZoomChanged, this, [this](double zoom) { Remember(kZoom, zoom); });
    connect(w_.pauseUnit, qOverload<int>(&QComboBox::currentIndexChanged), this, &Varn::SetPauseUnit);
    connect(w_.pauseFactor, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this](double factor) {
        Remember(kPauseFactor, factor);
        session_->SetPauseFactor(factor);
    });
    connect(w_.speedSpin, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this](double speed) {
        Remember(kSpeed, speed);
        session_->SetSpeed(speed);
    });
    connect(w_.pauseUnit, qOverload<int>(&QComboBox::currentIndexChanged), this, &Varn::RememberDrill);
    connect(w_.pauseFactor, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &Varn::RememberDrill);
    connect(w_.speedSpin, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &Varn::RememberDrill);
    connect(aids_.slower, &QAction::triggered, w_.speedSpin, &QDoubleSpinBox::stepDown);
    connect(aids_.faster, &QAction::triggered, w_.speedSpin, &QDoubleSpinBox::stepUp);
    // The session says when what the status line tells changes: nobody polls the players.
    pauseCountdown_.setInterval(kCountdownMs);
    connect(&pauseCountdown_, &QTimer::timeout, this, &Varn::UpdateStatusLine);
    connect(session_.get(), &RecitationSession::AyaShown, this, &Varn::UpdateStatusLine);
    connect(session_.get(), &RecitationSession::StateChanged, this, &Varn::UpdateStatusLine);

    // What this working folder remembers; showing it writes nothing.
    {
        const QSignalBlocker quietUnit(w_.pauseUnit);
        const QSignalBlocker quietFactor(w_.pauseFactor);
        w_.pauseFactor->setValue(settings_.Number(kPauseFactor, kPauseFactorDefault));
        w_.pauseUnit->setCurrentIndex(settings_.Number(kPauseUnit, kPauseUnitDefault) == 1 ? 1 : 0);
    }
    ApplyPauseUnit();
    {
        const QSignalBlocker quietSpeed(w_.speedSpin);
        w_.speedSpin->setValue(settings_.Number(kSpeed, kSpeedDefault));
        session_->SetSpeed(w_.speedSpin->value());
    }
    const QSignalBlocker quietZoom(w_.ayaView);
    w_.ayaView->SetReaderZoom(settings_.Number(kZoom, kZoomDefault));
    const QSignalBlocker quietNight(aids_.night);
    aids_.night->setChecked(settings_.Truth(kNight, kNightDefault));
    ApplyNightReading();
}

template <typename T> void Varn::Remember(const char* key, T value)
{
    std::string error;
    if (settings_.Set(key, value, &error) || settingsFailureTold_)
        return;
    // Told once a run: every later change would fail the same way.
    settingsFailureTold_ = true;
    ShowMessage("Varnel", "Your settings could not be saved in " +
                              QString::fromStdString(settings_.Path()).toHtmlEscaped() + ":<br>" +
                              QString::fromStdString(error).toHtmlEscaped() +
                              "<br><br>They stay as they are until Varnel closes.");
}
template void Varn::Remember<double>(const char*, double);
template void Varn::Remember<bool>(const char*, bool);

void Varn::AidsChanged()
{
    ApplySelfTest();
    SaveAids();
}

void Varn::RevealStep()
{
    selfTest_.Reveal();
    ApplySelfTest();
}

void Varn::ApplySelfTest()
{
    w_.ayaView->SetHidden(selfTest_.PictureHidden());
    w_.textPanel->setHtml(selfTest_.TranslationHidden() ? QString("<p><i>Hidden: press R to reveal</i></p>")
                                                        : shownText_);
}

void Varn::SetPauseUnit(int unit)
{
    Remember(kPauseUnit, double(unit));
    ApplyPauseUnit();
}

void Varn::ApplyPauseUnit()
{
    const bool factor = w_.pauseUnit->currentIndex() == 1;
    w_.pauseFactor->setVisible(factor);
    w_.pauseSpin->setEnabled(!factor);
    session_->SetPauseFactor(factor ? w_.pauseFactor->value() : 0);
}

void Varn::SetNightReading(bool night)
{
    Remember(kNight, night);
    ApplyNightReading();
}

void Varn::ApplyNightReading()
{
    nightReading_ = aids_.night->isChecked();
    const PageColours page = nightReading_ ? NightPage() : DayPage();
    ForceColours(w_.title, QPalette::Window, page);
    ForceColours(w_.ayaView->viewport(), QPalette::Window, page);
    ForceColours(w_.ayaView->viewport(), QPalette::Base, page);
    w_.ayaView->SetPageColour(page.page);
    w_.ayaView->SetNight(nightReading_);
    if (!currentKey_.empty())
        ForceColours(w_.textPanel, QPalette::Base, page);
}

void Varn::UpdateStatusLine()
{
    const bool busy = session_->ActivePlayer()->Busy();
    const QString text = QString::fromStdString(session_->StatusLine());
    if (w_.statusLine->text() != text) {
        w_.statusLine->setText(text);
        w_.statusLine->setAccessibleDescription(text);
    }
    ShowPlaying(w_.playButton, busy);
    ShowPlaying(w_.singlePlay, busy && session_->ActiveDrill()->Name() == "Single");
    if (!busy)
        pauseCountdown_.stop();
}

void Varn::LoadRecord(const std::string& profilePath)
{
    // A learner without drill settings of their own starts from the working folder's.
    DrillSettings defaults;
    defaults.pauseUnit = settings_.Number(kPauseUnit, kPauseUnitDefault) == 1 ? 1 : 0;
    defaults.pauseFactor = std::clamp(settings_.Number(kPauseFactor, kPauseFactorDefault), 0.5, 3.0);
    defaults.speed = std::clamp(settings_.Number(kSpeed, kSpeedDefault), 0.5, 1.5);
    record_.Load(profilePath, defaults);
    for (const std::string& problem : record_.TakeProblems())
        ShowMessage("Varnel", QString::fromStdString(problem));
    selfTest_ = record_.Aids();
    ShowAids();
    ShowDrill();
}

void Varn::ShowAids()
{
    const QSignalBlocker a(aids_.hideAya), t(aids_.hideTranslation), m(w_.testMeCheck);
    aids_.hideAya->setChecked(selfTest_.HideAya());
    aids_.hideTranslation->setChecked(selfTest_.HideTranslation());
    w_.testMeCheck->setChecked(selfTest_.TestMe());
    ApplySelfTest();
}

void Varn::ShowDrill()
{
    // Shown and handed to the session as they are; nothing starts playing.
    const DrillSettings& drill = record_.Drill();
    {
        const QSignalBlocker r(w_.repeatSpin), p(w_.pauseSpin), u(w_.pauseUnit), f(w_.pauseFactor),
            s(w_.speedSpin), l(w_.loopCheck), k(w_.stackCheck);
        w_.repeatSpin->setValue(drill.repeat);
        w_.pauseSpin->setValue(drill.pause);
        w_.pauseUnit->setCurrentIndex(drill.pauseUnit);
        w_.pauseFactor->setValue(drill.pauseFactor);
        w_.speedSpin->setValue(drill.speed);
        if (session_->ActiveDrill()->Name() != "Single") {
            w_.loopCheck->setChecked(drill.loop);
            w_.stackCheck->setChecked(drill.stack);
        }
    }
    session_->SetRepeat(w_.repeatSpin->value());
    session_->SetPause(w_.pauseSpin->value());
    session_->SetSpeed(w_.speedSpin->value());
    session_->PresetLoop(w_.loopCheck->isChecked());
    session_->SetStack(w_.stackCheck->isChecked());
    ApplyPauseUnit();
}

void Varn::RememberDrill()
{
    if (userName_.empty())
        return;
    DrillSettings drill;
    drill.repeat = w_.repeatSpin->value();
    drill.pause = w_.pauseSpin->value();
    drill.pauseUnit = w_.pauseUnit->currentIndex() == 1 ? 1 : 0;
    drill.pauseFactor = w_.pauseFactor->value();
    drill.loop = w_.loopCheck->isChecked();
    drill.stack = w_.stackCheck->isChecked();
    drill.speed = w_.speedSpin->value();
    std::string error;
    if (!record_.SetDrill(drill, &error))
        ShowMessage("Varnel", "Your drill settings could not be saved:<br>" +
                                  QString::fromStdString(error).toHtmlEscaped());
}

void Varn::SaveAids()
{
    std::string error;
    record_.Aids() = selfTest_;
    if (!record_.SaveAids(&error))
        ShowMessage("Varnel", "Your practice settings could not be saved:<br>" +
                                  QString::fromStdString(error).toHtmlEscaped());
}
