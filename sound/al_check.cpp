// SPDX-License-Identifier: GPL-3.0-or-later
#include "al_check.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <utility>

namespace sound
{
namespace
{

std::mutex lock;
AlFailure last;
std::set<std::pair<std::string, int>> told; // the places already reported on standard error

std::string AlName(ALenum error)
{
    switch (error) {
    case AL_INVALID_NAME:
        return "AL_INVALID_NAME";
    case AL_INVALID_ENUM:
        return "AL_INVALID_ENUM";
    case AL_INVALID_VALUE:
        return "AL_INVALID_VALUE";
    case AL_INVALID_OPERATION:
        return "AL_INVALID_OPERATION";
    case AL_OUT_OF_MEMORY:
        return "AL_OUT_OF_MEMORY";
    default:
        return "AL error " + std::to_string(error);
    }
}

std::string AlcName(ALCenum error)
{
    switch (error) {
    case ALC_INVALID_DEVICE:
        return "ALC_INVALID_DEVICE";
    case ALC_INVALID_CONTEXT:
        return "ALC_INVALID_CONTEXT";
    case ALC_INVALID_ENUM:
        return "ALC_INVALID_ENUM";
    case ALC_INVALID_VALUE:
        return "ALC_INVALID_VALUE";
    case ALC_OUT_OF_MEMORY:
        return "ALC_OUT_OF_MEMORY";
    default:
        return "ALC error " + std::to_string(error);
    }
}

void Tell(const char* call, const char* file, int line, std::string error)
{
    const std::lock_guard<std::mutex> hold(lock);
    last = AlFailure{call, file, line, std::move(error)};
    if (told.insert({file, line}).second)
        std::fprintf(stderr, "Varnel: OpenAL call %s failed at %s:%d: %s\n", call, file, line,
                     last.error.c_str());
}

} // namespace

AlFailure LastAlFailure()
{
    const std::lock_guard<std::mutex> hold(lock);
    return last;
}

namespace al_check
{

bool Report(const char* call, const char* file, int line)
{
    const ALenum error = alGetError();
    if (error == AL_NO_ERROR)
        return true;
    Tell(call, file, line, AlName(error));
    return false;
}

bool ReportAlc(ALCdevice* device, const char* call, const char* file, int line)
{
    const ALCenum error = alcGetError(device);
    if (error == ALC_NO_ERROR)
        return true;
    Tell(call, file, line, AlcName(error));
    return false;
}

} // namespace al_check
} // namespace sound
