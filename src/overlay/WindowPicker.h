#pragma once
// Picking a window under the mouse for window mode: the window or control,
// its rectangle, the part of the screen its capture takes and its top-level
// window's icon, scaled to 32 x 32.
#include "capture/Image.h"
#include "capture/WindowRules.h"

#include <functional>

namespace fw {

struct WindowPick {
    WindowId window = nullptr; // null when nothing is picked
    Rect windowRect;           // screen coordinates
    Rect captureRect;          // screen coordinates
    Image icon;                // 32 x 32 (straight alpha); empty without one
};

// The icon of a top-level window at whatever size the window gives it.
using WindowIconSource = std::function<Image(WindowId)>;

// The icon as the info box shows it: scaled to 32 x 32 (Catmull-Rom) unless
// one of its sides is 32 already.
Image normalizedWindowIcon(const Image& icon);

class WindowPicker {
public:
    WindowPicker(const WindowLayout& layout, WindowIconSource iconSource);

    // The window under `screen`, excluding `excluded` (the overlay). The icon
    // is asked for only when the top-level window changes: asking a hung
    // window costs up to a second.
    WindowPick pick(Point screen, bool includeControls, WindowId excluded);
    // Forgets the remembered icon (a window may have changed it since).
    void reset();

private:
    const WindowLayout& layout_;
    WindowIconSource iconSource_;
    WindowId iconOwner_ = nullptr;
    Image icon_;
};

} // namespace fw
