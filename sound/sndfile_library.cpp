// SPDX-License-Identifier: GPL-3.0-or-later
#include "sndfile_library.h"

#include "shared_library.h"

#include <mutex>

namespace sound
{
const SndfileFunctions* Sndfile()
{
    static std::once_flag once;
    static SndfileFunctions functions{};
    static bool ok = false;
    std::call_once(once, [] {
        void* library = OpenLibrary(VARNEL_SNDFILE_LIBRARY);
        if (!library)
            return;
        SndfileFunctions f{};
        ok = Resolve(library, "sf_open_virtual", &f.openVirtual) && Resolve(library, "sf_close", &f.close) &&
             Resolve(library, "sf_command", &f.command) &&
             Resolve(library, "sf_readf_short", &f.readfShort) &&
             Resolve(library, "sf_readf_float", &f.readfFloat) &&
             Resolve(library, "sf_readf_double", &f.readfDouble) &&
             Resolve(library, "sf_writef_float", &f.writefFloat) && Resolve(library, "sf_seek", &f.seek);
        if (ok)
            functions = f;
    });
    return ok ? &functions : nullptr;
}

} // namespace sound
