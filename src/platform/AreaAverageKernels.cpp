#include "platform/AreaAverageKernels.h"

#include "platform/AreaAverageTaps.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr int kRowShift = AreaAverageTaps::kWeightBits - AreaAverageKernels::kLineFractionBits;
constexpr int kColumnShift = AreaAverageTaps::kWeightBits + AreaAverageKernels::kLineFractionBits;

void AverageRowsScalar(const uint8_t* const* rows, const int16_t* weights, int taps, int from,
                       int to, uint16_t* line) {
    for (int x = from; x < to; ++x) {
        for (int c = 0; c < 4; ++c) {
            int32_t sum = 0;
            for (int k = 0; k < taps; ++k) sum += weights[k] * rows[k][x * 4 + c];
            line[x * 4 + c] = static_cast<uint16_t>((sum + (1 << (kRowShift - 1))) >> kRowShift);
        }
    }
}

#if defined(__SSE2__)

__m128i WeightPair(const int16_t* weights) {
    return _mm_set1_epi32(static_cast<int>(static_cast<uint16_t>(weights[0]) |
                                           (uint32_t{static_cast<uint16_t>(weights[1])} << 16)));
}

void AverageRowsSse2(const uint8_t* const* rows, const int16_t* weights, int taps, int pixels,
                     uint16_t* line) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi32(1 << (kRowShift - 1));
    int x = 0;
    for (; x + 4 <= pixels; x += 4) {
        // Four pixels of two rows, interleaved byte by byte, so that one
        // multiply-add weighs both rows: upper * w[k] + lower * w[k + 1].
        __m128i sum0 = zero, sum1 = zero, sum2 = zero, sum3 = zero;
        for (int k = 0; k < taps; k += 2) {
            const __m128i upper =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + x * 4));
            const __m128i lower =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k + 1] + x * 4));
            const __m128i pair = WeightPair(weights + k);
            const __m128i low = _mm_unpacklo_epi8(upper, lower);
            const __m128i high = _mm_unpackhi_epi8(upper, lower);
            sum0 = _mm_add_epi32(sum0, _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), pair));
            sum1 = _mm_add_epi32(sum1, _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), pair));
            sum2 = _mm_add_epi32(sum2, _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), pair));
            sum3 = _mm_add_epi32(sum3, _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), pair));
        }
        auto scale = [&](__m128i sum) {
            return _mm_srai_epi32(_mm_add_epi32(sum, half), kRowShift);
        };
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + x * 4),
                         _mm_packs_epi32(scale(sum0), scale(sum1)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + x * 4 + 8),
                         _mm_packs_epi32(scale(sum2), scale(sum3)));
    }
    AverageRowsScalar(rows, weights, taps, x, pixels, line);
}

void AverageColumnsSse2(const uint16_t* line, const int* firsts, const int16_t* weights, int taps,
                        int count, uint32_t* out) {
    const __m128i half = _mm_set1_epi32(1 << (kColumnShift - 1));
    for (int i = 0; i < count; ++i, weights += taps) {
        const uint16_t* run = line + firsts[i] * 4;
        __m128i sum = _mm_setzero_si128();
        for (int k = 0; k < taps; k += 2) {
            // Two neighbouring pixels, channels interleaved: b0 b1 g0 g1 r0 r1 a0 a1.
            const __m128i two = _mm_loadu_si128(reinterpret_cast<const __m128i*>(run + k * 4));
            const __m128i paired = _mm_unpacklo_epi16(two, _mm_unpackhi_epi64(two, two));
            sum = _mm_add_epi32(sum, _mm_madd_epi16(paired, WeightPair(weights + k)));
        }
        sum = _mm_srai_epi32(_mm_add_epi32(sum, half), kColumnShift);
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(sum, sum), sum);
        out[i] = static_cast<uint32_t>(_mm_cvtsi128_si32(bytes)) | 0xFF000000u;
    }
}

#else

void AverageRowsPlain(const uint8_t* const* rows, const int16_t* weights, int taps, int pixels,
                      uint16_t* line) {
    AverageRowsScalar(rows, weights, taps, 0, pixels, line);
}

void AverageColumnsPlain(const uint16_t* line, const int* firsts, const int16_t* weights, int taps,
                         int count, uint32_t* out) {
    for (int i = 0; i < count; ++i, weights += taps) {
        const uint16_t* run = line + firsts[i] * 4;
        uint32_t pixel = 0xFF000000u;
        for (int c = 0; c < 3; ++c) {
            int32_t sum = 0;
            for (int k = 0; k < taps; ++k) sum += weights[k] * run[k * 4 + c];
            pixel |= uint32_t((sum + (1 << (kColumnShift - 1))) >> kColumnShift) << (8 * c);
        }
        out[i] = pixel;
    }
}

#endif

}  // namespace

const AreaAverageKernels& AreaAverageKernels::Portable() {
#if defined(__SSE2__)
    static const AreaAverageKernels kernels{&AverageRowsSse2, &AverageColumnsSse2};
#else
    static const AreaAverageKernels kernels{&AverageRowsPlain, &AverageColumnsPlain};
#endif
    return kernels;
}

const AreaAverageKernels& AreaAverageKernels::Fastest() {
    static const AreaAverageKernels& fastest = Avx2() != nullptr ? *Avx2() : Portable();
    return fastest;
}
