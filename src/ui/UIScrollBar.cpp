#include "ui/UIScrollBar.h"

#include "platform/ScrollSettings.h"
#include "resources/StyleResources.h"
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"

#include <algorithm>
#include <cstdlib>

namespace fw {

namespace {

constexpr const char16_t* kSkinNames[] = {
    u"UIScrollBar_VerticalBackground",
    u"UIScrollBar_HorizontalBackground",
    u"UIScrollBar_VerticalThumbBackground",
    u"UIScrollBar_HorizontalThumbBackground",
    u"UIScrollBar_VerticalThumbGripper",
    u"UIScrollBar_HorizontalThumbGripper",
    u"UIScrollBar_TopArrowBackground",
    u"UIScrollBar_BottomArrowBackground",
    u"UIScrollBar_LeftArrowBackground",
    u"UIScrollBar_RightArrowBackground",
    u"UIScrollBar_ArrowUp",
    u"UIScrollBar_ArrowDown",
    u"UIScrollBar_ArrowLeft",
    u"UIScrollBar_ArrowRight",
};

enum Frame : int32_t { FrameNormal = 0, FrameHovered = 1, FramePressed = 2, FrameDisabled = 3 };

constexpr int32_t kDefaultThickness = 12;
constexpr int32_t kDefaultThumbMinimum = 16;
// How far (logical pixels) the mouse may stray across the bar while dragging
// the thumb before the thumb returns to where the drag began.
constexpr int32_t kSnapBackDistance = 120;
// A glide covers this share of what is left on each tick, and ends after a
// bounded number of ticks however far it goes.
constexpr int32_t kGlidePercent = 45;
constexpr int32_t kGlideMaxTicks = 16;
constexpr int32_t kWheelDelta = 120;

int32_t roundedDivide(int64_t numerator, int64_t denominator) {
    if (denominator == 0) {
        return 0;
    }
    const int64_t half = denominator / 2;
    return static_cast<int32_t>(numerator >= 0 ? (numerator + half) / denominator
                                               : -((-numerator + half) / denominator));
}

} // namespace

UIScrollBar::UIScrollBar(Direction direction) : UIWidget(u"UIScrollBar"), direction_(direction) {
    for (int32_t i = 0; i < SkinSlotCount; ++i) {
        skinNames_[i] = kSkinNames[i];
    }
    background_ = Paint::solid(kTransparentColor);
    setDirection(direction);
}

void UIScrollBar::setDirection(Direction direction) {
    direction_ = direction;
    if (isVertical()) {
        setSizePolicy(SizePolicy::Fixed, SizePolicy::Expanding);
    } else {
        setSizePolicy(SizePolicy::Expanding, SizePolicy::Fixed);
    }
    update();
}

int32_t UIScrollBar::clamp(int32_t value) const {
    return std::clamp(value, minimum_, maximum_);
}

void UIScrollBar::setRange(int32_t minimum, int32_t maximum) {
    maximum = std::max(minimum, maximum);
    if (minimum == minimum_ && maximum == maximum_) {
        return;
    }
    minimum_ = minimum;
    maximum_ = maximum;
    target_ = clamp(target_);
    if (target_ == clamp(value_)) {
        StopTimer(this, kGlideTimer);
    }
    update();
    applyValue(clamp(value_));
}

void UIScrollBar::setPageStep(int32_t step) {
    pageStep_ = std::max(0, step);
    update();
}

void UIScrollBar::setSingleStep(int32_t step) {
    singleStep_ = std::max(1, step);
}

void UIScrollBar::setValue(int32_t value) {
    target_ = clamp(value);
    StopTimer(this, kGlideTimer);
    applyValue(target_);
}

void UIScrollBar::applyValue(int32_t value) {
    if (value == value_) {
        return;
    }
    value_ = value;
    update();
    if (onValueChanged) {
        // The handler may remove this bar with its owner.
        auto changed = onValueChanged;
        changed(value);
    }
}

void UIScrollBar::scrollTo(int32_t value) {
    value = clamp(value);
    if (!smooth_) {
        setValue(value);
        return;
    }
    target_ = value;
    glideTicks_ = 0;
    if (target_ == value_) {
        StopTimer(this, kGlideTimer);
        return;
    }
    StartTimer(this, kGlideTimer, kGlideIntervalMs);
}

void UIScrollBar::scrollBy(int32_t delta) {
    scrollTo(
        static_cast<int32_t>(std::clamp<int64_t>(int64_t(target_) + delta, minimum_, maximum_)));
}

void UIScrollBar::setSmoothScrolling(bool smooth) {
    smooth_ = smooth;
    if (!smooth_ && target_ != value_) {
        setValue(target_);
    }
}

int32_t UIScrollBar::thickness() const {
    if (thicknessProperty_ > 0) {
        return px(thicknessProperty_);
    }
    const Size frame =
        skinFrameSize(skin(isVertical() ? VerticalBackground : HorizontalBackground), dpi());
    const int32_t breadth = isVertical() ? frame.width : frame.height;
    return breadth > 0 ? breadth : px(kDefaultThickness);
}

int32_t UIScrollBar::thumbMinimumLength() const {
    if (thumbMinimumProperty_ > 0) {
        return px(thumbMinimumProperty_);
    }
    // Never shorter than the thumb skin's fixed ends.
    int32_t ends = 0;
    if (const Skin* thumb =
            skin(isVertical() ? VerticalThumbBackground : HorizontalThumbBackground);
        thumb && thumb->isSliced()) {
        const SkinSlices& s = thumb->slices();
        ends = px(isVertical() ? s.r0 + s.r2 : s.c0 + s.c2);
    }
    return std::max(px(kDefaultThumbMinimum), ends);
}

UIScrollBar::Track UIScrollBar::track() const {
    const int32_t total = length();
    Track t;
    t.arrowLength = std::min(thickness(), total / 2);
    t.start = t.arrowLength;
    t.length = std::max(0, total - 2 * t.arrowLength);
    return t;
}

std::pair<int32_t, int32_t> UIScrollBar::thumbSpan(int32_t value) const {
    const Track t = track();
    const int32_t minimumLength = thumbMinimumLength();
    if (!hasRange() || t.length < minimumLength || t.length <= 0) {
        return {t.start, 0};
    }
    const int64_t range = int64_t(maximum_) - minimum_;
    int64_t size = int64_t(t.length) * pageStep_ / (range + pageStep_);
    size = std::clamp<int64_t>(size, minimumLength, t.length);
    const int64_t space = t.length - size;
    const int32_t offset = roundedDivide((int64_t(value) - minimum_) * space, range);
    return {t.start + offset, static_cast<int32_t>(size)};
}

int32_t UIScrollBar::valueForThumbStart(int32_t thumbStart) const {
    const Track t = track();
    const auto [start, size] = thumbSpan(value_);
    (void)start;
    const int32_t space = t.length - size;
    if (size == 0 || space <= 0) {
        return minimum_;
    }
    const int32_t offset = std::clamp(thumbStart - t.start, 0, space);
    return clamp(minimum_ + roundedDivide(int64_t(offset) * (int64_t(maximum_) - minimum_), space));
}

Rect UIScrollBar::alongRect(int32_t start, int32_t size) const {
    if (size <= 0) {
        return Rect{};
    }
    return isVertical() ? Rect{0, start, width(), size} : Rect{start, 0, size, height()};
}

Rect UIScrollBar::partRect(Part part) const {
    const Track t = track();
    const auto [thumbStart, thumbLength] = thumbSpan(value_);
    switch (part) {
    case Part::DecreaseArrow:
        return alongRect(0, t.arrowLength);
    case Part::IncreaseArrow:
        return alongRect(length() - t.arrowLength, t.arrowLength);
    case Part::DecreaseTrack:
        return thumbLength ? alongRect(t.start, thumbStart - t.start) : Rect{};
    case Part::IncreaseTrack:
        return thumbLength ? alongRect(thumbStart + thumbLength,
                                       t.start + t.length - thumbStart - thumbLength)
                           : Rect{};
    case Part::Thumb:
        return alongRect(thumbStart, thumbLength);
    case Part::None:
        break;
    }
    return Rect{};
}

UIScrollBar::Part UIScrollBar::partAtFor(Point local, int32_t value) const {
    if (!rect().contains(local.x, local.y) || !hasRange()) {
        return Part::None;
    }
    const Track t = track();
    const int32_t a = along(local);
    if (a < t.arrowLength) {
        return Part::DecreaseArrow;
    }
    if (a >= length() - t.arrowLength) {
        return Part::IncreaseArrow;
    }
    const auto [thumbStart, thumbLength] = thumbSpan(value);
    if (thumbLength == 0) {
        return Part::None;
    }
    if (a < thumbStart) {
        return Part::DecreaseTrack;
    }
    return a < thumbStart + thumbLength ? Part::Thumb : Part::IncreaseTrack;
}

UIScrollBar::Part UIScrollBar::partAt(Point local) const {
    return partAtFor(local, value_);
}

bool UIScrollBar::replaceSkin(WideStringView skinName, WideString replacement) {
    for (int32_t i = 0; i < SkinSlotCount; ++i) {
        if (skinName != kSkinNames[i]) {
            continue;
        }
        if (const StyleResources* style = currentStyleResources()) {
            if (const Skin* found = style->skin(replacement)) {
                skins_[i] = found;
            }
        }
        skinNames_[i] = std::move(replacement);
        updateGeometry();
        update();
        return true;
    }
    return false;
}

bool UIScrollBar::scrollByWheel(int32_t delta, bool verticalWheel) {
    const int32_t lines = os::wheelScrollLines();
    if (!hasRange() || lines == 0 || delta == 0) {
        return false;
    }
    int32_t perNotch = lines == os::kWheelScrollsPage ? pageStep_ : lines * singleStep_;
    if (pageStep_ > 0) {
        perNotch = std::min(perNotch, pageStep_);
    }
    // A vertical wheel turned away from the user goes up (or left); a
    // horizontal wheel tilted right goes right.
    const int32_t direction = verticalWheel ? -1 : 1;
    const int32_t sign = delta * direction > 0 ? 1 : -1;
    if ((sign < 0 && target_ <= minimum_) || (sign > 0 && target_ >= maximum_)) {
        wheelRemainder_ = 0;
        return false;
    }
    // Fine wheels send parts of a notch: what does not make a pixel yet is kept.
    const int64_t amount = int64_t(delta) * direction * perNotch + wheelRemainder_;
    wheelRemainder_ = static_cast<int32_t>(amount % kWheelDelta);
    scrollBy(static_cast<int32_t>(amount / kWheelDelta));
    return true;
}

Size UIScrollBar::sizeHint() const {
    const int32_t breadth = thickness();
    const int32_t lengthHint = 2 * breadth + thumbMinimumLength() * 2;
    return isVertical() ? Size{breadth, lengthHint} : Size{lengthHint, breadth};
}

Size UIScrollBar::minimumSizeHint() const {
    const int32_t breadth = thickness();
    return isVertical() ? Size{breadth, 2 * breadth} : Size{2 * breadth, breadth};
}

int32_t UIScrollBar::frameFor(Part part) const {
    if (!isEnabled() || !hasRange()) {
        return FrameDisabled;
    }
    if (pressed_ == part) {
        if (part == Part::Thumb || partAtFor(mouse_, target_) == part) {
            return FramePressed;
        }
        return FrameHovered;
    }
    return hovered_ == part && pressed_ == Part::None ? FrameHovered : FrameNormal;
}

void UIScrollBar::paintArrow(UIPainter& painter, Part part) const {
    const Rect r = partRect(part);
    if (r.isEmpty()) {
        return;
    }
    const bool decrease = part == Part::DecreaseArrow;
    const SkinSlot back = isVertical() ? (decrease ? TopArrowBackground : BottomArrowBackground)
                                       : (decrease ? LeftArrowBackground : RightArrowBackground);
    const SkinSlot glyph =
        isVertical() ? (decrease ? ArrowUp : ArrowDown) : (decrease ? ArrowLeft : ArrowRight);
    const int32_t frame = frameFor(part);
    drawSkin(painter, skin(back), frame, r);
    // A glyph larger than a thin replacement button is drawn smaller, centred.
    Size glyphSize = skinFrameSize(skin(glyph), painter.dpi());
    const int32_t side = std::min({glyphSize.width, glyphSize.height, r.width, r.height});
    if (side > 0) {
        drawSkin(painter, skin(glyph), frame, alignedRect(r, Size{side, side}, AlignCenter));
    }
}

void UIScrollBar::paintThumb(UIPainter& painter) const {
    const Rect r = partRect(Part::Thumb);
    if (r.isEmpty()) {
        return;
    }
    const int32_t frame = frameFor(Part::Thumb);
    drawSkin(painter, skin(isVertical() ? VerticalThumbBackground : HorizontalThumbBackground),
             frame, r);
    const Skin* gripper = skin(isVertical() ? VerticalThumbGripper : HorizontalThumbGripper);
    const Size grip = skinFrameSize(gripper, painter.dpi());
    const int32_t room = isVertical() ? r.height - grip.height : r.width - grip.width;
    if (gripper && room >= px(8) && frame != FrameDisabled) {
        // The gripper has normal, hovered and pressed frames.
        drawSkinAligned(painter, gripper, std::min(frame, int32_t(FramePressed)), r, AlignCenter);
    }
}

void UIScrollBar::paint(UIPainter& painter) {
    const Rect area = rect();
    if (background_.isVisible()) {
        painter.fillPaint(area, background_);
    }
    drawSkin(painter, skin(isVertical() ? VerticalBackground : HorizontalBackground), 0, area);
    paintArrow(painter, Part::DecreaseArrow);
    paintArrow(painter, Part::IncreaseArrow);
    paintThumb(painter);
    if (showsFocus()) {
        const Rect thumb = partRect(Part::Thumb);
        drawFocusRing(painter, thumb.isEmpty() ? area : thumb, px(2));
    }
}

void UIScrollBar::setProperty(WideStringView name, WideStringView value) {
    if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else if (name == u"thickness") {
        thicknessProperty_ = std::max(0, parseStyleInteger(value));
        updateGeometry();
    } else if (name == u"thumbMinimumLength") {
        thumbMinimumProperty_ = std::max(0, parseStyleInteger(value));
    } else {
        return;
    }
    update();
}

void UIScrollBar::bindSkin(WideStringView name, const Skin& skin) {
    bool bound = false;
    for (int32_t i = 0; i < SkinSlotCount; ++i) {
        if (skinNames_[i] == name) {
            skins_[i] = &skin;
            bound = true;
        }
    }
    if (bound) {
        updateGeometry();
        update();
    }
}

void UIScrollBar::stepPressedPart() {
    // A held track pages only while the mouse is beyond the thumb on the side
    // it was pressed, so that the thumb stops under the mouse.
    if (partAtFor(mouse_, target_) != pressed_) {
        return;
    }
    switch (pressed_) {
    case Part::DecreaseArrow:
        scrollBy(-singleStep_);
        break;
    case Part::IncreaseArrow:
        scrollBy(singleStep_);
        break;
    case Part::DecreaseTrack:
        scrollBy(-pageStep_);
        break;
    case Part::IncreaseTrack:
        scrollBy(pageStep_);
        break;
    default:
        break;
    }
}

void UIScrollBar::stopPressing() {
    pressed_ = Part::None;
    StopTimer(this, kRepeatTimer);
    update();
}

void UIScrollBar::dragThumbTo(Point local) {
    const int32_t snap = px(kSnapBackDistance);
    const int32_t a = across(local);
    const int32_t breadth = isVertical() ? width() : height();
    if (a < -snap || a >= breadth + snap) {
        setValue(dragStartValue_);
        return;
    }
    setValue(valueForThumbStart(along(local) - dragOffset_));
}

bool UIScrollBar::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    const Part part = partAt(event.position);
    if (part == Part::None) {
        return false;
    }
    pressed_ = part;
    mouse_ = event.position;
    if (part == Part::Thumb) {
        setValue(value_);
        dragStartValue_ = value_;
        dragOffset_ = along(event.position) - thumbSpan(value_).first;
    } else {
        stepPressedPart();
        repeating_ = false;
        StopTimer(this, kRepeatTimer);
        StartTimer(this, kRepeatTimer, kRepeatDelayMs);
    }
    update();
    return true;
}

bool UIScrollBar::onMouseMove(const MouseEvent& event) {
    mouse_ = event.position;
    if (pressed_ == Part::Thumb) {
        dragThumbTo(event.position);
        return true;
    }
    if (pressed_ != Part::None) {
        update();
        return true;
    }
    const Part part = partAt(event.position);
    if (part != hovered_) {
        hovered_ = part;
        update();
    }
    return false;
}

bool UIScrollBar::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft || pressed_ == Part::None) {
        return false;
    }
    stopPressing();
    hovered_ = partAt(event.position);
    return true;
}

bool UIScrollBar::onWheel(const WheelEvent& event) {
    if (isVertical() && !event.vertical) {
        return false;
    }
    return scrollByWheel(event.delta, event.vertical);
}

bool UIScrollBar::onKeyPress(const KeyEvent& event) {
    if (!hasRange() || (event.modifiers & (ModifierAlt | ModifierControl))) {
        return false;
    }
    switch (event.key) {
    case KeyUp:
    case KeyLeft:
        scrollBy(-singleStep_);
        return true;
    case KeyDown:
    case KeyRight:
        scrollBy(singleStep_);
        return true;
    case KeyPageUp:
        scrollBy(-pageStep_);
        return true;
    case KeyPageDown:
        scrollBy(pageStep_);
        return true;
    case KeyHome:
        scrollTo(minimum_);
        return true;
    case KeyEnd:
        scrollTo(maximum_);
        return true;
    default:
        return false;
    }
}

void UIScrollBar::onMouseLeave() {
    if (hovered_ != Part::None) {
        hovered_ = Part::None;
        update();
    }
}

void UIScrollBar::onCaptureLost() {
    stopPressing();
}

void UIScrollBar::onStateChanged() {
    if (!isEnabled() || !isVisible()) {
        stopPressing();
        hovered_ = Part::None;
    }
    update();
}

void UIScrollBar::OnTimer(int32_t identifier) {
    if (identifier == kRepeatTimer) {
        if (pressed_ == Part::None || pressed_ == Part::Thumb) {
            StopTimer(this, kRepeatTimer);
            return;
        }
        if (!repeating_) {
            // After the first delay the repeats come faster.
            repeating_ = true;
            StopTimer(this, kRepeatTimer);
            StartTimer(this, kRepeatTimer, kRepeatIntervalMs);
        }
        stepPressedPart();
        return;
    }
    if (identifier == kGlideTimer) {
        const int32_t left = target_ - value_;
        ++glideTicks_;
        if (std::abs(left) <= 1 || glideTicks_ >= kGlideMaxTicks) {
            StopTimer(this, kGlideTimer);
            applyValue(target_);
            return;
        }
        int32_t step = roundedDivide(int64_t(left) * kGlidePercent, 100);
        if (step == 0) {
            step = left > 0 ? 1 : -1;
        }
        applyValue(value_ + step);
    }
}

} // namespace fw
