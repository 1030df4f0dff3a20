#pragma once
// The capture of a picked window or control: its rectangle copied from the
// live screen, and with transparency copied twice more over a black and a
// white backdrop placed directly behind it, from which each pixel's alpha is
// worked out.
#include "capture/Image.h"
#include "capture/WindowRules.h"

#include <cstdint>

namespace fw::os {

struct WindowCaptureOptions {
    bool saveTransparency = true;
    // How long each backdrop settles before its copy (the capture delay).
    int32_t backdropSettleMs = 200;
    // The pause after the cursor is moved away, so that hover effects fade.
    int32_t cursorSettleMs = 200;
};

// The pixels of `r` (screen coordinates) showing `window`; empty when the
// window is gone or `r` is empty. Blocks for the settling waits.
Image captureWindow(const WindowLayout& layout, WindowId window, const Rect& r,
                    const WindowCaptureOptions& options);

} // namespace fw::os
