#pragma once
// The selection overlay: a topmost window over the whole virtual screen that
// shows the frozen screen dimmed and lets the user pick a window (window mode)
// or drag out a region with a magnifier beside the cursor (region mode).
// Overlay coordinates are the frozen screen's pixels; screen coordinates are
// those plus the virtual screen's top-left corner.
//
// Each change repaints only the parts that look different (the cross-hair
// lines, the info box, the edges of the selection or the highlight), so that
// following the mouse stays cheap on large screens.
#include "capture/HighlightSlide.h"
#include "overlay/OverlayHost.h"
#include "overlay/OverlayScene.h"
#include "ui/ScaledArt.h"
#include "ui/UIWindow.h"

#include <optional>

namespace fw {

class Skin;

class UIOverlay : public UIWindow {
public:
    static constexpr int32_t kSlideTimer = 2010;
    // The frame, the outline and the cross-hair.
    static constexpr Color kSelectionColor = rgb(255, 255, 255);
    static constexpr Color kMarkerColor = 0xB4E11514; // red 225, green 21, blue 20 at alpha 180
    static constexpr Color kGridColor = rgb(70, 70, 70);

    explicit UIOverlay(OverlayHost& host);
    ~UIOverlay() override;

    // Covers session.screen with the frozen screen, shows itself and takes the
    // keyboard. The cursor's current position is picked or magnified at once.
    void open(OverlaySession session);
    // Hides the overlay and lets go of the screen images.
    void dismiss();
    bool isOpen() const { return open_; }

    OverlayMode mode() const { return session_.mode; }
    // Overlay coordinates of the cursor as the overlay last saw it.
    Point cursor() const { return cursor_; }
    const RegionScene& regionScene() const { return region_; }
    const WindowScene& windowScene() const { return window_; }
    const WindowPick& currentPick() const { return current_; }
    const HighlightSlide& slide() const { return slide_; }
    int32_t zoomSetting() const { return session_.zoomSetting; }

    void bindSkin(WideStringView name, const Skin& skin) override;
    void paint(UIPainter& painter) override;
    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    bool onWheel(const WheelEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onCloseRequest() override;
    void onDpiChanged() override;
    void OnTimer(int32_t identifier) override;

protected:
    // Asks for an area of the overlay to be painted again.
    virtual void repaint(const Rect& area) { invalidate(area); }

private:
    // The overlay stays over the whole virtual screen on a monitor of another
    // resolution; only its own lengths follow.
    void onNativeDpiChanged(int32_t dpi, const Rect& suggestedWindowRect) override;
    Point clamped(Point overlayPoint) const;
    Point screenOrigin() const { return Point{session_.screen.x, session_.screen.y}; }
    Rect toOverlay(const Rect& screenRect) const;
    // The monitor under the cursor, where the info box stays.
    Rect infoBoxBounds() const;
    void updateMetrics();
    // Picks the window under the point and starts a slide when it changed.
    void pickAt(Point overlayPoint);
    // Works out the scene from the state and repaints what changed.
    void refresh();
    void accept();
    void cancel();
    void paintRegion(UIPainter& painter);
    void paintWindow(UIPainter& painter);

    OverlayHost& host_;
    OverlaySession session_;
    OverlayMetrics metrics_;
    bool open_ = false;
    Point cursor_;
    std::optional<Point> anchor_;
    RegionScene region_;
    WindowPick previous_;
    WindowPick current_;
    HighlightSlide slide_;
    WindowScene window_;
    ScaledImage icon_;
    const uint8_t* iconPixels_ = nullptr; // the picked icon icon_ was made from
    const Skin* selectionFrame_ = nullptr;
    const Skin* infoBackground_ = nullptr;
    const Skin* infoTopLayer_ = nullptr;
};

} // namespace fw
