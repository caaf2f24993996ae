// SPDX-License-Identifier: GPL-3.0-or-later
// A library loaded by name when it is first needed rather than with the program, and its functions
// found by name: the sound layer's libsndfile and Rubber Band, the listening check's aubio and the speech's
// espeak-ng. No Qt.
#pragma once

#include <dlfcn.h>
#include <string>

namespace sound
{

// Opens the library file for the program's life (it is never closed, so its functions stay valid);
// null, with the loader's reason in *why, when it cannot be.
inline void* OpenLibrary(const char* file, std::string* why = nullptr)
{
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!library && why) {
        const char* reason = dlerror();
        *why = reason ? reason : "";
    }
    return library;
}

// Finds the function name in library into *slot; false, with the name in *missing, when it lacks it.
template <typename F> bool Resolve(void* library, const char* name, F* slot, std::string* missing = nullptr)
{
    void* address = dlsym(library, name);
    *slot = reinterpret_cast<F>(address);
    if (!address && missing)
        *missing = name;
    return address != nullptr;
}

} // namespace sound
