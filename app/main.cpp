// SPDX-License-Identifier: GPL-3.0-or-later
// Varnel's entry point: the application, the main window, the screen check and the event loop.
#include "after_first_frame.h"
#include "interface_language.h"
#include "kelres.h"
#include "messages.h"
#include "mpris.h"
#include "naming.h"
#include "profile.h"
#include "quit_signals.h"
#include "recitation_session.h"
#include "settings_file.h"
#include "varn.h"
#include "window_layout.h"
#include "working_folder.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLocale>
#include <QScreen>
#include <cstdlib>

namespace
{

// The window while the event loop runs. Qt ends the process with exit() when the display goes away (a
// logout, an X server killed): no aboutToQuit, no unwinding; this hook still writes the learner's files.
Varn* running = nullptr;

void SaveOnAbruptEnd()
{
    if (running)
        running->SaveBeforeAbruptEnd();
}

} // namespace

int main(int argc, char** argv)
{
    // The sound server is asked for its devices while the window is made.
    RecitationSession::PrepareOutputs();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnel");
    QApplication::setDesktopFileName("org.lumora.Varnel");
    // The system's language until the learner's choice can be read from the working folder.
    interface_language::Use(interface_language::Choose(QString(), QLocale::system().uiLanguages()));
    QString problem;
    if (!EnterWorkingFolder(QApplication::arguments(), &problem)) {
        ShowMessage("Varnel", problem);
        return 1;
    }
    SettingsFile settings("varnel.ini");
    settings.Load();
    interface_language::Install(settings);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize desktop = screen ? screen->geometry().size() : QSize();

    Varn window;
    // The book from img.vnl at once; the desktop's own icon for Varnel, where the icon theme holds one,
    // once the window is drawn: finding it reads the theme's folders, which the window need not wait for.
    window.setWindowIcon(IconFromResource("quran.png"));
    AfterFirstFrame(&window, [&window] {
        const QIcon themed = QIcon::fromTheme("varnel");
        if (!themed.isNull())
            window.setWindowIcon(themed);
    });
    if (!Varn::ScreenLargeEnough(desktop)) {
        ShowMessage("Varnel", QCoreApplication::translate("Varn", Varn::kSmallScreenText));
        std::_Exit(0); // at once: no event loop, no saving, no teardown of running sound threads
    }
    // Where the learner left it on this machine, fitted to this screen; at a first start, as always.
    if (screen && window.Layout()->RestoreGeometry(screen->availableGeometry())) {
        window.show();
    } else if (Varn::PlaceCentred(desktop)) {
        window.setGeometry(CentredGeometry(desktop));
        window.show();
    } else {
        // Fill the screen also where no window manager maximises windows.
        window.setGeometry(screen->availableGeometry());
        window.showMaximized();
    }
    // The profile dialog was shown while the window was built: keep it in front of the window.
    if (window.ProfileDialog()->isVisible()) {
        window.ProfileDialog()->raise();
        window.ProfileDialog()->activateWindow();
    }
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, &Varn::OnExit);
    const QuitSignals quitSignals;
    // The desktop's media controls; without a session bus, nothing is registered.
    Mpris mpris(&window, window.Session(), window.Packs());
    // A rate asked by the desktop is the Speed box's: the learner's settings keep it as they keep a typed
    // one.
    QObject::connect(&mpris, &Mpris::RateRequested, window.findChild<QDoubleSpinBox*>("speedSpin"),
                     &QDoubleSpinBox::setValue);
    mpris.Register(QDBusConnection::sessionBus());
    running = &window;
    std::atexit(SaveOnAbruptEnd);
    const int code = app.exec();
    running = nullptr;
    return code;
}
