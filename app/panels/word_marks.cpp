// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_marks.h"

#include "window_actions.h"

#include "app_settings.h"
#include "aya.h"
#include "naming.h"
#include "pack_registry.h"
#include "recitation_session.h"
#include "window_settings.h"

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <algorithm>

namespace
{

// The span played from a clicked word runs past the last word's end by this much.
constexpr int kTailMs = 400;
// The mark is not carried further than this past the last report: a sound that stalls keeps it still.
constexpr int kMostAheadMs = 250;

// The words item of key in pack, read; none when the pack holds no item or a damaged one.
AyaWords ReadWords(const KelRes* pack, const std::string& key)
{
    AyaWords words;
    QString ignored;
    if (pack && pack->Contains(WordsName(key)))
        ParseAyaWords(pack->Extract(WordsName(key), kMostWordsBytes), &words, &ignored);
    return words;
}

} // namespace

AyaWords WordsOfAya(const PackRegistry& packs, const std::string& key)
{
    AyaWords words = ReadWords(packs.PackHolding(SoundName(key)), key);
    if (words.empty()) {
        // Boxes from the picture's pack; its times are another recitation's.
        words = ReadWords(packs.PackHolding(PictureName(key)), key);
        for (AyaWord& w : words)
            w.timing = WordTiming::None, w.startMs = w.endMs = -1;
    }
    return words;
}

WordMarks::WordMarks(QObject* parent, RecitationSession* session, const PackRegistry& packs,
                     WindowSettings& settings, const WindowActions& actions)
    : QObject(parent), session_(session), packs_(packs), settings_(settings), markAction_(actions.markWords),
      snapAction_(actions.snapPart)
{
    using namespace app_settings;
    markAction_->setChecked(settings_.Truth(kMarkWords, kMarkWordsDefault));
    snapAction_->setChecked(settings_.Truth(kSnapWords, kSnapWordsDefault));
    follow_.setInterval(kFollowMs);
    follow_.setTimerType(Qt::PreciseTimer);
}

int WordMarks::PartMark(int ms, bool start) const
{
    if (!snapAction_->isChecked())
        return ms;
    return start ? SnapToWordStart(words_, ms) : SnapToWordEnd(words_, ms);
}

bool WordMarks::Marking() const { return markAction_->isChecked(); }

void WordMarks::Connect(Aya* view)
{
    view_ = view;
    connect(markAction_, &QAction::toggled, this, [this](bool on) {
        settings_.Remember(app_settings::kMarkWords, on);
        if (!on)
            view_->SetHeardWord(-1);
    });
    connect(snapAction_, &QAction::toggled, this,
            [this](bool on) { settings_.Remember(app_settings::kSnapWords, on); });
    connect(session_, &RecitationSession::SoundPosition, this, &WordMarks::Heard);
    connect(session_, &RecitationSession::VoiceTurn, this, [this](AyaRef, bool mine) {
        mine_ = mine;
        view_->SetHeardWord(-1);
    });
    connect(session_, &RecitationSession::PlayingChanged, this, [this](bool playing) {
        if (playing)
            return;
        mine_ = false;
        follow_.stop();
        reportedMs_ = -1;
        view_->SetHeardWord(-1);
    });
    connect(&follow_, &QTimer::timeout, this, &WordMarks::Follow);
    connect(view_, &Aya::wordClicked, this, &WordMarks::PlayFrom);
}

void WordMarks::ShowAya(const std::string& key)
{
    if (!view_)
        return;
    // Read again each time: another recitation chosen brings other times for the same aya. The same words
    // again keep what is marked on them (the check's frames stay while the text is toggled).
    AyaWords words = WordsOfAya(packs_, key);
    const bool same =
        key == key_ && words.size() == words_.size() &&
        std::equal(words.begin(), words.end(), words_.begin(), [](const AyaWord& a, const AyaWord& b) {
            return a.box == b.box && a.startMs == b.startMs && a.endMs == b.endMs;
        });
    if (same)
        return;
    key_ = key;
    words_ = std::move(words);
    std::vector<QRect> boxes;
    QStringList texts;
    for (const AyaWord& w : words_) {
        boxes.push_back(w.box);
        texts << w.text;
    }
    view_->SetWords(std::move(boxes));
    // A screen reader reads the aya's words from the picture, where the pack tells them.
    view_->setAccessibleDescription(texts.join(' '));
    reportedMs_ = -1;
}

void WordMarks::Heard(int ms)
{
    if (!Marking() || mine_ || !AllTimed(words_)) {
        view_->SetHeardWord(-1);
        return;
    }
    reportedMs_ = ms;
    reportedAt_.start();
    if (!follow_.isActive())
        follow_.start();
    Follow();
}

void WordMarks::Follow()
{
    if (reportedMs_ < 0 || !session_->Playing() || session_->Pausing()) {
        follow_.stop();
        if (reportedMs_ < 0 || !session_->Playing())
            view_->SetHeardWord(-1);
        return;
    }
    // Between reports the sound goes on at the drill's speed.
    const double speed = session_->Speed();
    const int ahead = std::min<int>(int(reportedAt_.elapsed() * speed), kMostAheadMs);
    view_->SetHeardWord(WordAt(words_, reportedMs_ + ahead));
}

void WordMarks::PlayFrom(int word)
{
    if (size_t(word) >= words_.size() || !words_[size_t(word)].Timed())
        return;
    const AyaRef aya = AyaRef::FromKey(key_);
    session_->PlayReciterPart(aya, words_[size_t(word)].startMs, words_.back().endMs + kTailMs);
}
