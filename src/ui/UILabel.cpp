#include "ui/UILabel.h"

#include "ui/TextLayout.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

UILabel::UILabel(WideString text) : UIWidget(u"UILabel"), text_(std::move(text)) {}

void UILabel::setText(WideString text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    updateGeometry();
    update();
}

void UILabel::setAlignment(uint32_t alignment) {
    alignment_ = alignment;
    update();
}

void UILabel::setWordWrap(bool wrap, int32_t preferredWidth) {
    wrap_ = wrap;
    preferredWidth_ = preferredWidth;
    updateGeometry();
    update();
}

uint32_t UILabel::flags() const {
    return alignment_ | (wrap_ ? TextWordWrap : TextEllipsis);
}

Size UILabel::sizeHint() const {
    if (!wrap_) {
        return measureText(text_, style_.font, dpi());
    }
    // Wrapped at the current width once laid out, else at the preferred width.
    int32_t single = measureText(text_, style_.font, dpi()).width;
    int32_t wrapAt = std::min(single, width() > 0 ? width() : px(preferredWidth_));
    return measureText(text_, style_.font, dpi(), TextWordWrap, std::max(1, wrapAt));
}

Size UILabel::minimumSizeHint() const {
    if (wrap_) {
        return sizeHint();
    }
    // A single line may shrink; it ends with "..." when it does.
    Size hint = sizeHint();
    return Size{std::min(hint.width, measureText(u"...", style_.font, dpi()).width), hint.height};
}

void UILabel::paint(UIPainter& painter) {
    style_.draw(painter, rect(), text_, flags(), isEnabled());
}

void UILabel::setProperty(WideStringView name, WideStringView value) {
    if (style_.setProperty(name, value)) {
        updateGeometry();
        update();
    }
}

} // namespace fw
