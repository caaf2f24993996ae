// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-pack: builds, lists, extracts from and verifies Varnel archives (sura packs, language packs,
// img.vnl). Exit status: 0 success, 1 failure, 2 bad usage.
#include "aya_words.h"
#include "crc32.h"
#include "data_folder.h"
#include "file_write.h"
#include "kelres.h"
#include "naming.h"
#include "pack_import.h"
#include "recitation_check.h"
#include "similar_ayas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace
{

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

const char kHelp[] =
    "Usage: varnel-pack COMMAND ARGUMENTS\n"
    "\n"
    "Builds and reads Varnel archives: sura packs (*.dat), language packs and img.vnl.\n"
    "\n"
    "Commands:\n"
    "  build LISTFILE OUTPUT        archive the files named in LISTFILE, one path per line\n"
    "  create OUTPUT FILE...        archive the given files\n"
    "  list ARCHIVE                 print each item: name, length in bytes, CRC-32 (tab-separated)\n"
    "  extract ARCHIVE NAME [OUT]   write one item to OUT, or to standard output\n"
    "  verify ARCHIVE               recompute every checksum and name each item that differs\n"
    "  words ARCHIVE SSS.AAA        print the aya's words as JSON: {\"aya\": \"SSS.AAA\", \"words\": "
    "[{\"text\",\n"
    "                               \"box\": [x, y, width, height] (pixels of the picture), \"start\", "
    "\"end\"\n"
    "                               (ms of the recitation, null when not known), \"timing\": \"exact\"|\n"
    "                               \"estimated\"|\"none\"}, ...]}, in reading order\n"
    "  import --audio DIR --text FILE [--translation FILE] [--transliteration FILE]\n"
    "         [--suras FIRST-LAST] [--recitation NAME] [--ogg] [--out DIR]\n"
    "                               make sura packs from your own recordings: files SSSAAA.mp3 (or .ogg,\n"
    "                               .flac, .wav) in DIR, texts in Tanzil-style files (\"sura|aya|text\" a\n"
    "                               line) or quran-json's folder. Writes the packs that suras FIRST-LAST\n"
    "                               fill (default 1-114) into OUT/quran/ (or OUT/quran/extra/NAME/ with\n"
    "                               --recitation); OUT defaults to ~/.local/share/varnel. Recordings are\n"
    "                               stored as they are, or as Ogg Vorbis with --ogg. Packs already there\n"
    "                               are kept. With --recitation, recordings of only some suras or ayas\n"
    "                               make an add-on of those recordings alone (sura 108: s104_s114.dat);\n"
    "                               the installed pack serves the rest, its pictures and texts.\n"
    "  check REFERENCE LEARNER      compare a learner's recitation of an aya with the reciter's (any file\n"
    "                               libsndfile reads) and print one JSON object: {\"score\": 0-100,\n"
    "                               \"verdict\": \"match\"|\"partial\"|\"different\", \"missing\": [[start, "
    "end],\n"
    "                               ...] (seconds of the reference not said), \"extra\": [...] (seconds of\n"
    "                               the learner's recording with no counterpart), \"changed\": [...] "
    "(seconds\n"
    "                               of the reference said differently)}. A check of what was said and in\n"
    "                               what order, not of tajweed. With --similar S:A=FILE (again for more),\n"
    "                               the recitation of a similar aya: when the learner's recording is closer\n"
    "                               to it, \"sounds_like\": \"S:A\" names it and the verdict is "
    "\"different\"\n"
    "  check --pack PACK RECORDINGS check each recording SSSAAA.* in the folder RECORDINGS against the\n"
    "                               aya's recitation in PACK: one JSON object a line, with \"aya\" added;\n"
    "                               similar ayas whose recitations PACK holds are offered as --similar\n"
    "  --help                       show this text\n"
    "\n"
    "Items are stored under their bare file names. In a sura pack each aya has four items named by its\n"
    "aya key (sura and aya, three digits each): 036.012.png (picture of the Arabic text), 036.012.ogg\n"
    "(recitation), 036.012.eng (translation, Latin-1) and 036.012.lit (transliteration, Latin-1), and\n"
    "may have a fifth, 036.012.wrd (each word's box in the picture and time in the recitation).\n"
    "\n"
    "Exit status: 0 success, 1 failure (unreadable archive, missing item, checksum mismatch), 2 bad usage.\n";

int Usage(const std::string& problem)
{
    std::cerr << "varnel-pack: " << problem << "\nTry 'varnel-pack --help'.\n";
    return kUsage;
}

int Fail(const std::string& problem)
{
    std::cerr << "varnel-pack: " << problem << "\n";
    return kFailure;
}

bool OpenArchive(KelRes& res, const std::string& path)
{
    if (!QFile::exists(QString::fromStdString(path))) {
        Fail("cannot open \"" + path + "\": no such file");
        return false;
    }
    if (!res.Open(path)) {
        Fail("\"" + path + "\" is not a Varnel archive (unreadable, or it does not start with VR1)");
        return false;
    }
    return true;
}

int Save(const KelRes& res, const std::string& output)
{
    std::string error;
    if (!res.Save(output, &error))
        return Fail(error);
    std::cerr << "varnel-pack: wrote " << res.Items().size() << " items to " << output << "\n";
    return kSuccess;
}

int Build(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return Usage("build takes LISTFILE and OUTPUT");
    KelRes res;
    std::string error;
    if (!res.BuildFromList(args[0], &error))
        return Fail(error);
    return Save(res, args[1]);
}

int Create(const std::vector<std::string>& args)
{
    if (args.size() < 2)
        return Usage("create takes OUTPUT and at least one FILE");
    KelRes res;
    std::string error;
    for (size_t i = 1; i < args.size(); ++i)
        if (!res.AddFile(args[i], &error))
            return Fail(error);
    return Save(res, args[0]);
}

// Every directory record, in file order.
int List(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return Usage("list takes ARCHIVE");
    std::vector<KelRes::Entry> entries;
    int count = 0;
    qint64 size = 0;
    KelRes probe;
    if (!OpenArchive(probe, args[0]) || !KelRes::ReadDirectory(args[0], &entries, &count, &size))
        return kFailure;
    for (const KelRes::Entry& e : entries) {
        char crc[9];
        std::snprintf(crc, sizeof crc, "%08x", e.record.checksum);
        std::cout << e.name << '\t' << (int64_t(e.record.end) - e.record.start) << '\t' << crc << '\n';
    }
    return kSuccess;
}

int Extract(const std::vector<std::string>& args)
{
    if (args.size() != 2 && args.size() != 3)
        return Usage("extract takes ARCHIVE, NAME and optionally OUTPUT");
    KelRes res;
    if (!OpenArchive(res, args[0]))
        return kFailure;
    if (!res.Contains(args[1]))
        return Fail("\"" + args[0] + "\" holds no item named \"" + args[1] + "\"");
    const QByteArray data = res.Extract(args[1]);
    const auto& record = res.Directory().at(FileNamePart(args[1]));
    if (data.size() != int64_t(record.end) - record.start)
        return Fail("cannot read item \"" + args[1] + "\" from \"" + args[0] + "\"");
    if (args.size() == 2) {
        std::fwrite(data.constData(), 1, size_t(data.size()), stdout);
        return std::fflush(stdout) == 0 ? kSuccess : Fail("cannot write to standard output");
    }
    std::string reason;
    return WriteFileWhole(args[2], data, &reason) ? kSuccess : Fail(reason);
}

int Words(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return Usage("words takes ARCHIVE and an aya key SSS.AAA");
    KelRes res;
    if (!OpenArchive(res, args[0]))
        return kFailure;
    const std::string item = WordsName(args[1]);
    if (!res.Contains(item))
        return Fail("\"" + args[0] + "\" holds no words for \"" + args[1] + "\" (no item " + item + ")");
    AyaWords words;
    QString problem;
    if (!ParseAyaWords(res.Extract(item), &words, &problem))
        return Fail(args[0] + ": " + item + ": " + problem.toStdString());
    QJsonArray list;
    for (const AyaWord& w : words) {
        const QJsonValue none(QJsonValue::Null);
        list.append(QJsonObject{
            {"text", w.text},
            {"box", QJsonArray{w.box.x(), w.box.y(), w.box.width(), w.box.height()}},
            {"start", w.Timed() ? QJsonValue(w.startMs) : none},
            {"end", w.Timed() ? QJsonValue(w.endMs) : none},
            {"timing", w.timing == WordTiming::Exact       ? "exact"
                       : w.timing == WordTiming::Estimated ? "estimated"
                                                           : "none"},
        });
    }
    const QJsonObject out{{"aya", QString::fromStdString(args[1])}, {"words", list}};
    std::cout << QJsonDocument(out).toJson(QJsonDocument::Compact).toStdString() << "\n";
    return kSuccess;
}

int Verify(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return Usage("verify takes ARCHIVE");
    std::vector<KelRes::Entry> entries;
    int count = 0;
    qint64 size = 0;
    KelRes probe;
    if (!OpenArchive(probe, args[0]) || !KelRes::ReadDirectory(args[0], &entries, &count, &size))
        return kFailure;
    QFile file(QString::fromStdString(args[0]));
    if (!file.open(QIODevice::ReadOnly))
        return Fail("cannot read \"" + args[0] + "\"");
    int bad = 0;
    for (const KelRes::Entry& e : entries) {
        if (!KelRes::InFile(e.record, size)) {
            std::cout << e.name << ": its bytes lie outside the file\n";
            ++bad;
            continue;
        }
        QByteArray data;
        if (file.seek(e.record.start))
            data = file.read(int64_t(e.record.end) - e.record.start);
        const uint32_t crc = Crc32(data.constData(), size_t(data.size()));
        if (crc != e.record.checksum) {
            char line[64];
            std::snprintf(line, sizeof line, ": checksum %08x, stored %08x\n", crc, e.record.checksum);
            std::cout << e.name << line;
            ++bad;
        }
    }
    if (count != int(entries.size()))
        std::cout << "note: the header counts " << count << " items; the file holds " << entries.size()
                  << "\n";
    if (bad)
        return Fail(std::to_string(bad) + " item(s) differ from their checksums");
    std::cout << "all " << entries.size() << " items match their checksums\n";
    return kSuccess;
}

int Import(int argc, char** argv, const std::vector<std::string>& args)
{
    import::Options options;
    std::string problem;
    if (!import::ParseOptions(args, &options, &problem))
        return Usage(problem);
    if (options.out.isEmpty())
        options.out = LearnerDataFolder();
    // Pictures are drawn with fonts, which need the toolkit; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return import::Run(options, std::cout, std::cerr);
}

} // namespace

bool ReadWhole(const std::string& path, std::vector<char>* bytes, std::string* error)
{
    QFile file(QString::fromStdString(path));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = "cannot read \"" + path +
                 "\": " + (QFileInfo::exists(file.fileName()) ? "not a readable file" : "no such file");
        return false;
    }
    // No more than a recording can be, asked before anything is read; a file that claims no size (as
    // those under /proc do) is read up to that and no further.
    const qint64 most = KelRes::kMaxRecordingBytes;
    bytes->clear();
    if (file.size() <= most) {
        bytes->reserve(size_t(file.size()));
        char chunk[1 << 16];
        qint64 got = 0;
        while (qint64(bytes->size()) <= most && (got = file.read(chunk, sizeof chunk)) > 0)
            bytes->insert(bytes->end(), chunk, chunk + got);
        if (got < 0) {
            *error = "cannot read \"" + path + "\": " + file.errorString().toStdString();
            return false;
        }
    }
    if (file.size() > most || qint64(bytes->size()) > most) {
        bytes->clear();
        *error = "cannot read \"" + path + "\": larger than any recording of an aya (" +
                 std::to_string(most >> 20) + " MB at most)";
        return false;
    }
    return true;
}

std::string WithAya(const std::string& json, int sura, int aya)
{
    return "{\"aya\": \"" + std::to_string(sura) + ":" + std::to_string(aya) + "\", " + json.substr(1);
}

// The recitations in pack of the ayas similar to sura:aya.
std::vector<listen::SimilarRecitation> SimilarInPack(KelRes& pack, int sura, int aya)
{
    std::vector<listen::SimilarRecitation> out;
    for (const auto& [s, a] : SimilarAyas(sura, aya)) {
        const std::string item = SoundName(AyaKey(PadSura(IntToString(s)), a));
        if (!pack.Contains(item))
            continue;
        const QByteArray bytes = pack.Extract(item, KelRes::kMaxRecordingBytes);
        out.push_back(
            {std::to_string(s) + ":" + std::to_string(a), std::vector<char>(bytes.begin(), bytes.end())});
    }
    return out;
}

// A file name as it can be printed on a line: control characters and bytes that are not UTF-8 escaped.
std::string Printable(const std::string& name)
{
    const QString text = QString::fromUtf8(name.data(), int(name.size()));
    const bool utf8 = text.toUtf8() == QByteArray(name.data(), int(name.size()));
    std::string out;
    for (unsigned char c : name) {
        char escaped[8];
        if (c < 0x20 || c == 0x7f || (!utf8 && c >= 0x80)) {
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += char(c);
        }
    }
    return out;
}

// Checks each recording SSSAAA.* of folder against pack's recitation of its aya: a JSON line each on
// standard output; every entry that is not checked is named on standard error, with why.
int CheckFolder(KelRes& pack, const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code code;
    if (!fs::is_directory(folder, code))
        return Fail("cannot read the folder \"" + folder + "\": no such folder");
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(folder, code))
        entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    int checked = 0;
    for (const fs::path& path : entries) {
        const std::string name = path.filename().string(), shown = Printable(name);
        auto skip = [&shown](const std::string& why) {
            std::cerr << "varnel-pack: " << shown << ": skipped: " << why << "\n";
        };
        std::error_code ignored;
        if (!fs::is_regular_file(path, ignored)) { // a folder, a FIFO, a device, a broken link
            skip("not a regular file");
            continue;
        }
        // A learner's recording is named by its aya: SSSAAA (002255.ogg is 2:255).
        const size_t dot = name.find('.');
        const std::string base = name.substr(0, dot);
        const bool digits = base.size() == 6 && std::all_of(base.begin(), base.end(),
                                                            [](char c) { return c >= '0' && c <= '9'; });
        const int sura = digits ? std::stoi(base.substr(0, 3)) : 0,
                  aya = digits ? std::stoi(base.substr(3)) : 0;
        if (!digits || shown != name || sura < 1 || sura > 114 || aya < 1) {
            skip("not named by an aya (SSSAAA.ogg)");
            continue;
        }
        const std::string item = SoundName(AyaKey(PadSura(IntToString(sura)), aya));
        if (!pack.Contains(item)) {
            skip("the pack has no recitation of " + std::to_string(sura) + ":" + std::to_string(aya));
            continue;
        }
        const QByteArray bytes = pack.Extract(item, KelRes::kMaxRecordingBytes);
        const std::vector<char> reference(bytes.begin(), bytes.end());
        std::vector<char> learner;
        std::string error;
        listen::CheckResult result;
        if (!ReadWhole(path.string(), &learner, &error) ||
            !listen::Check(reference, learner, &result, &error, SimilarInPack(pack, sura, aya))) {
            skip(error);
            continue;
        }
        std::cout << WithAya(listen::ToJson(result), sura, aya) << "\n";
        ++checked;
    }
    return checked > 0 ? kSuccess : Fail("no recording in \"" + folder + "\" could be checked");
}

int CheckRecitation(const std::vector<std::string>& args)
{
    if (args.size() == 3 && args[0] == "--pack") {
        KelRes pack;
        if (!OpenArchive(pack, args[1]))
            return kFailure;
        return CheckFolder(pack, args[2]);
    }
    // REFERENCE LEARNER, with the recitations of similar ayas as --similar S:A=FILE.
    std::vector<std::string> files;
    std::vector<listen::SimilarRecitation> similar;
    std::string error;
    for (size_t k = 0; k < args.size(); ++k) {
        if (args[k] != "--similar") {
            files.push_back(args[k]);
            continue;
        }
        const size_t equals = k + 1 < args.size() ? args[k + 1].find('=') : std::string::npos;
        int sura = 0, aya = 0;
        if (equals == std::string::npos || std::sscanf(args[k + 1].c_str(), "%d:%d=", &sura, &aya) != 2)
            return Usage("--similar takes SURA:AYA=FILE");
        listen::SimilarRecitation other{std::to_string(sura) + ":" + std::to_string(aya), {}};
        if (!ReadWhole(args[k + 1].substr(equals + 1), &other.bytes, &error))
            return Fail(error);
        similar.push_back(std::move(other));
        ++k;
    }
    if (files.size() != 2)
        return Usage("check takes REFERENCE and LEARNER, or --pack PACK RECORDINGS");
    std::vector<char> reference, learner;
    if (!ReadWhole(files[0], &reference, &error) || !ReadWhole(files[1], &learner, &error))
        return Fail(error);
    listen::CheckResult result;
    const std::clock_t started = std::clock();
    if (!listen::Check(reference, learner, &result, &error, similar))
        return Fail(error);
    const double cpuMs = 1000.0 * double(std::clock() - started) / CLOCKS_PER_SEC;
    std::cout << listen::ToJson(result) << "\n";
    if (qEnvironmentVariableIsSet("VARNEL_CHECK_MEASURES")) // for bench/check-eval
        std::cerr << "closeness " << result.closeness << " missing " << result.missingShare << " extra "
                  << result.extraShare << " changed " << result.changedShare << " unlike "
                  << result.mostUnlike << " usual " << result.usualUnlike << " warp " << result.warp
                  << " cpu_ms " << cpuMs << "\n";
    return kSuccess;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage("no command given");
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    // "varnel-pack import --help" and the like: the usage, which covers every command.
    const bool help = std::find_if(args.begin(), args.end(), [](const std::string& a) {
                          return a == "--help" || a == "-h";
                      }) != args.end();
    if (help || command == "--help" || command == "-h" || command == "help") {
        std::cout << kHelp;
        return kSuccess;
    }
    if (command == "build")
        return Build(args);
    if (command == "create")
        return Create(args);
    if (command == "list")
        return List(args);
    if (command == "extract")
        return Extract(args);
    if (command == "verify")
        return Verify(args);
    if (command == "words")
        return Words(args);
    if (command == "import")
        return Import(argc, argv, args);
    if (command == "check")
        return CheckRecitation(args);
    return Usage("unknown command \"" + command + "\"");
}
