#pragma once
// What the selection overlay needs from the capture pipeline and the system,
// and what it hands back: the user's choice or a cancel.
#include "capture/Image.h"
#include "overlay/WindowPicker.h"

#include <cstdint>
#include <vector>

namespace fw {

enum class OverlayMode : int32_t { Window = 2, Region = 3 };

// The user's choice when the overlay closes with one.
struct OverlayChoice {
    Rect region;               // region mode: frozen-screen coordinates
    WindowId window = nullptr; // window mode: the picked window or control
    Rect captureRect;          // window mode: screen coordinates
};

class OverlayHost {
public:
    virtual ~OverlayHost() = default;
    // The user chose a region or a window; the pipeline hides the overlay.
    virtual void overlayAccepted(const OverlayChoice& choice) = 0;
    virtual void overlayCancelled() = 0;
    // The wheel changed the magnifier's zoom setting (saved with the settings).
    virtual void zoomSettingChanged(int32_t setting) = 0;
    // The mouse cursor in screen coordinates, and moving it.
    virtual Point cursorPosition() = 0;
    virtual void moveCursor(Point screen) = 0;
    // The window under a screen point, never `excluded` (the overlay itself).
    virtual WindowPick pickWindow(Point screen, bool includeControls, WindowId excluded) = 0;
};

// One opening of the overlay: the frozen screen and what the user set.
struct OverlaySession {
    OverlayMode mode = OverlayMode::Region;
    Image frozen;               // the whole virtual screen
    Image dimmed;               // the same, darkened
    Rect screen;                // the virtual screen: where the overlay lies
    std::vector<Rect> monitors; // full monitor rectangles, screen coordinates
    bool includeControls = true;
    int32_t magnifierSizeSetting = 1;
    int32_t zoomSetting = 10;
};

} // namespace fw
