// SPDX-License-Identifier: GPL-3.0-or-later
// A libsndfile decoder over a block of memory, the source that a channel streams from.
#pragma once

#include "sndfile_library.h"

#include "sound.h"

#include <memory>
#include <sndfile.h>

namespace sound
{

// Read, seek and tell over shared bytes, as libsndfile's virtual I/O asks for them.
struct MemoryFile {
    std::shared_ptr<const std::vector<char>> owner; // keeps data alive, when the file owns it
    const char* data = nullptr;
    sf_count_t size = 0;
    sf_count_t position = 0;
};

// Growing bytes for encoding.
struct GrowingFile {
    std::vector<char>* bytes = nullptr;
    sf_count_t position = 0;
};

// The most bytes of decoded audio handled in one piece: a chunk for the output, a decoder's scratch.
constexpr size_t kMaxChunkBytes = 256 * 1024;

// The one owner of a libsndfile handle, which closes it.
struct SndfileCloser {
    void operator()(SNDFILE* file) const { Sndfile()->close(file); }
};
using SndfilePtr = std::unique_ptr<SNDFILE, SndfileCloser>;

SF_VIRTUAL_IO* MemoryIo();
SF_VIRTUAL_IO* GrowingIo();

class Decoder
{
  public:
    // Null, with ErrFormat in *result, when the bytes are not decodable audio.
    static std::unique_ptr<Decoder> Open(std::shared_ptr<const std::vector<char>> bytes, Result* result);
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    int Rate() const { return info_.samplerate; }
    // Channels delivered by Read: the file's own, but never more than two.
    int OutputChannels() const { return info_.channels > 2 ? 2 : info_.channels; }
    int64_t Frames() const { return info_.frames; }
    unsigned LengthMs() const;

    // Reads up to frames frames of interleaved 16-bit samples, OutputChannels() each; returns the frames
    // read (0 at the end). Files of more than two channels are read at most kMaxChunkBytes at a time.
    size_t Read(int16_t* out, size_t frames);
    bool Seek(int64_t frame);

  private:
    Decoder() = default;
    MemoryFile file_;
    SndfilePtr handle_;
    SF_INFO info_{};
    std::vector<int16_t> wide_; // scratch for files with more than two channels
};

} // namespace sound
