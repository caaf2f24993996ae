// SPDX-License-Identifier: GPL-3.0-or-later
// What the learner says into the virtual microphone (scripts/virtual-mic): samples written to its FIFO in
// real time, 20 ms at a time, by a thread of its own, until told to stop.
#pragma once

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <fcntl.h>
#include <functional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fixtures
{

constexpr int kMicRate = 44100;

// A voice-like sound: three partials under a slow swell, at amplitude up to 0.4; pitch scales them.
inline std::vector<int16_t> VoiceSamples(double seconds, double pitch = 1.0)
{
    const size_t n = size_t(seconds * kMicRate);
    std::vector<int16_t> out(n);
    for (size_t k = 0; k < n; ++k) {
        const double t = double(k) / kMicRate;
        const double swell = std::sin(M_PI * t / seconds);
        const double v = 0.2 * std::sin(2 * M_PI * 220 * pitch * t) + 0.12 * std::sin(2 * M_PI * 330 * pitch * t + 1) +
                         0.08 * std::sin(2 * M_PI * 550 * pitch * t + 2);
        out[k] = int16_t(std::lround(32767 * v * swell));
    }
    return out;
}

// Empties the FIFO of what an earlier writer left there and nobody recorded, so that a new take hears
// only what its own test says.
inline void DrainMic(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return;
    char buffer[4096];
    while (::read(fd, buffer, sizeof buffer) > 0) {
    }
    ::close(fd);
}

class MicWriter
{
  public:
    // Writes what next() gives, each call 20 ms of samples, into the FIFO at path until Stop().
    MicWriter(std::string path, std::function<std::vector<int16_t>(size_t frames)> next)
        : thread_([this, path = std::move(path), next] {
              DrainMic(path);
              Run(path, next);
          })
    {
    }
    ~MicWriter() { Stop(); }
    void Stop()
    {
        quit_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    bool Opened() const { return opened_; }

  private:
    void Run(const std::string& path, const std::function<std::vector<int16_t>(size_t)>& next)
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        opened_ = fd >= 0;
        if (fd < 0)
            return;
        const size_t step = kMicRate / 50;
        auto due = std::chrono::steady_clock::now();
        while (!quit_) {
            const std::vector<int16_t> block = next(step);
            // A full pipe (nobody recording) drops the block, as a microphone nobody listens to does.
            if (::write(fd, block.data(), block.size() * sizeof(int16_t)) < 0 && errno != EAGAIN)
                break;
            due += std::chrono::milliseconds(20);
            std::this_thread::sleep_until(due);
        }
        ::close(fd);
    }

    std::atomic<bool> quit_{false};
    std::atomic<bool> opened_{false};
    std::thread thread_;
};

} // namespace fixtures
