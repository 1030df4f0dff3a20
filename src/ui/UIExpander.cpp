#include "ui/UIExpander.h"

#include "resources/CursorSet.h"
#include "ui/TextLayout.h"
#include "ui/Triangle.h"
#include "ui/UIWindow.h"

#include <algorithm>

namespace fw {

namespace {

constexpr Color kHoveredHeader = rgb(255, 255, 255);

} // namespace

// The header on top; the contents under it while open.
class UIExpander::ExpanderLayout : public UILayout {
public:
    explicit ExpanderLayout(const UIExpander& expander) : expander_(expander) {}

    Size sizeHint() const override { return around(expander_.contents_->effectiveSizeHint()); }
    Size minimumSize() const override {
        return around(expander_.contents_->effectiveMinimumSize());
    }
    void arrange(const Rect& area) override {
        const int32_t top = expander_.headerHeight() + expander_.contentsSpacing();
        expander_.contents_->setGeometry(
            Rect{area.x, area.y + top, area.width, std::max(0, area.height - top)});
    }

private:
    Size around(Size contents) const {
        Size size{expander_.headerContentWidth(), expander_.headerHeight()};
        if (expander_.expanded_) {
            size.width = std::max(size.width, contents.width);
            size.height += expander_.contentsSpacing() + contents.height;
        }
        return size;
    }

    const UIExpander& expander_;
};

UIExpander::UIExpander(WideString text, bool expanded)
    : UIWidget(u"UIExpander"), text_(std::move(text)), expanded_(expanded) {
    setFocusPolicy(FocusPolicy::Strong);
    contents_ = add<UIBox>();
    contents_->setVisible(expanded_);
    setLayout(std::make_unique<ExpanderLayout>(*this));
}

void UIExpander::setText(WideString text) {
    text_ = std::move(text);
    updateGeometry();
    update();
}

void UIExpander::setExpanded(bool expanded) {
    if (expanded == expanded_) {
        return;
    }
    expanded_ = expanded;
    // Focus inside the closing contents comes back to the header.
    UIWindow* w = window();
    if (!expanded && w && contents_->isAncestorOf(w->focusWidget())) {
        setFocus();
    }
    contents_->setVisible(expanded);
    updateGeometry();
    update();
    if (onToggled) {
        auto toggled = onToggled;
        toggled(expanded_);
    }
}

int32_t UIExpander::headerHeight() const {
    return std::max(fontMetrics(textStyle_.font, dpi()).height, px(16)) + px(4);
}

int32_t UIExpander::contentsSpacing() const {
    return expanded_ ? px(4) : 0;
}

int32_t UIExpander::headerContentWidth() const {
    // The arrow, a gap, the text and the room for the focus ring.
    return px(12) + px(6) + measureText(text_, textStyle_.font, dpi(), TextMnemonic).width + px(4);
}

Rect UIExpander::headerRect() const {
    const int32_t content = headerContentWidth();
    return Rect{0, 0, width() > 0 ? std::min(content, width()) : content, headerHeight()};
}

Rect UIExpander::arrowRect() const {
    const Rect header = headerRect();
    // Right: a narrow upright triangle; down: a wide flat one.
    Size size = expanded_ ? Size{px(9), px(5)} : Size{px(5), px(9)};
    return Rect{px(2) + (px(10) - size.width) / 2, header.y + (header.height - size.height) / 2,
                size.width, size.height};
}

void UIExpander::paint(UIPainter& painter) {
    const Rect header = headerRect();
    const bool hot = (hot_ || down_) && isEnabled();
    const Color arrow = !isEnabled() ? theme::kDisabledText
                        : hot        ? kHoveredHeader
                                     : theme::kDimText;
    fillTriangle(painter, arrowRect(), expanded_ ? Pointing::Down : Pointing::Right, arrow);
    Rect text{px(18), header.y, std::max(0, header.width - px(20)), header.height};
    const Paint foreground = !isEnabled() ? textStyle_.disabledForeground
                             : hot        ? Paint::solid(kHoveredHeader)
                                          : textStyle_.foreground;
    TextStyle::draw(painter, text, text_, textStyle_.font, foreground, textStyle_.shadowForeground,
                    textStyle_.shadowOffset,
                    AlignLeft | AlignVCenter | TextMnemonic | TextEllipsis);
    if (showsFocus()) {
        drawFocusRing(painter, shrink(header, Margins{0, px(1), 0, px(1)}), px(3));
    }
}

bool UIExpander::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft || !headerRect().contains(event.position.x, event.position.y)) {
        return false;
    }
    down_ = true;
    update();
    return true;
}

bool UIExpander::onMouseRelease(const MouseEvent& event) {
    if (!down_ || event.button != MouseLeft) {
        return false;
    }
    down_ = false;
    update();
    if (headerRect().contains(event.position.x, event.position.y)) {
        toggle();
    }
    return true;
}

bool UIExpander::onMouseMove(const MouseEvent& event) {
    const bool hot = headerRect().contains(event.position.x, event.position.y);
    if (hot != hot_) {
        hot_ = hot;
        update();
    }
    return down_;
}

int32_t UIExpander::cursorAt(Point local) const {
    return isEnabled() && headerRect().contains(local.x, local.y) ? CursorHand : CursorArrow;
}

void UIExpander::onMouseLeave() {
    if (hot_) {
        hot_ = false;
        update();
    }
}

bool UIExpander::onKeyPress(const KeyEvent& event) {
    if (event.modifiers != 0) {
        return false;
    }
    switch (event.key) {
    case KeySpace:
    case KeyReturn:
        toggle();
        return true;
    case KeyRight:
        if (expanded_) {
            return false;
        }
        setExpanded(true);
        return true;
    case KeyLeft:
        if (!expanded_) {
            return false;
        }
        setExpanded(false);
        return true;
    default:
        return false;
    }
}

} // namespace fw
