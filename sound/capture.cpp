// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture.h"
#include "al_check.h"

#include "al_handles.h"

#include <AL/alext.h>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace sound
{

namespace
{
// Each wake-up costs the process CPU; the device holds two seconds, so a tenth of one loses nothing.
constexpr auto kDrainPeriod = std::chrono::milliseconds(100);
constexpr int kDeviceSeconds = 2; // the device's own ring buffer: far more than one period
} // namespace

std::vector<std::string> InputDevices()
{
    std::vector<std::string> names;
    const ALCchar* list = ALC_CHECK(nullptr, alcGetString(nullptr, ALC_CAPTURE_DEVICE_SPECIFIER));
    while (list && *list) {
        names.emplace_back(list);
        list += names.back().size() + 1;
    }
    return names;
}

struct Capture::State {
    CaptureDevicePtr device;
    int rate = Capture::kRate;
    std::thread drainer;
    std::mutex mutex; // guards taken, quit and lost
    std::condition_variable wake;
    std::vector<int16_t> taken;
    std::vector<int16_t> scratch; // the drainer's own
    bool quit = false;
    std::atomic<bool> lost{false};

    // Moves what the device holds into taken; notices a lost device.
    void Drain()
    {
        ALCdevice* d = device.get();
        if (ALC_CHECK(d, alcIsExtensionPresent(d, "ALC_EXT_disconnect"))) {
            ALCint connected = ALC_TRUE;
            ALC_CHECK(d, alcGetIntegerv(d, ALC_CONNECTED, 1, &connected));
            if (connected == ALC_FALSE)
                lost = true;
        }
        ALCint available = 0;
        ALC_CHECK(d, alcGetIntegerv(d, ALC_CAPTURE_SAMPLES, 1, &available));
        if (available <= 0)
            return;
        scratch.resize(size_t(available));
        ALC_CHECK(d, alcCaptureSamples(d, scratch.data(), available));
        std::lock_guard<std::mutex> lock(mutex);
        taken.insert(taken.end(), scratch.begin(), scratch.end());
    }

    void Run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (!quit) {
            wake.wait_for(lock, kDrainPeriod, [this] { return quit; });
            lock.unlock();
            Drain();
            lock.lock();
        }
    }
};

Capture::Capture() : state_(std::make_unique<State>()) {}

Capture::~Capture()
{
    if (state_)
        Stop();
}

Capture::Capture(Capture&& other) noexcept = default;

Capture& Capture::operator=(Capture&& other) noexcept
{
    if (this != &other) {
        if (state_)
            Stop();
        state_ = std::move(other.state_);
    }
    return *this;
}

Result Capture::Start(const std::string& device, int rate)
{
    if (!state_)
        state_ = std::make_unique<State>();
    State& s = *state_;
    if (s.device)
        return ErrAlreadyInitialized;
    if (rate < 8000 || rate > kMaxRate)
        return ErrInvalidParam;
    if (InputDevices().empty())
        return ErrNoInput;
    s.device.reset(
        ALC_CHECK(nullptr, alcCaptureOpenDevice(device.empty() ? nullptr : device.c_str(), ALCuint(rate),
                                                AL_FORMAT_MONO16, ALCsizei(rate * kDeviceSeconds))));
    if (!s.device)
        return ErrInputInit;
    s.rate = rate;
    s.lost = false;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.quit = false;
        s.taken.clear();
    }
    ALC_CHECK(s.device.get(), alcCaptureStart(s.device.get()));
    s.drainer = std::thread([&s] { s.Run(); });
    return Ok;
}

void Capture::Stop()
{
    if (!state_ || !state_->device)
        return;
    State& s = *state_;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.quit = true;
    }
    s.wake.notify_all();
    s.drainer.join();
    s.Drain();
    s.device.reset();
}

bool Capture::Recording() const { return state_ && state_->device != nullptr; }

std::vector<int16_t> Capture::Take()
{
    if (!state_)
        return {};
    std::lock_guard<std::mutex> lock(state_->mutex);
    std::vector<int16_t> out;
    out.swap(state_->taken);
    return out;
}

int Capture::Rate() const { return state_ ? state_->rate : kRate; }

bool Capture::Lost() const { return state_ && state_->lost; }

} // namespace sound
