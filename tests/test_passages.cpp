// SPDX-License-Identifier: GPL-3.0-or-later
// Passages in the window: chosen beside the sura chooser, played across suras, added to the heart,
// kept for the learner.
#include "aya.h"
#include "draglabel.h"
#include "juz_progress.h"
#include "mp3.h"
#include "naming.h"
#include "passage.h"
#include "profile_file.h"
#include "review_book.h"
#include "review_panel.h"
#include "whole.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTreeWidget>

namespace
{

// Names a passage in the boxes and presses Play through its accessible default action, as a screen
// reader does.
void PlayPassage(Varn& window, PassageKind kind, int number)
{
    fixtures::C(window).passageKind->setCurrentIndex(int(kind));
    fixtures::C(window).passageNumber->setValue(number);
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(fixtures::C(window).passagePlay);
    QVERIFY(button && button->actionInterface());
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(200); // a pressed button clicks after its short animation
}

QString Title(const Varn& window) { return fixtures::C(window).title->text(); }

} // namespace

class TestPassages : public QObject
{
    Q_OBJECT

  private slots:
    // Page 602 plays its fourteen ayas in mushaf order across three suras; the picture, the title and
    // the status line follow the aya playing. Choosing a sura leaves the passage.
    void pagePlaysAcrossSuras()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 60);
        Varn window;
        window.NewProfile("Sara");
        QCOMPARE(fixtures::C(window).passageKind->accessibleName(), QString("Passage kind"));
        QCOMPARE(fixtures::C(window).passageNumber->accessibleName(), QString("Passage number"));
        QStringList shown, titles, lines;
        connect(window.Session(), &RecitationSession::AyaShown, [&](AyaRef aya) {
            shown << QString::fromStdString(aya.Key());
            titles << Title(window);
            lines << fixtures::C(window).statusLine->text();
        });
        QSignalSpy finished(window.Session(), &RecitationSession::DrillFinished);
        PlayPassage(window, PassageKind::Page, 602);
        QVERIFY(Title(window).contains(QString::fromUtf8("Page 602 · 106:1 – 108:3")));
        QVERIFY(fixtures::WaitFor([&] { return finished.count() > 0; }, 5000));
        QStringList expected;
        for (const std::string& key : Passage::Make(PassageKind::Page, 602).Ayas())
            expected << QString::fromStdString(key);
        QCOMPARE(shown.mid(0, 14), expected);
        QVERIFY2(titles[5].contains("107"), qPrintable(titles[5]));
        QVERIFY2(titles[12].contains("108"), qPrintable(titles[12]));
        QVERIFY2(lines[4].startsWith(QString::fromUtf8("Page 602 · aya 5 of 14 (107:1) · repetition 1 of 1")),
                 qPrintable(lines[4]));
        QVERIFY(ws.messages.isEmpty());
        QCOMPARE(fixtures::C(window).title->dragText, std::string("page 602"));

        fixtures::Choose(window,
                         fixtures::C(window).chooser->itemText(fixtures::C(window).chooser->count() - 1));
        QVERIFY(window.Session()->CurrentPassage().Empty());
        QVERIFY(!Title(window).contains("Page"));
        QVERIFY(fixtures::C(window).title->dragText.empty());
        window.StopAya();
    }

    // A passage whose suras are not all installed names the packs it needs and plays nothing.
    void missingPacks()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 60);
        Varn window;
        window.NewProfile("Sara");
        PlayPassage(window, PassageKind::Juz, 30);
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY2(ws.messages[0].contains("Juz 30") && ws.messages[0].contains("An-Naba") &&
                     !ws.messages[0].contains("An-Nas"),
                 qPrintable(ws.messages[0]));
        // One sura a line: the breaks are markup, never shown as "<br>".
        QVERIFY2(ws.messages[0].contains("An-Naba<br>") && !ws.messages[0].contains("&lt;br&gt;"),
                 qPrintable(ws.messages[0]));
        QVERIFY(window.Session()->CurrentPassage().Empty());
        QVERIFY(!window.Session()->Busy());
    }

    // Return in the number box plays the passage; a number beyond the kind's (Hizb 240) is refused in
    // words, never cut to one that fits.
    void numberBox()
    {
        Workspace ws;
        ws.Pack("quran/s078_s114.dat", 78, 114, 60);
        ws.Write("config.ini", "0\n");
        Varn window;
        window.NewProfile("Sara");
        fixtures::ShowActive(window);
        fixtures::C(window).passageKind->setCurrentIndex(int(PassageKind::Hizb));
        QSpinBox* box = fixtures::C(window).passageNumber;
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "240");
        QCOMPARE(box->value(), 240);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY2(ws.messages[0].contains("Hizb 240") && ws.messages[0].contains("60"),
                 qPrintable(ws.messages[0]));
        QVERIFY(window.Session()->CurrentPassage().Empty());
        box->selectAll();
        QTest::keyClicks(box, "60");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(ws.messages.size(), 1);
        QCOMPARE(window.Session()->CurrentPassage().Kind(), PassageKind::Hizb);
        QCOMPARE(window.Session()->CurrentPassage().Number(), 60);
        window.StopAya();
    }

    // Juz 30 enters the heart in one action; its cell fills, and the profile holds exactly its ayas.
    // The title of a page drags the page to the heart.
    void heartByPassage()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 60);
        Varn window;
        window.NewProfile("Sara");
        fixtures::C(window).passageKind->setCurrentIndex(int(PassageKind::Juz));
        fixtures::C(window).passageNumber->setValue(30);
        window.findChild<WindowActions*>()->addPassage->trigger();
        const std::vector<std::string> juz30 = Passage::Make(PassageKind::Juz, 30).Ayas();
        QCOMPARE(fixtures::C(window).heart->Count(), int(juz30.size()));
        QCOMPARE(fixtures::C(window).juzProgress->Learnt(30), fixtures::C(window).juzProgress->Size(30));
        QCOMPARE(fixtures::C(window).juzProgress->Learnt(29), 0);
        QVERIFY(fixtures::C(window).juzProgress->accessibleDescription().contains("1 of 30 juz begun"));
        window.SaveProfile();
        ProfileData saved;
        std::string problem;
        QVERIFY(ReadProfile(ws.Path("profiles/Sara.varn").toStdString(), &saved, &problem));
        std::vector<std::string> sorted = saved.heart;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, juz30);

        Varn other;
        other.NewProfile("Omar");
        PlayPassage(other, PassageKind::Page, 602);
        other.StopAya();
        QTest::mouseClick(fixtures::C(other).title, Qt::LeftButton);
        QCOMPARE(ws.drags.back().text, QString("page 602"));
        fixtures::Drop(fixtures::C(other).heart, ws.drags.back().text);
        QCOMPARE(fixtures::C(other).heart->Count(), 14);
        QCOMPARE(fixtures::C(other).juzProgress->Learnt(30), 14);
    }

    // Reviewing by page: the panel lists pages, and a page item plays its ayas across suras.
    void reviewByPage()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 40);
        Varn window;
        window.NewProfile("Sara");
        QComboBox* unit = fixtures::C(window).reviewPanel->UnitBox();
        QCOMPARE(unit->accessibleName(), QString("Review unit"));
        unit->setCurrentIndex(1);
        emit unit->activated(1);
        fixtures::C(window).passageKind->setCurrentIndex(int(PassageKind::Page));
        fixtures::C(window).passageNumber->setValue(604);
        window.findChild<WindowActions*>()->addPassage->trigger();
        QCOMPARE(window.Record().Review().ItemUnit(), ReviewBook::Unit::Page);
        QCOMPARE(int(window.Record().Review().Items().size()), 1);
        QCOMPARE(fixtures::C(window).reviewPanel->DueList()->headerItem()->text(0), QString("Page"));
        QStringList shown;
        connect(window.Session(), &RecitationSession::AyaShown,
                [&](AyaRef aya) { shown << QString::fromStdString(aya.Key()); });
        QSignalSpy finished(window.Session(), &RecitationSession::ReviewFinished);
        emit fixtures::C(window).reviewPanel->ReviewRequested(112, 1); // as its Review button asks
        QVERIFY(fixtures::WaitFor([&] { return finished.count() > 0; }, 5000));
        QCOMPARE(shown.mid(0, 15).join(' '), QString::fromStdString([] {
                     std::string all;
                     for (const std::string& key : Passage::Make(PassageKind::Page, 604).Ayas())
                         all += (all.empty() ? "" : " ") + key;
                     return all;
                 }()));
    }

    // A learner who recorded sura 108 alone, imported as an add-on recitation and chosen: their voice
    // for 108, the pack's for the rest, and the pack's pictures and texts throughout.
    void ownVoiceForOneSura()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 60);
        std::map<std::string, QByteArray> mine;
        for (int a = 1; a <= 3; ++a)
            mine[SoundName(AyaKey("108", a))] = fixtures::ToneOgg(300);
        QVERIFY(fixtures::WriteArchive(ws.Path("quran/extra/Mine/s104_s114.dat"), mine));
        ws.Write("recite.ini", "s104_s114.dat\tMine\n");
        Varn window;
        window.NewProfile("Sara");
        AyaPlayer* player = window.Session()->WholeDrill()->Player();
        QVERIFY2(qAbs(player->GetLength("108.002.ogg") - 300) < 40,
                 qPrintable(QString::number(player->GetLength("108.002.ogg"))));
        QVERIFY(qAbs(player->GetLength("107.001.ogg") - 60) < 40);
        window.SetArabic("108.002");
        QVERIFY(fixtures::C(window).textPanel->toPlainText().contains("Translation of 108.002"));
        QVERIFY(!fixtures::C(window).ayaView->pixmap().isNull());
        QVERIFY(ws.messages.isEmpty());
    }

    // Times 2 with Loop plays the page twice and stops; the learner finds the passage again next time.
    void timesAndTheLearnersPassage()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 40);
        {
            Varn window;
            window.NewProfile("Sara");
            fixtures::C(window).timesSpin->setValue(2);
            fixtures::C(window).loopCheck->setChecked(true);
            window.StopAya();
            QStringList shown;
            connect(window.Session(), &RecitationSession::AyaShown,
                    [&](AyaRef aya) { shown << QString::fromStdString(aya.Key()); });
            QSignalSpy finished(window.Session(), &RecitationSession::DrillFinished);
            PlayPassage(window, PassageKind::Page, 604); // 112:1-4, 113:1-5, 114:1-6
            QVERIFY(fixtures::WaitFor([&] { return finished.count() > 0; }, 5000));
            QTest::qWait(150);
            QCOMPARE(shown.count("113.001"), 2);
            QCOMPARE(shown.mid(0, 16).last(), QString("112.001")); // the second pass
            QVERIFY(!window.Session()->Busy());
            window.SaveProfile();
        }
        Varn again;
        again.LoadProfile("Sara");
        QCOMPARE(fixtures::C(again).passageNumber->value(), 604);
        QCOMPARE(fixtures::C(again).timesSpin->value(), 2);
        QCOMPARE(again.Session()->CurrentPassage(), Passage::Make(PassageKind::Page, 604));
        QVERIFY(!again.Session()->Busy());
    }
};

QTEST_MAIN(TestPassages)
#include "test_passages.moc"
