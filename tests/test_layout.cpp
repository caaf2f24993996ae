// SPDX-License-Identifier: GPL-3.0-or-later
// The window around the aya: at the screens learners have, the picture and its text fill the centre
// and fit; the panels are reached from the View menu, remembered per machine and reset; the text panel
// reads well by day, by night and on a dark desktop; the waveforms' place moves nothing; the guide
// names every menu item.
#include "app_settings.h"
#include "aya.h"
#include "help_guide.h"
#include "naming.h"
#include "page_look.h"
#include "settings_file.h"
#include "sura.h"
#include "waveform.h"
#include "window_helpers.h"
#include "window_layout.h"
#include "workspace.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <cmath>
#include <functional>

namespace
{

// A picture of one line of "ink" on a page, as a pack draws an aya: width x height logical pixels.
QByteArray LinePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0xfd, 0xfb, 0xf5));
    QPainter(&image).fillRect(12, height / 3, width - 24, height / 3, Qt::black);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// Suras 113 and 114 with pictures of the sizes packs give: a short aya, a long line, and three lines.
void PackWithPictures(Workspace& ws)
{
    const QByteArray tone = fixtures::ToneOgg(150);
    const QByteArray pictures[] = {LinePicture(330, 150), LinePicture(900, 150), LinePicture(900, 400)};
    Sura table;
    std::map<std::string, QByteArray> items;
    for (int s = 113; s <= 114; ++s)
        for (int a = 1; a <= table.AyaCount(IntToString(s)); ++a) {
            const std::string key = AyaKey(IntToString(s), a);
            items[SoundName(key)] = tone;
            items[PictureName(key)] = pictures[(a - 1) % 3];
            items[TranslationName(key)] = QByteArray("Translation of ") + key.c_str();
            items[TransliterationName(key)] = QByteArray("Transliteration of ") + key.c_str();
        }
    QVERIFY(fixtures::WriteArchive(ws.Path("quran/s104_s114.dat"), items));
}

// The window placed as the program places it on a screen of this size (maximised below 1100 x 800:
// the whole screen, as the offscreen platform has no window manager).
void Place(Varn& window, const QSize& screen)
{
    window.ProfileDialog()->hide();
    window.setGeometry(Varn::PlaceCentred(screen) ? CentredGeometry(screen) : QRect(QPoint(0, 0), screen));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

// Shown where the learner can see it: a panel behind another's tab is moved out of the window's sight
// rather than hidden.
bool OnScreen(const QWidget* widget) { return widget->isVisible() && !widget->visibleRegion().isEmpty(); }

int Area(const QWidget* widget) { return widget->isVisible() ? widget->width() * widget->height() : 0; }

// The contrast ratio of two colours, 1 to 21, as the web's accessibility guidelines define it.
double Contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

  private slots:
    // At first start, with a new profile and the default panels, on the screens learners have.
    void firstStartFigures_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("share");
        QTest::newRow("1366x768") << QSize(1366, 768) << 0.40;
        QTest::newRow("1280x720") << QSize(1280, 720) << 0.40;
        QTest::newRow("1280x1024") << QSize(1280, 1024) << 0.40;
        QTest::newRow("1024x768") << QSize(1024, 768) << 0.35;
        QTest::newRow("1101x700") << QSize(1101, 700) << 0.35;
        QTest::newRow("800x600") << QSize(800, 600) << 0.30;
    }
    void firstStartFigures()
    {
        QFETCH(QSize, screen);
        QFETCH(double, share);
        Workspace ws;
        PackWithPictures(ws);
        ws.Write("config.ini", "0\n");
        Varn window;
        Place(window, screen);
        window.NewProfile("Amina");
        fixtures::Choose(window, "114. An-Nas");
        QTest::qWait(20);
        const fixtures::Controls w = fixtures::C(window);

        // The window is as large as it was placed: no wider or taller than the screen asked.
        const QRect asked =
            Varn::PlaceCentred(screen) ? CentredGeometry(screen) : QRect(QPoint(0, 0), screen);
        QCOMPARE(window.size(), asked.size());
        const QSize least = window.minimumSizeHint();
        QVERIFY2(least.width() <= 800 && least.height() <= 560,
                 qPrintable(QString("%1x%2").arg(least.width()).arg(least.height())));

        const double covered =
            double(Area(w.ayaView) + Area(w.textPanel)) / (window.width() * window.height());
        QVERIFY2(covered >= share, qPrintable(QString::number(covered)));
        QVERIFY(w.textPanel->isVisible());
        QVERIFY2(w.textPanel->height() >= 70, qPrintable(QString::number(w.textPanel->height())));
        // The transport sits right under the picture and its text.
        QVERIFY(w.playButton->isVisible());
        const int under = w.textPanel->mapTo(&window, QPoint(0, w.textPanel->height())).y();
        QVERIFY(w.playButton->mapTo(&window, QPoint(0, 0)).y() - under < 40);

        // Each aya's picture whole in view: the short one, the long line and the three lines.
        for (const char* key : {"114.001", "114.002", "114.003"}) {
            window.SetArabic(key);
            const QSize shown = w.ayaView->contentsSize(), room = w.ayaView->viewport()->size();
            QVERIFY2(shown.width() <= room.width() && shown.height() <= room.height(),
                     qPrintable(QString("%1: %2x%3 in %4x%5")
                                    .arg(key)
                                    .arg(shown.width())
                                    .arg(shown.height())
                                    .arg(room.width())
                                    .arg(room.height())));
        }

        // Every practice control is in the window, named for a screen reader, and its panel shows.
        for (QWidget* control : std::initializer_list<QWidget*>{
                 w.repeatSpin, w.pauseSpin, w.loopCheck, w.stackCheck, w.singleCheck, w.rangeCheck,
                 w.fromSpin, w.toSpin, w.pauseUnit, w.speedSpin, w.timesSpin, w.testMeCheck, w.heart,
                 w.closeCompleted}) {
            QVERIFY(window.isAncestorOf(control));
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            QVERIFY(face && !face->text(QAccessible::Name).isEmpty());
        }
        for (QWidget* control :
             std::initializer_list<QWidget*>{w.repeatSpin, w.loopCheck, w.rangeCheck, w.heart})
            QVERIFY2(OnScreen(control), qPrintable(control->accessibleName() +
                                                   QString(" %1 %2 %3")
                                                       .arg(control->isVisible())
                                                       .arg(QString("%1,%2 %3x%4")
                                                                .arg(w.heart->mapTo(&window, QPoint()).x())
                                                                .arg(w.heart->mapTo(&window, QPoint()).y())
                                                                .arg(w.heart->width())
                                                                .arg(w.heart->height()))
                                                       .arg(w.heartDock->widget()->height())));
        QVERIFY(!w.settingsDock->isFloating());
    }

    // The panels as the learner left them come back at the next start; the window's place too, fitted to
    // a smaller screen than it was saved on.
    void layoutRemembered()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        QList<int> split;
        {
            Varn window;
            Place(window, QSize(1280, 1024));
            window.addDockWidget(Qt::RightDockWidgetArea, fixtures::C(window).settingsDock);
            fixtures::C(window).reviewDock->hide();
            fixtures::C(window).innerSplitter->setSizes({420, 120});
            split = fixtures::C(window).innerSplitter->sizes();
            // The column dragged thin: it comes back wide enough to read.
            window.resizeDocks({fixtures::C(window).heartDock}, {90}, Qt::Horizontal);
            window.setGeometry(300, 20, 1200, 1000);
            window.OnExit();
        }
        SettingsFile saved("varnel.ini");
        saved.Load();
        QVERIFY(saved.Has(app_settings::kWindowGeometry) && saved.Has(app_settings::kWindowState));
        {
            Varn window;
            window.ProfileDialog()->hide();
            const QRect small(0, 0, 1024, 768);
            QVERIFY(window.Layout()->RestoreGeometry(small));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY2(small.contains(window.frameGeometry()),
                     qPrintable(fixtures::Described(window.frameGeometry())));
            QCOMPARE(window.dockWidgetArea(fixtures::C(window).settingsDock), Qt::RightDockWidgetArea);
            // Widened towards the floor as far as the other column and the reading area leave room for
            // (about 200 px in this small window), not the 90 px it was dragged to.
            QVERIFY2(fixtures::C(window).heartDock->width() >= 200,
                     qPrintable(QString::number(fixtures::C(window).heartDock->width())));
            QVERIFY(fixtures::C(window).reviewDock->isHidden());
            QVERIFY(!window.findChild<WindowActions*>()->reviewPanel->isChecked());
            const QList<int> now = fixtures::C(window).innerSplitter->sizes();
            QVERIFY2(now[0] > 2 * now[1], qPrintable(QString("%1 %2").arg(now[0]).arg(now[1])));
        }
        // A damaged saved layout is no layout: the default stands.
        ws.Write("varnel.ini", "[window]\npanels=@@@not a layout\ngeometry=%%%\n");
        Varn window;
        QVERIFY(!window.Layout()->RestoreGeometry(QRect(0, 0, 1280, 1024)));
        Place(window, QSize(1280, 1024));
        QCOMPARE(window.dockWidgetArea(fixtures::C(window).settingsDock), Qt::LeftDockWidgetArea);
        QVERIFY(fixtures::C(window).reviewDock->isVisibleTo(&window));
    }

    void fitToScreen_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("fits") << QRect(160, 128, 960, 768) << QRect(0, 0, 1280, 1024)
                              << QRect(160, 128, 960, 768);
        QTest::newRow("too large") << QRect(300, 20, 1200, 1000) << QRect(0, 0, 1024, 768)
                                   << QRect(0, 0, 1024, 768);
        QTest::newRow("off the right")
            << QRect(900, 100, 600, 400) << QRect(0, 0, 1280, 720) << QRect(680, 100, 600, 400);
        QTest::newRow("above a panel")
            << QRect(10, -50, 600, 400) << QRect(0, 32, 1280, 688) << QRect(10, 32, 600, 400);
        QTest::newRow("second screen")
            << QRect(2000, 100, 800, 600) << QRect(1280, 0, 1280, 1024) << QRect(1760, 100, 800, 600);
    }
    void fitToScreen()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, available);
        QFETCH(QRect, fitted);
        QCOMPARE(WindowLayout::FitToScreen(window, available), fitted);
    }

    // Each panel has its entry in the View menu; a hidden panel comes back from it, in front of its tabs;
    // Reset Layout brings back the default, a floating or hidden panel included.
    void panelsFromTheViewMenu()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        Varn window;
        Place(window, QSize(1280, 1024));
        const fixtures::Controls w = fixtures::C(window);
        QStringList texts;
        for (QAction* a : w.view->actions())
            texts << a->text();
        const int first = texts.indexOf("&Heart");
        QVERIFY(first > 0);
        QCOMPARE(texts.mid(first, 5), QStringList({"&Heart", "&Review Panel", "Recitation &Settings",
                                                   "&My Recitation", "Reset La&yout"}));

        QVERIFY(OnScreen(w.heart) && !OnScreen(w.recordButton) && !OnScreen(w.reviewDock->widget()));
        QAction* settings = fixtures::ViewAction(window, "Recitation &Settings");
        QVERIFY(settings->isChecked());
        settings->trigger();
        QVERIFY(w.settingsDock->isHidden());
        // Hidden, its controls are still the window's, and a screen reader still finds them by name.
        QAccessibleInterface* repeat = QAccessible::queryAccessibleInterface(w.repeatSpin);
        QVERIFY(window.isAncestorOf(w.repeatSpin) && repeat->text(QAccessible::Name) == "Repeat");
        settings->trigger();
        QVERIFY(OnScreen(w.settingsDock) && OnScreen(w.repeatSpin));

        // My Recitation is a tab behind the heart: its entry brings it to the front in one step, still
        // checked; in front, the entry closes it; closed, the entry opens it in front.
        QAction* mine = fixtures::ViewAction(window, "&My Recitation");
        QVERIFY(mine->isChecked());
        mine->trigger();
        QVERIFY(QTest::qWaitFor([&] { return OnScreen(w.recordButton); }, 1000));
        QVERIFY(!OnScreen(w.heart) && mine->isChecked());
        mine->trigger();
        QVERIFY(w.recitationDock->isHidden() && !mine->isChecked());
        mine->trigger();
        QVERIFY(QTest::qWaitFor([&] { return OnScreen(w.recordButton); }, 1000));
        QVERIFY(mine->isChecked());

        w.heartDock->setFloating(true);
        w.reviewDock->hide();
        window.removeDockWidget(w.settingsDock);
        fixtures::ViewAction(window, "Reset La&yout")->trigger();
        for (QDockWidget* dock : {w.heartDock, w.reviewDock, w.settingsDock, w.recitationDock}) {
            QVERIFY2(dock->isVisibleTo(&window) && !dock->isFloating(), qPrintable(dock->objectName()));
            QCOMPARE(window.dockWidgetArea(dock), Qt::LeftDockWidgetArea);
        }
        QVERIFY(window.tabifiedDockWidgets(w.heartDock).contains(w.reviewDock));
        QVERIFY(window.tabifiedDockWidgets(w.heartDock).contains(w.recitationDock));
        QVERIFY(QTest::qWaitFor([&] { return OnScreen(w.heart); }, 1000));
        // Placed as at a first start on this screen: centred on a large one, else maximised.
        const QSize screen = window.screen()->geometry().size();
        if (Varn::PlaceCentred(screen))
            QCOMPARE(window.geometry(), CentredGeometry(screen));
        else
            QVERIFY(window.isMaximized());
    }

    // Tab walks the controls the learner sees, never one on a panel behind another's tab.
    void tabReachesWhatShows()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        Varn window;
        Place(window, QSize(1280, 1024));
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fixtures::C(window).playButton->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> reached;
        for (int step = 0; step < 120; ++step) {
            QTest::keyClick(QApplication::focusWidget(), step % 7 == 6 ? Qt::Key_Backtab : Qt::Key_Tab);
            QTRY_VERIFY(QApplication::focusWidget() && OnScreen(QApplication::focusWidget()));
            QWidget* focused = QApplication::focusWidget();
            QVERIFY2(OnScreen(focused), qPrintable(focused->metaObject()->className() + QString(" ") +
                                                   focused->accessibleName()));
            reached << focused;
        }
        // The settings' controls and the heart are among them.
        for (QWidget* control :
             std::initializer_list<QWidget*>{fixtures::C(window).repeatSpin, fixtures::C(window).loopCheck,
                                             fixtures::C(window).speedSpin, fixtures::C(window).heart})
            QVERIFY2(reached.contains(control), qPrintable(control->accessibleName()));
        // A screen reader is told that a panel behind another's tab is out of sight, until it comes forward.
        auto invisible = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->state().invisible;
        };
        QVERIFY(invisible(fixtures::C(window).compareButton) && !invisible(fixtures::C(window).heart));
        window.findChild<WindowActions*>()->reviewPanel->trigger(); // behind: it comes forward
        QTRY_VERIFY(!invisible(fixtures::C(window).reviewDock->widget()) &&
                    invisible(fixtures::C(window).heart));
    }

    // The user guide names every menu item, so that it cannot fall behind what the menus offer.
    void guideCoversTheMenus()
    {
        Workspace ws;
        Varn window;
        QTextDocument guide;
        guide.setHtml(UserGuideHtml());
        const QString text = guide.toPlainText().simplified();
        QStringList missing;
        std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
            for (const QAction* a : menu->actions()) {
                if (a->isSeparator())
                    continue;
                if (a->menu())
                    walk(a->menu());
                QString words = a->text();
                words.remove('&').remove("...");
                // The language items are the packs' and the system's own names, not words of ours.
                if (menu == fixtures::C(window).language || menu->title().remove('&') == "Interface Language")
                    continue;
                if (!words.isEmpty() && !text.contains(words, Qt::CaseInsensitive))
                    missing << words;
            }
        };
        for (const QMenu* menu : {static_cast<const QMenu*>(fixtures::C(window).file),
                                  static_cast<const QMenu*>(fixtures::C(window).view),
                                  static_cast<const QMenu*>(fixtures::C(window).recitor),
                                  static_cast<const QMenu*>(fixtures::C(window).help)})
            walk(menu);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ")));
    }

    // Fitting a picture: up to the width for Fit to Width, but never so tall that its line leaves the
    // view; down only at the reader's own zoom; a picture of many lines keeps a readable size and scrolls.
    void fitScale_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<bool>("grow");
        QTest::addColumn<double>("scale");
        QTest::newRow("short, grown to the height") << QSize(300, 100) << QSize(900, 200) << true << 2.0;
        QTest::newRow("short, own size") << QSize(300, 100) << QSize(900, 200) << false << 1.0;
        QTest::newRow("wide, to the width") << QSize(1000, 100) << QSize(500, 400) << false << 0.5;
        QTest::newRow("tall, to the height") << QSize(500, 400) << QSize(500, 300) << false << 0.75;
        QTest::newRow("many lines, not below the floor")
            << QSize(500, 2000) << QSize(500, 300) << false << Aya::kMinFitShare;
        QTest::newRow("no room") << QSize(500, 100) << QSize(0, -4) << true << 1.0;
        QTest::newRow("no picture") << QSize() << QSize(500, 300) << true << 1.0;
    }
    void fitScale()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, room);
        QFETCH(bool, grow);
        QFETCH(double, scale);
        QCOMPARE(Aya::FitScale(picture, room, grow), scale);
    }

    // Fit to Width on a short aya keeps the whole line in view.
    void fitToWidthKeepsTheLine()
    {
        Workspace ws;
        PackWithPictures(ws);
        ws.Write("config.ini", "0\n");
        Varn window;
        Place(window, QSize(1366, 768));
        window.NewProfile("Amina");
        fixtures::Choose(window, "114. An-Nas");
        window.SetArabic("114.001");
        Aya* view = fixtures::C(window).ayaView;
        const int before = view->contentsSize().width();
        fixtures::ViewAction(window, "Fit to Width")->trigger();
        QVERIFY(view->contentsSize().width() > before); // grown
        QVERIFY(view->contentsSize().height() <= view->viewport()->height());
        QCOMPARE(view->verticalScrollBar()->maximum(), 0);
    }

    // The headings are smaller than the text they introduce; the text panel reads at 4.5:1 or better by
    // day, in Night Reading and on a dark desktop.
    void textPanelReads()
    {
        const QPalette light = QApplication::palette();
        for (bool dark : {false, true}) {
            QApplication::setPalette(dark ? DarkDesktopPalette() : light);
            Workspace ws;
            ws.Pack("quran/s104_s114.dat", 104, 114);
            ws.Write("config.ini", "0\n");
            Varn window;
            Place(window, QSize(1280, 720));
            window.NewProfile("Amina");
            window.ToggleEnglish(1); // the transliteration too
            window.SetArabic("114.001");
            QTextBrowser* panel = fixtures::C(window).textPanel;
            QVERIFY(panel->isVisible());
            QTextDocument* doc = panel->document();
            auto lineHeight = [doc](const QString& startsWith) {
                for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
                    if (b.text().startsWith(startsWith))
                        return b.layout()->lineAt(0).height();
                return qreal(-1);
            };
            const qreal heading = lineHeight("Transliteration:"), body = lineHeight("Transliteration of");
            QVERIFY2(heading > 0 && body > 0 && heading < body,
                     qPrintable(QString("%1 %2").arg(heading).arg(body)));
            for (bool night : {false, true}) {
                fixtures::ViewAction(window, "&Night Reading")->setChecked(night);
                window.SetArabic("114.002");
                const QPalette p = panel->palette();
                const double ratio = Contrast(p.color(QPalette::Base), p.color(QPalette::Text));
                QVERIFY2(ratio >= 4.5,
                         qPrintable(QString("dark %1 night %2: %3").arg(dark).arg(night).arg(ratio)));
                // What is drawn agrees: a grab of the panel holds the page colour and the ink.
                const QImage shot = panel->viewport()->grab().toImage();
                QCOMPARE(shot.pixelColor(2, shot.height() - 3), p.color(QPalette::Base));
            }
            fixtures::ViewAction(window, "&Night Reading")->setChecked(false);
        }
        QApplication::setPalette(light);
    }

    // The waveforms have their own place in My Recitation: showing them moves nothing in the window.
    void waveformsMoveNothing()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        Varn window;
        Place(window, QSize(1280, 1024));
        const fixtures::Controls w = fixtures::C(window);
        w.recitationDock->raise();
        QVERIFY(QTest::qWaitFor([&] { return OnScreen(w.recordButton); }, 1000));
        auto places = [&] {
            QList<QRect> at;
            for (QWidget* widget : std::initializer_list<QWidget*>{
                     w.ayaView, w.textPanel, w.playButton, w.recordButton, w.compareButton, w.repeatSpin})
                at << QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
            return at;
        };
        const QList<QRect> before = places();
        w.waveforms->show();
        QTest::qWait(20);
        QVERIFY(w.waveforms->isVisible() && w.waveforms->height() > 60);
        QCOMPARE(places(), before);
        w.waveforms->hide();
        QTest::qWait(20);
        QCOMPARE(places(), before);
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
