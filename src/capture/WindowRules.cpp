#include "capture/WindowRules.h"

#include "capture/RectList.h"

namespace fw {

namespace {

// Z-order walks stop here even if the window list keeps changing under them.
constexpr int kMaxWalk = 100000;

bool overlaps(const Rect& a, const Rect& b) {
    return !intersect(a, b).isEmpty();
}

bool isShown(const WindowLayout& layout, WindowId window) {
    return layout.isVisible(window) && !layout.isMinimized(window);
}

// The windows in front of `root` whose rectangles cut into `area`.
std::vector<Rect> coveringRects(const WindowLayout& layout, WindowId root, const Rect& area,
                                WindowId excluded) {
    const bool onlyTopmost = root == layout.taskbar();
    std::vector<Rect> covering;
    int steps = 0;
    for (WindowId w = layout.windowAbove(root); w && steps < kMaxWalk;
         w = layout.windowAbove(w), ++steps) {
        if (w == excluded || w == layout.desktop() || !isShown(layout, w) ||
            (onlyTopmost && !layout.isTopmost(w))) {
            continue;
        }
        const Rect r = layout.windowRect(w);
        if (overlaps(r, area)) {
            covering.push_back(r);
        }
    }
    return covering;
}

int64_t area(const Rect& r) {
    return r.isEmpty() ? 0 : int64_t{r.width} * r.height;
}

// A maximised window reaches a few pixels past its monitor on every side,
// into the next monitor too: only the monitor it fills counts.
Rect keptToMonitors(const WindowLayout& layout, const Rect& r, bool wholeMonitors, bool maximized) {
    Rect kept;
    for (const Rect& monitor : layout.monitors(!wholeMonitors)) {
        const Rect part = intersect(r, monitor);
        if (!maximized) {
            kept = unite(kept, part);
        } else if (area(part) > area(kept)) {
            kept = part;
        }
    }
    return kept;
}

} // namespace

WindowId topLevelWindowAt(const WindowLayout& layout, Point screen, WindowId excluded) {
    int steps = 0;
    for (WindowId w = layout.topWindow(); w && steps < kMaxWalk;
         w = layout.windowBelow(w), ++steps) {
        if (w != excluded && isShown(layout, w) &&
            layout.windowRect(w).contains(screen.x, screen.y)) {
            return w;
        }
    }
    return nullptr;
}

WindowId pickWindowAt(const WindowLayout& layout, Point screen, bool includeControls,
                      WindowId excluded) {
    WindowId w = topLevelWindowAt(layout, screen, excluded);
    if (!w) {
        return nullptr;
    }
    const WindowId taskbar = layout.taskbar();
    // The taskbar wins over ordinary windows wherever it lies, whatever their
    // order in the window list (an auto-hidden one is listed below them).
    if (taskbar && !layout.isTopmost(w) && layout.isVisible(taskbar) &&
        layout.windowRect(taskbar).contains(screen.x, screen.y)) {
        w = taskbar;
    }
    if (!includeControls) {
        return w;
    }
    for (int steps = 0; steps < kMaxWalk; ++steps) {
        const WindowId child = layout.visibleChildAt(w, screen);
        if (!child || child == w) {
            break;
        }
        w = child;
    }
    return w;
}

Rect captureRectOf(const WindowLayout& layout, WindowId window, WindowId excluded) {
    if (!window || !layout.exists(window)) {
        return Rect{};
    }
    const Rect own = layout.windowRect(window);
    Rect r = own;
    const WindowId root = window == layout.desktop() ? window : layout.root(window);
    const WindowId taskbar = layout.taskbar();
    if (root != window && root != taskbar) {
        r = intersect(r, layout.clientRect(root));
    }
    const bool topmost = layout.isTopmost(root);
    if (!topmost) {
        // Only a window that cuts off a whole side shrinks the bounding box;
        // partly covered windows are captured as the screen shows them.
        r = boundingBoxAfterCutting(r, coveringRects(layout, root, own, excluded));
    }
    return keptToMonitors(layout, r, topmost || root == taskbar,
                          root == window && layout.isMaximized(window));
}

} // namespace fw
