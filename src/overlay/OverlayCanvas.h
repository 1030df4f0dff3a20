#pragma once
// The overlay's own pixel work on the painter's surface: copies of the frozen
// screen, opaque lines and the magnifier. These run on every mouse move over
// large areas, so they write rows directly instead of blending pixel by pixel;
// everything stays inside the painter's clip.
#include "capture/Image.h"
#include "capture/OverlayGeometry.h"
#include "ui/UIPainter.h"

namespace fw {

class OverlayCanvas {
public:
    explicit OverlayCanvas(UIPainter& painter);

    // The pixels of `image` under `area`: image and painter coordinates agree.
    // Pixels outside the image are left alone.
    void copyFrom(const Image& image, const Rect& area);
    // An opaque colour over `area`.
    void fill(const Rect& area, Color color);
    // An outline `thickness` pixels wide inside `r`.
    void outline(const Rect& r, int32_t thickness, Color color);

    struct MagnifierLook {
        Color grid;
        Color marker; // with its alpha
    };
    // `square` shows the pixels of `source` around `center` enlarged by
    // `geometry`, with a grid on the block boundaries and the centre block
    // marked. Pixels outside the source are black; all are opaque.
    void magnifier(const Image& source, Point center, const Rect& square,
                   const MagnifierGeometry& geometry, const MagnifierLook& look);

private:
    // `r` in surface coordinates, clipped; empty when nothing shows.
    Rect onSurface(const Rect& r) const;

    UIPainter& painter_;
    PixelSurface surface_;
};

} // namespace fw
