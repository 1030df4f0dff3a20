#pragma once
// Which window lies under a point and which part of the screen capturing it
// takes, written against a description of the desktop's windows so that the
// rules can be checked on made-up layouts. The program's layout asks Windows.
#include "platform/Rect.h"

#include <vector>

namespace fw {

// A window handle (HWND on Windows); null for none.
using WindowId = void*;

class WindowLayout {
public:
    virtual ~WindowLayout() = default;

    // The desktop window, the desktop icon window ("Progman") and the shell's
    // taskbar ("Shell_TrayWnd"); null where there is none.
    virtual WindowId desktop() const = 0;
    virtual WindowId iconWindow() const = 0;
    virtual WindowId taskbar() const = 0;

    // Top-level windows in Z order: the top one, and the neighbours of one.
    virtual WindowId topWindow() const = 0;
    virtual WindowId windowBelow(WindowId window) const = 0;
    virtual WindowId windowAbove(WindowId window) const = 0;

    virtual bool exists(WindowId window) const = 0;
    virtual bool isVisible(WindowId window) const = 0;
    virtual bool isMinimized(WindowId window) const = 0;
    virtual bool isMaximized(WindowId window) const = 0;
    virtual bool isTopmost(WindowId window) const = 0;
    // Screen rectangles of the whole window and of its client area.
    virtual Rect windowRect(WindowId window) const = 0;
    virtual Rect clientRect(WindowId window) const = 0;
    // The top-level window a window belongs to (itself for a top-level one).
    virtual WindowId root(WindowId window) const = 0;
    // The visible direct child of `parent` at a screen point; `parent` itself
    // when no child lies there, null outside the parent.
    virtual WindowId visibleChildAt(WindowId parent, Point screen) const = 0;

    // Full monitor rectangles, or their work areas.
    virtual std::vector<Rect> monitors(bool workAreas) const = 0;
};

// The first top-level window from the top of the Z order that is visible, not
// minimised, not `excluded` and whose rectangle holds the point (invisible and
// transparent parts of a window catch the point too).
WindowId topLevelWindowAt(const WindowLayout& layout, Point screen, WindowId excluded);

// The window under the point; with `includeControls`, the deepest visible
// control. The taskbar wins over any window that is not topmost.
WindowId pickWindowAt(const WindowLayout& layout, Point screen, bool includeControls,
                      WindowId excluded);

// The part of the screen a capture of `window` takes: a control clipped to
// its window's client area, cut down where windows in front cover a whole
// side, and kept to the monitors' work areas (whole monitors for topmost
// windows and the taskbar); a maximised window to the one monitor it fills.
// `excluded` (the overlay) never counts as covering.
Rect captureRectOf(const WindowLayout& layout, WindowId window, WindowId excluded);

} // namespace fw
