// SPDX-License-Identifier: GPL-3.0-or-later
// The streaming engine behind System: the device and context, the sounds, and the channels that are fed
// from their decoders through OpenAL buffer queues by one feeder thread. Private to the sound layer.
#pragma once

#include "al_check.h"

#include "al_handles.h"
#include "decoder.h"
#include "sound.h"
#include "stretch.h"

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

namespace detail
{

// OpenAL's current context is global to the process, and several Systems share the process: every
// use of OpenAL and of the layer's state happens under this one lock, with the caller's context made
// current first.
inline std::mutex& LayerMutex()
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
// With this little audio left queued and nothing queued to follow, the speed stage gives out its last
// frames: later, and they could come after the queue ran dry; sooner, and a pass queued late would find
// the stage ended and start a new one, whose start is heard as a gap.
constexpr int64_t kStretchEndMs = 80;

// The output devices' names as OpenAL Soft's last enumeration gave them (guarded by LayerMutex()).
inline std::vector<std::string>& LastDriverNames()
{
    static std::vector<std::string> names;
    return names;
}

// The output devices' names, asked of OpenAL Soft afresh (and kept as LastDriverNames()).
inline std::vector<std::string> DriverNames()
{
    const bool all = ALC_CHECK(nullptr, alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT")) == ALC_TRUE;
    const ALCchar* list =
        ALC_CHECK(nullptr, alcGetString(nullptr, all ? ALC_ALL_DEVICES_SPECIFIER : ALC_DEVICE_SPECIFIER));
    std::vector<std::string> names;
    while (list && *list) {
        names.emplace_back(list);
        list += names.back().size() + 1;
    }
    LastDriverNames() = names;
    return names;
}

// How many output devices there are, as far as is known: the last enumeration's count when it found any,
// else a fresh one. An enumeration costs milliseconds (tens at the first, which reaches the sound server)
// and every player asks as it starts; a device gone since is found out when the output opens it.
inline size_t KnownDriverCount()
{
    const size_t known = LastDriverNames().size();
    return known > 0 ? known : DriverNames().size();
}

struct SoundData {
    std::shared_ptr<const std::vector<char>> bytes;
    unsigned lengthMs = 0;
};

// What a channel plays after its current sound, on the same source and without a gap.
struct Segment {
    SoundHandle sound = 0;
    unsigned lengthMs = 0;
    int repeats = 0; // passes after the first
};

// Which part of the channel's sequence a queued buffer holds.
struct BufferSegment {
    int segment = 0;
    SoundHandle sound = 0;
    unsigned lengthMs = 0;
    double speed = 1.0; // recording frames per output frame in this buffer
};

// A buffer the mixer has played: what it held, kept while the device may still be sounding it.
struct PlayedBuffer {
    int64_t frames = 0;
    double firstFrame = 0; // the frame of the recording it began at
    BufferSegment segment;
};

// What the listener hears on a channel now: the mixer's place, a device latency back.
struct HeardPoint {
    int segment = 0;
    SoundHandle sound = 0;
    unsigned lengthMs = 0;
    double frame = 0; // of the recording
};

struct Channel {
    SoundHandle sound = 0;            // the sound the mixer plays now
    std::unique_ptr<Decoder> decoder; // null once the channel has ended
    AlVoice voice;
    ALenum format = AL_FORMAT_MONO16;
    double baseFrame = 0;             // frames of the recording before the first queued buffer
    std::deque<ALuint> queued;        // buffers in the source's queue, oldest first
    std::deque<int64_t> queuedFrames; // frames in each queued buffer
    double speed = 1.0;               // recording frames per output frame; 1 plays the decoder as it is
    std::unique_ptr<Stretch> stretch; // the speed stage, when speed is not 1
    std::vector<ALuint> spare;        // buffers not in the queue
    bool decoderDone = false;
    bool paused = false;
    bool ended = false;
    unsigned lengthMs = 0; // of the sound the mixer plays now
    uint64_t order = 0;
    // The gapless sequence: passes and sounds that follow the one being decoded, and which segment (a
    // pass of a sound) each queued buffer belongs to. Segments are counted from 0, the first pass.
    std::deque<Segment> upcoming;
    int repeatsLeft = 0;
    int decodingSegment = 0;
    SoundHandle decodingSound = 0;
    unsigned decodingLength = 0;
    int mixSegment = 0; // the segment the mixer plays now; heard a device latency later
    std::deque<BufferSegment> queuedSegments;
    // The buffers played last, newest at the back, for as long as the device may still be sounding
    // them: what the listener hears is behind what the mixer plays.
    std::deque<PlayedBuffer> played;
    // The segment the speed stage's output belongs to now (it lags its input), and the segments it has
    // been fed since, in order: each begins at one of the stage's marks.
    BufferSegment stretchOut;
    std::deque<BufferSegment> stretchAhead;
    int stretchMarks = 0; // marks of the stage already applied to stretchOut
    // Nothing more is queued and the audio left is short: the stage gives out its last frames. Until
    // then it waits, so that a pass or sound queued late still follows without a restart.
    bool stretchEnding = false;
};

} // namespace detail

using namespace detail;

// The one output device and context of the process, shared by every initialised System; each System
// keeps its own channels on it. The device opens when a channel first needs it and closes after
// IdleCloseMs() with no channel playing or paused. One feeder thread serves every System's channels
// and sleeps on its condition variable while none is live. Everything here is guarded by LayerMutex().
struct Output {
    int driver = -1; // the device chosen last (-1: the default)
    DevicePtr device;
    ContextPtr context;
    std::vector<System::Impl*> systems;
    std::thread feeder;
    std::condition_variable wake;
    bool quit = false;
    int opened = 0;      // devices opened in this process, for tests and benchmarks
    bool paused = false; // the device is open but paused: nothing plays
    // How far behind the mixer the listener is on a source, where OpenAL Soft tells it.
    LPALGETSOURCEI64VSOFT getSourceLatency = nullptr;
    std::chrono::milliseconds idleClose{30000};
    static constexpr std::chrono::milliseconds kDefaultIdlePause{1000};
    std::chrono::milliseconds idlePause = kDefaultIdlePause;
    // An explicit stop asked the device to pause as soon as nothing plays, not after idlePause (unless
    // idlePause was made longer than its default, as for a device that writes a file).
    bool pauseSoon = false;

    void MakeCurrent()
    {
        if (context && ALC_CHECK(nullptr, alcGetCurrentContext()) != context.get())
            ALC_CHECK(nullptr, alcMakeContextCurrent(context.get()));
    }
    // Opens the chosen device when none is open. False when it cannot be opened.
    bool EnsureOpen();
    // Closes the device; every channel's voice is released first.
    void CloseDevice();
    // Pauses the open device while nothing plays, and resumes it for the next play.
    void Pause();
    void Resume();
    bool AnyLive() const;
    void ServiceAll();
    void FeederLoop();
    void Attach(System::Impl* system);
    // Detaches system; the last one out stops the feeder and closes the device.
    void Detach(System::Impl* system, std::unique_lock<std::mutex>& lock);
    // Stops and joins the feeder. Run by the destructor too: a process that ends through exit() (as Qt
    // ends it when the display goes away) destroys this object while Systems are still attached, and
    // a condition variable destroyed under a waiting feeder would wait for ever.
    void StopFeeder(std::unique_lock<std::mutex>& lock);
    Output() = default;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output();
};

inline Output& TheOutput()
{
    LayerMutex(); // made first, so that it outlives the output, whose destructor takes it
    static Output output;
    return output;
}

struct System::Impl {
    int driver = -1;
    unsigned chunkMs = kDefaultChunkMs;
    double speed = 1.0; // for channels started from now on
    int maxChannels = 0;
    bool initialized = false;
    std::map<SoundHandle, SoundData> sounds;
    SoundHandle nextSound = 1;
    std::map<ChannelHandle, Channel> channels;
    ChannelHandle nextChannel = 1;
    uint64_t nextOrder = 1;
    std::set<ChannelHandle> stolen;
    std::vector<int16_t> scratch;
    double rewindCostMs = 20; // how long the last rewind took to make its first buffers ready

    void MakeCurrent() { TheOutput().MakeCurrent(); }
    void Wake() { TheOutput().wake.notify_all(); }

    // Decodes the next chunk into buffer and queues it; false at the end of the sound.
    bool QueueChunk(Channel& ch, ALuint buffer);
    // Milliseconds of audio queued on ch and not yet heard.
    int64_t QueuedMsLeft(const Channel& ch) const;
    // Up to frames frames of the sequence into scratch: straight from the decoder, or through the speed
    // stage, which runs on into the next pass or sound at the same speed.
    size_t ReadChunk(Channel& ch, size_t frames);
    // The speed stage for the speed now, from the segment being decoded on: none at 1.0.
    void NewStretch(Channel& ch);
    // Starts the speed stage over at the segment being decoded (a seek, a rewind).
    void ResetStretch(Channel& ch);
    // Moves the decoder on to the next segment: another pass of its sound, or the next sound when it
    // has the same rate and channels (a source's queue holds one format). False when nothing follows.
    // Within the speed stage (withinStretch) the stage runs on; else the segment starts with a stage for
    // the speed set now, so that a speed changed while playing applies from the next boundary.
    bool Advance(Channel& ch, bool withinStretch);
    // Starts the pass heard now again at the frame being played, with nothing after it decoded: the
    // decoder goes back to the heard sound. The reason when that sound can no longer be decoded.
    Result Rewind(Channel& ch);
    // The frame of the recording the mixer plays now on ch, in the pass it plays.
    double MixFrame(const Channel& ch) const;
    // What is heard on ch now: the mixer's place, as many frames back as the device holds before they
    // sound (while the source plays; paused, the device has played them out).
    HeardPoint Heard(const Channel& ch) const;
    // Frames the device holds ahead of the listener on ch; 0 while its source is not playing.
    double LatencyFrames(const Channel& ch) const;
    // Forgets played buffers that are out of the device by now.
    void TrimPlayed(Channel& ch) const;

    // The sound the mixer plays follows the oldest queued buffer: at a segment boundary, positions
    // start again.
    void SyncHeard(Channel& ch)
    {
        if (ch.queuedSegments.empty() || ch.queuedSegments.front().segment == ch.mixSegment)
            return;
        ch.mixSegment = ch.queuedSegments.front().segment;
        ch.sound = ch.queuedSegments.front().sound;
        ch.lengthMs = ch.queuedSegments.front().lengthMs;
        ch.baseFrame = 0;
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
        ch.stretch.reset();
        ch.voice.Release();
        ch.queued.clear();
        ch.queuedFrames.clear();
        ch.queuedSegments.clear();
        ch.played.clear();
        ch.spare.clear();
        ch.upcoming.clear();
    }

    // The buffer at the front of ch's queue has played: it leaves the queue for the played ones.
    void PopPlayed(Channel& ch)
    {
        ch.played.push_back({ch.queuedFrames.front(), ch.baseFrame, ch.queuedSegments.front()});
        ch.baseFrame += double(ch.queuedFrames.front()) * ch.queuedSegments.front().speed;
        ch.spare.push_back(ch.queued.front());
        ch.queued.pop_front();
        ch.queuedFrames.pop_front();
        ch.queuedSegments.pop_front();
        SyncHeard(ch);
    }

    // Recycles played buffers, refills them, restarts after an underrun and notices the end.
    void Service(Channel& ch)
    {
        if (ch.ended)
            return;
        const ALuint src = ch.voice.Source();
        ALint processed = 0;
        AL_CHECK(alGetSourcei(src, AL_BUFFERS_PROCESSED, &processed));
        while (processed-- > 0 && !ch.queued.empty()) {
            ALuint b = 0;
            AL_CHECK(alSourceUnqueueBuffers(src, 1, &b));
            PopPlayed(ch);
        }
        TrimPlayed(ch);
        const size_t before = ch.queued.size();
        TopUp(ch, AlVoice::kBuffers);
        SyncHeard(ch);
        if (ch.queued.empty() && ch.decoderDone) {
            MarkEnded(ch);
            return;
        }
        ALint state = 0;
        AL_CHECK(alGetSourcei(src, AL_SOURCE_STATE, &state));
        if (state == AL_STOPPED && !ch.paused && !ch.queued.empty())
            RestartDry(ch, before);
    }

    // ch's source ran dry and stopped (the feeder was held up) after the first played buffers of its
    // queue, before those just added. A stopped source plays its queue from the start: the played ones
    // leave it first, or they would be heard twice.
    void RestartDry(Channel& ch, size_t played)
    {
        const ALuint src = ch.voice.Source();
        std::vector<ALuint> all(ch.queued.size());
        AL_CHECK(
            alSourceUnqueueBuffers(src, ALsizei(all.size()), all.data())); // a stopped source's are all done
        for (size_t i = 0; i < played && !ch.queued.empty(); ++i)
            PopPlayed(ch);
        const std::vector<ALuint> left(ch.queued.begin(), ch.queued.end());
        if (!left.empty()) {
            AL_CHECK(alSourceQueueBuffers(src, ALsizei(left.size()), left.data()));
            AL_CHECK(alSourcePlay(src));
        } else if (ch.decoderDone) {
            MarkEnded(ch);
        }
    }

    void ServiceAll()
    {
        if (!TheOutput().context)
            return;
        MakeCurrent();
        for (auto& entry : channels)
            Service(entry.second);
    }

    bool AnyLive() const
    {
        for (const auto& entry : channels)
            if (!entry.second.ended)
                return true;
        return false;
    }

    // Drops every voice: the device is about to close. Channels that were live end.
    void ReleaseVoices()
    {
        for (auto& entry : channels)
            if (!entry.second.ended)
                MarkEnded(entry.second);
    }

    // Starts ch at frame, from a fresh decoder state; the voice must exist.
    void StartAt(Channel& ch, int64_t frame)
    {
        const ALuint src = ch.voice.Source();
        AL_CHECK(alSourceStop(src));
        AL_CHECK(alSourcei(src, AL_BUFFER, 0));
        ch.queued.clear();
        ch.queuedFrames.clear();
        ch.queuedSegments.clear();
        ch.played.clear();
        ch.mixSegment = ch.decodingSegment;
        ch.spare.assign(ch.voice.Buffers().begin(), ch.voice.Buffers().end());
        ch.decoder->Seek(frame);
        ch.baseFrame = double(frame);
        ResetStretch(ch);
        ch.decoderDone = false;
        TopUp(ch, kBuffersAtStart);
        if (ch.queued.empty()) {
            MarkEnded(ch);
            return;
        }
        if (!ch.paused)
            AL_CHECK(alSourcePlay(src));
    }

    // Gives ch a decoder and a voice, opening the device when it is closed; the reason when the sound
    // is gone, the device cannot be opened or OpenAL refuses.
    Result Prepare(Channel& ch)
    {
        const auto it = sounds.find(ch.sound);
        if (it == sounds.end())
            return ErrInvalidHandle;
        if (!TheOutput().EnsureOpen())
            return ErrOutputInit;
        MakeCurrent();
        Result r = Ok;
        ch.decoder = Decoder::Open(it->second.bytes, &r);
        if (!ch.decoder)
            return r;
        ch.format = ch.decoder->OutputChannels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
        // At 1.0 the stage is bypassed: the decoder's samples go out untouched.
        ch.decodingSound = ch.sound;
        ch.decodingLength = ch.lengthMs;
        NewStretch(ch);
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
        ALCdevice* device = TheOutput().device.get();
        if (!device || !ALC_CHECK(device, alcIsExtensionPresent(device, "ALC_EXT_disconnect")))
            return true;
        ALCint connected = ALC_TRUE;
        ALC_CHECK(device, alcGetIntegerv(device, ALC_CONNECTED, 1, &connected));
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
};

} // namespace sound
