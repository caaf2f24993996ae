// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings.h"

#include "file_write.h"
#include "sura.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace
{
constexpr double kOggQuality = 0.5;
}

std::string Recordings::FileName(int sura, int aya)
{
    return QString("%1%2.ogg").arg(sura, 3, 10, QChar('0')).arg(aya, 3, 10, QChar('0')).toStdString();
}

bool Recordings::ParseFileName(const std::string& name, int* sura, int* aya)
{
    if (name.size() != 10 || name.compare(6, 4, ".ogg") != 0)
        return false;
    for (size_t k = 0; k < 6; ++k)
        if (name[k] < '0' || name[k] > '9')
            return false;
    const int s = std::stoi(name.substr(0, 3));
    const int a = std::stoi(name.substr(3, 3));
    if (a < 1 || a > SuraTable().AyaCount(std::to_string(s)))
        return false;
    *sura = s;
    *aya = a;
    return true;
}

namespace
{

constexpr const char* kMatchedFile = "matched.txt";
constexpr const char* kPrevious = ".previous";
constexpr qint64 kMaxMatchedBytes = 1 << 20;

} // namespace

void Recordings::SetFolder(const std::string& folder)
{
    folder_ = folder;
    ayas_.clear();
    if (folder.empty())
        return;
    const QStringList names = QDir(QString::fromStdString(folder)).entryList({"*.ogg"}, QDir::Files);
    for (const QString& name : names) {
        int sura = 0, aya = 0;
        if (ParseFileName(name.toStdString(), &sura, &aya))
            ayas_.insert({sura, aya});
    }
    matched_.clear();
    const std::string list = folder_ + "/" + kMatchedFile;
    QFile file(QString::fromStdString(list));
    if (!IsReadableRegularFile(list) || !file.open(QIODevice::ReadOnly) || file.size() > kMaxMatchedBytes)
        return;
    matchedPrevious_.clear();
    for (const QByteArray& line : file.readAll().split('\n')) {
        int sura = 0, aya = 0;
        std::string name = line.trimmed().toStdString();
        const bool previous = name.size() > 6 && name.substr(6) == kPrevious;
        if (previous)
            name.resize(6);
        if (!ParseFileName(name + ".ogg", &sura, &aya))
            continue;
        if (previous && HasPrevious(sura, aya))
            matchedPrevious_.insert({sura, aya});
        else if (!previous && Has(sura, aya))
            matched_.insert({sura, aya});
    }
}

bool Recordings::SetMatched(int sura, int aya, bool matched, std::string* error)
{
    if (folder_.empty() || Matched(sura, aya) == matched)
        return true;
    if (matched)
        matched_.insert({sura, aya});
    else
        matched_.erase({sura, aya});
    return WriteMatched(error);
}

bool Recordings::WriteMatched(std::string* error) const
{
    QByteArray text;
    for (const Aya& a : matched_)
        text += QByteArray::fromStdString(FileName(a.first, a.second).substr(0, 6)) + "\n";
    for (const Aya& a : matchedPrevious_)
        text += QByteArray::fromStdString(FileName(a.first, a.second).substr(0, 6)) + kPrevious + "\n";
    return MakeFolder(folder_, error) && WriteFileWhole(folder_ + "/" + kMatchedFile, text, error);
}

std::string Recordings::Path(int sura, int aya) const { return folder_ + "/" + FileName(sura, aya); }

std::string Recordings::PreviousPath(int sura, int aya) const
{
    return folder_ + "/" + FileName(sura, aya).substr(0, 6) + kPrevious + ".ogg";
}

bool Recordings::HasPrevious(int sura, int aya) const
{
    return !folder_.empty() && QFile::exists(QString::fromStdString(PreviousPath(sura, aya)));
}

namespace
{

void Mark(std::set<Recordings::Aya>* marks, Recordings::Aya aya, bool on)
{
    if (on)
        marks->insert(aya);
    else
        marks->erase(aya);
}

// Moves from over to, which may be there already; false, with the reason, when it cannot.
bool MoveOver(const std::string& from, const std::string& to, std::string* error)
{
    QFile::remove(QString::fromStdString(to));
    QFile file(QString::fromStdString(from));
    if (file.rename(QString::fromStdString(to)))
        return true;
    *error = QCoreApplication::translate("Recordings", "%1 could not be moved to %2: %3")
                 .arg(QString::fromStdString(from), QString::fromStdString(to), file.errorString())
                 .toStdString();
    return false;
}

} // namespace

bool Recordings::BringBackPrevious(int sura, int aya, std::string* error)
{
    if (!HasPrevious(sura, aya))
        return true;
    const std::string latest = Path(sura, aya), previous = PreviousPath(sura, aya);
    const std::string aside = latest + ".swap";
    // Three moves, each whole: a failure midway leaves both takes under one name or another.
    if (Has(sura, aya) && !MoveOver(latest, aside, error))
        return false;
    if (!MoveOver(previous, latest, error))
        return false;
    if (Has(sura, aya) && !MoveOver(aside, previous, error))
        return false;
    const bool latestMatched = Matched(sura, aya), previousMatched = PreviousMatched(sura, aya);
    ayas_.insert({sura, aya});
    Mark(&matchedPrevious_, {sura, aya}, latestMatched);
    Mark(&matched_, {sura, aya}, previousMatched);
    return WriteMatched(error);
}

bool Recordings::Save(int sura, int aya, const sound::Pcm& pcm, std::string* error)
{
    if (folder_.empty()) {
        *error = QCoreApplication::translate(
                     "Recordings", "No learner is chosen, so there is nowhere to keep the recording.")
                     .toStdString();
        return false;
    }
    std::vector<char> bytes;
    const sound::Result r = sound::EncodeOggVorbis(pcm, kOggQuality, &bytes);
    if (r != sound::Ok) {
        *error = sound::ErrorString(r);
        return false;
    }
    if (!MakeFolder(folder_, error))
        return false;
    // The take replaced is kept as the previous one, with its mark.
    const bool hadTake = Has(sura, aya) && IsReadableRegularFile(Path(sura, aya));
    if (hadTake && !MoveOver(Path(sura, aya), PreviousPath(sura, aya), error))
        return false;
    if (hadTake)
        Mark(&matchedPrevious_, {sura, aya}, Matched(sura, aya));
    if (!WriteFileWhole(Path(sura, aya), QByteArray(bytes.data(), qsizetype(bytes.size())), error))
        return false;
    ayas_.insert({sura, aya});
    // A new take has not been checked yet.
    matched_.erase({sura, aya});
    std::string ignored;
    WriteMatched(&ignored);
    return true;
}

std::shared_ptr<const std::vector<char>> Recordings::Bytes(int sura, int aya) const
{
    if (!Has(sura, aya) || !IsReadableRegularFile(Path(sura, aya)))
        return nullptr;
    QFile file(QString::fromStdString(Path(sura, aya)));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes)
        return nullptr;
    const QByteArray all = file.readAll();
    return std::make_shared<const std::vector<char>>(all.begin(), all.end());
}

std::string Recordings::Problem(int sura, int aya) const
{
    if (!Has(sura, aya))
        return {};
    const QString path = QString::fromStdString(Path(sura, aya));
    if (!IsReadableRegularFile(Path(sura, aya)))
        return QCoreApplication::translate("Recordings", "%1 is not a file that can be read.")
            .arg(path)
            .toStdString();
    if (QFile(path).size() > kMaxBytes)
        return QCoreApplication::translate("Recordings",
                                           "%1 is larger than %2 MB, more than a recording of an aya.")
            .arg(path)
            .arg(kMaxBytes >> 20)
            .toStdString();
    return {};
}

bool Recordings::Remove(int sura, int aya, std::string* error)
{
    QFile file(QString::fromStdString(Path(sura, aya)));
    if (file.exists() && !file.remove()) {
        *error = QCoreApplication::translate("Recordings", "The recording %1 could not be deleted: %2")
                     .arg(QString::fromStdString(Path(sura, aya)), file.errorString())
                     .toStdString();
        return false;
    }
    QFile previous(QString::fromStdString(PreviousPath(sura, aya)));
    if (previous.exists() && !previous.remove()) {
        *error = QCoreApplication::translate("Recordings", "The recording %1 could not be deleted: %2")
                     .arg(previous.fileName(), previous.errorString())
                     .toStdString();
        return false;
    }
    ayas_.erase({sura, aya});
    matched_.erase({sura, aya});
    matchedPrevious_.erase({sura, aya});
    std::string ignored;
    WriteMatched(&ignored);
    return true;
}

bool Recordings::RemoveAll(std::string* error)
{
    const std::set<Aya> all = ayas_;
    for (const Aya& a : all)
        if (!Remove(a.first, a.second, error))
            return false;
    return true;
}
