// SPDX-License-Identifier: GPL-3.0-or-later
// Feeding a channel: decoding the next chunk (through the speed stage when the speed is not 1), moving on
// to the next pass or sound of a gapless sequence, and taking back what was queued ahead.
#include "al_check.h"
#include "streaming.h"

namespace sound
{

bool System::Impl::QueueChunk(Channel& ch, ALuint buffer)
{
    const int rate = ch.decoder->Rate();
    const int channels = ch.decoder->OutputChannels();
    const size_t frameBytes = size_t(channels) * sizeof(int16_t);
    const size_t frames = std::clamp<size_t>(size_t(rate) * chunkMs / 1000, 1, kMaxChunkBytes / frameBytes);
    scratch.resize(frames * size_t(channels));
    size_t got = ReadChunk(ch, frames);
    // The speed stage has nothing more for now: while a buffer is still queued ahead, something may
    // yet be queued to follow; once the last one plays, the stage gives out its last frames.
    if (got == 0 && ch.stretch && !ch.stretch->Finished()) {
        if (QueuedMsLeft(ch) > kStretchEndMs)
            return false;
        ch.stretchEnding = true;
        got = ReadChunk(ch, frames);
    }
    // The sound ran dry: the next pass or the next sound goes on in the same buffer queue (at another
    // speed, the stage's last frames have come out first).
    if (got == 0 && Advance(ch, false))
        got = ReadChunk(ch, frames);
    if (got == 0) {
        ch.decoderDone = true;
        return false;
    }
    const bool queued = AL_CHECK(alBufferData(buffer, ch.format, scratch.data(),
                                              ALsizei(got * size_t(channels) * sizeof(int16_t)), rate)) &&
                        AL_CHECK(alSourceQueueBuffers(ch.voice.Source(), 1, &buffer));
    if (!queued) {
        // OpenAL refused the audio (out of memory, a lost device): the channel plays out what it has.
        ch.decoderDone = true;
        return false;
    }
    ch.queued.push_back(buffer);
    ch.queuedFrames.push_back(int64_t(got));
    ch.queuedSegments.push_back(
        ch.stretch ? ch.stretchOut
                   : BufferSegment{ch.decodingSegment, ch.decodingSound, ch.decodingLength, 1.0});
    if (got < frames && !ch.stretch && ch.repeatsLeft == 0 && ch.upcoming.empty())
        ch.decoderDone = true;
    return true;
}

int64_t System::Impl::QueuedMsLeft(const Channel& ch) const
{
    int64_t frames = 0;
    for (int64_t f : ch.queuedFrames)
        frames += f;
    ALint offset = 0;
    if (ch.voice.Source())
        AL_CHECK(alGetSourcei(ch.voice.Source(), AL_SAMPLE_OFFSET, &offset));
    return std::max<int64_t>(frames - offset, 0) * 1000 / std::max(ch.decoder->Rate(), 1);
}

size_t System::Impl::ReadChunk(Channel& ch, size_t frames)
{
    if (!ch.stretch)
        return ch.decoder->Read(scratch.data(), frames);
    // The stage's input runs on into the next pass or sound at the same speed, so that the stretcher
    // never restarts at a boundary: a restart would put its start delay, heard as silence, there.
    const int channels = ch.decoder->OutputChannels();
    auto source = [this, &ch, channels](int16_t* out, size_t wanted, bool* ended) {
        size_t got = 0;
        *ended = false;
        while (got < wanted) {
            const size_t n = ch.decoder->Read(out + got * size_t(channels), wanted - got);
            if (n > 0) {
                got += n;
                continue;
            }
            // Another speed next: the stage ends here, and the next segment gets its own.
            if (speed != ch.speed && (ch.repeatsLeft > 0 || !ch.upcoming.empty())) {
                *ended = true;
                break;
            }
            if (!Advance(ch, true)) {
                *ended = ch.stretchEnding;
                break;
            }
            ch.stretch->Mark(ch.stretch->InputFrames() + int64_t(got));
            ch.stretchAhead.push_back({ch.decodingSegment, ch.decodingSound, ch.decodingLength, ch.speed});
        }
        return got;
    };
    const size_t got = ch.stretch->Read(source, scratch.data(), frames);
    while (ch.stretchMarks < ch.stretch->MarksPassed() && !ch.stretchAhead.empty()) {
        ch.stretchOut = ch.stretchAhead.front();
        ch.stretchAhead.pop_front();
        ++ch.stretchMarks;
    }
    return got;
}

void System::Impl::NewStretch(Channel& ch)
{
    // Without Rubber Band nothing is stretched: the recitation plays at its own speed.
    ch.speed = Stretch::Available() ? speed : 1.0;
    ch.stretch = ch.speed == 1.0
                     ? nullptr
                     : std::make_unique<Stretch>(ch.decoder->Rate(), ch.decoder->OutputChannels(), ch.speed);
    ch.stretchOut = {ch.decodingSegment, ch.decodingSound, ch.decodingLength, ch.speed};
    ch.stretchAhead.clear();
    ch.stretchMarks = 0;
    ch.stretchEnding = false;
}

void System::Impl::ResetStretch(Channel& ch)
{
    if (!ch.stretch)
        return;
    ch.stretch->Reset();
    ch.stretchOut = {ch.decodingSegment, ch.decodingSound, ch.decodingLength, ch.speed};
    ch.stretchAhead.clear();
    ch.stretchMarks = 0;
    ch.stretchEnding = false;
}

bool System::Impl::Advance(Channel& ch, bool withinStretch)
{
    if (ch.repeatsLeft > 0) {
        --ch.repeatsLeft;
        ch.decoder->Seek(0);
        ++ch.decodingSegment;
        if (!withinStretch)
            NewStretch(ch);
        return true;
    }
    while (!ch.upcoming.empty()) {
        const Segment next = ch.upcoming.front();
        ch.upcoming.pop_front();
        const auto it = sounds.find(next.sound);
        if (it == sounds.end())
            continue;
        Result r = Ok;
        std::unique_ptr<Decoder> decoder = Decoder::Open(it->second.bytes, &r);
        if (!decoder || decoder->Rate() != ch.decoder->Rate() ||
            decoder->OutputChannels() != ch.decoder->OutputChannels()) {
            ch.upcoming.clear();
            return false;
        }
        ch.decoder = std::move(decoder);
        ch.repeatsLeft = next.repeats;
        ch.decodingSound = next.sound;
        ch.decodingLength = next.lengthMs;
        ++ch.decodingSegment;
        if (!withinStretch)
            NewStretch(ch);
        return true;
    }
    return false;
}

Result System::Impl::Rewind(Channel& ch)
{
    const auto it = sounds.find(ch.sound);
    if (it == sounds.end())
        return ErrInvalidHandle;
    if (ch.decodingSound != ch.sound) {
        Result r = Ok;
        std::unique_ptr<Decoder> decoder = Decoder::Open(it->second.bytes, &r);
        if (!decoder)
            return r;
        ch.decoder = std::move(decoder);
    }
    // The pass heard goes on at the speed it is heard at; a new speed comes with the next pass.
    const double pace = ch.queuedSegments.empty() ? ch.speed : ch.queuedSegments.front().speed;
    const double oldBase = ch.baseFrame;
    AlVoice old = std::move(ch.voice);
    auto heard = [&old, oldBase, pace] {
        ALint offset = 0;
        AL_CHECK(alGetSourcei(old.Source(), AL_SAMPLE_OFFSET, &offset));
        return oldBase + double(std::max<ALint>(offset, 0)) * pace;
    };
    ch.decodingSegment = ch.mixSegment;
    ch.decodingSound = ch.sound;
    ch.decodingLength = ch.lengthMs;
    const double newSpeed = speed;
    speed = pace;
    NewStretch(ch);
    speed = newSpeed;
    if (!ch.voice.Create()) {
        // No second source to be had: start over on the one there is, with a short gap.
        ch.voice = std::move(old);
        StartAt(ch, int64_t(MixFrame(ch)));
        return Ok;
    }
    // The new queue is made ready on a second voice, a little ahead of the frame heard now, while the
    // old one plays on; the switch comes as the old one reaches that frame, so the decoding (slow
    // through the speed stage) is not heard as a gap. The lead is what the last rewind took, doubled.
    const double rate = ch.decoder->Rate();
    const double leadMs = ch.paused ? 0 : std::clamp(2 * rewindCostMs + 5, 5.0, 150.0);
    const double end = double(ch.lengthMs) * rate / 1000;
    const double target = std::max(std::min(heard() + leadMs * rate / 1000 * pace, end - 1), 0.0);
    const bool paused = ch.paused;
    const auto started = std::chrono::steady_clock::now();
    ch.paused = true;
    StartAt(ch, int64_t(target));
    ch.paused = paused;
    const auto ready = std::chrono::steady_clock::now();
    rewindCostMs = std::chrono::duration<double, std::milli>(ready - started).count();
    if (ch.ended)
        return Ok;
    ALint state = AL_STOPPED;
    while (!paused && heard() < target &&
           ready + std::chrono::milliseconds(200) > std::chrono::steady_clock::now()) {
        AL_CHECK(alGetSourcei(old.Source(), AL_SOURCE_STATE, &state));
        if (state != AL_PLAYING)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // Both in one mixer update where OpenAL Soft can defer updates.
    const auto defer =
        AL_CHECK(alIsExtensionPresent("AL_SOFT_deferred_updates")) == AL_TRUE
            ? reinterpret_cast<LPALDEFERUPDATESSOFT>(AL_CHECK(alGetProcAddress("alDeferUpdatesSOFT")))
            : nullptr;
    const auto process =
        defer ? reinterpret_cast<LPALPROCESSUPDATESSOFT>(AL_CHECK(alGetProcAddress("alProcessUpdatesSOFT")))
              : nullptr;
    if (defer && process)
        AL_CHECK(defer());
    // Late (this thread or the feeder was held up): the old voice has played past the frame the new
    // queue starts at. The new one starts as far in, rather than repeat what was just heard; past all
    // it holds, it starts at its last frame and what is queued next follows.
    const double over = heard() - target;
    if (over > 0 && !ch.queuedFrames.empty()) {
        int64_t held = 0;
        for (int64_t f : ch.queuedFrames)
            held += f;
        const int64_t skip = std::min(int64_t(over / pace), held - 1);
        AL_CHECK(alSourcei(ch.voice.Source(), AL_SAMPLE_OFFSET, ALint(skip)));
    }
    AL_CHECK(alSourceStop(old.Source()));
    if (!paused)
        AL_CHECK(alSourcePlay(ch.voice.Source()));
    if (defer && process)
        AL_CHECK(process());
    return Ok;
}

double System::Impl::MixFrame(const Channel& ch) const
{
    ALint offset = 0;
    AL_CHECK(alGetSourcei(ch.voice.Source(), AL_SAMPLE_OFFSET, &offset));
    const double pace = ch.queuedSegments.empty() ? ch.speed : ch.queuedSegments.front().speed;
    return ch.baseFrame + double(std::max<ALint>(offset, 0)) * pace;
}

double System::Impl::LatencyFrames(const Channel& ch) const
{
    const LPALGETSOURCEI64VSOFT getLatency = TheOutput().getSourceLatency;
    ALint state = AL_STOPPED;
    AL_CHECK(alGetSourcei(ch.voice.Source(), AL_SOURCE_STATE, &state));
    if (!getLatency || !ch.decoder || state != AL_PLAYING)
        return 0;
    ALint64SOFT offsetAndLatency[2] = {0, 0};
    AL_CHECK(getLatency(ch.voice.Source(), AL_SAMPLE_OFFSET_LATENCY_SOFT, offsetAndLatency));
    // A device that claims more than a second is not believed: the learner's place would lag too far.
    const double seconds = std::clamp(double(offsetAndLatency[1]) / 1e9, 0.0, 1.0);
    return seconds * ch.decoder->Rate();
}

HeardPoint System::Impl::Heard(const Channel& ch) const
{
    const BufferSegment now = ch.queuedSegments.empty()
                                  ? BufferSegment{ch.mixSegment, ch.sound, ch.lengthMs, ch.speed}
                                  : ch.queuedSegments.front();
    ALint offset = 0;
    AL_CHECK(alGetSourcei(ch.voice.Source(), AL_SAMPLE_OFFSET, &offset));
    double back = LatencyFrames(ch);
    if (double(offset) >= back || ch.played.empty())
        return {now.segment, now.sound, now.lengthMs,
                ch.baseFrame + std::max(double(offset) - back, 0.0) * now.speed};
    back -= double(std::max<ALint>(offset, 0));
    for (auto it = ch.played.rbegin(); it != ch.played.rend(); ++it) {
        if (double(it->frames) >= back || std::next(it) == ch.played.rend()) {
            const double into = std::max(double(it->frames) - back, 0.0);
            return {it->segment.segment, it->segment.sound, it->segment.lengthMs,
                    it->firstFrame + into * it->segment.speed};
        }
        back -= double(it->frames);
    }
    return {now.segment, now.sound, now.lengthMs, ch.baseFrame};
}

void System::Impl::TrimPlayed(Channel& ch) const
{
    const double keep = LatencyFrames(ch);
    // The newest buffers that cover the latency stay; older ones are out of the device.
    double covered = 0;
    size_t needed = 0;
    for (auto it = ch.played.rbegin(); it != ch.played.rend() && covered < keep; ++it, ++needed)
        covered += double(it->frames);
    while (ch.played.size() > needed)
        ch.played.pop_front();
}

} // namespace sound
