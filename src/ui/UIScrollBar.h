#pragma once
// A scroll bar, vertical or horizontal: two arrow buttons and a track with a
// thumb whose length shows the visible part of what is scrolled. The value
// runs from minimum() to maximum(); the page step is the length of the
// visible part, so a view of height h over content of height H uses the range
// 0 to H - h and the page step h.
//
// The mouse drags the thumb (it snaps back when the mouse strays far from the
// bar, as Windows' own scroll bars do), an arrow held down steps repeatedly
// and a press on the track pages towards the mouse until the thumb reaches
// it; the wheel scrolls by the user's wheel setting. With smooth scrolling the
// value glides towards its target on timer ticks instead of jumping.
//
// Each part is drawn with a skin of the style ("UIScrollBar_..."); an
// instance can draw a part with another skin of the style (replaceSkin).
#include "ui/UILayout.h"
#include "ui/UIWidget.h"

#include <array>
#include <functional>

namespace fw {

class UIScrollBar : public UIWidget {
public:
    enum class Part : int32_t {
        None = 0,
        DecreaseArrow, // up or left
        IncreaseArrow, // down or right
        DecreaseTrack, // the track before the thumb
        IncreaseTrack, // the track after it
        Thumb,
    };

    explicit UIScrollBar(Direction direction = Direction::Vertical);

    Direction direction() const { return direction_; }
    void setDirection(Direction direction);
    bool isVertical() const { return direction_ == Direction::Vertical; }

    // The range; a maximum below the minimum is raised to it. The value and
    // any target are clamped into the new range.
    void setRange(int32_t minimum, int32_t maximum);
    int32_t minimum() const { return minimum_; }
    int32_t maximum() const { return maximum_; }
    // True when there is something to scroll.
    bool hasRange() const { return maximum_ > minimum_; }
    void setPageStep(int32_t step);
    int32_t pageStep() const { return pageStep_; }
    void setSingleStep(int32_t step);
    int32_t singleStep() const { return singleStep_; }

    int32_t value() const { return value_; }
    // Jumps to `value` (clamped), ending any glide.
    void setValue(int32_t value);
    // Where the value is heading: the value itself unless it glides.
    int32_t targetValue() const { return target_; }
    // Moves to `value` (clamped): a glide with smooth scrolling, else a jump.
    void scrollTo(int32_t value);
    // Moves the target by `delta`.
    void scrollBy(int32_t delta);
    void setSmoothScrolling(bool smooth);
    bool smoothScrolling() const { return smooth_; }
    bool isGliding() const { return target_ != value_; }

    // The bar's breadth: the "thickness" property, else the breadth of its
    // background skin.
    int32_t thickness() const;
    int32_t thumbMinimumLength() const;
    // The rectangle of a part for the current value (empty when absent), and
    // the part under a point.
    Rect partRect(Part part) const;
    Part partAt(Point local) const;

    // Draws the part that the class draws with `skinName` (one of the
    // "UIScrollBar_..." names) with the style's skin `replacement` instead,
    // now and after the style is applied again. False for a name that is not
    // one of the class's skins.
    bool replaceSkin(WideStringView skinName, WideString replacement);

    // Scrolls by a wheel turn: what a view does with the wheel over its
    // content. False when it could not scroll that way.
    bool scrollByWheel(int32_t delta, bool verticalWheel);

    // Runs whenever the value changes, also on every tick of a glide.
    std::function<void(int32_t)> onValueChanged;

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;

    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    bool onWheel(const WheelEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    void onMouseLeave() override;
    void onCaptureLost() override;
    void onStateChanged() override;
    void OnTimer(int32_t identifier) override;

    // Timer identifiers, for tests that drive the timers themselves.
    static constexpr int32_t kRepeatTimer = 1;
    static constexpr int32_t kGlideTimer = 2;
    // The first repeat of a held arrow or track comes after this, then every
    // kRepeatIntervalMs.
    static constexpr int32_t kRepeatDelayMs = 350;
    static constexpr int32_t kRepeatIntervalMs = 50;
    static constexpr int32_t kGlideIntervalMs = 15;

private:
    enum SkinSlot : int32_t {
        VerticalBackground,
        HorizontalBackground,
        VerticalThumbBackground,
        HorizontalThumbBackground,
        VerticalThumbGripper,
        HorizontalThumbGripper,
        TopArrowBackground,
        BottomArrowBackground,
        LeftArrowBackground,
        RightArrowBackground,
        ArrowUp,
        ArrowDown,
        ArrowLeft,
        ArrowRight,
        SkinSlotCount,
    };

    // Positions along the bar: where the track starts and how long it is.
    struct Track {
        int32_t arrowLength = 0;
        int32_t start = 0;
        int32_t length = 0;
    };
    Track track() const;
    int32_t length() const { return isVertical() ? height() : width(); }
    // Start and length of the thumb along the bar for `value`; length 0 when
    // there is no thumb.
    std::pair<int32_t, int32_t> thumbSpan(int32_t value) const;
    // The value whose thumb starts at `thumbStart`.
    int32_t valueForThumbStart(int32_t thumbStart) const;
    Rect alongRect(int32_t start, int32_t size) const;
    int32_t along(Point p) const { return isVertical() ? p.y : p.x; }
    int32_t across(Point p) const { return isVertical() ? p.x : p.y; }
    Part partAtFor(Point local, int32_t value) const;
    int32_t clamp(int32_t value) const;
    void applyValue(int32_t value);
    // What a held arrow or track does once.
    void stepPressedPart();
    void stopPressing();
    void dragThumbTo(Point local);
    int32_t frameFor(Part part) const;
    void paintArrow(UIPainter& painter, Part part) const;
    void paintThumb(UIPainter& painter) const;
    const Skin* skin(SkinSlot slot) const { return skins_[slot]; }

    Direction direction_;
    int32_t minimum_ = 0;
    int32_t maximum_ = 0;
    int32_t pageStep_ = 10;
    int32_t singleStep_ = 1;
    int32_t value_ = 0;
    int32_t target_ = 0;
    int32_t glideTicks_ = 0;
    int32_t wheelRemainder_ = 0;
    bool smooth_ = false;

    Paint background_;
    int32_t thicknessProperty_ = 0;
    int32_t thumbMinimumProperty_ = 0;
    std::array<WideString, SkinSlotCount> skinNames_;
    std::array<const Skin*, SkinSlotCount> skins_{};

    Part pressed_ = Part::None;
    Part hovered_ = Part::None;
    Point mouse_;
    int32_t dragOffset_ = 0;
    int32_t dragStartValue_ = 0;
    bool repeating_ = false;
};

} // namespace fw
