// SPDX-License-Identifier: GPL-3.0-or-later
#include "alignment.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace listen
{
namespace
{

// The step that reached a cell: both on, one held (a moves, or b moves), or one two frames to the
// other's one (b two, or a two), so that a steady difference in tempo is followed without holding.
enum Step : unsigned char { kBoth, kHoldB, kHoldA, kTwoOfB, kTwoOfA };

// Steps, half a byte each, row by row over the band.
class StepStore
{
  public:
    StepStore(const std::vector<size_t>& lo, const std::vector<size_t>& hi)
        : lo_(lo), start_(lo.size() + 1, 0)
    {
        for (size_t i = 0; i < lo.size(); ++i)
            start_[i + 1] = start_[i] + (hi[i] - lo[i] + 1);
        nibbles_.assign((start_.back() + 1) / 2, 0);
    }
    void Set(size_t i, size_t j, Step s)
    {
        const size_t k = start_[i] + (j - lo_[i]);
        nibbles_[k / 2] = (k % 2) ? (nibbles_[k / 2] & 0x0f) | (s << 4) : (nibbles_[k / 2] & 0xf0) | s;
    }
    Step Get(size_t i, size_t j) const
    {
        const size_t k = start_[i] + (j - lo_[i]);
        return Step((k % 2) ? nibbles_[k / 2] >> 4 : nibbles_[k / 2] & 0x0f);
    }

  private:
    const std::vector<size_t>& lo_;
    std::vector<size_t> start_;
    std::vector<unsigned char> nibbles_;
};

} // namespace

Alignment Align(const Features& a, const Features& b, size_t radius, float holdPenalty, float pauseCost,
                float missCost)
{
    Alignment out;
    const size_t n = a.Count(), m = b.Count();
    if (n == 0 || m == 0 || a.dims != b.dims)
        return out;
    std::vector<size_t> lo(n), hi(n);
    for (size_t i = 0; i < n; ++i) {
        const double centre = n > 1 ? double(i) * double(m - 1) / double(n - 1) : 0;
        lo[i] = size_t(std::max(0.0, std::floor(centre - double(radius))));
        hi[i] = size_t(std::min(double(m - 1), std::ceil(centre + double(radius))));
        // Each row's band meets the one before, so that every cell in it can be reached.
        if (i > 0)
            lo[i] = std::min(lo[i], hi[i - 1]);
    }
    StepStore steps(lo, hi);
    // b's features a coefficient at a time: columns[k * m + j] is coefficient k of frame j.
    const size_t dims = size_t(a.dims);
    std::vector<float> columns(dims * m);
    for (size_t j = 0; j < m; ++j)
        for (size_t k = 0; k < dims; ++k)
            columns[k * m + j] = b.frames[j * dims + k];
    const float inf = std::numeric_limits<float>::infinity();
    // Three rows of accumulated cost and two of distances, each reset over the band it last held.
    std::vector<float> cost[3] = {std::vector<float>(m, inf), std::vector<float>(m, inf),
                                  std::vector<float>(m, inf)};
    std::vector<float> near[2] = {std::vector<float>(m, inf), std::vector<float>(m, inf)};
    // What reaching the learner's end at each row costs: an open end may leave the rest unsaid.
    std::vector<float> atEnd(n, inf);
    for (size_t i = 0; i < n; ++i) {
        std::vector<float>& current = cost[i % 3];
        const std::vector<float>& previous = cost[(i + 2) % 3];
        const std::vector<float>& before = cost[(i + 1) % 3];
        std::vector<float>& distances = near[i % 2];
        const std::vector<float>& distancesBefore = near[(i + 1) % 2];
        if (i >= 3)
            std::fill(current.begin() + long(lo[i - 3]), current.begin() + long(hi[i - 3]) + 1, inf);
        if (i >= 2)
            std::fill(distances.begin() + long(lo[i - 2]), distances.begin() + long(hi[i - 2]) + 1, inf);
        // The row's distances first, one coefficient at a time across the band (the loop the compiler
        // makes wide), then the steps.
        const float* x = &a.frames[i * dims];
        float* d2 = &distances[lo[i]];
        const size_t width = hi[i] - lo[i] + 1;
        std::fill(d2, d2 + width, 0.f);
        for (size_t k = 0; k < dims; ++k) {
            const float xk = x[k];
            const float* column = &columns[k * m + lo[i]];
            for (size_t j = 0; j < width; ++j)
                d2[j] += (xk - column[j]) * (xk - column[j]);
        }
        for (size_t j = 0; j < width; ++j)
            d2[j] = std::sqrt(d2[j] / float(dims));
        for (size_t j = lo[i]; j <= hi[i]; ++j) {
            const float d = distances[j];
            float best = inf;
            Step from = kBoth;
            auto consider = [&](float c, Step s) {
                if (c < best)
                    best = c, from = s;
            };
            if (i == 0 && j == 0) {
                best = d;
            } else {
                if (i > 0 && j > 0)
                    consider(previous[j - 1] + d, kBoth);
                if (i > 0)
                    consider(previous[j] + (a.voiced[i] ? holdPenalty + d : pauseCost), kHoldB);
                if (j > 0)
                    consider(current[j - 1] + (b.voiced[j] ? holdPenalty + d : pauseCost), kHoldA);
                if (i > 0 && j > 1)
                    consider(previous[j - 2] + distances[j - 1] + d, kTwoOfB);
                if (i > 1 && j > 0)
                    consider(before[j - 1] + distancesBefore[j] + d, kTwoOfA);
            }
            current[j] = best;
            steps.Set(i, j, from);
        }
        if (hi[i] == m - 1)
            atEnd[i] = current[m - 1];
    }
    // Where the path ends: the last frame of both, or, with an open end, the row from which leaving the
    // rest of a unsaid (missCost a frame of voice, pauseCost a frame of pause) costs least.
    size_t last = n - 1;
    if (missCost > 0) {
        double tail = 0, best = atEnd[n - 1];
        for (size_t i = n - 1; i-- > 0;) {
            tail += a.voiced[i + 1] ? missCost : pauseCost;
            if (double(atEnd[i]) + tail < best)
                best = double(atEnd[i]) + tail, last = i;
        }
    }
    // Back along the best path.
    auto visit = [&](size_t i, size_t j) {
        out.path.emplace_back(uint32_t(i), uint32_t(j));
        out.distance.push_back(FrameDistance(a, i, b, j));
    };
    for (size_t i = last, j = m - 1;;) {
        visit(i, j);
        if (i == 0 && j == 0)
            break;
        switch (i == 0 ? kHoldA : j == 0 ? kHoldB : steps.Get(i, j)) {
        case kBoth:
            --i, --j;
            break;
        case kHoldB:
            --i;
            break;
        case kHoldA:
            --j;
            break;
        case kTwoOfB:
            visit(i, j - 1);
            i -= 1, j -= 2;
            break;
        case kTwoOfA:
            visit(i - 1, j);
            i -= 2, j -= 1;
            break;
        }
    }
    std::reverse(out.path.begin(), out.path.end());
    std::reverse(out.distance.begin(), out.distance.end());
    // The rest of a, unsaid, as held against b's last frame.
    for (size_t i = last + 1; i < n; ++i)
        visit(i, m - 1);
    // The cost: the mean distance where both speak (pause against pause says nothing of the words).
    double sum = 0, all = 0;
    size_t spoken = 0;
    for (size_t k = 0; k < out.path.size(); ++k) {
        all += out.distance[k];
        if (a.voiced[out.path[k].first] && b.voiced[out.path[k].second])
            sum += out.distance[k], ++spoken;
    }
    out.cost = spoken ? sum / double(spoken) : all / double(out.path.size());
    return out;
}

} // namespace listen
