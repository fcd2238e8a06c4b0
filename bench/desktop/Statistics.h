// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <vector>

// The value below which `fraction` of the samples lie (nearest rank); 0 for no samples.
inline double Percentile(std::vector<double> samples, double fraction) {
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(rank, samples.size() - 1)];
}

inline double Median(const std::vector<double>& samples) {
    return Percentile(samples, 0.5);
}
