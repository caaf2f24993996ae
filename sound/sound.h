// SPDX-License-Identifier: GPL-3.0-or-later
// Varnel's sound layer: playback of in-memory recordings through OpenAL Soft, decoded by libsndfile.
// It knows nothing of Qt. Every operation returns a Result; ErrorString() words it for a person.
//
// A System owns one output device. Sounds are blocks of encoded audio (Ogg Vorbis, Opus, FLAC, WAV,
// MP3: whatever libsndfile reads); the format is detected from the bytes. Playing a sound gives a
// channel that streams it: the first few hundred milliseconds are decoded at once, the rest is fed to
// an OpenAL buffer queue by a thread inside the System. Sounds and channels are numbered handles, so a
// stale handle is answered with ErrInvalidHandle (or ErrChannelStolen) and never dereferenced.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sound
{

enum Result : int {
    Ok = 0,
    ErrChannelStolen = 1,  // the channel was taken for a newer sound
    ErrInvalidHandle = 2,  // the sound or channel no longer exists (stopped, ended and replaced, released)
    ErrFormat = 3,         // the bytes are not audio that can be decoded
    ErrNoDrivers = 4,      // there is no output driver on this machine
    ErrOutputInit = 5,     // the output device could not be started
    ErrInvalidParam = 6,   // an argument is out of range
    ErrNotInitialized = 7, // the system has not been initialised (or was closed)
    ErrAlreadyInitialized = 8,
    ErrOutput = 9,       // the output device failed while playing
    ErrFileWrite = 10,   // encoding could not write its output
    ErrUnsupported = 11, // audio, but beyond what is played: too many channels, too high a rate, no frames
    ErrNoInput = 12,     // there is no input device (microphone) to record from
    ErrInputInit = 13,   // the input device could not be opened
    ErrTooLong = 14,     // longer than an aya can be: not decoded whole
    ErrTooLarge = 15,    // more samples than an aya's can hold (a flood of channels or of samples a second)
    ErrNoCodec = 16,     // libsndfile, which reads and writes recordings, cannot be loaded
};

// The formats a recording may have to be played; anything beyond is refused with ErrUnsupported.
constexpr int kMaxRate = 384000;
constexpr int kMaxChannels = 8;
constexpr double kMinSpeed = 0.5;
constexpr double kMaxSpeed = 1.5;

// Asks OpenAL Soft for the output devices on a thread of its own (once a process), so that the players
// made later find the answer ready rather than each waiting for the sound server: called first thing,
// the asking overlaps the program's own start. A player that starts sooner waits for the answer.
void PrepareOutputs();

// The shared output device: whether it is open now, and how many times one was opened in this process.
bool OutputOpen();
int OutputOpenCount();
// The shared device is open but paused, as it is soon after nothing plays: it mixes nothing and wakes
// nobody until the next play resumes it.
bool OutputPaused();
// How long the output stays open with nothing playing or paused before it is released (30 s).
void SetIdleClose(std::chrono::milliseconds delay);
// How long the output stays running with nothing playing or paused before it is paused (1 s): a short
// stop between two plays keeps it running. A device that writes a file (OpenAL Soft's wave driver)
// writes nothing while paused, so recordings of silences need a delay longer than they are.
void SetIdlePause(std::chrono::milliseconds delay);
// The learner stopped: the output pauses as soon as nothing plays, rather than after the idle pause that
// bridges the gaps inside a drill.
void PauseOutputSoon();

// Our own words for each result; "Unknown error." for any other value.
const char* ErrorString(int result);

using SoundHandle = uint32_t;   // 0 is no sound
using ChannelHandle = uint32_t; // 0 is no channel

class System
{
  public:
    ~System(); // closes the system if it is still open

    static Result Create(std::unique_ptr<System>* out);

    // Output drivers, numbered in the order of their names. Valid before and after Init.
    Result GetNumDrivers(int* count) const;
    Result GetDriverName(int driver, std::string* name) const;
    // Chooses the driver that Init opens; -1 (the default) is the machine's default output.
    Result SetDriver(int driver);
    Result Init(int maxChannels);
    // Length of one streaming buffer in milliseconds; the queue holds four. Clamped to 50..250.
    Result SetStreamBufferSize(unsigned milliseconds);
    // The playback speed of channels started from now on, kMinSpeed..kMaxSpeed, with the pitch kept.
    // Positions and lengths stay in the recording's own time; at 1.0 the audio is played untouched.
    Result SetSpeed(double speed);
    // Services the streams at once (the feeder thread does the same every few milliseconds).
    Result Update();
    // Stops every channel, releases every sound and the device. The System can be initialised again.
    Result Close();

    // Copies the bytes and reads the header; ErrFormat when they are not decodable audio.
    Result CreateSound(const void* data, size_t size, SoundHandle* sound);
    // The same without a copy: the sound keeps the bytes it is given.
    Result CreateSound(std::shared_ptr<const std::vector<char>> bytes, SoundHandle* sound);
    Result ReleaseSound(SoundHandle sound);
    Result GetLength(SoundHandle sound, unsigned* milliseconds) const;
    // Sounds never loop; the call is accepted for the looping flag "off" and refused for "on".
    Result SetLoop(SoundHandle sound, bool loop);

    Result PlaySound(SoundHandle sound, bool paused, ChannelHandle* channel);
    // Position from the start of the sound; equal to the length once the sound has played to its end.
    // Positions, segments and the current sound are what the listener hears now: a device's latency
    // behind what OpenAL mixes, so that a place shown, or a step taken from it, is the one heard.
    Result GetPosition(ChannelHandle channel, unsigned* milliseconds);
    Result SetPosition(ChannelHandle channel, unsigned milliseconds);
    // How far what is heard on the channel lags what is mixed: the device's latency while it plays.
    Result GetLatency(ChannelHandle channel, unsigned* milliseconds);
    Result SetPaused(ChannelHandle channel, bool paused);
    // Gapless sequences on one channel: after the pass heard now, `passes` more passes of its sound
    // (replacing an earlier count), then each sound queued with QueueNext (with its own further passes),
    // all on the same source with nothing between them. A sound of another rate or channel count ends
    // the sequence instead. Positions and lengths are those of the pass heard now; GetSegment counts the
    // passes begun since PlaySound (0 during the first).
    Result QueueRepeats(ChannelHandle channel, int passes);
    Result QueueNext(ChannelHandle channel, SoundHandle sound, int passes);
    Result GetSegment(ChannelHandle channel, int* segment);
    // Takes back what was queued to follow the pass heard now (further passes, sounds queued with
    // QueueNext, and audio already decoded for them): that pass plays on to its end, then the channel
    // ends unless something is queued again. Settings changed during a sequence apply from there.
    Result TakeBack(ChannelHandle channel);
    Result GetPaused(ChannelHandle channel, bool* paused);
    // True while the channel has sound left to play (paused counts as playing).
    Result IsPlaying(ChannelHandle channel, bool* playing);
    Result Stop(ChannelHandle channel);
    Result GetCurrentSound(ChannelHandle channel, SoundHandle* sound);

    struct Impl;

  private:
    System();
    std::unique_ptr<Impl> impl_;
};

// Decoded audio, interleaved float samples in -1..1.
struct Pcm {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples;
    size_t Frames() const { return channels ? samples.size() / size_t(channels) : 0; }
};

// The length in milliseconds of a block of encoded audio, without a System or a device.
Result MeasureLength(const void* data, size_t size, unsigned* milliseconds);
Result MeasureLength(std::shared_ptr<const std::vector<char>> bytes, unsigned* milliseconds);

// What a whole decode may give: at most maxSeconds of audio, brought down while decoding to at most
// maxChannels (mixed) and maxRate (averaged), so that memory follows the aya's length and never the
// file's claim. The defaults keep any real aya (minutes) as it is heard.
struct DecodeLimits {
    int maxRate = 48000;
    int maxChannels = 2;
    double maxSeconds = 600;
};
// How many samples a whole decode reads from the file at most, whatever the limits: ten minutes of
// stereo at 96 kHz. A file that needs more (a flood of channels or of samples a second) is refused
// before it is read, or as soon as the count is passed.
constexpr int64_t kMaxDecodeInputSamples = int64_t(600) * 96000 * 2;

// Decodes a whole block of encoded audio within limits. ErrFormat when it is not audio, ErrUnsupported
// beyond what is played, ErrTooLong when it would pass the length, ErrTooLarge when it holds more samples
// than kMaxDecodeInputSamples (out is then empty).
Result DecodeAll(const void* data, size_t size, Pcm* out, const DecodeLimits& limits = DecodeLimits());
// True when a block of encoded audio stores samples as floating point and one of them is no finite number
// (NaN or infinite): such a sample compares false with everything and passes any test. Other encodings
// cannot hold one, and are not decoded to tell.
bool HasNonFiniteSamples(const void* data, size_t size);
// Encodes as Ogg Vorbis (quality 0..1).
Result EncodeOggVorbis(const Pcm& pcm, double quality, std::vector<char>* out);
// Encodes as 16-bit WAV.
Result EncodeWav(const Pcm& pcm, std::vector<char>* out);
// Encodes as MP3 (MPEG-1/2 Layer III), as the recordings learners bring from elsewhere often are.
Result EncodeMp3(const Pcm& pcm, std::vector<char>* out);

} // namespace sound
