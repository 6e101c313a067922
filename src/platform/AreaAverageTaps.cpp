#include "platform/AreaAverageTaps.h"

#include <algorithm>

AreaAverageTaps::AreaAverageTaps(int sourceLength, int targetLength, int from, int to) {
    // Lengths are measured in 1/targetLength of a source pixel, so every
    // boundary is an integer: target t covers [t * S, (t + 1) * S) and source
    // pixel i covers [i * T, (i + 1) * T).
    const int64_t S = sourceLength;
    const int64_t T = targetLength;
    auto firstPixel = [&](int t) { return static_cast<int>(t * S / T); };
    auto endPixel = [&](int t) { return static_cast<int>(((t + 1) * S + T - 1) / T); };

    for (int t = from; t < to; ++t) count_ = std::max(count_, endPixel(t) - firstPixel(t));
    count_ += count_ % 2;
    weights_.assign(size_t(to - from) * count_, 0);
    first_.reserve(to - from);
    sourceBegin_ = from < to ? firstPixel(from) : 0;
    sourceEnd_ = from < to ? endPixel(to - 1) : 0;

    for (int t = from; t < to; ++t) {
        const int64_t begin = t * S;
        const int64_t end = begin + S;
        int16_t* weights = weights_.data() + size_t(t - from) * count_;
        // Rounding the running total rather than each weight keeps every
        // weight >= 0 and makes them sum to kOne exactly.
        int64_t covered = 0;
        int64_t roundedBefore = 0;
        for (int i = firstPixel(t); i < endPixel(t); ++i) {
            covered += std::min(end, (i + 1) * T) - std::max(begin, i * T);
            const int64_t rounded = (covered * kOne * 2 + S) / (2 * S);
            *weights++ = static_cast<int16_t>(rounded - roundedBefore);
            roundedBefore = rounded;
        }
        first_.push_back(firstPixel(t));
    }
}
