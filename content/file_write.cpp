// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_write.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

constexpr int kRandomPartLength = 6; // the X's of mkstemp()
// What every temporary of a write carries before its random part: one mark for every file written.
constexpr char kTemporaryMark[] = "varnel-";
constexpr mode_t kNewFileMode = 0644; // before the umask, as an ordinary new file

std::string Reason(const std::string& what, int code) { return what + ": " + std::strerror(code); }

// Writes all of bytes to fd, through short writes and signals. False with errno set on failure.
bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

mode_t ModeFor(const std::string& path)
{
    struct stat old {
    };
    // An existing regular file keeps its permissions; a link or nothing gets an ordinary new file's.
    if (::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return kNewFileMode & ~mask;
}

} // namespace

bool WriteFileWhole(const std::string& path, const QByteArray& bytes, std::string* error)
{
    auto fail = [error](const std::string& reason) {
        if (error)
            *error = reason;
        return false;
    };
    std::string temp = TemporaryTemplate(path);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(Reason("cannot create a file beside \"" + path + "\"", errno));
    auto abandon = [&](const std::string& reason) {
        ::close(fd);
        ::unlink(temp.c_str());
        return fail(reason);
    };
    if (!WriteAll(fd, bytes.constData(), size_t(bytes.size())))
        return abandon(Reason("cannot write \"" + path + "\"", errno));
    if (::fchmod(fd, ModeFor(path)) != 0)
        return abandon(Reason("cannot set the permissions of \"" + path + "\"", errno));
    // A full disk can show only here, when the data leaves the cache.
    if (::fsync(fd) != 0)
        return abandon(Reason("cannot write \"" + path + "\"", errno));
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        return fail(Reason("cannot write \"" + path + "\"", code));
    }
    // rename() replaces path itself, a link included, in one step.
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        return fail(Reason("cannot replace \"" + path + "\"", code));
    }
    return true;
}

bool IsReadableRegularFile(const std::string& path)
{
    struct stat st {
    };
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

bool MakeFolder(const std::string& folder, std::string* error)
{
    std::error_code code;
    if (std::filesystem::exists(folder, code) && !std::filesystem::is_directory(folder, code)) {
        if (error)
            *error = "\"" + folder + "\" is a file, not a folder";
        return false;
    }
    std::filesystem::create_directories(folder, code);
    if (!code && std::filesystem::is_directory(folder, code))
        return true;
    if (error)
        *error = "the folder \"" + folder + "\" cannot be made: " +
                 (code ? code.message() : std::string("something else of that name is in the way"));
    return false;
}

std::string TemporaryTemplate(const std::string& path)
{
    return path + "." + kTemporaryMark + std::string(kRandomPartLength, 'X');
}

bool IsStaleTemporaryName(const std::string& fileName)
{
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return false;
    std::string random = fileName.substr(dot + 1);
    // Any file's temporary, by its mark; or, without the mark, one of those that earlier versions wrote.
    const size_t mark = sizeof kTemporaryMark - 1;
    const bool marked = random.compare(0, mark, kTemporaryMark) == 0;
    if (marked)
        random.erase(0, mark);
    if (random.size() != size_t(kRandomPartLength))
        return false;
    for (char c : random)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    if (marked)
        return true;
    const std::string base = fileName.substr(0, dot);
    static const char* const kNames[] = {"recite.ini", "config.ini", "varnel.ini"};
    for (const char* name : kNames)
        if (base == name)
            return true;
    // The profile and the learner's files beside it, a recording, a pack.
    for (const std::string extension : {".varn", ".review", ".pages", ".aids", ".drill", ".ogg", ".dat"})
        if (base.size() > extension.size() &&
            base.compare(base.size() - extension.size(), extension.size(), extension) == 0)
            return true;
    return false;
}

int RemoveStaleTemporaries(const std::string& folder, int olderThanSeconds)
{
    int removed = 0;
    std::error_code code;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const auto& entry : std::filesystem::directory_iterator(folder, code)) {
        std::error_code ignored;
        if (!entry.is_regular_file(ignored) || entry.is_symlink(ignored) ||
            !IsStaleTemporaryName(entry.path().filename().string()))
            continue;
        // A write under way touches its temporary as it goes: one left alone this long is abandoned.
        const auto written = entry.last_write_time(ignored);
        if (ignored || now - written < std::chrono::seconds(olderThanSeconds))
            continue;
        if (std::filesystem::remove(entry.path(), ignored))
            ++removed;
    }
    return removed;
}

int SweepStaleTemporaries(const std::string& root, int olderThanSeconds)
{
    namespace fs = std::filesystem;
    std::vector<std::string> folders = {root, root + "/profiles", root + "/quran"};
    // Each learner's recordings, and each add-on recitation's packs.
    const auto subfolders = [&folders](const std::string& parent, const std::string& suffix) {
        std::error_code code;
        for (const auto& entry : fs::directory_iterator(parent, code)) {
            std::error_code ignored;
            const std::string name = entry.path().filename().string();
            if (entry.is_directory(ignored) && !entry.is_symlink(ignored) && name.size() > suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                folders.push_back(entry.path().string());
        }
    };
    subfolders(root + "/profiles", ".recordings");
    subfolders(root + "/quran/extra", "");
    int removed = 0;
    for (const std::string& folder : folders)
        removed += RemoveStaleTemporaries(folder, olderThanSeconds);
    return removed;
}
