// SPDX-License-Identifier: GPL-3.0-or-later
#include "pack_registry.h"

#include "file_write.h"
#include "naming.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <fstream>
#include <set>

namespace
{

bool FileExists(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() && info.isFile();
}

QStringList DatFiles(const QString& folder)
{
    return QDir(folder).entryList(QStringList() << "*.dat", QDir::Files, QDir::Name | QDir::IgnoreCase);
}

} // namespace

PackRegistry::PackRegistry(std::string root) : root_(std::move(root)) {}

const std::map<std::string, PackRange>& PackRegistry::Table()
{
    static const std::map<std::string, PackRange> table = [] {
        const PackRange rows[] = {
            {"fatiha.dat", 1, 1},       {"s001_s002.dat", 1, 2},     {"s003_s004.dat", 3, 4},
            {"s005_s006.dat", 5, 6},    {"s007_s008.dat", 7, 8},     {"s009_s010.dat", 9, 10},
            {"s011_s014.dat", 11, 14},  {"s015_s018.dat", 15, 18},   {"s019_s022.dat", 19, 22},
            {"s023_s026.dat", 23, 26},  {"s027_s032.dat", 27, 32},   {"s033_s037.dat", 33, 37},
            {"s038_s041.dat", 38, 41},  {"s042_s045.dat", 42, 45},   {"s046_s051.dat", 46, 51},
            {"s052_s057.dat", 52, 57},  {"s058_s066.dat", 58, 66},   {"s067_s077.dat", 67, 77},
            {"s078_s114.dat", 78, 114}, {"s104_s114.dat", 104, 114},
        };
        std::map<std::string, PackRange> m;
        for (const PackRange& r : rows)
            m[r.name] = r;
        return m;
    }();
    return table;
}

bool PackRegistry::IsPlainName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\:") != std::string::npos)
        return false;
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool PackRegistry::IsRecitationName(const std::string& name)
{
    return IsPlainName(name) && name.find_first_of(" \t") == std::string::npos && name != kDefaultLocation &&
           name != "lang";
}

std::string PackRegistry::QuranDir() const { return root_ + "/quran/"; }
std::string PackRegistry::RecitationDir(const std::string& recitation) const
{
    return QuranDir() + kAddonFolder + "/" + recitation;
}

bool PackRegistry::IsShared(const std::string& path) const
{
    if (shared_.empty())
        return false;
    const QString root = QDir(QString::fromStdString(shared_)).absolutePath() + "/";
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().startsWith(root);
}

std::string PackRegistry::RecitationOfPath(const std::string& path)
{
    const QDir folder = QFileInfo(QString::fromStdString(path)).dir();
    const QString above = QFileInfo(folder.absolutePath()).dir().dirName();
    return above == kAddonFolder ? folder.dirName().toStdString() : std::string();
}

std::string PackRegistry::RemovableRecitation(const std::string& location, const std::string& path) const
{
    if (location == kDefaultLocation || !IsRecitationName(location))
        return {};
    const QString own = QDir(QString::fromStdString(RecitationDir(location))).absolutePath();
    return QFileInfo(QString::fromStdString(path)).absolutePath() == own ? location : std::string();
}

bool PackRegistry::RemoveRecitation(const std::string& recitation, std::string* error) const
{
    if (!IsRecitationName(recitation)) {
        *error = "\"" + recitation + "\" is no recitation of your own";
        return false;
    }
    const QString folder = QString::fromStdString(RecitationDir(recitation));
    if (!QDir(folder).removeRecursively()) {
        *error = "some files of " + folder.toStdString() + " could not be removed";
        return false;
    }
    return true;
}

std::string PackRegistry::ReciteIniPath() const { return root_ + "/recite.ini"; }
std::string PackRegistry::DefaultPath(const std::string& name) const
{
    const std::string own = QuranDir() + name;
    if (shared_.empty() || FileExists(own))
        return own;
    const std::string shared = shared_ + "/quran/" + name;
    return FileExists(shared) ? shared : own;
}
std::string PackRegistry::AddonPath(const std::string& location, const std::string& name) const
{
    return RecitationDir(location) + "/" + name;
}

std::vector<PackRecord> PackRegistry::Scan(bool firstOnly) const
{
    std::vector<PackRecord> records;
    std::set<std::string> seen;
    for (const QString& file : DatFiles(QString::fromStdString(QuranDir()))) {
        const std::string name = file.toStdString();
        records.push_back({name, DefaultPath(name), kDefaultLocation});
        seen.insert(name);
    }
    // The installation's packs, read where they are.
    if (!shared_.empty())
        for (const QString& file : DatFiles(QString::fromStdString(shared_ + "/quran/"))) {
            const std::string name = file.toStdString();
            if (seen.insert(name).second)
                records.push_back({name, shared_ + "/quran/" + name, kDefaultLocation});
        }
    const QDir extra(QString::fromStdString(QuranDir() + kAddonFolder));
    for (const QString& folder :
         extra.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        const std::string location = folder.toStdString();
        // A folder that could not be named in "recite.ini" is no add-on recitation.
        if (!IsRecitationName(location))
            continue;
        for (const QString& file : DatFiles(extra.filePath(folder))) {
            const std::string name = file.toStdString();
            if (firstOnly && seen.count(name))
                continue;
            records.push_back({name, AddonPath(location, name), location});
            seen.insert(name);
        }
    }
    return records;
}

bool PackRegistry::ReciteIniExists() const { return IsReadableRegularFile(ReciteIniPath()); }

std::vector<ReciteChoice> PackRegistry::ReadReciteIni() const
{
    std::vector<ReciteChoice> pairs;
    if (!IsReadableRegularFile(ReciteIniPath()))
        return pairs;
    std::ifstream in(ReciteIniPath());
    std::string name, location;
    while (in >> name >> location)
        pairs.emplace_back(name, location);
    return pairs;
}

bool PackRegistry::WriteReciteIni(const std::vector<ReciteChoice>& choices, std::string* error) const
{
    QByteArray text;
    for (const auto& [name, location] : choices)
        text += QByteArray::fromStdString(name) + '\t' + QByteArray::fromStdString(location) + '\n';
    std::string reason;
    if (WriteFileWhole(ReciteIniPath(), text, &reason))
        return true;
    if (error)
        *error = QCoreApplication::translate("PackRegistry", "Cannot write \"recite.ini\": %1")
                     .arg(QString::fromStdString(reason))
                     .toStdString();
    return false;
}

std::vector<PackRecord> PackRegistry::LoadReciteIni() const
{
    std::vector<PackRecord> records;
    for (const auto& [name, location] : ReadReciteIni()) {
        PackRecord r{name, "", ""};
        // Names that are not plain file or folder names never become paths.
        if (IsPlainName(name) && IsPlainName(location)) {
            if (location == kDefaultLocation) {
                if (FileExists(DefaultPath(name)))
                    r = {name, DefaultPath(name), location};
            } else if (FileExists(AddonPath(location, name))) {
                r = {name, AddonPath(location, name), location};
            }
        }
        records.push_back(r);
    }
    return records;
}

bool PackRegistry::ReconcileReciteIni(std::string* error) const
{
    const std::vector<PackRecord> disk = Scan();
    std::vector<ReciteChoice> lines;
    std::set<std::string> written;
    if (ReciteIniExists()) {
        for (const PackRecord& r : LoadReciteIni())
            if (!r.path.empty() && written.insert(r.name).second)
                lines.emplace_back(r.name, r.location);
    }
    for (const PackRecord& r : disk)
        if (written.insert(r.name).second)
            lines.emplace_back(r.name, r.location);
    return WriteReciteIni(lines, error);
}

bool PackRegistry::ChooseRecitation(const std::string& recitation, std::string* error) const
{
    if (!IsPlainName(recitation)) {
        *error = QCoreApplication::translate("PackRegistry", "\"%1\" is not a recitation's folder name.")
                     .arg(QString::fromStdString(recitation))
                     .toStdString();
        return false;
    }
    if (!ReconcileReciteIni(error))
        return false;
    std::vector<ReciteChoice> choices = ReadReciteIni();
    for (ReciteChoice& choice : choices)
        if (FileExists(AddonPath(recitation, choice.first)))
            choice.second = recitation;
    return WriteReciteIni(choices, error);
}

std::vector<PackRecord> PackRegistry::ChosenRecords() const
{
    // A "recite.ini" that cannot be read (a folder, no permission, a FIFO) chooses nothing: the packs
    // on disk serve, as when the file is missing.
    if (!ReciteIniExists())
        return Scan();
    std::vector<PackRecord> records;
    for (const auto& [name, location] : ReadReciteIni()) {
        PackRecord r{name, "", location};
        if (IsPlainName(name) && IsPlainName(location)) {
            if (location != kDefaultLocation && FileExists(AddonPath(location, name)))
                r.path = AddonPath(location, name);
            else if (FileExists(DefaultPath(name)))
                r.path = DefaultPath(name);
        }
        records.push_back(r);
    }
    return records;
}

void PackRegistry::Register(std::vector<PackRecord> records)
{
    std::stable_sort(records.begin(), records.end(),
                     [](const PackRecord& a, const PackRecord& b) { return a.name < b.name; });
    for (const PackRecord& r : records) {
        const auto range = Table().find(r.name);
        KelRes pack;
        bool healthy = !r.path.empty() && Opened(r.path, &pack);
        bool addon = healthy && r.location != kDefaultLocation;
        // A damaged copy gives way to a healthy one: the installation's behind the learner's own, the
        // default behind an add-on.
        const std::string shared = shared_.empty() ? std::string() : shared_ + "/quran/" + r.name;
        for (const std::string& other : {DefaultPath(r.name), shared})
            if (!healthy && !r.path.empty() && !other.empty() && other != r.path && FileExists(other))
                healthy = Opened(other, &pack);
        if (!healthy && !r.path.empty())
            continue; // no copy of it can be read: its suras are not offered
        if (range != Table().end())
            for (int s = range->second.first; s <= range->second.last; ++s)
                available_.push_back(s);
        packs_[r.name] = pack;
        chosenAddon_[r.name] = addon;
        names_.push_back(r.name);
        // An add-on may hold some ayas only: its default copy serves the rest, and the pictures and texts.
        KelRes fallback;
        if (addon && FileExists(DefaultPath(r.name)) && Opened(DefaultPath(r.name), &fallback))
            fallbacks_[r.name] = fallback;
    }
}

bool PackRegistry::Opened(const std::string& path, KelRes* out)
{
    // A pack registered again (the recitor chosen anew, a profile loaded) is not read again while its
    // file is the one read before: the same size and time of change.
    const QFileInfo info(QString::fromStdString(path));
    const auto stamp = std::make_pair(info.size(), info.lastModified().toMSecsSinceEpoch());
    auto it = opened_.find(path);
    if (it == opened_.end() || it->second.stamp != stamp) {
        OpenedPack read;
        read.stamp = stamp;
        read.ok = read.pack.Open(path);
        it = opened_.insert_or_assign(path, read).first;
    }
    if (!it->second.ok && damagedTold_.insert(path).second)
        damaged_.push_back(path);
    *out = it->second.ok ? it->second.pack : KelRes();
    return it->second.ok;
}

std::vector<std::string> PackRegistry::TakeDamaged()
{
    std::vector<std::string> taken;
    taken.swap(damaged_);
    return taken;
}

std::string PackRegistry::ServingPath(const std::string& name) const
{
    const auto it = packs_.find(name);
    return it == packs_.end() ? std::string() : it->second.Path();
}

void PackRegistry::Clear()
{
    packs_.clear();
    fallbacks_.clear();
    chosenAddon_.clear();
    names_.clear();
    available_.clear();
}

const KelRes* PackRegistry::PackHolding(const std::string& item) const
{
    const int sura = LeadingNumber(item);
    const KelRes* serving = PackFor(sura);
    if (!serving || serving->Contains(item))
        return serving;
    // Another registered pack of the sura, then the default copies behind chosen add-ons.
    for (const auto* packs : {&packs_, &fallbacks_})
        for (const auto& [name, pack] : *packs) {
            const auto range = Table().find(name);
            if (range != Table().end() && range->second.first <= sura && sura <= range->second.last &&
                pack.Contains(item))
                return &pack;
        }
    return serving;
}

std::vector<int> PackRegistry::DistinctSuras() const
{
    std::vector<int> suras;
    std::set<int> seen;
    for (int n : available_)
        if (seen.insert(n).second)
            suras.push_back(n);
    return suras;
}

const KelRes* PackRegistry::PackFor(int sura) const
{
    // Among the packs that cover the sura: a recitation chosen from an add-on folder before the default
    // one; among chosen add-ons the pack covering fewer suras (made for them); else the first by name.
    const std::string* best = nullptr;
    auto rank = [this](const std::string& name) {
        const PackRange& range = Table().at(name);
        const auto addon = chosenAddon_.find(name);
        const bool chosen = addon != chosenAddon_.end() && addon->second;
        return std::make_pair(chosen ? 0 : 1, chosen ? range.last - range.first : 0);
    };
    for (const std::string& name : names_) {
        const auto range = Table().find(name);
        if (range == Table().end() || sura < range->second.first || range->second.last < sura)
            continue;
        if (!best || rank(name) < rank(*best))
            best = &name;
    }
    if (!best)
        return nullptr;
    const auto pack = packs_.find(*best);
    return pack == packs_.end() ? nullptr : &pack->second;
}
