// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundtouch_library.h"

#include "shared_library.h"

#include <mutex>

namespace sound
{

const SoundTouchFunctions* SoundTouchLibrary()
{
    static std::once_flag once;
    static SoundTouchFunctions functions{};
    static bool ok = false;
    std::call_once(once, [] {
        void* library = OpenLibrary(VARNEL_SOUNDTOUCH_LIBRARY);
        if (!library)
            return;
        SoundTouchFunctions f{};
        ok = Resolve(library, "soundtouch_createInstance", &f.create) &&
             Resolve(library, "soundtouch_destroyInstance", &f.destroy) &&
             Resolve(library, "soundtouch_setSampleRate", &f.setSampleRate) &&
             Resolve(library, "soundtouch_setChannels", &f.setChannels) &&
             Resolve(library, "soundtouch_setTempo", &f.setTempo) &&
             Resolve(library, "soundtouch_setSetting", &f.setSetting) &&
             Resolve(library, "soundtouch_putSamples_i16", &f.putSamples) &&
             Resolve(library, "soundtouch_receiveSamples_i16", &f.receiveSamples) &&
             Resolve(library, "soundtouch_numSamples", &f.numSamples) &&
             Resolve(library, "soundtouch_flush", &f.flush) && Resolve(library, "soundtouch_clear", &f.clear);
        if (ok)
            functions = f;
    });
    return ok ? &functions : nullptr;
}

} // namespace sound
