// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_file.h"

#include <cstdio>

#include "file_write.h"
#include "naming.h"
#include "sura.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <cstring>

namespace
{

// The learner's words in the interface's language, beside the profile dialog's own.
struct ProfileWords {
    Q_DECLARE_TR_FUNCTIONS(Profile)
};

const char kSignature[2] = {'V', '1'};

void AppendField(QByteArray& out, const std::string& text)
{
    char field[kProfileFieldSize] = {};
    std::memcpy(field, text.data(), std::min<size_t>(text.size(), kProfileMaxText));
    out.append(field, kProfileFieldSize);
}

std::string FieldText(const char* field) { return std::string(field, strnlen(field, kProfileFieldSize)); }

bool IsDigits(const std::string& s)
{
    return !s.empty() && s.size() <= 4 && s.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

std::string ProfileFileName(const std::string& userName) { return userName + kProfileExtension; }

std::string NormalAyaKey(const std::string& key)
{
    const size_t dot = key.find('.');
    if (dot == std::string::npos || key.find('.', dot + 1) != std::string::npos)
        return {};
    const std::string sura = key.substr(0, dot), aya = key.substr(dot + 1);
    if (!IsDigits(sura) || !IsDigits(aya) || !IsSuraNumber(sura))
        return {};
    const int n = std::stoi(aya);
    if (n < 1 || n > SuraTable().AyaCount(sura))
        return {};
    return AyaKey(sura, n);
}

QByteArray SerializeProfile(const ProfileData& data)
{
    QByteArray out;
    out.reserve(kProfileFixedSize + kProfileFieldSize * int(data.heart.size()));
    out.append(kSignature, 2);
    AppendField(out, data.userName);
    const uint32_t n = uint32_t(data.heart.size());
    const char count[4] = {char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF),
                           char((n >> 24) & 0xFF)};
    out.append(count, 4);
    for (const std::string& key : data.heart)
        AppendField(out, key);
    AppendField(out, data.currentAya);
    out.append(char(data.textShown ? 1 : 0));
    return out;
}

bool SaveProfileFile(const std::string& path, const ProfileData& data, std::string* error)
{
    return WriteFileWhole(path, SerializeProfile(data), error);
}

bool ReadProfile(const std::string& path, ProfileData* out, std::string* problem)
{
    *out = ProfileData();
    QFile file(QString::fromStdString(path));
    // Only a regular file is opened: a FIFO would block the window for ever, a device never end.
    if (file.exists() && !IsReadableRegularFile(path)) {
        *problem = ProfileWords::tr("the profile is not a file that can be read").toStdString();
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *problem =
            ProfileWords::tr("the profile file cannot be read: %1").arg(file.errorString()).toStdString();
        return false;
    }
    // A profile is small; anything past the largest sensible heart is not read.
    const QByteArray bytes = file.read(kProfileFixedSize + qint64(kProfileFieldSize) * (TotalAyaCount + 1));
    if (bytes.size() < 2 || std::memcmp(bytes.constData(), kSignature, 2) != 0) {
        *problem = ProfileWords::tr("the file is not a Varnel profile").toStdString();
        return false;
    }
    if (bytes.size() < 2 + kProfileFieldSize + 4) {
        *problem = ProfileWords::tr("the profile file is cut short").toStdString();
        return false;
    }
    const char* p = bytes.constData();
    out->userName = FieldText(p + 2);
    const auto* c = reinterpret_cast<const unsigned char*>(p + 34);
    const int32_t n =
        int32_t(uint32_t(c[0]) | uint32_t(c[1]) << 8 | uint32_t(c[2]) << 16 | uint32_t(c[3]) << 24);
    // The count is checked against what the file holds before anything is read by it: of the whole
    // fields after it, a count within them takes that many for the heart and the next (when whole) for
    // the current aya. When the count runs past the end, the last whole field is taken for the current
    // aya, not the heart, and every field before it for the heart.
    const qint64 fields = (bytes.size() - 38) / kProfileFieldSize;
    const qint64 entries = n < 0 ? 0 : n <= fields ? n : std::max<qint64>(0, fields - 1);
    const bool whole = n >= 0 && bytes.size() >= kProfileFixedSize + qint64(kProfileFieldSize) * n;
    int dropped = 0;
    for (qint64 i = 0; i < entries; ++i) {
        const std::string key = NormalAyaKey(FieldText(p + 38 + kProfileFieldSize * i));
        if (key.empty())
            ++dropped;
        else
            out->heart.push_back(key);
    }
    if (n >= 0 && entries < fields) {
        const qint64 at = 38 + qint64(kProfileFieldSize) * entries;
        out->currentAya = NormalAyaKey(FieldText(p + at));
        if (at + kProfileFieldSize < bytes.size())
            out->textShown = p[at + kProfileFieldSize] != 0;
    }
    if (!whole) {
        *problem =
            (n < 0 ? ProfileWords::tr("the profile file is damaged (its heart count is negative)")
                   : ProfileWords::tr("the profile file is cut short (it holds fewer ayas than it says)"))
                .toStdString();
        return false;
    }
    if (dropped) {
        *problem = ProfileWords::tr("the profile file is damaged (%1 entries of the heart are no ayas)")
                       .arg(dropped)
                       .toStdString();
        return false;
    }
    if (out->currentAya.empty()) {
        *problem = ProfileWords::tr("the profile file does not say which aya you were at").toStdString();
        return false;
    }
    return true;
}

std::string ProfileNameProblem(const std::string& name)
{
    if (name.empty())
        return ProfileWords::tr("Invalid Username!").toStdString();
    if (name.size() > size_t(kProfileMaxText))
        return ProfileWords::tr(
                   "This name is too long. A user name can hold at most %1 Latin letters, or %2 Arabic "
                   "letters (they take two places each); please shorten it.")
            .arg(kProfileMaxText)
            .arg(kProfileMaxText / 2)
            .toStdString();
    if (name == "." || name == "..")
        return ProfileWords::tr("\"%1\" cannot be a user name.")
            .arg(QString::fromStdString(name))
            .toStdString();
    if (name.find_first_of("/\\:") != std::string::npos)
        return ProfileWords::tr("A user name cannot hold the characters / \\ or :.").toStdString();
    for (unsigned char ch : name)
        if (ch < 0x20 || ch == 0x7F)
            return ProfileWords::tr("A user name cannot hold control characters.").toStdString();
    // The profile file is NAME.varn: a name that holds the extension itself, or starts with a dot (a
    // hidden file), could be saved but never listed or loaded again.
    if (name[0] == '.')
        return ProfileWords::tr("A user name cannot start with a full stop.").toStdString();
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (lower.find(kProfileExtension) != std::string::npos)
        return ProfileWords::tr("A user name cannot hold \"%1\", the ending of profile files.")
            .arg(kProfileExtension)
            .toStdString();
    return {};
}

std::string ProfileNameOfFile(const std::string& fileName)
{
    const std::string ext = kProfileExtension;
    if (fileName.size() <= ext.size() || fileName.compare(fileName.size() - ext.size(), ext.size(), ext) != 0)
        return {};
    const std::string name = fileName.substr(0, fileName.size() - ext.size());
    return ProfileNameProblem(name).empty() ? name : std::string();
}

std::string KeepDamagedCopy(const std::string& path)
{
    const QString from = QString::fromStdString(path);
    const QString backup = from + ".bak";
    if (!IsReadableRegularFile(path)) // nothing to keep, and a FIFO would never end its copy
        return {};
    QFile::remove(backup);
    if (QFile::copy(from, backup))
        return backup.toStdString();
    // No room for a copy (a full disk): the file itself is moved aside, which needs none.
    QFile::remove(backup); // what a failed copy left
    return std::rename(path.c_str(), backup.toStdString().c_str()) == 0 ? backup.toStdString()
                                                                        : std::string();
}
