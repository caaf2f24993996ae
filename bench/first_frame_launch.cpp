// SPDX-License-Identifier: GPL-3.0-or-later
// first-frame-launch LIBRARY PROGRAM [ARGUMENTS]: notes the time in FIRST_FRAME_T0 and becomes PROGRAM
// at once with LIBRARY (bench/first_frame.cpp) preloaded, which times the whole start from there, the
// loading of the program's libraries included.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: first-frame-launch LIBRARY PROGRAM [ARGUMENTS]\n");
        return 2;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::string t0 = std::to_string(now.tv_sec * 1000000000LL + now.tv_nsec);
    setenv("FIRST_FRAME_T0", t0.c_str(), 1);
    setenv("LD_PRELOAD", argv[1], 1);
    execv(argv[2], argv + 2);
    perror(argv[2]);
    return 127;
}
