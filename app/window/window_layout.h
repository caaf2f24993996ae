// SPDX-License-Identifier: GPL-3.0-or-later
// WindowLayout places the panels around the aya and remembers, per machine, where the learner left them:
// the window's geometry (maximised or not), the panels (shown, hidden, moved, floating, their sizes) and
// the split between the aya's picture and its text. They live in varnel.ini and come back at start;
// View > Reset Layout brings back the default. A layout saved on a larger screen is fitted to a smaller
// one, so the window never starts partly off screen or larger than the screen.
#pragma once

#include <QObject>
#include <QRect>
#include <utility>
#include <vector>

class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
class QSplitter;
class QWidget;
class WindowSettings;

class WindowLayout : public QObject
{
    Q_OBJECT
  public:
    // split holds the aya's picture above its text.
    WindowLayout(QMainWindow* window, QSplitter* split, WindowSettings& settings);

    // Puts each panel's content in a dock of its own, not yet placed.
    void AddPanels(QWidget* heart, QWidget* review, QWidget* settings, QWidget* recitation);
    // The dock that holds content (one of the panels); null for another widget.
    QDockWidget* Dock(const QWidget* content) const;
    // The panels' titles in the interface's language.
    void Retranslate();
    // Makes each entry show or hide its panel, checked while the panel is open, and reset bring back the
    // default layout.
    void UseEntries(QAction* heart, QAction* review, QAction* settings, QAction* recitation, QAction* reset);

    // The default: the heart with the Review panel and My Recitation as tabs beside it, above the
    // recitation settings, in one column on the reading side's start; the picture above the text. The
    // sizes follow the window's, so they are given again when the window is first shown.
    void ApplyDefault();
    // The panels and the split as saved, else the default; false when nothing readable was saved.
    bool RestorePanels();
    // The window's saved geometry, fitted to available; false when none was saved.
    bool RestoreGeometry(const QRect& available);
    // Writes the geometry, the panels and the split to varnel.ini.
    void Save();
    // Reset Layout: the default panels, and the window placed as at a first start.
    void Reset();

    // The rectangle window moved and shrunk as little as possible to lie within available.
    static QRect FitToScreen(const QRect& window, const QRect& available);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Arrange();
    // Moves the panels to the side where lines start after the direction changed, when they stood
    // together at the side where they started before.
    void FollowDirection();
    void SizeDefault();
    // Checks each panel's View entry while the panel is open.
    void SyncEntries();
    // Whether widget lies on a panel behind another's tab, which Qt moves out of the window's sight.
    bool OutOfSight(const QWidget* widget) const;
    // Moves the focus from focused to the next (or previous) control in sight.
    void PassBy(QWidget* focused, bool forward);
    // Moves and shrinks the window, its frame included, into the screen's available room.
    void FitWindow();
    // Keeps the panels' column from taking more than its share of a window that is now narrower.
    void FitColumn();
    // The column's width at which the settings need no sideways scroll bar.
    int SettingsWidth() const;

    QMainWindow* window_;
    QSplitter* split_;
    WindowSettings& settings_;
    QDockWidget *heartDock_ = nullptr, *reviewDock_ = nullptr, *settingsDock_ = nullptr,
                *recitationDock_ = nullptr;
    std::vector<std::pair<QAction*, QDockWidget*>> entries_; // each panel's View entry
    QRect available_;                                        // the screen's room the restored window must fit
    bool restored_ = false;
    // The panels' state as varnel.ini holds it: restored again once the window stands at its size, since
    // Qt shares a restored column's height out anew when the window grows around it.
    QByteArray restoredState_;
    bool shown_ = false; // the panels came from varnel.ini: their sizes stand
};
