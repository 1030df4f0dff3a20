#include "capture/ScreenCapture.h"

#include "capture/ImageOps.h"
#include "capture/Screen.h"

#include <utility>

namespace fw {

namespace {

void setAlpha(Image& image, const Rect& area, uint8_t alpha) {
    const Rect inside = intersect(area, Rect{0, 0, image.width(), image.height()});
    for (int32_t y = inside.y; y < inside.bottom(); ++y) {
        uint8_t* pixel = image.pixel(inside.x, y);
        for (int32_t x = 0; x < inside.width; ++x, pixel += 4) {
            pixel[3] = alpha;
        }
    }
}

// Where the top-left pixel of a result lies on the screen.
Point resultScreenOrigin(const CaptureState& state, const Rect& r) {
    if (state.mode == CaptureMode::Window) {
        return Point{r.x, r.y};
    }
    return Point{state.virtualScreen.x + r.x, state.virtualScreen.y + r.y};
}

bool overlaps(const Rect& a, const Rect& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

} // namespace

Rect ScreenSource::virtualScreen() {
    return os::virtualScreenRect();
}

int32_t ScreenSource::monitorCount() {
    return os::monitorCount();
}

Rect ScreenSource::primaryWorkArea() {
    return os::primaryWorkArea();
}

Image ScreenSource::grabScreenRect(const Rect& r, Image reuse) {
    return os::grabScreenRect(r, std::move(reuse));
}

void resetScreenState(CaptureState& state, ScreenSource& screen) {
    state.virtualScreen = screen.virtualScreen();
    state.cursorImage = Image();
    state.cursorRect = Rect{};
}

void freezeScreen(CaptureState& state, ScreenSource& screen, Freeze use) {
    // The frozen image and the rectangle it maps to must agree even when a
    // monitor came or went since the capture started.
    state.virtualScreen = screen.virtualScreen();
    state.dimmedScreen = Image();
    state.frozenScreen = screen.grabScreenRect(state.virtualScreen, std::move(state.frozenScreen));
    if (use == Freeze::ForOverlay) {
        state.dimmedScreen = dimmed(state.frozenScreen);
    }
}

void captureCursor(CaptureState& state) {
    state.cursorRect = Rect{};
    state.cursorImage = Image();
    if (!state.includeCursor) {
        return;
    }
    os::CursorImage cursor = os::currentCursor();
    if (cursor.image.isEmpty()) {
        return;
    }
    if (cursor.wantsShadow && hasVisiblePixel(cursor.image)) {
        cursor.image = shadowedCursor(cursor.image);
    }
    // The position of this moment, not of when the cursor image was read.
    const Point position = os::cursorPosition();
    state.cursorImage = cursor.image;
    state.cursorRect = Rect{position.x - cursor.hotspot.x, position.y - cursor.hotspot.y,
                            cursor.image.width(), cursor.image.height()};
}

void fullScreenResult(CaptureState& state, ScreenSource& screen) {
    const Rect workArea =
        state.useWorkArea && screen.monitorCount() == 1 ? screen.primaryWorkArea() : Rect{};
    if (!workArea.isEmpty()) {
        const Rect inFrozen{workArea.x - state.virtualScreen.x, workArea.y - state.virtualScreen.y,
                            workArea.width, workArea.height};
        storeResult(state, inFrozen, crop(state.frozenScreen, inFrozen));
        return;
    }
    const Image& frozen = state.frozenScreen;
    storeResult(state, Rect{0, 0, frozen.width(), frozen.height()}, frozen);
}

void storeResult(CaptureState& state, const Rect& r, const Image& image) {
    state.resultImage = image;
    state.resultRect = r;
    if (state.cursorImage.isEmpty() || image.isEmpty() || r.isEmpty()) {
        return;
    }
    const Point origin = resultScreenOrigin(state, r);
    if (overlaps(Rect{origin.x, origin.y, r.width, r.height}, state.cursorRect)) {
        drawBlended(state.resultImage, state.cursorImage, state.cursorRect.x - origin.x,
                    state.cursorRect.y - origin.y);
    }
}

void markMonitorCoverage(Image& grab, int32_t x, int32_t y, const std::vector<Rect>& monitors) {
    if (!grab.hasAlpha()) {
        return;
    }
    std::vector<Rect> covered;
    for (const Rect& monitor : monitors) {
        if (!monitor.isEmpty()) {
            covered.push_back(Rect{monitor.x - x, monitor.y - y, monitor.width, monitor.height});
        }
    }
    if (covered.empty()) {
        setAlpha(grab, Rect{0, 0, grab.width(), grab.height()}, 255);
        return;
    }
    // Row by row, so that each row is cleared and marked while it is in the cache.
    for (int32_t row = 0; row < grab.height(); ++row) {
        setAlpha(grab, Rect{0, row, grab.width(), 1}, 0);
        for (const Rect& monitor : covered) {
            setAlpha(grab, intersect(monitor, Rect{0, row, grab.width(), 1}), 255);
        }
    }
}

Image shadowedCursor(const Image& cursor) {
    Image shadow(true, cursor.width() + 10, cursor.height() + 10);
    if (shadow.isEmpty() || cursor.isEmpty()) {
        return cursor;
    }
    fill(shadow, 0x00FFFFFFu);
    drawBlended(shadow, cursor, 3, 1);
    for (int32_t y = 0; y < shadow.height(); ++y) {
        uint8_t* pixel = shadow.row(y);
        for (int32_t x = 0; x < shadow.width(); ++x, pixel += 4) {
            if (pixel[3] != 0) {
                pixel[0] = pixel[1] = pixel[2] = 0;
                pixel[3] = static_cast<uint8_t>(pixel[3] * 100 / 255);
            }
        }
    }
    gaussianBlur(shadow, 3.0);
    drawBlended(shadow, cursor, 0, 0);
    return shadow;
}

bool hasVisiblePixel(const Image& image) {
    if (!image.hasAlpha()) {
        return !image.isEmpty();
    }
    for (int32_t y = 0; y < image.height(); ++y) {
        const uint8_t* pixel = image.row(y);
        for (int32_t x = 0; x < image.width(); ++x, pixel += 4) {
            if (pixel[3] != 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace fw
