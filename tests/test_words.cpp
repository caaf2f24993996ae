// SPDX-License-Identifier: GPL-3.0-or-later
// The words of an aya: the .wrd item read and written, and word times estimated in a voice and at a
// speed other than the rendering's they are carried from.
#include "aya_sources.h"
#include "aya_words.h"
#include "speech.h"
#include "word_times.h"

#include <QTest>
#include <algorithm>

namespace
{

const char kAya[] = "قُلۡ هُوَ ٱللَّهُ أَحَدٌ ٱللَّهُ ٱلصَّمَدُ لَمۡ يَلِدۡ وَلَمۡ يُولَدۡ";

listen::Analysis Spoken(const listen::SpeechVoice& voice, std::vector<listen::WordTime>* times,
                        const QString& text = QString::fromUtf8(kAya))
{
    sound::Pcm pcm;
    std::string problem;
    if (!listen::Speak(demo::SpokenWords(text), voice, &pcm, times, &problem))
        qWarning("%s", problem.c_str());
    return listen::AnalyseForWords(pcm);
}

} // namespace

class TestWords : public QObject
{
    Q_OBJECT

  private slots:
    void itemRoundTrip()
    {
        AyaWords words(3);
        words[0] = {QString::fromUtf8("قُلۡ"), QRect(400, 20, 60, 200), 0, 400, WordTiming::Exact};
        words[1] = {"two\twords", QRect(300, 20, 80, 200), 420, 900, WordTiming::Estimated};
        words[2] = {"untimed", QRect(10, 240, 80, 200), -1, -1, WordTiming::None};
        AyaWords read;
        QString error;
        QVERIFY2(ParseAyaWords(FormatAyaWords(words), &read, &error), qPrintable(error));
        QCOMPARE(read.size(), size_t(3));
        QCOMPARE(read[0].text, words[0].text);
        QCOMPARE(read[1].text, QString("two words")); // a tab in the text would split the fields
        QCOMPARE(read[1].box, words[1].box);
        QCOMPARE(read[1].timing, WordTiming::Estimated);
        QCOMPARE(read[2].startMs, -1);
        QVERIFY(!AllTimed(read));
        // The word heard: from its start to the next word's; none before the first or after the last.
        QCOMPARE(WordAt(read, 0), 0);
        QCOMPARE(WordAt(read, 410), 0);
        QCOMPARE(WordAt(read, 420), 1);
        QCOMPARE(WordAt(read, 950), -1);
        read.resize(2);
        QCOMPARE(WordAt(read, 899), 1);
        QVERIFY(AllTimed(read));
    }

    void badItems_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<QString>("says");
        QTest::newRow("empty") << QByteArray() << "begin";
        QTest::newRow("another format") << QByteArray("PNG\n") << "begin";
        QTest::newRow("a later version") << QByteArray("varnel-words 2\n") << "version 2";
        QTest::newRow("too few fields") << QByteArray("varnel-words 1\nword\t1 2 3 4\n") << "line 2";
        QTest::newRow("no text") << QByteArray("varnel-words 1\n \t1 2 3 4\t0 5\texact\n") << "no text";
        QTest::newRow("box of no size") << QByteArray("varnel-words 1\nw\t1 2 0 4\t0 5\texact\n") << "box";
        QTest::newRow("negative box") << QByteArray("varnel-words 1\nw\t-1 2 3 4\t0 5\texact\n") << "box";
        QTest::newRow("box not numbers") << QByteArray("varnel-words 1\nw\t1 2 x 4\t0 5\texact\n") << "box";
        QTest::newRow("ends before it starts")
            << QByteArray("varnel-words 1\nw\t1 2 3 4\t9 5\texact\n") << "end";
        QTest::newRow("huge time") << QByteArray("varnel-words 1\nw\t1 2 3 4\t0 99999999999\texact\n")
                                   << "end";
        QTest::newRow("unknown timing")
            << QByteArray("varnel-words 1\nw\t1 2 3 4\t0 5\tguessed\n") << "guessed";
        QTest::newRow("times said none")
            << QByteArray("varnel-words 1\nw\t1 2 3 4\t0 5\tnone\n") << "says it has none";
        QTest::newRow("too many words") << (QByteArray("varnel-words 1\n") +
                                            QByteArray("w\t1 2 3 4\t- -\tnone\n").repeated(kMostWords + 1))
                                        << "more than";
        QTest::newRow("too large")
            << QByteArray("varnel-words 1\n# ").append(QByteArray(kMostWordsBytes, 'x')) << "larger";
    }

    void badItems()
    {
        QFETCH(QByteArray, item);
        QFETCH(QString, says);
        AyaWords words(1);
        QString error;
        QVERIFY(!ParseAyaWords(item, &words, &error));
        QVERIFY2(error.contains(says), qPrintable(error));
        QVERIFY(words.empty());
    }

    // A recitation in another voice, pitch and speed than the rendering: its words found within a
    // word's fraction of espeak-ng's own times for it.
    void estimatedInAnotherVoice()
    {
        std::vector<listen::WordTime> renderingTimes, truth, estimate;
        const listen::Analysis rendering = Spoken(listen::SpeechVoice(), &renderingTimes);
        const listen::Analysis other = Spoken({"ar+f2", 100, 70}, &truth);
        QCOMPARE(renderingTimes.size(), size_t(10));
        std::string why;
        QVERIFY2(listen::EstimateWordTimes(rendering, renderingTimes, other, &estimate, &why), why.c_str());
        QCOMPARE(estimate.size(), truth.size());
        std::vector<int> errors;
        for (size_t w = 0; w < truth.size(); ++w) {
            errors.push_back(std::abs(estimate[w].startMs - truth[w].startMs));
            errors.push_back(std::abs(estimate[w].endMs - truth[w].endMs));
            QVERIFY(estimate[w].endMs > estimate[w].startMs);
            QVERIFY(w == 0 || estimate[w].startMs >= estimate[w - 1].endMs);
        }
        std::sort(errors.begin(), errors.end());
        QVERIFY2(errors[errors.size() / 2] <= 150, qPrintable(QString::number(errors[errors.size() / 2])));
        QVERIFY2(errors[errors.size() * 9 / 10] <= 300, qPrintable(QString::number(errors.back())));

        // Another aya's recitation is too unlike to carry times into.
        std::vector<listen::WordTime> otherTimes;
        const listen::Analysis anotherAya =
            Spoken({"ar+f2", 100, 70}, &otherTimes, QString::fromUtf8("إِنَّآ أَعۡطَيۡنَٰكَ ٱلۡكَوۡثَرَ فَصَلِّ لِرَبِّكَ وَٱنۡحَرۡ"));
        QVERIFY(!listen::EstimateWordTimes(rendering, renderingTimes, anotherAya, &estimate, &why));
        QVERIFY(estimate.empty());
        QVERIFY(!why.empty());
    }
};

QTEST_GUILESS_MAIN(TestWords)
#include "test_words.moc"
