// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_layout.h"

#include "app_settings.h"
#include "naming.h"
#include "window_settings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <algorithm>

namespace
{

// Qt names each dock's own buttons, and the scroll buttons of the panels' tabs, in its "QDockWidget" and
// "QTabBar" contexts; these are their words, translated with ours, so that the buttons speak the
// interface's language where Qt has no translation of its own.
[[maybe_unused]] const char* const kDockButtonWords[] = {
    QT_TRANSLATE_NOOP("QDockWidget", "Float"),
    QT_TRANSLATE_NOOP("QDockWidget", "Close"),
    QT_TRANSLATE_NOOP("QDockWidget", "Undocks and re-attaches the dock widget"),
    QT_TRANSLATE_NOOP("QDockWidget", "Closes the dock widget"),
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Left"),
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Right")};

// The panels' column: about a quarter of the window, never so narrow that its controls are cut nor so
// wide that the aya loses its place.
constexpr double kColumnShare = 0.27;
constexpr int kColumnMin = 250;
constexpr int kColumnMax = 340;
// The most of the column's height the settings take by default.
constexpr double kSettingsMostShare = 0.62;
// The most of the window's width a restored column may keep.
constexpr double kColumnMostShare = 0.45;
// How far along the focus chain Tab looks for a control in sight.
constexpr int kFocusChainMost = 2000;
// The picture's and the text's shares of their splitter.
constexpr int kPictureShare = 3;
constexpr int kTextShare = 2;

// What a panel's content asks for, inside the scroll area that holds it.
QSize ContentHint(const QDockWidget* dock)
{
    const auto* scroll = qobject_cast<const QScrollArea*>(dock->widget());
    const QWidget* content = scroll ? scroll->widget() : dock->widget();
    return content ? content->sizeHint() : QSize();
}

// The width the panels' column takes by default in a window this wide.
int DefaultColumnWidth(int windowWidth)
{
    return std::clamp(int(windowWidth * kColumnShare), kColumnMin, kColumnMax);
}

// A dock known by its object name (kept in the saved layout), holding content in a scroll area, so that a
// short screen scrolls the panel instead of growing the window.
QDockWidget* PanelDock(QMainWindow* window, const char* objectName, QWidget* content)
{
    auto* dock = new QDockWidget(window);
    dock->setObjectName(objectName);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    auto* scroll = new QScrollArea(dock);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes through the panel's controls, not the area itself
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setWidget(content);
    // Behind another's tab the contents are hidden (UseEntries), and keep their room meanwhile.
    QSizePolicy policy = scroll->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    scroll->setSizePolicy(policy);
    dock->setWidget(scroll);
    return dock;
}

QByteArray Stored(const WindowSettings& settings, const char* key)
{
    return QByteArray::fromBase64(settings.Text(key).toLatin1());
}

} // namespace

WindowLayout::WindowLayout(QMainWindow* window, QSplitter* split, WindowSettings& settings)
    : QObject(window), window_(window), split_(split), settings_(settings)
{
    window_->installEventFilter(this);
    qApp->installEventFilter(this); // Tab's way through the panels (eventFilter)
    window_->setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks |
                            QMainWindow::AllowNestedDocks);
    window_->setTabPosition(Qt::AllDockWidgetAreas, QTabWidget::North);
}

void WindowLayout::AddPanels(QWidget* heart, QWidget* review, QWidget* settings, QWidget* recitation)
{
    heartDock_ = PanelDock(window_, "heartPanel", heart);
    reviewDock_ = PanelDock(window_, "reviewPanel", review);
    settingsDock_ = PanelDock(window_, "settingsPanel", settings);
    recitationDock_ = PanelDock(window_, "recitationPanel", recitation);
    Retranslate();
}

QDockWidget* WindowLayout::Dock(const QWidget* content) const
{
    for (QDockWidget* dock : {heartDock_, reviewDock_, settingsDock_, recitationDock_})
        if (dock && dock->isAncestorOf(content))
            return dock;
    return nullptr;
}

void WindowLayout::Retranslate()
{
    heartDock_->setWindowTitle(tr("Heart"));
    reviewDock_->setWindowTitle(tr("Review"));
    settingsDock_->setWindowTitle(tr("Recitation Settings"));
    recitationDock_->setWindowTitle(tr("My Recitation"));
    // The settings' words in another language may need a wider column: fitted once they are laid out.
    if (shown_)
        QTimer::singleShot(0, this, &WindowLayout::FitColumn);
    // Qt names the docks' own buttons and the tabs' scroll buttons when it makes them, and not again.
    auto qt = [](const char* context, const char* text) {
        return QCoreApplication::translate(context, text);
    };
    for (QDockWidget* dock : {heartDock_, reviewDock_, settingsDock_, recitationDock_}) {
        if (auto* b = dock->findChild<QAbstractButton*>("qt_dockwidget_floatbutton")) {
            b->setToolTip(qt("QDockWidget", "Float"));
            b->setAccessibleName(qt("QDockWidget", "Float"));
            b->setAccessibleDescription(qt("QDockWidget", "Undocks and re-attaches the dock widget"));
        }
        if (auto* b = dock->findChild<QAbstractButton*>("qt_dockwidget_closebutton")) {
            b->setToolTip(qt("QDockWidget", "Close"));
            b->setAccessibleName(qt("QDockWidget", "Close"));
            b->setAccessibleDescription(qt("QDockWidget", "Closes the dock widget"));
        }
    }
    for (QTabBar* tabs : window_->findChildren<QTabBar*>()) {
        if (auto* b = tabs->findChild<QAbstractButton*>("ScrollLeftButton"))
            b->setAccessibleName(qt("QTabBar", "Scroll Left"));
        if (auto* b = tabs->findChild<QAbstractButton*>("ScrollRightButton"))
            b->setAccessibleName(qt("QTabBar", "Scroll Right"));
    }
}

void WindowLayout::UseEntries(QAction* heart, QAction* review, QAction* settings, QAction* recitation,
                              QAction* reset)
{
    // An entry for each panel, which follows the panel however it was closed (its title bar's button too).
    const std::pair<QDockWidget*, QAction*> panels[] = {
        {heartDock_, heart}, {reviewDock_, review}, {settingsDock_, settings}, {recitationDock_, recitation}};
    for (const auto& [dock, entry] : panels) {
        // Checked while the panel is open, in front or behind another's tab.
        entry->setChecked(!dock->isHidden());
        QDockWidget* panel = dock;
        QAction* item = entry;
        connect(panel, &QDockWidget::visibilityChanged, item,
                [item, panel] { item->setChecked(!panel->isHidden()); });
        // A panel behind another's tab is only moved out of sight by Qt: its controls would still tell a
        // screen reader they are showing. Its contents are hidden while it is behind, and shown with it.
        connect(panel, &QDockWidget::visibilityChanged, this, [this, panel](bool visible) {
            if (shown_ && panel->widget() && !panel->isHidden())
                panel->widget()->setVisible(visible);
        });
        // A panel behind another's tab comes to the front; one in front closes; a closed one opens in
        // front. So the keyboard reaches every panel from the menu in one step.
        connect(item, &QAction::triggered, this, [this, item, panel] {
            const bool behind = !panel->isHidden() && OutOfSight(panel->widget());
            if (panel->isHidden() || behind) {
                panel->show();
                panel->raise();
            } else {
                panel->hide();
            }
            item->setChecked(!panel->isHidden());
        });
        entries_.push_back({item, panel});
    }
    connect(reset, &QAction::triggered, this, &WindowLayout::Reset);
}

void WindowLayout::ApplyDefault()
{
    Arrange();
    SizeDefault();
    SyncEntries();
}

void WindowLayout::Arrange()
{
    // The reading side's start: the left, or the right in a right-to-left interface, where the heart
    // column has always stood.
    const Qt::DockWidgetArea side =
        window_->isRightToLeft() ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea;
    for (QDockWidget* dock : {heartDock_, reviewDock_, recitationDock_, settingsDock_}) {
        dock->setFloating(false);
        window_->removeDockWidget(dock);
    }
    window_->addDockWidget(side, heartDock_);
    window_->splitDockWidget(heartDock_, settingsDock_, Qt::Vertical);
    window_->tabifyDockWidget(heartDock_, reviewDock_);
    window_->tabifyDockWidget(reviewDock_, recitationDock_);
    for (QDockWidget* dock : {heartDock_, reviewDock_, recitationDock_, settingsDock_})
        dock->show();
    heartDock_->raise();
}

void WindowLayout::FollowDirection()
{
    const Qt::DockWidgetArea before =
        window_->isRightToLeft() ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea;
    std::vector<QDockWidget*> closed;
    for (const auto& [entry, dock] : entries_) {
        if (!dock->isFloating() && dock->isVisibleTo(window_) && window_->dockWidgetArea(dock) != before)
            return; // the learner placed the panels elsewhere: they stay
        if (!dock->isVisibleTo(window_))
            closed.push_back(dock);
    }
    Arrange();
    for (QDockWidget* dock : closed)
        dock->close();
    SizeDefault();
    SyncEntries();
}

void WindowLayout::SizeDefault()
{
    heartDock_->raise();
    window_->resizeDocks({heartDock_}, {std::max(SettingsWidth(), DefaultColumnWidth(window_->width()))},
                         Qt::Horizontal);
    // The settings take the height they need (with their title), up to a share of the column; the heart
    // and its tabs take the rest.
    const int title = settingsDock_->fontMetrics().height() + 10;
    const int column = std::max(2, heartDock_->height() + settingsDock_->height());
    const int settings =
        std::min(ContentHint(settingsDock_).height() + title, int(column * kSettingsMostShare));
    window_->resizeDocks({heartDock_, settingsDock_}, {column - settings, settings}, Qt::Vertical);
    const int room = std::max(2, split_->height());
    split_->setSizes({room * kPictureShare / (kPictureShare + kTextShare),
                      room * kTextShare / (kPictureShare + kTextShare)});
}

void WindowLayout::SyncEntries()
{
    for (const auto& [entry, panel] : entries_)
        entry->setChecked(!panel->isHidden());
}

bool WindowLayout::RestorePanels()
{
    Arrange();
    const QByteArray state = Stored(settings_, app_settings::kWindowState);
    restored_ = !state.isEmpty() && window_->restoreState(state, app_settings::kWindowStateVersion);
    restoredState_ = restored_ ? state : QByteArray();
    SyncEntries(); // a panel closed by the restored state says so before the window shows
    if (!restored_)
        return false;
    const QByteArray split = Stored(settings_, app_settings::kAyaSplit);
    if (!split.isEmpty())
        split_->restoreState(split);
    return true;
}

bool WindowLayout::RestoreGeometry(const QRect& available)
{
    const QByteArray geometry = Stored(settings_, app_settings::kWindowGeometry);
    if (geometry.isEmpty() || !window_->restoreGeometry(geometry))
        return false;
    available_ = available;
    FitWindow();
    return true;
}

void WindowLayout::Save()
{
    // In one write, and none when nothing moved.
    settings_.Remember(
        {{app_settings::kWindowGeometry, QString::fromLatin1(window_->saveGeometry().toBase64())},
         {app_settings::kWindowState,
          QString::fromLatin1(window_->saveState(app_settings::kWindowStateVersion).toBase64())},
         {app_settings::kAyaSplit, QString::fromLatin1(split_->saveState().toBase64())}});
}

void WindowLayout::Reset()
{
    const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QSize desktop = screen->geometry().size();
        if (desktop.width() > 1100 || desktop.height() > 800) {
            window_->showNormal();
            window_->setGeometry(FitToScreen(CentredGeometry(desktop), screen->availableGeometry()));
        } else {
            window_->showMaximized();
        }
    }
    ApplyDefault();
}

QRect WindowLayout::FitToScreen(const QRect& window, const QRect& available)
{
    if (available.isEmpty())
        return window;
    QRect fitted(window.topLeft(), window.size().boundedTo(available.size()));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(), available.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), available.top(), available.bottom() + 1 - fitted.height()));
    return fitted;
}

bool WindowLayout::OutOfSight(const QWidget* widget) const
{
    const QRect inside(QPoint(0, 0), window_->size());
    for (const QWidget* w = widget; w && w != window_; w = w->parentWidget())
        if (const auto* dock = qobject_cast<const QDockWidget*>(w))
            return !dock->isFloating() && !inside.intersects(dock->geometry());
    return false;
}

void WindowLayout::PassBy(QWidget* focused, bool forward)
{
    // The next control in the focus chain that the learner can see and Tab may stop on.
    QWidget* next = focused;
    for (int guard = 0; guard < kFocusChainMost; ++guard) {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        if (!next || next == focused)
            return;
        if (next->window() == window_ && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy() && !OutOfSight(next)) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void WindowLayout::FitWindow()
{
    if (available_.isEmpty() || window_->isFullScreen())
        return;
    // The frame (title bar and borders) must fit too: the inside goes where the screen less the frame is.
    const QRect frame = window_->frameGeometry(), inside = window_->geometry();
    // Maximised on another screen, it keeps that screen's size where nothing maximises it again (no
    // window manager): then it is a window like any other, fitted.
    if (window_->isMaximized()) {
        if (available_.contains(frame))
            return;
        window_->setWindowState(window_->windowState() & ~Qt::WindowMaximized);
    }
    const QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(),
                           frame.right() - inside.right(), frame.bottom() - inside.bottom());
    const QRect fitted = FitToScreen(inside, available_.marginsRemoved(margins));
    if (fitted != inside)
        window_->setGeometry(fitted);
}

int WindowLayout::SettingsWidth() const
{
    // Wide enough for the settings without a sideways scroll bar.
    const int scrollBar = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return ContentHint(settingsDock_).width() + scrollBar + 4;
}

void WindowLayout::FitColumn()
{
    // A restored column stays within a share of the window, and no narrower than its controls can be
    // read at: a column saved from a small screen, or dragged thin, would clip them behind scroll bars.
    const int most = std::max(kColumnMin, int(window_->width() * kColumnMostShare));
    const int least = std::min(most, std::max(kColumnMin, SettingsWidth()));
    for (QDockWidget* dock : {heartDock_, settingsDock_, reviewDock_, recitationDock_}) {
        if (dock->isFloating() || !dock->isVisible())
            continue;
        if (dock->width() > most)
            window_->resizeDocks({dock}, {most}, Qt::Horizontal);
        else if (dock->width() < least)
            window_->resizeDocks({dock}, {least}, Qt::Horizontal);
    }
}

bool WindowLayout::eventFilter(QObject* watched, QEvent* event)
{
    // The default sizes are shares of the window, known once it is shown at its place.
    if (watched == window_ && event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        // Fitted in every case, now with the frame the window has on this desktop: a restored place with
        // panels that could not be restored is fitted as well.
        FitWindow();
        if (restored_) {
            window_->restoreState(restoredState_, app_settings::kWindowStateVersion);
            FitColumn();
        } else {
            SizeDefault();
        }
        // Once the panels stand where they show, those behind another's tab hide their contents.
        QTimer::singleShot(0, this, [this] {
            for (const auto& [entry, panel] : entries_)
                if (panel->widget() && !panel->isHidden())
                    panel->widget()->setVisible(!OutOfSight(panel));
        });
    }
    // The interface now reads the other way: panels docked at the side where lines started move to
    // the side where they start now, in the same arrangement; a panel closed stays closed.
    if (watched == window_ && event->type() == QEvent::LayoutDirectionChange)
        FollowDirection();
    // A panel behind another's tab is only moved out of sight by Qt, its controls still shown to a screen
    // reader (which can press them) and still in the focus chain: Tab passes them by.
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && widget &&
            widget->window() == window_ && OutOfSight(widget)) {
            const QPointer<QWidget> focused(widget);
            QTimer::singleShot(0, this, [this, focused, reason] {
                if (focused && focused->hasFocus())
                    PassBy(focused, reason == Qt::TabFocusReason);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}
