#pragma once
// The screen side of a capture: the frozen screen the overlays paint over, the
// full-screen result, the mouse cursor and the step that stores a result with
// the cursor drawn in. The capture controller owns a CaptureState and calls
// these on the user-interface thread.
#include "capture/CaptureMode.h"
#include "capture/Image.h"
#include "platform/Rect.h"

#include <vector>

namespace fw {

struct CaptureState {
    CaptureMode mode = CaptureMode::Unknown;
    Rect virtualScreen;
    Image frozenScreen; // the whole virtual screen
    Image dimmedScreen; // clone of frozenScreen darkened for the overlay background
    Image cursorImage;  // empty when the cursor is not captured
    Rect cursorRect;    // screen rectangle of cursorImage
    Image resultImage;
    Rect resultRect;
    bool useWorkArea = false;   // full screen takes the work area of a single monitor
    bool includeCursor = false; // the cursor is drawn into results
};

// The screen the operations below read: the system's unless a test replaces it.
class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    virtual Rect virtualScreen();
    virtual int32_t monitorCount();
    virtual Rect primaryWorkArea();
    // As os::grabScreenRect.
    virtual Image grabScreenRect(const Rect& r, Image reuse);
};

// Start of a capture: the current virtual screen, no cursor.
void resetScreenState(CaptureState& state, ScreenSource& screen);

// The dimmed copy is the selection overlay's background: a capture that shows
// no overlay does without it.
enum class Freeze { ForOverlay, ForResult };

// Grabs the virtual screen into frozenScreen (and, for the overlay, its dimmed
// copy into dimmedScreen) and sets virtualScreen to the rectangle grabbed.
void freezeScreen(CaptureState& state, ScreenSource& screen, Freeze use);

// With includeCursor set, takes the cursor image (with shadow where the system
// draws one) and its screen rectangle; clears both otherwise or on failure.
void captureCursor(CaptureState& state);

// The full-screen result from the frozen screen: the primary work area when
// useWorkArea is set and there is exactly one monitor, else the whole frozen
// screen. Call freezeScreen first.
void fullScreenResult(CaptureState& state, ScreenSource& screen);

// Stores `image` taken from `r` as the result and draws the captured cursor
// into it (into its buffer, shared with any copies) where the two overlap on
// screen. `r` is in screen coordinates for window captures and in frozen-screen
// coordinates for all other modes.
void storeResult(CaptureState& state, const Rect& r, const Image& image);

// Sets alpha 255 where one of `monitors` covers a grab of the screen taken at
// (x, y) and 0 elsewhere. With no usable monitor the grab is taken as opaque.
void markMonitorCoverage(Image& grab, int32_t x, int32_t y, const std::vector<Rect>& monitors);

// The cursor with a soft drop shadow below and right of it: 10 pixels larger
// both ways, the cursor itself stays at (0, 0).
Image shadowedCursor(const Image& cursor);

// True when some pixel is not fully transparent (always for images without alpha).
bool hasVisiblePixel(const Image& image);

} // namespace fw
