// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-pack as a pack author uses it, and the interface archive that the build draws.
#include "fixtures.h"
#include "kelres.h"
#include "sound.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace
{

using Run = fixtures::ToolRun;

Run Pack(const QStringList& args) { return fixtures::RunTool("varnel-pack", args, 30000); }

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

} // namespace

class TestVarnelPack : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;
    QString P(const QString& name) const { return dir_.filePath(name); }

  private slots:
    void roundTrip()
    {
        Write(P("001.001.eng"), "In the name of God");
        Write(P("001.001.lit"), "Bismi Allahi");
        QByteArray binary(3000, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char(i * 7);
        Write(P("001.001.ogg"), binary);

        Run r = Pack({"create", P("fatiha.dat"), P("001.001.eng"), P("001.001.lit"), P("001.001.ogg")});
        QCOMPARE(r.status, 0);
        Write(P("list.txt"),
              (P("001.001.eng") + "\n" + P("001.001.lit") + "\n" + P("001.001.ogg") + "\n").toUtf8());
        r = Pack({"build", P("list.txt"), P("built.dat")});
        QCOMPARE(r.status, 0);
        QFile a(P("fatiha.dat")), b(P("built.dat"));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll()); // both commands write the same archive

        r = Pack({"list", P("fatiha.dat")});
        QCOMPARE(r.status, 0);
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith("001.001.eng\t18\t"));
        QCOMPARE(lines[2].split('\t').value(1), QByteArray("3000"));
        for (const QByteArray& line : lines)
            QVERIFY(QRegularExpression("^[0-9a-f]{8}$").match(QString(line.split('\t').value(2))).hasMatch());

        r = Pack({"extract", P("fatiha.dat"), "001.001.ogg"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, binary);
        r = Pack({"extract", P("fatiha.dat"), "001.001.lit", P("out.lit")});
        QCOMPARE(r.status, 0);
        QFile out(P("out.lit"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), QByteArray("Bismi Allahi"));

        r = Pack({"verify", P("fatiha.dat")});
        QCOMPARE(r.status, 0);
    }

    void failuresAndUsage()
    {
        Write(P("x.txt"), "some text");
        QCOMPARE(Pack({"create", P("x.dat"), P("x.txt")}).status, 0);

        // Damage one byte of the item: verify names it and fails.
        QFile f(P("x.dat"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        bytes[bytes.size() - 1] = 'X';
        f.seek(0);
        f.write(bytes);
        f.close();
        Run r = Pack({"verify", P("x.dat")});
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.contains("x.txt"));

        QCOMPARE(Pack({"extract", P("x.dat"), "missing.png"}).status, 1);
        QCOMPARE(Pack({"list", P("no-such.dat")}).status, 1);
        QCOMPARE(Pack({"list", P("x.txt")}).status, 1);
        QCOMPARE(Pack({"create", P("y.dat"), P("no-such-file")}).status, 1);
        QVERIFY(!QFile::exists(P("y.dat")));
        QCOMPARE(Pack({}).status, 2);
        QCOMPARE(Pack({"frobnicate"}).status, 2);
        QCOMPARE(Pack({"list"}).status, 2);
        r = Pack({"--help"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("extract ARCHIVE NAME"));
        r = Pack({"import", "--help"}); // a command's help: the usage, not an unknown argument
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("import"));
    }

    // check: one JSON object for two recordings; the batch form, a line per recording of a learner's
    // folder against a pack; a file that cannot be read is named, with exit status 1.
    void check()
    {
        QTemporaryDir dir;
        const QString reference = dir.filePath("112001.ogg"), mine = dir.filePath("mine/112001.ogg");
        QDir().mkpath(dir.filePath("mine"));
        const QByteArray tone = fixtures::ToneOgg(900, {300.0, 600.0, 450.0}, 22050);
        for (const QString& path : {reference, mine}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(tone) == tone.size());
        }
        fixtures::ToolRun r = Pack({"check", reference, mine});
        QCOMPARE(r.status, 0);
        QVERIFY2(QRegularExpression("^\\{\"score\": 100, \"verdict\": \"match\", \"missing\": \\[\\], "
                                    "\"extra\": \\[\\], \"changed\": \\[\\]\\}\n$")
                     .match(QString::fromUtf8(r.out))
                     .hasMatch(),
                 r.out.constData());
        QVERIFY(fixtures::WriteArchive(dir.filePath("pack.dat"), {{"112.001.ogg", tone}}));
        // Beside the recording, entries that are not checked: each is named on standard error, and why.
        QVERIFY(::mkfifo(dir.filePath("mine/112002.ogg").toLocal8Bit().constData(), 0600) == 0);
        QVERIFY(QDir().mkpath(dir.filePath("mine/112003.ogg")));
        QVERIFY(QFile::link(dir.filePath("gone.ogg"), dir.filePath("mine/112004.ogg")));
        QVERIFY(fixtures::PutFile(dir.filePath("mine/112005\n.ogg"), tone));
        QVERIFY(fixtures::PutFile(dir.filePath("mine/notes.txt"), "x"));
        r = Pack({"check", "--pack", dir.filePath("pack.dat"), dir.filePath("mine")});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.startsWith("{\"aya\": \"112:1\", \"score\": 100, \"verdict\": \"match\""),
                 r.out.constData());
        QCOMPARE(r.out.count('\n'), 1);
        for (const char* skipped :
             {"112002.ogg: skipped: not a regular file", "112003.ogg: skipped: not a regular file",
              "112004.ogg: skipped: not a regular file", "112005\\x0a.ogg: skipped: not named",
              "notes.txt: skipped: not named"})
            QVERIFY2(r.err.contains(skipped), r.err.constData());
        r = Pack({"check", reference, dir.filePath("none.ogg")});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("none.ogg") && r.err.contains("no such file"), r.err.constData());
        r = Pack({"check", reference, dir.filePath("pack.dat")});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("cannot be read"), r.err.constData());
        QCOMPARE(Pack({"check", reference}).status, 2);
        // A file larger than any recording (a sparse one here) is refused before it is read.
        QFile sparse(dir.filePath("sparse.wav"));
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(600) << 20));
        sparse.close();
        r = Pack({"check", reference, sparse.fileName()});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("larger than any recording"), r.err.constData());
        // A similar aya's recitation is offered as S:A=FILE; a mistyped one is a usage error, a missing
        // file a failure that names it.
        QCOMPARE(Pack({"check", reference, mine, "--similar", "113:1=" + reference}).status, 0);
        QCOMPARE(Pack({"check", reference, mine, "--similar"}).status, 2);
        QCOMPARE(Pack({"check", reference, mine, "--similar", reference}).status, 2);
        r = Pack({"check", reference, mine, "--similar", "113:1=" + dir.filePath("gone.ogg")});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("gone.ogg"), r.err.constData());
    }

    void interfaceArchive()
    {
        KelRes res;
        QVERIFY(res.Open((qEnvironmentVariable("VARNEL_BIN") + "/img.vnl").toStdString()));
        const char* pictures[] = {
            "about.png",       "bismillah.png", "check.png",  "check2.png", "end.png",    "exit.png",
            "heart1.png",      "heart2.png",    "heart3.png", "heart4.png", "heart5.png", "heart6.png",
            "heartcursor.png", "help.png",      "iknow.png",  "left2.png",  "load.png",   "love.png",
            "newuser.png",     "play.png",      "playr.png",  "pref.png",   "quran.png",  "right2.png",
            "save.png",        "start.png",     "stop.png",   "users.png",  "xmark.png"};
        // Every picture, each again at twice the resolution ("NAME@2x.png"), and the test sound.
        QCOMPARE(int(res.Directory().size()), 29 * 2 + 1);
        for (const char* name : pictures) {
            const std::string sharp = std::string(name).insert(std::string(name).rfind('.'), "@2x");
            const QImage one = QImage::fromData(res.Extract(name)),
                         two = QImage::fromData(res.Extract(sharp));
            QVERIFY2(two.width() >= 2 * one.width() - 2 && two.width() <= 2 * one.width() + 2, sharp.c_str());
        }
        std::vector<double> redShare;
        for (const char* name : pictures) {
            const QImage img = QImage::fromData(res.Extract(name));
            QVERIFY2(!img.isNull(), name);
            QVERIFY2(img.hasAlphaChannel(), name);
            if (QByteArray(name).startsWith("heart") && QByteArray(name) != "heartcursor.png") {
                int red = 0;
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 0; x < img.width(); ++x) {
                        const QColor c = img.pixelColor(x, y);
                        red += c.alpha() > 200 && c.red() > 150 && c.green() < 110;
                    }
                redShare.push_back(red);
            }
        }
        for (size_t i = 1; i < redShare.size(); ++i)
            QVERIFY2(redShare[i] > redShare[i - 1], "the hearts fill from heart1 to heart6");
        const QImage cursor = QImage::fromData(res.Extract("heartcursor.png"));
        QVERIFY(cursor.width() <= 32 && cursor.height() <= 32);

        const QByteArray ogg = res.Extract("bism.ogg");
        QVERIFY(ogg.startsWith("OggS"));
        sound::Pcm pcm;
        QCOMPARE(sound::DecodeAll(ogg.constData(), size_t(ogg.size()), &pcm), sound::Ok);
        const double seconds = double(pcm.Frames()) / pcm.rate;
        QVERIFY(seconds >= 1.0 && seconds <= 3.0);
    }
};

QTEST_GUILESS_MAIN(TestVarnelPack)
#include "test_varnel_pack.moc"
