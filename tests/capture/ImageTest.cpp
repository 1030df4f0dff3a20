#include "capture/Image.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(ImageTest, RowsOf24BitImagesArePaddedAndUnusableSizesGiveTheEmptyImage) {
    Image rgb(false, 5, 3);
    EXPECT_EQ(rgb.stride(), 16);
    EXPECT_EQ(rgb.byteSize(), 48);
    EXPECT_EQ(Image(true, 5, 3).byteSize(), 60);

    EXPECT_TRUE(Image(true, 0, 10).isEmpty());
    EXPECT_TRUE(Image(true, 10, -1).isEmpty());
    // The byte size would not fit the 32-bit size fields.
    const Image huge(false, 70000, 70000);
    EXPECT_TRUE(huge.isEmpty());
    EXPECT_EQ(huge.byteSize(), 0);
    EXPECT_TRUE(Image(true, 40000, 40000).isEmpty());
}

TEST(ImageTest, CopiesShareTheBufferAndClonesDoNot) {
    Image a(true, 2, 2);
    {
        Image b = a;
        EXPECT_EQ(a.shareCount(), 2);
        b.pixel(1, 1)[0] = 7;
        EXPECT_EQ(a.pixel(1, 1)[0], 7);
        Image c;
        c = b;
        EXPECT_EQ(a.shareCount(), 3);
    }
    EXPECT_EQ(a.shareCount(), 1);

    a.setPremultiplied(true);
    Image clone = a.clone();
    EXPECT_EQ(clone.shareCount(), 1);
    EXPECT_TRUE(clone.premultiplied());
    clone.pixel(1, 1)[0] = 9;
    EXPECT_EQ(a.pixel(1, 1)[0], 7);

    Image moved = std::move(clone);
    EXPECT_TRUE(clone.isEmpty());
    EXPECT_EQ(moved.pixel(1, 1)[0], 9);
}

TEST(ImageTest, CropTakesOnlyRectanglesInsideTheImage) {
    Image image(false, 4, 3);
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 4; ++x) {
            image.pixel(x, y)[0] = static_cast<uint8_t>(10 * y + x);
        }
    }
    image.setPremultiplied(true);

    Image part = crop(image, Rect{1, 1, 3, 2});
    ASSERT_EQ(part.width(), 3);
    ASSERT_EQ(part.height(), 2);
    EXPECT_FALSE(part.hasAlpha());
    EXPECT_TRUE(part.premultiplied());
    EXPECT_EQ(part.pixel(0, 0)[0], 11);
    EXPECT_EQ(part.pixel(2, 1)[0], 23);

    Image whole = crop(image, Rect{0, 0, 4, 3});
    EXPECT_EQ(whole.shareCount(), 1);
    EXPECT_NE(whole.pixels(), image.pixels());
    EXPECT_EQ(whole.pixel(3, 2)[0], 23);

    for (const Rect& outside :
         {Rect{-1, 0, 2, 2}, Rect{3, 0, 2, 1}, Rect{0, 2, 1, 2}, Rect{1, 1, 0, 1}, Rect{0, 0, 4, 0},
          Rect{INT32_MAX, 0, 1, 1}, Rect{1, 1, INT32_MAX, 1}}) {
        EXPECT_TRUE(crop(image, outside).isEmpty());
    }
    EXPECT_TRUE(crop(Image(), Rect{0, 0, 1, 1}).isEmpty());
}

} // namespace
} // namespace fw
