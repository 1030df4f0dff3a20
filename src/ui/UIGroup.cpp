#include "ui/UIGroup.h"

#include "ui/ScaledArt.h"
#include "ui/TextLayout.h"

#include <algorithm>

namespace fw {

namespace {

enum IndicatorState : int32_t { StateNormal = 0, StateHovered, StatePressed, StateDisabled };

// The frame's corner radius when the style has no frame skin.
constexpr int32_t kFrameRadius = 4;

} // namespace

// Puts the contents inside the frame, under the title row.
class UIGroup::GroupLayout : public UILayout {
public:
    explicit GroupLayout(const UIGroup& group) : group_(group) {}

    Size sizeHint() const override { return around(group_.contents_->effectiveSizeHint()); }
    Size minimumSize() const override { return around(group_.contents_->effectiveMinimumSize()); }
    void arrange(const Rect& area) override {
        const int32_t top = group_.headerHeight();
        group_.contents_->setGeometry(
            Rect{area.x, area.y + top, area.width, std::max(0, area.height - top)});
    }

private:
    Size around(Size contents) const {
        const int32_t header = group_.headerContentWidth();
        const int32_t titleWidth = header > 0 ? header + 2 * group_.titleInset() : 0;
        return Size{std::max(contents.width, titleWidth), contents.height + group_.headerHeight()};
    }

    const UIGroup& group_;
};

UIGroup::UIGroup(WideString title)
    : UIWidget(u"UIGroup"), title_(std::move(title)), background_(Paint::solid(kTransparentColor)) {
    contents_ = add<UIBox>();
    setLayout(std::make_unique<GroupLayout>(*this));
}

void UIGroup::setTitle(WideString title) {
    title_ = std::move(title);
    updateGeometry();
    update();
}

void UIGroup::setCheckable(bool checkable) {
    checkable_ = checkable;
    setFocusPolicy(checkable ? FocusPolicy::Strong : FocusPolicy::None);
    contents_->setEnabled(!checkable || checked_);
    updateGeometry();
    update();
}

void UIGroup::setChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    contents_->setEnabled(!checkable_ || checked_);
    update();
    if (onToggled) {
        auto toggled = onToggled;
        toggled(checked_);
    }
}

void UIGroup::toggle() {
    if (checkable_ && isEnabled()) {
        setChecked(!checked_);
    }
}

Size UIGroup::indicatorSize() const {
    if (indicatorSizeProperty_.width > 0 && indicatorSizeProperty_.height > 0) {
        return px(indicatorSizeProperty_);
    }
    Size skin = skinFrameSize(indicator_, dpi());
    return skin.width > 0 ? skin : px(Size{16, 16});
}

int32_t UIGroup::headerHeight() const {
    if (title_.empty() && !checkable_) {
        return 0;
    }
    int32_t height = fontMetrics(textStyle_.font, dpi()).height;
    if (checkable_) {
        height = std::max(height, indicatorSize().height);
    }
    // Room for the focus ring around the title.
    return height + px(2);
}

int32_t UIGroup::titleInset() const {
    return px(10);
}

int32_t UIGroup::headerContentWidth() const {
    if (headerHeight() == 0) {
        return 0;
    }
    int32_t content = measureText(title_, textStyle_.font, dpi(), TextMnemonic).width;
    if (checkable_) {
        content += indicatorSize().width + (title_.empty() ? 0 : px(indicatorSpacing_));
    }
    return content;
}

Rect UIGroup::headerRect() const {
    const int32_t height = headerHeight();
    if (height == 0) {
        return Rect{};
    }
    const int32_t content = headerContentWidth();
    const int32_t room = std::max(0, width() - 2 * titleInset());
    return Rect{titleInset(), 0, width() > 0 ? std::min(content, room) : content, height};
}

Rect UIGroup::frameRect() const {
    const int32_t top = headerHeight() / 2;
    return Rect{0, top, width(), std::max(0, height() - top)};
}

Rect UIGroup::titleTextRect() const {
    Rect header = headerRect();
    if (!checkable_) {
        return header;
    }
    const int32_t skip = indicatorSize().width + px(indicatorSpacing_);
    return Rect{header.x + skip, header.y, std::max(0, header.width - skip), header.height};
}

int32_t UIGroup::indicatorFrame() const {
    int32_t state = StateNormal;
    if (!isEnabled()) {
        state = StateDisabled;
    } else if (press_.down() && (hot_ || press_.byKey())) {
        state = StatePressed;
    } else if (hot_) {
        state = StateHovered;
    }
    return (checked_ ? 4 : 0) + state;
}

void UIGroup::paintFrame(UIPainter& painter) {
    const Rect frame = frameRect();
    const Rect header = headerRect();
    const int32_t radius = px(kFrameRadius);
    // The top edge is left open where the title sits in it.
    const int32_t line = std::max(1, px(1));
    Rect gap{header.x - px(4), 0, header.width + px(8), frame.y + line};
    if (header.isEmpty()) {
        gap = Rect{};
    }
    const Rect pieces[3] = {Rect{0, 0, gap.x, height()},
                            Rect{gap.right(), 0, std::max(0, width() - gap.right()), height()},
                            Rect{gap.x, gap.bottom(), gap.width, height() - gap.bottom()}};
    for (int32_t i = 0; i < (gap.isEmpty() ? 1 : 3); ++i) {
        painter.save();
        if (!gap.isEmpty()) {
            painter.clipTo(pieces[i]);
        }
        if (background_.isVisible()) {
            const Rect inside = shrink(frame, Margins{line, line, line, line});
            if (background_.kind == PaintKind::Solid) {
                painter.fillRoundedRect(inside, radius, background_.effectiveColor());
            } else {
                painter.fillPaint(shrink(inside, Margins{line, line, line, line}), background_);
            }
        }
        if (frameSkin_) {
            drawSkin(painter, frameSkin_, 0, frame);
        } else {
            painter.drawRoundedRect(frame, radius, theme::kBorder, line);
        }
        painter.restore();
    }
}

void UIGroup::paint(UIPainter& painter) {
    paintFrame(painter);
    const Rect header = headerRect();
    if (header.isEmpty()) {
        return;
    }
    if (checkable_) {
        Size box = indicatorSize();
        Rect at{header.x, header.y + (header.height - box.height) / 2, box.width, box.height};
        if (indicator_) {
            drawSkin(painter, indicator_, indicatorFrame(), at);
        } else {
            painter.drawRoundedRect(at, px(2), theme::kDimText, 1);
            if (checked_) {
                painter.fillRoundedRect(shrink(at, px(Margins{3, 3, 3, 3})), px(1),
                                        isEnabled() ? theme::kAccent : theme::kDisabledText);
            }
        }
    }
    textStyle_.draw(painter, titleTextRect(), title_,
                    AlignLeft | AlignVCenter | TextMnemonic | TextEllipsis, isEnabled());
    if (showsFocus()) {
        drawFocusRing(painter, shrink(header, Margins{-px(2), 0, -px(2), 0}), px(2));
    }
}

void UIGroup::setProperty(WideStringView name, WideStringView value) {
    if (textStyle_.setProperty(name, value)) {
    } else if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else if (name == u"indicatorSize") {
        indicatorSizeProperty_ = parseStyleSize(value);
    } else if (name == u"indicatorSpacing") {
        indicatorSpacing_ = parseStyleInteger(value);
    } else {
        return;
    }
    updateGeometry();
    update();
}

void UIGroup::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIGroup_Background") {
        frameSkin_ = &skin;
    } else if (name == u"UIGroup_Indicator") {
        indicator_ = &skin;
        updateGeometry();
    }
}

bool UIGroup::onMousePress(const MouseEvent& event) {
    if (!checkable_ || event.button != MouseLeft ||
        !headerRect().contains(event.position.x, event.position.y)) {
        return false;
    }
    press_.pressMouse();
    update();
    return true;
}

bool UIGroup::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft || !press_.releaseMouse()) {
        return false;
    }
    update();
    if (headerRect().contains(event.position.x, event.position.y)) {
        toggle();
    }
    return true;
}

bool UIGroup::onMouseMove(const MouseEvent& event) {
    const bool hot = checkable_ && headerRect().contains(event.position.x, event.position.y);
    if (hot != hot_) {
        hot_ = hot;
        update();
    }
    return press_.down();
}

void UIGroup::onMouseLeave() {
    if (hot_) {
        hot_ = false;
        update();
    }
}

bool UIGroup::onKeyPress(const KeyEvent& event) {
    if (!checkable_ || event.key != KeySpace || event.modifiers != 0) {
        return false;
    }
    if (!event.autoRepeat) {
        press_.pressKey();
        update();
    }
    return true;
}

bool UIGroup::onKeyRelease(const KeyEvent& event) {
    if (event.key != KeySpace || !press_.releaseKey()) {
        return false;
    }
    toggle();
    return true;
}

void UIGroup::onCaptureLost() {
    if (press_.loseCapture()) {
        update();
    }
}

void UIGroup::onFocusOut() {
    press_.loseFocus();
    UIWidget::onFocusOut();
}

} // namespace fw
