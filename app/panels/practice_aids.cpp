// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_aids.h"

#include "app_settings.h"
#include "aya.h"
#include "aya_text.h"
#include "central_area.h"
#include "draglabel.h"
#include "learner_record.h"
#include "messages.h"
#include "page_look.h"
#include "recitation_session.h"
#include "side_panels.h"
#include "window_actions.h"
#include "window_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>

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
    const QString description = playing ? QCoreApplication::translate("PracticeAids", "Playing") : QString();
    if (button->accessibleDescription() != description)
        button->setAccessibleDescription(description);
}

} // namespace

PracticeAids::PracticeAids(QObject* parent, CentralArea* centre, SettingsPanel* settingsPanel,
                           const WindowActions& actions, RecitationSession* session, WindowSettings& settings,
                           LearnerRecord& record, const PackRegistry& packs)
    : QObject(parent), centre_(centre), settingsPanel_(settingsPanel), actions_(actions), session_(session),
      settings_(settings), record_(record), words_(this, session, packs, settings, actions)
{
}

void PracticeAids::Connect()
{
    connect(actions_.hideAya, &QAction::toggled, this, [this](bool on) {
        selfTest_.SetHideAya(on);
        AidsChanged();
    });
    connect(actions_.hideTranslation, &QAction::toggled, this, [this](bool on) {
        selfTest_.SetHideTranslation(on);
        AidsChanged();
    });
    connect(actions_.reveal, &QAction::triggered, this, &PracticeAids::RevealStep);
    words_.Connect(centre_->ayaView);
    connect(centre_->ayaView, &Aya::revealRequested, this, [this] {
        selfTest_.RevealAll();
        ApplySelfTest();
    });
    connect(settingsPanel_->testMeCheck, &QCheckBox::toggled, this, [this](bool on) {
        selfTest_.SetTestMe(on);
        AidsChanged();
    });
    connect(session_, &RecitationSession::PauseChanged, this, [this](bool on, int) {
        on ? selfTest_.PauseStarted() : selfTest_.PauseEnded();
        ApplySelfTest();
        // While a pause runs, its countdown on the status line moves on; nothing else needs a timer.
        on ? pauseCountdown_.start() : pauseCountdown_.stop();
        UpdateStatusLine();
    });
    connect(actions_.night, &QAction::toggled, this, &PracticeAids::SetNightReading);
    connect(actions_.zoomIn, &QAction::triggered, centre_->ayaView, &Aya::ZoomIn);
    connect(actions_.zoomOut, &QAction::triggered, centre_->ayaView, &Aya::ZoomOut);
    connect(actions_.fitWidth, &QAction::triggered, centre_->ayaView,
            [this] { centre_->ayaView->SetReaderZoom(Aya::kFitWidth); });
    connect(centre_->ayaView, &Aya::readerZoomChanged, this,
            [this](double zoom) { settings_.Remember(kZoom, zoom); });
    connect(actions_.slower, &QAction::triggered, settingsPanel_->speedSpin, &QDoubleSpinBox::stepDown);
    connect(actions_.faster, &QAction::triggered, settingsPanel_->speedSpin, &QDoubleSpinBox::stepUp);
    // The session says when what the status line tells changes: nobody polls the players.
    pauseCountdown_.setInterval(kCountdownMs);
    connect(&pauseCountdown_, &QTimer::timeout, this, &PracticeAids::UpdateStatusLine);
    connect(session_, &RecitationSession::AyaShown, this, &PracticeAids::UpdateStatusLine);
    connect(session_, &RecitationSession::StateChanged, this, &PracticeAids::UpdateStatusLine);
    connect(session_, &RecitationSession::PartChanged, this, &PracticeAids::UpdateStatusLine);

    // What this working folder remembers; showing it writes nothing.
    const QSignalBlocker quietZoom(centre_->ayaView), quietNight(actions_.night);
    centre_->ayaView->SetReaderZoom(settings_.Number(kZoom, kZoomDefault));
    actions_.night->setChecked(settings_.Truth(kNight, kNightDefault));
    ApplyNightReading();
}

void PracticeAids::ShowText(const std::string& key, const QString& html)
{
    words_.ShowAya(key);
    if (key != key_)
        selfTest_.NewAya(centre_->ayaView->WordCount()); // a new aya starts hidden again
    key_ = key;
    ForceColours(centre_->textPanel, QPalette::Base, night_ ? NightPage() : DayPage());
    shownText_ = html;
    ApplySelfTest();
    UpdateStatusLine();
}

void PracticeAids::ShowLearner()
{
    selfTest_ = record_.Aids();
    const QSignalBlocker a(actions_.hideAya), t(actions_.hideTranslation), m(settingsPanel_->testMeCheck);
    actions_.hideAya->setChecked(selfTest_.HideAya());
    actions_.hideTranslation->setChecked(selfTest_.HideTranslation());
    settingsPanel_->testMeCheck->setChecked(selfTest_.TestMe());
    ApplySelfTest();
}

void PracticeAids::AidsChanged()
{
    ApplySelfTest();
    std::string error;
    record_.Aids() = selfTest_;
    if (!record_.SaveAids(&error))
        ShowMessage("Varnel", tr("Your practice settings could not be saved:") + "<br>" +
                                  QString::fromStdString(error).toHtmlEscaped());
}

void PracticeAids::RevealStep()
{
    selfTest_.Reveal();
    ApplySelfTest();
}

void PracticeAids::ApplySelfTest()
{
    centre_->ayaView->SetHidden(selfTest_.PictureHidden());
    centre_->textPanel->setHtml(
        selfTest_.TranslationHidden() ? "<p><i>" + tr("Hidden: press R to reveal") + "</i></p>" : shownText_);
    CompactHeadings(centre_->textPanel->document());
}

void PracticeAids::SetNightReading(bool night)
{
    settings_.Remember(kNight, night);
    ApplyNightReading();
}

void PracticeAids::ApplyNightReading()
{
    night_ = actions_.night->isChecked();
    const PageColours page = night_ ? NightPage() : DayPage();
    ForceColours(centre_->title, QPalette::Window, page);
    ForceColours(centre_->ayaView->viewport(), QPalette::Window, page);
    ForceColours(centre_->ayaView->viewport(), QPalette::Base, page);
    centre_->ayaView->SetPageColour(page.page);
    centre_->ayaView->SetNight(night_);
    if (!key_.empty())
        ForceColours(centre_->textPanel, QPalette::Base, page);
}

void PracticeAids::UpdateStatusLine()
{
    const bool busy = session_->Busy();
    const QString text = QString::fromStdString(session_->StatusLine());
    if (centre_->statusLine->text() != text) {
        centre_->statusLine->setText(text);
        centre_->statusLine->setAccessibleDescription(text);
    }
    ShowPlaying(centre_->transport->playButton, busy);
    ShowPlaying(centre_->singleBar->singlePlay, busy && session_->ActiveDrill()->WaitsOnAya());
    if (!busy)
        pauseCountdown_.stop();
}
