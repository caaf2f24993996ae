// Feeds arbitrary bytes to the sound layer's decoder entry, as a pack's .ogg item would reach it.
#include "sound.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    sound::Pcm pcm;
    if (sound::DecodeAll(data, size, &pcm) == sound::Ok && pcm.channels > 0 && pcm.samples.size() % size_t(pcm.channels))
        __builtin_trap();
    return 0;
}
