// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language chosen while Varnel runs: the window open, its panels and its dialogs speak the
// new language at once, as a window made in it would, and in its direction; and back again.
#include "heart.h"
#include "id_menu.h"
#include "interface_language.h"
#include "pack_dialogs.h"
#include "varn.h"
#include "visible_texts.h"
#include "window_controls.h"
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
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window)
            w->hide();
}

// The window with Amina's heart, on sura 112, with every dialog it keeps built.
void Furnish(Varn& window)
{
    window.NewProfile("Amina");
    fixtures::C(window).heart->DropText("all.108");
    fixtures::C(window).heart->DropText("all.112");
    OpenDialogs(window);
}

QString Difference(const QSet<QString>& expected, const QSet<QString>& shown)
{
    QStringList missing(QStringList((expected - shown).values())), extra((shown - expected).values());
    missing.sort();
    extra.sort();
    for (const QString& text : missing)
        qInfo().noquote() << "missing:" << text;
    for (const QString& text : extra)
        qInfo().noquote() << "not expected:" << text;
    return QString("%1 texts missing, %2 not expected").arg(missing.size()).arg(extra.size());
}

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

  private slots:
    void cleanup() { interface_language::Use("en"); }

    // Chosen in the menu, a language is spoken at once by every control of the window and of the dialogs
    // already made, with the words a window made in that language has; English comes back the same way.
    void spokenAtOnce_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : interface_language::Available())
            if (code != "en")
                QTest::newRow(qPrintable(code)) << code;
    }
    void spokenAtOnce()
    {
        QFETCH(QString, code);
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        QSet<QString> madeIn;
        {
            Varn first; // Amina's profile, there for both windows
            first.NewProfile("Amina");
        }
        {
            interface_language::Use(code);
            Varn window;
            Furnish(window);
            madeIn = fixtures::VisibleTexts();
            interface_language::Use("en");
        }
        Varn window;
        Furnish(window);
        const QSet<QString> english = fixtures::VisibleTexts();
        QAction* entry = LanguageEntry(window, code);
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(interface_language::Current(), code);
        OpenDialogs(window);
        QVERIFY(ws.Read("varnel.ini").contains("interface-language=" + code.toUtf8()));
        const QSet<QString> switched = fixtures::VisibleTexts();
        QVERIFY2(switched == madeIn, qPrintable(Difference(madeIn, switched)));
        QCOMPARE(window.isRightToLeft(), interface_language::RightToLeft(code));
        LanguageEntry(window, "en")->trigger();
        OpenDialogs(window);
        const QSet<QString> back = fixtures::VisibleTexts();
        QVERIFY2(back == english, qPrintable(Difference(english, back)));
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
