// SPDX-License-Identifier: GPL-3.0-or-later
// The aya's words in the window: the word heard marked in step with the sound, a click on a word
// playing from it, Reveal a word at a time, the part snapped to words, and the check naming words.
#include "aya.h"
#include "check_words.h"
#include "fixtures.h"
#include "recitation_session.h"
#include "span_drill.h"
#include "varn.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QAccessible>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

using fixtures::ViewAction;

namespace
{

// Three words over the workspace's 300x60 picture, right to left, a third of 900 ms each.
AyaWords ThreeWords()
{
    AyaWords words(3);
    words[0] = {QString::fromUtf8("قُلۡ"), QRect(200, 0, 100, 60), 0, 300, WordTiming::Exact};
    words[1] = {QString::fromUtf8("هُوَ"), QRect(100, 0, 100, 60), 300, 600, WordTiming::Exact};
    words[2] = {QString::fromUtf8("ٱللَّهُ"), QRect(0, 0, 100, 60), 600, 900, WordTiming::Exact};
    return words;
}

constexpr int kToneMs = 900;

// Suras 104-114 whose every aya is a tone of kToneMs with ThreeWords, and a sound device chosen.
void PackWithWords(Workspace& ws)
{
    ws.Pack("quran/s104_s114.dat", 104, 114, kToneMs, {}, FormatAyaWords(ThreeWords()));
    ws.Write("config.ini", "0\n");
}

// A learner's window, shown and active, at 114:1.
void ShowFirstAya(Varn& window)
{
    window.NewProfile("Hafsa");
    fixtures::ShowActive(window);
    window.SetArabic("114.001");
}

} // namespace

class TestWordWindow : public QObject
{
    Q_OBJECT

  private slots:
    // While the aya plays, the word marked moves on as the sound does: each word is marked within a
    // short lag of the time its first sound is heard, and nothing is marked once the aya has ended.
    void theHeardWordIsMarked()
    {
        Workspace ws;
        PackWithWords(ws);
        Varn window;
        ShowFirstAya(window);
        Aya* view = fixtures::C(window).ayaView;
        QCOMPARE(view->WordCount(), 3);
        QVERIFY(view->WordRect(0).right() > view->WordRect(2).right()); // the first word on the right

        // When each word was first marked, from the sound's first report of its place; and the words
        // marked in turn, through a repeat of the aya.
        std::vector<qint64> marked(3, -1);
        std::vector<int> sequence;
        QElapsedTimer clock;
        qint64 firstReport = -1;
        QImage secondWordShown;
        connect(window.Session(), &RecitationSession::SoundPosition, &window, [&](int ms) {
            if (firstReport < 0)
                firstReport = clock.elapsed() - ms;
        });
        fixtures::C(window).repeatSpin->setValue(2);
        clock.start();
        fixtures::C(window).playButton->click();
        QVERIFY(fixtures::WaitFor([&] { return window.Session()->Playing(); }, 2000));
        QVERIFY(fixtures::WaitFor(
            [&] {
                const int w = view->HeardWord();
                if (w >= 0 && marked[size_t(w)] < 0) {
                    marked[size_t(w)] = clock.elapsed();
                    if (w == 1)
                        secondWordShown = view->viewport()->grab().toImage();
                }
                if (w >= 0 && (sequence.empty() || sequence.back() != w))
                    sequence.push_back(w);
                return window.Session()->CurrentAya() != "114.001";
            },
            5000));
        window.StopAya();
        QCOMPARE(view->HeardWord(), -1);
        QCOMPARE(sequence, std::vector<int>({0, 1, 2, 0, 1, 2}));
        QVERIFY(firstReport >= 0);
        for (int w = 0; w < 3; ++w) {
            const qint64 lag = marked[size_t(w)] - (firstReport + ThreeWords()[size_t(w)].startMs);
            QVERIFY2(marked[size_t(w)] >= 0 && lag > -60 && lag < 120,
                     qPrintable(QString("word %1 marked %2 ms after it was heard").arg(w).arg(lag)));
        }
        // The second word is underlined, the first is not: the line's row differs between them.
        auto underline = [&](int w) {
            const QRect r = view->WordRect(w);
            return secondWordShown.pixelColor(r.center().x(), r.bottom() - int(r.height() * 0.12) - 1);
        };
        QVERIFY(!secondWordShown.isNull());
        QVERIFY2(std::abs(underline(1).red() - underline(0).red()) > 20,
                 qPrintable(underline(1).name() + " " + underline(0).name()));
        // Turned off, nothing is marked, and the choice is kept.
        ViewAction(window, "Mark the &Heard Word")->trigger();
        QVERIFY(ws.Read("varnel.ini").contains("mark-words=false"));
        fixtures::C(window).playButton->click();
        QTest::qWait(400);
        QCOMPARE(view->HeardWord(), -1);
        window.StopAya();
    }

    // A click on a word plays the aya from it; Reveal uncovers a word at a time; the part's marks snap
    // to the words' edges.
    void wordsToActOn()
    {
        Workspace ws;
        PackWithWords(ws);
        Varn window;
        ShowFirstAya(window);
        Aya* view = fixtures::C(window).ayaView;

        ws.dropsTaken = false; // let go where it was pressed: a click
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->WordRect(2).center());
        const auto* span = qobject_cast<SpanDrill*>(window.Session()->AsideDrill());
        QVERIFY(span);
        QCOMPARE(span->SpanStart(), 600);
        window.StopAya();
        // By keys: the picture focused, a word's number plays from it; a screen reader reads the words.
        QTest::keyClick(view, Qt::Key_2);
        QVERIFY(window.Session()->AsideDrill());
        QCOMPARE(qobject_cast<SpanDrill*>(window.Session()->AsideDrill())->SpanStart(), 300);
        window.StopAya();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view);
        QVERIFY(face->text(QAccessible::Description).startsWith(QString::fromUtf8("قُلۡ هُوَ")));

        ViewAction(window, "Hide the aya")->trigger();
        QCOMPARE(view->RevealedWords(), 0);
        QTest::keyClick(&window, Qt::Key_R);
        QCOMPARE(view->RevealedWords(), 1);
        QTest::keyClick(&window, Qt::Key_R);
        QCOMPARE(view->RevealedWords(), 2);
        QTest::keyClick(&window, Qt::Key_R);
        QCOMPARE(view->Hidden(), 0.0);
        ViewAction(window, "Hide the aya")->trigger();

        fixtures::C(window).singleCheck->setChecked(true);
        fixtures::C(window).partSlider->setValue(420);
        fixtures::C(window).singleStart->click();
        QCOMPARE(fixtures::C(window).startSpin->value(), 300);
        fixtures::C(window).partSlider->setValue(450);
        fixtures::C(window).singleEnd->click();
        QCOMPARE(fixtures::C(window).endSpin->value(), 600);
        ViewAction(window, "Snap the Part to Words")->trigger();
        fixtures::C(window).partSlider->setValue(700);
        fixtures::C(window).singleEnd->click();
        QCOMPARE(fixtures::C(window).endSpin->value(), 700);
    }

    // The check's stretches named by the words they hold; without words, by their times.
    void theCheckNamesWords()
    {
        listen::CheckResult result;
        result.verdict = listen::Verdict::Partial;
        result.score = 70;
        result.missing = {{0.62, 0.88}};
        result.changed = {{0.05, 0.55}};
        const QString named = VerdictWords("114.001", result, ThreeWords());
        QVERIFY2(named.contains(QString::fromUtf8("Left out: \u2068ٱللَّهُ\u2069 (word 3).")),
                 qPrintable(named));
        QVERIFY2(named.contains(QString::fromUtf8("Said differently: \u2068قُلۡ هُوَ\u2069 (words 1 to 2).")),
                 qPrintable(named));
        const std::vector<NamedStretch> stretches = NameStretches(result.missing, ThreeWords());
        QCOMPARE(stretches[0].startMs, 600); // heard as the word, whole
        QCOMPARE(stretches[0].endMs, 900);
        QVERIFY(
            VerdictWords("114.001", result, {}).contains("Left out, in the reciter's time: 0.6 to 0.9 s."));
    }
};

QTEST_MAIN(TestWordWindow)
#include "test_word_window.moc"
