#include "capture/ImageOps.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace fw {

namespace {

uint8_t channelOf(uint32_t colour, int shift) {
    return static_cast<uint8_t>(colour >> shift);
}

// Blur weights in 16-bit fixed point that sum to exactly 65536, so a flat area
// stays flat.
std::vector<int32_t> gaussianWeights(double radius) {
    const int half = std::max(1, static_cast<int>(std::ceil(radius)));
    const double sigma = std::max(radius, 1.0) / 2.0;
    std::vector<double> exact(2 * half + 1);
    double total = 0;
    for (int i = -half; i <= half; ++i) {
        exact[i + half] = std::exp(-(i * i) / (2 * sigma * sigma));
        total += exact[i + half];
    }
    std::vector<int32_t> weights(exact.size());
    int32_t sum = 0;
    for (size_t i = 0; i < exact.size(); ++i) {
        weights[i] = static_cast<int32_t>(std::lround(exact[i] / total * 65536));
        sum += weights[i];
    }
    weights[half] += 65536 - sum;
    return weights;
}

// One blur pass along rows (step = bytes per pixel, count = width) or along
// columns (step = stride, count = height), from `source` into `target`.
void blurLine(const uint8_t* source, uint8_t* target, int32_t count, int32_t step, int32_t channels,
              const std::vector<int32_t>& weights) {
    const int half = static_cast<int>(weights.size() / 2);
    for (int32_t i = 0; i < count; ++i) {
        for (int32_t c = 0; c < channels; ++c) {
            uint32_t sum = 1u << 15;
            for (int k = -half; k <= half; ++k) {
                const int32_t at = std::clamp(i + k, 0, count - 1);
                sum += static_cast<uint32_t>(weights[k + half]) * source[at * step + c];
            }
            target[i * step + c] = static_cast<uint8_t>(sum >> 16);
        }
    }
}

void blendPixel(uint8_t* target, bool targetAlpha, const uint8_t* source, bool premultiplied) {
    const uint32_t sa = source[3];
    if (sa == 0 && !premultiplied) {
        return;
    }
    const uint32_t inverse = 255 - sa;
    const uint32_t da = targetAlpha ? target[3] : 255;
    if (premultiplied) {
        for (int c = 0; c < 3; ++c) {
            target[c] = static_cast<uint8_t>(source[c] + (target[c] * inverse + 127) / 255);
        }
    } else {
        // Straight alpha: out = (src * sa + dst * da * (1 - sa)) / outAlpha, kept
        // in units of 1/255^2 until the final division.
        const uint32_t outAlpha = sa * 255 + da * inverse;
        for (int c = 0; c < 3; ++c) {
            const uint32_t sum = source[c] * sa * 255 + target[c] * da * inverse;
            target[c] = static_cast<uint8_t>((sum + outAlpha / 2) / outAlpha);
        }
    }
    if (targetAlpha) {
        target[3] = static_cast<uint8_t>(sa + (da * inverse + 127) / 255);
    }
}

} // namespace

void composeOver(uint8_t* pixel, bool hasAlpha, uint32_t top) {
    const int32_t t = channelOf(top, 24);
    const int32_t p = hasAlpha ? pixel[3] : 255;
    if (p == 0) {
        for (int c = 0; c < 3; ++c) {
            pixel[c] = channelOf(top, 8 * c);
        }
        pixel[3] = static_cast<uint8_t>(t);
        return;
    }
    const int32_t alpha = 255 - (((255 - p) * (255 - t)) >> 8);
    const int32_t weight = ((255 - t) * p) / alpha;
    for (int c = 0; c < 3; ++c) {
        const int32_t colour = channelOf(top, 8 * c);
        pixel[c] = static_cast<uint8_t>(
            std::clamp(colour + (((pixel[c] - colour) * weight) >> 8), 0, 255));
    }
    if (hasAlpha) {
        pixel[3] = static_cast<uint8_t>(alpha);
    }
}

void composeOver(Image& image, uint32_t top) {
    const int32_t bytes = image.bytesPerPixel();
    for (int32_t y = 0; y < image.height(); ++y) {
        uint8_t* pixel = image.row(y);
        for (int32_t x = 0; x < image.width(); ++x, pixel += bytes) {
            composeOver(pixel, image.hasAlpha(), top);
        }
    }
}

Image dimmed(const Image& image) {
    Image result = image.clone();
    composeOver(result, 0x3C000000u);
    return result;
}

void fill(Image& image, uint32_t colour) {
    const int32_t bytes = image.bytesPerPixel();
    for (int32_t y = 0; y < image.height(); ++y) {
        uint8_t* pixel = image.row(y);
        for (int32_t x = 0; x < image.width(); ++x, pixel += bytes) {
            for (int32_t c = 0; c < bytes; ++c) {
                pixel[c] = channelOf(colour, 8 * c);
            }
        }
    }
}

void drawBlended(Image& target, const Image& source, int32_t x, int32_t y) {
    const Rect area = intersect(Rect{0, 0, target.width(), target.height()},
                                Rect{x, y, source.width(), source.height()});
    if (area.isEmpty()) {
        return;
    }
    for (int32_t row = area.y; row < area.bottom(); ++row) {
        uint8_t* to = target.pixel(area.x, row);
        const uint8_t* from = source.pixel(area.x - x, row - y);
        for (int32_t column = 0; column < area.width; ++column) {
            if (source.hasAlpha()) {
                blendPixel(to, target.hasAlpha(), from, source.premultiplied());
            } else {
                std::memcpy(to, from, 3);
                if (target.hasAlpha()) {
                    to[3] = 255;
                }
            }
            to += target.bytesPerPixel();
            from += source.bytesPerPixel();
        }
    }
}

void gaussianBlur(Image& image, double radius) {
    if (image.isEmpty()) {
        return;
    }
    const std::vector<int32_t> weights = gaussianWeights(radius);
    Image across(image.hasAlpha(), image.width(), image.height());
    if (across.isEmpty()) {
        return;
    }
    const int32_t bytes = image.bytesPerPixel();
    for (int32_t y = 0; y < image.height(); ++y) {
        blurLine(image.row(y), across.row(y), image.width(), bytes, bytes, weights);
    }
    // Columns: every byte of a row is one independent column.
    for (int32_t x = 0; x < image.width(); ++x) {
        blurLine(across.pixel(x, 0), image.pixel(x, 0), image.height(), image.stride(), bytes,
                 weights);
    }
}

void alphaFromTwoBackgrounds(int32_t rows, const uint8_t* overBlack, uint8_t* output,
                             const uint8_t* overWhite, int32_t columns, bool partialAlpha) {
    const int64_t count = int64_t{rows} * columns;
    for (int64_t i = 0; i < count; ++i) {
        const uint8_t* b = overBlack + 4 * i;
        const uint8_t* w = overWhite + 4 * i;
        uint8_t* o = output + 4 * i;
        // Where the output is a third rendering (a window as the screen shows
        // it), an opaque pixel keeps that rendering's colour.
        if (b[0] == w[0] && b[1] == w[1] && b[2] == w[2]) {
            o[3] = 255;
        } else if (b[0] == 0 && b[1] == 0 && b[2] == 0 && w[0] == 255 && w[1] == 255 &&
                   w[2] == 255) {
            std::memset(o, 0, 4);
        } else if (!partialAlpha) {
            o[3] = 255;
        } else {
            // Only red is used to estimate alpha. A pixel darker over white than over
            // black is not physical; it is taken as opaque rather than let alpha wrap.
            const float a = std::min(1.0f + static_cast<float>(b[2] - w[2]) / 255.0f, 1.0f);
            if (a < 1e-6f) {
                std::memset(o, 0, 4);
                continue;
            }
            for (int c = 0; c < 3; ++c) {
                const float colour = std::clamp(b[c] / 255.0f / a, 0.0f, 1.0f);
                o[c] = static_cast<uint8_t>(colour * 255.0f);
            }
            o[3] = static_cast<uint8_t>(a * 255.0f);
        }
    }
}

void premultiply(Image& image) {
    if (!image.hasAlpha() || image.premultiplied() || image.isEmpty()) {
        return;
    }
    for (int32_t y = 0; y < image.height(); ++y) {
        uint8_t* pixel = image.row(y);
        for (int32_t x = 0; x < image.width(); ++x, pixel += 4) {
            const uint32_t a = pixel[3];
            if (a == 255) {
                continue;
            }
            // Divided by 255, not 256: white at alpha 254 must stay 254, not darken.
            for (int c = 0; c < 3; ++c) {
                pixel[c] = static_cast<uint8_t>((pixel[c] * a + 127) / 255);
            }
        }
    }
    image.setPremultiplied(true);
}

} // namespace fw
