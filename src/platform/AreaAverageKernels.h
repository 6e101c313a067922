#pragma once

#include <cstdint>

// The two inner loops of area averaging, for a given instruction set. Every
// set gives bit-identical results; the scaler uses the fastest.
//
// Fixed point: weights are 14-bit fractions that sum to 1 (AreaAverageTaps).
// The row pass leaves each channel as value * 2^7 in 16 bits, which keeps 7
// bits of the average's fraction for the column pass and still fits the
// signed 16-bit lanes that pair-wise multiply-add works on.
struct AreaAverageKernels {
    static constexpr int kLineFractionBits = 7;

    // Averages `taps` (even) source rows, each pointing at the first needed
    // pixel, into `pixels` pixels of `line` (four 16-bit channels each).
    using AverageRows = void (*)(const uint8_t* const* rows, const int16_t* weights, int taps,
                                 int pixels, uint16_t* line);
    // Averages runs of `line` into `count` target pixels: target i takes
    // `taps` (even) pixels from line pixel firsts[i], weighed by
    // weights[i * taps ...]. The line must extend `taps` pixels past its end
    // (zero-weighted padding is read).
    using AverageColumns = void (*)(const uint16_t* line, const int* firsts, const int16_t* weights,
                                    int taps, int count, uint32_t* out);

    AverageRows averageRows;
    AverageColumns averageColumns;

    // SSE2 on x86-64, where every processor has it; plain C++ elsewhere.
    static const AreaAverageKernels& Portable();
    // AVX2 where this processor has it, else null.
    static const AreaAverageKernels* Avx2();
    static const AreaAverageKernels& Fastest();
};
