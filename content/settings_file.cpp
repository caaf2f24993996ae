// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_file.h"

#include <algorithm>

#include "file_write.h"

#include <QFile>
#include <QList>
#include <sys/stat.h>

namespace
{

constexpr char kGeneral[] = "General";

} // namespace

namespace
{

// A settings file as last read or written in this run, known by its inode, size and time of change:
// the same file is not read again (the start reads varnel.ini once, though two owners load it).
struct Known {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec changed{};
    std::map<std::string, QString> values;
};

std::map<std::string, Known>& KnownFiles()
{
    static std::map<std::string, Known> known;
    return known;
}

bool Identify(const std::string& path, Known* out)
{
    struct stat st {
    };
    if (::stat(path.c_str(), &st) != 0)
        return false;
    out->device = st.st_dev;
    out->inode = st.st_ino;
    out->size = st.st_size;
    out->changed = st.st_mtim;
    return true;
}

bool SameFile(const Known& a, const Known& b)
{
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.changed.tv_sec == b.changed.tv_sec && a.changed.tv_nsec == b.changed.tv_nsec;
}

// Notes the values now in the file at path.
void Remember(const std::string& path, const std::map<std::string, QString>& values)
{
    Known now;
    if (!Identify(path, &now)) {
        KnownFiles().erase(path);
        return;
    }
    now.values = values;
    KnownFiles()[path] = std::move(now);
}

} // namespace

void SettingsFile::Load()
{
    values_.clear();
    dropped_.clear();
    backup_.clear();
    cut_ = false;
    if (!IsReadableRegularFile(path_))
        return;
    Known now;
    const auto known = KnownFiles().find(path_);
    if (known != KnownFiles().end() && Identify(path_, &now) && SameFile(known->second, now)) {
        values_ = known->second.values;
        return;
    }
    QFile file(QString::fromStdString(path_));
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Line by line, so that one damaged value (a line longer than any setting) costs only itself: it is
    // left out, as is whatever would take the settings past kMaxBytes, and the rest is kept.
    QByteArray kept;
    bool cut = false;
    while (!file.atEnd()) {
        QByteArray line = file.readLine(kMaxLineBytes + 1);
        if (line.size() >= kMaxLineBytes && !line.endsWith('\n')) {
            const int equals = line.indexOf('=');
            dropped_.push_back(equals > 0 ? line.left(std::min(equals, 80)).trimmed().toStdString()
                                          : std::string());
            while (!file.atEnd() && !file.readLine(kMaxLineBytes + 1).endsWith('\n')) {
            }
            cut = true;
            continue;
        }
        if (kept.size() + line.size() > kMaxBytes) {
            cut = true;
            break;
        }
        kept += line;
    }
    values_ = Parse(kept);
    cut_ = cut;
    if (!cut) {
        Remember(path_, values_);
        return;
    }
    // The file as it was, for whoever wants what was left out; moved aside when there is no room for a
    // copy (the next change writes what was kept).
    const QString backup = QString::fromStdString(path_) + ".bak";
    QFile::remove(backup);
    file.close();
    if (QFile::copy(QString::fromStdString(path_), backup) ||
        (QFile::remove(backup), QFile::rename(QString::fromStdString(path_), backup)))
        backup_ = backup.toStdString();
}

QString SettingsFile::Text(const std::string& key, const QString& fallback) const
{
    const auto it = values_.find(key);
    return it == values_.end() ? fallback : it->second;
}

double SettingsFile::Number(const std::string& key, double fallback) const
{
    bool ok = false;
    const double value = Text(key).toDouble(&ok);
    return ok ? value : fallback;
}

bool SettingsFile::Truth(const std::string& key, bool fallback) const
{
    const QString text = Text(key).trimmed().toLower();
    if (text == "true" || text == "1")
        return true;
    if (text == "false" || text == "0")
        return false;
    return fallback;
}

bool SettingsFile::Set(const std::string& key, const QString& value, std::string* error)
{
    return Set(std::map<std::string, QString>{{key, value}}, error);
}

bool SettingsFile::Set(const std::map<std::string, QString>& values, std::string* error)
{
    bool changed = false;
    for (const auto& [key, value] : values) {
        const auto it = values_.find(key);
        if (it != values_.end() && it->second == value)
            continue;
        values_[key] = value;
        changed = true;
    }
    if (!changed)
        return true;
    if (!WriteFileWhole(path_, Serialize(values_), error))
        return false;
    Remember(path_, values_);
    return true;
}

bool SettingsFile::Set(const std::string& key, double value, std::string* error)
{
    return Set(key, QString::number(value, 'g', 10), error);
}

bool SettingsFile::Set(const std::string& key, bool value, std::string* error)
{
    return Set(key, QString(value ? "true" : "false"), error);
}

std::map<std::string, QString> SettingsFile::Parse(const QByteArray& text)
{
    std::map<std::string, QString> values;
    QString group = kGeneral;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            // A group name holding '=' or '/' could not be written back as one: its keys are not ours.
            group = line.mid(1, line.size() - 2).trimmed();
            if (group.contains('=') || group.contains('/'))
                group.clear();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0 || group.isEmpty())
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        values[(group + "/" + line.left(equals).trimmed()).toStdString()] = value;
    }
    return values;
}

QByteArray SettingsFile::Serialize(const std::map<std::string, QString>& values)
{
    // Keys in groups, groups in name order; General's keys first, with no heading needed by readers
    // but written for them all the same.
    std::map<QString, QList<std::pair<QString, QString>>> groups;
    for (const auto& [key, value] : values) {
        const QString k = QString::fromStdString(key);
        const qsizetype slash = k.indexOf('/');
        const QString group = slash > 0 ? k.left(slash) : QString(kGeneral);
        groups[group].append({slash > 0 ? k.mid(slash + 1) : k, value});
    }
    QByteArray out;
    for (const auto& [group, entries] : groups) {
        if (!out.isEmpty())
            out += '\n';
        out += "[" + group.toUtf8() + "]\n";
        for (const auto& [key, value] : entries)
            out += key.toUtf8() + "=" + QString(value).replace('\n', ' ').toUtf8() + "\n";
    }
    return out;
}
