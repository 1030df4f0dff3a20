#include "ui/UIBox.h"

#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"

namespace fw {

UIBox::UIBox() : UIWidget(u"UIBox"), background_(Paint::solid(kTransparentColor)) {}

UIBox::UIBox(Direction direction) : UIBox() {
    setBoxLayout(direction);
}

UIBoxLayout* UIBox::setBoxLayout(Direction direction) {
    auto layout = std::make_unique<UIBoxLayout>(direction);
    UIBoxLayout* made = layout.get();
    setLayout(std::move(layout));
    return made;
}

UIBoxLayout* UIBox::boxLayout() const {
    return dynamic_cast<UIBoxLayout*>(layout());
}

void UIBox::paint(UIPainter& painter) {
    if (background_.isVisible()) {
        painter.fillPaint(rect(), background_);
    }
}

void UIBox::setProperty(WideStringView name, WideStringView value) {
    if (name == u"background") {
        background_ = parseStyleBackground(value);
        update();
    }
}

UISpacer::UISpacer(Size logical, SizePolicy horizontal, SizePolicy vertical)
    : UIWidget(u"UISpacer"), logical_(logical) {
    setSizePolicy(horizontal, vertical);
}

std::unique_ptr<UISpacer> UISpacer::stretch(Direction direction) {
    const bool horizontal = direction == Direction::Horizontal;
    return std::make_unique<UISpacer>(Size{},
                                      horizontal ? SizePolicy::Expanding : SizePolicy::Fixed,
                                      horizontal ? SizePolicy::Fixed : SizePolicy::Expanding);
}

Size UISpacer::sizeHint() const {
    return px(logical_);
}

Size UISpacer::minimumSizeHint() const {
    // A growing spacer gives its space up first.
    return Size{horizontalPolicy() == SizePolicy::Expanding ? 0 : px(logical_.width),
                verticalPolicy() == SizePolicy::Expanding ? 0 : px(logical_.height)};
}

UILine::UILine(Direction direction) : UIWidget(u"UILine"), direction_(Direction::Vertical) {
    setDirection(direction);
}

void UILine::setDirection(Direction direction) {
    if (direction == direction_) {
        return;
    }
    direction_ = direction;
    if (direction == Direction::Horizontal) {
        setSizePolicy(SizePolicy::Expanding, SizePolicy::Fixed);
    } else {
        setSizePolicy(SizePolicy::Fixed, SizePolicy::Expanding);
    }
    update();
}

int32_t UILine::thickness() const {
    Size skin = skinFrameSize(skin_, dpi());
    int32_t across = direction_ == Direction::Horizontal ? skin.height : skin.width;
    return across > 0 ? across : std::max(1, px(1));
}

Size UILine::sizeHint() const {
    return direction_ == Direction::Horizontal ? Size{px(8), thickness()}
                                               : Size{thickness(), px(8)};
}

Rect UILine::lineRect() const {
    const int32_t t = thickness();
    if (direction_ == Direction::Horizontal) {
        return Rect{0, (height() - t) / 2, width(), t};
    }
    return Rect{(width() - t) / 2, 0, t, height()};
}

void UILine::paint(UIPainter& painter) {
    if (skin_) {
        drawSkin(painter, skin_, 0, lineRect());
    } else {
        painter.fillRect(lineRect(), theme::kBorder);
    }
}

void UILine::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UILine_Background") {
        skin_ = &skin;
        updateGeometry();
    }
}

} // namespace fw
