// SPDX-License-Identifier: GPL-3.0-or-later
#include "kelres.h"

#include "crc32.h"
#include "file_write.h"
#include "naming.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPixmapCache>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>

namespace
{

const char kMagic[KelRes::kMagicSize] = {'V', 'R', '1'};

int32_t ReadLe32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                uint32_t(b[3]) << 24);
}

void AppendLe32(QByteArray& out, uint32_t v)
{
    const char bytes[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF),
                           char((v >> 24) & 0xFF)};
    out.append(bytes, 4);
}

void SetError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}

} // namespace

bool KelRes::ReadDirectory(const std::string& path, std::vector<Entry>* entries, int* count, qint64* fileSize)
{
    entries->clear();
    *count = 0;
    QFile file(QString::fromStdString(path));
    // Only a regular file: a FIFO or a device in a pack's place would block or never end.
    if (!IsReadableRegularFile(path) || !file.open(QIODevice::ReadOnly))
        return false;
    *fileSize = file.size();
    return ReadDirectory(file, file.size(), entries, count);
}

bool KelRes::ReadDirectory(QIODevice& file, qint64 size, std::vector<Entry>* entries, int* count)
{
    entries->clear();
    *count = 0;
    char header[kHeaderSize];
    if (size < kMagicSize || file.read(header, kMagicSize) != kMagicSize ||
        std::memcmp(header, kMagic, kMagicSize) != 0)
        return false;
    if (file.read(header + kMagicSize, 4) == 4)
        *count = ReadLe32(header + kMagicSize);
    // The directory may not claim more records than the file can hold: this bounds the allocation
    // below by the file's size, whatever the header says.
    qint64 records = std::min<qint64>(std::max<int32_t>(*count, 0), kMaxRecords);
    records = std::min(records, std::max<qint64>(0, (size - kHeaderSize) / kRecordSize));
    // The items start where the directory ends: the first record's start bounds the count too, so a
    // large file with an absurd count is not read whole as its directory.
    QByteArray table = file.read(std::min<qint64>(records, 1) * kRecordSize);
    if (table.size() == kRecordSize) {
        const qint64 firstStart = ReadLe32(table.constData() + kNameFieldSize);
        if (firstStart >= kHeaderSize + kRecordSize && firstStart <= size)
            records = std::min(records, (firstStart - kHeaderSize) / kRecordSize);
        table += file.read((records - 1) * kRecordSize);
    }
    const qint64 readRecords = table.size() / kRecordSize;
    entries->reserve(size_t(readRecords));
    for (qint64 i = 0; i < readRecords; ++i) {
        const char* rec = table.constData() + i * kRecordSize;
        Entry e;
        e.name.assign(rec, strnlen(rec, kNameFieldSize));
        e.record.start = ReadLe32(rec + kNameFieldSize);
        e.record.end = ReadLe32(rec + kNameFieldSize + 4);
        e.record.checksum = static_cast<uint32_t>(ReadLe32(rec + kNameFieldSize + 8));
        entries->push_back(std::move(e));
    }
    return true;
}

bool KelRes::Open(const std::string& path)
{
    dir_.reset();
    count_ = 0;
    path_.clear();
    held_.clear();
    // The header alone now, which tells an archive from anything else; the directory is read at the
    // first lookup (a window registers twenty packs and reads one).
    QFile file(QString::fromStdString(path));
    char header[kMagicSize + 4];
    if (!IsReadableRegularFile(path) || !file.open(QIODevice::ReadOnly) || file.size() < kMagicSize ||
        file.read(header, kMagicSize) != kMagicSize || std::memcmp(header, kMagic, kMagicSize) != 0)
        return false;
    if (file.read(header + kMagicSize, 4) == 4)
        count_ = ReadLe32(header + kMagicSize);
    dir_ = std::make_shared<Lazy>();
    dir_->path = path;
    path_ = path;
    return true;
}

bool KelRes::OpenHeld(const std::string& path, qint64 limit)
{
    dir_.reset();
    count_ = 0;
    path_.clear();
    held_.clear();
    QFile file(QString::fromStdString(path));
    if (!IsReadableRegularFile(path) || !file.open(QIODevice::ReadOnly) || file.size() > limit)
        return false;
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<Entry> entries;
    int count = 0;
    if (!ReadDirectory(buffer, bytes.size(), &entries, &count))
        return false;
    auto lazy = std::make_shared<Lazy>();
    std::call_once(lazy->once, [&] { lazy->directory = DirectoryOf(entries, bytes.size()); });
    dir_ = std::move(lazy);
    count_ = count;
    held_ = std::move(bytes);
    path_ = path;
    return true;
}

std::map<std::string, KelRes::Record> KelRes::DirectoryOf(std::vector<Entry>& entries, qint64 size)
{
    std::map<std::string, Record> directory;
    for (Entry& e : entries) {
        // A record whose bytes lie outside the file cannot be extracted; it also ends what an earlier
        // record of the same name said, as any later record does.
        if (InFile(e.record, size))
            directory[std::move(e.name)] = e.record;
        else
            directory.erase(e.name);
    }
    return directory;
}

const std::map<std::string, KelRes::Record>& KelRes::Directory() const
{
    static const std::map<std::string, Record> none;
    if (!dir_)
        return none;
    // Read once, by whichever copy of the archive looks first, for all of them.
    std::call_once(dir_->once, [this] {
        std::vector<Entry> entries;
        int count = 0;
        qint64 size = 0;
        if (ReadDirectory(dir_->path, &entries, &count, &size))
            dir_->directory = DirectoryOf(entries, size);
    });
    return dir_->directory;
}

bool KelRes::Contains(const std::string& name) const { return Directory().count(FileNamePart(name)) != 0; }

qint64 KelRes::ItemSize(const std::string& name) const
{
    const auto it = Directory().find(FileNamePart(name));
    return it == Directory().end() ? 0
                                   : std::max<qint64>(0, qint64(it->second.end) - qint64(it->second.start));
}

namespace
{

// Reads length bytes at start of the file at path into out, which Resize() sizes first.
template <typename Bytes> bool ReadRange(const std::string& path, qint64 start, qint64 length, Bytes* out)
{
    QFile file(QString::fromStdString(path));
    // The pack may have been swapped for something else since its directory was read.
    if (!IsReadableRegularFile(path) || !file.open(QIODevice::ReadOnly) || start + length > file.size() ||
        !file.seek(start))
        return false;
    out->resize(size_t(length));
    qint64 done = 0;
    while (done < length) {
        const qint64 n = file.read(out->data() + done, length - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

template <typename Bytes> bool KelRes::Read(qint64 start, qint64 length, Bytes* out) const
{
    if (held_.isEmpty())
        return ReadRange(path_, start, length, out);
    if (start < 0 || start + length > held_.size())
        return false;
    out->resize(size_t(length));
    std::memcpy(out->data(), held_.constData() + start, size_t(length));
    return true;
}

KelRes::ItemStatus KelRes::ExtractInto(const std::string& name, std::vector<char>* out, qint64 limit) const
{
    out->clear();
    const auto it = Directory().find(FileNamePart(name));
    if (it == Directory().end())
        return ItemStatus::Missing;
    const Record& r = it->second;
    const qint64 length = qint64(r.end) - qint64(r.start);
    if (r.start < 0 || length <= 0)
        return ItemStatus::Missing;
    if (length > limit)
        return ItemStatus::TooLarge;
    if (!Read(r.start, length, out)) {
        std::vector<char>().swap(*out);
        return ItemStatus::Missing;
    }
    return ItemStatus::Ok;
}

QByteArray KelRes::Extract(const std::string& name, qint64 limit, bool* tooLarge) const
{
    if (tooLarge)
        *tooLarge = false;
    const auto it = Directory().find(FileNamePart(name));
    if (it == Directory().end())
        return {};
    const Record& r = it->second;
    const qint64 length = qint64(r.end) - qint64(r.start);
    if (r.start < 0 || length <= 0)
        return {};
    if (length > limit) {
        if (tooLarge)
            *tooLarge = true;
        return {};
    }
    QByteArray data;
    if (!Read(r.start, length, &data))
        return {};
    return data;
}

bool KelRes::AddItem(const std::string& name, const QByteArray& data, std::string* error)
{
    const std::string bare = FileNamePart(name);
    if (bare.empty()) {
        SetError(error, "\"" + name + "\" has no file name");
        return false;
    }
    if (bare.size() > size_t(kMaxNameLength)) {
        SetError(error, "\"" + bare + "\" is longer than " + std::to_string(kMaxNameLength) + " characters");
        return false;
    }
    if (bare.find('\0') != std::string::npos) {
        SetError(error, "an item name may not hold a zero byte");
        return false;
    }
    items_.push_back({bare, data, Crc32(data.constData(), size_t(data.size()))});
    return true;
}

bool KelRes::AddFile(const std::string& path, std::string* error)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, "cannot read \"" + path + "\": " + file.errorString().toStdString());
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        SetError(error, "cannot read \"" + path + "\": " + file.errorString().toStdString());
        return false;
    }
    return AddItem(path, data, error);
}

bool KelRes::BuildFromList(const std::string& listPath, std::string* error)
{
    items_.clear();
    std::ifstream list(listPath);
    if (!list) {
        SetError(error, "cannot read the list file \"" + listPath + "\"");
        return false;
    }
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::cout << line << '\n';
        if (!AddFile(line, error))
            return false;
    }
    return true;
}

QByteArray KelRes::Serialize() const
{
    QByteArray out;
    qint64 total = kHeaderSize + qint64(kRecordSize) * qint64(items_.size());
    for (const BuildItem& item : items_)
        total += item.data.size();
    out.reserve(total);
    out.append(kMagic, kMagicSize);
    AppendLe32(out, uint32_t(items_.size()));
    uint32_t start = uint32_t(kHeaderSize + kRecordSize * items_.size());
    for (const BuildItem& item : items_) {
        char name[kNameFieldSize] = {};
        std::memcpy(name, item.name.data(), std::min<size_t>(item.name.size(), kMaxNameLength));
        out.append(name, kNameFieldSize);
        AppendLe32(out, start);
        AppendLe32(out, start + uint32_t(item.data.size()));
        AppendLe32(out, item.checksum);
        start += uint32_t(item.data.size());
    }
    for (const BuildItem& item : items_)
        out.append(item.data);
    return out;
}

bool KelRes::Save(const std::string& path, std::string* error) const
{
    qint64 total = kHeaderSize + qint64(kRecordSize) * qint64(items_.size());
    for (const BuildItem& item : items_)
        total += item.data.size();
    if (total > INT32_MAX) {
        SetError(error, "the archive would exceed 2 GiB, which its 32-bit offsets cannot address");
        return false;
    }
    std::string reason;
    if (WriteFileWhole(path, Serialize(), &reason))
        return true;
    SetError(error, reason);
    return false;
}

namespace
{

// The interface's archive, read whole once and again only when the file changes (another size or time
// of change, or another working folder): the window asks it for some sixty pictures at start, and they
// come from memory.
constexpr qint64 kMaxInterfaceBytes = 32 << 20;

// The interface archive as last read, and how many times it has been read: a picture decoded from an
// earlier reading is not shown after the file was replaced.
struct HeldArchive {
    KelRes archive;
    QString read;
    int readings = 0;
};

HeldArchive& Held()
{
    static HeldArchive held;
    const QFileInfo info(QStringLiteral("img.vnl"));
    const QString now = info.absoluteFilePath() + '|' + QString::number(info.size()) + '|' +
                        QString::number(info.lastModified().toMSecsSinceEpoch());
    if (now != held.read) {
        held.archive = KelRes();
        held.archive.OpenHeld("img.vnl", kMaxInterfaceBytes);
        held.read = now;
        ++held.readings;
    }
    return held;
}

} // namespace

const KelRes& InterfaceArchive() { return Held().archive; }

QPixmap PixmapFromResource(const std::string& name)
{
    const HeldArchive& held = Held();
    // On a high-density screen the picture drawn at twice the resolution, where there is one.
    const size_t dot = name.rfind('.');
    const auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const bool dense = gui && gui->devicePixelRatio() > 1 && dot != std::string::npos;
    // Each picture is decoded once a reading of the archive (while Qt's cache of pictures keeps it): the
    // window shows some in several places.
    const QString key = QStringLiteral("img.vnl/%1/%2/%3")
                            .arg(held.readings)
                            .arg(dense ? 2 : 1)
                            .arg(QString::fromStdString(name));
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QByteArray sharp = dense ? held.archive.Extract(name.substr(0, dot) + "@2x" + name.substr(dot)) : QByteArray();
    if (!sharp.isEmpty()) {
        pixmap = QPixmap::fromImage(QImage::fromData(sharp));
        pixmap.setDevicePixelRatio(2);
    } else if (const QByteArray bytes = held.archive.Extract(name); !bytes.isEmpty()) {
        pixmap = QPixmap::fromImage(QImage::fromData(bytes));
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

namespace
{

// An interface picture behind an icon, decoded on first need and kept; each copy of the icon shares it.
class ResourceIconEngine : public QIconEngine
{
  public:
    explicit ResourceIconEngine(std::string name) : name_(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Loaded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().availableSizes(mode, state);
    }
    bool isNull() override { return Loaded().isNull(); }
    QString key() const override { return QStringLiteral("varnel-resource"); }
    QIconEngine* clone() const override { return new ResourceIconEngine(*this); }

  private:
    const QIcon& Loaded()
    {
        if (!loaded_)
            loaded_ = QIcon(PixmapFromResource(name_));
        return *loaded_;
    }

    std::string name_;
    std::optional<QIcon> loaded_;
};

} // namespace

QIcon IconFromResource(const std::string& name) { return QIcon(new ResourceIconEngine(name)); }
