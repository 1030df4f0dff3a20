#include "ui/UILineEdit.h"

#include "ui/TextLayout.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {

// The width a field asks for when nothing asks for more.
constexpr int32_t kPreferredWidth = 160;

} // namespace

UILineEdit::UILineEdit(WideString text)
    : UIEditBase(u"UILineEdit", u"UILineEdit_Background", u"UserInterface/UILineEdit", false) {
    setSizePolicy(SizePolicy::Expanding, SizePolicy::Fixed);
    model_.setText(text);
}

Size UILineEdit::sizeHint() const {
    Size minimum = minimumSizeHint();
    return Size{std::max(minimum.width, px(kPreferredWidth)), minimum.height};
}

Size UILineEdit::minimumSizeHint() const {
    const int32_t textHeight =
        std::max(fontMetrics(textFont(), dpi()).height, fontMetrics(blankTextFont(), dpi()).height);
    return Size{px(minimumWidth_), std::max(px(minimumHeight_), textHeight + px(8))};
}

Rect UILineEdit::contentRect() const {
    return shrink(rect(), px(Margins{6, 2, 6, 2}));
}

int32_t UILineEdit::lineHeight() const {
    return fontMetrics(textFont(), dpi()).height;
}

int32_t UILineEdit::lineTop() const {
    const Rect content = contentRect();
    return content.y + (content.height - lineHeight()) / 2;
}

const std::vector<int32_t>& UILineEdit::offsets() const {
    if (!offsetsValid_) {
        offsets_ = characterOffsets(model_.text(), textFont(), dpi());
        offsetsValid_ = true;
    }
    return offsets_;
}

int32_t UILineEdit::xOf(size_t position) const {
    const std::vector<int32_t>& x = offsets();
    if (position == 0 || x.empty()) {
        return 0;
    }
    return x[std::min(position, x.size()) - 1];
}

TextHit UILineEdit::hitAt(Point local) const {
    const int32_t x = local.x - contentRect().x + scrollX_;
    const std::vector<int32_t>& offsets = this->offsets();
    if (x <= 0 || offsets.empty()) {
        return TextHit{};
    }
    // The boundary nearest to x: before or after the character under it.
    const size_t under =
        static_cast<size_t>(std::lower_bound(offsets.begin(), offsets.end(), x) - offsets.begin());
    if (under >= offsets.size()) {
        return TextHit{model_.text().size(), false};
    }
    const size_t before = under;
    const size_t after = under + 1;
    return TextHit{model_.clampPosition(x - xOf(before) <= xOf(after) - x ? before : after), false};
}

Rect UILineEdit::caretRect() const {
    const int32_t x = contentRect().x + xOf(model_.caret()) - scrollX_;
    return Rect{x, lineTop(), caretWidth(), lineHeight()};
}

void UILineEdit::textChanged() {
    offsetsValid_ = false;
}

void UILineEdit::ensureCaretVisible() {
    const int32_t visible = contentRect().width;
    if (visible <= 0) {
        return;
    }
    const int32_t caret = xOf(model_.caret());
    const int32_t room = caretWidth();
    int32_t scroll = scrollX_;
    if (caret - scroll < 0) {
        scroll = caret;
    } else if (caret - scroll + room > visible) {
        scroll = caret + room - visible;
    }
    // No empty space is left on the right while text lies hidden on the left.
    const int32_t textWidth = xOf(model_.text().size()) + room;
    scroll = std::clamp(scroll, 0, std::max(0, textWidth - visible));
    if (scroll != scrollX_) {
        scrollX_ = scroll;
        update();
    }
}

void UILineEdit::paint(UIPainter& painter) {
    paintFrame(painter);
    const Rect content = contentRect();
    painter.save();
    painter.clipTo(content);
    if (model_.text().empty()) {
        paintBlankText(painter, content, AlignLeft | AlignVCenter);
    } else {
        paintTextLine(painter, Point{content.x - scrollX_, lineTop()}, lineHeight(), model_.text(),
                      offsets(), model_.selectionStart(), model_.selectionEnd(), false);
    }
    paintCaret(painter);
    painter.restore();
}

void UILineEdit::setProperty(WideStringView name, WideStringView value) {
    if (name == u"minimumWidth") {
        minimumWidth_ = parseStyleInteger(value);
    } else if (name == u"minimumHeight") {
        minimumHeight_ = parseStyleInteger(value);
    } else {
        UIEditBase::setProperty(name, value);
        return;
    }
    updateGeometry();
    update();
}

void UILineEdit::onResize() {
    ensureCaretVisible();
}

void UILineEdit::onDpiChanged() {
    offsetsValid_ = false;
    UIEditBase::onDpiChanged();
}

} // namespace fw
