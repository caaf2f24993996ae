// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoder.h"
#include "vector_state.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sound
{

namespace
{

sf_count_t MemLength(void* user) { return static_cast<MemoryFile*>(user)->size; }

sf_count_t MemSeek(sf_count_t offset, int whence, void* user)
{
    auto* f = static_cast<MemoryFile*>(user);
    const sf_count_t size = f->size;
    sf_count_t target = offset;
    if (whence == SEEK_CUR)
        target = f->position + offset;
    else if (whence == SEEK_END)
        target = size + offset;
    if (target < 0)
        return -1;
    f->position = std::min(target, size);
    return f->position;
}

sf_count_t MemRead(void* ptr, sf_count_t count, void* user)
{
    auto* f = static_cast<MemoryFile*>(user);
    const sf_count_t n = std::max<sf_count_t>(0, std::min(count, f->size - f->position));
    if (n > 0)
        std::memcpy(ptr, f->data + f->position, size_t(n));
    f->position += n;
    return n;
}

// Whether a header that libsndfile accepted describes a recording we play. Checked before any
// buffer is sized by it: a crafted header can claim billions of frames a second.
Result CheckFormat(const SF_INFO& info)
{
    if (info.channels <= 0 || info.samplerate <= 0 || info.frames < 0)
        return ErrFormat;
    if (info.channels > kMaxChannels || info.samplerate > kMaxRate || info.frames == 0)
        return ErrUnsupported;
    return Ok;
}

sf_count_t MemWrite(const void*, sf_count_t, void*) { return 0; }
sf_count_t MemTell(void* user) { return static_cast<MemoryFile*>(user)->position; }

sf_count_t GrowLength(void* user) { return sf_count_t(static_cast<GrowingFile*>(user)->bytes->size()); }

sf_count_t GrowSeek(sf_count_t offset, int whence, void* user)
{
    auto* f = static_cast<GrowingFile*>(user);
    sf_count_t target = offset;
    if (whence == SEEK_CUR)
        target = f->position + offset;
    else if (whence == SEEK_END)
        target = sf_count_t(f->bytes->size()) + offset;
    if (target < 0)
        return -1;
    f->position = target;
    return target;
}

sf_count_t GrowRead(void* ptr, sf_count_t count, void* user)
{
    auto* f = static_cast<GrowingFile*>(user);
    const sf_count_t size = sf_count_t(f->bytes->size());
    const sf_count_t n = std::max<sf_count_t>(0, std::min(count, size - f->position));
    if (n > 0)
        std::memcpy(ptr, f->bytes->data() + f->position, size_t(n));
    f->position += n;
    return n;
}

sf_count_t GrowWrite(const void* ptr, sf_count_t count, void* user)
{
    auto* f = static_cast<GrowingFile*>(user);
    if (count <= 0)
        return 0;
    const size_t end = size_t(f->position + count);
    if (f->bytes->size() < end)
        f->bytes->resize(end);
    std::memcpy(f->bytes->data() + f->position, ptr, size_t(count));
    f->position += count;
    return count;
}

sf_count_t GrowTell(void* user) { return static_cast<GrowingFile*>(user)->position; }

Result Encode(const Pcm& pcm, int format, double quality, std::vector<char>* out)
{
    ClearUpperVectorState();
    if (pcm.rate <= 0 || pcm.channels <= 0 || pcm.samples.size() % size_t(pcm.channels) != 0)
        return ErrInvalidParam;
    out->clear();
    if (!Sndfile())
        return ErrNoCodec;
    GrowingFile file{out, 0};
    SF_INFO info{};
    info.samplerate = pcm.rate;
    info.channels = pcm.channels;
    info.format = format;
    SndfilePtr handle(Sndfile()->openVirtual(GrowingIo(), SFM_WRITE, &info, &file));
    if (!handle)
        return ErrInvalidParam;
    if (quality >= 0)
        Sndfile()->command(handle.get(), SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    // libvorbis analyses a block at a time; feeding it in modest chunks keeps its buffers small.
    const sf_count_t frames = sf_count_t(pcm.Frames());
    constexpr sf_count_t kChunk = 4096;
    sf_count_t written = 0;
    while (written < frames) {
        const sf_count_t n = std::min(kChunk, frames - written);
        const sf_count_t done =
            Sndfile()->writefFloat(handle.get(), pcm.samples.data() + written * pcm.channels, n);
        if (done != n)
            break;
        written += done;
    }
    // Closing writes the stream's last pages: its result is the write's.
    const int closed = Sndfile()->close(handle.release());
    return written == frames && closed == 0 ? Ok : ErrFileWrite;
}

} // namespace

SF_VIRTUAL_IO* MemoryIo()
{
    static SF_VIRTUAL_IO io = {MemLength, MemSeek, MemRead, MemWrite, MemTell};
    return &io;
}

SF_VIRTUAL_IO* GrowingIo()
{
    static SF_VIRTUAL_IO io = {GrowLength, GrowSeek, GrowRead, GrowWrite, GrowTell};
    return &io;
}

std::unique_ptr<Decoder> Decoder::Open(std::shared_ptr<const std::vector<char>> bytes, Result* result)
{
    if (!Sndfile()) {
        *result = ErrNoCodec;
        return nullptr;
    }
    std::unique_ptr<Decoder> d(new Decoder);
    d->file_.data = bytes->data();
    d->file_.size = sf_count_t(bytes->size());
    d->file_.owner = std::move(bytes);
    d->handle_.reset(Sndfile()->openVirtual(MemoryIo(), SFM_READ, &d->info_, &d->file_));
    *result = d->handle_ ? CheckFormat(d->info_) : ErrFormat;
    return *result == Ok ? std::move(d) : nullptr;
}

Decoder::~Decoder() = default;

unsigned Decoder::LengthMs() const
{
    // Whole seconds first: a truncated stream may claim INT64_MAX frames, which times 1000 overflows.
    const int64_t rate = info_.samplerate;
    const int64_t seconds = info_.frames / rate;
    if (seconds >= int64_t(0xFFFFFFFFLL) / 1000)
        return 0xFFFFFFFFu;
    return unsigned(seconds * 1000 + info_.frames % rate * 1000 / rate);
}

size_t Decoder::Read(int16_t* out, size_t frames)
{
    if (info_.channels <= 2)
        return size_t(std::max<sf_count_t>(0, Sndfile()->readfShort(handle_.get(), out, sf_count_t(frames))));
    // The scratch never grows past one chunk's worth, whatever a caller asks for.
    frames = std::min(frames, kMaxChunkBytes / (sizeof(int16_t) * size_t(info_.channels)));
    wide_.resize(frames * size_t(info_.channels));
    const sf_count_t got =
        std::max<sf_count_t>(0, Sndfile()->readfShort(handle_.get(), wide_.data(), sf_count_t(frames)));
    for (sf_count_t i = 0; i < got; ++i) {
        out[2 * i] = wide_[size_t(i * info_.channels)];
        out[2 * i + 1] = wide_[size_t(i * info_.channels + 1)];
    }
    return size_t(got);
}

bool Decoder::Seek(int64_t frame) { return Sndfile()->seek(handle_.get(), frame, SEEK_SET) >= 0; }

Result DecodeAll(const void* data, size_t size, Pcm* out, const DecodeLimits& limits)
{
    ClearUpperVectorState();
    *out = Pcm();
    if (!Sndfile())
        return ErrNoCodec;
    // Read in place: the caller's bytes outlive the decode.
    MemoryFile file{nullptr, static_cast<const char*>(data), sf_count_t(size), 0};
    SF_INFO info{};
    const SndfilePtr handle(Sndfile()->openVirtual(MemoryIo(), SFM_READ, &info, &file));
    if (!handle)
        return ErrFormat;
    if (const Result r = CheckFormat(info); r != Ok)
        return r;
    const int outRate = std::max(1, std::min(info.samplerate, limits.maxRate));
    const int outChannels = std::max(1, std::min(info.channels, limits.maxChannels));
    const int64_t mostFrames = int64_t(limits.maxSeconds * outRate);
    // A length the header states is checked before anything is read (a truncated stream may claim any
    // length; it is checked as it is read).
    const int64_t maxFileFrames = kMaxDecodeInputSamples / info.channels;
    const bool lengthKnown = info.frames < SF_COUNT_MAX; // libsndfile's word for "not known"
    if (lengthKnown && info.frames > maxFileFrames)
        return ErrTooLarge;
    if (lengthKnown && info.frames / info.samplerate > int64_t(limits.maxSeconds) + 1)
        return ErrTooLong;
    // Each output frame averages the input frames of its period (rate / outRate of them), each channel
    // mixed into the output channel it falls to (every other one, for two).
    const double step = double(info.samplerate) / outRate;
    double periodEnd = step;
    int64_t inputFrames = 0;
    int inPeriod = 0;
    std::vector<double> sum(size_t(outChannels), 0.0);
    std::vector<int> share(size_t(outChannels), 0);
    for (int c = 0; c < info.channels; ++c)
        ++share[size_t(c % outChannels)];
    // The output's size, known from the header, taken at once rather than grown by doubling.
    if (lengthKnown && info.frames > 0)
        out->samples.reserve(
            size_t(std::min<int64_t>(info.frames * outRate / info.samplerate + 1, mostFrames)) *
            size_t(outChannels));
    constexpr sf_count_t kChunkFrames = 4096;
    std::vector<float> chunk(size_t(kChunkFrames) * size_t(info.channels));
    for (;;) {
        const sf_count_t got = Sndfile()->readfFloat(handle.get(), chunk.data(), kChunkFrames);
        if (got <= 0)
            break;
        for (sf_count_t f = 0; f < got; ++f) {
            const float* frame = chunk.data() + f * info.channels;
            for (int c = 0; c < info.channels; ++c)
                sum[size_t(c % outChannels)] += frame[c];
            ++inPeriod;
            ++inputFrames;
            if (double(inputFrames) + 1e-9 >= periodEnd) {
                for (int c = 0; c < outChannels; ++c) {
                    out->samples.push_back(float(sum[size_t(c)] / (double(inPeriod) * share[size_t(c)])));
                    sum[size_t(c)] = 0;
                }
                inPeriod = 0;
                periodEnd += step;
            }
        }
        if (inputFrames > maxFileFrames || int64_t(out->samples.size()) / outChannels > mostFrames) {
            *out = Pcm();
            return inputFrames > maxFileFrames ? ErrTooLarge : ErrTooLong;
        }
    }
    if (inPeriod > 0)
        for (int c = 0; c < outChannels; ++c)
            out->samples.push_back(float(sum[size_t(c)] / (double(inPeriod) * share[size_t(c)])));
    out->rate = outRate;
    out->channels = outChannels;
    return Ok;
}

bool HasNonFiniteSamples(const void* data, size_t size)
{
    if (!Sndfile())
        return false;
    MemoryFile file{nullptr, static_cast<const char*>(data), sf_count_t(size), 0};
    SF_INFO info{};
    const SndfilePtr handle(Sndfile()->openVirtual(MemoryIo(), SFM_READ, &info, &file));
    if (!handle || CheckFormat(info) != Ok)
        return false;
    const int subtype = info.format & SF_FORMAT_SUBMASK;
    if (subtype != SF_FORMAT_FLOAT && subtype != SF_FORMAT_DOUBLE)
        return false;
    std::vector<double> chunk(size_t(4096) * size_t(info.channels));
    for (sf_count_t got; (got = Sndfile()->readfDouble(handle.get(), chunk.data(), 4096)) > 0;)
        for (sf_count_t k = 0; k < got * info.channels; ++k)
            if (!std::isfinite(chunk[size_t(k)]))
                return true;
    return false;
}

Result MeasureLength(const void* data, size_t size, unsigned* milliseconds)
{
    if (!milliseconds || (!data && size))
        return ErrInvalidParam;
    return MeasureLength(std::make_shared<const std::vector<char>>(static_cast<const char*>(data),
                                                                   static_cast<const char*>(data) + size),
                         milliseconds);
}

Result MeasureLength(std::shared_ptr<const std::vector<char>> bytes, unsigned* milliseconds)
{
    if (!milliseconds || !bytes)
        return ErrInvalidParam;
    Result r = Ok;
    const std::unique_ptr<Decoder> decoder = Decoder::Open(std::move(bytes), &r);
    if (!decoder)
        return r;
    *milliseconds = decoder->LengthMs();
    return Ok;
}

Result EncodeOggVorbis(const Pcm& pcm, double quality, std::vector<char>* out)
{
    return Encode(pcm, SF_FORMAT_OGG | SF_FORMAT_VORBIS, std::clamp(quality, 0.0, 1.0), out);
}

Result EncodeMp3(const Pcm& pcm, std::vector<char>* out)
{
    return Encode(pcm, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, -1, out);
}

Result EncodeWav(const Pcm& pcm, std::vector<char>* out)
{
    return Encode(pcm, SF_FORMAT_WAV | SF_FORMAT_PCM_16, -1, out);
}

// The words are English here and translated where they are shown, in the context "Sound"; lupdate
// finds them by this mark (an alias of QT_TRANSLATE_NOOP in the build's translation step).
#define SOUND_WORDS(context, text) text

const char* ErrorString(int result)
{
    switch (result) {
    case Ok:
        return SOUND_WORDS("Sound", "No errors.");
    case ErrChannelStolen:
        return SOUND_WORDS("Sound", "The channel was taken over by a newer sound.");
    case ErrInvalidHandle:
        return SOUND_WORDS(
            "Sound",
            "The sound or channel no longer exists: it was stopped, finished and replaced, or released.");
    case ErrFormat:
        return SOUND_WORDS(
            "Sound",
            "The recording could not be read: its data is damaged or in a format that cannot be decoded.");
    case ErrNoDrivers:
        return SOUND_WORDS("Sound", "This computer has no sound output device.");
    case ErrOutputInit:
        return SOUND_WORDS("Sound",
                           "The sound output device could not be started. It may be in use or unplugged.");
    case ErrInvalidParam:
        return SOUND_WORDS("Sound", "A value given to the sound system was out of range.");
    case ErrNotInitialized:
        return SOUND_WORDS("Sound", "The sound system is not running.");
    case ErrAlreadyInitialized:
        return SOUND_WORDS("Sound", "The sound system is already running.");
    case ErrOutput:
        return SOUND_WORDS("Sound", "The sound output device failed while playing.");
    case ErrFileWrite:
        return SOUND_WORDS("Sound", "The sound could not be encoded.");
    case ErrUnsupported:
        return SOUND_WORDS(
            "Sound",
            "The recording cannot be played: it claims more than 8 channels, a sample rate above 384 kHz, "
            "or holds no sound at all.");
    case ErrNoInput:
        return SOUND_WORDS("Sound", "No microphone was found: there is no input device to record from.");
    case ErrInputInit:
        return SOUND_WORDS("Sound", "The microphone could not be opened: another program may be using it.");
    case ErrTooLong:
        return SOUND_WORDS("Sound", "The recording is longer than an aya can be (over ten minutes).");
    case ErrNoCodec:
        return SOUND_WORDS("Sound",
                           "libsndfile, which reads and writes recordings, cannot be loaded: install "
                           "the package libsndfile1.");
    case ErrTooLarge:
        return SOUND_WORDS("Sound",
                           "The recording holds more samples than an aya's can (ten minutes of stereo at "
                           "96 kHz): it is too large to decode.");
    default:
        return SOUND_WORDS("Sound", "Unknown error.");
    }
}

} // namespace sound
