// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language chosen while Varnel runs: the window open, its panels and its dialogs speak the
// new language at once, as a window made in it would, and in its direction; and back again.
#include "fixtures.h"
#include "heart.h"
#include "id_menu.h"
#include "interface_language.h"
#include "pack_dialogs.h"
#include "recorder.h"
#include "varn.h"
#include "visible_texts.h"
#include "window_controls.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace
{

// The entry for code in View > Interface Language ("" for System Default).
QAction* LanguageEntry(Varn& window, const QString& code)
{
    for (QAction* a : fixtures::C(window).view->actions())
        if (a->menu() && a->menu()->actions().size() == 9)
            for (QAction* item : a->menu()->actions())
                if (!item->isSeparator() && item->data().toString() == code)
                    return item;
    return nullptr;
}

// Opens and closes every dialog the window keeps, as a learner would look into each.
void OpenDialogs(Varn& window)
{
    window.Dialogs()->ShowRecitor();
    window.Dialogs()->ShowImport();
    window.Dialogs()->ShowInstalled();
    window.ShowConfig();
    window.Help();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window)
            w->hide();
}

// Amina's profile as a learner leaves it: suras in the heart (their reviews due), a recording of the aya
// shown, checked.
void Furnish()
{
    Varn window;
    window.NewProfile("Amina");
    fixtures::C(window).heart->DropText("all.108");
    fixtures::C(window).heart->DropText("all.112");
    sound::Pcm take;
    const QByteArray tone = fixtures::ToneOgg(300);
    QCOMPARE(sound::DecodeAll(tone.constData(), size_t(tone.size()), &take), sound::Ok);
    emit window.Mine()->TheRecorder().Taken(AyaRef::FromKey(window.Session()->CurrentAya()), take);
    QVERIFY(window.Record().Recorded().Has(AyaRef::FromKey(window.Session()->CurrentAya()).sura,
                                           AyaRef::FromKey(window.Session()->CurrentAya()).aya));
}

// The window with Amina's profile, her recording checked again, and every dialog it keeps built.
void Open(Varn& window)
{
    window.LoadProfile("Amina");
    QLabel* verdict = fixtures::C(window).checkResult;
    fixtures::Press(fixtures::C(window).checkButton);
    QVERIFY(fixtures::WaitFor([&] { return verdict->text().contains(":"); }, 10000));
    OpenDialogs(window);
}

// The window's controls with their words, leaving out what Qt's layout makes and drops as it lays the
// window out, whatever the language: the docks' tab bars (their tabs are the docks' titles) and the menu
// bar's overflow button and its menu.
QMap<QString, QStringList> Controls()
{
    QMap<QString, QStringList> controls = fixtures::ControlTexts();
    controls.removeIf([](const auto& control) {
        return control.key().contains("/QTabBar#") || control.key().contains("qt_menubar_ext_button") ||
               control.key().contains("QMenuBar#0/QMenu#");
    });
    return controls;
}

// The controls whose words differ, with both.
QString Differences(const QMap<QString, QStringList>& expected, const QMap<QString, QStringList>& shown)
{
    QStringList lines;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        if (shown.value(it.key()) != it.value())
            lines << it.key() + ": " + it.value().join(" | ") + " <> " + shown.value(it.key()).join(" | ");
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        if (!expected.contains(it.key()))
            lines << it.key() + ": only after the change";
    return QString::number(lines.size()) + " controls differ\n" + lines.mid(0, 12).join('\n');
}

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

  private slots:
    void cleanup() { interface_language::Use("en"); }

    // For every pair of the interface's languages, a window started in one and switched to the other in
    // View > Interface Language shows, control by control, what a window started in the other shows, and
    // in its direction: with a recording, its check and reviews due, and its dialogs built.
    void switchedAsIfStartedThere()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 300);
        Furnish();
        const QStringList codes = interface_language::Available();
        QMap<QString, QMap<QString, QStringList>> started;
        for (const QString& code : codes) {
            interface_language::Use(code);
            Varn window;
            Open(window);
            started[code] = Controls();
        }
        int pairs = 0;
        for (const QString& from : codes)
            for (const QString& to : codes) {
                if (from == to)
                    continue;
                interface_language::Use(from);
                Varn window;
                Open(window);
                LanguageEntry(window, to)->trigger();
                QCOMPARE(interface_language::Current(), to);
                OpenDialogs(window);
                const QMap<QString, QStringList> switched = Controls();
                QVERIFY2(switched == started[to],
                         qPrintable(from + " to " + to + ": " + Differences(started[to], switched)));
                QCOMPARE(window.isRightToLeft(), interface_language::RightToLeft(to));
                QVERIFY(ws.Read("varnel.ini").contains("interface-language=" + to.toUtf8()));
                ++pairs;
            }
        QCOMPARE(pairs, 42);
    }

    // The panels stand where lines start: they cross to the right in Arabic and back to the left in
    // English, in the same arrangement, a closed one still closed; panels the learner moved stay.
    void panelsFollowTheDirection()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        Varn window;
        window.resize(1200, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const fixtures::Controls w = fixtures::C(window);
        w.recitationDock->close();
        LanguageEntry(window, "ar")->trigger();
        QCOMPARE(window.dockWidgetArea(w.heartDock), Qt::RightDockWidgetArea);
        QCOMPARE(window.dockWidgetArea(w.settingsDock), Qt::RightDockWidgetArea);
        QVERIFY(window.tabifiedDockWidgets(w.heartDock).contains(w.reviewDock));
        QVERIFY(!w.recitationDock->isVisible());
        QVERIFY(w.heartDock->geometry().left() > window.width() / 2);
        LanguageEntry(window, "en")->trigger();
        QCOMPARE(window.dockWidgetArea(w.heartDock), Qt::LeftDockWidgetArea);
        // Moved by the learner to the other side, the settings stay where they are put.
        window.addDockWidget(Qt::RightDockWidgetArea, w.settingsDock);
        LanguageEntry(window, "ur")->trigger();
        QCOMPARE(window.dockWidgetArea(w.heartDock), Qt::LeftDockWidgetArea);
        QCOMPARE(window.dockWidgetArea(w.settingsDock), Qt::RightDockWidgetArea);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestLanguageSwitch test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_language_switch.moc"
