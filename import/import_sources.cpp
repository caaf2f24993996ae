// SPDX-License-Identifier: GPL-3.0-or-later
// Where an import's material comes from: the Tanzil-style text files, the quran-json folder, and the
// folder of recordings.
#include "aya_sources.h"
#include "naming.h"
#include "pack_import.h"
#include "sura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace import
{

namespace
{

// The recording's extensions, most preferred first.
const char* const kAudioExtensions[] = {"ogg", "flac", "mp3", "wav"};

QString Where(const QString& path, int line) { return QString("%1, line %2").arg(path).arg(line); }

} // namespace

bool ReadWhole(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = "cannot read \"" + path + "\"";
        return false;
    }
    *bytes = file.readAll();
    return true;
}

bool ReadTanzil(const QString& path, SuraTexts* out, QString* error)
{
    QByteArray bytes;
    return ReadWhole(path, &bytes, error) && ParseTanzil(bytes, path, out, error);
}

bool ParseTanzil(const QByteArray& bytes, const QString& path, SuraTexts* out, QString* error)
{
    out->assign(114, {});
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList parts = line.split('|');
        bool suraOk = false, ayaOk = false;
        const int sura = parts.size() >= 3 ? parts[0].trimmed().toInt(&suraOk) : 0;
        const int aya = parts.size() >= 3 ? parts[1].trimmed().toInt(&ayaOk) : 0;
        if (!suraOk || !ayaOk) {
            *error = Where(path, i + 1) + ": not a \"sura|aya|text\" line";
            return false;
        }
        const int count = SuraTable().AyaCount(std::to_string(sura));
        if (count == 0 || aya < 1 || aya > count) {
            *error = Where(path, i + 1) +
                     QString(": sura %1 has no aya %2 in Varnel's sura table").arg(sura).arg(aya);
            return false;
        }
        std::vector<QString>& verses = (*out)[size_t(sura - 1)];
        verses.resize(size_t(count));
        if (!verses[size_t(aya - 1)].isNull()) {
            *error = Where(path, i + 1) + QString(": aya %1 of sura %2 is given twice").arg(aya).arg(sura);
            return false;
        }
        // Text may hold '|' itself: everything after the second one is the aya's.
        verses[size_t(aya - 1)] = parts.mid(2).join('|').trimmed();
    }
    for (size_t s = 0; s < out->size(); ++s) {
        const std::vector<QString>& verses = (*out)[s];
        const long given =
            std::count_if(verses.begin(), verses.end(), [](const QString& v) { return !v.isNull(); });
        const int count = SuraTable().AyaCount(std::to_string(s + 1));
        if (given != 0 && given != count) {
            *error = QString("\"%1\" holds %2 of the %3 ayas of sura %4 in Varnel's sura table")
                         .arg(path)
                         .arg(given)
                         .arg(count)
                         .arg(s + 1);
            return false;
        }
    }
    return true;
}

bool ReadTexts(const QString& path, TextKind kind, SuraTexts* out, QString* error)
{
    if (!QFileInfo(path).isDir())
        return ReadTanzil(path, out, error);
    demo::Source source;
    if (!demo::ReadSource(path, &source, error))
        return false;
    out->assign(114, {});
    for (size_t s = 0; s < source.suras.size() && s < out->size(); ++s)
        for (const demo::Verse& v : source.suras[s])
            (*out)[s].push_back(kind == TextKind::Arabic        ? v.arabic
                                : kind == TextKind::Translation ? v.english
                                                                : v.transliteration);
    return true;
}

std::map<std::string, QString> FindRecordings(const QString& folder)
{
    std::map<std::string, QString> found;
    std::map<std::string, int> rank;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& file : files) {
        const QString base = file.completeBaseName();
        const QString ext = file.suffix().toLower();
        const auto known =
            std::find(std::begin(kAudioExtensions), std::end(kAudioExtensions), ext.toStdString());
        if (base.size() != 6 || known == std::end(kAudioExtensions) ||
            !std::all_of(base.begin(), base.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; }))
            continue;
        const int sura = base.left(3).toInt(), aya = base.mid(3).toInt();
        if (aya < 1 || aya > SuraTable().AyaCount(std::to_string(sura)))
            continue;
        const std::string key = AyaKey(IntToString(sura), aya);
        const int r = int(known - std::begin(kAudioExtensions));
        if (!rank.count(key) || r < rank[key]) {
            rank[key] = r;
            found[key] = file.filePath();
        }
    }
    return found;
}

} // namespace import
