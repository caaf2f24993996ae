// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the sound layer's decoders, as a pack's recording would reach them: the whole
// decode, the length query, and the streaming path a channel takes (open, chunked reads, seeks).
#include "decoder.h"
#include "sound.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace
{

void Stream(const uint8_t* data, size_t size)
{
    auto bytes = std::make_shared<const std::vector<char>>(reinterpret_cast<const char*>(data),
                                                           reinterpret_cast<const char*>(data) + size);
    sound::Result result = sound::Ok;
    const std::unique_ptr<sound::Decoder> decoder = sound::Decoder::Open(bytes, &result);
    if (!decoder) {
        if (result == sound::Ok)
            __builtin_trap();
        return;
    }
    if (decoder->Rate() > sound::kMaxRate || decoder->OutputChannels() > 2 || decoder->Frames() <= 0)
        __builtin_trap();
    // The chunk a channel asks for at 250 ms, and a few odd sizes.
    const size_t chunk = size_t(decoder->Rate()) / 4 + 1;
    std::vector<int16_t> out(std::min(chunk, sound::kMaxChunkBytes / 2) * 2);
    const size_t frames = out.size() / 2;
    size_t total = 0;
    for (int i = 0; i < 64; ++i) {
        const size_t got = decoder->Read(out.data(), i % 3 == 0 ? frames : 1 + size_t(i) * 7 % frames);
        if (got > frames)
            __builtin_trap();
        total += got;
        if (got == 0)
            break;
    }
    // Seeks as a range and a jump make them: the middle, the end, past the end, back to the start.
    // A stream cut short may claim INT64_MAX frames: past the end is then the end itself.
    const int64_t frames64 = decoder->Frames();
    const int64_t past = frames64 > INT64_MAX - 1000 ? INT64_MAX : frames64 + 1000;
    for (int64_t at : {frames64 / 2, frames64, past, int64_t(0)}) {
        decoder->Seek(at);
        if (decoder->Read(out.data(), frames) > frames)
            __builtin_trap();
    }
    (void)total;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A whole decode stays within its limits whatever the file claims.
    sound::Pcm pcm;
    const sound::DecodeLimits limits;
    if (sound::DecodeAll(data, size, &pcm, limits) == sound::Ok &&
        (pcm.channels < 1 || pcm.channels > limits.maxChannels || pcm.rate > limits.maxRate ||
         pcm.samples.size() % size_t(pcm.channels) ||
         double(pcm.Frames()) > limits.maxSeconds * pcm.rate + 1))
        __builtin_trap();
    unsigned ms = 0;
    sound::MeasureLength(data, size, &ms);
    Stream(data, size);
    return 0;
}
