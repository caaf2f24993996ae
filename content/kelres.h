// SPDX-License-Identifier: GPL-3.0-or-later
// KelRes reads and writes Varnel's archive format, shared by "img.vnl", the sura packs and the language
// packs. Layout (integers 32-bit little-endian, offsets absolute):
//   "VR1" | count N | N directory records of 268 bytes | item bytes back to back
//   record: name (256 bytes, zero-terminated, zero-filled) | start | end | CRC-32 of the item
// KelRes is a plain value: a copy can extract from the same archive file on its own.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QIODevice;

class KelRes
{
  public:
    static constexpr int kMagicSize = 3;
    static constexpr int kHeaderSize = 7;
    static constexpr int kRecordSize = 268;
    static constexpr int kNameFieldSize = 256;
    static constexpr int kMaxNameLength = kNameFieldSize - 1;
    // More directory records than any pack holds (a full Quran is 24,944 items); a header that claims
    // more is cut to this many.
    static constexpr qint64 kMaxRecords = 65536;
    // The largest items the program reads: anything bigger is refused, not read.
    static constexpr qint64 kMaxPictureBytes = qint64(64) << 20;
    static constexpr qint64 kMaxRecordingBytes = qint64(512) << 20;
    static constexpr qint64 kNoLimit = INT32_MAX;

    enum class ItemStatus { Ok, Missing, TooLarge };

    struct Record {
        int32_t start = 0;
        int32_t end = 0;
        uint32_t checksum = 0;
    };

    struct Entry {
        std::string name;
        Record record;
    };

    // The header count and the directory records of the archive at path, in file order, duplicates
    // and all. At most as many records as the file can hold are read. False when the file cannot be
    // read or does not start with the magic.
    static bool ReadDirectory(const std::string& path, std::vector<Entry>* entries, int* count,
                              qint64* fileSize);
    // The same, from an archive already open for reading (a file, or bytes in memory) of that size.
    static bool ReadDirectory(QIODevice& archive, qint64 size, std::vector<Entry>* entries, int* count);
    // True when the record's bytes lie inside a file of the given size.
    static bool InFile(const Record& r, qint64 fileSize)
    {
        return r.start >= 0 && r.end >= r.start && r.end <= fileSize;
    }

    struct BuildItem {
        std::string name;
        QByteArray data;
        uint32_t checksum = 0;
    };

    // Opens the archive at path: its header now, its directory at the first lookup. True on success;
    // the object then holds this archive's directory alone. False for a file that cannot be read or is
    // not an archive; the object is then left without items, so it never pairs an old directory with a
    // new file.
    // Counts and records are checked against the file's size; records whose range lies outside the
    // file are kept out of the directory.
    bool Open(const std::string& path);
    // Reads the archive at path whole, at most limit bytes, and serves its items from memory: the file
    // is opened once. For a small archive read many times (the interface's pictures).
    bool OpenHeld(const std::string& path, qint64 limit);

    // The bytes of the item named by the file-name part of name; empty for an unknown name, an object
    // without an archive, a zero-length item, or a file that can no longer be read in full.
    // With a limit, an item longer than limit bytes is not read: the result is empty and *tooLarge set.
    QByteArray Extract(const std::string& name, qint64 limit = kNoLimit, bool* tooLarge = nullptr) const;
    // Reads the item into *out (replacing what it held) when it holds at most limit bytes. Missing
    // stands for everything Extract() answers with an empty array.
    ItemStatus ExtractInto(const std::string& name, std::vector<char>* out, qint64 limit) const;
    // The item's length in bytes from the directory; 0 for an unknown name.
    qint64 ItemSize(const std::string& name) const;

    // True when the directory holds the name (after reducing it to its file-name part).
    bool Contains(const std::string& name) const;

    const std::string& Path() const { return path_; }
    int Count() const { return count_; }
    const std::map<std::string, Record>& Directory() const;

    // Building. BuildFromList empties the item list and adds the file named on each line of the list
    // file, echoing each line to standard output. False, with a message in *error, when the list or a
    // file it names cannot be read or a name does not fit the 255-character name field.
    bool BuildFromList(const std::string& listPath, std::string* error);
    bool AddFile(const std::string& path, std::string* error);
    // Adds an item from memory under its file-name part; false when the name is empty or too long.
    bool AddItem(const std::string& name, const QByteArray& data, std::string* error);
    void ClearItems() { items_.clear(); }
    const std::vector<BuildItem>& Items() const { return items_; }

    // The archive of the item list, as bytes.
    QByteArray Serialize() const;
    // Writes the archive of the item list to path, whole or not at all. False, with a message, on failure.
    bool Save(const std::string& path, std::string* error = nullptr) const;

  private:
    std::vector<BuildItem> items_;
    // The directory, read at the first lookup and shared by the copies of an archive opened once: a
    // pack's directory is read and held once however many hold the pack.
    struct Lazy {
        std::once_flag once;
        std::string path;
        std::map<std::string, Record> directory;
    };
    std::shared_ptr<Lazy> dir_;
    int count_ = 0;
    std::string path_;
    QByteArray held_; // the whole archive, when OpenHeld read it
    // The directory of entries for a file of size bytes.
    static std::map<std::string, Record> DirectoryOf(std::vector<Entry>& entries, qint64 size);
    // The item's bytes [start, start + length) from memory or from the file.
    template <typename Bytes> bool Read(qint64 start, qint64 length, Bytes* out) const;
};

// The interface's archive "img.vnl" of the working directory, read whole once (and again only when the
// file changed); an archive without items when it cannot be read.
const KelRes& InterfaceArchive();

// Loads an interface picture from "img.vnl" in the working directory; a null pixmap when the archive,
// the item or its decoding is missing.
QPixmap PixmapFromResource(const std::string& name);

// The same picture as an icon, read and decoded when it is first drawn or measured: the icons of menus
// that are never opened, and of controls that stay hidden, cost nothing.
QIcon IconFromResource(const std::string& name);
