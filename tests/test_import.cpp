// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-pack import, run as a learner runs it: a folder of SSSAAA recordings in MP3, Ogg and WAV
// made here, Tanzil-style texts, and the packs it writes read back.
#include "aya_words.h"
#include "fixtures.h"
#include "kelres.h"
#include "naming.h"
#include "pack_import.h"
#include "pack_registry.h"
#include "sound.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

namespace
{

using fixtures::RunTool;

QByteArray Encoded(const QByteArray& ogg, const char* format)
{
    sound::Pcm pcm;
    if (sound::DecodeAll(ogg.constData(), size_t(ogg.size()), &pcm) != sound::Ok)
        return {};
    std::vector<char> out;
    const sound::Result r = QByteArray(format) == "mp3"   ? sound::EncodeMp3(pcm, &out)
                            : QByteArray(format) == "wav" ? sound::EncodeWav(pcm, &out)
                                                          : sound::Ok;
    if (QByteArray(format) == "ogg")
        return ogg;
    return r == sound::Ok ? QByteArray(out.data(), qsizetype(out.size())) : QByteArray();
}

// A Tanzil-style file of sura 1 (7 ayas), with a comment and a blank line.
QByteArray Fatiha(const QString& word, int ayas = 7)
{
    QByteArray text = "# made up for the test\n\n";
    for (int a = 1; a <= ayas; ++a)
        text += "1|" + QByteArray::number(a) + "|" + word.toUtf8() + " " + QByteArray::number(a) + "\n";
    return text;
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;
    QString audio_;

  private slots:
    void initTestCase()
    {
        audio_ = dir_.filePath("recordings");
        const QByteArray tone = fixtures::ToneOgg(200);
        const char* formats[] = {"mp3", "ogg", "wav"};
        for (int a = 1; a <= 7; ++a) {
            const char* format = formats[a % 3];
            const QByteArray bytes = Encoded(tone, format);
            QVERIFY2(!bytes.isEmpty(), format);
            QVERIFY(fixtures::PutFile(
                QString("%1/0010%2.%3").arg(audio_).arg(a, 2, 10, QChar('0')).arg(format), bytes));
        }
        QVERIFY(fixtures::PutFile(audio_ + "/notes.txt", "not a recording"));
        QVERIFY(fixtures::PutFile(dir_.filePath("arabic.txt"),
                                  Fatiha(QString::fromUtf8("\u0628\u0650\u0633\u0652\u0645\u0650"))));
        QVERIFY(fixtures::PutFile(dir_.filePath("english.txt"),
                                  Fatiha(QString::fromUtf8("In the name \u2014 caf\u00e9"))));
    }

    void importsWholePacks()
    {
        const QString out = dir_.filePath("work");
        const fixtures::ToolRun run = RunTool(
            "varnel-pack", {"import", "--audio", audio_, "--text", dir_.filePath("arabic.txt"),
                            "--translation", dir_.filePath("english.txt"), "--suras", "1-1", "--out", out});
        QVERIFY2(run.status == 0, run.err.constData());
        QVERIFY(run.err.contains("no --transliteration given"));
        QVERIFY(run.out.contains("fatiha.dat: written"));
        const KelRes pack = fixtures::OpenArchive(out + "/quran/fatiha.dat");
        QCOMPARE(int(pack.Directory().size()), 7 * 5);
        // A tone is no recitation of the text: its words have their boxes but no times, and the import
        // says so.
        AyaWords words;
        QString problem;
        QVERIFY2(ParseAyaWords(pack.Extract("001.003.wrd"), &words, &problem), qPrintable(problem));
        QCOMPARE(words.size(), size_t(1)); // the aya's number in the text is no word
        QVERIFY(!words[0].Timed() && !words[0].box.isEmpty());
        QVERIFY2(run.err.contains("fatiha.dat: 7 aya(s) have no word times: 001.001 ("), run.err.constData());
        // Recordings stay as they were brought: MP3 stays MP3.
        QFile original(audio_ + "/001003.mp3");
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(pack.Extract("001.003.ogg"), original.readAll());
        unsigned ms = 0;
        const QByteArray sound = pack.Extract("001.002.ogg");
        QCOMPARE(sound::MeasureLength(sound.constData(), size_t(sound.size()), &ms), sound::Ok);
        QVERIFY(qAbs(int(ms) - 200) < 60);
        QVERIFY(!QImage::fromData(pack.Extract("001.003.png")).isNull());
        QCOMPARE(pack.Extract("001.004.eng"), QByteArray("In the name - caf\xe9 4"));
        QVERIFY(pack.Extract("001.004.lit").isEmpty());

        // Again: the finished pack is kept; with --ogg and a recitation, every recording is Ogg.
        const fixtures::ToolRun again =
            RunTool("varnel-pack", {"import", "--audio", audio_, "--text", dir_.filePath("arabic.txt"),
                                    "--suras", "1", "--out", out});
        QCOMPARE(again.status, 0);
        QVERIFY(again.out.contains("fatiha.dat: already there, kept"));
        // Suras 1-2 asked for, sura 1 recorded: a recitation of some suras is an add-on of the packs they
        // fill, here fatiha.dat, whole with its pictures.
        const fixtures::ToolRun ogg =
            RunTool("varnel-pack", {"import", "--audio", audio_, "--text", dir_.filePath("arabic.txt"),
                                    "--suras", "1-2", "--recitation", "Mine", "--ogg", "--out", out});
        QVERIFY2(ogg.status == 0, ogg.err.constData());
        QVERIFY(ogg.out.contains("fatiha.dat: written"));
        QVERIFY(!QFile::exists(out + "/quran/extra/Mine/s001_s002.dat"));
        const KelRes mine = fixtures::OpenArchive(out + "/quran/extra/Mine/fatiha.dat");
        QCOMPARE(int(mine.Directory().size()), 7 * 5);
        for (int a = 1; a <= 7; ++a)
            QVERIFY(mine.Extract(AyaKey("001", a) + ".ogg").startsWith("OggS"));
    }

    // The recordings of one sura, or of some of its ayas, become an add-on recitation holding them alone:
    // the pack behind it serves the other ayas, the pictures and the texts.
    void someAyasAsAnAddOn()
    {
        const QString voice = dir_.filePath("voice");
        const QByteArray tone = fixtures::ToneOgg(150);
        for (const char* name : {"108001.ogg", "108003.ogg"})
            QVERIFY(fixtures::PutFile(voice + "/" + name, tone));
        const QString out = dir_.filePath("addon");
        const fixtures::ToolRun run =
            RunTool("varnel-pack", {"import", "--audio", voice, "--text", dir_.filePath("arabic.txt"),
                                    "--recitation", "MyVoice", "--out", out});
        QVERIFY2(run.status == 0, run.err.constData());
        QVERIFY2(run.out.contains("s104_s114.dat: 2 recording(s)"), run.out.constData());
        const KelRes addon = fixtures::OpenArchive(out + "/quran/extra/MyVoice/s104_s114.dat");
        QCOMPARE(int(addon.Directory().size()), 2);
        QCOMPARE(addon.Extract("108.003.ogg"), tone);
        QVERIFY(!QFileInfo::exists(out + "/quran/s104_s114.dat")); // the default recitation is untouched
        // Without a recitation name, a pack is all of its ayas or nothing.
        const fixtures::ToolRun plain = RunTool(
            "varnel-pack", {"import", "--audio", voice, "--text", dir_.filePath("arabic.txt"), "--out", out});
        QCOMPARE(plain.status, 1);
        QVERIFY(!QFileInfo::exists(out + "/quran/s104_s114.dat"));
    }

    // Recordings of suras that no one pack holds (1 and 112) become one add-on pack for each pack that
    // covers them; a Cancel that comes while a pack is being written takes that pack back.
    void addOnAcrossPacks()
    {
        const QString voice = dir_.filePath("voice-across");
        const QByteArray tone = fixtures::ToneOgg(150);
        for (const char* name : {"001001.ogg", "001002.ogg", "112001.ogg"})
            QVERIFY(fixtures::PutFile(voice + "/" + name, tone));
        const QString out = dir_.filePath("across");
        const fixtures::ToolRun run =
            RunTool("varnel-pack", {"import", "--audio", voice, "--text", dir_.filePath("arabic.txt"),
                                    "--recitation", "Mine", "--out", out});
        QVERIFY2(run.status == 0, run.err.constData());
        QCOMPARE(int(fixtures::OpenArchive(out + "/quran/extra/Mine/fatiha.dat").Directory().size()), 2);
        QCOMPARE(fixtures::OpenArchive(out + "/quran/extra/Mine/s104_s114.dat").Extract("112.001.ogg"), tone);

        import::Options o;
        std::string problem;
        QVERIFY(import::ParseOptions({"--audio", voice.toStdString(), "--text",
                                      dir_.filePath("arabic.txt").toStdString(), "--recitation", "Later",
                                      "--out", dir_.filePath("cancelled").toStdString()},
                                     &o, &problem));
        // Cancel is pressed once every aya is prepared: while the last pack is written.
        o.progress = [](size_t done, size_t total) { return done < total; };
        std::ostringstream said, errors;
        QCOMPARE(import::Run(o, said, errors), import::kCancelled);
        QVERIFY(QDir(dir_.filePath("cancelled/quran/extra/Later")).entryList(QDir::Files).isEmpty());

        // "default" names the packs' own recitation and "lang" the translations: neither can be one.
        for (const char* reserved : {"default", "lang"})
            QCOMPARE(
                RunTool("varnel-pack", {"import", "--audio", voice, "--text", dir_.filePath("arabic.txt"),
                                        "--recitation", reserved, "--out", out})
                    .status,
                2);
        QVERIFY(!PackRegistry::IsRecitationName("default") && PackRegistry::IsRecitationName("Default"));
    }

    // Packs that share suras (fatiha.dat and s001_s002.dat share sura 1) prepare each aya once; each pack
    // is written as soon as its ayas are ready, so a run that fails (or is killed) later keeps it, and
    // the next run goes on from there.
    void eachPackWrittenWhenReady()
    {
        const QString audio = dir_.filePath("two-suras"), out = dir_.filePath("work-two");
        const QByteArray wav = Encoded(fixtures::ToneOgg(40), "wav");
        QByteArray text = Fatiha(QString::fromUtf8("\u0628\u0650\u0633\u0652\u0645\u0650"));
        for (int a = 1; a <= 7; ++a)
            QVERIFY(fixtures::PutFile(QString("%1/0010%2.wav").arg(audio).arg(a, 2, 10, QChar('0')), wav));
        for (int a = 1; a <= 286; ++a) {
            QVERIFY(fixtures::PutFile(QString("%1/002%2.wav").arg(audio).arg(a, 3, 10, QChar('0')),
                                      a == 286 ? "broken" : wav));
            text +=
                "2|" + QByteArray::number(a) + "|" + QString::fromUtf8("\u0627\u0644\u0645").toUtf8() + "\n";
        }
        QVERIFY(fixtures::PutFile(dir_.filePath("two-suras.txt"), text));
        const QStringList args = {"import",  "--audio", audio,   "--text", dir_.filePath("two-suras.txt"),
                                  "--suras", "1-2",     "--out", out};
        const fixtures::ToolRun failed = RunTool("varnel-pack", args);
        QCOMPARE(failed.status, 1);
        QVERIFY2(failed.err.contains("002286"), failed.err.constData());
        QVERIFY(failed.out.contains("fatiha.dat: written"));
        QVERIFY(QFile::exists(out + "/quran/fatiha.dat"));
        QVERIFY(!QFile::exists(out + "/quran/s001_s002.dat"));

        QVERIFY(fixtures::PutFile(audio + "/002286.wav", wav));
        const fixtures::ToolRun again = RunTool("varnel-pack", args);
        QVERIFY2(again.status == 0, again.err.constData());
        QVERIFY(again.out.contains("fatiha.dat: already there, kept"));
        QVERIFY(again.out.contains("prepared 293 of 293 ayas")); // sura 1 once, though two packs hold it
        QCOMPARE(int(fixtures::OpenArchive(out + "/quran/s001_s002.dat").Directory().size()), 293 * 5);
        QFile::remove(out + "/quran/fatiha.dat");
        QFile::remove(out + "/quran/s001_s002.dat");
        const fixtures::ToolRun both = RunTool("varnel-pack", args);
        QVERIFY2(both.status == 0, both.err.constData());
        QVERIFY(both.out.contains("prepared 293 of 293 ayas"));
        QVERIFY(!both.out.contains("of 300 ayas"));
        QVERIFY(both.out.indexOf("fatiha.dat: written") < both.out.indexOf("prepared 293"));
    }

    // Each kind of bad input: a clear message, exit 1, and no pack.
    void refusals_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing aya") << "missing"
                                     << "001.005";
        QTest::newRow("unreadable recording") << "junk"
                                              << "is no recording";
        QTest::newRow("a sample that is no number") << "nan"
                                                    << "samples that are not numbers";
        QTest::newRow("wrong aya count") << "short text"
                                         << "holds 6 of the 7 ayas of sura 1";
        QTest::newRow("aya outside the sura") << "bad aya"
                                              << "sura 1 has no aya 8";
        QTest::newRow("no pack filled") << "range"
                                        << "fill no sura pack";
    }
    void refusals()
    {
        QFETCH(QString, setup);
        QFETCH(QString, said);
        QTemporaryDir work;
        const QString audio = work.filePath("audio");
        QVERIFY(QDir().mkpath(audio));
        for (const QString& f : QDir(audio_).entryList(QDir::Files))
            QVERIFY(QFile::copy(audio_ + "/" + f, audio + "/" + f));
        QString text = dir_.filePath("arabic.txt"), suras = "1-1";
        if (setup == "missing")
            QVERIFY(QFile::remove(audio + "/001005.ogg") || QFile::remove(audio + "/001005.mp3") ||
                    QFile::remove(audio + "/001005.wav"));
        if (setup == "junk") {
            for (const QString& f : QDir(audio).entryList({"001004.*"}))
                QVERIFY(fixtures::PutFile(audio + "/" + f, QByteArray(3000, 'j')));
        }
        if (setup == "nan") {
            sound::Pcm pcm{8000, 1, std::vector<float>(4000, 0.25f)};
            for (const QString& f : QDir(audio).entryList({"001004.*"}))
                QVERIFY(QFile::remove(audio + "/" + f));
            QVERIFY(fixtures::PutFile(audio + "/001004.wav", fixtures::FloatWav(pcm, 2000)));
        }
        if (setup == "short text")
            QVERIFY(fixtures::PutFile(text = work.filePath("short.txt"), Fatiha("x", 6)));
        if (setup == "bad aya")
            QVERIFY(fixtures::PutFile(text = work.filePath("bad.txt"), Fatiha("x") + "1|8|eight\n"));
        if (setup == "range")
            suras = "2-3";
        const fixtures::ToolRun run =
            RunTool("varnel-pack", {"import", "--audio", audio, "--text", text, "--suras", suras, "--out",
                                    work.filePath("out")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(said.toUtf8()), run.err.constData());
        QVERIFY(!QDir(work.filePath("out/quran")).exists() || QDir(work.filePath("out/quran")).isEmpty());
    }

    void usage()
    {
        QCOMPARE(RunTool("varnel-pack", {"import", "--audio", audio_}).status, 2);
        QCOMPARE(
            RunTool("varnel-pack", {"import", "--audio", audio_, "--text", "x", "--suras", "9-3"}).status, 2);
        QCOMPARE(RunTool("varnel-pack", {"import", "--audio", audio_, "--text", "x", "--recitation", "../up"})
                     .status,
                 2);
        QCOMPARE(import::PacksFilledBy(104, 114), std::vector<std::string>{"s104_s114.dat"});
        QCOMPARE(import::PacksFilledBy(1, 2), (std::vector<std::string>{"fatiha.dat", "s001_s002.dat"}));
        const auto found = import::FindRecordings(audio_);
        QCOMPARE(int(found.size()), 7);
        QVERIFY(found.at("001.003").endsWith("001003.mp3"));
    }
};

QTEST_MAIN(TestImport)
#include "test_import.moc"
