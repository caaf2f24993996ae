// SPDX-License-Identifier: GPL-3.0-or-later
// The archive format: byte layout, checksums, lookup rules and survival of damaged files.
#include "crc32.h"
#include "kelres.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

namespace
{

QByteArray Le32(int32_t v)
{
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char((uint32_t(v) >> (8 * i)) & 0xFF);
    return b;
}

// An archive written by hand, field by field, independent of KelRes's writer.
QByteArray HandArchive(const QList<QPair<QByteArray, QByteArray>>& items, int32_t countOverride = -1)
{
    QByteArray out("VR1");
    out += Le32(countOverride >= 0 ? countOverride : int32_t(items.size()));
    int32_t start = 7 + 268 * int32_t(items.size());
    for (const auto& [name, data] : items) {
        QByteArray field = name;
        field.resize(256, '\0');
        out += field + Le32(start) + Le32(start + int32_t(data.size())) +
               Le32(int32_t(Crc32(data.constData(), size_t(data.size()))));
        start += int32_t(data.size());
    }
    for (const auto& item : items)
        out += item.second;
    return out;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestKelRes : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

  private slots:
    void crcCheckValue()
    {
        QCOMPARE(Crc32("123456789", 9), 0xCBF43926u);
        QCOMPARE(Crc32("", 0), 0u);
    }

    void buildFromListLayout()
    {
        const QByteArray ten("0123456789"), twenty("abcdefghijklmnopqrst");
        QVERIFY(Write(dir_.filePath("ten.bin"), ten));
        QVERIFY(Write(dir_.filePath("twenty.bin"), twenty));
        QVERIFY(Write(dir_.filePath("list.txt"),
                      (dir_.filePath("ten.bin") + "\n" + dir_.filePath("twenty.bin") + "\n").toUtf8()));
        KelRes res;
        std::string error;
        QVERIFY2(res.BuildFromList(Path("list.txt"), &error), error.c_str());
        QVERIFY(res.Save(Path("out.vnl"), &error));

        QFile f(dir_.filePath("out.vnl"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.size(), 7 + 2 * 268 + 30);
        // Byte for byte what a writer of the format must produce.
        QCOMPARE(bytes, HandArchive({{"ten.bin", ten}, {"twenty.bin", twenty}}));

        KelRes reader;
        QVERIFY(reader.Open(Path("out.vnl")));
        QCOMPARE(reader.Directory().at("ten.bin").start, 543);
        QCOMPARE(reader.Directory().at("twenty.bin").start, 553);
        QCOMPARE(reader.Extract("twenty.bin"), twenty);
        QCOMPARE(reader.Extract("ten.bin"), ten);
    }

    void lookupRules()
    {
        const QByteArray play("PNG-bytes");
        QVERIFY(Write(dir_.filePath("lookup.vnl"), HandArchive({{"play.png", play},
                                                                {"empty.png", QByteArray()},
                                                                {"dup.txt", "first"},
                                                                {"dup.txt", "second"}})));
        KelRes res;
        QVERIFY(res.Open(Path("lookup.vnl")));
        QCOMPARE(res.Count(), 4);
        QCOMPARE(res.Extract("play.png"), play);
        QCOMPARE(res.Extract("C:\\icons\\play.png"), play);
        QCOMPARE(res.Extract("some/dir/play.png"), play);
        QCOMPARE(res.Extract("C:play.png"), play);
        QVERIFY(res.Extract("Play.png").isEmpty()); // names are case-sensitive
        QVERIFY(res.Extract("empty.png").isEmpty());
        QCOMPARE(res.Extract("dup.txt"), QByteArray("second")); // the later record wins
        QVERIFY(res.Extract("missing").isEmpty());

        KelRes copy = res; // a copy extracts on its own
        QCOMPARE(copy.Extract("play.png"), play);
        KelRes never;
        QVERIFY(never.Extract("play.png").isEmpty());
    }

    void emptyArchive()
    {
        QVERIFY(Write(dir_.filePath("empty.vnl"), HandArchive({})));
        KelRes res;
        QVERIFY(res.Open(Path("empty.vnl")));
        QVERIFY(res.Directory().empty());
        QVERIFY(res.Extract("anything").isEmpty());
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("opens");
        const QByteArray good = HandArchive({{"a.txt", "alpha"}, {"b.txt", "beta"}});
        QTest::newRow("bad magic") << QByteArray("VR2") + good.mid(3) << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("magic only") << QByteArray("VR1") << true;
        QTest::newRow("truncated count") << QByteArray("VR1\x02\x00", 5) << true;
        QTest::newRow("truncated directory") << good.left(7 + 268 + 100) << true;
        QTest::newRow("truncated data") << good.left(good.size() - 2) << true;
        QTest::newRow("absurd count") << QByteArray("VR1") + Le32(0x7FFFFFFF) + good.mid(7) << true;
        QTest::newRow("negative count") << QByteArray("VR1") + Le32(-5) + good.mid(7) << true;
    }
    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opens);
        QVERIFY(Write(dir_.filePath("damaged.vnl"), bytes));
        KelRes res;
        QCOMPARE(res.Open(Path("damaged.vnl")), opens);
        // Whatever opened, every extraction stays inside the file and returns the item whole or not at all.
        for (const char* name : {"a.txt", "b.txt"}) {
            const QByteArray got = res.Extract(name);
            QVERIFY(got.isEmpty() ||
                    got == (QByteArray(name) == "a.txt" ? QByteArray("alpha") : QByteArray("beta")));
        }
        if (QTest::currentDataTag() == QByteArray("truncated data")) {
            QCOMPARE(res.Extract("a.txt"), QByteArray("alpha"));
            QVERIFY(res.Extract("b.txt").isEmpty());
        }
    }

    void recordsOutsideTheFile()
    {
        QByteArray bytes = HandArchive({{"a.txt", "alpha"}, {"b.txt", "beta"}});
        // b.txt: end before start.
        bytes.replace(7 + 268 + 256, 8, Le32(560) + Le32(550));
        QVERIFY(Write(dir_.filePath("garbled.vnl"), bytes));
        KelRes res;
        QVERIFY(res.Open(Path("garbled.vnl")));
        QCOMPARE(res.Extract("a.txt"), QByteArray("alpha"));
        QVERIFY(res.Extract("b.txt").isEmpty());
        // start far past the end of the file
        bytes.replace(7 + 268 + 256, 8, Le32(1 << 30) + Le32((1 << 30) + 4));
        QVERIFY(Write(dir_.filePath("garbled.vnl"), bytes));
        QVERIFY(res.Open(Path("garbled.vnl")));
        QVERIFY(res.Extract("b.txt").isEmpty());
    }

    void failedOpenForgetsTheOldArchive()
    {
        QVERIFY(Write(dir_.filePath("one.vnl"), HandArchive({{"a.txt", "alpha"}})));
        QVERIFY(Write(dir_.filePath("other.bin"), QByteArray(600, 'x')));
        KelRes res;
        QVERIFY(res.Open(Path("one.vnl")));
        QVERIFY(!res.Open(Path("other.bin")));
        QVERIFY(res.Extract("a.txt").isEmpty());
        QVERIFY(!res.Open(Path("does-not-exist.vnl")));
        QVERIFY(res.Directory().empty());
    }

    void namesThatDoNotFit()
    {
        KelRes res;
        std::string error;
        QVERIFY(res.AddItem(std::string(255, 'n'), "x", &error));
        QVERIFY(!res.AddItem(std::string(256, 'n'), "x", &error));
        QVERIFY(!error.empty());
        QVERIFY(!res.AddItem("dir/", "x", &error));
        QVERIFY(!res.AddFile(Path("no-such-file"), &error));
        QVERIFY(Write(dir_.filePath("badlist.txt"), (dir_.filePath("no-such-file") + "\n").toUtf8()));
        QVERIFY(!res.BuildFromList(Path("badlist.txt"), &error));
        QVERIFY(error.find("no-such-file") != std::string::npos);
    }

    void saveIsWholeOrNothing()
    {
        QVERIFY(Write(dir_.filePath("keep.vnl"), HandArchive({{"a.txt", "alpha"}})));
        KelRes res;
        std::string error;
        QVERIFY(res.AddItem("b.txt", "beta", &error));
        QVERIFY(!res.Save(dir_.filePath("no-such-dir/out.vnl").toStdString(), &error));
        QVERIFY(!error.empty());
        QVERIFY(res.Save(Path("keep.vnl"), &error));
        KelRes reader;
        QVERIFY(reader.Open(Path("keep.vnl")));
        QCOMPARE(reader.Extract("b.txt"), QByteArray("beta"));
        QVERIFY(reader.Extract("a.txt").isEmpty());
    }

    // A large (sparse) file with an absurd count is not read whole as its directory, and an item
    // above a limit is refused without being read.
    void hugeClaimsAreNotRead()
    {
        const qint64 fileSize = qint64(80) << 20;
        const int32_t itemStart = 7 + 268 * 2;
        QByteArray head("VR1");
        head += Le32(INT32_MAX);
        for (const auto& [name, start, end] :
             {std::tuple<QByteArray, int32_t, int32_t>{"001.001.png", itemStart, itemStart + (65 << 20)},
              {"001.001.ogg", itemStart, itemStart + 10}}) {
            QByteArray field = name;
            field.resize(256, '\0');
            head += field + Le32(start) + Le32(end) + Le32(0);
        }
        QFile f(dir_.filePath("sparse.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(head), qint64(head.size()));
        QVERIFY(f.resize(fileSize));
        f.close();

        std::vector<KelRes::Entry> entries;
        int count = 0;
        qint64 size = 0;
        QVERIFY(KelRes::ReadDirectory(Path("sparse.dat"), &entries, &count, &size));
        QCOMPARE(int(entries.size()), 2); // where the first item starts, the directory ends
        QCOMPARE(count, INT32_MAX);

        KelRes res;
        QVERIFY(res.Open(Path("sparse.dat")));
        bool tooLarge = false;
        QVERIFY(res.Extract("001.001.png", KelRes::kMaxPictureBytes, &tooLarge).isEmpty());
        QVERIFY(tooLarge);
        QCOMPARE(res.ItemSize("001.001.png"), qint64(65) << 20);
        std::vector<char> bytes(5, 'x');
        QCOMPARE(res.ExtractInto("001.001.png", &bytes, KelRes::kMaxPictureBytes),
                 KelRes::ItemStatus::TooLarge);
        QVERIFY(bytes.empty());
        QCOMPARE(res.ExtractInto("001.001.ogg", &bytes, KelRes::kMaxRecordingBytes), KelRes::ItemStatus::Ok);
        QCOMPARE(bytes.size(), size_t(10));
        QCOMPARE(res.ExtractInto("002.001.ogg", &bytes, KelRes::kMaxRecordingBytes),
                 KelRes::ItemStatus::Missing);
        QCOMPARE(res.Extract("001.001.png").size(), 65 << 20); // no limit asked: read as before
    }
};

QTEST_GUILESS_MAIN(TestKelRes)
#include "test_kelres.moc"
