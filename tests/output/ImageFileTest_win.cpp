#include "output/ImageFile.h"
#include "output/ScreenshotFiles.h"
#include "platform/Files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace fw {
namespace {

// A pattern with every channel value different, so that swapped channels,
// flipped rows or a lost row padding show up.
Image pattern(bool alpha, int32_t width, int32_t height, bool opaque) {
    Image image(alpha, width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<uint8_t>(x * 37 + y);
            p[1] = static_cast<uint8_t>(y * 53 + 7);
            p[2] = static_cast<uint8_t>(x * y + 90);
            if (alpha) {
                p[3] = opaque ? 255 : static_cast<uint8_t>((x + y) * 40);
            }
        }
    }
    return image;
}

// The largest difference of any colour channel; 256 when the sizes differ.
int colourDistance(const Image& a, const Image& b) {
    if (a.width() != b.width() || a.height() != b.height()) {
        return 256;
    }
    int worst = 0;
    for (int32_t y = 0; y < a.height(); ++y) {
        for (int32_t x = 0; x < a.width(); ++x) {
            for (int c = 0; c < 3; ++c) {
                worst = std::max(worst, std::abs(a.pixel(x, y)[c] - b.pixel(x, y)[c]));
            }
        }
    }
    return worst;
}

class ImageFileTest : public ::testing::Test {
protected:
    WideString path(const char16_t* name) const { return joinPath(folder_, name); }
    Bytes bytesOf(const char16_t* name) const {
        Bytes bytes;
        EXPECT_TRUE(os::readFile(path(name), bytes));
        return bytes;
    }

    TempFolder temp_{"output_image_files"};
    WideString folder_ = temp_.path();
};

TEST_F(ImageFileTest, RoundTripsKeepPixels) {
    Image opaque = pattern(true, 7, 5, true);
    for (const char16_t* name : {u"shot.png", u"shot.bmp", u"shot.tif", u"shot.PNG"}) {
        ASSERT_TRUE(saveImage(path(name), opaque)) << toUtf8(name);
        Image loaded = loadImage(path(name));
        EXPECT_EQ(colourDistance(loaded, opaque), 0) << toUtf8(name);
    }
    // JPEG loses a little; a photo-like gradient stays close. (Wine's encoder
    // ignores the quality parameter, so this bound is looser than Windows needs.)
    Image gradient(false, 64, 48);
    for (int32_t y = 0; y < 48; ++y) {
        for (int32_t x = 0; x < 64; ++x) {
            uint8_t* p = gradient.pixel(x, y);
            p[0] = static_cast<uint8_t>(x * 4);
            p[1] = static_cast<uint8_t>(y * 5);
            p[2] = static_cast<uint8_t>(200 - x - y);
        }
    }
    ASSERT_TRUE(saveImage(path(u"shot.jpeg"), gradient));
    Image jpeg = loadImage(path(u"shot.jpeg"));
    EXPECT_FALSE(jpeg.hasAlpha());
    EXPECT_LE(colourDistance(jpeg, gradient), 8);

    Image transparent = pattern(true, 6, 4, false);
    ASSERT_TRUE(saveImage(path(u"window.png"), transparent));
    Image loaded = loadImage(path(u"window.png"));
    ASSERT_TRUE(loaded.hasAlpha());
    for (int32_t y = 0; y < 4; ++y) {
        for (int32_t x = 0; x < 6; ++x) {
            ASSERT_EQ(loaded.pixel(x, y)[3], transparent.pixel(x, y)[3]);
            if (transparent.pixel(x, y)[3] == 255) {
                ASSERT_EQ(loaded.pixel(x, y)[1], transparent.pixel(x, y)[1]);
            }
        }
    }

    Bytes png = bytesOf(u"window.png");
    Image fromMemory = loadImageFromMemory(png.data(), png.size());
    EXPECT_EQ(fromMemory.width(), 6);
    EXPECT_TRUE(loadImageFromMemory(png.data(), png.size() / 2).isEmpty());
    EXPECT_TRUE(loadImage(path(u"missing.png")).isEmpty());
}

TEST_F(ImageFileTest, BitDepthsOnDisk) {
    // BMP: bits per pixel at offset 28. PNG: colour type at offset 25 (2 RGB, 6 RGBA).
    ASSERT_TRUE(saveImage(path(u"opaque.bmp"), pattern(true, 3, 3, true)));
    EXPECT_EQ(bytesOf(u"opaque.bmp")[28], 24);
    ASSERT_TRUE(saveImage(path(u"rgb.bmp"), pattern(false, 3, 3, true)));
    EXPECT_EQ(bytesOf(u"rgb.bmp")[28], 24);
    ASSERT_TRUE(saveImage(path(u"opaque.png"), pattern(true, 3, 3, true)));
    EXPECT_EQ(bytesOf(u"opaque.png")[25], 2);
    ASSERT_TRUE(saveImage(path(u"alpha.png"), pattern(true, 3, 3, false)));
    EXPECT_EQ(bytesOf(u"alpha.png")[25], 6);
    ASSERT_TRUE(saveImage(path(u"q.jpg"), pattern(true, 3, 3, true)));
    EXPECT_EQ(bytesOf(u"q.jpg")[0], 0xFF);
    EXPECT_EQ(bytesOf(u"q.jpg")[1], 0xD8);
}

TEST_F(ImageFileTest, WritesFailWithoutLeavingFiles) {
    Image image = pattern(false, 2, 2, true);
    EXPECT_FALSE(saveImage(path(u"shot.xyz"), image));
    EXPECT_FALSE(saveImage(path(u"shot"), image));
    EXPECT_FALSE(saveImage(path(u"shot.png"), Image()));
    EXPECT_FALSE(saveImage(joinPath(path(u"no-folder"), u"shot.png"), image));
    EXPECT_TRUE(os::listFiles(folder_).empty());

    // "Save screenshot" as shot.png with the BMP filter writes a BMP named shot.png.bmp.
    WideString target = saveAsTarget(path(u"shot.png"), kFormatBmp);
    ASSERT_TRUE(saveImage(target, image));
    EXPECT_EQ(os::listFiles(folder_), std::vector<WideString>{u"shot.png.bmp"});
    EXPECT_EQ(bytesOf(u"shot.png.bmp")[0], 'B');
}

} // namespace
} // namespace fw
