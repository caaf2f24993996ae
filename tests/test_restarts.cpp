// SPDX-License-Identifier: GPL-3.0-or-later
// What the window keeps from one start to the next, started as Varnel's main() starts it.
#include "naming.h"
#include "varn.h"
#include "window_helpers.h"
#include "window_layout.h"
#include "workspace.h"

#include <QDockWidget>
#include <QSplitter>
#include <QTest>

class TestRestarts : public QObject
{
    Q_OBJECT

  private slots:
    // Nothing moved, Exit and start again: the layout comes back as it was, each time.
    void layoutSteadyOverRestarts()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        const QRect screen(0, 0, 1366, 768);
        QString first;
        for (int start = 0; start < 4; ++start) {
            Varn window;
            window.ProfileDialog()->hide();
            if (!window.Layout()->RestoreGeometry(screen))
                window.setGeometry(CentredGeometry(screen.size()));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTest::qWait(50);
            const fixtures::Controls w = fixtures::C(window);
            const QString sizes = QString("heart %1x%2, settings %3x%4, picture and text %5")
                                      .arg(w.heartDock->width())
                                      .arg(w.heartDock->height())
                                      .arg(w.settingsDock->width())
                                      .arg(w.settingsDock->height())
                                      .arg(QString::number(w.innerSplitter->sizes()[0]) + "/" +
                                           QString::number(w.innerSplitter->sizes()[1]));
            if (start == 0)
                first = sizes;
            QCOMPARE(sizes, first);
            window.OnExit();
        }
    }
};

QTEST_MAIN(TestRestarts)
#include "test_restarts.moc"
