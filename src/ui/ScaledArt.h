#pragma once
// Skins and pictures at the window's resolution. At 96 DPI the style's own
// pixels are drawn; above it each skin is scaled once per resolution (frame by
// frame, bicubic, slices scaled with it) and each picture once per widget.
#include "capture/Image.h"
#include "platform/Rect.h"
#include "resources/Skin.h"
#include "ui/UIPainter.h"

#include <cstdint>

namespace fw {

// A logical length at `dpi`, rounded.
int32_t scaleLength(int32_t logical, int32_t dpi);

// The skin as it is drawn at `dpi`: the skin itself at 96 DPI.
const Skin& skinAtDpi(const Skin& skin, int32_t dpi);
// The frame size of `skin` at `dpi`; (0, 0) without a skin.
Size skinFrameSize(const Skin* skin, int32_t dpi);
// Draws a frame of `skin` at the painter's resolution; nothing without a skin.
void drawSkin(UIPainter& painter, const Skin* skin, int32_t frame, const Rect& destination,
              uint32_t partMask = kAllSkinParts);
// The whole frame at its own (scaled) size, placed in `area` by `alignment`.
void drawSkinAligned(UIPainter& painter, const Skin* skin, int32_t frame, const Rect& area,
                     uint32_t alignment = 48);
// The frame index clamped to the frames the skin has (skins with fewer states
// than a widget reuse their first frame).
int32_t skinFrameIndex(const Skin* skin, int32_t wanted);

// A picture kept premultiplied, with its scaled copy for the last resolution.
class ScaledImage {
public:
    ScaledImage() = default;
    explicit ScaledImage(Image image);
    bool isEmpty() const { return source_.isEmpty(); }
    const Image& source() const { return source_; }
    // The picture at `dpi` (the source itself at 96).
    const Image& at(int32_t dpi) const;
    Size sizeAt(int32_t dpi) const;

private:
    Image source_;
    mutable Image scaled_;
    mutable int32_t scaledDpi_ = 0;
};

} // namespace fw
