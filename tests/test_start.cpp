// SPDX-License-Identifier: GPL-3.0-or-later
// What the window's start puts off: the listening check's library until a check, the interface's icons
// until they are drawn, and the work that waits for the first frame; and where the window starts.
#include "after_first_frame.h"
#include "app_settings.h"
#include "kelres.h"
#include "profile.h"
#include "settings_file.h"
#include "varn.h"

#include "window_helpers.h"
#include "workspace.h"

#include <QFile>

class TestStart : public QObject
{
    Q_OBJECT

  private slots:
    // The listening check's library (and the hundred it brings) waits for the first check.
    void noListeningLibraryAtStart()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 112, 114);
        Varn window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QFile maps("/proc/self/maps");
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libaubio"));
    }

    // The window starts where it was left, fitted to this screen in every case: a place saved without
    // its panels (or with them damaged), a window saved maximised on a larger screen where nothing
    // maximises it again.
    void savedPlaceFitsTheScreen()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        for (const bool maximised : {false, true}) {
            {
                Varn window;
                window.ProfileDialog()->hide();
                window.show();
                QVERIFY(QTest::qWaitForWindowExposed(&window));
                window.setGeometry(900, 700, 1200, 1000);
                window.setWindowState(maximised ? Qt::WindowMaximized : Qt::WindowNoState);
                window.OnExit();
            }
            SettingsFile edited("varnel.ini");
            edited.Load();
            std::string error;
            QVERIFY(edited.Set(app_settings::kWindowState, QString("@@@damaged"), &error));
            Varn window;
            window.ProfileDialog()->hide();
            const QRect small(0, 0, 1101, 700);
            QVERIFY(window.Layout()->RestoreGeometry(small));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY2(small.contains(window.frameGeometry()),
                     qPrintable(fixtures::Described(window.frameGeometry())));
        }
    }

    // An icon is read from img.vnl when first measured or drawn, not when made; then kept, by every copy.
    void iconsDecodedWhenFirstNeeded()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QVERIFY(fixtures::WriteArchive("img.vnl", {{"play.png", fixtures::Png(16, 16)}}));
        const QIcon icon = IconFromResource("play.png");
        const QIcon missing = IconFromResource("none.png");
        QTest::qWait(20); // another time of change, as a new installation's
        QVERIFY(fixtures::WriteArchive("img.vnl", {{"play.png", fixtures::Png(24, 24)}}));
        const QIcon copy = icon;
        QCOMPARE(copy.availableSizes(), QList<QSize>({QSize(24, 24)}));
        QCOMPARE(icon.pixmap(24, 24).size(), QSize(24, 24));
        QCOMPARE(icon.pixmap(24, 24).toImage().pixel(3, 3),
                 PixmapFromResource("play.png").toImage().pixel(3, 3));
        QVERIFY(missing.isNull());
        QVERIFY(missing.pixmap(16, 16).isNull());
        QDir::setCurrent(before);
    }

    // Work put off until the first frame runs once, after it, and not at all for a window never shown.
    void afterTheFirstFrame()
    {
        int runs = 0;
        {
            QWidget never;
            AfterFirstFrame(&never, [&runs] { ++runs; });
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        QWidget window;
        window.resize(200, 100);
        AfterFirstFrame(&window, [&runs, &window] {
            ++runs;
            QVERIFY(window.isVisible());
        });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(runs, 1);
        window.repaint();
        window.hide();
        window.show();
        QTest::qWait(20);
        QCOMPARE(runs, 1);
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
