// SPDX-License-Identifier: GPL-3.0-or-later
// What the window's start puts off: the listening check's library until a check, the interface's icons
// until they are drawn, and the work that waits for the first frame.
#include "after_first_frame.h"
#include "kelres.h"
#include "varn.h"

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
