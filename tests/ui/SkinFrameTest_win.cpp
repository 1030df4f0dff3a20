#include "ui/SkinFrame.h"

#include "platform/Handles_win.h"

#include <gtest/gtest.h>

#include <optional>

namespace fw {
namespace {

constexpr uint32_t kBackground = 0xFF101010;

// An offscreen 32-bit top-down bitmap selected into a memory device context.
class Canvas {
public:
    Canvas(int32_t width, int32_t height) : width_(width), dc_(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        selected_.emplace(dc_.get(), bitmap_.get());
        for (int32_t i = 0; i < width * height; ++i) {
            static_cast<uint32_t*>(bits_)[i] = kBackground;
        }
    }
    HDC dc() const { return dc_.get(); }
    uint32_t at(int32_t x, int32_t y) const {
        ::GdiFlush();
        return static_cast<const uint32_t*>(bits_)[y * width_ + x] | 0xFF000000;
    }

private:
    int32_t width_;
    MemoryDc dc_;
    BitmapHandle bitmap_;
    void* bits_ = nullptr;
    std::optional<SelectedObject> selected_;
};

// Colour of each part (index 0..8 in the order 1, 2, 4, ..., 256) of a frame.
uint32_t partColour(int frame, int part) {
    return 0xFF000000 | (40u * (part + 1)) << 8 | (frame ? 0xC0 : 0x40);
}

// The 4/12/4 by 3/6/3 skin with two frames, every part a solid colour.
Skin slicedSkin() {
    SkinDescription d;
    d.name = u"Sliced";
    d.count = 2;
    d.frameWidth = 20;
    d.frameHeight = 12;
    d.slices = {4, 12, 4, 3, 6, 3};
    Image sheet(true, 20, 24);
    for (int frame = 0; frame < 2; ++frame) {
        for (int part = 0; part < 9; ++part) {
            Rect r = skinPartRect(d.slices, 0, frame * 12, 1u << part);
            for (int32_t y = r.y; y < r.bottom(); ++y) {
                for (int32_t x = r.x; x < r.right(); ++x) {
                    *reinterpret_cast<uint32_t*>(sheet.pixel(x, y)) = partColour(frame, part);
                }
            }
        }
    }
    return Skin(d, sheet);
}

TEST(SkinFramePixelsTest, WholeFrameSizeTestAndMask) {
    Skin skin = slicedSkin();
    {
        Canvas canvas(40, 20);
        UIPainter painter(canvas.dc(), 0);
        drawSkinFrame(painter, skin, 1, {2, 3, 20, 12}, SkinPartTop); // own size: copied whole
        EXPECT_EQ(canvas.at(2, 3), partColour(1, 0));
        EXPECT_EQ(canvas.at(21, 14), partColour(1, 4));
        EXPECT_EQ(canvas.at(10, 8), partColour(1, 8));
        EXPECT_EQ(canvas.at(22, 3), kBackground);
    }
    {
        Canvas canvas(20, 40);
        UIPainter painter(canvas.dc(), 0);
        drawSkinFrame(painter, skin, 0, {0, 0, 8, 40}, kAllSkinParts);
        for (int32_t y = 0; y < 40; y += 3) {
            EXPECT_EQ(canvas.at(0, y), kBackground);
        }
        drawSkinFrame(painter, skin, 0, {0, 0, 9, 40}, kAllSkinParts);
        EXPECT_EQ(canvas.at(3, 0), partColour(0, 0));
        EXPECT_EQ(canvas.at(4, 1), partColour(0, 1)); // one-pixel top edge
        EXPECT_EQ(canvas.at(5, 1), partColour(0, 2));
        EXPECT_EQ(canvas.at(4, 20), partColour(0, 8));
        EXPECT_EQ(canvas.at(4, 38), partColour(0, 5));
        EXPECT_EQ(canvas.at(8, 39), partColour(0, 4));
        EXPECT_EQ(canvas.at(9, 20), kBackground);
    }
}

TEST(SkinFramePixelsTest, AbsentColumnsWidenAndCentreFills) {
    Skin skin = slicedSkin();
    Canvas canvas(110, 60);
    UIPainter painter(canvas.dc(), 0);
    drawSkinFrame(painter, skin, 0, {5, 5, 100, 50}, SkinPartTop | SkinPartBottom | SkinPartCenter);
    // Wine's GDI+ leaves the first column of a strong enlargement transparent,
    // so the columns checked start one pixel in.
    for (int32_t x : {6, 50, 104}) {
        EXPECT_EQ(canvas.at(x, 5), partColour(0, 1)) << x;
        EXPECT_EQ(canvas.at(x, 7), partColour(0, 1)) << x;
        EXPECT_EQ(canvas.at(x, 8), partColour(0, 8)) << x;
        EXPECT_EQ(canvas.at(x, 51), partColour(0, 8)) << x;
        EXPECT_EQ(canvas.at(x, 52), partColour(0, 5)) << x;
        EXPECT_EQ(canvas.at(x, 54), partColour(0, 5)) << x;
        EXPECT_EQ(canvas.at(x, 55), kBackground) << x;
    }
    EXPECT_EQ(canvas.at(4, 20), kBackground);
    EXPECT_EQ(canvas.at(105, 20), kBackground);

    Canvas centre(40, 30);
    UIPainter centrePainter(centre.dc(), 0);
    drawSkinFrame(centrePainter, skin, 1, {0, 0, 30, 20}, SkinPartCenter);
    EXPECT_EQ(centre.at(0, 0), partColour(1, 8));
    EXPECT_EQ(centre.at(29, 19), partColour(1, 8));
    EXPECT_EQ(centre.at(30, 19), kBackground);
}

TEST(SkinFramePixelsTest, UnslicedSkinShrinksAndBlendingComposes) {
    SkinDescription d;
    d.name = u"Plain";
    d.count = 1;
    d.frameWidth = 20;
    d.frameHeight = 10;
    Image sheet(true, 20, 10);
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            // Left half opaque blue, right half half-transparent white, premultiplied.
            *reinterpret_cast<uint32_t*>(sheet.pixel(x, y)) = x < 10 ? 0xFF0000FF : 0x80808080;
        }
    }
    sheet.setPremultiplied(true);
    Skin skin(d, sheet);
    Canvas canvas(20, 10);
    UIPainter painter(canvas.dc(), RenderHintBlending);
    drawSkinFrame(painter, skin, 0, {1, 1, 10, 5}, kAllSkinParts);
    EXPECT_EQ(canvas.at(1, 1), 0xFF0000FFu);
    uint32_t blended = canvas.at(10, 5);
    EXPECT_NEAR(static_cast<int>(blended & 0xFF), 0x80 + 0x10 / 2,
                3); // white at half over dark grey
    EXPECT_EQ(canvas.at(11, 5), kBackground);
    EXPECT_EQ(canvas.at(10, 6), kBackground);
}

} // namespace
} // namespace fw
