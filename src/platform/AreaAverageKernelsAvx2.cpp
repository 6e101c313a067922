// The AVX2 kernels: the same arithmetic as the portable ones, eight pixels at
// a time. Compiled for AVX2 function by function and used only after the
// processor says it has it, so the program still runs on any x86-64.
#include "platform/AreaAverageKernels.h"

#if defined(__GNUC__) && defined(__x86_64__)

#include <immintrin.h>

#include "platform/AreaAverageTaps.h"

namespace {

constexpr int kRowShift = AreaAverageTaps::kWeightBits - AreaAverageKernels::kLineFractionBits;

__attribute__((target("avx2"))) inline __m256i Round(__m256i sum, __m256i half) {
    return _mm256_srai_epi32(_mm256_add_epi32(sum, half), kRowShift);
}

__attribute__((target("avx2"))) void AverageRowsAvx2(const uint8_t* const* rows,
                                                     const int16_t* weights, int taps, int pixels,
                                                     uint16_t* line) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i half = _mm256_set1_epi32(1 << (kRowShift - 1));
    int x = 0;
    for (; x + 8 <= pixels; x += 8) {
        // As the SSE2 kernel, in two 128-bit lanes: the sums hold pixels
        // (0|4), (1|5), (2|6), (3|7).
        __m256i sum0 = zero, sum1 = zero, sum2 = zero, sum3 = zero;
        for (int k = 0; k < taps; k += 2) {
            const __m256i upper =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k] + x * 4));
            const __m256i lower =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k + 1] + x * 4));
            int32_t pairBits;
            __builtin_memcpy(&pairBits, weights + k, sizeof pairBits);
            const __m256i pair = _mm256_set1_epi32(pairBits);
            const __m256i low = _mm256_unpacklo_epi8(upper, lower);
            const __m256i high = _mm256_unpackhi_epi8(upper, lower);
            sum0 = _mm256_add_epi32(sum0, _mm256_madd_epi16(_mm256_unpacklo_epi8(low, zero), pair));
            sum1 = _mm256_add_epi32(sum1, _mm256_madd_epi16(_mm256_unpackhi_epi8(low, zero), pair));
            sum2 =
                _mm256_add_epi32(sum2, _mm256_madd_epi16(_mm256_unpacklo_epi8(high, zero), pair));
            sum3 =
                _mm256_add_epi32(sum3, _mm256_madd_epi16(_mm256_unpackhi_epi8(high, zero), pair));
        }
        const __m256i first =
            _mm256_packs_epi32(Round(sum0, half), Round(sum1, half));  // 0 1 | 4 5
        const __m256i second =
            _mm256_packs_epi32(Round(sum2, half), Round(sum3, half));  // 2 3 | 6 7
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(line + x * 4),
                            _mm256_permute2x128_si256(first, second, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(line + x * 4 + 16),
                            _mm256_permute2x128_si256(first, second, 0x31));
    }
    // The last few pixels one channel at a time, with the same arithmetic.
    for (; x < pixels; ++x) {
        for (int c = 0; c < 4; ++c) {
            int32_t sum = 0;
            for (int k = 0; k < taps; ++k) sum += weights[k] * rows[k][x * 4 + c];
            line[x * 4 + c] = static_cast<uint16_t>((sum + (1 << (kRowShift - 1))) >> kRowShift);
        }
    }
}

}  // namespace

const AreaAverageKernels* AreaAverageKernels::Avx2() {
    // The column pass gains nothing from wider vectors (each target pixel
    // reads its own short run), so it stays the portable one.
    static const AreaAverageKernels kernels{&AverageRowsAvx2, Portable().averageColumns};
    static const bool supported = __builtin_cpu_supports("avx2");
    return supported ? &kernels : nullptr;
}

#else

const AreaAverageKernels* AreaAverageKernels::Avx2() {
    return nullptr;
}

#endif
