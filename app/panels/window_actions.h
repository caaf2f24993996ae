// SPDX-License-Identifier: GPL-3.0-or-later
// Every menu of the main window and every action in them, with its key, icon and whether it toggles: made
// in one place, and their words written in Retranslate(). The parts of the window connect the actions
// they serve; an action with a key is the window's too, so that the key works wherever the focus is.
#pragma once

#include <QObject>

class IdMenu;
class QAction;
class QMainWindow;
class QMenu;

class WindowActions : public QObject
{
    Q_OBJECT
  public:
    explicit WindowActions(QMainWindow* window);
    void Retranslate();
    // The View menu's text toggles say what choosing them does now ("&Hide Translation" while it shows).
    void ShowTextToggles(bool translation, bool transliteration);
    // The dynamic property that names the picture of a menu item's icon ("check.png").
    static constexpr const char* kIconNameProperty = "varnelPicture";
    static void SetIcon(QAction* item, const char* picture);
    // Checks the Language menu's item id (0: English), and no other.
    void CheckLanguage(int id);

    // Menus: File, View (with Practice and Interface Language under it), Recitor, Language, Help; the
    // Delete button's menu in My Recitation. The View menu's text toggles are its items 0 (translation)
    // and 1 (transliteration); the Language menu's items are the installed translations, by id.
    IdMenu *file, *view, *recitor, *language, *help;
    QMenu *practice, *interfaceLanguage, *deleteRecordings;

    QAction *saveProfile, *loadProfile, *preferences, *importRecordings, *exit;
    QAction *toggleTranslation, *toggleTransliteration;
    // Each panel's entry, checked while the panel is open; Reset Layout.
    QAction *heartPanel, *reviewPanel, *settingsPanel, *recitationPanel, *resetLayout;
    // Reading aids.
    QAction *night, *zoomIn, *zoomOut, *fitWidth, *markWords;
    // View > Practice.
    QAction *hideAya, *hideTranslation, *reveal, *slower, *faster, *snapPart, *addPassage;
    QAction *record, *playMine, *compare, *check;
    // The Delete button's menu.
    QAction *bringBackTake, *deleteThis, *deleteAll;
    QAction *configRecitor, *installedPacks, *guide, *about;

  private:
    bool translation_ = true, transliteration_ = false;
};
