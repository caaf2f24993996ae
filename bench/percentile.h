// SPDX-License-Identifier: GPL-3.0-or-later
// The figures the word benchmarks report.
#pragma once

#include <algorithm>
#include <vector>

// The value below which share (0 to 1) of values lie; 0 for none.
inline double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}
