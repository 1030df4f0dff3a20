#pragma once
// A slider: a handle moved along a track between a minimum and a maximum,
// horizontal (minimum at the left) or vertical (minimum at the bottom), with
// optional tick marks on either side or both. The handle's skin follows the
// ticks: "UISlider_Handle" without them, "UISlider_HandleTop"/"Bottom"/
// "TopAndBottom" on a horizontal and "UISlider_HandleLeft"/"Right"/
// "LeftAndRight" on a vertical slider (frames normal, hovered, pressed,
// disabled). The track is "UISlider_HorizontalBackground" or
// "UISlider_VerticalBackground" (normal, disabled), the ticks
// "UISlider_HorizontalThick" or "UISlider_VerticalThick".
//
// The handle is dragged; a press beside it pages towards the press and keeps
// paging while held; arrows move a single step, Page Up/Down a page (up and
// right are larger values), Home and End go to the ends; the wheel moves a
// single step per notch.
#include "ui/UILayout.h"
#include "ui/UIWidget.h"

#include <functional>
#include <vector>

namespace fw {

// Where the tick marks are: on a vertical slider Above is the left side and
// Below the right.
enum class SliderTicks : int32_t {
    None = 0,
    Above = 1,
    Below = 2,
    BothSides = 3,
    Left = Above,
    Right = Below,
};

class UISlider : public UIWidget {
public:
    explicit UISlider(Direction orientation = Direction::Horizontal);

    Direction orientation() const { return orientation_; }
    void setOrientation(Direction orientation);
    int32_t minimum() const { return minimum_; }
    int32_t maximum() const { return maximum_; }
    // The value is kept inside the range (a maximum below the minimum is raised to it).
    void setRange(int32_t minimum, int32_t maximum);
    int32_t value() const { return value_; }
    void setValue(int32_t value);
    int32_t singleStep() const { return singleStep_; }
    void setSingleStep(int32_t step);
    int32_t pageStep() const { return pageStep_; }
    void setPageStep(int32_t step);
    SliderTicks tickPosition() const { return ticks_; }
    void setTickPosition(SliderTicks ticks);
    // The value distance between ticks; 0 puts one at every page step.
    int32_t tickInterval() const { return tickInterval_; }
    void setTickInterval(int32_t interval);

    // Runs whenever the value changes (while dragging too).
    std::function<void(int32_t)> onValueChanged;

    // Geometry in local coordinates, for painting and hit-testing.
    Rect handleRect() const;
    Rect trackRect() const;
    std::vector<Rect> tickRects() const;
    // The value whose handle position is nearest to a local point.
    int32_t valueAt(Point local) const;

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;

    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onMouseLeave() override;
    bool onWheel(const WheelEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    void onCaptureLost() override;
    void OnTimer(int32_t identifier) override;

private:
    struct Layout {
        Size handle;
        int32_t crossStart = 0; // where the handle starts across the track
        int32_t tickLength = 0;
        int32_t tickGap = 0;
        int32_t travel = 0; // how far the handle's leading edge moves
    };
    Layout layout() const;
    bool horizontal() const { return orientation_ == Direction::Horizontal; }
    const Skin* handleSkin() const;
    Size handleSize() const;
    int32_t crossExtent() const;
    // Position of the handle's leading edge along the track for a value.
    int32_t offsetOf(int32_t value, const Layout& l) const;
    int32_t effectiveTickInterval(const Layout& l) const;
    void pageOnce();
    void stopPaging();
    int32_t handleFrame() const;

    Direction orientation_;
    int32_t minimum_ = 0;
    int32_t maximum_ = 100;
    int32_t value_ = 0;
    int32_t singleStep_ = 1;
    int32_t pageStep_ = 10;
    int32_t tickInterval_ = 0;
    SliderTicks ticks_ = SliderTicks::None;

    Color thickColor_;
    int32_t thickLength_ = 4;
    int32_t trackThickness_ = 4;
    Size handleHorizontalSize_;
    Size handleVerticalSize_;

    const Skin* horizontalBackground_ = nullptr;
    const Skin* verticalBackground_ = nullptr;
    const Skin* horizontalThick_ = nullptr;
    const Skin* verticalThick_ = nullptr;
    const Skin* handle_ = nullptr;
    const Skin* handleTop_ = nullptr;
    const Skin* handleBottom_ = nullptr;
    const Skin* handleLeft_ = nullptr;
    const Skin* handleRight_ = nullptr;
    const Skin* handleTopAndBottom_ = nullptr;
    const Skin* handleLeftAndRight_ = nullptr;

    // Dragging: where the mouse holds the handle; -1 when not dragging.
    int32_t grip_ = -1;
    int32_t valueBeforeDrag_ = 0;
    // Paging towards a press while the button is held: the direction and the
    // value under the mouse.
    int32_t pageDirection_ = 0;
    int32_t pageTarget_ = 0;
    bool handleHovered_ = false;
    int32_t wheelRest_ = 0;
};

// Paging repeats after this delay, then at this interval.
constexpr int32_t kSliderRepeatDelayMs = 300;
constexpr int32_t kSliderRepeatIntervalMs = 50;

} // namespace fw
