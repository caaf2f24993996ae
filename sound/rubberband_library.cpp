// SPDX-License-Identifier: GPL-3.0-or-later
#include "rubberband_library.h"

#include <dlfcn.h>
#include <mutex>

namespace sound
{
namespace
{

template <typename F> bool Resolve(void* library, const char* name, F* slot)
{
    void* address = dlsym(library, name);
    *slot = reinterpret_cast<F>(address);
    return address != nullptr;
}

} // namespace

const RubberBandFunctions* RubberBandLibrary()
{
    static std::once_flag once;
    static RubberBandFunctions functions{};
    static bool ok = false;
    std::call_once(once, [] {
        void* library = dlopen(VARNEL_RUBBERBAND_LIBRARY, RTLD_NOW | RTLD_LOCAL);
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
        else
            dlclose(library);
    });
    return ok ? &functions : nullptr;
}

} // namespace sound
