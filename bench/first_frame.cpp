// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded (LD_PRELOAD) into a Qt Widgets program to time its start as a person sees it: from the
// moment its launcher noted (FIRST_FRAME_T0, nanoseconds of CLOCK_MONOTONIC) to the end of the first
// frame of every window it shows at start. Then it writes the milliseconds to FIRST_FRAME_OUT and ends
// the program at once. The program itself is untouched: Qt Widgets hands each finished frame to
// QBackingStore::flush, which this library's own definition stands in front of.
#include <QBackingStore>
#include <QGuiApplication>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <set>
#include <unistd.h>

namespace
{

double MillisecondsSinceLaunch()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const double t0 = std::strtod(getenv("FIRST_FRAME_T0") ? getenv("FIRST_FRAME_T0") : "0", nullptr);
    return (double(now.tv_sec) * 1e9 + double(now.tv_nsec) - t0) / 1e6;
}

} // namespace

void QBackingStore::flush(const QRegion& region, QWindow* window, const QPoint& offset)
{
    using Flush = void (*)(QBackingStore*, const QRegion&, QWindow*, const QPoint&);
    static const auto real = reinterpret_cast<Flush>(
        dlvsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint", "Qt_6"));
    if (!real) {
        fprintf(stderr, "first-frame: this Qt has no QBackingStore::flush to stand in front of\n");
        _exit(3);
    }
    real(this, region, window, offset);
    static std::set<QWindow*> flushed;
    flushed.insert(window);
    for (QWindow* w : QGuiApplication::topLevelWindows())
        if (w->isVisible() && (w->type() == Qt::Window || w->type() == Qt::Dialog) && !flushed.count(w))
            return;
    const double ms = MillisecondsSinceLaunch();
    if (FILE* out = fopen(getenv("FIRST_FRAME_OUT") ? getenv("FIRST_FRAME_OUT") : "/dev/stdout", "a")) {
        fprintf(out, "%.2f\n", ms);
        fclose(out);
    }
    _exit(0);
}
