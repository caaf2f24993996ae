// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up with all 20 packs installed, showing one aya with a 1000 px picture, and
// the gap between two ayas of whole-sura playback.
#include "aya.h"
#include "bare_window.h"
#include "heart.h"
#include "interface_language.h"
#include "kelres.h"
#include "learner_record.h"
#include "messages.h"
#include "naming.h"
#include "pack_registry.h"
#include "passage.h"
#include "profile.h"
#include "sound.h"
#include "sura.h"
#include "varn.h"
#include "whole.h"
#include "window_controls.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

namespace
{

QByteArray Png(int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(QColor(250, 248, 240));
    for (int x = 0; x < width; x += 7)
        for (int y = height / 3; y < 2 * height / 3; ++y)
            img.setPixel(x, y, qRgb(20, 20, 20));
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return bytes;
}

QByteArray Tone(int ms)
{
    sound::Pcm pcm;
    pcm.rate = 22050;
    pcm.channels = 1;
    pcm.samples.resize(size_t(pcm.rate) * size_t(ms) / 1000);
    for (size_t i = 0; i < pcm.samples.size(); ++i)
        pcm.samples[i] = float(0.4 * std::sin(2 * M_PI * 440 * double(i) / pcm.rate));
    std::vector<char> ogg;
    sound::EncodeOggVorbis(pcm, 0.3, &ogg);
    return QByteArray(ogg.data(), int(ogg.size()));
}

// The folder of the demo's three packs (Al-Fatiha and Juz' Amma), beside the working folder of all 20.
QString g_threePacks;

// A working folder with all 20 packs: 6,236 ayas x 4 items (tiny ones, except where a bench needs more);
// or with the demo's three only.
void MakeWorkspace(const QString& root, bool onlyThree = false)
{
    QDir().mkpath(root + "/quran");
    QFile::copy(QCoreApplication::applicationDirPath() + "/img.vnl", root + "/img.vnl");
    Sura table;
    const QByteArray picture = Png(1000, 120), tone = Tone(100);
    for (const auto& [name, range] : PackRegistry::Table()) {
        if (onlyThree && name != "fatiha.dat" && name != "s078_s114.dat" && name != "s104_s114.dat")
            continue;
        KelRes res;
        for (int s = range.first; s <= range.last; ++s)
            for (int a = 1; a <= table.AyaCount(std::to_string(s)); ++a) {
                const std::string key = AyaKey(std::to_string(s), a);
                // Real pictures and recordings for page 602 (106-108), where the benches play and show,
                // and for the last suras, where a first start opens.
                const bool real = s >= 106;
                res.AddItem(PictureName(key), real ? picture : QByteArray("png"), nullptr);
                res.AddItem(SoundName(key), real ? tone : QByteArray("ogg"), nullptr);
                res.AddItem(TranslationName(key), "In the name of God, the Merciful", nullptr);
                res.AddItem(TransliterationName(key), "Bismi Allahi alrrahmani", nullptr);
            }
        res.Save((root + "/quran/" + QString::fromStdString(name)).toStdString());
    }
}

// The window made and shown as the program makes it, until its first paint is done; the profile dialog
// it opens is put away untimed.
void MakeWindows(benchmark::State& state)
{
    for (auto _ : state) {
        Varn window;
        state.PauseTiming();
        window.ProfileDialog()->hide();
        state.ResumeTiming();
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(&window);
    }
}

// With the demo's 3 packs and with all 20 (the argument).
void BM_StartUp(benchmark::State& state)
{
    const QString before = QDir::currentPath();
    if (state.range(0) == 3)
        QDir::setCurrent(g_threePacks);
    MakeWindows(state);
    QDir::setCurrent(before);
}
BENCHMARK(BM_StartUp)->Arg(3)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(10);

// The widgets of Varn's window, by kind and number, counted once from a window made here.
WidgetKinds WindowWidgetKinds()
{
    static WidgetKinds kinds;
    if (kinds.empty()) {
        Varn window;
        window.ProfileDialog()->hide();
        // Our own widgets count as the standard kind they are built on; the parts Qt makes inside
        // other widgets (a spin box's line edit, a scroll area's bars) come with the bare ones too.
        const std::map<std::string, std::string> standIn = {
            {"Heart", "QTreeWidget"},      {"DragLabel", "QLabel"},    {"FittedPicture", "QLabel"},
            {"Aya", "QScrollArea"},        {"JuzProgress", "QWidget"}, {"ReviewPanel", "QWidget"},
            {"ReviewCalendar", "QWidget"}, {"WaveformView", "QWidget"}};
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            const QWidget* p = w->parentWidget();
            if (p && (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
                      qobject_cast<const QAbstractScrollArea*>(p)))
                continue;
            const std::string kind = w->metaObject()->className();
            const auto stand = standIn.find(kind);
            ++kinds[stand == standIn.end() ? kind : stand->second];
        }
    }
    return kinds;
}

// The yardstick for start-up: a bare window with the same widgets (bare_window.h), made and shown.
void BM_BareWindow(benchmark::State& state)
{
    const WidgetKinds kinds = WindowWidgetKinds();
    for (auto _ : state) {
        const std::unique_ptr<QMainWindow> window = BareWindow(kinds);
        window->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.get());
    }
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

// Start-up in another language (the argument indexes the available ones: 0 English, 1 Arabic): every text
// looked up in the translation, Arabic's font, the window right to left.
void BM_StartUpInLanguage(benchmark::State& state)
{
    const QString code = interface_language::Available().value(int(state.range(0)));
    interface_language::Use(code);
    state.SetLabel(code.toStdString());
    MakeWindows(state);
    interface_language::Use("en");
}
BENCHMARK(BM_StartUpInLanguage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

// The scan and registration of the packs alone.
void BM_RegisterAllPacks(benchmark::State& state)
{
    for (auto _ : state) {
        PackRegistry packs(".");
        packs.Register(packs.Scan());
        benchmark::DoNotOptimize(packs.AvailableSuras().size());
    }
}
BENCHMARK(BM_RegisterAllPacks)->Unit(benchmark::kMillisecond);

void BM_ShowAya1000px(benchmark::State& state)
{
    Varn window;
    window.ProfileDialog()->hide();
    window.resize(1280, 900);
    const int index = fixtures::C(window).chooser->findData(108);
    window.ActivateSura(index);
    fixtures::C(window).ayaView->resize(1100, 400); // pictures of 1000 px are shown unscaled
    int aya = 0;
    for (auto _ : state)
        window.SetArabic(AyaKey("108", 1 + aya++ % 3));
    state.counters["picture_px"] = fixtures::C(window).ayaView->pixmap().width();
}
BENCHMARK(BM_ShowAya1000px)->Unit(benchmark::kMillisecond);

// Choosing a sura, and choosing a passage (page 602, three suras), each until its first aya is shown:
// a passage takes no longer than a sura.
void BM_ChooseSura(benchmark::State& state)
{
    Varn window;
    window.ProfileDialog()->hide();
    const int index = fixtures::C(window).chooser->findData(106);
    for (auto _ : state) {
        fixtures::C(window).chooser->setCurrentIndex(index);
        emit fixtures::C(window).chooser->activated(index);
        state.PauseTiming();
        window.StopAya();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChooseSura)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_ChoosePassage(benchmark::State& state)
{
    Varn window;
    window.ProfileDialog()->hide();
    // Page 602, chosen and played as the learner does.
    const fixtures::Controls controls = fixtures::C(window);
    controls.passageKind->setCurrentIndex(int(PassageKind::Page));
    controls.passageNumber->setValue(602);
    for (auto _ : state) {
        controls.passagePlay->click();
        state.PauseTiming();
        window.StopAya();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChoosePassage)->Unit(benchmark::kMillisecond)->Iterations(30);

// Silence between two ayas in whole-sura playback (no pause set): the time from one aya's start to the
// next, less the aya's length.
void BM_GapBetweenAyas(benchmark::State& state)
{
    Varn window;
    window.ProfileDialog()->hide();
    const int index = fixtures::C(window).chooser->findData(108);
    window.ActivateSura(index);
    Whole* whole = window.Session()->WholeDrill();
    const double lengthMs = whole->Player()->GetLength("108.001.ogg");
    std::vector<double> gaps;
    for (auto _ : state) {
        std::vector<qint64> starts;
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        auto started = QObject::connect(whole, &Whole::WholeSuraAya, &loop,
                                        [&] { starts.push_back(clock.nsecsElapsed()); });
        auto done = QObject::connect(whole, &Whole::WholeDone, &loop, &QEventLoop::quit);
        whole->GenerateWhole("108", 1, 3);
        whole->Play();
        loop.exec();
        QObject::disconnect(started);
        QObject::disconnect(done);
        for (size_t i = 1; i + 1 < starts.size(); ++i)
            gaps.push_back((starts[i] - starts[i - 1]) / 1e6 - lengthMs);
    }
    std::sort(gaps.begin(), gaps.end());
    state.counters["median_gap_ms"] = gaps.empty() ? -1 : gaps[gaps.size() / 2];
    state.counters["worst_gap_ms"] = gaps.empty() ? -1 : gaps.back();
}
BENCHMARK(BM_GapBetweenAyas)->Iterations(10)->Unit(benchmark::kMillisecond);

// A heart that holds the whole Quran, as a profile of a learner who knows it all loads it.
void BM_HeartOfAllAyas(benchmark::State& state)
{
    Sura table;
    std::vector<std::string> keys;
    for (int s = 1; s <= 114; ++s)
        for (int a = 1; a <= table.AyaCount(std::to_string(s)); ++a)
            keys.push_back(AyaKey(std::to_string(s), a));
    for (auto _ : state) {
        Heart heart;
        heart.MakeRoot("Hafiz's Heart", QPixmap());
        heart.LoadSuras(keys, true);
        benchmark::DoNotOptimize(heart.Count());
    }
}
BENCHMARK(BM_HeartOfAllAyas)->Unit(benchmark::kMillisecond);

// A learner who knows the whole Quran, with every review item due: loading their profile in a window
// already made (the heart, its pictures, its due marks and recorded marks, the review panel).
void BM_LoadWholeQuranProfile(benchmark::State& state)
{
    Sura table;
    ProfileData data;
    data.userName = "Hafiz";
    for (int s = 1; s <= 114; ++s)
        for (int a = 1; a <= table.AyaCount(std::to_string(s)); ++a)
            data.heart.push_back(AyaKey(std::to_string(s), a));
    data.currentAya = "108.001";
    std::string error;
    const std::string path = LearnerRecord::ProfilePath("Hafiz");
    if (!LearnerRecord::SaveProfileFile(path, data, &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    {
        // Offered a month ago and never reviewed: all due today.
        LearnerRecord record;
        record.Load(path);
        record.AddToHeart(data.heart);
        record.SyncReview(QDate::currentDate().addDays(-30), &error);
        record.SaveReview(&error);
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Varn>();
        window->ProfileDialog()->hide();
        state.ResumeTiming();
        window->LoadProfile("Hafiz");
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadWholeQuranProfile)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    // bench_app --prepare DIR KINDS_FILE: the working folder with all 20 packs made in DIR, and the
    // window's widget kinds written to KINDS_FILE, for scripts/bench-startup.
    if (argc == 4 && std::string(argv[1]) == "--prepare") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("ALSOFT_DRIVERS", "null");
        QApplication app(argc, argv);
        const QString dir = QString::fromLocal8Bit(argv[2]);
        MakeWorkspace(dir);
        QFile kinds(QString::fromLocal8Bit(argv[3]));
        QDir::setCurrent(dir);
        const std::string text = WriteKinds(WindowWidgetKinds());
        if (!kinds.open(QIODevice::WriteOnly) || kinds.write(text.data(), qint64(text.size())) < 0) {
            fprintf(stderr, "bench_app: cannot write %s\n", argv[3]);
            return 1;
        }
        // What the window wrote while its kinds were counted goes: the folder is as a first start finds it.
        QFile::remove(dir + "/varnel.ini");
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("ALSOFT_DRIVERS").isEmpty())
        qputenv("ALSOFT_DRIVERS", "null");
    QApplication app(argc, argv);
    // A message box would wait for a click that never comes: messages go to the terminal.
    SetMessagePresenter([](const QString& title, const QString& text) {
        fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    });
    QTemporaryDir dir, three;
    MakeWorkspace(dir.path());
    MakeWorkspace(three.path(), true);
    g_threePacks = three.path();
    QDir::setCurrent(dir.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    return 0;
}
