// SPDX-License-Identifier: GPL-3.0-or-later
// The mushaf's pages, juz and hizb quarters, and the passages made of them.
#include "naming.h"
#include "passage.h"
#include "sura.h"

#include <QTest>

namespace
{

using Segments = std::vector<PassageSegment>;

} // namespace

class TestPassage : public QObject
{
    Q_OBJECT

  private slots:
    // Every aya lies in exactly one passage of each kind, the passages follow each other without gap
    // or overlap, and each aya's NumberOf names the passage that holds it.
    void everyAyaOnce()
    {
        for (PassageKind kind : Passage::kKinds) {
            int expected = 1; // the next aya in the whole Quran
            for (int n = 1; n <= Passage::CountOf(kind); ++n) {
                const Passage passage = Passage::Make(kind, n);
                QVERIFY(!passage.Empty());
                for (const PassageSegment& s : passage.Segments()) {
                    QCOMPARE(NumberOfAya(s.sura, s.first), expected);
                    for (int aya = s.first; aya <= s.last; ++aya)
                        QCOMPARE(Passage::NumberOf(kind, s.sura, aya), n);
                    expected += s.last - s.first + 1;
                }
            }
            QCOMPARE(expected, TotalAyaCount + 1);
        }
    }

    void knownPassages()
    {
        QCOMPARE(Passage::Make(PassageKind::Page, 1).Segments(), (Segments{{1, 1, 7}}));
        QCOMPARE(Passage::Make(PassageKind::Page, 2).Segments(), (Segments{{2, 1, 5}}));
        const Passage page602 = Passage::Make(PassageKind::Page, 602);
        QCOMPARE(page602.Segments(), (Segments{{106, 1, 4}, {107, 1, 7}, {108, 1, 3}}));
        QCOMPARE(page602.AyaCount(), 14);
        QCOMPARE(page602.Title(), std::string("Page 602 \u00b7 106:1 \u2013 108:3"));
        QCOMPARE(page602.Ayas()[4], std::string("107.001"));
        QCOMPARE(Passage::Make(PassageKind::Page, 604).Segments(),
                 (Segments{{112, 1, 4}, {113, 1, 5}, {114, 1, 6}}));
        const Passage juz30 = Passage::Make(PassageKind::Juz, 30);
        QCOMPARE(juz30.Segments().front(), (PassageSegment{78, 1, 40}));
        QCOMPARE(juz30.Segments().back(), (PassageSegment{114, 1, 6}));
        QCOMPARE(int(juz30.Segments().size()), 37);
        QCOMPARE(Passage::NumberOf(PassageKind::Page, 78, 1), 582);
        QCOMPARE(Passage::NumberOf(PassageKind::Page, 77, 50), 581);
        QCOMPARE(Passage::NumberOf(PassageKind::Juz, 78, 1), 30);
        QCOMPARE(Passage::NumberOf(PassageKind::Juz, 77, 50), 29);
        // A hizb is its four quarters.
        const Passage hizb60 = Passage::Make(PassageKind::Hizb, 60);
        QCOMPARE(hizb60.Segments().front(), Passage::Make(PassageKind::Quarter, 237).Segments().front());
        QCOMPARE(hizb60.Segments().back(), Passage::Make(PassageKind::Quarter, 240).Segments().back());
        QCOMPARE(Passage::NumberOf(PassageKind::Hizb, 2, 1), 1);
        QCOMPARE(Passage::NumberOf(PassageKind::Quarter, 2, 26), 2);
    }

    // The mushaf's sura starts agree with the sura table's aya counts.
    void agreesWithTheSuraTable()
    {
        for (int sura = 1; sura <= 114; ++sura) {
            const int count = SuraTable().AyaCount(IntToString(sura));
            QVERIFY(NumberOfAya(sura, count) > 0);
            QCOMPARE(NumberOfAya(sura, count + 1), 0);
            int s = 0, a = 0;
            QVERIFY(AyaOfNumber(NumberOfAya(sura, count), &s, &a));
            QCOMPARE(s, sura);
            QCOMPARE(a, count);
        }
    }

    void badNumbersAndText()
    {
        for (PassageKind kind : Passage::kKinds) {
            QVERIFY(Passage::Make(kind, 0).Empty());
            QVERIFY(Passage::Make(kind, Passage::CountOf(kind) + 1).Empty());
        }
        QCOMPARE(Passage::NumberOf(PassageKind::Page, 115, 1), 0);
        QCOMPARE(Passage::NumberOf(PassageKind::Page, 1, 8), 0);
        QCOMPARE(Passage::NumberOf(PassageKind::Page, 1, 0), 0);
        const Passage hizb = Passage::Make(PassageKind::Hizb, 12);
        QCOMPARE(hizb.Serialize(), std::string("hizb 12"));
        QCOMPARE(Passage::Parse("hizb 12"), hizb);
        for (const char* bad : {"", "page", "page 605", "page 6 7", "volume 3", "Page 2", "page -1"})
            QVERIFY2(Passage::Parse(bad).Empty(), bad);
    }
};

QTEST_MAIN(TestPassage)
#include "test_passage.moc"
