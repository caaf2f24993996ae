// SPDX-License-Identifier: GPL-3.0-or-later
#include "recitation_check.h"

#include "aubio_library.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>
#include <sstream>

namespace listen
{
namespace
{

// The thresholds below were measured on the evaluation set that bench/check_eval builds (espeak-ng's
// Arabic voices at other speeds and pitches, the reference time-stretched and pitch-shifted by Rubber
// Band with noise added, ayas with a word left out, a word said twice, a hesitation, and other ayas);
// its report gives the distributions they were set between.

// A frame is voice when it is within this many dB of the recording's loud level (its 95th percentile).
constexpr double kVoiceBelowLoudDb = 30;
// Nothing is voice under this level (dB full scale): a silent file stays silent after normalising.
constexpr double kSilenceFloorDb = -60;
// A recording with less voice than this holds no recitation (a click, a breath).
constexpr double kLeastVoiceSeconds = 0.15;
constexpr int kMelFilters = 40;
constexpr int kCoefficients = 7; // c0 (loudness) is left out: 12 shape coefficients, and their deltas
constexpr int kDims = 2 * (kCoefficients - 1);
// The alignment keeps within this share of the longer recording of the straight line between the ends.
constexpr double kBandShare = 0.2;
// What a step that holds one recording still costs beyond its frames' distance, so that the alignment
// prefers to move both unless one has nothing that matches.
constexpr double kHoldPenalty = 0.15;
// A stretch where one recording moves on while the other all but stands still: over this window, at a
// pace below this share of frames, for at least this long (voiced), is missing or extra.
constexpr int kPaceWindow = 10;
constexpr double kStillPace = 0.55;
constexpr double kLeastSpanSeconds = 0.2;
// Closeness: the mean distance along the alignment over the mean distance between unrelated frames. The
// same aya in another voice lies below kAlike, another aya above kUnlike; the score runs from 100 at kAlike
// down to 0 at kUnlike; above kDifferent the verdict is "different".
constexpr double kAlike = 0.6;
constexpr double kUnlike = 0.85;
constexpr double kDifferent = 0.75;
// More than this share of voice without counterpart (missing from the reference and extra in the
// learner's, together) is another aya, not a part of this one.
constexpr double kMostUnmatched = 0.5;
// A still stretch is a word missing or added when its frames meet others this much more unlike them than
// the alignment's typical (median) distance; a pause this long in the learner's voice is a hesitation.
constexpr double kStrangeShare = 1.2;
constexpr double kLongPause = 0.6;
// The alignment of another text wanders: voice held against a still other recording without being a
// word missing or added, in stretches of at least kWanderSeconds, is more than kMostWander of the voice.
// The same aya in another voice or tempo stays under 0.01.
constexpr double kWanderSeconds = 0.15;
constexpr double kMostWander = 0.02;

struct AubioVec {
    const AubioFunctions& aubio;
    fvec_t* v;
    AubioVec(const AubioFunctions& functions, uint_t n) : aubio(functions), v(aubio.newFvec(n)) {}
    ~AubioVec() { aubio.delFvec(v); }
    AubioVec(const AubioVec&) = delete;
    AubioVec& operator=(const AubioVec&) = delete;
};

double Db(double rms) { return 20 * std::log10(std::max(rms, 1e-9)); }

// The recording as one channel.
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

} // namespace

const char* VerdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Match:
        return "match";
    case Verdict::Partial:
        return "partial";
    case Verdict::Different:
        return "different";
    }
    return "different";
}

Features Extract(const sound::Pcm& pcm)
{
    Features out;
    const AubioFunctions* aubio = Aubio();
    if (pcm.rate <= 0 || pcm.Frames() == 0 || !aubio)
        return out;
    const std::vector<float> mono = Mono(pcm);
    out.seconds = double(mono.size()) / pcm.rate;
    const uint_t hop = uint_t(std::max(1, int(std::lround(pcm.rate * kFrameSeconds))));
    const uint_t window = PowerOfTwoAtLeast(hop * 2); // about 25 ms
    const size_t count = mono.size() / hop;
    if (count < 3)
        return out;

    // Loudness per frame: where the voice begins and ends, and which frames are voice.
    std::vector<double> level(count);
    for (size_t f = 0; f < count; ++f) {
        double sum = 0;
        for (uint_t i = 0; i < hop; ++i)
            sum += double(mono[f * hop + i]) * mono[f * hop + i];
        level[f] = Db(std::sqrt(sum / hop));
    }
    std::vector<double> sorted = level;
    std::nth_element(sorted.begin(), sorted.begin() + long(count * 95 / 100), sorted.end());
    const double loud = sorted[count * 95 / 100];
    const double threshold = std::max(loud - kVoiceBelowLoudDb, kSilenceFloorDb);
    size_t first = 0, last = count;
    while (first < count && level[first] < threshold)
        ++first;
    while (last > first && level[last - 1] < threshold)
        --last;
    size_t voicedFrames = 0;
    for (size_t f = first; f < last; ++f)
        voicedFrames += level[f] >= threshold;
    if (double(voicedFrames) * kFrameSeconds < kLeastVoiceSeconds)
        return out;
    out.lead = double(first) * kFrameSeconds;

    // MFCC of each frame: a Hann window centred on it, its magnitude spectrum (no phase is needed), the
    // mel filters and the cosine transform.
    aubio_fft_t* fft = aubio->newFft(window);
    aubio_mfcc_t* mfcc = aubio->newMfcc(window, kMelFilters, kCoefficients, uint_t(pcm.rate));
    fvec_t* hann = aubio->newWindow(const_cast<char_t*>("hanningz"), window);
    cvec_t* spectrum = aubio->newCvec(window);
    AubioVec in(*aubio, window), complex(*aubio, window), coefficients(*aubio, kCoefficients);
    const size_t n = last - first;
    std::vector<float> base(n * size_t(kCoefficients - 1));
    for (size_t f = 0; f < n; ++f) {
        const long centre = long((first + f) * hop + hop / 2);
        for (uint_t i = 0; i < window; ++i) {
            const long at = centre - long(window / 2) + long(i);
            in.v->data[i] = at >= 0 && size_t(at) < mono.size() ? mono[size_t(at)] * hann->data[i] : 0.f;
        }
        aubio->fftDoComplex(fft, in.v, complex.v);
        aubio->fftGetNorm(complex.v, spectrum);
        aubio->mfccDo(mfcc, spectrum, coefficients.v);
        for (int c = 1; c < kCoefficients; ++c)
            base[f * size_t(kCoefficients - 1) + size_t(c - 1)] = coefficients.v->data[c];
    }
    aubio->delCvec(spectrum);
    aubio->delFvec(hann);
    aubio->delMfcc(mfcc);
    aubio->delFft(fft);

    // Each coefficient to mean 0 and variance 1 over the recording: the voice and the room drop out.
    const int d = kCoefficients - 1;
    for (int c = 0; c < d; ++c) {
        double mean = 0, square = 0;
        for (size_t f = 0; f < n; ++f)
            mean += base[f * size_t(d) + size_t(c)];
        mean /= double(n);
        for (size_t f = 0; f < n; ++f)
            square += std::pow(base[f * size_t(d) + size_t(c)] - mean, 2);
        const double deviation = std::max(std::sqrt(square / double(n)), 1e-6);
        for (size_t f = 0; f < n; ++f)
            base[f * size_t(d) + size_t(c)] = float((base[f * size_t(d) + size_t(c)] - mean) / deviation);
    }
    // With their change over two frames either side.
    out.dims = kDims;
    out.frames.assign(n * size_t(kDims), 0.f);
    out.voiced.resize(n);
    for (size_t f = 0; f < n; ++f) {
        const size_t before = f >= 2 ? f - 2 : 0, after = std::min(f + 2, n - 1);
        for (int c = 0; c < d; ++c) {
            out.frames[f * kDims + size_t(c)] = base[f * size_t(d) + size_t(c)];
            out.frames[f * kDims + size_t(d + c)] =
                (base[after * size_t(d) + size_t(c)] - base[before * size_t(d) + size_t(c)]) / 2.f;
        }
        out.voiced[f] = level[first + f] >= threshold;
    }
    return out;
}

namespace
{

float Distance(const Features& a, size_t i, const Features& b, size_t j)
{
    const float* x = &a.frames[i * size_t(a.dims)];
    const float* y = &b.frames[j * size_t(b.dims)];
    float sum = 0;
    for (int k = 0; k < a.dims; ++k)
        sum += (x[k] - y[k]) * (x[k] - y[k]);
    return std::sqrt(sum / float(a.dims));
}

// A stretch of one recording that the alignment passes while the other stands still.
struct Stretch {
    size_t from = 0, to = 0; // frames [from, to)
    double voice = 0;        // seconds of voice in it
    double distance = 0;     // mean distance along the alignment in it
};

// The stretches of one recording (the moving one) where the alignment holds the other still: runs of
// frames, allowing a few steps of the other within any kPaceWindow frames, trimmed to where it stood.
// along[m] is the furthest frame of the other matched to frame m; cost[m] the distance met at m.
std::vector<Stretch> StillStretches(const std::vector<size_t>& along, const std::vector<float>& cost,
                                    const std::vector<char>& voiced, double usualPace)
{
    // Still is slow against the usual pace of the other recording: a learner who recites slowly
    // throughout moves the reference on slowly throughout.
    const double stillPace = kStillPace * std::min(usualPace, 1.0);
    const size_t n = along.size();
    std::vector<char> stuck(n, 0);
    for (size_t m = 1; m < n; ++m)
        stuck[m] = along[m] == along[m - 1];
    std::vector<Stretch> stretches;
    for (size_t m = 1; m < n;) {
        if (!stuck[m]) {
            ++m;
            continue;
        }
        // Grow while the other recording's pace over the last kPaceWindow frames stays below kStillPace.
        size_t end = m + 1;
        while (end < n) {
            const size_t start = end >= size_t(kPaceWindow) ? end - size_t(kPaceWindow) : 0;
            const double pace = double(along[end] - along[std::max(start, m - 1)]) / double(end - std::max(start, m - 1));
            if (pace >= stillPace)
                break;
            ++end;
        }
        while (end > m && !stuck[end - 1])
            --end;
        Stretch s{m - 1, end, 0, 0};
        for (size_t k = s.from; k < s.to; ++k) {
            s.voice += voiced[k] ? kFrameSeconds : 0;
            s.distance += cost[k];
        }
        s.distance /= double(s.to - s.from);
        stretches.push_back(s);
        m = std::max(end, m + 1);
    }
    return stretches;
}

} // namespace

CheckResult Compare(const Features& reference, const Features& learner)
{
    CheckResult result;
    const size_t n = reference.Count(), m = learner.Count();
    if (n == 0) {
        result.note = "The reciter's recording holds no voice.";
        return result;
    }
    if (m == 0 || reference.dims != learner.dims) {
        result.note = "Your recording holds no voice.";
        result.missing.push_back({reference.lead, reference.lead + double(n) * kFrameSeconds});
        return result;
    }
    // Dynamic time warping within a band about the line between the two ends; both ends are held (the
    // silence around each recording is already gone).
    const double radius = double(std::max(n, m)) * kBandShare + std::abs(double(n) - double(m));
    const float inf = std::numeric_limits<float>::infinity();
    // Steps: both on (0), one held (1: the reference moves, 2: the learner's), or one two frames to the
    // other's one (3: the learner's, 4: the reference's), so that a steady difference in tempo is
    // followed without holding either.
    std::vector<float> before(m, inf), previous(m, inf), current(m, inf);
    std::vector<float> distancesBefore(m, 0), distances(m, 0);
    std::vector<unsigned char> step(n * m, 0);
    for (size_t i = 0; i < n; ++i) {
        const double centre = n > 1 ? double(i) * double(m - 1) / double(n - 1) : 0;
        const size_t lo = size_t(std::max(0.0, centre - radius));
        const size_t hi = size_t(std::min(double(m - 1), centre + radius));
        std::fill(current.begin(), current.end(), inf);
        for (size_t j = lo; j <= hi; ++j) {
            const float d = Distance(reference, i, learner, j);
            distances[j] = d;
            float best = inf;
            unsigned char from = 0;
            auto consider = [&](float cost, unsigned char code) {
                if (cost < best)
                    best = cost, from = code;
            };
            if (i == 0 && j == 0) {
                best = 0;
            } else {
                if (i > 0 && j > 0)
                    consider(previous[j - 1], 0);
                if (i > 0)
                    consider(previous[j] + float(kHoldPenalty), 1);
                if (j > 0)
                    consider(current[j - 1] + float(kHoldPenalty), 2);
                if (i > 0 && j > 1)
                    consider(previous[j - 2] + distances[j - 1], 3);
                if (i > 1 && j > 0)
                    consider(before[j - 1] + distancesBefore[j], 4);
            }
            current[j] = best + d;
            step[i * m + j] = from;
        }
        std::swap(before, previous);
        std::swap(previous, current);
        std::swap(distancesBefore, distances);
    }
    // Back along the best path, with the distance met at each point of it.
    std::vector<std::pair<size_t, size_t>> path;
    std::vector<float> met;
    auto visit = [&](size_t i, size_t j) {
        path.emplace_back(i, j);
        met.push_back(Distance(reference, i, learner, j));
    };
    for (size_t i = n - 1, j = m - 1;;) {
        visit(i, j);
        if (i == 0 && j == 0)
            break;
        switch (i == 0 ? 2 : j == 0 ? 1 : step[i * m + j]) {
        case 0:
            --i, --j;
            break;
        case 1:
            --i;
            break;
        case 2:
            --j;
            break;
        case 3:
            visit(i, j - 1);
            i -= 1, j -= 2;
            break;
        default:
            visit(i - 1, j);
            i -= 2, j -= 1;
            break;
        }
    }
    std::reverse(path.begin(), path.end());
    std::reverse(met.begin(), met.end());
    const double mean = std::accumulate(met.begin(), met.end(), 0.0) / double(path.size());

    // For each frame of one recording, the furthest frame of the other it was matched to, and the
    // distance met there.
    std::vector<size_t> learnerAlong(n, 0), referenceAlong(m, 0);
    std::vector<float> referenceCost(n, 0), learnerCost(m, 0), along;
    for (size_t k = 0; k < path.size(); ++k) {
        const auto [i, j] = path[k];
        const float d = met[k];
        learnerAlong[i] = std::max(learnerAlong[i], j);
        referenceAlong[j] = std::max(referenceAlong[j], i);
        referenceCost[i] = std::max(referenceCost[i], d);
        learnerCost[j] = std::max(learnerCost[j], d);
        along.push_back(d);
        result.path.emplace_back(reference.lead + double(i) * kFrameSeconds, learner.lead + double(j) * kFrameSeconds);
    }
    std::nth_element(along.begin(), along.begin() + long(along.size() / 2), along.end());
    const double typical = along[along.size() / 2];
    // The distance between frames that do not correspond: a sample of all pairs. Alike recordings
    // align far below it; another text barely below.
    double unrelated = 0;
    size_t pairs = 0;
    for (size_t i = 0; i < n; i += 7)
        for (size_t j = 3; j < m; j += 7, ++pairs)
            unrelated += Distance(reference, i, learner, j);
    unrelated = pairs > 0 ? unrelated / double(pairs) : mean;
    result.closeness = mean / std::max(unrelated, 1e-6);

    // Stretches of voice that the other recording has no counterpart for, met with frames unlike them;
    // a learner's silence held long is a hesitation, told but no fault.
    // Voice held against a still other recording that is no word missing or added, but frames alike
    // enough: the alignment wanders, as it does through another text.
    double wandering = 0;
    auto spans = [&](const std::vector<size_t>& a, const std::vector<float>& cost, const Features& f,
                     std::vector<Span>* out, double* voice) {
        const double usualPace = double(a.back() + 1) / double(a.size());
        for (const Stretch& s : StillStretches(a, cost, f.voiced, usualPace)) {
            if (s.distance < typical * kStrangeShare && double(s.to - s.from) * kFrameSeconds >= kWanderSeconds)
                wandering += s.voice;
            const bool word = s.voice >= kLeastSpanSeconds && s.distance >= typical * kStrangeShare;
            const bool hesitation = s.voice < kLeastSpanSeconds && double(s.to - s.from) * kFrameSeconds >= kLongPause;
            if (word)
                *voice += s.voice;
            if (word || hesitation)
                out->push_back({f.lead + double(s.from) * kFrameSeconds, f.lead + double(s.to) * kFrameSeconds});
            if (word)
                result.faults = true;
        }
    };
    double missingVoice = 0, extraVoice = 0;
    spans(learnerAlong, referenceCost, reference, &result.missing, &missingVoice);
    spans(referenceAlong, learnerCost, learner, &result.extra, &extraVoice);
    double referenceVoice = 0, learnerVoice = 0;
    for (char v : reference.voiced)
        referenceVoice += v ? kFrameSeconds : 0;
    for (char v : learner.voiced)
        learnerVoice += v ? kFrameSeconds : 0;
    const double missingShare = referenceVoice > 0 ? missingVoice / referenceVoice : 1;
    result.wander = wandering / std::max(referenceVoice + learnerVoice, kFrameSeconds);
    const double extraShare = learnerVoice > 0 ? extraVoice / learnerVoice : 1;

    const double alike = std::clamp((kUnlike - result.closeness) / (kUnlike - kAlike), 0.0, 1.0);
    // The score falls with what is unlike, missing, added, and with a wandering alignment: at the
    // wander that makes another text it is halved.
    const double steady = std::clamp(1 - result.wander / (2 * kMostWander), 0.0, 1.0);
    result.score = int(std::lround(100 * alike * steady * (1 - missingShare) * (1 - extraShare / 2)));
    if (result.closeness > kDifferent || result.wander > kMostWander || missingShare + extraShare > kMostUnmatched)
        result.verdict = Verdict::Different;
    else if (result.faults)
        result.verdict = Verdict::Partial;
    else
        result.verdict = Verdict::Match;
    result.meanDistance = mean;
    return result;
}

bool Check(const std::vector<char>& reference, const std::vector<char>& learner, CheckResult* result,
           std::string* error)
{
    sound::Pcm ref, mine;
    const sound::Result r = sound::DecodeAll(reference.data(), reference.size(), &ref);
    if (r != sound::Ok) {
        *error = std::string("the reciter's recording cannot be read: ") + sound::ErrorString(r);
        return false;
    }
    const sound::Result l = sound::DecodeAll(learner.data(), learner.size(), &mine);
    if (l != sound::Ok) {
        *error = std::string("the learner's recording cannot be read: ") + sound::ErrorString(l);
        return false;
    }
    if (!Aubio(error))
        return false;
    const Features a = Extract(ref);
    if (a.Count() == 0) {
        *error = "the reciter's recording holds no voice";
        return false;
    }
    *result = Compare(a, Extract(mine));
    return true;
}

std::string ToJson(const CheckResult& result)
{
    std::ostringstream json;
    json.setf(std::ios::fixed);
    json.precision(2);
    auto spans = [&json](const std::vector<Span>& list) {
        json << '[';
        for (size_t k = 0; k < list.size(); ++k)
            json << (k ? ", " : "") << '[' << list[k].start << ", " << list[k].end << ']';
        json << ']';
    };
    json << "{\"score\": " << result.score << ", \"verdict\": \"" << VerdictName(result.verdict)
         << "\", \"missing\": ";
    spans(result.missing);
    json << ", \"extra\": ";
    spans(result.extra);
    json << '}';
    return json.str();
}

} // namespace listen
