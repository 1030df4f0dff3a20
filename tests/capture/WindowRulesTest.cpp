#include "capture/WindowRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <list>

namespace fw {
namespace {

// A made-up desktop: top-level windows listed from the top of the Z order,
// controls listed under their parent, on two monitors side by side.
class FakeLayout : public WindowLayout {
public:
    struct Window {
        Rect rect;
        Rect client;
        bool visible = true;
        bool minimized = false;
        bool maximized = false;
        bool topmost = false;
        Window* parent = nullptr;
    };

    Window* add(Rect rect, Window* parent = nullptr) {
        windows_.push_back(Window{rect, rect, true, false, false, false, parent});
        Window* w = &windows_.back();
        if (!parent) {
            order_.push_back(w);
        }
        return w;
    }
    // Top-level windows are listed in the order added, unless moved here.
    void putOnTop(Window* w) {
        order_.erase(std::find(order_.begin(), order_.end(), w));
        order_.insert(order_.begin(), w);
    }

    Window desktopWindow;
    Window* iconWindow_ = nullptr;
    Window* taskbar_ = nullptr;
    std::vector<Rect> fullMonitors{{0, 0, 1000, 800}, {1000, 0, 800, 600}};
    std::vector<Rect> workAreas{{0, 0, 1000, 760}, {1000, 0, 800, 600}};

    WindowId desktop() const override { return id(&desktopWindow); }
    WindowId iconWindow() const override { return id(iconWindow_); }
    WindowId taskbar() const override { return id(taskbar_); }
    WindowId topWindow() const override { return order_.empty() ? nullptr : id(order_.front()); }
    WindowId windowBelow(WindowId w) const override { return neighbour(w, 1); }
    WindowId windowAbove(WindowId w) const override { return neighbour(w, -1); }
    bool exists(WindowId w) const override { return w != nullptr; }
    bool isVisible(WindowId w) const override { return get(w)->visible; }
    bool isMinimized(WindowId w) const override { return get(w)->minimized; }
    bool isMaximized(WindowId w) const override { return get(w)->maximized; }
    bool isTopmost(WindowId w) const override { return get(w)->topmost; }
    Rect windowRect(WindowId w) const override { return get(w)->rect; }
    Rect clientRect(WindowId w) const override { return get(w)->client; }
    WindowId root(WindowId w) const override {
        Window* window = get(w);
        while (window->parent) {
            window = window->parent;
        }
        return id(window);
    }
    WindowId visibleChildAt(WindowId parent, Point p) const override {
        if (!get(parent)->rect.contains(p.x, p.y)) {
            return nullptr;
        }
        for (const Window& w : windows_) {
            if (w.parent == get(parent) && w.visible && w.rect.contains(p.x, p.y)) {
                return id(&w);
            }
        }
        return parent;
    }
    std::vector<Rect> monitors(bool workArea) const override {
        return workArea ? workAreas : fullMonitors;
    }

    static WindowId id(const Window* w) { return const_cast<Window*>(w); }
    static Window* get(WindowId w) { return static_cast<Window*>(w); }

private:
    WindowId neighbour(WindowId w, int step) const {
        auto at = std::find(order_.begin(), order_.end(), get(w));
        if (at == order_.end()) {
            return nullptr;
        }
        const auto index = (at - order_.begin()) + step;
        return index < 0 || index >= static_cast<long>(order_.size()) ? nullptr : id(order_[index]);
    }

    std::list<Window> windows_;
    std::vector<Window*> order_;
};

using W = FakeLayout::Window;

TEST(WindowRulesTest, PickSkipsHiddenMinimisedAndExcludedWindowsAndDescendsIntoControls) {
    FakeLayout layout;
    W* overlay = layout.add({0, 0, 1800, 1000});
    W* hidden = layout.add({100, 100, 200, 200});
    hidden->visible = false;
    W* minimized = layout.add({100, 100, 200, 200});
    minimized->minimized = true;
    W* dialog = layout.add({50, 50, 400, 300});
    W* group = layout.add({70, 90, 200, 150}, dialog);
    W* button = layout.add({80, 100, 60, 20}, group);
    W* hiddenControl = layout.add({300, 300, 50, 20}, dialog);
    hiddenControl->visible = false;
    auto id = FakeLayout::id;

    EXPECT_EQ(pickWindowAt(layout, {90, 110}, false, id(overlay)), id(dialog));
    EXPECT_EQ(pickWindowAt(layout, {90, 110}, true, id(overlay)), id(button));
    EXPECT_EQ(pickWindowAt(layout, {200, 120}, true, id(overlay)), id(group));
    EXPECT_EQ(pickWindowAt(layout, {310, 310}, true, id(overlay)), id(dialog))
        << "invisible controls are looked through";
    EXPECT_EQ(pickWindowAt(layout, {900, 900}, true, id(overlay)), nullptr);
    EXPECT_EQ(pickWindowAt(layout, {90, 110}, false, nullptr), id(overlay));
}

TEST(WindowRulesTest, TaskbarWinsOverOrdinaryWindowsButNotOverTopmostOnes) {
    FakeLayout layout;
    W* topmost = layout.add({0, 700, 300, 100});
    topmost->topmost = true;
    W* window = layout.add({200, 500, 600, 300});
    W* taskbar = layout.add({0, 760, 1000, 40});
    taskbar->topmost = true;
    layout.taskbar_ = taskbar;
    auto id = FakeLayout::id;

    EXPECT_EQ(pickWindowAt(layout, {500, 780}, false, nullptr), id(taskbar));
    EXPECT_EQ(pickWindowAt(layout, {100, 780}, false, nullptr), id(topmost));
    EXPECT_EQ(pickWindowAt(layout, {500, 600}, false, nullptr), id(window));
    // The work area leaves the taskbar out: it keeps to the whole monitor.
    EXPECT_EQ(captureRectOf(layout, id(taskbar), nullptr), (Rect{0, 760, 1000, 40}));
}

TEST(WindowRulesTest, ControlsAreClippedToTheirWindowsClientArea) {
    FakeLayout layout;
    W* dialog = layout.add({100, 100, 400, 300});
    dialog->client = Rect{108, 130, 384, 262};
    W* button = layout.add({400, 350, 150, 60}, dialog);
    auto id = FakeLayout::id;
    EXPECT_EQ(captureRectOf(layout, id(dialog), nullptr), (Rect{100, 100, 400, 300}));
    EXPECT_EQ(captureRectOf(layout, id(button), nullptr), (Rect{400, 350, 92, 42}));
}

TEST(WindowRulesTest, WindowsInFrontCutTheCaptureOnlyWhereTheyTakeAWholeSide) {
    FakeLayout layout;
    W* overlay = layout.add({0, 0, 1800, 1000});
    overlay->topmost = true;
    W* rightHalf = layout.add({400, 0, 300, 700});
    layout.add({90, 90, 50, 50});   // over a corner
    layout.add({900, 700, 50, 50}); // elsewhere
    W* target = layout.add({100, 100, 500, 400});
    auto id = FakeLayout::id;

    EXPECT_EQ(captureRectOf(layout, id(target), id(overlay)), (Rect{100, 100, 300, 400}))
        << "the window on the right cuts that side off; the one on a corner does not";
    rightHalf->minimized = true;
    EXPECT_EQ(captureRectOf(layout, id(target), id(overlay)), (Rect{100, 100, 500, 400}));
    W* cover = layout.add({50, 50, 700, 600});
    layout.putOnTop(cover);
    EXPECT_TRUE(captureRectOf(layout, id(target), id(overlay)).isEmpty())
        << "a window covered completely";
}

TEST(WindowRulesTest, CaptureKeepsToWorkAreasOrToWholeMonitorsForTopmostWindows) {
    FakeLayout layout;
    W* half = layout.add({-200, 600, 500, 300});
    W* maximized = layout.add({-8, -8, 1016, 776});
    W* across = layout.add({900, 500, 300, 300});
    auto id = FakeLayout::id;
    layout.putOnTop(half);
    EXPECT_EQ(captureRectOf(layout, id(half), nullptr), (Rect{0, 600, 300, 160}));
    half->topmost = true;
    EXPECT_EQ(captureRectOf(layout, id(half), nullptr), (Rect{0, 600, 300, 200}));
    layout.putOnTop(maximized);
    EXPECT_EQ(captureRectOf(layout, id(maximized), nullptr), (Rect{0, 0, 1008, 760}));
    maximized->maximized = true;
    EXPECT_EQ(captureRectOf(layout, id(maximized), nullptr), (Rect{0, 0, 1000, 760}))
        << "not the strip it reaches into the next monitor";
    layout.putOnTop(across);
    // Over both monitors: the bounding box of both parts.
    EXPECT_EQ(captureRectOf(layout, id(across), nullptr), (Rect{900, 500, 300, 260}));
}

} // namespace
} // namespace fw
