#pragma once
// Arithmetic on 32-bit premultiplied pixels shared by the painter's fills and
// image blits. Two channels are worked on at once in 16-bit lanes, which keeps
// the exact rounding of x * k / 255 without a division.
#include <cstdint>

namespace fw::pixel {

constexpr uint32_t kRedBlue = 0x00FF00FF;

// Every channel times k / 255 (k in 0..255), rounded to nearest.
inline uint32_t scale(uint32_t p, uint32_t k) {
    uint32_t rb = (p & kRedBlue) * k + 0x00800080;
    rb = ((rb + ((rb >> 8) & kRedBlue)) >> 8) & kRedBlue;
    uint32_t ag = ((p >> 8) & kRedBlue) * k + 0x00800080;
    ag = (ag + ((ag >> 8) & kRedBlue)) & ~kRedBlue;
    return rb | ag;
}

// A premultiplied source over a premultiplied destination. Exact at alpha 0
// and 255 too, and without branches, so that loops of it vectorise.
inline uint32_t over(uint32_t destination, uint32_t source) {
    return source + scale(destination, 255 - (source >> 24));
}

// Straight alpha to premultiplied.
inline uint32_t premultiply(uint32_t p) {
    uint32_t alpha = p >> 24;
    if (alpha == 255) {
        return p;
    }
    if (alpha == 0) {
        return 0;
    }
    return scale(p | 0xFF000000u, alpha);
}

// `a` moved towards `b` by weight / 256 (weight in 0..256), every channel.
inline uint32_t mix(uint32_t a, uint32_t b, uint32_t weight) {
    uint32_t keep = 256 - weight;
    uint32_t rb = ((a & kRedBlue) * keep + (b & kRedBlue) * weight + 0x00800080) >> 8;
    uint32_t ag = ((a >> 8) & kRedBlue) * keep + ((b >> 8) & kRedBlue) * weight + 0x00800080;
    return (rb & kRedBlue) | (ag & ~kRedBlue);
}

// A source drawn with `coverage` (0..255) of a pixel: blended over, or, when
// copying, the destination moved towards the source by the coverage.
inline uint32_t covered(uint32_t destination, uint32_t source, uint32_t coverage, bool blend) {
    if (blend) {
        return over(destination, coverage == 255 ? source : scale(source, coverage));
    }
    return scale(source, coverage) + scale(destination, 255 - coverage);
}

} // namespace fw::pixel
