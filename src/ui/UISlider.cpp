#include "ui/UISlider.h"

#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {

constexpr int32_t kRepeatDelayTimer = 1;
constexpr int32_t kRepeatTimer = 2;

enum HandleFrame : int32_t {
    HandleNormal = 0,
    HandleHovered = 1,
    HandlePressed = 2,
    HandleDisabled = 3
};
enum TrackFrame : int32_t { TrackNormal = 0, TrackDisabled = 1 };

// Colours of an unstyled slider, matching the default style's art.
constexpr Color kTrack = rgb(90, 90, 90);
constexpr Color kTrackDisabled = rgb(62, 62, 62);
constexpr Color kTick = rgb(122, 122, 122);
constexpr Color kHandleOutline = rgb(30, 30, 30);

// Ticks closer than this are thinned out.
constexpr int32_t kMinimumTickDistance = 3;

int32_t divideRounded(int64_t numerator, int64_t denominator) {
    if (denominator == 0) {
        return 0;
    }
    const int64_t half = denominator / 2;
    return static_cast<int32_t>(numerator >= 0 ? (numerator + half) / denominator
                                               : (numerator - half) / denominator);
}

bool hasAbove(SliderTicks ticks) {
    return ticks == SliderTicks::Above || ticks == SliderTicks::BothSides;
}

bool hasBelow(SliderTicks ticks) {
    return ticks == SliderTicks::Below || ticks == SliderTicks::BothSides;
}

} // namespace

UISlider::UISlider(Direction orientation)
    : UIWidget(u"UISlider"), orientation_(orientation), thickColor_(kTransparentColor) {
    setFocusPolicy(FocusPolicy::Strong);
    setOrientation(orientation);
}

// --- Value ---

void UISlider::setOrientation(Direction orientation) {
    orientation_ = orientation;
    if (horizontal()) {
        setSizePolicy(SizePolicy::Expanding, SizePolicy::Fixed);
    } else {
        setSizePolicy(SizePolicy::Fixed, SizePolicy::Expanding);
    }
    update();
}

void UISlider::setRange(int32_t minimum, int32_t maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    update();
    setValue(value_);
}

void UISlider::setValue(int32_t value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_) {
        return;
    }
    value_ = value;
    update();
    if (onValueChanged) {
        // The handler may close the window that holds this slider.
        auto changed = onValueChanged;
        changed(value);
    }
}

void UISlider::setSingleStep(int32_t step) {
    singleStep_ = std::max(1, step);
}

void UISlider::setPageStep(int32_t step) {
    pageStep_ = std::max(1, step);
    update();
}

void UISlider::setTickPosition(SliderTicks ticks) {
    ticks_ = ticks;
    updateGeometry();
    update();
}

void UISlider::setTickInterval(int32_t interval) {
    tickInterval_ = std::max(0, interval);
    update();
}

// --- Geometry ---

const Skin* UISlider::handleSkin() const {
    const Skin* wanted = nullptr;
    switch (ticks_) {
    case SliderTicks::Above:
        wanted = horizontal() ? handleTop_ : handleLeft_;
        break;
    case SliderTicks::Below:
        wanted = horizontal() ? handleBottom_ : handleRight_;
        break;
    case SliderTicks::BothSides:
        wanted = horizontal() ? handleTopAndBottom_ : handleLeftAndRight_;
        break;
    case SliderTicks::None:
        break;
    }
    return wanted ? wanted : handle_;
}

Size UISlider::handleSize() const {
    const Size property = horizontal() ? handleHorizontalSize_ : handleVerticalSize_;
    if (property.width > 0 && property.height > 0) {
        return px(property);
    }
    const Size skin = skinFrameSize(handleSkin(), dpi());
    return skin.width > 0 ? skin : px(Size{16, 16});
}

UISlider::Layout UISlider::layout() const {
    Layout l;
    l.handle = handleSize();
    l.tickLength = ticks_ == SliderTicks::None ? 0 : px(thickLength_);
    l.tickGap = px(2);
    const int32_t band = l.tickLength + l.tickGap;
    const int32_t before = hasAbove(ticks_) ? band : 0;
    const int32_t after = hasBelow(ticks_) ? band : 0;
    const int32_t handleAlong = horizontal() ? l.handle.width : l.handle.height;
    const int32_t handleAcross = horizontal() ? l.handle.height : l.handle.width;
    const int32_t across = horizontal() ? height() : width();
    const int32_t along = horizontal() ? width() : height();
    l.crossStart = (across - (before + handleAcross + after)) / 2 + before;
    l.travel = std::max(0, along - handleAlong);
    return l;
}

int32_t UISlider::crossExtent() const {
    const Size handle = handleSize();
    const int32_t band = ticks_ == SliderTicks::None ? 0 : px(thickLength_) + px(2);
    const int32_t bands = (hasAbove(ticks_) ? band : 0) + (hasBelow(ticks_) ? band : 0);
    const int32_t handleAcross = horizontal() ? handle.height : handle.width;
    return std::max(handleAcross, px(trackThickness_)) + bands;
}

int32_t UISlider::offsetOf(int32_t value, const Layout& l) const {
    const int64_t range = int64_t(maximum_) - minimum_;
    const int32_t offset =
        range > 0 ? divideRounded((int64_t(value) - minimum_) * l.travel, range) : 0;
    // Vertical sliders grow upwards.
    return horizontal() ? offset : l.travel - offset;
}

namespace {

// A rectangle given along and across the track.
Rect oriented(bool horizontal, int32_t along, int32_t across, int32_t length, int32_t thickness) {
    return horizontal ? Rect{along, across, length, thickness}
                      : Rect{across, along, thickness, length};
}

} // namespace

Rect UISlider::handleRect() const {
    const Layout l = layout();
    const int32_t along = horizontal() ? l.handle.width : l.handle.height;
    const int32_t across = horizontal() ? l.handle.height : l.handle.width;
    return oriented(horizontal(), offsetOf(value_, l), l.crossStart, along, across);
}

Rect UISlider::trackRect() const {
    const Layout l = layout();
    const int32_t handleAlong = horizontal() ? l.handle.width : l.handle.height;
    const int32_t handleAcross = horizontal() ? l.handle.height : l.handle.width;
    const int32_t thickness = px(trackThickness_);
    const int32_t margin = std::max(0, handleAlong / 2 - thickness / 2);
    const int32_t along = horizontal() ? width() : height();
    const int32_t centre = l.crossStart + handleAcross / 2;
    return oriented(horizontal(), margin, centre - thickness / 2, std::max(0, along - 2 * margin),
                    thickness);
}

int32_t UISlider::effectiveTickInterval(const Layout& l) const {
    int64_t interval = tickInterval_ > 0 ? tickInterval_ : pageStep_;
    const int64_t range = int64_t(maximum_) - minimum_;
    // Never so dense that the marks run together.
    while (range > 0 && interval < range &&
           range / interval * px(kMinimumTickDistance) > l.travel) {
        interval *= 2;
    }
    return static_cast<int32_t>(std::min<int64_t>(interval, INT32_MAX));
}

std::vector<Rect> UISlider::tickRects() const {
    std::vector<Rect> ticks;
    if (ticks_ == SliderTicks::None) {
        return ticks;
    }
    const Layout l = layout();
    const int32_t handleAlong = horizontal() ? l.handle.width : l.handle.height;
    const int32_t handleAcross = horizontal() ? l.handle.height : l.handle.width;
    const int32_t thickness = std::max(1, px(1));
    const int64_t interval = effectiveTickInterval(l);
    auto addAt = [&](int32_t value) {
        const int32_t centre = offsetOf(value, l) + handleAlong / 2 - thickness / 2;
        if (hasAbove(ticks_)) {
            ticks.push_back(oriented(horizontal(), centre, l.crossStart - l.tickGap - l.tickLength,
                                     thickness, l.tickLength));
        }
        if (hasBelow(ticks_)) {
            ticks.push_back(oriented(horizontal(), centre, l.crossStart + handleAcross + l.tickGap,
                                     thickness, l.tickLength));
        }
    };
    for (int64_t v = minimum_; v < maximum_; v += interval) {
        addAt(static_cast<int32_t>(v));
    }
    addAt(maximum_);
    return ticks;
}

int32_t UISlider::valueAt(Point local) const {
    const Layout l = layout();
    const int32_t handleAlong = horizontal() ? l.handle.width : l.handle.height;
    int32_t offset = (horizontal() ? local.x : local.y) - handleAlong / 2;
    if (!horizontal()) {
        offset = l.travel - offset;
    }
    if (l.travel <= 0) {
        return value_;
    }
    const int64_t range = int64_t(maximum_) - minimum_;
    const int64_t value = minimum_ + divideRounded(int64_t(offset) * range, l.travel);
    return static_cast<int32_t>(std::clamp<int64_t>(value, minimum_, maximum_));
}

Size UISlider::sizeHint() const {
    const Size handle = handleSize();
    const int32_t along = std::max(px(120), 3 * (horizontal() ? handle.width : handle.height));
    return horizontal() ? Size{along, crossExtent()} : Size{crossExtent(), along};
}

Size UISlider::minimumSizeHint() const {
    const Size handle = handleSize();
    const int32_t along = 2 * (horizontal() ? handle.width : handle.height);
    return horizontal() ? Size{along, crossExtent()} : Size{crossExtent(), along};
}

// --- Look ---

int32_t UISlider::handleFrame() const {
    if (!isEnabled()) {
        return HandleDisabled;
    }
    if (grip_ >= 0) {
        return HandlePressed;
    }
    return handleHovered_ ? HandleHovered : HandleNormal;
}

void UISlider::paint(UIPainter& painter) {
    const bool enabled = isEnabled();
    const Rect track = trackRect();
    if (const Skin* skin = horizontal() ? horizontalBackground_ : verticalBackground_) {
        drawSkin(painter, skin, enabled ? TrackNormal : TrackDisabled, track);
    } else {
        painter.fillRoundedRect(track, std::min(track.width, track.height) / 2,
                                enabled ? kTrack : kTrackDisabled);
    }
    const Skin* thick = horizontal() ? horizontalThick_ : verticalThick_;
    for (const Rect& tick : tickRects()) {
        if (alphaOf(thickColor_) != 0) {
            painter.fillRect(tick, thickColor_);
        } else if (thick) {
            drawSkin(painter, thick, 0, tick);
        } else {
            painter.fillRect(tick, kTick);
        }
    }
    const Rect handle = handleRect();
    const int32_t round = std::min(handle.width, handle.height) / 2;
    if (const Skin* skin = handleSkin()) {
        drawSkin(painter, skin, handleFrame(), handle);
    } else {
        const int32_t frame = handleFrame();
        const Color fill = frame == HandleDisabled  ? rgb(90, 90, 90)
                           : frame == HandlePressed ? theme::kAccent
                           : frame == HandleHovered ? rgb(255, 255, 255)
                                                    : rgb(224, 224, 224);
        painter.fillRoundedRect(handle, round, fill);
        painter.drawRoundedRect(handle, round, kHandleOutline, 1);
    }
    if (showsFocus()) {
        const int32_t grow = px(2);
        drawFocusRing(painter, shrink(handle, Margins{-grow, -grow, -grow, -grow}), round + grow);
    }
}

void UISlider::setProperty(WideStringView name, WideStringView value) {
    if (name == u"thickColor") {
        thickColor_ = parseStyleColor(value);
    } else if (name == u"thickLength") {
        thickLength_ = std::max(0, parseStyleInteger(value));
    } else if (name == u"trackThickness") {
        trackThickness_ = std::max(0, parseStyleInteger(value));
    } else if (name == u"handleHorizontalSize") {
        handleHorizontalSize_ = parseStyleSize(value);
    } else if (name == u"handleVerticalSize") {
        handleVerticalSize_ = parseStyleSize(value);
    } else {
        return;
    }
    updateGeometry();
    update();
}

void UISlider::bindSkin(WideStringView name, const Skin& skin) {
    const std::pair<WideStringView, const Skin**> slots[] = {
        {u"UISlider_HorizontalBackground", &horizontalBackground_},
        {u"UISlider_VerticalBackground", &verticalBackground_},
        {u"UISlider_HorizontalThick", &horizontalThick_},
        {u"UISlider_VerticalThick", &verticalThick_},
        {u"UISlider_Handle", &handle_},
        {u"UISlider_HandleTop", &handleTop_},
        {u"UISlider_HandleBottom", &handleBottom_},
        {u"UISlider_HandleLeft", &handleLeft_},
        {u"UISlider_HandleRight", &handleRight_},
        {u"UISlider_HandleTopAndBottom", &handleTopAndBottom_},
        {u"UISlider_HandleLeftAndRight", &handleLeftAndRight_},
    };
    for (const auto& [skinName, slot] : slots) {
        if (name == skinName) {
            *slot = &skin;
            return;
        }
    }
}

// --- Mouse ---

bool UISlider::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    const Rect handle = handleRect();
    if (handle.contains(event.position.x, event.position.y)) {
        grip_ = horizontal() ? event.position.x - handle.x : event.position.y - handle.y;
        valueBeforeDrag_ = value_;
        update();
        return true;
    }
    pageTarget_ = valueAt(event.position);
    pageDirection_ = pageTarget_ > value_ ? 1 : pageTarget_ < value_ ? -1 : 0;
    pageOnce();
    if (pageDirection_ != 0) {
        StartTimer(this, kRepeatDelayTimer, kSliderRepeatDelayMs);
    }
    return true;
}

void UISlider::pageOnce() {
    const bool reached = pageDirection_ == 0 || (pageDirection_ > 0 && value_ >= pageTarget_) ||
                         (pageDirection_ < 0 && value_ <= pageTarget_);
    if (reached) {
        stopPaging();
        return;
    }
    // Stops under the mouse rather than jumping past it.
    const int64_t next = int64_t(value_) + int64_t(pageDirection_) * pageStep_;
    setValue(static_cast<int32_t>(pageDirection_ > 0 ? std::min<int64_t>(next, pageTarget_)
                                                     : std::max<int64_t>(next, pageTarget_)));
}

void UISlider::stopPaging() {
    pageDirection_ = 0;
    StopTimer(this, kRepeatDelayTimer);
    StopTimer(this, kRepeatTimer);
}

void UISlider::OnTimer(int32_t identifier) {
    if (identifier == kRepeatDelayTimer) {
        StopTimer(this, kRepeatDelayTimer);
        if (pageDirection_ != 0) {
            StartTimer(this, kRepeatTimer, kSliderRepeatIntervalMs);
            pageOnce();
        }
    } else if (identifier == kRepeatTimer) {
        pageOnce();
    }
}

bool UISlider::onMouseMove(const MouseEvent& event) {
    if (grip_ >= 0) {
        const Layout l = layout();
        const int32_t handleAlong = horizontal() ? l.handle.width : l.handle.height;
        const int32_t leading = (horizontal() ? event.position.x : event.position.y) - grip_;
        Point centre = horizontal() ? Point{leading + handleAlong / 2, 0}
                                    : Point{0, leading + handleAlong / 2};
        setValue(valueAt(centre));
        return true;
    }
    if (pageDirection_ != 0) {
        pageTarget_ = valueAt(event.position);
        return true;
    }
    const bool over = handleRect().contains(event.position.x, event.position.y);
    if (over != handleHovered_) {
        handleHovered_ = over;
        update();
    }
    return false;
}

bool UISlider::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    grip_ = -1;
    stopPaging();
    handleHovered_ = handleRect().contains(event.position.x, event.position.y);
    update();
    return true;
}

void UISlider::onCaptureLost() {
    grip_ = -1;
    stopPaging();
    update();
}

void UISlider::onMouseLeave() {
    if (handleHovered_) {
        handleHovered_ = false;
        update();
    }
}

bool UISlider::onWheel(const WheelEvent& event) {
    // Up and right are larger values; partial notches of fine wheels add up.
    wheelRest_ += event.delta;
    const int32_t notches = wheelRest_ / 120;
    wheelRest_ -= notches * 120;
    if (notches != 0) {
        setValue(static_cast<int32_t>(std::clamp<int64_t>(
            int64_t(value_) + int64_t(notches) * singleStep_, minimum_, maximum_)));
    }
    return true;
}

// --- Keyboard ---

bool UISlider::onKeyPress(const KeyEvent& event) {
    if (event.key == KeyEscape && grip_ >= 0) {
        // Gives up the drag: the value it started from comes back.
        grip_ = -1;
        setValue(valueBeforeDrag_);
        update();
        return true;
    }
    if (event.modifiers != 0) {
        return false;
    }
    int64_t target = value_;
    switch (event.key) {
    case KeyRight:
    case KeyUp:
        target += singleStep_;
        break;
    case KeyLeft:
    case KeyDown:
        target -= singleStep_;
        break;
    case KeyPageUp:
        target += pageStep_;
        break;
    case KeyPageDown:
        target -= pageStep_;
        break;
    case KeyHome:
        target = minimum_;
        break;
    case KeyEnd:
        target = maximum_;
        break;
    default:
        return false;
    }
    setValue(static_cast<int32_t>(std::clamp<int64_t>(target, minimum_, maximum_)));
    return true;
}

} // namespace fw
