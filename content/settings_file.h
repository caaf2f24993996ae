// SPDX-License-Identifier: GPL-3.0-or-later
// The working folder's own settings file, varnel.ini: INI groups of "key=value" lines, keys named
// "group/key" ("view/zoom"). It is read once, only from a regular file (a FIFO or a folder reads as no
// settings, never a hang), a line at a time: a line longer than kMaxLineBytes (a damaged value) and
// whatever would pass kMaxBytes are left out and the rest kept. It is written whole at every change through
// WriteFileWhole, like every other file of the program: a kill leaves the old file, a symbolic link is
// replaced rather than written through, and a failed write says why. No lock file is used: one window owns
// the file.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <string>
#include <vector>

class SettingsFile
{
  public:
    static constexpr qint64 kMaxBytes = 1 << 20;
    static constexpr qint64 kMaxLineBytes = 64 << 10;

    explicit SettingsFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    // Reads the file; a missing, special or unreadable file leaves no values. What was left out of an
    // over-large one is told by Cut().
    void Load();
    // Whether the last Load left something out, the keys of the lines it left out (empty for a line with
    // none), and where the file as it was is kept (empty when it could not be).
    bool Cut() const { return cut_; }
    const std::vector<std::string>& DroppedKeys() const { return dropped_; }
    const std::string& Backup() const { return backup_; }
    bool Has(const std::string& key) const { return values_.count(key) != 0; }
    QString Text(const std::string& key, const QString& fallback = QString()) const;
    // The value as a number or a truth; fallback when it is missing or is no such value.
    double Number(const std::string& key, double fallback) const;
    bool Truth(const std::string& key, bool fallback) const;

    // Sets key and writes the file; false, with the reason in *error, when it could not be written
    // (the value is kept for this run all the same). Writes nothing when the value is unchanged.
    bool Set(const std::string& key, const QString& value, std::string* error);
    bool Set(const std::string& key, double value, std::string* error);
    bool Set(const std::string& key, bool value, std::string* error);
    // Sets every key of values at once: one write of the file, none when nothing changes.
    bool Set(const std::map<std::string, QString>& values, std::string* error);

    // The text of a settings file as "group/key" values, and back. Lines that are neither a group nor
    // "key=value" are skipped; keys outside any group are "General" ones, as other INI writers put them.
    static std::map<std::string, QString> Parse(const QByteArray& text);
    static QByteArray Serialize(const std::map<std::string, QString>& values);

  private:
    std::string path_;
    std::map<std::string, QString> values_;
    std::vector<std::string> dropped_;
    std::string backup_;
    bool cut_ = false;
};
