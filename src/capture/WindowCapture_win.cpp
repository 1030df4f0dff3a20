#include "capture/WindowCapture_win.h"

#include "capture/BackdropWindow_win.h"
#include "capture/Composition_win.h"
#include "capture/ImageOps.h"
#include "capture/Screen_win.h"
#include "platform/Handles_win.h"

namespace fw::os {

namespace {

constexpr POINT kCursorParking{10000, -10000};

// A compatible bitmap that receives copies of one screen rectangle.
class ScreenCopier {
public:
    explicit ScreenCopier(const Rect& r)
        : rect_(r), screen_(nullptr),
          memory_(screen_ ? ::CreateCompatibleDC(screen_.get()) : nullptr),
          bitmap_(screen_ ? ::CreateCompatibleBitmap(screen_.get(), r.width, r.height) : nullptr) {}

    bool ready() const { return memory_ && bitmap_; }

    // The rectangle as the screen shows it now, layered windows included.
    Image copy() {
        {
            SelectedObject selected(memory_.get(), bitmap_.get());
            if (!::BitBlt(memory_.get(), 0, 0, rect_.width, rect_.height, screen_.get(), rect_.x,
                          rect_.y, SRCCOPY | CAPTUREBLT)) {
                return Image();
            }
        }
        return imageFromBitmap(bitmap_.get());
    }

private:
    Rect rect_;
    WindowDc screen_;
    MemoryDc memory_;
    BitmapHandle bitmap_;
};

// The rectangle over a backdrop of `colour` kept behind the target.
Image copyOverBackdrop(ScreenCopier& copier, HWND root, const Rect& area, COLORREF colour,
                       int32_t settleMs) {
    BackdropWindow backdrop(root, area, colour);
    if (!backdrop.isShown()) {
        return Image();
    }
    ::Sleep(static_cast<DWORD>(settleMs));
    return copier.copy();
}

void makeOpaque(Image& image) {
    for (int32_t y = 0; y < image.height(); ++y) {
        uint8_t* pixel = image.row(y);
        for (int32_t x = 0; x < image.width(); ++x, pixel += 4) {
            pixel[3] = 255;
        }
    }
}

bool sameSize(const Image& a, const Image& b) {
    return !a.isEmpty() && !b.isEmpty() && a.width() == b.width() && a.height() == b.height();
}

} // namespace

Image captureWindow(const WindowLayout& layout, WindowId window, const Rect& r,
                    const WindowCaptureOptions& options) {
    HWND target = static_cast<HWND>(window);
    if (!target || !::IsWindow(target) || r.isEmpty()) {
        return Image();
    }
    const bool layered = (::GetWindowLongW(target, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    const bool composition = compositionEnabled();
    const HWND root = window == layout.desktop() ? target : ::GetAncestor(target, GA_ROOT);
    // The desktop itself has nothing behind it to put a backdrop in.
    const bool transparency = options.saveTransparency && root != layout.iconWindow() &&
                              root != layout.desktop() && root != nullptr;

    POINT kept{};
    const bool hasCursor = ::GetCursorPos(&kept) != 0;
    ::SetCursorPos(kCursorParking.x, kCursorParking.y);
    ::Sleep(static_cast<DWORD>(options.cursorSettleMs));

    ScreenCopier copier(r);
    Image plain = copier.ready() ? copier.copy() : Image();
    Image overBlack;
    Image overWhite;
    if (transparency && !plain.isEmpty()) {
        const Rect area = layout.windowRect(window);
        overBlack = copyOverBackdrop(copier, root, area, RGB(0, 0, 0), options.backdropSettleMs);
        overWhite =
            copyOverBackdrop(copier, root, area, RGB(255, 255, 255), options.backdropSettleMs);
    }
    if (hasCursor) {
        ::SetCursorPos(kept.x, kept.y);
    }
    if (plain.isEmpty()) {
        return Image();
    }
    if (sameSize(plain, overBlack) && sameSize(plain, overWhite)) {
        alphaFromTwoBackgrounds(plain.height(), overBlack.pixels(), plain.pixels(),
                                overWhite.pixels(), plain.width(), composition || layered);
    } else {
        makeOpaque(plain);
    }
    return plain;
}

} // namespace fw::os
