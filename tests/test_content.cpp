// SPDX-License-Identifier: GPL-3.0-or-later
// The naming helpers, the sura table and the aya cursor.
#include "arabic.h"
#include "aya_ref.h"
#include "aya_text.h"
#include "naming.h"
#include "sura.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class TestContent : public QObject
{
    Q_OBJECT
  private slots:
    // An aya and its key: the key is made and read at the files' edge, and anything that is no aya's
    // key reads as no aya.
    void ayaAndKey()
    {
        QCOMPARE((AyaRef{108, 2}).Key(), std::string("108.002"));
        QCOMPARE((AyaRef{2, 255}).Key(), std::string("002.255"));
        QCOMPARE(AyaRef::FromKey("108.002"), (AyaRef{108, 2}));
        QCOMPARE(AyaRef::FromKey("36.12"), (AyaRef{36, 12}));
        for (const char* bad : {"", "108", "108.", ".2", "115.001", "000.001", "abc.def", "108.000"})
            QVERIFY2(!AyaRef::FromKey(bad).Valid(), bad);
        QCOMPARE(AyaRef().Key(), std::string());
        QVERIFY((AyaRef{2, 7}) < (AyaRef{3, 1}) && (AyaRef{3, 1}) < (AyaRef{3, 2}));
        QCOMPARE(AyaRef::FromKeys({"001.001", "nonsense"}).size(), size_t(2));
        QVERIFY(!AyaRef::FromKeys({"nonsense"}).front().Valid());
    }

    void padSura_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("padded");
        QTest::newRow("1") << "1"
                           << "001";
        QTest::newRow("01") << "01"
                            << "001";
        QTest::newRow("001") << "001"
                             << "001";
        QTest::newRow("10") << "10"
                            << "010";
        QTest::newRow("114") << "114"
                             << "114";
        QTest::newRow("1000") << "1000"
                              << "1000";
        QTest::newRow("0") << "0"
                           << "000";
        QTest::newRow("empty") << ""
                               << "000";
        QTest::newRow("no digits") << "abc"
                                   << "000";
        QTest::newRow("trailing text") << "7abc"
                                       << "007";
        QTest::newRow("leading blanks and sign") << "  +36"
                                                 << "036";
        QTest::newRow("huge does not overflow") << "99999999999999999999"
                                                << "2147483647";
    }
    void padSura()
    {
        QFETCH(QString, text);
        QFETCH(QString, padded);
        QCOMPARE(QString::fromStdString(PadSura(text.toStdString())), padded);
    }

    void keysAndNames()
    {
        QCOMPARE(AyaKey("2", 255), std::string("002.255"));
        QCOMPARE(AyaKey("114", 1), std::string("114.001"));
        QCOMPARE(AyaKey("036", 12), std::string("036.012"));
        QCOMPARE(SoundName("001.007"), std::string("001.007.ogg"));
        QCOMPARE(PictureName("001.007"), std::string("001.007.png"));
        QCOMPARE(TranslationName("1.7"), std::string("1.7.eng")); // used as given, never padded
        QCOMPARE(TransliterationName("001.007"), std::string("001.007.lit"));
        QCOMPARE(IntToString(-3), std::string("-3"));
    }

    void suraNumbersAndFileNames()
    {
        QVERIFY(!IsSuraNumber("0"));
        QVERIFY(!IsSuraNumber("115"));
        QVERIFY(!IsSuraNumber(""));
        QVERIFY(IsSuraNumber("1"));
        QVERIFY(IsSuraNumber("114"));
        QVERIFY(IsSuraNumber("12abc"));
        QCOMPARE(FileNamePart("a/b\\c:d.png"), std::string("d.png"));
        QCOMPARE(FileNamePart("d.png"), std::string("d.png"));
        QCOMPARE(FileNamePart("dir/"), std::string(""));
    }

    void centredGeometry_data()
    {
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<QRect>("window");
        QTest::newRow("1280x1024") << QSize(1280, 1024) << QRect(160, 128, 960, 768);
        QTest::newRow("1024x768") << QSize(1024, 768) << QRect(128, 96, 768, 576);
        QTest::newRow("odd width 1025") << QSize(1025, 768) << QRect(127, 96, 769, 576);
        QTest::newRow("odd width 1101") << QSize(1101, 700) << QRect(137, 87, 826, 525);
    }
    void centredGeometry()
    {
        QFETCH(QSize, desktop);
        QFETCH(QRect, window);
        QCOMPARE(CentredGeometry(desktop), window);
    }

    void suraTable()
    {
        Sura sura;
        QCOMPARE(sura.AyaCount("1"), 7);
        QCOMPARE(sura.AyaCount("01"), 7);
        QCOMPARE(sura.AyaCount("001"), 7);
        QCOMPARE(sura.AyaCount("114"), 6);
        QCOMPARE(sura.AyaCount("2"), 286);
        QCOMPARE(sura.AyaCount("0"), 0);
        QCOMPARE(sura.AyaCount("115"), 0);

        const auto counts = sura.AyaCounts();
        const auto shorts = sura.ShortTitles();
        const auto longs = sura.LongTitles();
        QCOMPARE(int(counts.size()), 114);
        QCOMPARE(int(shorts.size()), 114);
        QCOMPARE(int(longs.size()), 114);
        int total = 0;
        for (const auto& entry : counts)
            total += entry.second;
        QCOMPARE(total, TotalAyaCount);

        QCOMPARE(shorts.at("001"), std::string("1. Al-Fatiha "));
        QCOMPARE(longs.at("001"), std::string("1. Al-Fatiha (The Opening)"));
        QCOMPARE(shorts.at("002"), std::string("2. Al-Baqara"));
        QCOMPARE(longs.at("003"), std::string("3. Aal-E-Imran (The Family Of 'Imran, The House Of 'Imran)"));
        QCOMPARE(longs.at("040"), std::string("40. Al-Ghafir (The Forgiver (God) )"));
        QCOMPARE(shorts.at("114"), std::string("114. An-Nas"));
        QCOMPARE(longs.at("114"), std::string("114. An-Nas (Mankind) "));
        // Every long title extends its short title with a gloss in parentheses.
        for (const auto& [key, title] : shorts) {
            const std::string stem = key == "001" ? title.substr(0, title.size() - 1) : title;
            QVERIFY2(longs.at(key).rfind(stem + " (", 0) == 0, key.c_str());
            QCOMPARE(title.substr(0, title.find('.')), std::to_string(std::stoi(key)));
        }
    }

    void cursorSteps()
    {
        Arabic cursor;
        QCOMPARE(cursor.GetCurAya(), std::string("114.001"));
        QSignalSpy end(&cursor, &Arabic::End);
        QSignalSpy begin(&cursor, &Arabic::Begin);

        cursor.SetSura("1");
        QCOMPARE(cursor.GetCurAya(), std::string("001.001"));
        QCOMPARE(cursor.GetAyaLen(), 7);
        QCOMPARE(cursor.GetLastAya(), std::string("001.007"));
        QCOMPARE(cursor.GetCurAya(), std::string("001.001"));

        QCOMPARE(cursor.GetPreviousAya(), std::string("001.001"));
        QCOMPARE(begin.count(), 1);
        cursor.SetAya(2);
        QCOMPARE(cursor.GetPreviousAya(), std::string("001.001"));
        QCOMPARE(begin.count(), 1);

        cursor.SetAya(6);
        QCOMPARE(cursor.GetNextAya(), std::string("001.007"));
        QCOMPARE(end.count(), 0);
        QCOMPARE(cursor.GetNextAya(), std::string("001.007"));
        QCOMPARE(end.count(), 1);
        QCOMPARE(cursor.CurrentAya(), 7);

        cursor.SetAya(500); // stored unchecked
        QCOMPARE(cursor.GetCurAya(), std::string("001.500"));
        cursor.ResetAya();
        QCOMPARE(cursor.GetCurAya(), std::string("001.001"));
    }

    void cursorSuraForms()
    {
        Arabic a, b;
        a.SetSura("36");
        b.SetSura("036");
        QCOMPARE(a.GetAyaLen(), 83);
        QCOMPARE(b.GetAyaLen(), 83);
        QCOMPARE(a.GetTitle(), std::string("36. Ya-Seen (Ya-Seen)"));
        QCOMPARE(a.GetTitle(), b.GetTitle());
        QCOMPARE(a.GetSura(), std::string("36"));
        QCOMPARE(b.GetSura(), std::string("036"));
        QCOMPARE(a.SuraCnt("036"), 83);
        QCOMPARE(a.SuraCnt("36"), 0);
        a.SetSura("0");
        QCOMPARE(a.GetAyaLen(), 0);
        QSignalSpy end(&a, &Arabic::End);
        a.GetNextAya();
        QCOMPARE(end.count(), 1);
    }

    // The aya's text block: order and headings, the zero byte that ends it, the encodings, the cap.
    void ayaText()
    {
        AyaTextParts parts;
        parts.transliteration = "Qul huwa";
        parts.translation = "Say, He is";
        parts.language = "English";
        QCOMPARE(ComposeAyaText(parts), QString());
        parts.showTranslation = true;
        QCOMPARE(ComposeAyaText(parts), QString("<b>English Translation:</b><br><hr>Say, He is"));
        parts.showTransliteration = true;
        QCOMPARE(ComposeAyaText(parts), QString("<b>Transliteration:</b><br><hr>Qul huwa<br><br>"
                                                "<b>English Translation:</b><br><hr>Say, He is"));
        parts.transliteration = std::string("Qul\0 hidden", 11);
        QCOMPARE(ComposeAyaText(parts), QString("<b>Transliteration:</b><br><hr>Qul"));
        parts.transliteration = "caf\xe9";
        parts.showTranslation = false;
        QCOMPARE(ComposeAyaText(parts),
                 QString::fromUtf8("<b>Transliteration:</b><br><hr>caf\u00e9<br><br>"));
        parts.utf8 = true;
        parts.transliteration = "caf\xc3\xa9";
        QCOMPARE(ComposeAyaText(parts),
                 QString::fromUtf8("<b>Transliteration:</b><br><hr>caf\u00e9<br><br>"));

        // In a right-to-left interface a heading reads right to left, though it begins with a pack's
        // Latin language name, which is kept whole; the text under it keeps its own direction.
        {
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
            AyaTextParts urdu;
            urdu.showTranslation = true;
            urdu.language = "Urdu";
            urdu.translation = "Say";
            QTextDocument document;
            document.setHtml(ComposeAyaText(urdu));
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            QCOMPARE(document.begin().textDirection(), Qt::RightToLeft);
            QVERIFY(document.begin().text().contains(QChar(0x2068) + QString("Urdu") + QChar(0x2069)));
            QCOMPARE(document.lastBlock().textDirection(), Qt::LeftToRight);
        }

        // Shown, the headings are compact: no empty line before or after one, and each rule's line is thin,
        // so that both texts' first lines stand high in the panel.
        {
            parts.transliteration = "Qul huwa";
            parts.utf8 = false;
            parts.showTranslation = true;
            QTextDocument document;
            document.setDefaultStyleSheet(kAyaTextStyle);
            document.setDefaultFont(QFont("DejaVu Sans", 24));
            document.setHtml(ComposeAyaText(parts));
            document.setTextWidth(600);
            const double asStored = document.size().height();
            CompactHeadings(&document);
            QVERIFY2(!document.toRawText().contains(QString(2, QChar::LineSeparator)),
                     qPrintable(document.toRawText()));
            QCOMPARE(document.toRawText().count(QChar::LineSeparator), 1); // the transliteration's end
            // The empty lines after the headings and between the texts are gone, and the rules are thin.
            const double textLine = QFontMetricsF(QFont("DejaVu Sans", 24)).lineSpacing();
            QVERIFY2(document.size().height() < asStored - 2 * textLine,
                     qPrintable(QString("%1 of %2").arg(document.size().height()).arg(asStored)));
        }

        // A huge item is cut, never inside a UTF-8 character, and says so.
        QCOMPARE(CapItemText("abcdef", 4, false), std::string("abcd&hellip;"));
        QCOMPARE(CapItemText("abcd", 4, false), std::string("abcd"));
        QCOMPARE(CapItemText("ab\xc3\xa9", 3, true), std::string("ab&hellip;"));
        QCOMPARE(CapItemText("ab\xc3\xa9", 3, false), std::string("ab\xc3&hellip;"));
        parts.translation = std::string(20 << 20, 'x');
        parts.showTranslation = true;
        parts.showTransliteration = false;
        const QString capped = ComposeAyaText(parts);
        QVERIFY(capped.size() < int(kAyaTextItemLimit) + 100);
        QVERIFY(capped.endsWith("x&hellip;"));
    }
};

QTEST_MAIN(TestContent)
#include "test_content.moc"
