#include "resources/CursorSet.h"
#include "resources/DataPack.h"
#include "resources/PackImages.h"
#include "resources/StyleResources.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

// The runnable folder of this build, as Wine sees it.
WideString distFolder() {
    std::string path = std::string("Z:") + FW_BINARY_DIR + "/dist";
    return replaceAll(fromUtf8(path), u"/", u"\\");
}

TEST(RealPacksTest, DefaultStyleDecodesCompletely) {
    ASSERT_TRUE(loadStyleResources(u"default", distFolder(), decodePng));
    const StyleResources& style = *currentStyleResources();
    EXPECT_EQ(style.metric(MetricId::SmallIconSize), 16);
    for (int32_t i = 0; i < kStandardImageCount; ++i) {
        EXPECT_FALSE(style.standardImage(static_cast<StandardImage>(i)).isEmpty()) << i;
    }
    const Skin* button = style.skin(u"UIButton_Background");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->frameCount(), 4);
    EXPECT_TRUE(button->isSliced());
    EXPECT_TRUE(button->sheet().premultiplied());
    // The middle of the normal frame is the opaque button face.
    const uint8_t* face = button->sheet().pixel(12, 12);
    EXPECT_EQ(face[3], 255);
    EXPECT_EQ(face[0], 0x3C);
    EXPECT_NE(style.findModel(u"CounterFormats"), nullptr);
}

TEST(RealPacksTest, CursorsIconsAndImagesFromTheDataPack) {
    ASSERT_TRUE(dataPacks().mount(u"data", distFolder()));
    CursorHandle hand = cursor(CursorHand);
    EXPECT_NE(hand, nullptr);
    EXPECT_NE(hand, cursor(CursorArrow));
    EXPECT_NE(cursor(CursorSplitTopBottom), nullptr);
    EXPECT_NE(cursor(CursorEmpty), nullptr);
    EXPECT_EQ(windowIcons().small.width(), 16);
    EXPECT_EQ(windowIcons().big.width(), 32);
    Image capture = loadPackImage(u"capture_button");
    ASSERT_EQ(capture.width(), 48);
    EXPECT_EQ(capture.pixel(24, 40)[3], 255);
    EXPECT_EQ(capture.pixel(0, 0)[3], 0);
    EXPECT_TRUE(loadPackImage(u"no_such_image").isEmpty());
}

} // namespace
} // namespace fw
