// SPDX-License-Identifier: GPL-3.0-or-later
// aubio, loaded when the first check or melody needs it rather than with the program: the library
// brings some 130 others with it (FFmpeg's among them, for audio readers we never use), and loading
// them all made every start of the window several times slower. No Qt.
#pragma once
#include <aubio/aubio.h>
#include <string>

namespace listen
{

// The functions of aubio that the features and the melody use, each with aubio's own signature.
struct AubioFunctions {
    decltype(&::new_fvec) newFvec;
    decltype(&::del_fvec) delFvec;
    decltype(&::new_cvec) newCvec;
    decltype(&::del_cvec) delCvec;
    decltype(&::new_aubio_window) newWindow;
    decltype(&::new_aubio_fft) newFft;
    decltype(&::del_aubio_fft) delFft;
    decltype(&::aubio_fft_do_complex) fftDoComplex;
    decltype(&::aubio_fft_get_norm) fftGetNorm;
    decltype(&::new_aubio_mfcc) newMfcc;
    decltype(&::del_aubio_mfcc) delMfcc;
    decltype(&::aubio_mfcc_do) mfccDo;
    decltype(&::new_aubio_pitch) newPitch;
    decltype(&::del_aubio_pitch) delPitch;
    decltype(&::aubio_pitch_do) pitchDo;
    decltype(&::aubio_pitch_set_unit) pitchSetUnit;
    decltype(&::aubio_pitch_set_silence) pitchSetSilence;
    decltype(&::aubio_pitch_get_confidence) pitchGetConfidence;
};

// Loads aubio from file (a name the dynamic loader finds, or a path) into functions. False, with the
// reason for the learner in problem, when it cannot be loaded or lacks one of the functions.
bool LoadAubio(const char* file, AubioFunctions* functions, std::string* problem);

// aubio's functions, the library loaded at the first call (from any thread) and kept. Null when it
// cannot be loaded or lacks one of them; then why, for the learner, is in problem (if given).
const AubioFunctions* Aubio(std::string* problem = nullptr);

} // namespace listen
