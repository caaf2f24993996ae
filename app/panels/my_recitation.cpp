// SPDX-License-Identifier: GPL-3.0-or-later
#include "my_recitation.h"

#include "pitch.h"
#include "recitation_check.h"
#include "similar_ayas.h"
#include "sura_names.h"

#include "app_settings.h"
#include "aya.h"
#include "central_area.h"
#include "heart.h"
#include "learner_record.h"
#include "messages.h"
#include "naming.h"
#include "pack_registry.h"
#include "recitation_session.h"
#include "side_panels.h"
#include "window_actions.h"
#include "window_settings.h"
#include "word_marks.h"

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace
{

constexpr int kStatusMs = 6000;
// Heard around a stretch left out, so that its word is heard whole: the check's edges fall within a
// frame or two of the word's.
constexpr int kLeftOutMarginMs = 150;
constexpr int kWordMarginMs = 40;

// The rate the waveforms are drawn from: enough for peaks a few milliseconds apart.
constexpr int kWaveformRate = 16000;

// A voice as the waveforms draw it: its peaks, and its melody where that can be followed.
struct Drawn {
    WavePeaks peaks;
    Melody melody;
};

Drawn VoiceOf(const std::shared_ptr<const std::vector<char>>& bytes)
{
    // A waveform needs one channel at a modest rate; a recording longer than an aya draws nothing.
    sound::Pcm pcm;
    if (!bytes || !Recorder::DecodeVoice(*bytes, kWaveformRate, &pcm))
        return {};
    Drawn voice{WavePeaks::Build(pcm.samples.data(), pcm.Frames(), pcm.channels, pcm.rate), {}};
    std::vector<float> pitch = listen::PitchContour(pcm);
    if (listen::Followable(pitch)) {
        voice.melody.middle = listen::MedianPitch(pitch);
        voice.melody.pitch = std::move(pitch);
    }
    return voice;
}

// The reciter's recording of an aya, from whichever pack holds it; null when none does.
std::shared_ptr<const std::vector<char>> ReciterBytes(const PackRegistry& packs, const std::string& key)
{
    auto bytes = std::make_shared<std::vector<char>>();
    const KelRes* pack = packs.PackHolding(SoundName(key));
    if (!pack ||
        pack->ExtractInto(SoundName(key), bytes.get(), KelRes::kMaxRecordingBytes) != KelRes::ItemStatus::Ok)
        return nullptr;
    return bytes;
}

} // namespace

MyRecitation::MyRecitation(QObject* parent, const Parts& parts, RecitationSession* session,
                           LearnerRecord& record, WindowSettings& settings, const PackRegistry& packs)
    : QObject(parent), recitationPanel_(parts.panel), dock_(parts.dock), centre_(parts.centre),
      heartPanel_(parts.heartPanel), settingsPanel_(parts.settingsPanel), actions_(parts.actions),
      statusBar_(parts.statusBar), session_(session), record_(record), settings_(settings), packs_(packs)
{
    recorder_.SetDevice(settings_.Text(app_settings::kInputDevice).toStdString());
    session_->SetOwnRecordings(
        [this](AyaRef aya) { return aya.Valid() && record_.Recorded().Has(aya.sura, aya.aya); },
        [this](const std::string& key) -> std::shared_ptr<const std::vector<char>> {
            int sura = 0, aya = 0;
            if (!SplitAyaKey(key, &sura, &aya))
                return nullptr;
            auto bytes = record_.Recorded().Bytes(sura, aya);
            if (!bytes)
                TellUnplayable(key);
            return bytes;
        });
}

void MyRecitation::Connect()
{
    // View > Practice holds them too.
    connect(actions_.record, &QAction::triggered, this, &MyRecitation::Record);
    connect(actions_.playMine, &QAction::triggered, this, &MyRecitation::PlayMine);
    connect(actions_.compare, &QAction::triggered, this, &MyRecitation::Compare);
    connect(actions_.check, &QAction::triggered, this, &MyRecitation::Check);
    connect(recitationPanel_->checkButton, &QPushButton::clicked, this, &MyRecitation::Check);
    connect(recitationPanel_->hearLeftOutButton, &QPushButton::clicked, this, &MyRecitation::HearLeftOut);
    connect(recitationPanel_->recordButton, &QPushButton::clicked, this, &MyRecitation::Record);
    connect(recitationPanel_->playMineButton, &QPushButton::clicked, this, &MyRecitation::PlayMine);
    connect(recitationPanel_->compareButton, &QPushButton::clicked, this, &MyRecitation::Compare);
    connect(actions_.bringBackTake, &QAction::triggered, this, &MyRecitation::BringBackPrevious);
    connect(actions_.deleteThis, &QAction::triggered, this, &MyRecitation::DeleteThis);
    connect(actions_.deleteAll, &QAction::triggered, this, &MyRecitation::DeleteAll);
    recitationPanel_->deleteRecordingButton->setMenu(actions_.deleteRecordings);

    connect(&recorder_, &Recorder::Level, this, [this](double level) {
        // The meter in decibels from -60 to 0, as loudness is heard.
        const double db = level > 0 ? 20 * std::log10(level) : -60;
        recitationPanel_->recordLevel->setValue(int(std::clamp((db + 60) / 60 * 100, 0.0, 100.0)));
    });
    connect(&recorder_, &Recorder::RecordingChanged, this, &MyRecitation::ShowRecording);
    connect(&recorder_, &Recorder::Taken, this,
            [this](AyaRef aya, const sound::Pcm& take) { Keep(aya.Key(), take); });
    connect(&recorder_, &Recorder::Failed, this, [this](const QString& message) {
        armed_ = false;
        ShowRecording(false);
        ShowMessage("Varnel", message + "<br><br>" + tr("Everything else works as before."));
    });
    connect(session_, &RecitationSession::PauseChanged, this, &MyRecitation::OnPause);
    connect(&checker_, &CheckWorker::Finished, this, &MyRecitation::ShowCheck);
    // Another aya shown while its check is under way: that check's verdict would be read as this one's.
    // Another aya shown: the verdict of the one left would be read as this one's, and Hear Left Out
    // would play the one left.
    connect(session_, &RecitationSession::AyaShown, this, [this](AyaRef aya) {
        if (aya.Key() == leftOutKey_ || hearingLeftOut_)
            return;
        recitationPanel_->checkResult->clear();
        leftOut_.clear();
        recitationPanel_->hearLeftOutButton->setEnabled(false);
    });
    connect(&record_, &LearnerRecord::RecordingsChanged, this, &MyRecitation::ShowRecorded);
    // A new take, or one deleted: the waveforms are drawn again from what is kept now.
    connect(&record_, &LearnerRecord::RecordingsChanged, this, [this] { waveKey_.clear(); });
    connect(&record_, &LearnerRecord::HeartChanged, this, &MyRecitation::ShowRecorded);

    connect(session_, &RecitationSession::VoiceTurn, this,
            [this](AyaRef aya, bool mine) { ShowWaveforms(aya.Key(), mine); });
    connect(session_, &RecitationSession::SoundPosition, this, [this](int ms) {
        if (session_->Comparing() || hearingLeftOut_)
            recitationPanel_->waveforms->SetPosition(ms / 1000.0, hearingLeftOut_ ? false : mineNow_);
    });
    connect(session_, &RecitationSession::PlayingChanged, this, [this](bool playing) {
        if (playing)
            return;
        // After a stretch left out, the check's waveforms and marks stay for the learner to read again.
        if (hearingLeftOut_) {
            hearingLeftOut_ = false;
            recitationPanel_->waveforms->SetPosition(-1, false);
            return;
        }
        if (!session_->Comparing())
            recitationPanel_->waveforms->hide();
    });
    ShowRecorded();
}

void MyRecitation::SetInput(const QString& name)
{
    recorder_.SetDevice(name.toStdString());
    settings_.Remember(app_settings::kInputDevice, name);
}

QString MyRecitation::Input() const { return QString::fromStdString(recorder_.Device()); }

void MyRecitation::Record()
{
    if (recorder_.Recording() || armed_) {
        armed_ = false;
        recorder_.Finish();
        ShowRecording(false);
        return;
    }
    if (!record_.Loaded()) {
        ShowMessage("Varnel", tr("Choose or make a profile first: your recordings are kept with it."));
        return;
    }
    // With Test me and a pause, the learner recites each aya in the pause after it.
    if (settingsPanel_->testMeCheck->isChecked() && session_->Playing() &&
        (session_->PauseSeconds() > 0 || session_->PauseFactor() > 0)) {
        armed_ = true;
        ShowRecording(false);
        Tell(tr("Recite each aya in the pause after it; press Stop Recording (Ctrl+R) to end."));
        return;
    }
    session_->Stop(); // the reciter must not be recorded
    recorder_.Start(session_->Current());
}

void MyRecitation::OnPause(bool on, int ms)
{
    if (!armed_)
        return;
    if (on) {
        TakeRules rules;
        rules.maxSeconds = std::max(ms / 1000.0, 1.0);
        rules.waitForVoice = rules.maxSeconds;
        recorder_.Start(session_->Current(), rules);
    } else if (recorder_.Recording()) {
        recorder_.Finish();
    }
}

void MyRecitation::Keep(const std::string& key, const sound::Pcm& take)
{
    if (take.samples.empty()) {
        Tell(tr("Nothing was heard, so no recording of %1 was kept.").arg(Place(key)));
        return;
    }
    int sura = 0, aya = 0;
    std::string error;
    if (!SplitAyaKey(key, &sura, &aya) || !record_.SaveRecording(sura, aya, take, &error)) {
        ShowMessage("Varnel", tr("Your recitation of %1 could not be kept:").arg(Place(key)) + "<br>" +
                                  QString::fromStdString(error).toHtmlEscaped());
        return;
    }
    // Each take is checked at once: the learner reads whether the whole aya was said.
    CheckAya(key, tr("Your recitation of %1 is kept (%2 s).")
                      .arg(Place(key))
                      .arg(double(take.Frames()) / take.rate, 0, 'f', 1));
}

void MyRecitation::Check() { CheckAya(session_->CurrentAya()); }

void MyRecitation::CheckAya(const std::string& key, const QString& told)
{
    int sura = 0, aya = 0;
    if (!SplitAyaKey(key, &sura, &aya) || !record_.Recorded().Has(sura, aya)) {
        Tell(tr("You have not recorded %1 yet: press Record (Ctrl+R).").arg(Place(key)));
        return;
    }
    leftOutKey_ = key;
    leftOut_.clear();
    nextLeftOut_ = 0;
    recitationPanel_->hearLeftOutButton->setEnabled(false);
    // The reciter's recitations of the ayas this one is easily taken for, from the packs at hand.
    CheckWorker::Job job{key, ReciterBytes(packs_, key), record_.Recorded().Bytes(sura, aya), {}};
    for (const auto& [s, a] : SimilarAyas(sura, aya))
        if (const auto bytes = ReciterBytes(packs_, AyaKey(PadSura(IntToString(s)), a)))
            job.similar.push_back({std::to_string(s) + ":" + std::to_string(a), *bytes});
    checkTold_ = told;
    if (!told.isEmpty())
        Tell(told);
    recitationPanel_->checkResult->setText(tr("Checking your recitation of %1...").arg(Place(key)));
    checker_.Start(std::move(job));
}

QString MyRecitation::Verdict(const CheckWorker::Outcome& outcome, const AyaWords& words) const
{
    const std::string& key = outcome.key;
    if (!outcome.checked)
        return tr("%1 cannot be checked: %2.").arg(Place(key), QString::fromStdString(outcome.error));
    QString text = VerdictWords(key, outcome.result, words);
    int sura = 0, aya = 0;
    // A take worse than the one it replaced: that one is kept, and the learner is told where.
    if (outcome.result.verdict != listen::Verdict::Match && SplitAyaKey(key, &sura, &aya) &&
        record_.Recorded().PreviousMatched(sura, aya))
        text += " " + tr("Your previous take, which matched, is kept: bring it back with Delete > "
                         "Bring Back My Previous Take.");
    return text;
}

void MyRecitation::Retranslate()
{
    if (shown_ && shown_->key == session_->CurrentAya() && !recitationPanel_->checkResult->text().isEmpty())
        recitationPanel_->checkResult->setText(Verdict(*shown_, WordsOfAya(packs_, shown_->key)));
}

void MyRecitation::ShowCheck(const CheckWorker::Outcome& outcome)
{
    const std::string& key = outcome.key;
    const AyaWords words = outcome.checked ? WordsOfAya(packs_, key) : AyaWords();
    QString text = Verdict(outcome, words);
    int sura = 0, aya = 0;
    std::string noted;
    // The heart marks the aya while its last check matched; a mark that cannot be kept is told.
    if (outcome.checked && SplitAyaKey(key, &sura, &aya) &&
        !record_.NoteCheck(sura, aya, outcome.result.verdict == listen::Verdict::Match, &noted))
        text += " " + tr("The check's mark for %1 could not be kept: %2")
                          .arg(Place(key), QString::fromStdString(noted));
    // The verdict of an aya no longer shown (the drill moved on while it was checked) is told, never shown
    // as the verdict of the aya shown now.
    if (key == session_->CurrentAya()) {
        if (outcome.checked)
            MarkCheck(key, outcome.result, words);
        recitationPanel_->hearLeftOutButton->setEnabled(!leftOut_.empty());
        recitationPanel_->checkResult->setText(text);
        shown_ = outcome;
        // A short panel scrolls to the verdict once it is laid out: it is what the learner waits for.
        QTimer::singleShot(0, this, [this] {
            if (auto* area = qobject_cast<QScrollArea*>(dock_->widget()))
                area->ensureWidgetVisible(recitationPanel_->checkResult, 0, 0);
        });
    }
    Tell(checkTold_.isEmpty() ? text : checkTold_ + " " + text);
}

void MyRecitation::MarkCheck(const std::string& key, const listen::CheckResult& result, const AyaWords& words)
{
    ShowWaveforms(key, false);
    std::vector<std::pair<double, double>> missing, extra, changed;
    for (const listen::Span& s : result.missing)
        missing.emplace_back(s.start, s.end);
    for (const listen::Span& s : result.changed)
        changed.emplace_back(s.start, s.end);
    // The reciter's words that the learner left out or said differently, as the verdict names them, and
    // marked on the picture.
    for (const auto* spans : {&result.missing, &result.changed})
        for (const NamedStretch& n : NameStretches(*spans, words))
            leftOut_.push_back(n);
    std::sort(leftOut_.begin(), leftOut_.end(),
              [](const NamedStretch& a, const NamedStretch& b) { return a.startMs < b.startMs; });
    std::vector<int> flagged;
    for (const NamedStretch& n : leftOut_)
        flagged.insert(flagged.end(), n.words.begin(), n.words.end());
    centre_->ayaView->SetFlaggedWords(std::move(flagged));
    for (const listen::Span& s : result.extra)
        extra.emplace_back(s.start, s.end);
    recitationPanel_->waveforms->SetMarks(std::move(missing), std::move(extra), std::move(changed));
    // Your voice on the reciter's time, word under word, where the two are the same aya.
    if (result.verdict != listen::Verdict::Different)
        recitationPanel_->waveforms->SetAlignment(result.path);
}

void MyRecitation::HearLeftOut()
{
    if (leftOut_.empty())
        return;
    const NamedStretch stretch = leftOut_[nextLeftOut_ % leftOut_.size()];
    ++nextLeftOut_;
    ShowWaveforms(leftOutKey_, false);
    // Heard a little either side, so that the word is heard whole (words are known more closely than
    // the check's edges); told as the verdict names it.
    const int margin = stretch.words.empty() ? kLeftOutMarginMs : kWordMarginMs;
    if (!session_->PlayReciterPart(AyaRef::FromKey(leftOutKey_), stretch.startMs - margin,
                                   stretch.endMs + margin))
        return;
    hearingLeftOut_ = true;
    Tell(tr("The reciter: %1, of %2.").arg(stretch.name, Place(leftOutKey_)));
}

void MyRecitation::PlayMine()
{
    if (!session_->PlayMine())
        Tell(tr("You have not recorded %1 yet: press Record (Ctrl+R).").arg(Place(session_->CurrentAya())));
}

void MyRecitation::Compare()
{
    if (!session_->PlayCompare()) {
        Tell(tr("You have not recorded any aya of this lesson yet: press Record (Ctrl+R)."));
        return;
    }
    ShowWaveformPlace();
    recitationPanel_->waveforms->show();
}

void MyRecitation::BringBackPrevious()
{
    const std::string key = session_->CurrentAya();
    int sura = 0, aya = 0;
    if (!SplitAyaKey(key, &sura, &aya) || !record_.Recorded().HasPrevious(sura, aya)) {
        Tell(tr("You have no previous take of %1.").arg(Place(key)));
        return;
    }
    session_->Stop();
    std::string error;
    if (!record_.BringBackPreviousTake(sura, aya, &error)) {
        ShowMessage("Varnel", QString::fromStdString(error).toHtmlEscaped());
        return;
    }
    Tell(
        tr("Your previous take of %1 is back; the one it replaced is kept as the previous.").arg(Place(key)));
}

void MyRecitation::DeleteThis()
{
    const std::string key = session_->CurrentAya();
    int sura = 0, aya = 0;
    if (!SplitAyaKey(key, &sura, &aya) || !record_.Recorded().Has(sura, aya)) {
        Tell(tr("You have no recording of %1.").arg(Place(key)));
        return;
    }
    if (!AskQuestion("Varnel", tr("Delete your recording of %1?").arg(Place(key))))
        return;
    session_->Stop();
    std::string error;
    if (!record_.RemoveRecording(sura, aya, &error))
        ShowMessage("Varnel", QString::fromStdString(error).toHtmlEscaped());
}

void MyRecitation::DeleteAll()
{
    const size_t count = record_.Recorded().All().size();
    if (count == 0) {
        Tell(tr("You have no recordings."));
        return;
    }
    if (!AskQuestion("Varnel", tr("Delete all %1 of your recordings?", nullptr, int(count)).arg(count)))
        return;
    session_->Stop();
    std::string error;
    if (!record_.RemoveAllRecordings(&error))
        ShowMessage("Varnel", QString::fromStdString(error).toHtmlEscaped());
}

void MyRecitation::ShowRecorded()
{
    std::set<std::string> keys, matched;
    for (const Recordings::Aya& a : record_.Recorded().All())
        keys.insert(AyaKey(PadSura(IntToString(a.first)), a.second));
    for (const Recordings::Aya& a : record_.Recorded().AllMatched())
        matched.insert(AyaKey(PadSura(IntToString(a.first)), a.second));
    heartPanel_->heart->SetRecorded(keys, matched);
    session_->OwnRecordingsChanged();
}

void MyRecitation::ShowRecording(bool on)
{
    const bool busy = on || armed_;
    recitationPanel_->recordButton->setText(busy ? tr("Stop Recording") : tr("Record"));
    recitationPanel_->recordButton->setAccessibleDescription(on       ? tr("Recording")
                                                             : armed_ ? tr("Waiting for the pause")
                                                                      : QString());
    recitationPanel_->recordLevel->setVisible(on);
    if (on)
        ShowWaveformPlace(); // the level meter is there: a take is watched as it is made
    if (on)
        Tell(tr("Recording %1... it stops after a few seconds of quiet.").arg(Place(recorder_.Aya().Key())));
}

void MyRecitation::ShowWaveforms(const std::string& key, bool mine)
{
    mineNow_ = mine;
    if (key != waveKey_) {
        int sura = 0, aya = 0;
        SplitAyaKey(key, &sura, &aya);
        Drawn reciter = VoiceOf(ReciterBytes(packs_, key)),
              learner = VoiceOf(record_.Recorded().Bytes(sura, aya));
        recitationPanel_->waveforms->SetVoices(std::move(reciter.peaks), std::move(learner.peaks));
        // Both melodies, or neither: one alone has nothing to be followed against.
        if (!reciter.melody.pitch.empty() && !learner.melody.pitch.empty())
            recitationPanel_->waveforms->SetPitch(std::move(reciter.melody), std::move(learner.melody),
                                                  listen::kPitchSeconds);
        waveKey_ = key;
    }
    ShowWaveformPlace();
    recitationPanel_->waveforms->show();
}

void MyRecitation::TellUnplayable(const std::string& key)
{
    int sura = 0, aya = 0;
    SplitAyaKey(key, &sura, &aya);
    const std::string problem = record_.Recorded().Problem(sura, aya);
    // Once a run for each recording: a lesson played in a loop would ask again at every pass.
    if (problem.empty() || !toldUnplayable_.insert(key).second)
        return;
    ShowMessage("Varnel", tr("Your recording of %1 cannot be played:").arg(Place(key)) + "<br>" +
                              QString::fromStdString(problem).toHtmlEscaped());
}

void MyRecitation::ShowWaveformPlace()
{
    // The waveforms' place is in My Recitation: bring the panel forward if it is behind another tab.
    dock_->show();
    dock_->raise();
}

void MyRecitation::Tell(const QString& text) { statusBar_->showMessage(text, kStatusMs); }
