// SPDX-License-Identifier: GPL-3.0-or-later
#include "aubio_library.h"

#include "shared_library.h"

#include <dlfcn.h>
#include <mutex>

namespace listen
{
bool LoadAubio(const char* file, AubioFunctions* functions, std::string* problem)
{
    std::string why, p;
    void* library = sound::OpenLibrary(file, &why);
    if (!library) {
        *problem = std::string("the listening check needs the aubio library (") + file +
                   "), which cannot be loaded" + (why.empty() ? std::string() : ": " + why);
        return false;
    }
    using sound::Resolve;
    AubioFunctions f{};
    const bool ok =
        Resolve(library, "new_fvec", &f.newFvec, &p) && Resolve(library, "del_fvec", &f.delFvec, &p) &&
        Resolve(library, "new_cvec", &f.newCvec, &p) && Resolve(library, "del_cvec", &f.delCvec, &p) &&
        Resolve(library, "new_aubio_window", &f.newWindow, &p) &&
        Resolve(library, "new_aubio_fft", &f.newFft, &p) &&
        Resolve(library, "del_aubio_fft", &f.delFft, &p) &&
        Resolve(library, "aubio_fft_do_complex", &f.fftDoComplex, &p) &&
        Resolve(library, "aubio_fft_get_norm", &f.fftGetNorm, &p) &&
        Resolve(library, "new_aubio_mfcc", &f.newMfcc, &p) &&
        Resolve(library, "del_aubio_mfcc", &f.delMfcc, &p) &&
        Resolve(library, "aubio_mfcc_do", &f.mfccDo, &p) &&
        Resolve(library, "new_aubio_pitch", &f.newPitch, &p) &&
        Resolve(library, "del_aubio_pitch", &f.delPitch, &p) &&
        Resolve(library, "aubio_pitch_do", &f.pitchDo, &p) &&
        Resolve(library, "aubio_pitch_set_unit", &f.pitchSetUnit, &p) &&
        Resolve(library, "aubio_pitch_set_silence", &f.pitchSetSilence, &p) &&
        Resolve(library, "aubio_pitch_get_confidence", &f.pitchGetConfidence, &p);
    if (!ok) {
        *problem = "the aubio library has no " + p;
        dlclose(library);
        return false;
    }
    *functions = f;
    return true;
}

const AubioFunctions* Aubio(std::string* problem)
{
    static std::once_flag once;
    static AubioFunctions functions{};
    static bool ok = false;
    static std::string why;
    std::call_once(once, [] { ok = LoadAubio(VARNEL_AUBIO_LIBRARY, &functions, &why); });
    if (!ok && problem)
        *problem = why;
    return ok ? &functions : nullptr;
}

} // namespace listen
