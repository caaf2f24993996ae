// SPDX-License-Identifier: GPL-3.0-or-later
// Move-only owners of OpenAL objects. They must be destroyed while their context is current and the
// layer's lock is held, which is how System uses them.
#pragma once

#include "al_check.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <array>
#include <memory>
#include <utility>

namespace sound {

struct DeviceCloser {
    void operator()(ALCdevice* d) const { ALC_CHECK(nullptr, alcCloseDevice(d)); }
};
struct ContextDestroyer {
    void operator()(ALCcontext* c) const
    {
        if (ALC_CHECK(nullptr, alcGetCurrentContext()) == c)
            ALC_CHECK(nullptr, alcMakeContextCurrent(nullptr));
        ALC_CHECK(nullptr, alcDestroyContext(c));
    }
};
struct CaptureCloser {
    void operator()(ALCdevice* d) const
    {
        ALC_CHECK(d, alcCaptureStop(d));
        ALC_CHECK(nullptr, alcCaptureCloseDevice(d));
    }
};
using DevicePtr = std::unique_ptr<ALCdevice, DeviceCloser>;
// An input device opened for capture; it needs no context.
using CaptureDevicePtr = std::unique_ptr<ALCdevice, CaptureCloser>;
using ContextPtr = std::unique_ptr<ALCcontext, ContextDestroyer>;

// One source with the fixed set of buffers that stream through it.
class AlVoice
{
public:
  static constexpr int kBuffers = 6;

  AlVoice() = default;
  AlVoice(const AlVoice&) = delete;
  AlVoice& operator=(const AlVoice&) = delete;
  AlVoice(AlVoice&& other) noexcept { *this = std::move(other); }
  AlVoice& operator=(AlVoice&& other) noexcept
  {
      if (this != &other) {
          Release();
          source_ = std::exchange(other.source_, 0);
          buffers_ = std::exchange(other.buffers_, {});
          valid_ = std::exchange(other.valid_, false);
      }
      return *this;
    }
    ~AlVoice() { Release(); }

    // False when OpenAL could not make the objects.
    bool Create()
    {
        Release();
        if (!AL_CHECK(alGenSources(1, &source_)))
            return false;
        if (!AL_CHECK(alGenBuffers(kBuffers, buffers_.data()))) {
            AL_CHECK(alDeleteSources(1, &source_));
            source_ = 0;
            return false;
        }
        valid_ = true;
        return true;
    }
    void Release()
    {
        if (!valid_)
            return;
        AL_CHECK(alSourceStop(source_));
        AL_CHECK(alSourcei(source_, AL_BUFFER, 0));
        AL_CHECK(alDeleteSources(1, &source_));
        AL_CHECK(alDeleteBuffers(kBuffers, buffers_.data()));
        valid_ = false;
        source_ = 0;
    }
    bool Valid() const { return valid_; }
    ALuint Source() const { return source_; }
    const std::array<ALuint, kBuffers>& Buffers() const { return buffers_; }

private:
    ALuint source_ = 0;
    std::array<ALuint, kBuffers> buffers_{};
    bool valid_ = false;
};

} // namespace sound
