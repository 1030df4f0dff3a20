#include "overlay/UIOverlay.h"

#include "capture/RectList.h"
#include "resources/CursorSet.h"
#include "resources/Skin.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {
// Each repainted area costs a copy to the screen of its own: a few larger
// areas beat many thin ones.
constexpr size_t kMostRepaintAreas = 6;
constexpr int64_t kFreeRepaintArea = 64 * 1024;
} // namespace

UIOverlay::UIOverlay(OverlayHost& host) : UIWindow(u"UIOverlay"), host_(host) {
    setWindowFlags(WindowPopup | WindowTopmost);
    setCursor(CursorTarget);
    applySkins();
}

UIOverlay::~UIOverlay() {
    StopTimer(this, kSlideTimer);
}

void UIOverlay::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"capture_window_selection") {
        selectionFrame_ = &skin;
    } else if (name == u"capture_region_info_background") {
        infoBackground_ = &skin;
    } else if (name == u"capture_region_info_top_layer") {
        infoTopLayer_ = &skin;
    }
}

void UIOverlay::open(OverlaySession session) {
    session_ = std::move(session);
    open_ = true;
    anchor_.reset();
    previous_ = current_ = WindowPick{};
    icon_ = ScaledImage();
    iconPixels_ = nullptr;
    slide_.stop();
    StopTimer(this, kSlideTimer);
    setScreenRect(session_.screen);
    updateMetrics();
    const Point screen = host_.cursorPosition();
    cursor_ = clamped(Point{screen.x - session_.screen.x, screen.y - session_.screen.y});
    // What lies under the cursor shows at once, before the mouse moves.
    if (session_.mode == OverlayMode::Window) {
        pickAt(cursor_);
    }
    refresh();
    show();
    // Above every other topmost window, the taskbar included.
    nativeWindow().setTopmost(true);
    activate();
    invalidateAll();
}

void UIOverlay::dismiss() {
    open_ = false;
    StopTimer(this, kSlideTimer);
    slide_.stop();
    hide();
    // The screen images are large: they go with the overlay.
    session_.frozen = Image();
    session_.dimmed = Image();
    previous_ = current_ = WindowPick{};
    icon_ = ScaledImage();
    iconPixels_ = nullptr;
}

Point UIOverlay::clamped(Point p) const {
    return Point{std::clamp(p.x, 0, std::max(0, width() - 1)),
                 std::clamp(p.y, 0, std::max(0, height() - 1))};
}

Rect UIOverlay::toOverlay(const Rect& screenRect) const {
    if (screenRect.isEmpty()) {
        return Rect{};
    }
    return Rect{screenRect.x - session_.screen.x, screenRect.y - session_.screen.y,
                screenRect.width, screenRect.height};
}

Rect UIOverlay::infoBoxBounds() const {
    const Point screen{cursor_.x + session_.screen.x, cursor_.y + session_.screen.y};
    for (const Rect& monitor : session_.monitors) {
        if (monitor.contains(screen.x, screen.y)) {
            return toOverlay(monitor);
        }
    }
    return rect();
}

void UIOverlay::updateMetrics() {
    metrics_ = overlayMetrics(dpi(), session_.magnifierSizeSetting, session_.zoomSetting);
}

void UIOverlay::onDpiChanged() {
    updateMetrics();
    if (open_) {
        refresh();
        invalidateAll();
    }
}

void UIOverlay::onNativeDpiChanged(int32_t dpi, const Rect&) {
    setWindowDpi(dpi);
}

void UIOverlay::pickAt(Point overlayPoint) {
    previous_ = std::move(current_);
    const Point origin = screenOrigin();
    current_ = host_.pickWindow(Point{overlayPoint.x + origin.x, overlayPoint.y + origin.y},
                                session_.includeControls, nativeWindow().handle());
    if (current_.icon.pixels() != iconPixels_) {
        iconPixels_ = current_.icon.pixels();
        icon_ = ScaledImage(current_.icon);
    }
    if (previous_.window && current_.window && previous_.window != current_.window) {
        const bool running = slide_.isRunning();
        slide_.slide(toOverlay(previous_.captureRect), toOverlay(current_.captureRect));
        if (!running) {
            StartTimer(this, kSlideTimer, HighlightSlide::kStepMs);
        }
    }
}

void UIOverlay::refresh() {
    std::vector<Rect> changed;
    const Rect bounds = infoBoxBounds();
    if (session_.mode == OverlayMode::Region) {
        const RegionScene next = fw::regionScene(anchor_, cursor_, bounds, metrics_);
        changed = regionChanges(region_, next, Size{width(), height()});
        region_ = next;
    } else {
        const Rect sliding = slide_.current();
        const Rect highlight = !sliding.isEmpty() ? sliding : toOverlay(current_.captureRect);
        const Image& icon = icon_.at(dpi());
        const WindowScene next =
            fw::windowScene(highlight, current_.window != nullptr,
                            Size{current_.captureRect.width, current_.captureRect.height},
                            Size{icon.width(), icon.height()},
                            icon.isEmpty() ? nullptr : icon.pixels(), cursor_, bounds, metrics_);
        changed = windowChanges(window_, next);
        window_ = next;
    }
    for (const Rect& r : coalesce(std::move(changed), kMostRepaintAreas, kFreeRepaintArea)) {
        repaint(r);
    }
}

void UIOverlay::accept() {
    OverlayChoice choice;
    if (session_.mode == OverlayMode::Region) {
        choice.region = region_.selection.rect;
    } else {
        choice.window = current_.window;
        choice.captureRect = current_.captureRect;
    }
    // The host may hide or destroy the overlay: nothing is touched afterwards.
    host_.overlayAccepted(choice);
}

void UIOverlay::cancel() {
    host_.overlayCancelled();
}

bool UIOverlay::onMouseMove(const MouseEvent& event) {
    if (!open_) {
        return true;
    }
    cursor_ = clamped(event.position);
    if (session_.mode == OverlayMode::Window) {
        pickAt(cursor_);
    }
    refresh();
    return true;
}

bool UIOverlay::onMousePress(const MouseEvent& event) {
    if (!open_ || event.button != MouseLeft) {
        // The right button cancels on release; it is held until then.
        return open_;
    }
    cursor_ = clamped(event.position);
    if (session_.mode == OverlayMode::Window) {
        pickAt(cursor_);
        if (current_.window) {
            accept();
        } else {
            cancel();
        }
        // Closed by now: the overlay does not hold the mouse.
        return false;
    }
    anchor_ = cursor_;
    refresh();
    return true;
}

bool UIOverlay::onMouseRelease(const MouseEvent& event) {
    if (!open_) {
        return true;
    }
    if (event.button == MouseRight) {
        cancel();
    } else if (event.button == MouseLeft && session_.mode == OverlayMode::Region) {
        cursor_ = clamped(event.position);
        refresh();
        if (region_.selection.rect.isEmpty()) {
            cancel();
        } else {
            accept();
        }
    }
    return true;
}

bool UIOverlay::onWheel(const WheelEvent& event) {
    if (!open_ || session_.mode != OverlayMode::Region) {
        return true;
    }
    const int32_t zoom = zoomAfterWheel(session_.zoomSetting, event.delta, event.vertical);
    if (zoom != session_.zoomSetting) {
        session_.zoomSetting = zoom;
        host_.zoomSettingChanged(zoom);
        updateMetrics();
        refresh();
    }
    return true;
}

bool UIOverlay::onKeyPress(const KeyEvent& event) {
    if (!open_) {
        return true;
    }
    const std::optional<Point> step =
        session_.mode == OverlayMode::Region ? cursorStepForKey(event.key) : std::nullopt;
    if (step) {
        // Every mouse move over the screen reaches the overlay: where it saw
        // the cursor last is where the cursor is.
        cursor_ = clamped(Point{cursor_.x + step->x, cursor_.y + step->y});
        host_.moveCursor(Point{cursor_.x + session_.screen.x, cursor_.y + session_.screen.y});
        refresh();
    } else if (!event.autoRepeat) {
        // A key still held from the hotkey that started the capture repeats:
        // only a new press cancels.
        cancel();
    }
    return true;
}

bool UIOverlay::onCloseRequest() {
    if (open_) {
        cancel();
    }
    return false;
}

void UIOverlay::OnTimer(int32_t identifier) {
    if (identifier != kSlideTimer) {
        UIWindow::OnTimer(identifier);
        return;
    }
    if (!slide_.tick()) {
        StopTimer(this, kSlideTimer);
    }
    refresh();
}

} // namespace fw
