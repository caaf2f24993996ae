// SPDX-License-Identifier: GPL-3.0-or-later
// Recording from an input device (a microphone) through OpenAL Soft's capture API: mono 16-bit audio.
// Capture owns the opened device and moves but never copies. While it records, one thread drains the
// device every 20 ms into memory, so the caller never waits on the device; while it does not, there is
// no thread and no open device.
#pragma once

#include "sound.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sound
{

// The names of the input devices OpenAL offers; empty when there is none.
std::vector<std::string> InputDevices();

class Capture
{
  public:
    static constexpr int kRate = 44100;

    Capture();
    ~Capture();
    Capture(Capture&& other) noexcept;
    Capture& operator=(Capture&& other) noexcept;
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    // Opens the named input device (empty: the default) and starts recording at rate. ErrNoInput when
    // the machine has no input device, ErrInputInit when the device cannot be opened; ErrAlreadyInitialized
    // while recording already.
    Result Start(const std::string& device = {}, int rate = kRate);
    // Stops recording: what the device still held is drained, the thread ends and the device closes.
    // What was captured can still be taken.
    void Stop();
    bool Recording() const;
    // The samples captured since the last call, mono, at Rate().
    std::vector<int16_t> Take();
    int Rate() const;
    // True once the device was lost while recording (unplugged, its server gone).
    bool Lost() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace sound
