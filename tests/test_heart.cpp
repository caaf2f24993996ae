// SPDX-License-Identifier: GPL-3.0-or-later
// The heart tree: its pictures, drops from the window, removing and folding.
#include "heart.h"
#include "learner_record.h"
#include "varn.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QSignalSpy>

using fixtures::Ayas;
using fixtures::Drop;

namespace
{

QString Picture(const QTreeWidgetItem* item) { return item->data(0, Heart::kPictureRole).toString(); }

} // namespace

class TestHeart : public QObject
{
    Q_OBJECT

  private slots:
    void pictureRule()
    {
        QCOMPARE(Heart::HeartPicture(0, 5), std::string("heart1.png"));
        QCOMPARE(Heart::HeartPicture(1, 5), std::string("heart1.png"));
        QCOMPARE(Heart::HeartPicture(2, 5), std::string("heart2.png"));
        QCOMPARE(Heart::HeartPicture(4, 5), std::string("heart4.png"));
        QCOMPARE(Heart::HeartPicture(5, 5), std::string("heart6.png"));
        QCOMPARE(Heart::HeartPicture(49, 50), std::string("heart5.png"));
        QCOMPARE(Heart::HeartPicture(99, 100), std::string("heart6.png"));
        QCOMPARE(Heart::HeartPicture(1, 286), std::string("heart1.png"));
    }

    void drops()
    {
        Workspace ws;
        Heart heart;
        heart.MakeRoot("Test's Heart", QPixmap());
        QSignalSpy update(heart.Record(), &LearnerRecord::HeartChanged);

        Drop(&heart, "all.108");
        QCOMPARE(Ayas(&heart), QStringList({"108.001", "108.002", "108.003"}));
        QCOMPARE(heart.Count(), 3);
        QCOMPARE(update.last().at(0).toInt(), 3);
        QTreeWidgetItem* s108 = heart.SuraItem("108");
        QVERIFY(s108);
        // Each item's kind and aya by its place and its data, whatever its text reads.
        QTreeWidgetItem* second = s108->child(1);
        second->setText(0, "Amina's Heart");
        QVERIFY(Heart::KindOf(s108) == Heart::Kind::Sura && Heart::KindOf(heart.Root()) == Heart::Kind::Root);
        QVERIFY(Heart::KindOf(second) == Heart::Kind::Aya);
        QVERIFY(Heart::AyaOf(second) == (AyaRef{108, 2}) && !Heart::AyaOf(s108).Valid());
        second->setText(0, "108.002");
        QCOMPARE(Picture(s108), QString("heart6.png"));
        QVERIFY(!s108->isExpanded()); // complete, and completed suras are folded

        Drop(&heart, "112.003");
        QCOMPARE(Picture(heart.SuraItem("112")), QString("heart2.png"));
        QVERIFY(heart.SuraItem("112")->isExpanded());
        Drop(&heart, "002.255");
        QCOMPARE(Picture(heart.SuraItem("002")), QString("heart1.png"));
        const int before = heart.Count();
        Drop(&heart, "112.003"); // a duplicate
        Drop(&heart, "112.3");   // the same aya, written differently
        Drop(&heart, "hello");
        Drop(&heart, "115.001");
        Drop(&heart, "112.009"); // sura 112 has 4 ayas
        Drop(&heart, "all.");
        QCOMPARE(heart.Count(), before);

        // Any text with "all" in it asks for a whole sura.
        Drop(&heart, "Allah.5");
        QCOMPARE(heart.Count(), before + 120);
        QCOMPARE(Picture(heart.SuraItem("005")), QString("heart6.png"));
        // Sorted by text: suras and ayas in numeric order.
        QCOMPARE(heart.Root()->child(0)->text(0), QString("002"));
        QCOMPARE(heart.Root()->child(1)->text(0), QString("005"));
    }

    void removeAndFold()
    {
        Workspace ws;
        Heart heart;
        heart.MakeRoot("Test's Heart", QPixmap());
        heart.LoadSuras({"112.001", "108.001", "108.002", "108.003", "36.12"}, true); // keys enter normalised
        QCOMPARE(Ayas(&heart), QStringList({"036.012", "108.001", "108.002", "108.003", "112.001"}));
        QCOMPARE(heart.Count(), 5);
        QVERIFY(!heart.SuraItem("108")->isExpanded());

        heart.CloseComplete(0);
        QVERIFY(heart.SuraItem("108")->isExpanded());
        heart.SuraItem("112")->setExpanded(false);
        heart.CloseComplete(0); // incomplete suras keep their state
        QVERIFY(!heart.SuraItem("112")->isExpanded());
        heart.CloseComplete(2);
        QVERIFY(!heart.SuraItem("108")->isExpanded());

        // The last aya of a sura takes the sura item with it.
        QSignalSpy update(heart.Record(), &LearnerRecord::HeartChanged);
        heart.SetCurrent(heart.SuraItem("112")->child(0));
        heart.RemoveItem();
        QVERIFY(!heart.SuraItem("112"));
        QCOMPARE(heart.Count(), 4);
        QCOMPARE(update.last().at(0).toInt(), 4);
        // One aya of a complete sura: its picture drops.
        heart.SetCurrent(heart.SuraItem("108")->child(0));
        heart.RemoveItem();
        QCOMPARE(Picture(heart.SuraItem("108")), QString("heart4.png"));
        // A whole sura, with its ayas.
        heart.SetCurrent(heart.SuraItem("108"));
        heart.RemoveSura();
        QCOMPARE(heart.Count(), 1);
        QCOMPARE(Ayas(&heart), QStringList({"036.012"}));
        // It can be added again.
        heart.DropText("all.108");
        QCOMPARE(heart.Count(), 4);
    }
};

QTEST_MAIN(TestHeart)
#include "test_heart.moc"
