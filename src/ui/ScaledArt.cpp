#include "ui/ScaledArt.h"

#include "capture/ImageOps.h"
#include "ui/Resample.h"
#include "ui/SkinFrame.h"

#include <cmath>
#include <map>
#include <tuple>

namespace fw {

namespace {

struct SkinKey {
    const Skin* skin;
    const uint8_t* pixels;
    int32_t dpi;
    bool operator<(const SkinKey& o) const {
        return std::tie(skin, pixels, dpi) < std::tie(o.skin, o.pixels, o.dpi);
    }
};

Image scaledCopy(const Image& image, int32_t width, int32_t height) {
    Image scaled = resize(image, width, height, ResampleFilter::Bicubic);
    scaled.setPremultiplied(image.premultiplied());
    return scaled;
}

// Scales every frame on its own, so that neighbouring frames never bleed into
// each other.
Skin scaleSkin(const Skin& skin, int32_t dpi) {
    SkinDescription d;
    d.name = skin.name();
    d.count = skin.frameCount();
    d.frameWidth = std::max(1, scaleLength(skin.frameWidth(), dpi));
    d.frameHeight = std::max(1, scaleLength(skin.frameHeight(), dpi));
    if (skin.isSliced()) {
        const SkinSlices& s = skin.slices();
        d.slices.c0 = std::max(1, scaleLength(s.c0, dpi));
        d.slices.c2 = scaleLength(s.c2, dpi);
        d.slices.c1 = std::max(0, d.frameWidth - d.slices.c0 - d.slices.c2);
        d.slices.r0 = scaleLength(s.r0, dpi);
        d.slices.r2 = scaleLength(s.r2, dpi);
        d.slices.r1 = std::max(0, d.frameHeight - d.slices.r0 - d.slices.r2);
        d.frameWidth = d.slices.c0 + d.slices.c1 + d.slices.c2;
        d.frameHeight = d.slices.r0 + d.slices.r1 + d.slices.r2;
    }
    Image sheet(skin.sheet().hasAlpha(), d.frameWidth, d.frameHeight * std::max(1, d.count));
    sheet.setPremultiplied(skin.sheet().premultiplied());
    for (int32_t i = 0; i < skin.frameCount() && !sheet.isEmpty(); ++i) {
        const SkinFrame* frame = skin.frame(i);
        Image scaled = scaledCopy(crop(skin.sheet(), frame->rect), d.frameWidth, d.frameHeight);
        for (int32_t y = 0; y < scaled.height(); ++y) {
            std::copy(scaled.row(y), scaled.row(y) + scaled.stride(),
                      sheet.row(i * d.frameHeight + y));
        }
    }
    return Skin(d, sheet);
}

} // namespace

int32_t scaleLength(int32_t logical, int32_t dpi) {
    if (dpi == 96 || dpi <= 0) {
        return logical;
    }
    return static_cast<int32_t>(std::lround(static_cast<double>(logical) * dpi / 96.0));
}

const Skin& skinAtDpi(const Skin& skin, int32_t dpi) {
    if (dpi == 96 || dpi <= 0 || skin.frameCount() == 0) {
        return skin;
    }
    static std::map<SkinKey, Skin> cache;
    SkinKey key{&skin, skin.sheet().pixels(), dpi};
    auto found = cache.find(key);
    if (found == cache.end()) {
        found = cache.emplace(key, scaleSkin(skin, dpi)).first;
    }
    return found->second;
}

Size skinFrameSize(const Skin* skin, int32_t dpi) {
    if (!skin) {
        return Size{};
    }
    const Skin& scaled = skinAtDpi(*skin, dpi);
    return Size{scaled.frameWidth(), scaled.frameHeight()};
}

int32_t skinFrameIndex(const Skin* skin, int32_t wanted) {
    if (!skin || wanted < 0 || wanted >= skin->frameCount()) {
        return 0;
    }
    return wanted;
}

void drawSkin(UIPainter& painter, const Skin* skin, int32_t frame, const Rect& destination,
              uint32_t partMask) {
    if (skin) {
        drawSkinFrame(painter, skinAtDpi(*skin, painter.dpi()), skinFrameIndex(skin, frame),
                      destination, partMask);
    }
}

void drawSkinAligned(UIPainter& painter, const Skin* skin, int32_t frame, const Rect& area,
                     uint32_t alignment) {
    if (!skin) {
        return;
    }
    Size size = skinFrameSize(skin, painter.dpi());
    Rect at = alignedRect(area, size, alignment);
    drawSkin(painter, skin, frame, at);
}

ScaledImage::ScaledImage(Image image) : source_(std::move(image)) {
    if (!source_.isEmpty() && source_.hasAlpha() && !source_.premultiplied()) {
        source_ = source_.clone();
        premultiply(source_);
    }
}

const Image& ScaledImage::at(int32_t dpi) const {
    if (dpi == 96 || dpi <= 0 || source_.isEmpty()) {
        return source_;
    }
    if (scaledDpi_ != dpi) {
        scaled_ = scaledCopy(source_, std::max(1, scaleLength(source_.width(), dpi)),
                             std::max(1, scaleLength(source_.height(), dpi)));
        scaledDpi_ = dpi;
    }
    return scaled_;
}

Size ScaledImage::sizeAt(int32_t dpi) const {
    return Size{scaleLength(source_.width(), dpi), scaleLength(source_.height(), dpi)};
}

} // namespace fw
