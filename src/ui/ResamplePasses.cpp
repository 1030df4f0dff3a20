#include "ui/ResamplePasses.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fw {

namespace {

uint8_t toByte(int32_t sum, int32_t shift) {
    return static_cast<uint8_t>(std::clamp(sum >> shift, 0, 255));
}

// Portable row filter for any channel count.
template <int Channels>
void filterRow(const uint8_t* from, uint8_t* to, int32_t width, const FixedWeights& table) {
    const int32_t half = int32_t{1} << (table.shift - 1);
    for (int32_t x = 0; x < width; ++x) {
        const int32_t* w = &table.weights[static_cast<size_t>(x) * table.window];
        const uint8_t* pixel = from + table.left[x] * Channels;
        int32_t sum[Channels];
        std::fill_n(sum, Channels, half);
        for (int32_t k = 0; k < table.count[x]; ++k, pixel += Channels) {
            for (int c = 0; c < Channels; ++c) {
                sum[c] += w[k] * pixel[c];
            }
        }
        for (int c = 0; c < Channels; ++c) {
            to[x * Channels + c] = toByte(sum[c], table.shift);
        }
    }
}

// Portable column filter over `bytes` bytes of each row starting at `offset`.
void filterColumns(const Image& source, uint8_t* to, int32_t offset, int32_t bytes,
                   const int32_t* w, int32_t left, int32_t count, int32_t shift,
                   std::vector<int32_t>& sums) {
    sums.assign(static_cast<size_t>(bytes), int32_t{1} << (shift - 1));
    int32_t* sum = sums.data();
    for (int32_t k = 0; k < count; ++k) {
        const uint8_t* from = source.row(left + k) + offset;
        const int32_t weight = w[k];
        for (int32_t i = 0; i < bytes; ++i) {
            sum[i] += weight * from[i];
        }
    }
    for (int32_t i = 0; i < bytes; ++i) {
        to[offset + i] = toByte(sum[i], shift);
    }
}

#if defined(__SSE2__)

__m128i loadPixel(const uint8_t* p) {
    int32_t value;
    std::memcpy(&value, p, 4);
    return _mm_cvtsi32_si128(value);
}

// Two taps per step: the channels of two neighbouring pixels are interleaved
// as 16-bit values and multiplied with a packed weight pair.
void filterRowVector(const uint8_t* from, uint8_t* to, int32_t width, const FixedWeights& table) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i shift = _mm_cvtsi32_si128(table.shift);
    const __m128i half = _mm_set1_epi32(int32_t{1} << (table.shift - 1));
    for (int32_t x = 0; x < width; ++x) {
        const int32_t* pairs = &table.pairs[static_cast<size_t>(x) * table.pairWindow];
        const uint8_t* pixel = from + table.left[x] * 4;
        const int32_t count = table.count[x];
        __m128i sum = half;
        int32_t k = 0;
        for (; k + 1 < count; k += 2, pixel += 8) {
            const __m128i both = _mm_unpacklo_epi8(loadPixel(pixel), loadPixel(pixel + 4));
            const __m128i wide = _mm_unpacklo_epi8(both, zero);
            sum = _mm_add_epi32(sum, _mm_madd_epi16(wide, _mm_set1_epi32(pairs[k / 2])));
        }
        if (k < count) {
            const __m128i wide = _mm_unpacklo_epi8(_mm_unpacklo_epi8(loadPixel(pixel), zero), zero);
            sum = _mm_add_epi32(sum, _mm_madd_epi16(wide, _mm_set1_epi32(pairs[k / 2])));
        }
        const __m128i words = _mm_packs_epi32(_mm_sra_epi32(sum, shift), zero);
        const int32_t packed = _mm_cvtsi128_si32(_mm_packus_epi16(words, zero));
        std::memcpy(to + x * 4, &packed, 4);
    }
}

// Sixteen bytes of a row per step, two source rows at a time.
int32_t filterColumnsVector(const Image& source, uint8_t* to, int32_t bytes, const int32_t* pairs,
                            int32_t left, int32_t count, int32_t shiftBits) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i shift = _mm_cvtsi32_si128(shiftBits);
    const __m128i half = _mm_set1_epi32(int32_t{1} << (shiftBits - 1));
    int32_t i = 0;
    for (; i + 16 <= bytes; i += 16) {
        __m128i sum[4] = {half, half, half, half};
        for (int32_t k = 0; k < count; k += 2) {
            const __m128i a =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(source.row(left + k) + i));
            const __m128i b = k + 1 < count ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(
                                                  source.row(left + k + 1) + i))
                                            : zero;
            const __m128i weight = _mm_set1_epi32(pairs[k / 2]);
            const __m128i low = _mm_unpacklo_epi8(a, b);
            const __m128i high = _mm_unpackhi_epi8(a, b);
            sum[0] = _mm_add_epi32(sum[0], _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), weight));
            sum[1] = _mm_add_epi32(sum[1], _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), weight));
            sum[2] = _mm_add_epi32(sum[2], _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), weight));
            sum[3] = _mm_add_epi32(sum[3], _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), weight));
        }
        for (__m128i& s : sum) {
            s = _mm_sra_epi32(s, shift);
        }
        const __m128i bytesOut =
            _mm_packus_epi16(_mm_packs_epi32(sum[0], sum[1]), _mm_packs_epi32(sum[2], sum[3]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), bytesOut);
    }
    return i;
}

#endif

} // namespace

void horizontalPass(const Image& source, const Image& target, const FixedWeights& table) {
    for (int32_t y = 0; y < target.height(); ++y) {
        if (source.bytesPerPixel() == 3) {
            filterRow<3>(source.row(y), target.row(y), target.width(), table);
        } else {
#if defined(__SSE2__)
            filterRowVector(source.row(y), target.row(y), target.width(), table);
#else
            filterRow<4>(source.row(y), target.row(y), target.width(), table);
#endif
        }
    }
}

void verticalPass(const Image& source, const Image& target, const FixedWeights& table) {
    const int32_t rowBytes = target.width() * target.bytesPerPixel();
    std::vector<int32_t> sums;
    for (int32_t y = 0; y < target.height(); ++y) {
        const size_t at = static_cast<size_t>(y);
        int32_t done = 0;
#if defined(__SSE2__)
        done = filterColumnsVector(source, target.row(y), rowBytes,
                                   &table.pairs[at * table.pairWindow], table.left[y],
                                   table.count[y], table.shift);
#endif
        if (done < rowBytes) {
            filterColumns(source, target.row(y), done, rowBytes - done,
                          &table.weights[at * table.window], table.left[y], table.count[y],
                          table.shift, sums);
        }
    }
}

} // namespace fw
