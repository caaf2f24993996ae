// SPDX-License-Identifier: GPL-3.0-or-later
#include "pack_import.h"

#include "aya_sources.h"
#include "prepare_aya.h"
#include "kelres.h"
#include "naming.h"
#include "pack_registry.h"
#include "sound.h"
#include "sura.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <ostream>
#include <thread>

namespace import
{

std::vector<std::string> PacksFilledBy(int first, int last)
{
    std::vector<std::pair<int, std::string>> packs;
    for (const auto& [name, range] : PackRegistry::Table())
        if (range.first >= first && range.last <= last)
            packs.emplace_back(range.first, name);
    std::sort(packs.begin(), packs.end());
    std::vector<std::string> names;
    for (const auto& p : packs)
        names.push_back(p.second);
    return names;
}

bool ParseOptions(const std::vector<std::string>& args, Options* out, std::string* problem)
{
    *out = Options();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        auto value = [&]() { return QString::fromStdString(args[++i]); };
        if (a == "--ogg") {
            out->ogg = true;
        } else if (!hasValue &&
                   (a == "--audio" || a == "--text" || a == "--translation" || a == "--transliteration" ||
                    a == "--suras" || a == "--recitation" || a == "--out")) {
            *problem = a + " needs a value";
            return false;
        } else if (a == "--audio") {
            out->audio = value();
        } else if (a == "--text") {
            out->text = value();
        } else if (a == "--translation") {
            out->translation = value();
        } else if (a == "--transliteration") {
            out->transliteration = value();
        } else if (a == "--recitation") {
            out->recitation = value();
            if (!PackRegistry::IsRecitationName(out->recitation.toStdString())) {
                *problem =
                    "--recitation takes a plain folder name, one word, and not \"default\" or \"lang\"";
                return false;
            }
        } else if (a == "--out") {
            out->out = value();
        } else if (a == "--suras") {
            const QStringList range = value().split('-');
            bool firstOk = false, lastOk = false;
            out->first = range.value(0).toInt(&firstOk);
            out->last = range.size() == 1 ? out->first : range.value(1).toInt(&lastOk);
            if (range.size() == 1)
                lastOk = firstOk;
            if (range.size() > 2 || !firstOk || !lastOk || out->first < 1 || out->last > 114 ||
                out->first > out->last) {
                *problem = "--suras takes FIRST-LAST, two sura numbers from 1 to 114";
                return false;
            }
        } else {
            *problem = "unknown argument \"" + a + "\"";
            return false;
        }
    }
    if (out->audio.isEmpty() || out->text.isEmpty()) {
        *problem = "import needs --audio DIR and --text FILE";
        return false;
    }
    return true;
}

namespace
{

// What an import tells: the facts go into the report; a narrator, when there is one (the terminal),
// hears each step as it happens.
class Teller
{
  public:
    Teller(Report* report, std::ostream* narrate) : report_(report), narrate_(narrate) {}
    int Problem(const std::string& text)
    {
        report_->problems.push_back(text);
        return 1;
    }
    void Warning(const std::string& text) { report_->warnings.push_back(text); }
    void Kept(const std::string& pack)
    {
        report_->kept.push_back(pack);
        Say(pack + ": already there, kept");
    }
    void Written(const std::string& path, const std::string& line)
    {
        report_->written.push_back(path);
        Say(line);
    }
    void Say(const std::string& line)
    {
        if (narrate_)
            *narrate_ << line << "\n" << std::flush;
    }

  private:
    Report* report_;
    std::ostream* narrate_;
};

// The smallest pack of the table that covers suras first..last; empty when none does.
std::string SmallestPackCovering(int first, int last)
{
    std::string best;
    int span = 1000;
    for (const auto& [name, range] : PackRegistry::Table())
        if (range.first <= first && last <= range.last && range.last - range.first < span) {
            best = name;
            span = range.last - range.first;
        }
    return best;
}

// An add-on recitation of some ayas: only their recordings, in packs named for the smallest pack that
// covers each recorded sura (suras 1 and 112 give fatiha.dat and s104_s114.dat). The ayas without a
// recording, the pictures and the texts come from the packs the learner already has (the player and
// the window look there for what an add-on lacks).
int RunAddon(const Options& o, const std::map<std::string, QString>& recordings, Teller& tell)
{
    const QString folder = (o.out.isEmpty() ? QString(".") : o.out) + "/quran/" + PackRegistry::kAddonFolder +
                           "/" + o.recitation;
    std::map<std::string, std::vector<Aya>> byPack;
    size_t total = 0;
    for (int s = o.first; s <= o.last; ++s) {
        const std::string pack = SmallestPackCovering(s, s);
        for (int a = 1; a <= SuraTable().AyaCount(std::to_string(s)); ++a) {
            const auto found = recordings.find(AyaKey(IntToString(s), a));
            if (found == recordings.end())
                continue;
            if (pack.empty()) {
                return tell.Problem("no sura pack covers sura " + std::to_string(s));
            }
            Aya aya;
            aya.key = found->first;
            aya.aya = a;
            aya.recording = found->second;
            byPack[pack].push_back(aya);
            ++total;
        }
    }
    if (byPack.empty()) {
        return tell.Problem("no recording of suras " + std::to_string(o.first) + "-" +
                            std::to_string(o.last) + " in \"" + o.audio.toStdString() +
                            "\" (files SSSAAA.mp3, .ogg, .flac or .wav)");
    }
    std::vector<QString> written;
    // A cancel takes back every pack this run wrote, the one just written included.
    const auto cancel = [&written] {
        for (const QString& path : written)
            QFile::remove(path);
        return kCancelled;
    };
    size_t prepared = 0;
    for (auto& [pack, ayas] : byPack) {
        const QString path = folder + "/" + QString::fromStdString(pack);
        if (QFileInfo::exists(path)) {
            tell.Kept(pack);
            prepared += ayas.size();
            continue;
        }
        KelRes res;
        std::string problem;
        for (Aya& aya : ayas) {
            if (o.progress && !o.progress(prepared++, total))
                return cancel();
            Prepare(&aya, o.ogg);
            if (!aya.problem.isEmpty())
                return tell.Problem(aya.problem.toStdString());
            if (!res.AddItem(SoundName(aya.key), aya.sound, &problem))
                return tell.Problem(problem);
        }
        if (!QDir().mkpath(folder) || !res.Save(path.toStdString(), &problem))
            return tell.Problem(problem.empty() ? "cannot make the folder" : problem);
        written.push_back(path);
        // Cancel pressed while the pack was being written: it goes too.
        if (o.progress && !o.progress(prepared, total))
            return cancel();
        tell.Written(path.toStdString(),
                     pack + ": " + std::to_string(ayas.size()) + " recording(s) written to " +
                         path.toStdString() + " as the recitation \"" + o.recitation.toStdString() +
                         "\"; the other ayas, the pictures and the texts come from the installed pack");
    }
    return 0;
}

QString Text(const SuraTexts& texts, int sura, int aya)
{
    if (size_t(sura - 1) >= texts.size() || size_t(aya - 1) >= texts[size_t(sura - 1)].size())
        return {};
    return texts[size_t(sura - 1)][size_t(aya - 1)];
}

} // namespace

// The suras recorded within those asked for: sura 108 alone needs no more than s104_s114.dat.
Options Narrowed(const Options& given, const std::map<std::string, QString>& recordings)
{
    Options o = given;
    int first = 0, last = 0;
    for (const auto& [key, file] : recordings) {
        const int sura = LeadingNumber(key);
        if (sura < given.first || sura > given.last)
            continue;
        first = first == 0 ? sura : std::min(first, sura);
        last = std::max(last, sura);
    }
    if (first > 0) {
        o.first = first;
        o.last = last;
    }
    return o;
}

// Whether the suras fill at least one pack and every one of their ayas has a recording.
bool WhollyRecorded(const Options& o, const std::map<std::string, QString>& recordings)
{
    if (PacksFilledBy(o.first, o.last).empty())
        return false;
    for (int s = o.first; s <= o.last; ++s)
        for (int a = 1; a <= SuraTable().AyaCount(std::to_string(s)); ++a)
            if (!recordings.count(AyaKey(IntToString(s), a)))
                return false;
    return true;
}

namespace
{

int RunTelling(const Options& o, Teller& tell)
{
    auto fail = [&tell](const QString& problem) { return tell.Problem(problem.toStdString()); };
    // A recitation of some ayas (a sura too few to fill a pack, or ayas left unrecorded) is an add-on:
    // whole packs where the suras recorded fill them, else the recordings alone.
    if (!o.recitation.isEmpty() && QFileInfo(o.audio).isDir()) {
        const std::map<std::string, QString> recordings = FindRecordings(o.audio);
        if (o.soundOnly || !WhollyRecorded(o, recordings)) {
            const Options narrowed = Narrowed(o, recordings);
            if (o.soundOnly || !WhollyRecorded(narrowed, recordings))
                return RunAddon(narrowed, recordings, tell);
            return RunTelling(narrowed, tell);
        }
    }
    const std::vector<std::string> packs = PacksFilledBy(o.first, o.last);
    if (packs.empty())
        return fail(QString("suras %1-%2 fill no sura pack: a pack is written only when all its suras are "
                            "given (the smallest are fatiha.dat for sura 1 and s104_s114.dat for 104-114)")
                        .arg(o.first)
                        .arg(o.last));
    SuraTexts arabic, translation, transliteration;
    QString error;
    if (!ReadTexts(o.text, TextKind::Arabic, &arabic, &error) ||
        (!o.translation.isEmpty() &&
         !ReadTexts(o.translation, TextKind::Translation, &translation, &error)) ||
        (!o.transliteration.isEmpty() &&
         !ReadTexts(o.transliteration, TextKind::Transliteration, &transliteration, &error)))
        return fail(error);
    if (!QFileInfo(o.audio).isDir())
        return fail("the recordings folder \"" + o.audio + "\" cannot be read");
    const std::map<std::string, QString> recordings = FindRecordings(o.audio);

    const QString folder =
        (o.out.isEmpty() ? QString(".") : o.out) + "/quran" +
        (o.recitation.isEmpty() ? QString() : QString("/") + PackRegistry::kAddonFolder + "/" + o.recitation);
    std::vector<std::string> todo;
    for (const std::string& pack : packs) {
        if (QFileInfo::exists(folder + "/" + QString::fromStdString(pack)))
            tell.Kept(pack);
        else
            todo.push_back(pack);
    }
    // Everything is checked before anything is written.
    std::vector<Aya> ayas;
    std::vector<std::string> missing, noText;
    std::map<std::string, std::pair<size_t, size_t>> spans; // pack -> its ayas in ayas
    for (const std::string& pack : todo) {
        const PackRange& range = PackRegistry::Table().at(pack);
        const size_t begin = ayas.size();
        for (int s = range.first; s <= range.last; ++s)
            for (int a = 1; a <= SuraTable().AyaCount(std::to_string(s)); ++a) {
                Aya aya;
                aya.key = AyaKey(IntToString(s), a);
                aya.aya = a;
                const auto found = recordings.find(aya.key);
                if (found == recordings.end())
                    missing.push_back(aya.key);
                else
                    aya.recording = found->second;
                aya.arabic = Text(arabic, s, a);
                if (aya.arabic.isEmpty())
                    noText.push_back(aya.key);
                aya.translation = Text(translation, s, a);
                aya.transliteration = Text(transliteration, s, a);
                ayas.push_back(aya);
            }
        spans[pack] = {begin, ayas.size()};
    }
    auto list = [](const std::vector<std::string>& keys) {
        std::string text;
        for (size_t i = 0; i < keys.size() && i < 40; ++i)
            text += (i ? " " : "") + keys[i];
        return QString::fromStdString(text + (keys.size() > 40 ? " ..." : ""));
    };
    if (!missing.empty())
        return fail(
            QString("%1 aya(s) have no recording in \"%2\" (files SSSAAA.mp3, .ogg, .flac or .wav): %3")
                .arg(missing.size())
                .arg(o.audio, list(missing)));
    if (!noText.empty())
        return fail(QString("%1 aya(s) have no Arabic text in \"%2\": %3")
                        .arg(noText.size())
                        .arg(o.text, list(noText)));
    if (o.translation.isEmpty())
        tell.Warning("no --translation given; the packs' translations are empty");
    if (o.transliteration.isEmpty())
        tell.Warning("no --transliteration given; the packs' transliterations are empty");
    if (todo.empty())
        return 0;

    if (!QDir().mkpath(folder))
        return fail("cannot make the folder \"" + folder + "\"");
    // Each aya is prepared once, even where two packs hold it (s078_s114.dat and s104_s114.dat), and
    // each pack is written as soon as its ayas are ready: a re-run after a kill keeps the packs written,
    // and no more than one pack's ayas (and those a later pack shares) are held at a time.
    std::map<std::string, size_t> firstOf;    // aya key -> its first entry in ayas
    std::map<std::string, size_t> lastPackOf; // aya key -> the last pack (in todo) holding it
    for (size_t p = 0; p < todo.size(); ++p)
        for (size_t i = spans[todo[p]].first; i < spans[todo[p]].second; ++i) {
            firstOf.emplace(ayas[i].key, i);
            lastPackOf[ayas[i].key] = p;
        }
    std::atomic<size_t> done{0};
    std::atomic<bool> cancelled{false};
    std::mutex printing;
    std::vector<QString> written;
    std::vector<std::string> untimed; // of the pack being written
    // A cancel takes back every pack this run wrote: an import is all or nothing for the learner.
    auto cancel = [&written] {
        for (const QString& path : written)
            QFile::remove(path);
        return kCancelled;
    };
    for (size_t p = 0; p < todo.size(); ++p) {
        const std::string& pack = todo[p];
        const auto [begin, end] = spans[pack];
        std::vector<size_t> fresh;
        for (size_t i = begin; i < end; ++i)
            if (firstOf[ayas[i].key] == i)
                fresh.push_back(i);
        // Every core at work, an aya at a time.
        std::atomic<size_t> next{0};
        auto work = [&] {
            for (size_t k = next++; k < fresh.size() && !cancelled; k = next++) {
                Prepare(&ayas[fresh[k]], o.ogg);
                const size_t n = ++done;
                const std::lock_guard<std::mutex> lock(printing);
                if (o.progress && !o.progress(n, firstOf.size()))
                    cancelled = true;
                if (n % 50 == 0 || n == firstOf.size())
                    tell.Say("prepared " + std::to_string(n) + " of " + std::to_string(firstOf.size()) +
                             " ayas");
            }
        };
        std::vector<std::thread> workers;
        for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
            workers.emplace_back(work);
        for (std::thread& t : workers)
            t.join();
        if (cancelled)
            return cancel();
        KelRes res;
        std::string problem;
        for (size_t i = begin; i < end; ++i) {
            const Aya& a = ayas[firstOf[ayas[i].key]];
            if (!a.problem.isEmpty())
                return fail(a.problem);
            if (!res.AddItem(PictureName(a.key), a.picture, &problem) ||
                !res.AddItem(SoundName(a.key), a.sound, &problem) ||
                !res.AddItem(TranslationName(a.key), demo::ToLatin1(a.translation), &problem) ||
                !res.AddItem(TransliterationName(a.key), demo::ToLatin1(a.transliteration), &problem) ||
                !res.AddItem(WordsName(a.key), a.words, &problem))
                return fail(QString::fromStdString(problem));
            if (!a.untimed.isEmpty())
                untimed.push_back(a.key + " (" + a.untimed.toStdString() + ")");
        }
        const QString path = folder + "/" + QString::fromStdString(pack);
        if (!res.Save(path.toStdString(), &problem))
            return fail(QString::fromStdString(problem));
        written.push_back(path);
        // Cancel pressed while the pack was being written: it goes with the rest.
        if (o.progress && !o.progress(done, firstOf.size()))
            return cancel();
        tell.Written(path.toStdString(), pack + ": written to " + path.toStdString());
        if (!untimed.empty())
            tell.Warning(pack + ": " + std::to_string(untimed.size()) + " aya(s) have no word times: " +
                         list(untimed).toStdString());
        untimed.clear();
        // What no later pack holds is let go.
        for (size_t i = begin; i < end; ++i)
            if (lastPackOf[ayas[i].key] == p) {
                Aya& a = ayas[firstOf[ayas[i].key]];
                a.picture = QByteArray();
                a.sound = QByteArray();
                a.words = QByteArray();
            }
    }
    return 0;
}

} // namespace

int Run(const Options& options, Report* report, std::ostream* narrate)
{
    *report = Report();
    report->recitation = options.recitation.toStdString();
    Teller tell(report, narrate);
    return RunTelling(options, tell);
}

int Run(const Options& options, std::ostream& out, std::ostream& err)
{
    Report report;
    const int status = Run(options, &report, &out);
    for (const std::string& warning : report.warnings)
        err << "varnel-pack import: warning: " << warning << "\n";
    for (const std::string& problem : report.problems)
        err << "varnel-pack import: " << problem << "\n";
    return status;
}

} // namespace import
