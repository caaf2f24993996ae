// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis.h"

#include "aubio_library.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace listen
{
namespace
{

// The band where voice is found against noise; the band the features are drawn from (up to where
// both recordings hold voice), no narrower than kLeastHighHz; and the margin of spectrum kept beyond
// it so that a warped filter bank still finds its bins.
constexpr double kVoiceLowHz = 300, kVoiceHighHz = 7500;
constexpr double kLowHz = 300, kHighHz = 4500, kLeastHighHz = 2500;
constexpr double kKeptLowHz = 230, kKeptHighHz = 5700;
// The voice's spectrum is held up to where its mean over the voice sinks below this many times the
// noise's, or this many dB under its peak.
constexpr double kTopOverNoise = 4;
constexpr double kTopBelowPeakDb = 50;
// The noise floor is the band level of the quietest frames (this share of them); the loud level that
// of the loudest (this percentile).
constexpr double kQuietShare = 0.1;
constexpr double kLoudPercentile = 0.95;
// A frame is voice when it stands above the noise floor by a third of the distance between floor and
// loud level, at least kLeastAboveFloorDb and at most kMostAboveFloorDb, and lies within
// kMostBelowLoudDb of the loud level (a recording with no noise to speak of: digital silence).
constexpr double kLeastAboveFloorDb = 6, kMostAboveFloorDb = 15;
constexpr double kMostBelowLoudDb = 45;
// Nothing is voice under this level: a silent file stays silent.
constexpr double kSilenceDb = -80;
// Frames per side of the median that removes clicks and drop-outs from the voice.
constexpr int kSmoothFrames = 3;
// A recording with less voice than this holds no recitation (a click, a breath).
constexpr double kLeastVoiceSeconds = 0.15;
// The floor under the features: the louder recording's noise per band, times this, and at least this
// many dB under the loud level.
constexpr double kFloorOverNoise = 2.0;
constexpr double kDeepestFloorDb = 35;
// A cepstral coefficient whose values over the voice spread less than this (in natural log units) is
// scaled down with its spread rather than mapped to the whole normal distribution.
constexpr double kLeastSpread = 0.5;
// The voicing coefficient's value, plus for voice and minus for a pause.
constexpr float kVoicing = 1.0f;
constexpr double kSmoothSeconds = 0.02;

double Db(double power) { return 10 * std::log10(std::max(power, 1e-14)); }

double Mel(double hz) { return 2595 * std::log10(1 + hz / 700); }
double Hz(double mel) { return 700 * (std::pow(10, mel / 2595) - 1); }

struct AubioVec {
    const AubioFunctions& aubio;
    fvec_t* v;
    AubioVec(const AubioFunctions& functions, uint_t n) : aubio(functions), v(aubio.newFvec(n)) {}
    ~AubioVec() { aubio.delFvec(v); }
    AubioVec(const AubioVec&) = delete;
    AubioVec& operator=(const AubioVec&) = delete;
};

std::vector<float> Mono(const sound::Pcm& pcm)
{
    const size_t frames = pcm.Frames();
    std::vector<float> mono(frames);
    const int channels = std::max(pcm.channels, 1);
    for (size_t f = 0; f < frames; ++f) {
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += pcm.samples[f * size_t(channels) + size_t(c)];
        mono[f] = sum / float(channels);
    }
    return mono;
}

uint_t PowerOfTwoAtLeast(uint_t n)
{
    uint_t p = 1;
    while (p < n)
        p <<= 1;
    return p;
}

// The value below which share of a standard normal distribution lies (0 < share < 1), within 5e-4.
double NormalQuantile(double share)
{
    const double p = std::clamp(share, 1e-6, 1 - 1e-6);
    const double q = p < 0.5 ? p : 1 - p;
    const double t = std::sqrt(-2 * std::log(q));
    const double z = t - (2.515517 + 0.802853 * t + 0.010328 * t * t) /
                             (1 + 1.432788 * t + 0.189269 * t * t + 0.001308 * t * t * t);
    return p < 0.5 ? -z : z;
}

double Percentile(std::vector<double> values, double share)
{
    const size_t k = std::min(values.size() - 1, size_t(double(values.size()) * share));
    std::nth_element(values.begin(), values.begin() + long(k), values.end());
    return values[k];
}

// One triangular mel filter over the stored bins: its first bin and its weights.
struct Filter {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Filter> FilterBank(const Analysis& a, double warp, double highHz)
{
    std::vector<Filter> bank(kBands);
    const double low = Mel(kLowHz), high = Mel(highHz);
    auto edge = [&](int k) { return Hz(low + (high - low) * k / (kBands + 1)) * warp; };
    for (int b = 0; b < kBands; ++b) {
        const double left = edge(b), centre = edge(b + 1), right = edge(b + 2);
        Filter& f = bank[size_t(b)];
        f.first = std::max(0, int(std::ceil((left - a.firstHz) / a.binHz)));
        for (int k = f.first; k < a.bins; ++k) {
            const double hz = a.firstHz + k * a.binHz;
            if (hz >= right)
                break;
            f.weights.push_back(
                float(hz <= centre ? (hz - left) / (centre - left) : (right - hz) / (right - centre)));
        }
    }
    return bank;
}

// A stored power: 1/256 dB steps from -160 dB full scale, in two bytes rather than four.
constexpr double kPackedFloorDb = -160, kPackedSteps = 256;

uint16_t PackPower(double power)
{
    return uint16_t(std::clamp(std::lround((Db(power) - kPackedFloorDb) * kPackedSteps), 0L, 65535L));
}

float UnpackPower(uint16_t packed)
{
    static const std::vector<float> table = [] {
        std::vector<float> t(65536);
        for (size_t k = 0; k < t.size(); ++k)
            t[k] = float(std::pow(10, (double(k) / kPackedSteps + kPackedFloorDb) / 10));
        return t;
    }();
    return table[packed];
}

template <typename Power> float Linear(Power p) { return p; }
template <> float Linear(uint16_t p) { return UnpackPower(p); }

template <typename Power> void ApplyBank(const std::vector<Filter>& bank, const Power* spectrum, double* out)
{
    for (size_t b = 0; b < bank.size(); ++b) {
        double sum = 0;
        const Power* at = spectrum + bank[b].first;
        for (size_t k = 0; k < bank[b].weights.size(); ++k)
            sum += double(bank[b].weights[k]) * Linear(at[k]);
        out[b] = sum;
    }
}

} // namespace

double Analysis::VoicedSeconds() const
{
    return double(std::count(voiced.begin(), voiced.end(), 1)) * kFrameSeconds;
}

Analysis Analyse(const sound::Pcm& pcm)
{
    Analysis out;
    const AubioFunctions* aubio = Aubio();
    if (pcm.rate <= 0 || pcm.Frames() == 0 || !aubio)
        return out;
    // One channel (a check decodes to one already; anything else is mixed down here).
    std::vector<float> mixed;
    if (pcm.channels != 1)
        mixed = Mono(pcm);
    const std::vector<float>& mono = pcm.channels == 1 ? pcm.samples : mixed;
    out.rate = pcm.rate;
    out.seconds = double(mono.size()) / pcm.rate;
    const uint_t hop = uint_t(std::max(1, int(std::lround(pcm.rate * kFrameSeconds))));
    const uint_t window = std::max<uint_t>(PowerOfTwoAtLeast(hop * 3), 8); // about 32 ms
    const size_t count = mono.size() / hop;
    if (count < 3)
        return out;
    // Kept: pairs of FFT bins from kKeptLowHz up (mel bands are wider than two), so that ten minutes of
    // spectra stay within some tens of megabytes.
    const double fftHz = double(pcm.rate) / window;
    const int half = int(window / 2);
    const int firstFft = std::max(1, int(kKeptLowHz / fftHz));
    const int lastFft = std::min(half - 1, int(std::ceil(kKeptHighHz / fftHz)));
    out.binHz = 2 * fftHz;
    out.firstHz = (firstFft + 0.5) * fftHz;
    out.bins = std::max(0, (lastFft - firstFft + 1) / 2);
    if (out.bins < 4)
        return out;
    const int voiceFirst = std::max(1, int(std::ceil(kVoiceLowHz / fftHz)));
    const int voiceLast = std::min(half, int(kVoiceHighHz / fftHz));

    // The power spectrum of every frame (a Hann window centred on it), kept in the band and its margin,
    // and the frame's level where voice is found.
    aubio_fft_t* fft = aubio->newFft(window);
    fvec_t* hann = aubio->newWindow(const_cast<char_t*>("hanningz"), window);
    cvec_t* spectrum = aubio->newCvec(window);
    AubioVec in(*aubio, window), complex(*aubio, window);
    std::vector<uint16_t> power(count * size_t(out.bins));
    std::vector<double> level(count);
    const double scale = 1.0 / (double(window) * double(window));
    for (size_t f = 0; f < count; ++f) {
        const long centre = long(f * hop + hop / 2);
        for (uint_t i = 0; i < window; ++i) {
            const long at = centre - long(window / 2) + long(i);
            in.v->data[i] = at >= 0 && size_t(at) < mono.size() ? mono[size_t(at)] * hann->data[i] : 0.f;
        }
        aubio->fftDoComplex(fft, in.v, complex.v);
        aubio->fftGetNorm(complex.v, spectrum);
        const float* norm = spectrum->norm;
        uint16_t* row = &power[f * size_t(out.bins)];
        for (int k = 0; k < out.bins; ++k) {
            const int at = firstFft + 2 * k;
            row[k] = PackPower((double(norm[at]) * norm[at] + double(norm[at + 1]) * norm[at + 1]) * scale);
        }
        double band = 0;
        for (int k = voiceFirst; k <= voiceLast; ++k)
            band += double(norm[k]) * norm[k];
        level[f] = Db(band * scale);
    }
    aubio->delCvec(spectrum);
    aubio->delFvec(hann);
    aubio->delFft(fft);

    // The noise floor: the quietest frames, their level and their spectrum.
    out.floorDb = Percentile(level, kQuietShare);
    out.loudDb = Percentile(level, kLoudPercentile);
    out.loud = std::pow(10, out.loudDb / 10);
    const double above = std::clamp((out.loudDb - out.floorDb) / 3, kLeastAboveFloorDb, kMostAboveFloorDb);
    const double threshold = std::max({std::min(out.floorDb + above, out.loudDb - kLeastAboveFloorDb),
                                       out.loudDb - kMostBelowLoudDb, kSilenceDb});
    out.noise.assign(size_t(out.bins), 0.f);
    size_t quiet = 0;
    for (size_t f = 0; f < count; ++f)
        if (level[f] <= out.floorDb) {
            for (int k = 0; k < out.bins; ++k)
                out.noise[size_t(k)] += UnpackPower(power[f * size_t(out.bins) + size_t(k)]);
            ++quiet;
        }
    for (float& v : out.noise)
        v /= float(std::max<size_t>(quiet, 1));

    // Voice, with clicks and drop-outs of a frame or two smoothed away.
    std::vector<char> loud(count), voiced(count);
    for (size_t f = 0; f < count; ++f)
        loud[f] = level[f] >= threshold;
    for (size_t f = 0; f < count; ++f) {
        int on = 0, seen = 0;
        for (long k = long(f) - kSmoothFrames; k <= long(f) + kSmoothFrames; ++k)
            if (k >= 0 && size_t(k) < count)
                on += loud[size_t(k)], ++seen;
        voiced[f] = 2 * on > seen;
    }
    size_t first = 0, last = count;
    while (first < count && !voiced[first])
        ++first;
    while (last > first && !voiced[last - 1])
        --last;
    const size_t voicedFrames =
        size_t(std::count(voiced.begin() + long(first), voiced.begin() + long(last), 1));
    if (double(voicedFrames) * kFrameSeconds < kLeastVoiceSeconds) {
        out.bins = 0;
        out.noise.clear();
        return out;
    }
    out.lead = double(first) * kFrameSeconds;
    // How high the voice reaches above the noise: its mean spectrum over the voice, smoothed.
    std::vector<double> mean(size_t(out.bins), 0);
    for (size_t f = first; f < last; ++f)
        if (voiced[f])
            for (int k = 0; k < out.bins; ++k)
                mean[size_t(k)] +=
                    UnpackPower(power[f * size_t(out.bins) + size_t(k)]) / double(voicedFrames);
    std::vector<double> smooth(size_t(out.bins), 0);
    for (int k = 0; k < out.bins; ++k) {
        int seen = 0;
        for (int j = std::max(0, k - 3); j <= std::min(out.bins - 1, k + 3); ++j, ++seen)
            smooth[size_t(k)] += mean[size_t(j)];
        smooth[size_t(k)] /= seen;
    }
    const double peak = *std::max_element(smooth.begin(), smooth.end());
    int top = out.bins - 1;
    while (top > 0 && (smooth[size_t(top)] < peak * std::pow(10, -kTopBelowPeakDb / 10) ||
                       smooth[size_t(top)] < kTopOverNoise * out.noise[size_t(top)]))
        --top;
    out.topHz = out.firstHz + top * out.binHz;
    out.voiced.assign(voiced.begin() + long(first), voiced.begin() + long(last));
    power.resize(last * size_t(out.bins));
    power.erase(power.begin(), power.begin() + long(first * size_t(out.bins)));
    out.power = std::move(power);
    return out;
}

PairBand ForPair(const Analysis& a, const Analysis& b, double warpB)
{
    PairBand band;
    band.highHz = std::clamp(std::min(a.topHz, b.topHz / warpB), kLeastHighHz, kHighHz);
    band.floor.assign(kBands, std::pow(10, -kDeepestFloorDb / 10) / kBands);
    if (a.bins == 0 || b.bins == 0)
        return band;
    std::vector<double> na(kBands), nb(kBands);
    ApplyBank(FilterBank(a, 1.0, band.highHz), a.noise.data(), na.data());
    ApplyBank(FilterBank(b, warpB, band.highHz), b.noise.data(), nb.data());
    for (size_t k = 0; k < size_t(kBands); ++k)
        band.floor[k] = std::max(band.floor[k], kFloorOverNoise * std::max(na[k] / a.loud, nb[k] / b.loud));
    return band;
}

Features MakeFeatures(const Analysis& analysis, const PairBand& band, double warp, int step, int coefficients)
{
    const int K = std::clamp(coefficients, 1, kBands - 1), dims = K + 1;
    const std::vector<double>& floor = band.floor;
    Features out;
    out.lead = analysis.lead;
    out.seconds = analysis.seconds;
    step = std::max(step, 1);
    const size_t n = (analysis.Count() + size_t(step) - 1) / size_t(step);
    if (n < 2 || analysis.bins == 0 || floor.size() != size_t(kBands))
        return out;
    const std::vector<Filter> bank = FilterBank(analysis, warp, band.highHz);
    const size_t voicedCount = size_t(std::count(analysis.voiced.begin(), analysis.voiced.end(), 1));
    // The cosine transform's table: coefficient j (1..K) of band b.
    std::vector<double> cosines(size_t(K * kBands));
    for (int j = 0; j < K; ++j)
        for (int b = 0; b < kBands; ++b)
            cosines[size_t(j * kBands + b)] = std::cos(M_PI * (j + 1) * (b + 0.5) / kBands);
    std::vector<double> mel(kBands);
    std::vector<float> base(n * size_t(K));
    out.voiced.resize(n);
    for (size_t f = 0; f < n; ++f) {
        const size_t at = f * size_t(step);
        ApplyBank(bank, &analysis.power[at * size_t(analysis.bins)], mel.data());
        for (int b = 0; b < kBands; ++b)
            mel[size_t(b)] = std::log(mel[size_t(b)] / analysis.loud + floor[size_t(b)]);
        for (int j = 0; j < K; ++j) {
            double c = 0;
            for (int b = 0; b < kBands; ++b)
                c += cosines[size_t(j * kBands + b)] * mel[size_t(b)];
            base[f * size_t(K) + size_t(j)] = float(c);
        }
        out.voiced[f] = analysis.voiced[at];
    }
    // Each coefficient averaged over the frames about it (kSmoothSeconds either side): the fine
    // flutter of one voice is no part of the words.
    {
        const long reach = std::max(1L, std::lround(kSmoothSeconds / kFrameSeconds / step));
        std::vector<float> smooth(base.size(), 0.f);
        for (size_t f = 0; f < n; ++f) {
            const size_t lo = size_t(std::max(0L, long(f) - reach)), hi = std::min(n - 1, f + size_t(reach));
            for (int c = 0; c < K; ++c) {
                float sum = 0;
                for (size_t k = lo; k <= hi; ++k)
                    sum += base[k * size_t(K) + size_t(c)];
                smooth[f * size_t(K) + size_t(c)] = sum / float(hi - lo + 1);
            }
        }
        base.swap(smooth);
    }
    // Each coefficient's values over the voice mapped to a normal distribution by their ranks: the
    // microphone, the room, the noise and much of the speaker drop out, as they bend the values' spread
    // as well as shift it.
    std::vector<float> sorted;
    for (int c = 0; c < K; ++c) {
        sorted.clear();
        for (size_t f = 0; f < n; ++f)
            if (out.voiced[f] || voicedCount == 0)
                sorted.push_back(base[f * size_t(K) + size_t(c)]);
        std::sort(sorted.begin(), sorted.end());
        const double count = double(sorted.size());
        // A coefficient that barely moves (a steady tone, a codec's whisper over it) is not stretched
        // to the full spread: its ranks would be noise.
        double mean = 0, square = 0;
        for (float v : sorted)
            mean += v;
        mean /= std::max(count, 1.0);
        for (float v : sorted)
            square += (v - mean) * (v - mean);
        const double spread = std::sqrt(square / std::max(count, 1.0));
        const double scale = spread / std::max(spread, kLeastSpread);
        for (size_t f = 0; f < n; ++f) {
            float& v = base[f * size_t(K) + size_t(c)];
            const double below = double(std::lower_bound(sorted.begin(), sorted.end(), v) - sorted.begin());
            const double above = double(std::upper_bound(sorted.begin(), sorted.end(), v) - sorted.begin());
            v = float(scale * NormalQuantile(((below + above) / 2 + 0.5) / (count + 1)));
        }
    }
    // With whether the frame is voice, as one more coefficient: a pause is unlike any sound of speech,
    // though its spectrum (the floor, flat) has the cepstrum of an average one.
    out.dims = dims;
    out.frames.assign(n * size_t(dims), 0.f);
    for (size_t f = 0; f < n; ++f) {
        std::copy_n(&base[f * size_t(K)], K, &out.frames[f * size_t(dims)]);
        out.frames[f * size_t(dims) + size_t(K)] = out.voiced[f] ? kVoicing : -kVoicing;
    }
    return out;
}

} // namespace listen
