// SPDX-License-Identifier: GPL-3.0-or-later
// The CPU this whole process spends while it waits, as a share of one core: what its other threads (a
// player's feeder, the sound output's mixer) cost meanwhile.
#pragma once

#include <chrono>
#include <sys/resource.h>
#include <thread>

inline double CoreShareWhileWaiting(std::chrono::milliseconds wait)
{
    const auto cpu = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    };
    const double before = cpu();
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(wait);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return (cpu() - before) / wall;
}
