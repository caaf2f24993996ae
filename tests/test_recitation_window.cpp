// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's own recitation in the window, driven by keys and the accessibility bus, with a virtual
// microphone (scripts/virtual-mic) that this test speaks into: Record, the level, the file kept, the
// marks in the heart and on the status line, Play Mine, Compare with its waveforms, Delete after asking,
// and Record with Test me, once in each pause. Run without any microphone, Record says so once and
// playback goes on working.
#include "capture.h"
#include "compare.h"
#include "config.h"
#include "heart.h"
#include "learner_record.h"
#include "mic_writer.h"
#include "naming.h"
#include "recitation_session.h"
#include "span_drill.h"
#include "varn.h"
#include "waveform.h"
#include "whole.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <mutex>

using fixtures::ShowActive;

using fixtures::Press;

namespace
{

// The check's verdict, once the check beside the window has given one.
QString Verdict(const fixtures::Controls& w)
{
    fixtures::WaitFor(
        [&] { return !w.checkResult->text().isEmpty() && !w.checkResult->text().startsWith("Checking"); },
        10000);
    return w.checkResult->text();
}

// The microphone hears the voice while speaking is set, and quiet otherwise.
struct Speaker {
    std::mutex mutex;
    bool speaking = false;
    size_t at = 0;
    std::vector<int16_t> voice = fixtures::VoiceSamples(0.6);

    std::vector<int16_t> Next(size_t frames)
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<int16_t> out(frames, 0);
        if (!speaking)
            return out;
        for (size_t k = 0; k < frames; ++k)
            out[k] = voice[(at + k) % voice.size()];
        at += frames;
        return out;
    }
    void Speak(bool on)
    {
        std::lock_guard<std::mutex> lock(mutex);
        speaking = on;
        at = 0;
    }
};

// A working folder with suras 104-114 of tones toneMs long.
void Prepare(Workspace& ws, int toneMs)
{
    ws.Pack("quran/s104_s114.dat", 104, 114, toneMs);
    ws.Write("config.ini", "0\n");
}

// The window in front, the learner's profile made, Al-Ikhlas shown and nothing playing.
void Open(Varn& window, const std::string& learner)
{
    ShowActive(window);
    window.NewProfile(learner);
    fixtures::Choose(window, "112. Al-Ikhlas");
    window.StopAya();
}

// The virtual microphone, hearing what speaker says.
std::unique_ptr<fixtures::MicWriter> Listen(Speaker& speaker)
{
    return std::make_unique<fixtures::MicWriter>(qgetenv("VARNEL_TEST_MIC").toStdString(),
                                                 [&speaker](size_t frames) { return speaker.Next(frames); });
}

} // namespace

class TestRecitationWindow : public QObject
{
    Q_OBJECT

  private slots:
    void recordPlayCompareDelete()
    {
        QVERIFY2(!sound::InputDevices().empty(), "no microphone: is scripts/virtual-mic running?");
        Workspace ws;
        Prepare(ws, 400);
        Speaker speaker;
        const auto mic = Listen(speaker);
        Varn window;
        Open(window, "Amina");
        fixtures::Drop(fixtures::C(window).heart, "112.001");
        window.SaveProfile();
        const QByteArray profile = ws.Read("profiles/Amina.varn");
        QVERIFY(!profile.isEmpty());

        // Ctrl+R records the aya shown; the button says so, the meter moves; Ctrl+R again ends the take.
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(window.Mine()->TheRecorder().Recording());
        QCOMPARE(fixtures::C(window).recordButton->text(), QString("Stop Recording"));
        QCOMPARE(fixtures::C(window).recordButton->accessibleDescription(), QString("Recording"));
        QVERIFY(fixtures::C(window).recordLevel->isVisible());
        speaker.Speak(true);
        QVERIFY(fixtures::WaitFor([&] { return fixtures::C(window).recordLevel->value() > 50; }, 3000));
        QTest::qWait(600);
        speaker.Speak(false);
        QTest::qWait(400);
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(!window.Mine()->TheRecorder().Recording());
        QVERIFY(!fixtures::C(window).recordLevel->isVisible());
        QCOMPARE(fixtures::C(window).recordButton->text(), QString("Record"));
        QVERIFY(QFile::exists(ws.Path("profiles/Amina.recordings/112001.ogg")));
        QVERIFY2(window.statusBar()->currentMessage().contains("is kept"),
                 qPrintable(window.statusBar()->currentMessage()));
        QVERIFY(fixtures::C(window).heart->RecordedMarked("112.001"));
        QVERIFY(fixtures::C(window).statusLine->text().contains("recorded"));
        QVERIFY(ws.messages.isEmpty());

        // Play Mine plays it alone; Compare plays the reciter, then the learner, with both waveforms.
        std::vector<std::pair<std::string, bool>> turns;
        connect(window.Session(), &RecitationSession::VoiceTurn, this, [&](AyaRef aya, bool mine) {
            turns.push_back({aya.Key(), mine});
        });
        Press(fixtures::C(window).playMineButton);
        QVERIFY(window.Session()->Comparing());
        QVERIFY(fixtures::WaitFor([&] { return !window.Session()->Comparing(); }, 5000));
        QCOMPARE(turns, (std::vector<std::pair<std::string, bool>>{{"112.001", true}}));
        turns.clear();
        Press(fixtures::C(window).compareButton);
        QVERIFY(fixtures::C(window).waveforms->isVisible());
        QVERIFY(fixtures::WaitFor([&] { return !window.Session()->Comparing(); }, 5000));
        QCOMPARE(turns, (std::vector<std::pair<std::string, bool>>{{"112.001", false}, {"112.001", true}}));
        QVERIFY(fixtures::WaitFor([&] { return !fixtures::C(window).waveforms->isVisible(); }, 1000));
        QCOMPARE(window.Session()->ActiveDrill(), static_cast<Drill*>(window.Session()->WholeDrill()));
        QCOMPARE(ws.Read("profiles/Amina.varn"), profile); // recordings live beside it

        // Another aya, not recorded: Play Mine says so and plays nothing.
        window.NextAya();
        window.StopAya();
        Press(fixtures::C(window).playMineButton);
        QVERIFY(!window.Session()->Comparing());
        QVERIFY(window.statusBar()->currentMessage().contains("not recorded"));
        window.PrevAya();
        window.StopAya();

        // Delete asks first: No keeps the recording, Yes deletes it and its marks.
        QMenu* menu = fixtures::C(window).deleteRecordingButton->menu();
        QVERIFY(menu && menu->actions().size() == 3);
        menu->actions()[0]->trigger(); // one take only: nothing to bring back
        QVERIFY(window.statusBar()->currentMessage().contains("no previous take"));
        QAction* deleteThis = menu->actions()[1];
        SetQuestionAnswer(false);
        deleteThis->trigger();
        QVERIFY(QFile::exists(ws.Path("profiles/Amina.recordings/112001.ogg")));
        SetQuestionAnswer(true);
        deleteThis->trigger();
        QVERIFY(!QFile::exists(ws.Path("profiles/Amina.recordings/112001.ogg")));
        QVERIFY(!fixtures::C(window).heart->RecordedMarked("112.001"));
        QVERIFY(!fixtures::C(window).statusLine->text().contains("recorded"));
        QCOMPARE(ws.Read("config.ini"), QByteArray("0\n"));
    }

    // With Test me and a pause, Record waits for each pause and keeps what was said in it as the
    // recording of the aya just heard; the take ends with the pause.
    // Each take is checked against the reciter at once, and Check (or View > Practice > Check My
    // Recitation) checks again: the verdict in words under the waveforms, the stretches marked. A take of
    // the reciter's own sound matches; another sound is "different"; without a recording, Check says so.
    void checkAgainstTheReciter()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 900);
        Varn window;
        window.NewProfile("Amina");
        const fixtures::Controls w = fixtures::C(window);
        const std::string key = window.Session()->CurrentAya();
        Press(w.checkButton);
        QVERIFY2(window.statusBar()->currentMessage().contains("not recorded"),
                 qPrintable(window.statusBar()->currentMessage()));
        QVERIFY(w.checkResult->text().isEmpty());

        sound::Pcm reciter;
        const QByteArray tone = fixtures::ToneOgg(900);
        QCOMPARE(sound::DecodeAll(tone.constData(), size_t(tone.size()), &reciter), sound::Ok);
        emit window.Mine()->TheRecorder().Taken(AyaRef::FromKey(key), reciter);
        QVERIFY2(Verdict(w).contains(", match:"), qPrintable(w.checkResult->text()));
        QVERIFY(!w.waveforms->isHidden());
        // The heart marks the aya while its last check matched, and the mark is kept with the recordings.
        int sura = 0, aya = 0;
        QVERIFY(SplitAyaKey(key, &sura, &aya));
        QVERIFY(window.Record().Recorded().Matched(sura, aya) && w.heart->MatchMarked(key));
        QVERIFY(ws.Read("profiles/Amina.recordings/matched.txt")
                    .startsWith(QByteArray::fromStdString(Recordings::FileName(sura, aya).substr(0, 6))));
        // A mark that cannot be kept (a folder stands where it goes) is told, not lost in silence.
        const QString matched = ws.Path("profiles/Amina.recordings/matched.txt");
        QVERIFY(QFile::remove(matched));
        QVERIFY(QDir().mkpath(matched + "/in-the-way"));
        emit window.Mine()->TheRecorder().Taken(AyaRef::FromKey(key), reciter);
        QVERIFY2(Verdict(w).contains("could not be kept"), qPrintable(w.checkResult->text()));
        QVERIFY(QDir(matched).removeRecursively());
        // A recording that cannot be read is named as the reason, under the waveforms.
        const QString mine =
            ws.Path("profiles/Amina.recordings/") + QString::fromStdString(Recordings::FileName(sura, aya));
        QVERIFY(fixtures::PutFile(mine, QByteArray(2000, 'j')));
        w.checkResult->clear();
        Press(w.checkButton);
        QVERIFY2(Verdict(w).contains("cannot be checked: the learner's recording cannot be read"),
                 qPrintable(w.checkResult->text()));
        emit window.Mine()->TheRecorder().Taken(AyaRef::FromKey(key), reciter);
        QVERIFY2(Verdict(w).contains(", match:"), qPrintable(w.checkResult->text()));

        // Speech where the reciter holds a note: no recitation of this aya.
        sound::Pcm other;
        const std::vector<char> speech = fixtures::Spoken(
            QString::fromUtf8("إنا أعطيناك الكوثر فصل لربك وانحر"), {"-v", "ar", "-s", "135"});
        if (speech.empty())
            QSKIP("espeak-ng is not installed");
        QCOMPARE(sound::DecodeAll(speech.data(), speech.size(), &other), sound::Ok);
        emit window.Mine()->TheRecorder().Taken(AyaRef::FromKey(key), other);
        QVERIFY2(Verdict(w).contains(", different:"), qPrintable(w.checkResult->text()));
        QVERIFY(!window.Record().Recorded().Matched(sura, aya) && !w.heart->MatchMarked(key));
        // Checked again from the menu, the same verdict; the label is a screen reader's to read.
        QAction* check = nullptr;
        for (QAction* a : w.practice->actions())
            if (a->text() == "Check My Recitation")
                check = a;
        QVERIFY(check);
        w.checkResult->clear();
        check->trigger();
        QVERIFY2(Verdict(w).contains(", different:"), qPrintable(w.checkResult->text()));
        QCOMPARE(w.checkResult->accessibleName(), QString("Check result"));

        // The check runs beside the window: while it is under way the window answers, and the learner
        // who moves to another aya meanwhile is not given the verdict of the one left.
        check->trigger();
        QVERIFY(w.checkResult->text().startsWith("Checking"));
        QTest::keyClick(&window, Qt::Key_Right, Qt::ControlModifier);
        QVERIFY(window.Session()->CurrentAya() != key);
        fixtures::Idle(300);
        QVERIFY2(w.checkResult->text().isEmpty(), qPrintable(w.checkResult->text()));
    }

    // After a check that found words left out, the learner hears the reciter say just them, and the
    // lesson's drill comes back afterwards.
    void hearWhatWasLeftOut()
    {
        const std::vector<char> said = fixtures::Spoken(
            QString::fromUtf8("قل هو الله أحد الله الصمد لم يلد ولم يولد ولم يكن له كفوا أحد"),
            {"-v", "ar", "-s", "135"});
        if (said.empty())
            QSKIP("espeak-ng is not installed");
        sound::Pcm reciter;
        QCOMPARE(sound::DecodeAll(said.data(), said.size(), &reciter), sound::Ok);
        std::vector<char> ogg;
        QCOMPARE(sound::EncodeOggVorbis(reciter, 0.4, &ogg), sound::Ok);
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 0, QByteArray(ogg.data(), int(ogg.size())));
        Varn window;
        window.NewProfile("Amina");
        const std::string key = window.Session()->CurrentAya();
        const fixtures::Controls w = fixtures::C(window);
        QVERIFY(!w.hearLeftOutButton->isEnabled());

        // Half a second left out of the middle.
        sound::Pcm cut = reciter;
        const size_t from = reciter.samples.size() / 2 / size_t(reciter.channels) * size_t(reciter.channels);
        const size_t length = size_t(reciter.rate / 2) * size_t(reciter.channels);
        cut.samples.erase(cut.samples.begin() + long(from), cut.samples.begin() + long(from + length));
        emit window.Mine()->TheRecorder().Taken(AyaRef::FromKey(key), cut);
        QVERIFY2(Verdict(w).contains(", partial:"), qPrintable(w.checkResult->text()));
        QVERIFY(w.hearLeftOutButton->isEnabled());
        QVERIFY(w.waveforms->ShowsPitch()); // both voices' melodies, the learner's on the reciter's time
        // On a laptop's screen the panel is short: it scrolls to the verdict, which shows whole.
        window.resize(1366, 740);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Press(w.checkButton);
        Verdict(w);
        fixtures::Idle(100);
        QCOMPARE(w.checkResult->visibleRegion().boundingRect().height(), w.checkResult->height());

        Press(w.hearLeftOutButton);
        const auto* span = qobject_cast<SpanDrill*>(window.Session()->AsideDrill());
        QVERIFY(span);
        const double cutAt = double(from / size_t(reciter.channels)) / reciter.rate;
        QVERIFY2(
            span->SpanStart() / 1000.0 < cutAt + 0.3 && span->SpanEnd() / 1000.0 > cutAt + 0.2,
            qPrintable(
                QString("%1-%2 for a cut at %3").arg(span->SpanStart()).arg(span->SpanEnd()).arg(cutAt)));
        // Told as the verdict names the span, though heard a little either side.
        const QRegularExpression named("Left out, in the reciter's time: ([0-9.]+ to [0-9.]+ s)");
        const QString spanNamed = named.match(w.checkResult->text()).captured(1);
        QVERIFY2(!spanNamed.isEmpty() &&
                     window.statusBar()->currentMessage().startsWith("The reciter: " + spanNamed),
                 qPrintable(window.statusBar()->currentMessage() + " | " + w.checkResult->text()));
        QVERIFY(fixtures::WaitFor([&] { return !window.Session()->AsideDrill(); }, 4000));
        QCOMPARE(window.Session()->ActiveDrill()->Name(), std::string("Whole"));
        QVERIFY(!window.Session()->Busy());
        fixtures::Idle(200);
        QVERIFY(!w.waveforms->isHidden()); // the marks stay to be read again
        QVERIFY(ws.messages.isEmpty());
    }

    void testMeRecordsEachPause()
    {
        Workspace ws;
        Prepare(ws, 300);
        Speaker speaker;
        const auto mic = Listen(speaker);
        Varn window;
        Open(window, "Bilal");
        fixtures::C(window).testMeCheck->setChecked(true);
        fixtures::C(window).pauseSpin->setValue(1);
        fixtures::C(window).playButton->click();
        speaker.Speak(true);
        Press(fixtures::C(window).recordButton);
        QVERIFY(window.Mine()->Armed());
        QVERIFY(!window.Mine()->TheRecorder().Recording()); // not while the reciter plays
        QVERIFY(fixtures::WaitFor([&] { return window.Mine()->TheRecorder().Recording(); }, 3000));
        QVERIFY(window.Session()->Pausing());
        QVERIFY2(fixtures::WaitFor(
                     [&] { return QFile::exists(ws.Path("profiles/Bilal.recordings/112001.ogg")); }, 3000),
                 qPrintable(window.statusBar()->currentMessage()));
        QVERIFY(fixtures::WaitFor(
            [&] { return QFile::exists(ws.Path("profiles/Bilal.recordings/112002.ogg")); }, 4000));
        Press(fixtures::C(window).recordButton);
        QVERIFY(!window.Mine()->Armed());
        window.StopAya();
        QVERIFY(ws.messages.isEmpty());
    }

    // The microphone is chosen in Preferences beside the output and kept in varnel.ini; config.ini keeps
    // its bytes, and the next window records from it.
    void microphoneInPreferences()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 300);
        ws.Write("config.ini", "0\n");
        {
            Varn window;
            window.ShowConfig();
            QComboBox* inputs = window.ConfigDialog()->InputChooser();
            QCOMPARE(inputs->itemText(0), QString("The system's default"));
            const int mic = inputs->findText("FIFO", Qt::MatchContains);
            QVERIFY2(mic > 0, qPrintable(QString::number(inputs->count())));
            inputs->setCurrentIndex(mic);
            window.ConfigDialog()->OkClicked();
            QCOMPARE(window.Mine()->Input(), inputs->itemData(mic).toString());
            QCOMPARE(ws.Read("config.ini"), QByteArray("0\n"));
            QVERIFY(ws.Read("varnel.ini").contains("input="));
        }
        Varn again;
        QVERIFY(again.Mine()->Input().contains("FIFO"));
        again.ShowConfig();
        QCOMPARE(again.ConfigDialog()->InputChooser()->currentData().toString(), again.Mine()->Input());
        again.ConfigDialog()->CancelClicked();
    }

    // No microphone at all (run with OpenAL's null driver): Record says so once, and playback works.
    void noMicrophone()
    {
        if (!sound::InputDevices().empty())
            QSKIP("a microphone is there: this case runs with ALSOFT_DRIVERS=null");
        Workspace ws;
        Prepare(ws, 300);
        Varn window;
        Open(window, "Zaid");
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY2(ws.messages[0].contains("No microphone"), qPrintable(ws.messages[0]));
        QCOMPARE(fixtures::C(window).recordButton->text(), QString("Record"));
        QVERIFY(!window.Mine()->TheRecorder().Recording());
        fixtures::C(window).playButton->click();
        QVERIFY(window.Session()->Playing() || window.Session()->WholeDrill()->Player()->Busy());
        window.StopAya();
        QCOMPARE(ws.messages.size(), 1);
    }
};

QTEST_MAIN(TestRecitationWindow)
#include "test_recitation_window.moc"
