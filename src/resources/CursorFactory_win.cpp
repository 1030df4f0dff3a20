#include "resources/CursorSet.h"

#include "platform/Handles_win.h"

#include <cstring>
#include <vector>

namespace fw {

namespace {

LPCWSTR systemCursorName(int32_t id) {
    switch (id) {
    case CursorCross:
        return IDC_CROSS;
    case CursorWait:
        return IDC_WAIT;
    case CursorIBeam:
        return IDC_IBEAM;
    case CursorSizeNorthSouth:
        return IDC_SIZENS;
    case CursorSizeWestEast:
        return IDC_SIZEWE;
    case CursorSizeNorthEastSouthWest:
        return IDC_SIZENESW;
    case CursorSizeNorthWestSouthEast:
        return IDC_SIZENWSE;
    case CursorSizeAll:
        return IDC_SIZEALL;
    default:
        return IDC_ARROW;
    }
}

// A top-down 32-bit DIB section holding the image's pixels (straight alpha, as
// icons and cursors expect).
BitmapHandle colourBitmap(const Image& image) {
    BITMAPINFO info = topDownBitmapInfo(image.width(), image.height());
    void* bits = nullptr;
    BitmapHandle bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) {
        return BitmapHandle();
    }
    auto* out = static_cast<uint8_t*>(bits);
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x, out += 4) {
            const uint8_t* in = image.pixel(x, y);
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            out[3] = image.hasAlpha() ? in[3] : 255;
        }
    }
    return bitmap;
}

// The AND mask: set where the image is fully transparent, for systems that
// ignore the alpha channel.
BitmapHandle maskBitmap(const Image& image) {
    const int32_t stride = ((image.width() + 15) / 16) * 2;
    std::vector<uint8_t> bits(static_cast<size_t>(stride) * static_cast<size_t>(image.height()), 0);
    for (int32_t y = 0; y < image.height() && image.hasAlpha(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y)[3] == 0) {
                bits[static_cast<size_t>(y * stride + x / 8)] |=
                    static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return BitmapHandle(::CreateBitmap(image.width(), image.height(), 1, 1, bits.data()));
}

// An icon or cursor from the image; the result keeps its own copies of both bitmaps.
HICON iconFromImage(const Image& image, BOOL isIcon, Point hotSpot) {
    if (image.isEmpty()) {
        return nullptr;
    }
    BitmapHandle colour = colourBitmap(image);
    BitmapHandle mask = maskBitmap(image);
    if (!colour || !mask) {
        return nullptr;
    }
    ICONINFO info{};
    info.fIcon = isIcon;
    info.xHotspot = static_cast<DWORD>(hotSpot.x < 0 ? 0 : hotSpot.x);
    info.yHotspot = static_cast<DWORD>(hotSpot.y < 0 ? 0 : hotSpot.y);
    info.hbmMask = mask.get();
    info.hbmColor = colour.get();
    return ::CreateIconIndirect(&info);
}

class WindowsCursors : public CursorFactory {
public:
    CursorHandle systemCursor(int32_t id) override {
        return ::LoadCursorW(nullptr, systemCursorName(id));
    }

    CursorHandle createCursor(const Image& image, Point hotSpot) override {
        return iconFromImage(image, FALSE, hotSpot);
    }

    void destroyCursor(CursorHandle cursor) override {
        ::DestroyCursor(static_cast<HCURSOR>(cursor));
    }
};

} // namespace

void* createPlatformIcon(const Image& image) {
    return iconFromImage(image, TRUE, Point{});
}

void destroyPlatformIcon(void* icon) {
    if (icon) {
        ::DestroyIcon(static_cast<HICON>(icon));
    }
}

CursorFactory& platformCursorFactory() {
    static WindowsCursors factory;
    return factory;
}

} // namespace fw
