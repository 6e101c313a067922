#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One axis of an area-averaging shrink: for each target pixel, the run of
// source pixels it covers and how much of each, as fixed-point weights that
// add up to exactly kOne (so a flat colour comes out exactly as it went in).
class AreaAverageTaps {
  public:
    static constexpr int kWeightBits = 14;
    static constexpr int kOne = 1 << kWeightBits;

    // The taps of targets [from, to) when `sourceLength` pixels shrink to
    // `targetLength` (0 < targetLength <= sourceLength).
    AreaAverageTaps(int sourceLength, int targetLength, int from, int to);

    // Every target has the same, even number of taps, so that vector code
    // can sum them in pairs without a tail: runs shorter than that are padded
    // with zero weights, which point past the run, up to Count() - 1 pixels
    // past SourceEnd(). Target i counts from `from`.
    int Count() const { return count_; }
    int First(int i) const { return first_[i]; }
    const int* Firsts() const { return first_.data(); }
    const int16_t* Weights(int i) const { return weights_.data() + size_t(i) * count_; }

    // The source pixels [SourceBegin, SourceEnd) that carry weight.
    int SourceBegin() const { return sourceBegin_; }
    int SourceEnd() const { return sourceEnd_; }

  private:
    std::vector<int> first_;
    std::vector<int16_t> weights_;
    int count_ = 0;
    int sourceBegin_ = 0;
    int sourceEnd_ = 0;
};
