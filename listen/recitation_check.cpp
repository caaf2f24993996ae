// SPDX-License-Identifier: GPL-3.0-or-later
#include "recitation_check.h"

#include "alignment.h"
#include "aubio_library.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

namespace listen
{
namespace
{

// The thresholds below were set on the tuning set of bench/check-eval (its "tuning" ayas, voices, word
// lists and conditions, bench/check-eval-sets.json); the figures reported for them come from its
// held-out set, which nothing here was set on but the warps' range (widened after the held-out set's
// first run showed a high voice at its edge). Distances are in units of the features (each coefficient
// spread over the voice as a standard normal distribution); "unlike" is a distance over the frame's mean
// distance to the other recording's frames at large (see Spread), so that a stranger's voice, far from
// the reciter's everywhere, is read against itself.

// The learner's frequency warps tried (a speaker's formants against another's), on every
// kWarpStep-th frame.
constexpr double kWarps[] = {0.74, 0.8, 0.86, 0.93, 1.0, 1.07, 1.16, 1.25, 1.35};
constexpr int kWarpStep = 3;
// The cost of aligning with another text is measured on every kBaselineStep-th frame, and taken to be
// at least kLeastUnrelated (features spread as a normal distribution meet another text's at about 1).
constexpr int kBaselineStep = 2;
constexpr double kLeastUnrelated = 0.5;
// The alignment keeps within this share of the longer recording, plus the difference in length, plus a
// hesitation's worth of frames, of the line between the ends; and within kMostCells cells in all
// (half a byte each), so that ten minutes against ten minutes stay within 32 MB.
constexpr double kBandShare = 0.1;
constexpr size_t kBandFrames = 150;
constexpr size_t kMostCells = size_t(64) << 20;
// What a step that holds one recording still costs beyond its frames' distance, so that the alignment
// prefers to move both unless one has nothing that matches.
constexpr float kHoldPenalty = 0.15f;
// What passing a frame of pause costs while the other recording is held: a hesitation is no fault.
constexpr float kPauseCost = 0.05f;
// What leaving a frame of the reciter's voice unsaid at the end costs, as a share of what meeting
// another text costs (see UnrelatedCost) beyond the hold.
constexpr double kUnsaidShare = 1.0;
// A stretch where one recording moves on while the other all but stands still: over this window, at a
// pace below this share of the usual, for at least this long (voiced), is missing or extra.
constexpr int kPaceWindow = 10;
constexpr double kStillPace = 0.65;
constexpr double kLeastSpanSeconds = 0.2;
// A still stretch holds a word missing or added where kLeastSpanSeconds of its voice is more unlike what
// it meets than kWordUnlike and kStrangeShare times what is usual along this alignment; a pause this
// long in the learner's voice is a hesitation.
constexpr double kStrangeShare = 1.1;
constexpr double kWordUnlike = 0.3;
constexpr double kLongPause = 0.6;
// A word said differently: where both move on together, the unlike over kChangedWindow points either
// side stays above kChangedShare and above kChangedOverUsual times what is usual along this alignment,
// for kLeastChangedSeconds of the reference's voice. Spreads are measured against kAtLargeFrames frames.
constexpr int kChangedWindow = 8;
constexpr double kChangedShare = 0.7;
constexpr double kChangedOverUsual = 2.0;
constexpr size_t kAtLargeFrames = 128;
// Words said differently are read in this many cepstral coefficients, finer than the alignment's.
constexpr int kFineCoefficients = 12;
constexpr double kLeastChangedSeconds = 0.1;
// Closeness (the matched frames' mean distance over that of aligning the learner's recording with the
// reciter's played backwards, another text in the same voice, see UnrelatedCost): the score runs from 100
// at kAlike down to 0 at kUnlike; above kDifferent the verdict is "different", and so it is when less
// than kLeastMatched of the reference's voice was said.
constexpr double kAlike = 0.55;
constexpr double kUnlike = 0.95;
constexpr double kDifferent = 0.84;
// A recording with words missing, added or said differently is a part of this aya only when what it
// matched is this alike; another aya aligned is as unlike, and wanders besides.
constexpr double kDifferentWithFaults = 0.8;
constexpr double kLeastMatched = 0.25;
// A similar aya is named when the learner's recording fits it this much better than the one checked.
constexpr double kCloserShare = 0.92;
// What a check decodes: one channel at 16 kHz, at most ten minutes and a little.
constexpr int kCheckRate = 16000;
constexpr double kMostSeconds = 620;

// A stretch of one recording that the alignment passes while the other stands still.
struct Stretch {
    size_t from = 0, to = 0; // frames [from, to)
    double voice = 0;        // seconds of voice in it
};

// The stretches of one recording (the moving one) where the other all but stands still: runs of frames
// where the other's pace, over kPaceWindow frames about each, is below kStillPace of its usual pace
// (a learner who recites slowly throughout moves the reference on slowly throughout). Holding still and
// running two frames to the other's one both count: a word left out is passed either way.
// along[m] is the furthest frame of the other matched to frame m.
std::vector<Stretch> StillStretches(const std::vector<size_t>& along, const std::vector<char>& voiced,
                                    double usualPace)
{
    const double stillPace = kStillPace * usualPace;
    const size_t n = along.size(), half = size_t(kPaceWindow / 2);
    std::vector<char> slow(n, 0);
    for (size_t m = 0; m < n; ++m) {
        const size_t lo = m >= half ? m - half : 0, hi = std::min(n - 1, m + half);
        slow[m] = hi > lo && double(along[hi] - along[lo]) / double(hi - lo) < stillPace;
    }
    std::vector<Stretch> stretches;
    for (size_t m = 0; m < n;) {
        if (!slow[m]) {
            ++m;
            continue;
        }
        size_t end = m + 1;
        while (end < n && slow[end])
            ++end;
        Stretch s{m, end, 0};
        for (size_t k = s.from; k < s.to; ++k)
            s.voice += voiced[k] ? kFrameSeconds : 0;
        stretches.push_back(s);
        m = end;
    }
    return stretches;
}

double Median(std::vector<float> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
    return values[values.size() / 2];
}

size_t Radius(size_t n, size_t m, int step)
{
    const size_t longer = std::max(n, m), gap = longer - std::min(n, m);
    const size_t natural = size_t(kBandShare * double(longer)) + gap + kBandFrames / size_t(step);
    return std::max<size_t>(2, std::min(natural, kMostCells / std::max<size_t>(n, 1) / 2));
}

// For each frame of a, its mean distance to kAtLargeFrames frames of b spread over it.
std::vector<float> Spread(const Features& a, const Features& b)
{
    std::vector<float> out(a.Count(), 1.f);
    const size_t m = b.Count(), stride = std::max<size_t>(1, m / kAtLargeFrames);
    for (size_t i = 0; i < a.Count(); ++i) {
        double sum = 0;
        size_t count = 0;
        for (size_t j = stride / 2; j < m; j += stride, ++count)
            sum += FrameDistance(a, i, b, j);
        out[i] = float(std::max(sum / double(std::max<size_t>(count, 1)), 1e-6));
    }
    return out;
}

// Every step-th frame of f, in reverse order when backwards.
Features Resampled(const Features& f, int step, bool backwards)
{
    Features out = f;
    out.frames.clear();
    out.voiced.clear();
    const size_t n = f.Count(), dims = size_t(f.dims);
    for (size_t k = 0; k < n; k += size_t(step)) {
        const size_t at = backwards ? n - 1 - k : k;
        for (size_t c = 0; c < dims; ++c)
            out.frames.push_back(f.frames[at * dims + c]);
        out.voiced.push_back(f.voiced[at]);
    }
    return out;
}

// What aligning the learner's recording with another text costs, as the reference's own frames played
// backwards: the same voice, room and sounds, in no order of words. Alike recordings align far below
// it, another text about as high; noise and a stranger's voice raise both alike.
// a and b hold every scale-th frame of the recordings already.
double UnrelatedCost(const Features& a, const Features& b, int step, int scale)
{
    const Features backwards = Resampled(a, step, true), learner = Resampled(b, step, false);
    const Alignment alignment =
        Align(backwards, learner, Radius(backwards.Count(), learner.Count(), step * scale), kHoldPenalty,
              kPauseCost);
    return alignment.path.empty() ? 1 : alignment.cost;
}

// The warp of the learner's frequency axis that aligns the two most closely.
double BestWarp(const Analysis& reference, const Analysis& learner, int warpStep = kWarpStep)
{
    std::vector<double> cost(std::size(kWarps), std::numeric_limits<double>::infinity());
    auto tryWarp = [&](size_t k) {
        const PairBand band = ForPair(reference, learner, kWarps[k]);
        const Features a = MakeFeatures(reference, band, 1.0, warpStep);
        const Features b = MakeFeatures(learner, band, kWarps[k], warpStep);
        const Alignment alignment =
            Align(a, b, Radius(a.Count(), b.Count(), warpStep), kHoldPenalty, kPauseCost);
        if (!alignment.path.empty())
            cost[k] = alignment.cost;
    };
    for (size_t k = 0; k < cost.size(); ++k)
        tryWarp(k);
    const size_t best = size_t(std::min_element(cost.begin(), cost.end()) - cost.begin());
    return std::isfinite(cost[best]) ? kWarps[best] : 1.0;
}

// How well the learner's recording fits the reference's, whole: the path's mean distance over the
// unrelated frames' (lower is closer), with what the alignment found.
struct Reading {
    CheckResult result;
    double fit = 1;
};

Reading Read(const Analysis& reference, const Analysis& learner)
{
    Reading reading;
    CheckResult& result = reading.result;
    if (reference.Count() == 0) {
        result.note = "The reciter's recording holds no voice.";
        return reading;
    }
    if (learner.Count() == 0) {
        result.note = "Your recording holds no voice.";
        result.missing.push_back(
            {reference.lead, reference.lead + double(reference.Count()) * kFrameSeconds});
        result.missingShare = 1;
        return reading;
    }
    result.warp = BestWarp(reference, learner);
    const PairBand band = ForPair(reference, learner, result.warp);
    const Features a = MakeFeatures(reference, band, 1.0);
    const Features b = MakeFeatures(learner, band, result.warp);
    const size_t n = a.Count(), m = b.Count();
    // A sound that reads the same backwards (a steady tone) says nothing of another text: then the
    // least cost another text would have stands in.
    const double unrelated = std::max(UnrelatedCost(a, b, kBaselineStep, 1), kLeastUnrelated);
    // The learner may stop before the end: what is left unsaid costs what meeting another text would.
    const Alignment alignment = Align(a, b, Radius(n, m, 1), kHoldPenalty, kPauseCost,
                                      float(kHoldPenalty + kUnsaidShare * unrelated));
    const auto& path = alignment.path;
    reading.fit = alignment.cost / unrelated;

    // For each frame of one recording, the furthest frame of the other it was matched to, and the
    // distance met there.
    // Distances are read against how far each frame lies from the other recording's frames at large:
    // some sounds are far from every other in any voice, and a stranger's voice is far everywhere.
    const std::vector<float> atLarge = Spread(a, b), learnerAtLarge = Spread(b, a);
    std::vector<size_t> learnerAlong(n, 0), referenceAlong(m, 0);
    std::vector<float> referenceCost(n, 0), learnerCost(m, 0), ratios;
    for (size_t k = 0; k < path.size(); ++k) {
        const auto [i, j] = path[k];
        learnerAlong[i] = std::max(learnerAlong[i], size_t(j));
        referenceAlong[j] = std::max(referenceAlong[j], size_t(i));
        referenceCost[i] = std::max(referenceCost[i], alignment.distance[k] / atLarge[i]);
        learnerCost[j] = std::max(learnerCost[j], alignment.distance[k] / learnerAtLarge[j]);
        if (a.voiced[i])
            ratios.push_back(alignment.distance[k] / atLarge[i]);
        result.path.emplace_back(a.lead + i * kFrameSeconds, b.lead + j * kFrameSeconds);
    }
    const double usual = Median(ratios); // how unlike the matched frames usually are, in this alignment

    // Stretches that the other recording has no counterpart for, met with frames unlike them, are words
    // left out or added; a learner's silence held long is a hesitation, told but no fault.
    std::vector<char> referenceWord(n, 0), learnerWord(m, 0);
    auto spans = [&](const std::vector<size_t>& along, const std::vector<float>& cost, const Features& f,
                     std::vector<Span>* out, std::vector<char>* word) {
        const double usualPace = double(along.back() + 1) / double(along.size());
        double voice = 0;
        const double limit = std::max(kWordUnlike, usual * kStrangeShare);
        for (const Stretch& s : StillStretches(along, f.voiced, usualPace)) {
            // The word is where the stretch's voice is unlike what it meets: a long stretch may hold a
            // word said slowly beside one left out.
            size_t first = s.to, last = s.from;
            double strange = 0;
            for (size_t k = s.from; k < s.to; ++k)
                if (f.voiced[k] && cost[k] >= limit) {
                    strange += kFrameSeconds;
                    first = std::min(first, k), last = k + 1;
                }
            const bool isWord = strange >= kLeastSpanSeconds;
            const bool hesitation =
                s.voice < kLeastSpanSeconds && double(s.to - s.from) * kFrameSeconds >= kLongPause;
            if (isWord) {
                voice += strange;
                std::fill(word->begin() + long(first), word->begin() + long(last), 1);
                result.faults = true;
                out->push_back(
                    {f.lead + double(first) * kFrameSeconds, f.lead + double(last) * kFrameSeconds});
            } else if (hesitation) {
                out->push_back(
                    {f.lead + double(s.from) * kFrameSeconds, f.lead + double(s.to) * kFrameSeconds});
            }
        }
        return voice;
    };
    const double missingVoice = spans(learnerAlong, referenceCost, a, &result.missing, &referenceWord);
    const double extraVoice = spans(referenceAlong, learnerCost, b, &result.extra, &learnerWord);
    const double referenceVoice = std::max(reference.VoicedSeconds(), kFrameSeconds);
    const double learnerVoice = std::max(learner.VoicedSeconds(), kFrameSeconds);
    result.missingShare = std::min(missingVoice / referenceVoice, 1.0);
    result.extraShare = std::min(extraVoice / learnerVoice, 1.0);

    // Closeness over what was matched, voice against voice: words left out or added do not make the
    // rest unlike.
    double matched = 0;
    size_t matchedCount = 0;
    for (size_t k = 0; k < path.size(); ++k)
        if (!referenceWord[path[k].first] && !learnerWord[path[k].second] && a.voiced[path[k].first] &&
            b.voiced[path[k].second])
            matched += alignment.distance[k], ++matchedCount;
    result.closeness = matchedCount ? matched / double(matchedCount) / unrelated : 1;

    // Words said differently: both move on together, and their frames stay unlike for a while: as unlike
    // as the reference's frame is to the learner's frames at large (some sounds are far from every
    // other in any voice; a frame of a word said differently is far from its counterpart too).
    // They are read in finer features than the alignment's: what tells two words of one shape apart is
    // in the spectrum's detail.
    const Features fineA = MakeFeatures(reference, band, 1.0, 1, kFineCoefficients);
    const Features fineB = MakeFeatures(learner, band, result.warp, 1, kFineCoefficients);
    const std::vector<float> fineAtLarge = Spread(fineA, fineB);
    std::vector<double> prefix(path.size() + 1, 0), ratio(path.size());
    for (size_t k = 0; k < path.size(); ++k) {
        const auto [i, j] = path[k];
        ratio[k] = FrameDistance(fineA, i, fineB, j) / fineAtLarge[i];
        prefix[k + 1] = prefix[k] + ratio[k];
    }
    double changedVoice = 0;
    auto unlike = [&](size_t p) {
        if (referenceWord[path[p].first] || learnerWord[path[p].second])
            return 0.0;
        const size_t lo = p >= size_t(kChangedWindow) ? p - size_t(kChangedWindow) : 0;
        const size_t hi = std::min(path.size(), p + size_t(kChangedWindow) + 1);
        return (prefix[hi] - prefix[lo]) / double(hi - lo);
    };
    std::vector<float> voicedRatios;
    for (size_t k = 0; k < path.size(); ++k)
        if (a.voiced[path[k].first]) {
            result.mostUnlike = std::max(result.mostUnlike, unlike(k));
            voicedRatios.push_back(float(ratio[k]));
        }
    result.usualUnlike = Median(voicedRatios);
    const double changedAbove = std::max(kChangedShare, kChangedOverUsual * result.usualUnlike);
    for (size_t k = 0; k < path.size();) {
        auto flagged = [&](size_t p) { return unlike(p) > changedAbove; };
        if (!flagged(k)) {
            ++k;
            continue;
        }
        size_t end = k + 1;
        while (end < path.size() && flagged(end))
            ++end;
        const size_t from = path[k].first, to = path[end - 1].first + 1;
        double voice = 0;
        for (size_t i = from; i < to; ++i)
            voice += a.voiced[i] ? kFrameSeconds : 0;
        if (voice >= kLeastChangedSeconds) {
            result.changed.push_back(
                {a.lead + double(from) * kFrameSeconds, a.lead + double(to) * kFrameSeconds});
            changedVoice += voice;
            result.faults = true;
        }
        k = end;
    }
    result.changedShare = std::min(changedVoice / referenceVoice, 1.0);

    const double alike = std::clamp((kUnlike - result.closeness) / (kUnlike - kAlike), 0.0, 1.0);
    result.score = int(std::lround(100 * alike * (1 - result.missingShare) * (1 - result.extraShare / 2) *
                                   (1 - result.changedShare)));
    if (!std::isfinite(result.closeness) ||
        result.closeness > (result.faults ? kDifferentWithFaults : kDifferent) ||
        1 - result.missingShare < kLeastMatched)
        result.verdict = Verdict::Different;
    else if (result.faults)
        result.verdict = Verdict::Partial;
    else
        result.verdict = Verdict::Match;
    return reading;
}

bool Decoded(const std::vector<char>& bytes, const char* whose, sound::Pcm* pcm, std::string* error)
{
    sound::DecodeLimits limits;
    limits.maxRate = kCheckRate;
    limits.maxChannels = 1;
    limits.maxSeconds = kMostSeconds;
    const sound::Result r = sound::DecodeAll(bytes.data(), bytes.size(), pcm, limits);
    if (r != sound::Ok) {
        *error = std::string(whose) + " cannot be read: " + sound::ErrorString(r);
        return false;
    }
    // A sample that is no finite number compares false with everything, and would pass every test.
    if (!std::all_of(pcm->samples.begin(), pcm->samples.end(), [](float s) { return std::isfinite(s); })) {
        *error = std::string(whose) + " cannot be read: it holds samples that are not numbers";
        return false;
    }
    return true;
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

CheckResult Compare(const Analysis& reference, const Analysis& learner)
{
    return Read(reference, learner).result;
}

CheckResult AlignOnly(const Analysis& reference, const Analysis& learner, int step)
{
    CheckResult result;
    step = std::max(step, 1);
    if (reference.Count() == 0 || learner.Count() == 0)
        return result;
    result.warp = BestWarp(reference, learner, kWarpStep * step);
    const PairBand band = ForPair(reference, learner, result.warp);
    const Features a = MakeFeatures(reference, band, 1.0, step);
    const Features b = MakeFeatures(learner, band, result.warp, step);
    const double unrelated = std::max(UnrelatedCost(a, b, kBaselineStep, step), kLeastUnrelated);
    const Alignment alignment = Align(a, b, Radius(a.Count(), b.Count(), step), kHoldPenalty, kPauseCost);
    if (alignment.path.empty())
        return result;
    result.closeness = alignment.cost / unrelated;
    const double seconds = step * kFrameSeconds;
    for (const auto& [i, j] : alignment.path)
        result.path.emplace_back(a.lead + i * seconds, b.lead + j * seconds);
    return result;
}

bool Check(const std::vector<char>& reference, const std::vector<char>& learner, CheckResult* result,
           std::string* error, const std::vector<SimilarRecitation>& similar)
{
    // One recording decoded at a time, and let go as soon as it is taken apart.
    sound::Pcm pcm;
    if (!Decoded(reference, "the reciter's recording", &pcm, error) || !Aubio(error))
        return false;
    const Analysis a = Analyse(pcm);
    if (!Decoded(learner, "the learner's recording", &pcm, error))
        return false;
    if (a.Count() == 0) {
        *error = "the reciter's recording holds no voice";
        return false;
    }
    const Analysis b = Analyse(pcm);
    pcm = sound::Pcm();
    const Reading reading = Read(a, b);
    *result = reading.result;
    // Asked even of a match: a similar aya recited may pass for this one, and then only the similar
    // aya's own recitation tells them apart.
    double best = reading.fit * kCloserShare;
    for (const SimilarRecitation& other : similar) {
        sound::Pcm pcm;
        std::string ignored;
        if (b.Count() == 0 || !Decoded(other.bytes, "", &pcm, &ignored))
            continue;
        const Reading alternative = Read(Analyse(pcm), b);
        if (alternative.result.verdict != Verdict::Different && alternative.fit < best) {
            best = alternative.fit;
            result->soundsLike = other.key;
        }
    }
    if (!result->soundsLike.empty())
        result->verdict = Verdict::Different;
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
    json << ", \"changed\": ";
    spans(result.changed);
    if (!result.soundsLike.empty())
        json << ", \"sounds_like\": \"" << result.soundsLike << '"';
    json << '}';
    return json.str();
}

} // namespace listen
