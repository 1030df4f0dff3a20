#pragma once
// The grip in a window's bottom-right corner ("UISizeGrip_Background"):
// dragging it resizes the window, keeping its top-left corner where it is,
// within the window's minimum and maximum size. It shows the diagonal resize
// cursor, and neither draws nor reacts while the window is maximized.
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

namespace fw {

class Skin;

class UISizeGrip : public UIWidget {
public:
    UISizeGrip();

    // The client size a drag from `start` (window coordinates, client size
    // `startSize`) to `now` asks for, within `minimum` and `maximum`.
    static Size draggedSize(Size startSize, Point start, Point now, Size minimum, Size maximum);

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;
    int32_t cursorAt(Point local) const override;
    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onCaptureLost() override;

private:
    bool isActive() const;

    Size size_;
    const Skin* skin_ = nullptr;
    bool dragging_ = false;
    Point dragStart_;
    Size startSize_;
};

} // namespace fw
