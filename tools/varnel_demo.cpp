// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-demo: builds Varnel's demo content from the npm package quran-json (CC-BY-4.0): sura packs
// with pictures of the Arabic text, synthetic recitations (espeak-ng) with each word's place and time,
// English translation and transliteration; an add-on recitation with another voice; language packs and
// "langs.ini".
//
//   varnel-demo [--source DIR] [--out DIR] [--packs NAME...] [--all]
#include "aya_sources.h"
#include "data_folder.h"
#include "file_write.h"
#include "kelres.h"
#include "naming.h"
#include "pack_registry.h"
#include "sound.h"
#include "speech.h"
#include "sura.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <atomic>
#include <iostream>
#include <mutex>
#include <thread>

namespace
{

struct Voice {
    const char* folder; // empty: the default recitation in quran/
    listen::SpeechVoice speech;
};

const Voice kVoices[] = {
    {"", {"ar", 135, 45}},
    {"espeak-slow", {"ar", 100, 30}},
};

// The items of each aya in a finished pack.
constexpr size_t kItemsPerAya = 5;

const QStringList kDefaultPacks = {"fatiha.dat", "s078_s114.dat", "s104_s114.dat"};

int Usage(const std::string& problem)
{
    std::cerr
        << "varnel-demo: " << problem << "\n"
        << "usage: varnel-demo [--source DIR] [--out DIR] [--packs NAME...] [--all]\n"
        << "  --source DIR   the quran-json package folder (npm install quran-json@3.1.2; in the source\n"
        << "                 tree, build/npm/node_modules/quran-json when scripts/make-demo installed it)\n"
        << "  --out DIR      the working folder to write (default ~/.local/share/varnel)\n"
        << "  --packs NAME   the sura packs to build (default: fatiha.dat s078_s114.dat s104_s114.dat)\n"
        << "  --all          build all 20 sura packs\n";
    return 2;
}

// The recitation of an aya as Ogg Vorbis, with each word's exact time in it; empty, with the problem,
// when it cannot be spoken or encoded.
QByteArray Recite(const QString& arabic, const listen::SpeechVoice& voice,
                  std::vector<listen::WordTime>* times, QString* error)
{
    sound::Pcm pcm;
    std::string problem;
    if (!listen::Speak(demo::SpokenWords(arabic), voice, &pcm, times, &problem)) {
        *error = QString::fromStdString(problem);
        return {};
    }
    std::vector<char> ogg;
    if (sound::EncodeOggVorbis(pcm, 0.3, &ogg) != sound::Ok) {
        *error = "the recitation could not be encoded";
        return {};
    }
    return QByteArray(ogg.data(), int(ogg.size()));
}

std::vector<std::string> KeysOf(const std::string& pack)
{
    const PackRange& range = PackRegistry::Table().at(pack);
    std::vector<std::string> keys;
    for (int s = range.first; s <= range.last; ++s) {
        static Sura table;
        for (int a = 1; a <= table.AyaCount(std::to_string(s)); ++a)
            keys.push_back(AyaKey(std::to_string(s), a));
    }
    return keys;
}

// True when path holds a whole pack of these keys.
bool Finished(const QString& path, const std::vector<std::string>& keys)
{
    KelRes res;
    if (!res.Open(path.toStdString()) || res.Directory().size() != keys.size() * kItemsPerAya)
        return false;
    for (const std::string& key : keys)
        for (const std::string& item : {SoundName(key), PictureName(key), TranslationName(key),
                                        TransliterationName(key), WordsName(key)})
            if (!res.Contains(item))
                return false;
    return true;
}

QString Duration(double seconds)
{
    const int s = int(seconds + 0.5);
    return s >= 60 ? QString("%1m%2s").arg(s / 60).arg(s % 60, 2, 10, QChar('0')) : QString("%1s").arg(s);
}

class Builder
{
  public:
    Builder(const demo::Source& source, const QString& out) : source_(source), out_(out) {}

    // Builds one pack for one voice; false, with a message, on failure.
    bool BuildPack(const std::string& pack, const Voice& voice, QString* error)
    {
        const QString dir = voice.folder[0] ? out_ + "/quran/extra/" + voice.folder : out_ + "/quran";
        const QString path = dir + "/" + QString::fromStdString(pack);
        const std::vector<std::string> keys = KeysOf(pack);
        const QString label =
            QString::fromStdString(pack) + (voice.folder[0] ? QString(" (%1)").arg(voice.folder) : QString());
        if (Finished(path, keys)) {
            std::cout << label.toStdString() << ": already built, kept\n";
            return true;
        }
        QDir().mkpath(dir);
        const std::vector<KelRes> donors = Donors(dir, path);
        std::vector<QByteArray> pictures(keys.size()), sounds(keys.size()), words(keys.size());
        std::atomic<size_t> next{0}, done{0};
        std::atomic<bool> failed{false};
        QString failure;
        std::mutex failureMutex;
        auto work = [&] {
            for (size_t i = next++; i < keys.size() && !failed; i = next++) {
                int s = 0, a = 0;
                SplitAyaKey(keys[i], &s, &a);
                const demo::Verse& verse = source_.suras[size_t(s - 1)][size_t(a - 1)];
                if (!Reuse(donors, keys[i], &pictures[i], &sounds[i], &words[i])) {
                    QString problem;
                    std::vector<QRect> boxes;
                    std::vector<listen::WordTime> times;
                    pictures[i] = demo::AyaPicturePng(verse.arabic, a, &boxes);
                    sounds[i] = Recite(verse.arabic, voice.speech, &times, &problem);
                    words[i] = FormatAyaWords(demo::WordsOf(verse.arabic, boxes, times, WordTiming::Exact));
                    if (sounds[i].isEmpty()) {
                        std::lock_guard<std::mutex> lock(failureMutex);
                        failure = QString::fromStdString(keys[i]) + ": " + problem;
                        failed = true;
                    }
                }
                ++done;
            }
        };
        QElapsedTimer clock;
        clock.start();
        const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
        std::vector<std::thread> threads;
        for (unsigned w = 0; w < workers; ++w)
            threads.emplace_back(work);
        while (done < keys.size() && !failed) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1000));
            const double elapsed = clock.elapsed() / 1000.0;
            const size_t n = done;
            const double left = n ? elapsed / n * (keys.size() - n) : 0;
            std::cout << "\r" << label.toStdString() << ": aya " << n << "/" << keys.size() << ", about "
                      << Duration(left).toStdString() << " left   " << std::flush;
        }
        for (std::thread& t : threads)
            t.join();
        std::cout << "\n";
        if (failed) {
            *error = failure;
            return false;
        }
        KelRes res;
        std::string problem;
        for (size_t i = 0; i < keys.size(); ++i) {
            int s = 0, a = 0;
            SplitAyaKey(keys[i], &s, &a);
            const demo::Verse& verse = source_.suras[size_t(s - 1)][size_t(a - 1)];
            if (!res.AddItem(PictureName(keys[i]), pictures[i], &problem) ||
                !res.AddItem(SoundName(keys[i]), sounds[i], &problem) ||
                !res.AddItem(TranslationName(keys[i]), demo::ToLatin1(verse.english), &problem) ||
                !res.AddItem(TransliterationName(keys[i]), demo::ToLatin1(verse.transliteration), &problem) ||
                !res.AddItem(WordsName(keys[i]), words[i], &problem)) {
                *error = QString::fromStdString(problem);
                return false;
            }
        }
        if (!res.Save(path.toStdString(), &problem)) {
            *error = QString::fromStdString(problem);
            return false;
        }
        std::cout << label.toStdString() << ": " << keys.size() << " ayas written in "
                  << Duration(clock.elapsed() / 1000.0).toStdString() << "\n";
        return true;
    }

    bool BuildLanguages(QString* error)
    {
        const QString dir = out_ + "/quran/lang";
        QDir().mkpath(dir);
        QByteArray ini;
        for (const auto& [code, name] : demo::LanguageNames()) {
            const auto found = source_.languages.find(code);
            if (found == source_.languages.end())
                continue;
            const QString file = QString::fromStdString(code) + ".dat";
            std::string display = name;
            std::replace(display.begin(), display.end(), ' ', '.');
            ini += file.toUtf8() + '\t' + QByteArray::fromStdString(display) + '\n';
            const QString path = dir + "/" + file;
            KelRes existing;
            if (existing.Open(path.toStdString()) && existing.Directory().size() == size_t(TotalAyaCount))
                continue;
            KelRes res;
            std::string problem;
            for (size_t s = 0; s < found->second.size(); ++s)
                for (size_t a = 0; a < found->second[s].size(); ++a)
                    if (!res.AddItem(TranslationName(AyaKey(std::to_string(s + 1), int(a + 1))),
                                     found->second[s][a].toUtf8(), &problem)) {
                        *error = QString::fromStdString(problem);
                        return false;
                    }
            if (!res.Save(path.toStdString(), &problem)) {
                *error = QString::fromStdString(problem);
                return false;
            }
            std::cout << "language pack " << file.toStdString() << " (" << name << ") written\n";
        }
        return WriteWhole(out_ + "/langs.ini", ini, error);
    }

    static bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error)
    {
        std::string reason;
        if (WriteFileWhole(path.toStdString(), bytes, &reason))
            return true;
        *error = QString::fromStdString(reason);
        return false;
    }

  private:
    // The packs of this voice already on disk, opened once for a whole build.
    std::vector<KelRes> Donors(const QString& dir, const QString& building) const
    {
        std::vector<KelRes> donors;
        for (const auto& entry : PackRegistry::Table()) {
            const QString path = dir + "/" + QString::fromStdString(entry.first);
            KelRes res;
            if (path != building && res.Open(path.toStdString()))
                donors.push_back(res);
        }
        return donors;
    }

    // Takes an aya's picture, recitation and words from a donor pack.
    static bool Reuse(const std::vector<KelRes>& donors, const std::string& key, QByteArray* picture,
                      QByteArray* sound, QByteArray* words)
    {
        for (const KelRes& res : donors) {
            if (!res.Contains(PictureName(key)) || !res.Contains(SoundName(key)) ||
                !res.Contains(WordsName(key)))
                continue;
            *picture = res.Extract(PictureName(key));
            *sound = res.Extract(SoundName(key));
            *words = res.Extract(WordsName(key));
            if (!picture->isEmpty() && !sound->isEmpty() && !words->isEmpty())
                return true;
        }
        return false;
    }

    const demo::Source& source_;
    QString out_;
};

const char kReadme[] = R"(Varnel demo content
===================

This folder is a working folder for Varnel, made by varnel-demo.

- quran/*.dat: sura packs. Each aya has a picture of its Arabic text (drawn with the Amiri Quran font),
  a recitation, the English translation, a transliteration, and where each word stands in the picture
  and when it is heard in the recitation.
- quran/extra/espeak-slow/: the same packs with a second, slower voice, chosen in Recitor > Config Recitor.
- quran/lang/*.dat and langs.ini: the other translations, chosen in the Language menu.

THE RECITATIONS ARE SYNTHETIC SPEECH made by the espeak-ng speech synthesiser from the Arabic text. They
are not a human recitation, they do not follow the rules of tajweed, and they are no guide to the
pronunciation of the Quran. They are here only so that Varnel can be tried out; install sura packs with
real recitations to learn from.

The texts come from the npm package quran-json 3.1.2 by Risan Bagja Pradana, published under the Creative
Commons Attribution 4.0 licence (CC-BY-4.0): the Uthmani Arabic text from The Noble Qur'an Encyclopedia
(quranenc.com), the English transliteration from tanzil.net, the English translation by Umm Muhammad
(Saheeh International), and the other translations by the authors that the package names. Its README and
licence are copied beside this file as quran-json-README.md and quran-json-LICENSE.txt.
)";

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QString sourceDir;
    QString out = LearnerDataFolder();
    QStringList packs = kDefaultPacks;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--source" && i + 1 < args.size())
            sourceDir = args[++i];
        else if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == "--all") {
            packs.clear();
            for (const auto& entry : PackRegistry::Table())
                packs << QString::fromStdString(entry.first);
        } else if (args[i] == "--packs") {
            packs.clear();
            while (i + 1 < args.size() && !args[i + 1].startsWith("--"))
                packs << args[++i];
        } else if (args[i] == "--help" || args[i] == "-h") {
            Usage("builds Varnel's demo content");
            return 0;
        } else {
            return Usage("unknown argument \"" + args[i].toStdString() + "\"");
        }
    }
    if (packs.isEmpty())
        return Usage("--packs needs at least one pack name");
    for (const QString& p : packs)
        if (!PackRegistry::Table().count(p.toStdString()))
            return Usage("\"" + p.toStdString() + "\" is not one of Varnel's pack names");

    // In the source tree, the copy scripts/make-demo installs; elsewhere the learner names it.
    const QString treeSource = "build/npm/node_modules/quran-json";
    if (sourceDir.isEmpty() && QFileInfo(treeSource + "/package.json").isFile())
        sourceDir = treeSource;
    if (sourceDir.isEmpty()) {
        std::cerr << "varnel-demo: no quran-json folder given.\n"
                     "Get the npm package quran-json (CC-BY-4.0), for example with\n"
                     "  mkdir -p ~/quran-json && cd ~/quran-json && npm install quran-json@3.1.2\n"
                     "then run: varnel-demo --source ~/quran-json/node_modules/quran-json\n";
        return 2;
    }
    demo::Source source;
    QString error;
    if (!demo::ReadSource(sourceDir, &source, &error)) {
        std::cerr << "varnel-demo: " << error.toStdString() << "\n";
        return 1;
    }
    QDir().mkpath(out);
    Builder builder(source, out);
    QElapsedTimer clock;
    clock.start();
    for (const QString& pack : packs)
        for (const Voice& voice : kVoices)
            if (!builder.BuildPack(pack.toStdString(), voice, &error)) {
                std::cerr << "varnel-demo: " << pack.toStdString() << ": " << error.toStdString() << "\n";
                return 1;
            }
    // The package's own README and licence name every source and author: keep them with the content.
    for (const auto& [from, to] : {std::pair<QString, QString>{"README.md", "quran-json-README.md"},
                                   {"LICENSE.txt", "quran-json-LICENSE.txt"}}) {
        QFile::remove(out + "/" + to);
        QFile::copy(sourceDir + "/" + from, out + "/" + to);
    }
    if (!builder.BuildLanguages(&error) || !Builder::WriteWhole(out + "/README.txt", kReadme, &error)) {
        std::cerr << "varnel-demo: " << error.toStdString() << "\n";
        return 1;
    }
    std::cout << "demo content ready in " << out.toStdString() << " ("
              << Duration(clock.elapsed() / 1000.0).toStdString() << ")\n";
    return 0;
}
