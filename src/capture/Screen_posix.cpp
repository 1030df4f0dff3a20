// The native build has no display: no monitors, nothing to grab.
#include "capture/Screen.h"

namespace fw::os {

bool inputDesktopInaccessible() {
    return true;
}
Point cursorPosition() {
    return Point{};
}
int32_t monitorCount() {
    return 0;
}
std::vector<Rect> monitorRects(bool) {
    return {};
}
Rect virtualScreenRect() {
    return Rect{};
}
Rect primaryWorkArea() {
    return Rect{};
}
Rect monitorOfWindow(void*) {
    return Rect{};
}
Rect monitorOfPoint(Point, bool) {
    return Rect{};
}
double horizontalResolution() {
    return 96.0;
}
Image grabScreenRect(const Rect&, Image) {
    return Image();
}
CursorImage currentCursor() {
    return CursorImage{};
}

} // namespace fw::os
