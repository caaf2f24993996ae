// SPDX-License-Identifier: GPL-3.0-or-later
#include "rubberband_library.h"

#include "shared_library.h"

#include <mutex>

namespace sound
{
const RubberBandFunctions* RubberBandLibrary()
{
    static std::once_flag once;
    static RubberBandFunctions functions{};
    static bool ok = false;
    std::call_once(once, [] {
        void* library = OpenLibrary(VARNEL_RUBBERBAND_LIBRARY);
        if (!library)
            return;
        RubberBandFunctions f{};
        ok = Resolve(library, "rubberband_new", &f.create) &&
             Resolve(library, "rubberband_delete", &f.destroy) &&
             Resolve(library, "rubberband_reset", &f.reset) &&
             Resolve(library, "rubberband_get_preferred_start_pad", &f.preferredStartPad) &&
             Resolve(library, "rubberband_get_start_delay", &f.startDelay) &&
             Resolve(library, "rubberband_process", &f.process) &&
             Resolve(library, "rubberband_available", &f.available) &&
             Resolve(library, "rubberband_retrieve", &f.retrieve);
        if (ok)
            functions = f;
    });
    return ok ? &functions : nullptr;
}

} // namespace sound
