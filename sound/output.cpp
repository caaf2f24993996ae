// SPDX-License-Identifier: GPL-3.0-or-later
// The one output device of the process: opening it on demand, closing it when quiet, and the feeder
// thread that serves every System's channels.
#include "al_check.h"
#include "streaming.h"
#include "vector_state.h"

namespace sound
{

bool Output::EnsureOpen()
{
    if (context) {
        Resume();
        return true;
    }
    const std::vector<std::string> names = DriverNames();
    if (names.empty() || driver >= int(names.size()))
        return false;
    device.reset(ALC_CHECK(nullptr, alcOpenDevice(driver < 0 ? nullptr : names[size_t(driver)].c_str())));
    if (!device)
        return false;
    context.reset(ALC_CHECK(device.get(), alcCreateContext(device.get(), nullptr)));
    if (!context) {
        device.reset();
        return false;
    }
    ++opened;
    paused = false;
    MakeCurrent();
    getSourceLatency =
        AL_CHECK(alIsExtensionPresent("AL_SOFT_source_latency")) == AL_TRUE
            ? reinterpret_cast<LPALGETSOURCEI64VSOFT>(AL_CHECK(alGetProcAddress("alGetSourcei64vSOFT")))
            : nullptr;
    return true;
}

void Output::Pause()
{
    // Without anything to play the device would go on mixing silence, waking the process many times a
    // second; paused (where OpenAL Soft offers it), it sleeps until the next play.
    if (paused || !device ||
        !ALC_CHECK(device.get(), alcIsExtensionPresent(device.get(), "ALC_SOFT_pause_device")))
        return;
    auto pause = reinterpret_cast<LPALCDEVICEPAUSESOFT>(
        ALC_CHECK(device.get(), alcGetProcAddress(device.get(), "alcDevicePauseSOFT")));
    if (pause) {
        ALC_CHECK(device.get(), pause(device.get()));
        paused = true;
    }
}

void Output::Resume()
{
    if (!paused || !device)
        return;
    auto resume = reinterpret_cast<LPALCDEVICERESUMESOFT>(
        ALC_CHECK(device.get(), alcGetProcAddress(device.get(), "alcDeviceResumeSOFT")));
    if (resume)
        ALC_CHECK(device.get(), resume(device.get()));
    paused = false;
}

void Output::CloseDevice()
{
    if (!context)
        return;
    MakeCurrent();
    for (System::Impl* system : systems)
        system->ReleaseVoices();
    ALC_CHECK(nullptr, alcMakeContextCurrent(nullptr));
    context.reset();
    device.reset();
    paused = false;
}

bool Output::AnyLive() const
{
    for (const System::Impl* system : systems)
        if (system->AnyLive())
            return true;
    return false;
}

void Output::ServiceAll()
{
    ClearUpperVectorState(); // the feeder decodes and stretches at full speed
    for (System::Impl* system : systems)
        system->ServiceAll();
}

void Output::FeederLoop()
{
    std::unique_lock<std::mutex> lock(LayerMutex());
    auto quietSince = std::chrono::steady_clock::now();
    while (!quit) {
        if (AnyLive()) {
            wake.wait_for(lock, kFeederPeriod);
            ServiceAll();
            quietSince = std::chrono::steady_clock::now();
        } else if (context) {
            // Nothing plays: wake when the device has been quiet long enough to pause, and to close.
            const auto now = std::chrono::steady_clock::now();
            const auto closeAt = quietSince + idleClose,
                       pauseAt = quietSince + (pauseSoon && idlePause <= kDefaultIdlePause
                                                   ? std::chrono::milliseconds(0)
                                                   : idlePause);
            if (now >= closeAt) {
                CloseDevice();
            } else if (now >= pauseAt || paused) {
                Pause();
                wake.wait_until(lock, closeAt);
            } else {
                wake.wait_until(lock, std::min(pauseAt, closeAt));
            }
        } else {
            wake.wait(lock); // asleep until a channel plays again
        }
    }
}

void Output::Attach(System::Impl* system)
{
    systems.push_back(system);
    if (!feeder.joinable()) {
        quit = false;
        feeder = std::thread([this] { FeederLoop(); });
    }
}

void Output::Detach(System::Impl* system, std::unique_lock<std::mutex>& lock)
{
    MakeCurrent();
    system->channels.clear();
    systems.erase(std::remove(systems.begin(), systems.end(), system), systems.end());
    if (!systems.empty())
        return;
    StopFeeder(lock);
    CloseDevice();
}

void Output::StopFeeder(std::unique_lock<std::mutex>& lock)
{
    quit = true;
    wake.notify_all();
    std::thread finished = std::move(feeder);
    lock.unlock();
    if (finished.joinable())
        finished.join();
    lock.lock();
}

Output::~Output()
{
    std::unique_lock<std::mutex> lock(LayerMutex());
    StopFeeder(lock);
    CloseDevice();
    systems.clear();
}

} // namespace sound
