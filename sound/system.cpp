#include "al_handles.h"
#include "decoder.h"
#include "sound.h"

#include <AL/alext.h>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace sound
{

namespace
{

// OpenAL's current context is global to the process, and several Systems share the process: every
// use of OpenAL and of the layer's state happens under this one lock, with the caller's context made
// current first.
std::mutex& LayerMutex()
{
    static std::mutex m;
    return m;
}

constexpr unsigned kMinChunkMs = 50;
constexpr unsigned kMaxChunkMs = 250;
constexpr unsigned kDefaultChunkMs = 100;
constexpr int kBuffersAtStart = 2; // decoded before PlaySound returns; the feeder tops up the rest
constexpr auto kFeederPeriod = std::chrono::milliseconds(20);
constexpr size_t kStolenMemory = 256;

std::vector<std::string> DriverNames()
{
    const bool all = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT") == ALC_TRUE;
    const ALCchar* list = alcGetString(nullptr, all ? ALC_ALL_DEVICES_SPECIFIER : ALC_DEVICE_SPECIFIER);
    std::vector<std::string> names;
    while (list && *list) {
        names.emplace_back(list);
        list += names.back().size() + 1;
    }
    return names;
}

struct SoundData {
    std::shared_ptr<const std::vector<char>> bytes;
    unsigned lengthMs = 0;
};

struct Channel {
    SoundHandle sound = 0;
    std::unique_ptr<Decoder> decoder; // null once the channel has ended
    AlVoice voice;
    ALenum format = AL_FORMAT_MONO16;
    int64_t baseFrame = 0;            // frames of the sound before the first queued buffer
    std::deque<ALuint> queued;        // buffers in the source's queue, oldest first
    std::deque<int64_t> queuedFrames; // frames in each queued buffer
    std::vector<ALuint> spare;        // buffers not in the queue
    bool decoderDone = false;
    bool paused = false;
    bool ended = false;
    unsigned lengthMs = 0;
    uint64_t order = 0;
};

} // namespace

struct System::Impl {
    int driver = -1;
    unsigned chunkMs = kDefaultChunkMs;
    int maxChannels = 0;
    bool initialized = false;
    DevicePtr device;
    ContextPtr context;
    std::map<SoundHandle, SoundData> sounds;
    SoundHandle nextSound = 1;
    std::map<ChannelHandle, Channel> channels;
    ChannelHandle nextChannel = 1;
    uint64_t nextOrder = 1;
    std::set<ChannelHandle> stolen;
    std::vector<int16_t> scratch;
    std::thread feeder;
    std::condition_variable wake;
    bool quit = false;

    void MakeCurrent()
    {
        if (context && alcGetCurrentContext() != context.get())
            alcMakeContextCurrent(context.get());
    }

    // Decodes the next chunk into buffer and queues it; false at the end of the sound.
    bool QueueChunk(Channel& ch, ALuint buffer)
    {
        const int rate = ch.decoder->Rate();
        const int channels = ch.decoder->OutputChannels();
        const size_t frameBytes = size_t(channels) * sizeof(int16_t);
        const size_t frames =
            std::clamp<size_t>(size_t(rate) * chunkMs / 1000, 1, kMaxChunkBytes / frameBytes);
        scratch.resize(frames * size_t(channels));
        const size_t got = ch.decoder->Read(scratch.data(), frames);
        if (got == 0) {
            ch.decoderDone = true;
            return false;
        }
        alGetError();
        alBufferData(buffer, ch.format, scratch.data(), ALsizei(got * size_t(channels) * sizeof(int16_t)),
                     rate);
        alSourceQueueBuffers(ch.voice.Source(), 1, &buffer);
        if (alGetError() != AL_NO_ERROR) {
            // OpenAL refused the audio (out of memory, a lost device): the channel plays out what it has.
            ch.decoderDone = true;
            return false;
        }
        ch.queued.push_back(buffer);
        ch.queuedFrames.push_back(int64_t(got));
        if (got < frames)
            ch.decoderDone = true;
        return true;
    }

    void TopUp(Channel& ch, size_t upTo)
    {
        while (!ch.decoderDone && !ch.spare.empty() && ch.queued.size() < upTo) {
            const ALuint b = ch.spare.back();
            if (!QueueChunk(ch, b))
                break;
            ch.spare.pop_back();
        }
    }

    void MarkEnded(Channel& ch)
    {
        ch.ended = true;
        ch.decoder.reset();
        ch.voice.Release();
        ch.queued.clear();
        ch.queuedFrames.clear();
        ch.spare.clear();
    }

    // Recycles played buffers, refills them, restarts after an underrun and notices the end.
    void Service(Channel& ch)
    {
        if (ch.ended)
            return;
        const ALuint src = ch.voice.Source();
        ALint processed = 0;
        alGetSourcei(src, AL_BUFFERS_PROCESSED, &processed);
        while (processed-- > 0 && !ch.queued.empty()) {
            ALuint b = 0;
            alSourceUnqueueBuffers(src, 1, &b);
            ch.baseFrame += ch.queuedFrames.front();
            ch.queued.pop_front();
            ch.queuedFrames.pop_front();
            ch.spare.push_back(b);
        }
        TopUp(ch, AlVoice::kBuffers);
        if (ch.queued.empty() && ch.decoderDone) {
            MarkEnded(ch);
            return;
        }
        ALint state = 0;
        alGetSourcei(src, AL_SOURCE_STATE, &state);
        if (state == AL_STOPPED && !ch.paused && !ch.queued.empty())
            alSourcePlay(src);
    }

    void ServiceAll()
    {
        MakeCurrent();
        for (auto& entry : channels)
            Service(entry.second);
    }

    // Starts ch at frame, from a fresh decoder state; the voice must exist.
    void StartAt(Channel& ch, int64_t frame)
    {
        const ALuint src = ch.voice.Source();
        alSourceStop(src);
        alSourcei(src, AL_BUFFER, 0);
        ch.queued.clear();
        ch.queuedFrames.clear();
        ch.spare.assign(ch.voice.Buffers().begin(), ch.voice.Buffers().end());
        ch.decoder->Seek(frame);
        ch.baseFrame = frame;
        ch.decoderDone = false;
        TopUp(ch, kBuffersAtStart);
        if (ch.queued.empty()) {
            MarkEnded(ch);
            return;
        }
        if (!ch.paused)
            alSourcePlay(src);
    }

    // Gives ch a decoder and a voice; false when the sound is gone or OpenAL refuses.
    Result Prepare(Channel& ch)
    {
        const auto it = sounds.find(ch.sound);
        if (it == sounds.end())
            return ErrInvalidHandle;
        Result r = Ok;
        ch.decoder = Decoder::Open(it->second.bytes, &r);
        if (!ch.decoder)
            return r;
        ch.format = ch.decoder->OutputChannels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
        if (!ch.voice.Create()) {
            ch.decoder.reset();
            return ErrOutput;
        }
        ch.ended = false;
        return Ok;
    }

    // False once the output device is gone (unplugged, its server stopped, its file full); it does
    // not come back.
    bool DeviceConnected() const
    {
        if (!device || !alcIsExtensionPresent(device.get(), "ALC_EXT_disconnect"))
            return true;
        ALCint connected = ALC_TRUE;
        alcGetIntegerv(device.get(), ALC_CONNECTED, 1, &connected);
        return connected != ALC_FALSE;
    }

    // The channel for handle, serviced; or the reason it is not there. ErrOutput once the device is gone.
    Result Find(ChannelHandle handle, Channel** out)
    {
        if (!initialized)
            return ErrNotInitialized;
        const auto it = channels.find(handle);
        if (it == channels.end())
            return stolen.count(handle) ? ErrChannelStolen : ErrInvalidHandle;
        if (!DeviceConnected())
            return ErrOutput;
        MakeCurrent();
        Service(it->second);
        *out = &it->second;
        return Ok;
    }

    // Makes room for one more channel: ended channels go first, then the oldest playing one.
    void Evict()
    {
        while (int(channels.size()) >= maxChannels && !channels.empty()) {
            auto victim = channels.end();
            for (auto it = channels.begin(); it != channels.end(); ++it) {
                const bool better =
                    victim == channels.end() || (it->second.ended && !victim->second.ended) ||
                    (it->second.ended == victim->second.ended && it->second.order < victim->second.order);
                if (better)
                    victim = it;
            }
            if (!victim->second.ended) {
                if (stolen.size() >= kStolenMemory)
                    stolen.clear();
                stolen.insert(victim->first);
            }
            channels.erase(victim);
        }
    }

    void FeederLoop()
    {
        std::unique_lock<std::mutex> lock(LayerMutex());
        while (!quit) {
            wake.wait_for(lock, kFeederPeriod);
            if (quit)
                break;
            ServiceAll();
        }
    }
};

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
    const std::vector<std::string> names = DriverNames();
    if (names.empty())
        return ErrNoDrivers;
    if (d.driver >= int(names.size()))
        return ErrInvalidParam;
    d.device.reset(alcOpenDevice(d.driver < 0 ? nullptr : names[size_t(d.driver)].c_str()));
    if (!d.device)
        return ErrOutputInit;
    d.context.reset(alcCreateContext(d.device.get(), nullptr));
    if (!d.context) {
        d.device.reset();
        return ErrOutputInit;
    }
    d.maxChannels = maxChannels;
    d.initialized = true;
    d.quit = false;
    d.feeder = std::thread([&d] { d.FeederLoop(); });
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
    Impl& d = *impl_;
    {
        std::lock_guard<std::mutex> lock(LayerMutex());
        if (!d.initialized)
            return ErrNotInitialized;
        d.quit = true;
    }
    d.wake.notify_all();
    if (d.feeder.joinable())
        d.feeder.join();
    std::lock_guard<std::mutex> lock(LayerMutex());
    d.MakeCurrent();
    d.channels.clear();
    d.sounds.clear();
    d.stolen.clear();
    d.context.reset();
    d.device.reset();
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
    const ChannelHandle handle = d.nextChannel++;
    d.channels.emplace(handle, std::move(ch));
    *channel = handle;
    d.wake.notify_all();
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
    ALint offset = 0;
    alGetSourcei(ch->voice.Source(), AL_SAMPLE_OFFSET, &offset);
    const int64_t frame = ch->baseFrame + std::max<ALint>(offset, 0);
    const int64_t ms = frame * 1000 / ch->decoder->Rate();
    *milliseconds = unsigned(std::min<int64_t>(ms, ch->lengthMs));
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
    d.wake.notify_all();
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
        alSourcePause(ch->voice.Source());
    else if (!ch->queued.empty())
        alSourcePlay(ch->voice.Source());
    return Ok;
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
    *sound = r == Ok ? ch->sound : 0;
    return r;
}

} // namespace sound
