// SPDX-License-Identifier: GPL-3.0-or-later
// bare-window KINDS_FILE: the bare Qt window of bare_window.h as a program of its own, for timing a
// start beside Varnel's (scripts/bench-startup). It links Qt Widgets and nothing of Varnel's.
#include "bare_window.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: bare-window KINDS_FILE\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        fprintf(stderr, "bare-window: cannot read %s\n", argv[1]);
        return 2;
    }
    const std::unique_ptr<QMainWindow> window = BareWindow(ReadKinds(file.readAll().toStdString()));
    window->resize(960, 768);
    window->show();
    return QApplication::exec();
}
