#pragma once
// The screen as the operating system shows it: monitors, the mouse cursor and
// grabs of screen rectangles. Rectangles are in screen coordinates; the virtual
// screen may start at negative coordinates. Without a display (the POSIX
// stand-in) there are no monitors and every grab is empty.
#include "capture/Image.h"
#include "platform/Rect.h"

#include <vector>

namespace fw::os {

// True while the input desktop cannot be read (for example the secure desktop
// of a lock screen or a UAC prompt): then neither the cursor nor the screen is
// ours to capture.
bool inputDesktopInaccessible();

// (0, 0) while the input desktop is inaccessible.
Point cursorPosition();

int32_t monitorCount();

// Work areas or full monitor rectangles, in enumeration order.
std::vector<Rect> monitorRects(bool useWorkArea);

// Bounding box of all monitors; empty when there is none.
Rect virtualScreenRect();

// Work area of the primary monitor; empty when none is found.
Rect primaryWorkArea();

// Full rectangle of the monitor a window is on; empty when it is on none.
Rect monitorOfWindow(void* window);

// Work area or full rectangle of the monitor that contains `point`; empty when
// the point lies on no monitor.
Rect monitorOfPoint(Point point, bool useWorkArea);

// Horizontal dots per inch of the screen.
double horizontalResolution();

// The pixels of a screen rectangle, layered windows included, with alpha 255
// where a monitor shows them and 0 where no monitor covers the rectangle.
// Empty when the rectangle is empty or the grab fails.
// `reuse` receives the grab instead of new memory when nothing else shares its
// pixels and it has the grab's size: a screen's worth of fresh memory costs
// more than the grab itself.
Image grabScreenRect(const Rect& r, Image reuse = Image());

struct CursorImage {
    Image image; // 32-bit, empty when there is no cursor to capture
    Point hotspot;
    // A standard system cursor (not the text cursor) while the system draws
    // cursor shadows: the capture adds the shadow too.
    bool wantsShadow = false;
};

// The cursor the user sees now, without shadow.
CursorImage currentCursor();

} // namespace fw::os
