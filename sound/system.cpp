// SPDX-License-Identifier: GPL-3.0-or-later
#include "al_check.h"
#include "streaming.h"

namespace sound
{

System::System() : impl_(new Impl) {}

System::~System() { Close(); }

Result System::Create(std::unique_ptr<System>* out)
{
    if (!out)
        return ErrInvalidParam;
    out->reset(new System);
    return Ok;
}

Result System::GetNumDrivers(int* count) const
{
    if (!count)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    *count = int(DriverNames().size());
    return Ok;
}

Result System::GetDriverName(int driver, std::string* name) const
{
    if (!name)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    const std::vector<std::string> names = DriverNames();
    if (driver < 0 || driver >= int(names.size()))
        return ErrInvalidParam;
    *name = names[size_t(driver)];
    return Ok;
}

Result System::SetDriver(int driver)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    if (impl_->initialized)
        return ErrAlreadyInitialized;
    const int count = int(DriverNames().size());
    if (count == 0)
        return ErrNoDrivers;
    if (driver < -1 || driver >= count)
        return ErrInvalidParam;
    impl_->driver = driver;
    // The shared device follows the choice: another device closes now and the chosen one opens on
    // the next play.
    Output& out = TheOutput();
    if (driver >= 0 && driver != out.driver) {
        out.driver = driver;
        out.CloseDevice();
    }
    return Ok;
}

Result System::Init(int maxChannels)
{
    std::unique_lock<std::mutex> lock(LayerMutex());
    Impl& d = *impl_;
    if (d.initialized)
        return ErrAlreadyInitialized;
    if (maxChannels <= 0)
        return ErrInvalidParam;
    // The device list is read without opening any device; the device opens on the first play.
    const int count = int(KnownDriverCount());
    if (count == 0)
        return ErrNoDrivers;
    if (d.driver >= count)
        return ErrInvalidParam;
    d.maxChannels = maxChannels;
    d.initialized = true;
    TheOutput().Attach(&d);
    return Ok;
}

Result System::SetSpeed(double speed)
{
    if (!(speed >= kMinSpeed && speed <= kMaxSpeed))
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    impl_->speed = speed;
    return Ok;
}

Result System::SetStreamBufferSize(unsigned milliseconds)
{
    if (milliseconds == 0)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    impl_->chunkMs = std::clamp(milliseconds, kMinChunkMs, kMaxChunkMs);
    return Ok;
}

Result System::Update()
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    if (!impl_->initialized)
        return ErrNotInitialized;
    impl_->ServiceAll();
    return Ok;
}

Result System::Close()
{
    std::unique_lock<std::mutex> lock(LayerMutex());
    Impl& d = *impl_;
    if (!d.initialized)
        return ErrNotInitialized;
    TheOutput().Detach(&d, lock);
    d.channels.clear();
    d.sounds.clear();
    d.stolen.clear();
    d.initialized = false;
    return Ok;
}

Result System::CreateSound(const void* data, size_t size, SoundHandle* sound)
{
    if (!sound || (!data && size))
        return ErrInvalidParam;
    return CreateSound(std::make_shared<const std::vector<char>>(static_cast<const char*>(data),
                                                                 static_cast<const char*>(data) + size),
                       sound);
}

Result System::CreateSound(std::shared_ptr<const std::vector<char>> bytes, SoundHandle* sound)
{
    if (!sound || !bytes)
        return ErrInvalidParam;
    *sound = 0;
    Result r = Ok;
    const std::unique_ptr<Decoder> probe = Decoder::Open(bytes, &r);
    if (!probe)
        return r;
    std::lock_guard<std::mutex> lock(LayerMutex());
    if (!impl_->initialized)
        return ErrNotInitialized;
    const SoundHandle handle = impl_->nextSound++;
    impl_->sounds[handle] = SoundData{std::move(bytes), probe->LengthMs()};
    *sound = handle;
    return Ok;
}

Result System::ReleaseSound(SoundHandle sound)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    Impl& d = *impl_;
    if (!d.initialized)
        return ErrNotInitialized;
    if (!d.sounds.count(sound))
        return ErrInvalidHandle;
    d.MakeCurrent();
    for (auto it = d.channels.begin(); it != d.channels.end();)
        it = it->second.sound == sound ? d.channels.erase(it) : std::next(it);
    // A channel still to come to it ends its sequence before it.
    for (auto& [handle, ch] : d.channels)
        for (auto seg = ch.upcoming.begin(); seg != ch.upcoming.end(); ++seg)
            if (seg->sound == sound) {
                ch.upcoming.erase(seg, ch.upcoming.end());
                break;
            }
    d.sounds.erase(sound);
    return Ok;
}

Result System::GetLength(SoundHandle sound, unsigned* milliseconds) const
{
    if (!milliseconds)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    const auto it = impl_->sounds.find(sound);
    if (it == impl_->sounds.end())
        return ErrInvalidHandle;
    *milliseconds = it->second.lengthMs;
    return Ok;
}

Result System::SetLoop(SoundHandle sound, bool loop)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    if (!impl_->sounds.count(sound))
        return ErrInvalidHandle;
    return loop ? ErrInvalidParam : Ok;
}

Result System::PlaySound(SoundHandle sound, bool paused, ChannelHandle* channel)
{
    if (!channel)
        return ErrInvalidParam;
    *channel = 0;
    std::lock_guard<std::mutex> lock(LayerMutex());
    Impl& d = *impl_;
    if (!d.initialized)
        return ErrNotInitialized;
    const auto it = d.sounds.find(sound);
    if (it == d.sounds.end())
        return ErrInvalidHandle;
    d.MakeCurrent();
    d.Evict();
    Channel ch;
    ch.sound = sound;
    ch.paused = paused;
    ch.lengthMs = it->second.lengthMs;
    ch.order = d.nextOrder++;
    const Result r = d.Prepare(ch);
    if (r != Ok)
        return r;
    d.StartAt(ch, 0);
    TheOutput().pauseSoon = false; // playing again: quiet gaps from here on are a drill's own
    const ChannelHandle handle = d.nextChannel++;
    d.channels.emplace(handle, std::move(ch));
    *channel = handle;
    d.Wake();
    return Ok;
}

Result System::GetPosition(ChannelHandle channel, unsigned* milliseconds)
{
    if (!milliseconds)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    if (r != Ok)
        return r;
    if (ch->ended) {
        *milliseconds = ch->lengthMs;
        return Ok;
    }
    const HeardPoint heard = impl_->Heard(*ch);
    const int64_t ms = int64_t(heard.frame * 1000 / ch->decoder->Rate());
    *milliseconds = unsigned(std::min<int64_t>(ms, heard.lengthMs));
    return Ok;
}

Result System::GetLatency(ChannelHandle channel, unsigned* milliseconds)
{
    if (!milliseconds)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    if (r != Ok)
        return r;
    *milliseconds = ch->ended ? 0 : unsigned(impl_->LatencyFrames(*ch) * 1000 / ch->decoder->Rate());
    return Ok;
}

Result System::SetPosition(ChannelHandle channel, unsigned milliseconds)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    Impl& d = *impl_;
    Channel* ch = nullptr;
    const Result r = d.Find(channel, &ch);
    if (r != Ok)
        return r;
    if (milliseconds > ch->lengthMs)
        return ErrInvalidParam;
    if (ch->ended) {
        const Result prepared = d.Prepare(*ch);
        if (prepared != Ok)
            return prepared;
    }
    const int64_t frame = int64_t(milliseconds) * ch->decoder->Rate() / 1000;
    d.StartAt(*ch, frame);
    d.Wake();
    return Ok;
}

Result System::SetPaused(ChannelHandle channel, bool paused)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    if (r != Ok)
        return r;
    ch->paused = paused;
    if (ch->ended)
        return Ok;
    if (paused)
        AL_CHECK(alSourcePause(ch->voice.Source()));
    else if (!ch->queued.empty())
        AL_CHECK(alSourcePlay(ch->voice.Source()));
    impl_->Wake();
    return Ok;
}

Result System::QueueRepeats(ChannelHandle channel, int passes)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    if (r != Ok)
        return r;
    if (ch->ended)
        return Ok;
    ch->repeatsLeft = std::max(passes, 0);
    ch->decoderDone = false; // it may have reached the end of what it was given
    ch->stretchEnding = false;
    impl_->Wake();
    return Ok;
}

Result System::QueueNext(ChannelHandle channel, SoundHandle sound, int passes)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    if (r != Ok)
        return r;
    const auto it = impl_->sounds.find(sound);
    if (it == impl_->sounds.end())
        return ErrInvalidHandle;
    if (ch->ended)
        return Ok;
    ch->upcoming.push_back({sound, it->second.lengthMs, std::max(passes, 0)});
    ch->decoderDone = false;
    ch->stretchEnding = false;
    impl_->Wake();
    return Ok;
}

Result System::TakeBack(ChannelHandle channel)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    if (r != Ok || ch->ended)
        return r;
    ch->upcoming.clear();
    ch->repeatsLeft = 0;
    if (ch->decodingSegment == ch->mixSegment)
        return Ok; // nothing of a later pass is decoded yet
    // Later passes are already in the source's queue, and OpenAL cannot drop queued buffers that have
    // not played: start the pass heard now again from where it is, with only itself queued.
    return impl_->Rewind(*ch);
}

Result System::GetSegment(ChannelHandle channel, int* segment)
{
    if (!segment)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    if (r == Ok)
        *segment = ch->ended ? ch->mixSegment : impl_->Heard(*ch).segment;
    return r;
}

Result System::GetPaused(ChannelHandle channel, bool* paused)
{
    if (!paused)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    if (r == Ok)
        *paused = ch->paused;
    return r;
}

Result System::IsPlaying(ChannelHandle channel, bool* playing)
{
    if (!playing)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    if (r == Ok)
        *playing = !ch->ended;
    return r;
}

Result System::Stop(ChannelHandle channel)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    Impl& d = *impl_;
    Channel* ch = nullptr;
    const Result r = d.Find(channel, &ch);
    if (r != Ok)
        return r;
    d.channels.erase(channel);
    return Ok;
}

Result System::GetCurrentSound(ChannelHandle channel, SoundHandle* sound)
{
    if (!sound)
        return ErrInvalidParam;
    std::lock_guard<std::mutex> lock(LayerMutex());
    Channel* ch = nullptr;
    const Result r = impl_->Find(channel, &ch);
    *sound = r != Ok ? 0 : ch->ended ? ch->sound : impl_->Heard(*ch).sound;
    return r;
}

} // namespace sound

namespace sound
{

namespace
{

// The thread that asks for the devices, joined when the program ends.
struct OutputsAsker {
    std::thread thread;
    ~OutputsAsker()
    {
        if (thread.joinable())
            thread.join();
    }
};

} // namespace

void PrepareOutputs()
{
    // What the thread uses is made first, so that it outlives the thread at the program's end.
    LayerMutex();
    LastDriverNames();
    static OutputsAsker asker;
    static std::once_flag once;
    std::call_once(once, [] {
        asker.thread = std::thread([] {
            const std::lock_guard<std::mutex> lock(LayerMutex());
            DriverNames();
        });
    });
}

bool OutputOpen()
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    return bool(TheOutput().context);
}

bool OutputPaused()
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    return TheOutput().context && TheOutput().paused;
}

int OutputOpenCount()
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    return TheOutput().opened;
}

void PauseOutputSoon()
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    TheOutput().pauseSoon = true;
    TheOutput().wake.notify_all();
}

void SetIdlePause(std::chrono::milliseconds delay)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    TheOutput().idlePause = delay;
    TheOutput().wake.notify_all();
}

void SetIdleClose(std::chrono::milliseconds delay)
{
    std::lock_guard<std::mutex> lock(LayerMutex());
    TheOutput().idleClose = delay;
    TheOutput().wake.notify_all();
}

} // namespace sound
