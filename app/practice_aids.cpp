// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_aids.h"

#include "app_settings.h"
#include "aya.h"
#include "aya_text.h"
#include "draglabel.h"
#include "id_menu.h"
#include "learner_record.h"
#include "messages.h"
#include "page_look.h"
#include "recitation_session.h"
#include "window_frame.h"
#include "window_settings.h"

#include <QCheckBox>
#include <QComboBox>
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
    const QString description = playing ? QString("Playing") : QString();
    if (button->accessibleDescription() != description)
        button->setAccessibleDescription(description);
}

} // namespace

PracticeAids::PracticeAids(QMainWindow* window, VarnWidgets& w, RecitationSession* session,
                           WindowSettings& settings, LearnerRecord& record, const PackRegistry& packs)
    : QObject(window), window_(window), w_(w), session_(session), settings_(settings), record_(record),
      words_(this, session, packs, settings)
{
}

void PracticeAids::CreateActions()
{
    // The View menu keeps its text toggles on top; reading aids follow, and the practice aids have a
    // submenu of their own, so "Hide Translation" and "Hide the translation" never sit side by side.
    auto add = [this](QMenu* menu, const char* text, const QKeySequence& key, bool checkable) {
        QAction* a = menu->addAction(QObject::tr(text));
        a->setShortcut(key);
        a->setCheckable(checkable);
        window_->addAction(a); // its key works anywhere in the window, whichever menu holds it
        return a;
    };
    w_.view->addSeparator();
    actions_.night = add(w_.view, QT_TRANSLATE_NOOP("QObject", "&Night Reading"), QKeySequence(), true);
    actions_.zoomIn = add(w_.view, QT_TRANSLATE_NOOP("QObject", "Zoom In"), QKeySequence::ZoomIn, false);
    actions_.zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    actions_.zoomOut = add(w_.view, QT_TRANSLATE_NOOP("QObject", "Zoom Out"), QKeySequence::ZoomOut, false);
    actions_.fitWidth =
        add(w_.view, QT_TRANSLATE_NOOP("QObject", "Fit to Width"), QKeySequence(Qt::CTRL | Qt::Key_0), false);
    w_.view->addSeparator();
    w_.practice = w_.view->addMenu(QObject::tr("&Practice"));
    actions_.hideAya =
        add(w_.practice, QT_TRANSLATE_NOOP("QObject", "Hide the aya"), QKeySequence(Qt::Key_H), true);
    actions_.hideTranslation =
        add(w_.practice, QT_TRANSLATE_NOOP("QObject", "Hide the translation"), QKeySequence(), true);
    actions_.reveal =
        add(w_.practice, QT_TRANSLATE_NOOP("QObject", "Reveal"), QKeySequence(Qt::Key_R), false);
    w_.practice->addSeparator();
    actions_.slower =
        add(w_.practice, QT_TRANSLATE_NOOP("QObject", "Slower"), QKeySequence(Qt::Key_BracketLeft), false);
    actions_.faster =
        add(w_.practice, QT_TRANSLATE_NOOP("QObject", "Faster"), QKeySequence(Qt::Key_BracketRight), false);
    words_.CreateActions(w_.view, w_.practice);
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
    words_.Connect(w_.ayaView);
    connect(w_.ayaView, &Aya::revealRequested, this, [this] {
        selfTest_.RevealAll();
        ApplySelfTest();
    });
    connect(w_.testMeCheck, &QCheckBox::toggled, this, [this](bool on) {
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
    connect(actions_.zoomIn, &QAction::triggered, w_.ayaView, &Aya::ZoomIn);
    connect(actions_.zoomOut, &QAction::triggered, w_.ayaView, &Aya::ZoomOut);
    connect(actions_.fitWidth, &QAction::triggered, w_.ayaView,
            [this] { w_.ayaView->SetReaderZoom(Aya::kFitWidth); });
    connect(w_.ayaView, &Aya::readerZoomChanged, this,
            [this](double zoom) { settings_.Remember(kZoom, zoom); });
    connect(actions_.slower, &QAction::triggered, w_.speedSpin, &QDoubleSpinBox::stepDown);
    connect(actions_.faster, &QAction::triggered, w_.speedSpin, &QDoubleSpinBox::stepUp);
    // The session says when what the status line tells changes: nobody polls the players.
    pauseCountdown_.setInterval(kCountdownMs);
    connect(&pauseCountdown_, &QTimer::timeout, this, &PracticeAids::UpdateStatusLine);
    connect(session_, &RecitationSession::AyaShown, this, &PracticeAids::UpdateStatusLine);
    connect(session_, &RecitationSession::StateChanged, this, &PracticeAids::UpdateStatusLine);

    // What this working folder remembers; showing it writes nothing.
    const QSignalBlocker quietZoom(w_.ayaView), quietNight(actions_.night);
    w_.ayaView->SetReaderZoom(settings_.Number(kZoom, kZoomDefault));
    actions_.night->setChecked(settings_.Truth(kNight, kNightDefault));
    ApplyNightReading();
}

void PracticeAids::ShowText(const std::string& key, const QString& html)
{
    words_.ShowAya(key);
    if (key != key_)
        selfTest_.NewAya(w_.ayaView->WordCount()); // a new aya starts hidden again
    key_ = key;
    ForceColours(w_.textPanel, QPalette::Base, night_ ? NightPage() : DayPage());
    shownText_ = html;
    ApplySelfTest();
    UpdateStatusLine();
}

void PracticeAids::ShowLearner()
{
    selfTest_ = record_.Aids();
    const QSignalBlocker a(actions_.hideAya), t(actions_.hideTranslation), m(w_.testMeCheck);
    actions_.hideAya->setChecked(selfTest_.HideAya());
    actions_.hideTranslation->setChecked(selfTest_.HideTranslation());
    w_.testMeCheck->setChecked(selfTest_.TestMe());
    ApplySelfTest();
}

void PracticeAids::AidsChanged()
{
    ApplySelfTest();
    std::string error;
    record_.Aids() = selfTest_;
    if (!record_.SaveAids(&error))
        ShowMessage("Varnel", QObject::tr("Your practice settings could not be saved:") + "<br>" +
                                  QString::fromStdString(error).toHtmlEscaped());
}

void PracticeAids::RevealStep()
{
    selfTest_.Reveal();
    ApplySelfTest();
}

void PracticeAids::ApplySelfTest()
{
    w_.ayaView->SetHidden(selfTest_.PictureHidden());
    w_.textPanel->setHtml(selfTest_.TranslationHidden() ? QString("<p><i>Hidden: press R to reveal</i></p>")
                                                        : shownText_);
    CompactHeadings(w_.textPanel->document());
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
    ForceColours(w_.title, QPalette::Window, page);
    ForceColours(w_.ayaView->viewport(), QPalette::Window, page);
    ForceColours(w_.ayaView->viewport(), QPalette::Base, page);
    w_.ayaView->SetPageColour(page.page);
    w_.ayaView->SetNight(night_);
    if (!key_.empty())
        ForceColours(w_.textPanel, QPalette::Base, page);
}

void PracticeAids::UpdateStatusLine()
{
    const bool busy = session_->Busy();
    const QString text = QString::fromStdString(session_->StatusLine());
    if (w_.statusLine->text() != text) {
        w_.statusLine->setText(text);
        w_.statusLine->setAccessibleDescription(text);
    }
    ShowPlaying(w_.playButton, busy);
    ShowPlaying(w_.singlePlay, busy && session_->ActiveDrill()->WaitsOnAya());
    if (!busy)
        pauseCountdown_.stop();
}
