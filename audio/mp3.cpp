#include "mp3.h"

#include "messages.h"

#include <QElapsedTimer>

int MP3::playCounter_ = 0;
bool MP3::noOutputTold_ = false;
bool MP3::deviceLossTold_ = false;

namespace
{

bool Accepted(sound::Result r)
{
    return r == sound::Ok || r == sound::ErrChannelStolen || r == sound::ErrInvalidHandle;
}

const char kNoOutputText[] =
    "Varnel could not find a sound output device on this computer, so it cannot play recitations.<br><br>"
    "Everything else works: you can read the ayas, their translations and transliterations, and keep your "
    "heart up to date.<br><br>To hear the recitations, connect speakers or headphones, then choose the "
    "device in File &gt; Preferences or restart Varnel.";

} // namespace

MP3::MP3()
{
    // Pauses are heard: they keep their length to the millisecond, not within a coarse timer's 5 %.
    for (QTimer* t : {&positionTimer_, &nextAyaTimer_, &unpauseTimer_, &nextRangeTimer_}) {
        t->setSingleShot(false);
        t->setTimerType(Qt::PreciseTimer);
    }
    StartSystem(-1, "");
    connect(&positionTimer_, &QTimer::timeout, this, &MP3::Loop);
    connect(&nextAyaTimer_, &QTimer::timeout, this, &MP3::NextAya);
    connect(&unpauseTimer_, &QTimer::timeout, this, &MP3::Unpause);
    connect(&nextRangeTimer_, &QTimer::timeout, this, &MP3::NextRange);
    endTimer_.setSingleShot(true);
    endTimer_.setTimerType(Qt::PreciseTimer);
    connect(&endTimer_, &QTimer::timeout, this, [this] {
        if (positionTimer_.isActive())
            Loop();
    });
}

MP3::~MP3() = default; // the System closes itself, releasing its sounds

void MP3::StartSystem(int driver, const std::string& fix)
{
    sound_ = 0;
    channel_ = 0;
    live_ = false;
    sound::System::Create(&system_);
    if (driver >= 0) {
        lastResult_ = system_->SetDriver(driver);
        if (lastResult_ != sound::ErrNoDrivers)
            ERRCHECK(lastResult_, fix);
    }
    lastResult_ = system_->Init(kChannels);
    const bool noDevice =
        lastResult_ == sound::ErrNoDrivers || (lastResult_ == sound::ErrOutputInit && driver < 0);
    if (noDevice) {
        if (!noOutputTold_) {
            noOutputTold_ = true;
            ShowMessage("Varnel", kNoOutputText);
        }
        return;
    }
    ERRCHECK(lastResult_, fix);
    live_ = lastResult_ == sound::Ok;
    if (live_ && driver >= 0)
        deviceLossTold_ = false; // a device chosen anew: its loss is news again
    lastResult_ = system_->SetStreamBufferSize(kStreamBufferMs);
    ERRCHECK(lastResult_, fix);
}

bool MP3::Busy() const
{
    return positionTimer_.isActive() || nextAyaTimer_.isActive() || nextRangeTimer_.isActive();
}

void MP3::CancelPauses()
{
    endTimer_.stop();
    nextAyaTimer_.stop();
    unpauseTimer_.stop();
    nextRangeTimer_.stop();
}

std::shared_ptr<const std::vector<char>> MP3::Recording(const std::string& name, bool tell)
{
    auto bytes = std::make_shared<std::vector<char>>();
    switch (archive_.ExtractInto(name, bytes.get(), KelRes::kMaxRecordingBytes)) {
    case KelRes::ItemStatus::Ok:
        return bytes;
    case KelRes::ItemStatus::TooLarge:
        if (tell)
            ShowMessage(
                kSoundErrorTitle,
                QString(
                    "The recording \"%1\" is too large to play: %2 MB, where at most %3 MB can be played.")
                    .arg(QString::fromStdString(name).toHtmlEscaped())
                    .arg(archive_.ItemSize(name) >> 20)
                    .arg(KelRes::kMaxRecordingBytes >> 20));
        return nullptr;
    case KelRes::ItemStatus::Missing:
        return nullptr;
    }
    return nullptr;
}

void MP3::Play(const std::string& name)
{
    if (!live_)
        return;
    std::shared_ptr<const std::vector<char>> bytes = Recording(name, true);
    if (!bytes)
        return;
    // A new request supersedes whatever the previous one still had pending.
    CancelPauses();
    positionTimer_.start(kTickMs);
    if (sound_) {
        lastResult_ = system_->ReleaseSound(sound_);
        ERRCHECK(lastResult_, "");
        sound_ = 0;
    }
    lastResult_ = system_->CreateSound(std::move(bytes), &sound_);
    ERRCHECK(lastResult_, "");
    if (lastResult_ != sound::Ok) {
        // Nothing can play: the steps that would need the sound could only fail and say so again.
        positionTimer_.stop();
        stopped_ = true;
        return;
    }
    playCounter_ = 0;
    lastResult_ = system_->SetLoop(sound_, false);
    ERRCHECK(lastResult_, "");
    // A range starts paused, so that not a moment of the sound's beginning is heard before the seek.
    const bool seekFirst = rangeMode_ && rangeStart_ > 0;
    lastResult_ = system_->PlaySound(sound_, seekFirst, &channel_);
    ERRCHECK(lastResult_, "");
    stopped_ = false;
    unsigned length = 0;
    lastResult_ = system_->GetLength(sound_, &length);
    ERRCHECK(lastResult_, "Get Length Error");
    if (rangeMode_ && channel_ && rangeStart_ < length) {
        lastResult_ = system_->SetPosition(channel_, rangeStart_);
        ERRCHECK(lastResult_, "Select a valid range");
    }
    if (seekFirst && channel_)
        system_->SetPaused(channel_, false);
    system_->Update();
}

void MP3::PlayAll(const std::string& name)
{
    rangeMode_ = false;
    Play(name);
}

void MP3::PlayRange(const std::string& name)
{
    rangeMode_ = true;
    Play(name);
}

void MP3::Stop()
{
    endTimer_.stop();
    if (channel_)
        system_->Stop(channel_);
    stopped_ = true;
    positionTimer_.stop();
    // A stopped request stays stopped: its final pause may not end in Done() or DoneR().
    CancelPauses();
}

void MP3::SetRange(int start, int end)
{
    rangeStart_ = unsigned(std::max(start, 0));
    rangeEnd_ = unsigned(std::max(end, 0));
}

void MP3::SetPos(int ms)
{
    if (!channel_ || stopped_ || !live_)
        return;
    lastResult_ = system_->SetPosition(channel_, unsigned(std::max(ms, 0)));
    ERRCHECK(lastResult_, "Error in set position");
}

int MP3::GetLength(const std::string& name)
{
    std::shared_ptr<const std::vector<char>> bytes = Recording(name, false);
    unsigned length = 0;
    if (!bytes || sound::MeasureLength(std::move(bytes), &length) != sound::Ok)
        return 0;
    return int(std::min<unsigned>(length, INT32_MAX));
}

void MP3::SetDevice(int driver)
{
    Stop();
    StartSystem(driver, "Select a valid sound device");
}

std::vector<std::string> MP3::GetDevices()
{
    std::vector<std::string> names;
    int count = 0;
    lastResult_ = system_->GetNumDrivers(&count);
    ERRCHECK(lastResult_, "");
    for (int i = 0; i < count; ++i) {
        std::string name;
        if (system_->GetDriverName(i, &name) == sound::Ok)
            names.push_back(name.substr(0, 255));
    }
    return names;
}

void MP3::ERRCHECK(sound::Result result, const std::string& fix)
{
    // While this player's box is open its timers keep firing; one box at a time is enough.
    if (result == sound::Ok || boxOpen_)
        return;
    QString text = QString::fromLatin1(sound::ErrorString(result));
    if (!fix.empty())
        text += "<br><br>To fix: " + QString::fromStdString(fix);
    // The drills' players are often told the same thing at once (a device chosen for all three): a
    // box that repeats the one just closed is not shown again.
    static QString lastText;
    static QElapsedTimer sinceLastBox;
    if (text == lastText && sinceLastBox.isValid() && sinceLastBox.elapsed() < kRepeatQuietMs)
        return;
    boxOpen_ = true;
    ShowMessage(kSoundErrorTitle, text);
    boxOpen_ = false;
    lastText = text;
    sinceLastBox.start();
}

void MP3::Loop()
{
    if (!channel_ || !live_)
        return;
    unsigned position = 0;
    lastResult_ = system_->GetPosition(channel_, &position);
    if (lastResult_ == sound::ErrOutput) {
        DeviceLost();
        return;
    }
    const bool positionValid = lastResult_ == sound::Ok;
    if (!Accepted(lastResult_))
        ERRCHECK(lastResult_, "");
    sound::SoundHandle current = 0;
    system_->GetCurrentSound(channel_, &current);
    if (positionValid)
        emit CurSoundPos(int(position));
    unsigned length = 0;
    if (current) {
        lastResult_ = system_->GetLength(current, &length);
        if (!Accepted(lastResult_))
            ERRCHECK(lastResult_, "");
    }
    // Without a valid position there is nothing to compare.
    if (!positionValid)
        return;

    if (rangeMode_) {
        if (position < rangeEnd_)
            return;
        ++playCounter_;
        system_->Stop(channel_);
        stopped_ = true;
        positionTimer_.stop();
        if (pauseEnabled_)
            nextRangeTimer_.start(PauseMs());
        else
            emit DoneR();
        return;
    }

    // The sound ends before the next tick: look again just after its end rather than up to a tick later.
    if (current && position < length && length - position < unsigned(kTickMs) && !endTimer_.isActive())
        endTimer_.start(int(length - position) + kEndSlackMs);

    if (current && position >= length) {
        ++playCounter_;
        const bool last = repeat_ != 0 && playCounter_ >= repeat_;
        // The last play needs no restart unless a pause follows it; then the restarted sound stays
        // paused (and silent) until the next-aya timer ends the request.
        if (!last || pauseEnabled_) {
            lastResult_ = system_->PlaySound(sound_, pauseEnabled_, &channel_);
            if (pauseEnabled_ && !last)
                unpauseTimer_.start(PauseMs());
            ERRCHECK(lastResult_, "");
        }
    }
    if (playCounter_ >= repeat_ && repeat_ != 0 && playCounter_ != 0) {
        if (pauseEnabled_) {
            unpauseTimer_.stop();
            nextAyaTimer_.start(PauseMs());
            playCounter_ = 0;
        } else {
            FinishWhole();
        }
    }
}

void MP3::DeviceLost()
{
    // The drill stops where it is instead of stepping through the ayas in silence.
    Stop();
    if (deviceLossTold_)
        return;
    deviceLossTold_ = true;
    emit OutputLost();
    ShowMessage(kSoundErrorTitle, kDeviceLostText);
}

void MP3::Unpause()
{
    if (channel_ && live_)
        system_->SetPaused(channel_, false);
}

void MP3::NextAya()
{
    nextAyaTimer_.stop();
    FinishWhole();
}

void MP3::FinishWhole()
{
    if (channel_ && live_)
        system_->Stop(channel_);
    playCounter_ = 0;
    stopped_ = true;
    positionTimer_.stop();
    emit Done();
}

void MP3::NextRange()
{
    nextRangeTimer_.stop();
    emit DoneR();
}
