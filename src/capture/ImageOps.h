#pragma once
// Pixel operations on Image shared by the capture engine and the toolkit. They
// work in place on the (shared) buffer. Colours are 32-bit values with alpha in
// the high byte, then red, green and blue (0xAARRGGBB), which is the byte order
// of a 32-bit pixel in memory.
#include "capture/Image.h"

#include <cstdint>

namespace fw {

// Composes colour `top` over one pixel in place. `pixel` has four bytes when
// `hasAlpha`, else three (and counts as opaque). A fully transparent pixel
// becomes `top`; a 24-bit pixel keeps no alpha.
void composeOver(uint8_t* pixel, bool hasAlpha, uint32_t top);

// composeOver for every pixel of the image.
void composeOver(Image& image, uint32_t top);

// The overlay background: a clone darkened by black at alpha 60.
Image dimmed(const Image& image);

// Sets every pixel to `colour` (its alpha is dropped for 24-bit images).
void fill(Image& image, uint32_t colour);

// Source-over blending of `source` onto `target` with the source's top-left at
// (x, y), clipped to the target. A source without alpha is copied. When the
// source is premultiplied the target is taken to be premultiplied as well.
void drawBlended(Image& target, const Image& source, int32_t x, int32_t y);

// Separable Gaussian blur of every channel (alpha included). Pixels beyond the
// edges repeat the edge pixel, so a one-colour image stays unchanged.
void gaussianBlur(Image& image, double radius);

// Recovers colour and alpha from two renderings of the same 32-bit pixels, one
// over black and one over white (each `rows` rows of `columns` pixels, no
// padding), into `output`, which may be `overBlack` or a third rendering of the
// same pixels: pixels found opaque keep the colour `output` has. Without
// `partialAlpha` every pixel that is not exactly black-over-black and
// white-over-white is taken as opaque.
void alphaFromTwoBackgrounds(int32_t rows, const uint8_t* overBlack, uint8_t* output,
                             const uint8_t* overWhite, int32_t columns, bool partialAlpha);

// Multiplies the colour channels by alpha once; does nothing to images without
// alpha or already premultiplied ones.
void premultiply(Image& image);

} // namespace fw
