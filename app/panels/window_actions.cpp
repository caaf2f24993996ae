// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_actions.h"

#include "id_menu.h"
#include "kelres.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

namespace
{

QAction* Entry(QMenu* menu, const char* icon = nullptr, bool checkable = false)
{
    QAction* a = menu->addAction(QString());
    if (icon)
        WindowActions::SetIcon(a, icon);
    a->setCheckable(checkable);
    return a;
}

} // namespace

void WindowActions::SetIcon(QAction* item, const char* picture)
{
    item->setIcon(IconFromResource(picture));
    item->setProperty(kIconNameProperty, picture);
}

WindowActions::WindowActions(QMainWindow* window) : QObject(window)
{
    file = new IdMenu(window);
    saveProfile = Entry(file, "save.png");
    loadProfile = Entry(file, "load.png");
    preferences = Entry(file, "pref.png");
    importRecordings = Entry(file, "load.png");
    exit = Entry(file, "exit.png");

    language = new IdMenu(window);
    SetIcon(language->InsertItem(QIcon(), "English", 0), "check.png");

    // The View menu keeps its text toggles on top, then the panels, then the reading aids; the practice
    // aids have a submenu of their own, so "Hide Translation" and "Hide the translation" never sit side by
    // side.
    view = new IdMenu(window);
    toggleTranslation = view->InsertItem(QIcon(), QString(), 0, 0);
    toggleTransliteration = view->InsertItem(QIcon(), QString(), 1, 0);
    view->addSeparator();
    heartPanel = Entry(view, nullptr, true);
    reviewPanel = Entry(view, nullptr, true);
    settingsPanel = Entry(view, nullptr, true);
    recitationPanel = Entry(view, nullptr, true);
    resetLayout = Entry(view);
    view->addSeparator();
    night = Entry(view, nullptr, true);
    zoomIn = Entry(view);
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut = Entry(view);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    fitWidth = Entry(view);
    fitWidth->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    view->addSeparator();
    markWords = Entry(view, nullptr, true);
    practice = view->addMenu(QString());
    hideAya = Entry(practice, nullptr, true);
    hideAya->setShortcut(QKeySequence(Qt::Key_H));
    hideTranslation = Entry(practice, nullptr, true);
    reveal = Entry(practice);
    reveal->setShortcut(QKeySequence(Qt::Key_R));
    practice->addSeparator();
    slower = Entry(practice);
    slower->setShortcut(QKeySequence(Qt::Key_BracketLeft));
    faster = Entry(practice);
    faster->setShortcut(QKeySequence(Qt::Key_BracketRight));
    snapPart = Entry(practice, nullptr, true);
    practice->addSeparator();
    addPassage = Entry(practice);
    addPassage->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    practice->addSeparator();
    record = Entry(practice);
    record->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    playMine = Entry(practice);
    compare = Entry(practice);
    check = Entry(practice);
    interfaceLanguage = view->addMenu(QString());
    // Their keys work anywhere in the window, whichever menu holds them.
    for (QAction* a : {zoomIn, zoomOut, fitWidth, hideAya, reveal, slower, faster, addPassage, record})
        window->addAction(a);

    deleteRecordings = new QMenu(window);
    bringBackTake = Entry(deleteRecordings);
    deleteThis = Entry(deleteRecordings);
    deleteAll = Entry(deleteRecordings);

    recitor = new IdMenu(window);
    configRecitor = Entry(recitor, "pref.png");
    installedPacks = Entry(recitor);

    help = new IdMenu(window);
    guide = Entry(help, "help.png");
    about = Entry(help, "about.png");

    auto* bar = new QMenuBar(window);
    for (QMenu* menu : {static_cast<QMenu*>(file), static_cast<QMenu*>(view), static_cast<QMenu*>(recitor),
                        static_cast<QMenu*>(language), static_cast<QMenu*>(help)})
        bar->addMenu(menu);
    window->setMenuBar(bar);
    Retranslate();
}

void WindowActions::CheckLanguage(int id)
{
    for (QAction* item : language->actions())
        if (item->data().isValid())
            SetIcon(item, item->data().toInt() == id ? "check.png" : "check2.png");
}

void WindowActions::ShowTextToggles(bool translation, bool transliteration)
{
    translation_ = translation;
    transliteration_ = transliteration;
    toggleTranslation->setText(translation ? tr("&Hide Translation") : tr("&Show Translation"));
    SetIcon(toggleTranslation, translation ? "xmark.png" : "check.png");
    toggleTransliteration->setText(transliteration ? tr("&Hide Transliteration")
                                                   : tr("&Show Transliteration"));
    SetIcon(toggleTransliteration, transliteration ? "xmark.png" : "check.png");
}

void WindowActions::Retranslate()
{
    file->setTitle(tr("&File"));
    view->setTitle(tr("&View"));
    recitor->setTitle(tr("&Recitor"));
    language->setTitle(tr("&Language"));
    help->setTitle(tr("&Help"));

    saveProfile->setText(tr("&Save Profile"));
    loadProfile->setText(tr("&New/Load Profile"));
    preferences->setText(tr("&Preferences"));
    importRecordings->setText(tr("&Import Recordings..."));
    exit->setText(tr("&Exit"));

    ShowTextToggles(translation_, transliteration_);
    heartPanel->setText(tr("&Heart"));
    reviewPanel->setText(tr("&Review Panel"));
    settingsPanel->setText(tr("Recitation &Settings"));
    recitationPanel->setText(tr("&My Recitation"));
    resetLayout->setText(tr("Reset La&yout"));
    night->setText(tr("&Night Reading"));
    zoomIn->setText(tr("Zoom In"));
    zoomOut->setText(tr("Zoom Out"));
    fitWidth->setText(tr("Fit to Width"));
    markWords->setText(tr("Mark the &Heard Word"));

    practice->setTitle(tr("&Practice"));
    hideAya->setText(tr("Hide the aya"));
    hideTranslation->setText(tr("Hide the translation"));
    reveal->setText(tr("Reveal"));
    slower->setText(tr("Slower"));
    faster->setText(tr("Faster"));
    snapPart->setText(tr("Snap the Part to Words"));
    addPassage->setText(tr("Add Passage to Heart"));
    record->setText(tr("Record My Recitation"));
    playMine->setText(tr("Play Mine"));
    compare->setText(tr("Compare with the Reciter"));
    check->setText(tr("Check My Recitation"));
    interfaceLanguage->setTitle(tr("Interface &Language"));

    bringBackTake->setText(tr("Bring Back My Previous Take"));
    deleteThis->setText(tr("Delete My Recording of This Aya..."));
    deleteAll->setText(tr("Delete All My Recordings..."));

    configRecitor->setText(tr("&Config Recitor"));
    installedPacks->setText(tr("&Installed Packs..."));
    guide->setText(tr("&Help"));
    about->setText(tr("&About"));
}
