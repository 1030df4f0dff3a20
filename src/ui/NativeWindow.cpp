#include "ui/NativeWindow.h"

#include "platform/KnownFolders.h"

#include <cmath>

namespace fw {

namespace {

// Window and class styles as the platform numbers them.
constexpr uint32_t kClassOwnDc = 0x20;
constexpr uint32_t kClassDropShadow = 0x20000;
constexpr uint32_t kStyleClipSiblings = 0x04000000;
constexpr uint32_t kStyleClipChildren = 0x02000000;
constexpr uint32_t kStylePopup = 0x80000000;
constexpr uint32_t kStyleChild = 0x40000000;
constexpr uint32_t kStyleCaption = 0x00C00000;
constexpr uint32_t kStyleSizeFrame = 0x00040000;
constexpr uint32_t kStyleMinimizeBox = 0x00020000;
constexpr uint32_t kStyleMaximizeBox = 0x00010000;
constexpr uint32_t kStyleSystemMenu = 0x00080000;
constexpr uint32_t kExStyleTopmost = 0x8;

uint32_t nativeWindowCounter = 0;

} // namespace

NativeWindowStyles nativeWindowStyles(uint32_t flags, bool topLevel, bool hasParent) {
    NativeWindowStyles styles;
    styles.classStyle = kClassOwnDc | ((flags & WindowDropShadow) ? kClassDropShadow : 0);
    styles.style = kStyleClipChildren | kStyleClipSiblings;
    const bool popup = (flags & WindowPopup) != 0;
    if (popup) {
        styles.style |= kStylePopup;
    }
    if (!topLevel) {
        if (hasParent) {
            styles.style |= kStyleChild;
        }
        return styles;
    }
    if (!popup) {
        styles.style |= kStyleCaption;
    }
    if (flags & WindowSizable) {
        styles.style |= kStyleSizeFrame;
    }
    if (hasParent) {
        styles.style |= kStylePopup;
    }
    if (flags & WindowMinimizeBox) {
        styles.style |= kStyleMinimizeBox;
    }
    if (flags & WindowMaximizeBox) {
        styles.style |= kStyleMaximizeBox;
    }
    if (flags & WindowSystemMenu) {
        styles.style |= kStyleSystemMenu;
    }
    if (flags & WindowTopmost) {
        styles.exStyle |= kExStyleTopmost;
    }
    return styles;
}

uint32_t crc32OfText(WideStringView text) {
    uint32_t crc = 0xFFFFFFFFu;
    auto feed = [&crc](uint8_t byte) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    };
    for (char16_t unit : text) {
        feed(static_cast<uint8_t>(unit & 0xFF));
        feed(static_cast<uint8_t>(unit >> 8));
    }
    return ~crc;
}

WideString nativeClassNameBase(WideStringView executablePath) {
    return u"UUI___" + toWideUnsigned(crc32OfText(executablePath));
}

WideString nextNativeClassName() {
    static const WideString base = nativeClassNameBase(os::executablePath());
    return base + toWideUnsigned(nativeWindowCounter++);
}

float clampOpacity(float value) {
    if (std::isnan(value) || value < 0.0f) {
        return 0.0f;
    }
    return value > 1.0f ? 1.0f : value;
}

uint8_t opacityAlpha(float opacity) {
    return static_cast<uint8_t>(static_cast<int32_t>(clampOpacity(opacity) * 100.0f * 255.0f) /
                                100);
}

} // namespace fw
