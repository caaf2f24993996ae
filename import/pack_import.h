// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-pack import: sura packs made from a learner's own files. Recordings come from a folder of
// files named SSSAAA.ext (001001.mp3 ... 114006.mp3; MP3, Ogg, FLAC or WAV); the Arabic text, the
// translation and the transliteration from Tanzil-style files ("sura|aya|text" a line) or the
// quran-json package's folder. Pictures are drawn as varnel-demo draws them.
#pragma once

#include <QString>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace import
{

// Texts by sura and aya: texts[s - 1][a - 1]; a sura that the source does not hold is empty.
using SuraTexts = std::vector<std::vector<QString>>;

enum class TextKind { Arabic, Translation, Transliteration };

// Reads a regular file whole; false, with a message naming it, when it cannot.
bool ReadWhole(const QString& path, QByteArray* bytes, QString* error);

// Reads a Tanzil-style file: "sura|aya|text" a line, blank lines and lines starting with '#' skipped.
// False, with a message naming the line, for a malformed line, a sura or aya outside Varnel's sura
// table, an aya given twice, or a sura whose aya count differs from the table's.
bool ReadTanzil(const QString& path, SuraTexts* out, QString* error);
// The same from the file's bytes; path only names it in the problem.
bool ParseTanzil(const QByteArray& bytes, const QString& path, SuraTexts* out, QString* error);
// Reads a Tanzil-style file, or the kind's text from the quran-json package folder at path.
bool ReadTexts(const QString& path, TextKind kind, SuraTexts* out, QString* error);

// The recordings of folder by aya key ("001.001" -> path); files of other names are left out. Where
// one aya has several files, Ogg is preferred, then FLAC, MP3 and WAV.
std::map<std::string, QString> FindRecordings(const QString& folder);

// The names of the table's packs all of whose suras lie in first..last, in the table's order.
std::vector<std::string> PacksFilledBy(int first, int last);

struct Options {
    QString audio;
    QString text;
    QString translation;     // empty: none given
    QString transliteration; // empty: none given
    int first = 1;
    int last = 114;
    QString recitation; // empty: the default recitation in quran/
    bool ogg = false;   // re-encode every recording as Ogg Vorbis
    // With a recitation: the recordings alone, as an add-on beside the packs installed, which give the
    // pictures and the texts (no text is read).
    bool soundOnly = false;
    QString out;        // the working folder; packs go to its quran/
    // Told of the ayas prepared so far, from the workers (under a lock); false cancels the import.
    std::function<bool(size_t done, size_t total)> progress;
};

// Run()'s result when progress() cancelled it: nothing of this run is left behind.
constexpr int kCancelled = 2;

// Parses import's arguments (after the word "import"). False, with the problem, on bad usage.
bool ParseOptions(const std::vector<std::string>& args, Options* out, std::string* problem);

// What an import did, told by value.
struct Report {
    std::vector<std::string> written;  // the packs written, as paths
    std::vector<std::string> kept;     // the packs already there, kept as they were
    std::vector<std::string> problems; // what stopped the import, a line each
    std::vector<std::string> warnings; // what the packs lack (no translation given), a line each
    std::string recitation;            // the recitation the packs make; empty: the default one
};

// Builds the packs, every core at work, into report; narrate, when given, hears each step. Packs
// already there are kept. The result as below.
int Run(const Options& options, Report* report, std::ostream* narrate = nullptr);

// Builds the packs, every core at work, showing progress on out and problems on err. Packs already
// there are kept. Returns 0 when every pack was written or kept, 1 on a failure (missing ayas, an
// unreadable recording or text, a failed write): then no half pack is left behind; kCancelled when
// options.progress cancelled it: then the packs this run wrote are removed too.
int Run(const Options& options, std::ostream& out, std::ostream& err);

} // namespace import
