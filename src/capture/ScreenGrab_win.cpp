// Screen grabs and the mouse cursor.
#include "capture/ImageOps.h"
#include "capture/ScreenCapture.h"
#include "capture/Screen_win.h"

#include "platform/Handles_win.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace fw::os {

namespace {

// Copies a bitmap that is not selected anywhere into 32-bit top-down rows.
bool readBits(HDC dc, HBITMAP bitmap, int32_t width, int32_t height, uint8_t* pixels) {
    BITMAPINFO info = topDownBitmapInfo(width, height);
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    return ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS) ==
           height;
}

// Width and height of a plain bitmap or DIB section; false for anything else.
bool bitmapSize(HBITMAP bitmap, int32_t& width, int32_t& height) {
    const int size = ::GetObjectW(bitmap, 0, nullptr);
    if (size != sizeof(BITMAP) && size != sizeof(DIBSECTION)) {
        return false;
    }
    BITMAP description{};
    if (::GetObjectW(bitmap, sizeof description, &description) != sizeof description) {
        return false;
    }
    width = description.bmWidth;
    height = description.bmHeight;
    return width >= 1 && height >= 1;
}

// Renders the cursor or icon over a solid background and reads the result.
bool renderCursor(HDC dc, HBITMAP bitmap, HCURSOR cursor, Size size, int stockBrush,
                  uint8_t* pixels) {
    {
        SelectedObject selected(dc, bitmap);
        RECT all{0, 0, size.width, size.height};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(stockBrush)));
        // Zero size draws the cursor at its own size, not the default icon size.
        if (!::DrawIconEx(dc, 0, 0, cursor, 0, 0, 0, nullptr, DI_NORMAL)) {
            return false;
        }
    }
    return readBits(dc, bitmap, size.width, size.height, pixels);
}

// The cursor or icon drawn at `size` with the transparency its drawing shows.
Image transparentRendering(HICON icon, Size size) {
    Image image(true, size.width, size.height);
    std::vector<uint8_t> overWhite(static_cast<size_t>(image.byteSize()));
    WindowDc screen(nullptr);
    MemoryDc memory(screen ? ::CreateCompatibleDC(screen.get()) : nullptr);
    BitmapHandle canvas(screen ? ::CreateCompatibleBitmap(screen.get(), size.width, size.height)
                               : nullptr);
    if (image.isEmpty() || !memory || !canvas ||
        !renderCursor(memory.get(), canvas.get(), icon, size, BLACK_BRUSH, image.pixels()) ||
        !renderCursor(memory.get(), canvas.get(), icon, size, WHITE_BRUSH, overWhite.data())) {
        return Image();
    }
    alphaFromTwoBackgrounds(size.height, image.pixels(), image.pixels(), overWhite.data(),
                            size.width, true);
    return image;
}

// The cursor of the window under the mouse, from that window's input thread.
HCURSOR cursorUnderMouse() {
    POINT point{};
    if (inputDesktopInaccessible() || !::GetCursorPos(&point)) {
        return nullptr;
    }
    HWND window = ::WindowFromPoint(point);
    if (!window || !::IsWindow(window)) {
        return nullptr;
    }
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    const DWORD self = ::GetCurrentThreadId();
    if (thread == self) {
        return ::GetCursor();
    }
    if (!::AttachThreadInput(self, thread, TRUE)) {
        return nullptr;
    }
    HCURSOR cursor = ::GetCursor();
    ::AttachThreadInput(self, thread, FALSE);
    return cursor;
}

// The standard cursors that get a shadow; the text cursor never does.
bool isShadowedSystemCursor(HCURSOR cursor) {
    static const LPCWSTR kShadowed[] = {IDC_ARROW,  IDC_CROSS,    IDC_WAIT,     IDC_SIZENS,
                                        IDC_SIZEWE, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEALL};
    for (LPCWSTR name : kShadowed) {
        if (cursor == ::LoadCursorW(nullptr, name)) {
            return true;
        }
    }
    return false;
}

bool systemDrawsCursorShadow() {
    BOOL shadow = FALSE;
    return ::SystemParametersInfoW(SPI_GETCURSORSHADOW, 0, &shadow, 0) && shadow == 1;
}

} // namespace

Image imageFromBitmap(HBITMAP bitmap) {
    int32_t width = 0;
    int32_t height = 0;
    if (!bitmap || !bitmapSize(bitmap, width, height)) {
        return Image();
    }
    Image image(true, width, height);
    WindowDc screen(nullptr);
    if (image.isEmpty() || !screen ||
        !readBits(screen.get(), bitmap, width, height, image.pixels())) {
        return Image();
    }
    return image;
}

Image grabScreenRect(const Rect& r, Image reuse) {
    if (r.isEmpty()) {
        return Image();
    }
    // Copied in strips of about 256 KB through one small DIB section: a single
    // copy of the whole screen needs a second screen-sized buffer (Wine also
    // keeps a third in its own heap for good) and took several times as long.
    constexpr int64_t kStripBytes = 256 * 1024;
    const auto rowBytes = static_cast<int64_t>(r.width) * 4;
    const auto stripRows =
        static_cast<int32_t>(std::clamp<int64_t>(kStripBytes / rowBytes, 1, r.height));
    const bool fits = reuse.shareCount() == 1 && reuse.hasAlpha() && reuse.width() == r.width &&
                      reuse.height() == r.height;
    if (!fits) {
        reuse = Image();
    }
    Image image = fits ? std::move(reuse) : Image(true, r.width, r.height);
    image.setPremultiplied(false);
    WindowDc screen(nullptr);
    MemoryDc memory(screen ? ::CreateCompatibleDC(screen.get()) : nullptr);
    const BITMAPINFO info = topDownBitmapInfo(r.width, stripRows);
    void* bits = nullptr;
    BitmapHandle strip(
        memory ? ::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0)
               : nullptr);
    if (image.isEmpty() || !strip || bits == nullptr) {
        return Image();
    }
    {
        SelectedObject selected(memory.get(), strip.get());
        for (int32_t y = 0; y < r.height; y += stripRows) {
            const int32_t rows = std::min(stripRows, r.height - y);
            if (!::BitBlt(memory.get(), 0, 0, r.width, rows, screen.get(), r.x, r.y + y,
                          SRCCOPY | CAPTUREBLT)) {
                return Image();
            }
            // The copy may still be queued: the bits are read directly.
            ::GdiFlush();
            std::memcpy(image.row(y), bits, static_cast<size_t>(rowBytes * rows));
        }
    }
    markMonitorCoverage(image, r.x, r.y, monitorRects(false));
    return image;
}

CursorImage imageFromCursor(HCURSOR cursor) {
    ICONINFO info{};
    if (!cursor || !::GetIconInfo(cursor, &info)) {
        return CursorImage{};
    }
    BitmapHandle colour(info.hbmColor);
    BitmapHandle mask(info.hbmMask);
    int32_t side = 0;
    int32_t height = 0;
    if (info.fIcon || !bitmapSize(colour ? colour.get() : mask.get(), side, height)) {
        return CursorImage{};
    }
    Image image = transparentRendering(cursor, Size{side, side});
    if (image.isEmpty()) {
        return CursorImage{};
    }
    return CursorImage{
        image, Point{static_cast<int32_t>(info.xHotspot), static_cast<int32_t>(info.yHotspot)},
        false};
}

Image imageFromIcon(HICON icon) {
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info)) {
        return Image();
    }
    BitmapHandle colour(info.hbmColor);
    BitmapHandle mask(info.hbmMask);
    Size size;
    if (!bitmapSize(colour ? colour.get() : mask.get(), size.width, size.height)) {
        return Image();
    }
    // A monochrome icon's mask holds the AND and the XOR halves one above the other.
    if (!colour) {
        size.height /= 2;
    }
    return size.height >= 1 ? transparentRendering(icon, size) : Image();
}

CursorImage currentCursor() {
    HCURSOR cursor = cursorUnderMouse();
    CursorImage result = imageFromCursor(cursor);
    result.wantsShadow =
        !result.image.isEmpty() && isShadowedSystemCursor(cursor) && systemDrawsCursorShadow();
    return result;
}

} // namespace fw::os
