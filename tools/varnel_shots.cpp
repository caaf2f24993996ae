// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-shots: pictures of the real window for the documentation, taken headless in a working folder
// with packs (scripts/make-demo's build/demo): the default look, a dark desktop, Night Reading, the aya
// hidden and half revealed. Run with QT_SCALE_FACTOR=2 for the high-density picture.
//
//   varnel-shots WORKDIR OUTDIR [NAME...]      NAME: light dark night hidden revealed passage
//                                              (default: all)
// The window is placed as on a 1366x768 screen, or on VARNEL_SHOT_SCREEN (WxH, "-WxH" in the name).
// "passage" is page 602 playing across its suras, with juz 30 in the heart (window-passage.png) and
// the heart's column with its progress by juz (juz-progress.png).
#include "aya.h"
#include "config.h"
#include "heart.h"
#include "id_menu.h"
#include "interface_language.h"
#include "juz_progress.h"
#include "naming.h"
#include "page_look.h"
#include "passage.h"
#include "profile.h"
#include "settings_file.h"
#include "sound.h"
#include "varn.h"
#include "window_actions.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace
{

// An item of the View menu or of its Practice submenu.
// The item of View or View > Practice whose English text is text, in whatever language is spoken.
QAction* ViewAction(Varn& window, const char* text)
{
    const WindowActions* actions = window.findChild<WindowActions*>();
    for (QMenu* menu : {static_cast<QMenu*>(actions->view), actions->practice})
        for (QAction* a : menu->actions())
            if (a->text() == QCoreApplication::translate("WindowActions", text))
                return a;
    std::cerr << "varnel-shots: no item \"" << text << "\"\n";
    std::exit(1);
}

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A learner's recording of an aya: a voice-like sound of two seconds, rising and falling.
void PutOwnRecording(const QString& path)
{
    sound::Pcm pcm;
    pcm.rate = 22050;
    pcm.channels = 1;
    for (int k = 0; k < 2 * pcm.rate; ++k) {
        const double t = double(k) / pcm.rate;
        const double swell = std::sin(M_PI * t / 2) * (0.6 + 0.4 * std::sin(2 * M_PI * 2.5 * t));
        pcm.samples.push_back(
            float(swell * (0.3 * std::sin(2 * M_PI * 180 * t) + 0.1 * std::sin(2 * M_PI * 540 * t))));
    }
    std::vector<char> bytes;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (sound::EncodeOggVorbis(pcm, 0.4, &bytes) == sound::Ok && file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), qint64(bytes.size()));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    // The interface speaks the language LANGUAGE names, as the program does.
    const QString language = interface_language::Install(SettingsFile("none-such.ini"));
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::cerr << "usage: varnel-shots WORKDIR OUTDIR [light|dark|night|hidden|revealed]...\n";
        return 2;
    }
    const QString out = QDir(args[2]).absolutePath();
    QDir().mkpath(out);
    QDir::setCurrent(args[1]);
    QStringList names = args.mid(3);
    if (names.isEmpty())
        names = {"light", "dark", "night", "hidden", "revealed", "passage", "compare"};
    // The screen the window is placed on as the program places it: VARNEL_SHOT_SCREEN=WxH, 1366x768 by
    // default (a common laptop); another size names the picture after it.
    const QString screenName = qEnvironmentVariable("VARNEL_SHOT_SCREEN", "1366x768");
    const QSize screen(screenName.section('x', 0, 0).toInt(), screenName.section('x', 1, 1).toInt());
    if (!Varn::ScreenLargeEnough(screen)) {
        std::cerr << "varnel-shots: VARNEL_SHOT_SCREEN must be at least 800x600\n";
        return 2;
    }
    const QString suffix = QString(qEnvironmentVariableIntValue("QT_SCALE_FACTOR") > 1 ? "-2x" : "") +
                           (screenName == "1366x768" ? QString() : "-" + screenName) +
                           (language == "en" ? QString() : "-" + language);
    for (const QString& name : names) {
        // Each picture starts from a learner of its own, with nothing remembered.
        QDir("profiles").removeRecursively();
        QFile::remove("varnel.ini");
        QApplication::setPalette(name == "dark" ? DarkDesktopPalette()
                                                : QApplication::style()->standardPalette());
        Varn window;
        window.ProfileDialog()->hide();
        window.setGeometry(Varn::PlaceCentred(screen) ? CentredGeometry(screen)
                                                      : QRect(QPoint(0, 0), screen));
        window.show();
        if (name == "compare")
            PutOwnRecording("profiles/Amina.recordings/112001.ogg");
        window.NewProfile("Amina");
        window.ConfigDialog()->hide();
        // Al-Ikhlas, whatever the language writes its name in.
        const int sura = window.findChild<QComboBox*>("chooser")->findData(112);
        window.findChild<QComboBox*>("chooser")->setCurrentIndex(sura);
        emit window.findChild<QComboBox*>("chooser")->activated(sura);
        window.ToggleEnglish(1); // the transliteration too
        if (name == "passage") {
            window.findChild<QComboBox*>("passageKind")->setCurrentIndex(int(PassageKind::Juz));
            window.findChild<QSpinBox*>("passageNumber")->setValue(30);
            window.findChild<WindowActions*>()->addPassage->trigger();
            for (const char* key : {"001.001", "001.002", "001.003", "002.001", "002.002"})
                window.findChild<Heart*>("heart")->DropText(key);
            window.findChild<QComboBox*>("passageKind")->setCurrentIndex(int(PassageKind::Page));
            window.findChild<QSpinBox*>("passageNumber")->setValue(602);
            window.findChild<QPushButton*>("passagePlay")->click();
            Wait(2500); // a few ayas in
        }
        if (name == "compare") {
            window.findChild<QPushButton*>("compareButton")->click();
            Wait(3400); // into the learner's turn
        }
        if (name == "night")
            ViewAction(window, "&Night Reading")->setChecked(true);
        if (name == "hidden" || name == "revealed")
            ViewAction(window, "Hide the aya")->setChecked(true);
        Wait(name == "compare" ? 0 : 700);
        if (name != "compare")
            window.StopAya();
        if (name == "revealed")
            for (int step = 0; step < 3; ++step)
                ViewAction(window, "Reveal")->trigger();
        Wait(200);
        const QString file = out + "/window-" + name + suffix + ".png";
        if (!window.grab().save(file)) {
            std::cerr << "varnel-shots: cannot write " << file.toStdString() << "\n";
            return 1;
        }
        std::cout << "wrote " << file.toStdString() << "\n";
        if (name == "passage") {
            const QString column = out + "/juz-progress" + suffix + ".png";
            window.findChild<JuzProgress*>("juzProgress")->setFocus();
            if (!window.findChild<JuzProgress*>("juzProgress")->parentWidget()->grab().save(column))
                return 1;
            std::cout << "wrote " << column.toStdString() << "\n";
        }
        ViewAction(window, "&Night Reading")->setChecked(false);
    }
    return 0;
}
