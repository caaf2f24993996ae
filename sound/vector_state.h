// SPDX-License-Identifier: GPL-3.0-or-later
// Code that uses AVX and returns with the upper halves of the vector registers still in use (some of
// what a Qt GUI program runs does) makes every later SSE instruction of that thread, and of the threads
// it starts, pay a state-transition penalty: libvorbis's encoder, libm and Rubber Band then run three to
// twenty times slower. ClearUpperVectorState() clears that state; call it before heavy audio work.
#pragma once

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace sound
{

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) inline void ZeroUpperHalves() { _mm256_zeroupper(); }

inline void ClearUpperVectorState()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        ZeroUpperHalves();
}
#else
inline void ClearUpperVectorState() {}
#endif

} // namespace sound
