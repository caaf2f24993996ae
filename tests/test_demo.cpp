// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-demo on a small made-up quran-json package: one short pack, two languages.
#include "aya_sources.h"
#include "aya_words.h"
#include "fixtures.h"
#include "kelres.h"
#include "languages.h"
#include "naming.h"
#include "sound.h"
#include "sura.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// A package with every sura at its true length and short texts; sura 1 gets real-looking ones.
void WritePackage(const QString& dir, int wrongSura = 0)
{
    QDir().mkpath(dir + "/dist");
    Sura table;
    auto write = [&](const QString& file, const char* field, const std::function<QString(int, int)>& text) {
        QJsonArray suras;
        for (int s = 1; s <= 114; ++s) {
            QJsonArray verses;
            const int n = table.AyaCount(std::to_string(s)) + (s == wrongSura ? 1 : 0);
            for (int a = 1; a <= n; ++a)
                verses.append(QJsonObject{{"id", a}, {"text", "x"}, {field, text(s, a)}});
            suras.append(QJsonObject{{"id", s}, {"verses", verses}});
        }
        QFile f(dir + "/dist/" + file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(suras).toJson());
    };
    write("quran.json", "text", [](int, int a) {
        return QString::fromUtf8(a % 2 ? "بِسْمِ ٱللَّهِ ٱلرَّحْمَٰنِ ٱلرَّحِيمِ"
                                       : "ٱلْحَمْدُ لِلَّهِ رَبِّ ٱلْعَٰلَمِينَ ٱلرَّحْمَٰنِ ٱلرَّحِيمِ مَٰلِكِ يَوْمِ ٱلدِّينِ إِيَّاكَ نَعْبُدُ وَإِيَّاكَ "
                                         "نَسْتَعِينُ ٱهْدِنَا ٱلصِّرَٰطَ ٱلْمُسْتَقِيمَ");
    });
    write("quran_en.json", "translation",
          [](int s, int a) { return QString::fromUtf8("“Praise” – to God‘s café %1:%2").arg(s).arg(a); });
    write("quran_transliteration.json", "transliteration",
          [](int, int) { return QString::fromUtf8("Al-ḥamdu lillāhi"); });
    write("quran_fr.json", "translation", [](int, int) { return QString::fromUtf8("Louange à Dieu"); });
    write("quran_zh.json", "translation", [](int, int) { return QString::fromUtf8("一切赞颂"); });
}

using Run = fixtures::ToolRun;

Run Demo(const QStringList& args) { return fixtures::RunTool("varnel-demo", args); }

bool IsLatin1Text(const QByteArray& bytes) { return !bytes.contains('\0') && !bytes.contains('?'); }

} // namespace

class TestDemo : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void latin1()
    {
        QCOMPARE(demo::ToLatin1(QString::fromUtf8("café")), QByteArray("caf\xe9"));
        QCOMPARE(demo::ToLatin1(QString::fromUtf8("“Say” – ‘he’…")), QByteArray("\"Say\" - 'he'..."));
        QCOMPARE(demo::ToLatin1(QString::fromUtf8("Al-ḥamdu lillāhi ʿalā")),
                 QByteArray("Al-hamdu lillahi 'ala"));
        QCOMPARE(demo::ToLatin1(QString::fromUtf8("我")), QByteArray("?"));
    }

    void picture()
    {
        const QImage img = demo::RenderAya(QString::fromUtf8("بِسْمِ ٱللَّهِ ٱلرَّحْمَٰنِ ٱلرَّحِيمِ").repeated(8), 255);
        QVERIFY(img.width() <= 900);
        QVERIFY(img.height() > 100); // wrapped onto several lines
        // Dark ink on a light page.
        int dark = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                dark += qGray(img.pixel(x, y)) < 80;
        QVERIFY(dark > 500);
        QVERIFY(qGray(img.pixel(2, 2)) > 230);

        // As a pack keeps it: the same picture in steps from page to ink, deflated, with its density.
        const QByteArray png =
            demo::AyaPicturePng(QString::fromUtf8("بِسْمِ ٱللَّهِ ٱلرَّحْمَٰنِ ٱلرَّحِيمِ").repeated(8), 255);
        const QImage kept = QImage::fromData(png);
        const QImage drawn = demo::RenderAya(QString::fromUtf8("بِسْمِ ٱللَّهِ ٱلرَّحْمَٰنِ ٱلرَّحِيمِ").repeated(8), 255,
                                             demo::kPictureWidth, demo::kPictureDensity);
        QCOMPARE(kept.size(), drawn.size());
        QCOMPARE(kept.format(), QImage::Format_Indexed8);
        QCOMPARE(kept.dotsPerMeterX(), drawn.dotsPerMeterX());
        QVERIFY2(png.size() < kept.width() * kept.height() / 8, qPrintable(QString::number(png.size())));
        int off = 0;
        for (int y = 0; y < drawn.height(); y += 3)
            for (int x = 0; x < drawn.width(); x += 3)
                off += std::abs(qGray(kept.pixel(x, y)) - qGray(drawn.pixel(x, y))) > 3;
        QCOMPARE(off, 0); // each pixel within a step of what was drawn
    }

    void smallRun()
    {
        const QString source = dir_.filePath("quran-json"), out = dir_.filePath("work");
        WritePackage(source);
        Run r = Demo({"--source", source, "--out", out, "--packs", "fatiha.dat"});
        QVERIFY2(r.status == 0, r.err.constData());

        for (const QString& path : {out + "/quran/fatiha.dat", out + "/quran/extra/espeak-slow/fatiha.dat"}) {
            KelRes pack;
            QVERIFY2(pack.Open(path.toStdString()), qPrintable(path));
            QCOMPARE(int(pack.Directory().size()), 7 * 5);
            for (int a = 1; a <= 7; ++a) {
                const std::string key = AyaKey("1", a);
                const QImage img = QImage::fromData(pack.Extract(PictureName(key)));
                QVERIFY(!img.isNull());
                // Drawn at twice the resolution, and saying so: 900 pixels wide at most on screen.
                QVERIFY(img.width() <= 2 * 900);
                QCOMPARE(img.dotsPerMeterX(), 2 * 3780);
                const QByteArray ogg = pack.Extract(SoundName(key));
                unsigned ms = 0;
                QCOMPARE(sound::MeasureLength(ogg.constData(), size_t(ogg.size()), &ms), sound::Ok);
                QVERIFY(ms > 200);
                QVERIFY(IsLatin1Text(pack.Extract(TranslationName(key))));
                QVERIFY(pack.Extract(TranslationName(key)).contains("caf\xe9 1:"));
                QCOMPARE(pack.Extract(TransliterationName(key)), QByteArray("Al-hamdu lillahi"));
                // Every word, in reading order (right to left, line by line) inside the picture, with
                // exact times one after another within the recitation.
                AyaWords words;
                QString problem;
                QVERIFY2(ParseAyaWords(pack.Extract(WordsName(key)), &words, &problem), qPrintable(problem));
                QCOMPARE(words.size(), a % 2 ? size_t(4) : size_t(16));
                for (size_t w = 0; w < words.size(); ++w) {
                    QVERIFY(img.rect().contains(words[w].box));
                    QCOMPARE(words[w].timing, WordTiming::Exact);
                    QVERIFY(words[w].endMs <= int(ms) + 20);
                    if (w == 0)
                        continue;
                    const AyaWord& before = words[w - 1];
                    QVERIFY(words[w].startMs >= before.endMs);
                    const bool sameLine = words[w].box.top() == before.box.top();
                    QVERIFY2(sameLine ? words[w].box.right() < before.box.left()
                                      : words[w].box.top() > before.box.top(),
                             qPrintable(QString("aya %1 word %2").arg(a).arg(w)));
                }
            }
        }
        // The slower voice takes longer to say the same aya.
        KelRes normal, slow;
        normal.Open((out + "/quran/fatiha.dat").toStdString());
        slow.Open((out + "/quran/extra/espeak-slow/fatiha.dat").toStdString());
        unsigned a = 0, b = 0;
        const QByteArray na = normal.Extract("001.002.ogg"), sa = slow.Extract("001.002.ogg");
        sound::MeasureLength(na.constData(), size_t(na.size()), &a);
        sound::MeasureLength(sa.constData(), size_t(sa.size()), &b);
        QVERIFY2(b > a, qPrintable(QString("%1 %2").arg(a).arg(b)));

        // Two languages, listed in langs.ini, with UTF-8 items for every aya.
        const LanguageList langs = ReadLanguages(out.toStdString());
        QCOMPARE(langs.names, (std::vector<std::string>{"English", "French", "Chinese"}));
        QCOMPARE(langs.installed, (std::vector<int>{1, 2}));
        KelRes zh;
        QVERIFY(zh.Open(langs.paths[1]));
        QCOMPARE(int(zh.Directory().size()), TotalAyaCount);
        const QByteArray text = zh.Extract("114.006.eng");
        auto decode = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decode(text);
        QVERIFY(!decode.hasError());
        QCOMPARE(decoded, QString::fromUtf8("一切赞颂"));
        QVERIFY(QFile::exists(out + "/README.txt"));
        QVERIFY(QFile(out + "/README.txt").open(QIODevice::ReadOnly));

        // A second run keeps what is finished.
        const QDateTime built = QFileInfo(out + "/quran/fatiha.dat").lastModified();
        QTest::qWait(1100);
        r = Demo({"--source", source, "--out", out, "--packs", "fatiha.dat"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("already built, kept"));
        QCOMPARE(QFileInfo(out + "/quran/fatiha.dat").lastModified(), built);
    }

    void refusals()
    {
        const QString source = dir_.filePath("wrong-json");
        WritePackage(source, 36);
        Run r = Demo({"--source", source, "--out", dir_.filePath("w2"), "--packs", "fatiha.dat"});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("sura 36 has 84 ayas"), r.err.constData());
        QCOMPARE(Demo({"--source", dir_.filePath("nowhere")}).status, 1);
        QCOMPARE(Demo({"--packs", "nonsense.dat"}).status, 2);
        QCOMPARE(Demo({"--frobnicate"}).status, 2);
    }
};

QTEST_MAIN(TestDemo)
#include "test_demo.moc"
