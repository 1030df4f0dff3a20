#include "ui/NativeWindow.h"

#include "platform/KnownFolders.h"
#include "ui/UIMessageBox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fw {
namespace {

TEST(NativeWindowRulesTest, ClassNamesCarryTheCrcOfThePathAndACounter) {
    EXPECT_EQ(crc32OfText(u"C:\\Program Files\\Framewing\\Framewing.exe"), 319970073u);
    EXPECT_EQ(crc32OfText(u"a"), 1027557401u);
    EXPECT_EQ(nativeClassNameBase(u"C:\\Program Files\\Framewing\\Framewing.exe"),
              u"UUI___319970073");
    const WideString base = nativeClassNameBase(os::executablePath());
    WideString first = nextNativeClassName();
    WideString second = nextNativeClassName();
    ASSERT_TRUE(startsWith(first, base));
    ASSERT_TRUE(startsWith(second, base));
    const unsigned long counter = std::stoul(toUtf8(WideStringView(first).substr(base.size())));
    EXPECT_EQ(second, base + toWideUnsigned(counter + 1));
}

TEST(NativeWindowRulesTest, StylesFollowTheFlags) {
    // Top-level, system menu only: caption, system menu, clip children and siblings.
    NativeWindowStyles plain = nativeWindowStyles(0x100, true, false);
    EXPECT_EQ(plain.style, 0x00C00000u | 0x00080000u | 0x06000000u);
    EXPECT_EQ(plain.exStyle, 0u);
    EXPECT_EQ(plain.classStyle, 0x20u);
    // Popup: no caption.
    NativeWindowStyles popup = nativeWindowStyles(0x300, true, false);
    EXPECT_EQ(popup.style, 0x80000000u | 0x00080000u | 0x06000000u);
    // Owned top-level window: an owned popup with its caption.
    NativeWindowStyles owned = nativeWindowStyles(0x100, true, true);
    EXPECT_EQ(owned.style & 0x80000000u, 0x80000000u);
    EXPECT_EQ(owned.style & 0x00C00000u, 0x00C00000u);
    // Every other flag, and the drop shadow as a class style.
    NativeWindowStyles all = nativeWindowStyles(0x1F1, true, false);
    EXPECT_EQ(all.style & 0x00070000u, 0x00070000u); // frame, minimize and maximize boxes
    EXPECT_EQ(all.exStyle, 0x8u);
    EXPECT_EQ(all.classStyle, 0x20020u);
    // A child with a parent.
    EXPECT_EQ(nativeWindowStyles(0x100, false, true).style, 0x46000000u);
    EXPECT_EQ(nativeWindowStyles(0x100, false, false).style, 0x06000000u);
}

TEST(NativeWindowRulesTest, OpacityIsClampedAndTurnedIntoConstantAlpha) {
    EXPECT_FLOAT_EQ(clampOpacity(1.5f), 1.0f);
    EXPECT_FLOAT_EQ(clampOpacity(-0.5f), 0.0f);
    EXPECT_FLOAT_EQ(clampOpacity(std::numeric_limits<float>::quiet_NaN()), 0.0f);
    EXPECT_EQ(opacityAlpha(0.5f), 127);
    EXPECT_EQ(opacityAlpha(1.0f), 255);
    EXPECT_EQ(opacityAlpha(0.0f), 0);
}

TEST(NativeWindowRulesTest, MessageBoxButtonsInTheirFixedOrder) {
    EXPECT_EQ(messageBoxButtons(0x1 | 0x8), (std::vector<uint32_t>{0x1, 0x8}));
    EXPECT_EQ(messageBoxButtons(0x1000 | 0x400), (std::vector<uint32_t>{0x400, 0x1000}));
    EXPECT_EQ(messageBoxButtons(0x800 | 0x400), (std::vector<uint32_t>{0x400, 0x800}));
    EXPECT_EQ(messageBoxButtons(0x1FFFF).size(), 17u);
    EXPECT_EQ(messageBoxButtonText(0x20), u"Applay");
    EXPECT_EQ(messageBoxEscapeButton(0x400 | 0x1000), 0x1000u);
    EXPECT_EQ(messageBoxEscapeButton(0x1), 0x1u);
    EXPECT_EQ(messageBoxEscapeButton(0x400 | 0x800), 0u);
}

} // namespace
} // namespace fw
