// SPDX-License-Identifier: GPL-3.0-or-later
// The archive: opening a 2,300-item pack, extracting a 30 KB item from a 50 MB pack, and loading an
// interface picture from img.vnl.
#include "kelres.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* g_dir;

std::string MakePack(const QString& name, int items, int itemSize)
{
    const QString path = g_dir->filePath(name);
    if (QFile::exists(path))
        return path.toStdString();
    KelRes res;
    const QByteArray data(itemSize, 'x');
    for (int i = 0; i < items; ++i)
        res.AddItem("item" + std::to_string(i) + ".ogg", data, nullptr);
    res.Save(path.toStdString());
    return path.toStdString();
}

void BM_OpenPack2300(benchmark::State& state)
{
    const std::string path = MakePack("open.dat", 2300, 16);
    for (auto _ : state) {
        KelRes res;
        benchmark::DoNotOptimize(res.Open(path));
    }
}
BENCHMARK(BM_OpenPack2300)->Unit(benchmark::kMicrosecond);

void BM_Extract30KBFrom50MB(benchmark::State& state)
{
    const std::string path = MakePack("big.dat", 1700, 30 * 1024); // about 50 MB
    KelRes res;
    res.Open(path);
    int i = 0;
    for (auto _ : state) {
        const QByteArray bytes = res.Extract("item" + std::to_string(i++ % 1700) + ".ogg");
        benchmark::DoNotOptimize(bytes.constData());
    }
}
BENCHMARK(BM_Extract30KBFrom50MB)->Unit(benchmark::kMicrosecond);

void BM_PixmapFromResource(benchmark::State& state)
{
    for (auto _ : state) {
        const QPixmap icon = PixmapFromResource("play.png");
        benchmark::DoNotOptimize(icon.cacheKey());
    }
}
BENCHMARK(BM_PixmapFromResource)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    // PixmapFromResource reads img.vnl from the working directory: the one beside this program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
