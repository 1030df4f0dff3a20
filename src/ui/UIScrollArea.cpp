#include "ui/UIScrollArea.h"

#include "ui/TextStyle.h"
#include "ui/UIPainter.h"
#include "ui/UIScrollBar.h"

#include <algorithm>

namespace fw {

namespace {

// Arrow keys and arrow buttons move this far (logical pixels).
constexpr int32_t kLineStep = 20;
// What ensureWidgetVisible leaves around the widget.
constexpr int32_t kVisibleMargin = 8;

} // namespace

UIScrollAreaPart::UIScrollAreaPart(WideString className) : UIWidget(std::move(className)) {
    background_ = Paint::solid(kTransparentColor);
}

void UIScrollAreaPart::paint(UIPainter& painter) {
    if (background_.isVisible()) {
        painter.fillPaint(rect(), background_);
    }
}

void UIScrollAreaPart::setProperty(WideStringView name, WideStringView value) {
    if (name == u"background") {
        background_ = parseStyleBackground(value);
        update();
    }
}

UIScrollArea::UIScrollArea() : UIWidget(u"UIScrollArea") {
    setFocusPolicy(FocusPolicy::Strong);
    setSizePolicy(SizePolicy::Expanding, SizePolicy::Expanding);
    background_ = Paint::solid(kTransparentColor);
    viewport_ = add<UIScrollAreaViewport>();
    horizontal_ = add<UIScrollBar>(Direction::Horizontal);
    vertical_ = add<UIScrollBar>(Direction::Vertical);
    corner_ = add<UIScrollAreaCorner>();
    for (UIScrollBar* bar : {horizontal_, vertical_}) {
        bar->setSmoothScrolling(true);
        bar->hide();
        bar->onValueChanged = [this](int32_t) { placeContent(); };
    }
    corner_->hide();
}

UIWidget* UIScrollArea::setWidget(std::unique_ptr<UIWidget> content) {
    if (content_) {
        viewport_->takeChild(content_);
    }
    content_ = content ? viewport_->addChild(std::move(content)) : nullptr;
    horizontal_->setValue(0);
    vertical_->setValue(0);
    arrange();
    return content_;
}

std::unique_ptr<UIWidget> UIScrollArea::takeWidget() {
    if (!content_) {
        return nullptr;
    }
    std::unique_ptr<UIWidget> taken = viewport_->takeChild(content_);
    content_ = nullptr;
    arrange();
    return taken;
}

void UIScrollArea::setWidgetResizable(bool resizable) {
    resizable_ = resizable;
    arrange();
}

void UIScrollArea::setScrollBarPolicy(Direction direction, ScrollBarPolicy policy) {
    (direction == Direction::Horizontal ? horizontalPolicy_ : verticalPolicy_) = policy;
    arrange();
}

void UIScrollArea::updateContent() {
    arrange();
}

Size UIScrollArea::contentSize(Size viewportSize) const {
    if (!content_) {
        return Size{};
    }
    const Size hint = content_->effectiveSizeHint();
    if (!resizable_) {
        return hint;
    }
    // Resizable content narrows down to its minimum before a bar appears.
    const Size minimum = content_->effectiveMinimumSize();
    return Size{std::max(viewportSize.width, minimum.width),
                std::max(viewportSize.height, hint.height)};
}

void UIScrollArea::arrange() {
    const Rect area = rect();
    const int32_t barWidth = vertical_->thickness();
    const int32_t barHeight = horizontal_->thickness();
    auto needed = [](ScrollBarPolicy policy, int32_t content, int32_t room) {
        return policy == ScrollBarPolicy::AlwaysOn ||
               (policy == ScrollBarPolicy::AsNeeded && content > room);
    };
    // One bar can make the other needed by taking room; two rounds settle it.
    bool needsVertical = false;
    bool needsHorizontal = false;
    for (int round = 0; round < 2; ++round) {
        const Size room{area.width - (needsVertical ? barWidth : 0),
                        area.height - (needsHorizontal ? barHeight : 0)};
        const Size content = contentSize(Size{std::max(0, room.width), std::max(0, room.height)});
        needsVertical = needed(verticalPolicy_, content.height, room.height);
        needsHorizontal = needed(horizontalPolicy_, content.width, room.width);
    }
    const Size view{std::max(0, area.width - (needsVertical ? barWidth : 0)),
                    std::max(0, area.height - (needsHorizontal ? barHeight : 0))};
    const Size content = contentSize(view);
    viewport_->setGeometry(Rect{0, 0, view.width, view.height});
    vertical_->setGeometry(Rect{view.width, 0, barWidth, view.height});
    horizontal_->setGeometry(Rect{0, view.height, view.width, barHeight});
    corner_->setGeometry(Rect{view.width, view.height, barWidth, barHeight});
    vertical_->setVisible(needsVertical);
    horizontal_->setVisible(needsHorizontal);
    corner_->setVisible(needsVertical && needsHorizontal);
    vertical_->setPageStep(view.height);
    horizontal_->setPageStep(view.width);
    vertical_->setSingleStep(px(kLineStep));
    horizontal_->setSingleStep(px(kLineStep));
    vertical_->setRange(0, std::max(0, content.height - view.height));
    horizontal_->setRange(0, std::max(0, content.width - view.width));
    if (content_) {
        content_->setGeometry(
            Rect{-horizontal_->value(), -vertical_->value(), content.width, content.height});
    }
}

void UIScrollArea::placeContent() {
    if (!content_) {
        return;
    }
    const Rect r = content_->geometry();
    content_->setGeometry(Rect{-horizontal_->value(), -vertical_->value(), r.width, r.height});
}

Point UIScrollArea::scrollPosition() const {
    return Point{horizontal_->value(), vertical_->value()};
}

void UIScrollArea::setScrollPosition(Point position) {
    horizontal_->setValue(position.x);
    vertical_->setValue(position.y);
}

void UIScrollArea::scrollToVisible(const Rect& contentRect) {
    auto wanted = [](int32_t start, int32_t length, int32_t top, int32_t room) {
        if (start < top || length > room) {
            return start;
        }
        if (start + length > top + room) {
            return start + length - room;
        }
        return top;
    };
    horizontal_->scrollTo(
        wanted(contentRect.x, contentRect.width, horizontal_->targetValue(), viewport_->width()));
    vertical_->scrollTo(
        wanted(contentRect.y, contentRect.height, vertical_->targetValue(), viewport_->height()));
}

void UIScrollArea::ensureWidgetVisible(const UIWidget* descendant) {
    if (!content_ || !descendant ||
        (descendant != content_ && !content_->isAncestorOf(descendant))) {
        return;
    }
    const Point at = descendant->mapToWindow(Point{});
    const Point origin = content_->mapToWindow(Point{});
    const int32_t m = px(kVisibleMargin);
    scrollToVisible(Rect{at.x - origin.x - m, at.y - origin.y - m, descendant->width() + 2 * m,
                         descendant->height() + 2 * m});
}

Size UIScrollArea::sizeHint() const {
    // The content's own size, within reason; beyond it the area scrolls.
    const Size hint = content_ ? content_->effectiveSizeHint() : Size{};
    return Size{std::min(hint.width + vertical_->thickness(), px(480)),
                std::min(hint.height + horizontal_->thickness(), px(360))};
}

Size UIScrollArea::minimumSizeHint() const {
    const int32_t side = 3 * std::max(vertical_->thickness(), horizontal_->thickness());
    return Size{side, side};
}

void UIScrollArea::paint(UIPainter& painter) {
    if (background_.isVisible()) {
        painter.fillPaint(rect(), background_);
    }
}

void UIScrollArea::paintOver(UIPainter& painter) {
    if (showsFocus()) {
        drawFocusRing(painter, shrink(viewport_->geometry(), Margins{1, 1, 1, 1}), px(3));
    }
}

void UIScrollArea::setProperty(WideStringView name, WideStringView value) {
    if (name == u"background") {
        background_ = parseStyleBackground(value);
        update();
    }
}

bool UIScrollArea::onWheel(const WheelEvent& event) {
    if (event.modifiers & ModifierControl) {
        return false;
    }
    // Shift turns the wheel sideways, and so does a content that only scrolls sideways.
    const bool sideways = !event.vertical || (event.modifiers & ModifierShift) ||
                          (!vertical_->hasRange() && horizontal_->hasRange());
    if (sideways) {
        return horizontal_->scrollByWheel(event.delta, event.vertical);
    }
    return vertical_->scrollByWheel(event.delta, true);
}

bool UIScrollArea::onKeyPress(const KeyEvent& event) {
    if (event.modifiers & ~uint32_t(ModifierControl)) {
        return false;
    }
    switch (event.key) {
    case KeyUp:
        vertical_->scrollBy(-vertical_->singleStep());
        return vertical_->hasRange();
    case KeyDown:
        vertical_->scrollBy(vertical_->singleStep());
        return vertical_->hasRange();
    case KeyLeft:
        horizontal_->scrollBy(-horizontal_->singleStep());
        return horizontal_->hasRange();
    case KeyRight:
        horizontal_->scrollBy(horizontal_->singleStep());
        return horizontal_->hasRange();
    case KeyPageUp:
        vertical_->scrollBy(-vertical_->pageStep());
        return vertical_->hasRange();
    case KeyPageDown:
        vertical_->scrollBy(vertical_->pageStep());
        return vertical_->hasRange();
    case KeyHome:
        vertical_->scrollTo(vertical_->minimum());
        horizontal_->scrollTo(horizontal_->minimum());
        return vertical_->hasRange() || horizontal_->hasRange();
    case KeyEnd:
        vertical_->scrollTo(vertical_->maximum());
        return vertical_->hasRange();
    default:
        return false;
    }
}

void UIScrollArea::onResize() {
    arrange();
}

void UIScrollArea::onDpiChanged() {
    UIWidget::onDpiChanged();
    arrange();
}

} // namespace fw
