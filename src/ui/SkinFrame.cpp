#include "ui/SkinFrame.h"

#include <algorithm>

namespace fw {

namespace {

struct Presence {
    bool left, right, top, bottom;
};

// Top and bottom edges and the centre take over the width of absent columns.
Rect widened(Rect r, const Rect& d, const SkinSlices& s, const Presence& has) {
    if (!has.left) {
        r.x = d.x;
        r.width = std::max(0, d.width - s.c2);
    }
    if (!has.right) {
        r.width += s.c2;
    }
    return r;
}

// The centre also takes over the height of absent rows.
Rect heightened(Rect r, const Rect& d, const SkinSlices& s, const Presence& has) {
    if (!has.top) {
        r.y = d.y;
        r.height = std::max(0, d.height - s.r2);
    }
    if (!has.bottom) {
        r.height += s.r2;
    }
    return r;
}

void drawParts(UIPainter& painter, const Skin& skin, const SkinFrame& frame, const Rect& d,
               uint32_t mask) {
    const Image& sheet = skin.sheet();
    const SkinSlices& s = skin.slices();
    const Presence has{(mask & (SkinPartTopLeft | SkinPartLeft | SkinPartBottomLeft)) != 0,
                       (mask & (SkinPartTopRight | SkinPartRight | SkinPartBottomRight)) != 0,
                       (mask & (SkinPartTopLeft | SkinPartTop | SkinPartTopRight)) != 0,
                       (mask & (SkinPartBottomRight | SkinPartBottom | SkinPartBottomLeft)) != 0};
    const int32_t right = d.x + d.width - s.c2;
    const int32_t bottom = d.y + d.height - s.r2;
    const int32_t middleWidth = d.width - s.c0 - s.c2;
    const int32_t middleHeight = d.height - s.r0 - s.r2;
    auto corner = [&](int index, Point at, int32_t width, int32_t height) {
        const Rect& part = frame.parts[index];
        painter.copyImage(sheet, {part.x, part.y}, at, width, height);
    };
    auto stretch = [&](int index, const Rect& to) {
        painter.drawImage(sheet, frame.parts[index], to);
    };

    if (mask & SkinPartTopLeft)
        corner(0, {d.x, d.y}, s.c0, s.r0);
    if (mask & SkinPartTop)
        stretch(1, widened({d.x + s.c0, d.y, middleWidth, s.r0}, d, s, has));
    if (mask & SkinPartTopRight)
        corner(2, {right, d.y}, s.c2, s.r0);
    if (mask & SkinPartRight)
        stretch(3, {right, d.y + s.r0, s.c2, middleHeight});
    if (mask & SkinPartBottomRight)
        corner(4, {right, bottom}, s.c2, s.r2);
    if (mask & SkinPartBottom)
        stretch(5, widened({d.x + s.c0, bottom, middleWidth, s.r2}, d, s, has));
    if (mask & SkinPartBottomLeft)
        corner(6, {d.x, bottom}, s.c0, s.r2);
    if (mask & SkinPartLeft)
        stretch(7, {d.x, d.y + s.r0, s.c0, middleHeight});
    if (mask & SkinPartCenter) {
        Rect centre = widened({d.x + s.c0, d.y + s.r0, middleWidth, middleHeight}, d, s, has);
        stretch(8, heightened(centre, d, s, has));
    }
}

} // namespace

void drawSkinFrame(UIPainter& painter, const Skin& skin, int32_t frameIndex, const Rect& d,
                   uint32_t partMask) {
    const SkinFrame* frame = skin.frame(frameIndex);
    if (!frame || d.width < 1 || d.height < 1) {
        return;
    }
    if (!skin.isSliced()) {
        painter.drawImage(skin.sheet(), frame->rect, d);
        return;
    }
    const int32_t w = skin.frameWidth();
    const int32_t h = skin.frameHeight();
    const SkinSlices& s = skin.slices();
    if (d.width < w - s.c1 + 1 || d.height < h - s.r1 + 1) {
        return;
    }
    if (d.width == w && d.height == h) {
        painter.copyImage(skin.sheet(), {frame->rect.x, frame->rect.y}, {d.x, d.y}, w, h);
        return;
    }
    drawParts(painter, skin, *frame, d, partMask);
}

void drawSkinFrameAt(UIPainter& painter, const Skin& skin, int32_t frameIndex, Point at) {
    drawSkinFrame(painter, skin, frameIndex, {at.x, at.y, skin.frameWidth(), skin.frameHeight()},
                  kAllSkinParts);
}

void drawSkinCenter(UIPainter& painter, const Skin& skin, int32_t frameIndex,
                    const Rect& destination) {
    const SkinFrame* frame = skin.frame(frameIndex);
    if (frame && !destination.isEmpty()) {
        painter.drawImage(skin.sheet(), frame->parts[8], destination);
    }
}

} // namespace fw
