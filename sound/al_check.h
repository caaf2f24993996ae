// SPDX-License-Identifier: GPL-3.0-or-later
// Every OpenAL call of the layer goes through AL_CHECK (the AL functions, errors read with alGetError)
// or ALC_CHECK (the ALC functions, errors read from the device given). A failed call is reported with
// the call as written, its file and line and the error's name: on standard error, once per place so
// that a call failing at every tick does not flood it, and as LastAlFailure() for whoever looks. The
// value of a call that returns one is passed on; a call that returns nothing gives true when it
// succeeded.
#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <string>
#include <type_traits>

namespace sound
{

struct AlFailure {
    std::string call; // as written in the source: "alSourcePlay(src)"
    std::string file;
    int line = 0;
    std::string error; // "AL_INVALID_NAME"
};

// The last failure a checked call met in this process; an empty call when none has.
AlFailure LastAlFailure();

namespace al_check
{

// Reads the error the call left (al: alGetError; alc: alcGetError(device)) and reports it; true when
// there was none.
bool Report(const char* call, const char* file, int line);
bool ReportAlc(ALCdevice* device, const char* call, const char* file, int line);

template <typename F> auto Al(F&& f, const char* call, const char* file, int line)
{
    alGetError(); // what an earlier, unchecked failure left is not this call's
    if constexpr (std::is_void_v<decltype(f())>) {
        f();
        return Report(call, file, line);
    } else {
        auto value = f();
        Report(call, file, line);
        return value;
    }
}

template <typename F> auto Alc(ALCdevice* device, F&& f, const char* call, const char* file, int line)
{
    alcGetError(device);
    if constexpr (std::is_void_v<decltype(f())>) {
        f();
        return ReportAlc(device, call, file, line);
    } else {
        auto value = f();
        ReportAlc(device, call, file, line);
        return value;
    }
}

} // namespace al_check
} // namespace sound

#define AL_CHECK(...) ::sound::al_check::Al([&]() { return __VA_ARGS__; }, #__VA_ARGS__, __FILE__, __LINE__)
#define ALC_CHECK(device, ...)                                                                               \
    ::sound::al_check::Alc((device), [&]() { return __VA_ARGS__; }, #__VA_ARGS__, __FILE__, __LINE__)
