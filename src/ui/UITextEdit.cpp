#include "ui/UITextEdit.h"

#include "i18n/Translation.h"
#include "ui/TextLayout.h"
#include "ui/UIPainter.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

constexpr float kZoomStep = 0.1f;
// Lines scrolled by one notch of the wheel.
constexpr int32_t kWheelLines = 3;

// Zoom factors are kept to two decimals so that steps add up exactly.
float roundZoom(float zoom) {
    return std::round(zoom * 100.0f) / 100.0f;
}

} // namespace

UITextEdit::UITextEdit(WideString text)
    : UIEditBase(u"UITextEdit", u"UITextEdit_Background", u"UserInterface/UITextEdit", true) {
    setSizePolicy(SizePolicy::Expanding, SizePolicy::Expanding);
    model_.setText(text);
}

void UITextEdit::setWordWrap(bool wrap) {
    if (wrap == wordWrap_) {
        return;
    }
    wordWrap_ = wrap;
    layoutValid_ = false;
    scrollX_ = 0;
    ensureCaretVisible();
    update();
}

void UITextEdit::setZoom(float zoom) {
    zoom = roundZoom(std::clamp(zoom, zoomMinimum_, std::max(zoomMinimum_, zoomMaximum_)));
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    layoutValid_ = false;
    ensureCaretVisible();
    updateInputMethod();
    update();
}

void UITextEdit::zoomIn() {
    setZoom(zoom_ + kZoomStep);
}

void UITextEdit::zoomOut() {
    setZoom(zoom_ - kZoomStep);
}

FontSpec UITextEdit::textFont() const {
    return style_.font.withSize(style_.font.size * zoom_);
}

FontSpec UITextEdit::blankTextFont() const {
    return style_.blankFont.withSize(style_.blankFont.size * zoom_);
}

// --- Layout ---

Rect UITextEdit::contentRect() const {
    return shrink(rect(), px(Margins{6, 4, 6, 4}));
}

int32_t UITextEdit::wrapWidth() const {
    const int32_t width = contentRect().width - caretWidth();
    return wordWrap_ && width > 0 ? width : 0;
}

const TextEditLayout& UITextEdit::textLayout() const {
    const int32_t wrap = wrapWidth();
    if (!layoutValid_ || wrap != layoutWrapWidth_) {
        layout_.build(model_.text(), textFont(), dpi(), wrap);
        layoutValid_ = true;
        layoutWrapWidth_ = wrap;
    }
    return layout_;
}

int32_t UITextEdit::contentHeight() const {
    return textLayout().height();
}

size_t UITextEdit::caretLine() const {
    return textLayout().lineOf(model_.caret(), caretAtLineEnd_);
}

TextHit UITextEdit::hitAt(Point local) const {
    const Rect content = contentRect();
    return textLayout().hit(Point{local.x - content.x + scrollX_, local.y - content.y + scrollY_});
}

Rect UITextEdit::caretRect() const {
    const TextEditLayout& layout = textLayout();
    const Rect content = contentRect();
    const size_t line = caretLine();
    const int32_t lineHeight = layout.lineHeight();
    return Rect{content.x + layout.xOf(model_.caret(), line) - scrollX_,
                content.y + static_cast<int32_t>(line) * lineHeight - scrollY_, caretWidth(),
                lineHeight};
}

void UITextEdit::textChanged() {
    layoutValid_ = false;
}

void UITextEdit::caretMoved() {
    if (!keepGoalX_) {
        goalX_ = -1;
    }
}

// --- Scrolling ---

void UITextEdit::scrollTo(int32_t x, int32_t y) {
    const TextEditLayout& layout = textLayout();
    const Rect content = contentRect();
    y = std::clamp(y, 0, std::max(0, layout.height() - content.height));
    x = wordWrap_ ? 0
                  : std::clamp(x, 0, std::max(0, layout.width() + caretWidth() - content.width));
    if (x == scrollX_ && y == scrollY_) {
        return;
    }
    scrollX_ = x;
    scrollY_ = y;
    updateInputMethod();
    update();
    auto scrolled = onScrolled;
    if (scrolled) {
        scrolled();
    }
}

void UITextEdit::setScrollY(int32_t y) {
    scrollTo(scrollX_, y);
}

void UITextEdit::ensureCaretVisible() {
    const Rect content = contentRect();
    if (content.isEmpty()) {
        return;
    }
    const TextEditLayout& layout = textLayout();
    const size_t line = caretLine();
    const int32_t top = static_cast<int32_t>(line) * layout.lineHeight();
    int32_t y = scrollY_;
    if (top < y) {
        y = top;
    } else if (top + layout.lineHeight() > y + content.height) {
        y = top + layout.lineHeight() - content.height;
    }
    int32_t x = scrollX_;
    const int32_t caretX = layout.xOf(model_.caret(), line);
    if (caretX < x) {
        x = caretX;
    } else if (caretX + caretWidth() > x + content.width) {
        x = caretX + caretWidth() - content.width;
    }
    scrollTo(x, y);
}

bool UITextEdit::onWheel(const WheelEvent& event) {
    if (event.modifiers & ModifierControl) {
        if (event.vertical && event.delta != 0) {
            setZoom(zoom_ + kZoomStep * static_cast<float>(event.delta) / 120.0f);
        }
        return true;
    }
    const TextEditLayout& layout = textLayout();
    const int32_t pixels = event.delta * kWheelLines * layout.lineHeight() / 120;
    const int32_t oldX = scrollX_;
    const int32_t oldY = scrollY_;
    if (event.vertical) {
        scrollTo(scrollX_, scrollY_ - pixels);
    } else {
        scrollTo(scrollX_ + pixels, scrollY_);
    }
    // At an end the wheel goes on to whatever holds the field.
    return scrollX_ != oldX || scrollY_ != oldY;
}

// --- Keyboard ---

bool UITextEdit::onKeyPress(const KeyEvent& event) {
    if (event.modifiers == ModifierControl) {
        switch (event.key) {
        case KeyOemPlus:
        case KeyAdd:
            zoomIn();
            return true;
        case KeyOemMinus:
        case KeySubtract:
            zoomOut();
            return true;
        case 0x30:
        case KeyNumpad0:
            setZoom(1.0f);
            return true;
        default:
            break;
        }
    }
    return UIEditBase::onKeyPress(event);
}

void UITextEdit::moveToLineEdge(bool end, bool extend) {
    const TextEditLayout& layout = textLayout();
    const TextLine& line = layout.line(caretLine());
    if (end) {
        moveCaret(line.end, extend, !line.endsParagraph);
    } else {
        moveCaret(line.start, extend);
    }
}

bool UITextEdit::moveVertically(uint32_t key, bool extend, bool control) {
    const TextEditLayout& layout = textLayout();
    const int32_t lineHeight = std::max(1, layout.lineHeight());
    const bool up = key == KeyUp || key == KeyPageUp;
    const bool page = key == KeyPageUp || key == KeyPageDown;
    if (control && !page) {
        // Ctrl+Up and Ctrl+Down scroll the view and leave the caret.
        scrollTo(scrollX_, scrollY_ + (up ? -lineHeight : lineHeight));
        return true;
    }
    const size_t line = caretLine();
    if (goalX_ < 0) {
        goalX_ = layout.xOf(model_.caret(), line);
    }
    const int32_t step = page ? std::max(1, contentRect().height / lineHeight - 1) : 1;
    const int32_t last = static_cast<int32_t>(layout.lineCount()) - 1;
    const int32_t target =
        std::clamp(static_cast<int32_t>(line) + (up ? -step : step), 0, std::max(0, last));
    if (static_cast<size_t>(target) == line) {
        return true;
    }
    if (page) {
        // The page moves with the caret, so that the caret keeps its place.
        scrollTo(scrollX_, scrollY_ + (target - static_cast<int32_t>(line)) * lineHeight);
    }
    const TextHit hit = layout.hitOnLine(static_cast<size_t>(target), goalX_);
    keepGoalX_ = true;
    moveCaret(hit.position, extend, hit.atLineEnd);
    keepGoalX_ = false;
    return true;
}

bool UITextEdit::insertLineBreak() {
    if (isReadOnly()) {
        return false;
    }
    afterEdit(model_.insert(u"\n", EditKind::Other), true);
    return true;
}

std::pair<size_t, size_t> UITextEdit::lineSelectionAt(size_t position) const {
    const size_t end = model_.lineEnd(position);
    return {model_.lineStart(position), end < model_.text().size() ? end + 1 : end};
}

// --- Menu ---

void UITextEdit::addMenuItems(UIMenu& menu) {
    menu.addSeparator();
    UIMenu* size = menu.addSubmenu(translate(u"Text Size", menuGroup()));
    size->addItem(TextSizeIncrease, translate(u"Increase", menuGroup())).enabled =
        zoom_ < zoomMaximum_;
    size->addItem(TextSizeDecrease, translate(u"Decrease", menuGroup())).enabled =
        zoom_ > zoomMinimum_;
    size->addItem(TextSizeNormal, translate(u"Normal", menuGroup())).enabled = zoom_ != 1.0f;
}

void UITextEdit::menuItemChosen(int32_t id) {
    if (id == TextSizeIncrease) {
        zoomIn();
    } else if (id == TextSizeDecrease) {
        zoomOut();
    } else if (id == TextSizeNormal) {
        setZoom(1.0f);
    }
}

// --- Style and geometry ---

void UITextEdit::setProperty(WideStringView name, WideStringView value) {
    if (name == u"zoomMinimum") {
        zoomMinimum_ = parseStyleFloat(value);
    } else if (name == u"zoomMaximum") {
        zoomMaximum_ = parseStyleFloat(value);
    } else {
        UIEditBase::setProperty(name, value);
        return;
    }
    // The current size stays within the new bounds.
    const float zoom = zoom_;
    zoom_ = 0.0f;
    setZoom(zoom);
}

Size UITextEdit::sizeHint() const {
    const int32_t lineHeight = fontMetrics(textFont(), dpi()).height;
    const Margins frame = px(Margins{6, 4, 6, 4});
    return Size{px(240), lineHeight * 5 + frame.vertical()};
}

Size UITextEdit::minimumSizeHint() const {
    const int32_t lineHeight = fontMetrics(textFont(), dpi()).height;
    const Margins frame = px(Margins{6, 4, 6, 4});
    return Size{px(60), lineHeight * 2 + frame.vertical()};
}

void UITextEdit::onResize() {
    ensureCaretVisible();
    // A wider field may leave less to scroll.
    scrollTo(scrollX_, scrollY_);
}

void UITextEdit::onDpiChanged() {
    layoutValid_ = false;
    UIEditBase::onDpiChanged();
}

// --- Painting ---

void UITextEdit::paint(UIPainter& painter) {
    paintFrame(painter);
    const Rect content = contentRect();
    painter.save();
    painter.clipTo(content);
    const TextEditLayout& layout = textLayout();
    const int32_t lineHeight = std::max(1, layout.lineHeight());
    if (model_.text().empty()) {
        paintBlankText(painter, content, AlignLeft | AlignTop | TextWordWrap);
    }
    const size_t first = static_cast<size_t>(scrollY_ / lineHeight);
    const size_t last = std::min(layout.lineCount(),
                                 static_cast<size_t>((scrollY_ + content.height) / lineHeight) + 1);
    const size_t selectionStart = model_.selectionStart();
    const size_t selectionEnd = model_.selectionEnd();
    const WideString& text = model_.text();
    for (size_t i = first; i < last; ++i) {
        const TextLine& line = layout.line(i);
        const size_t from = std::clamp(selectionStart, line.start, line.end) - line.start;
        const size_t to = std::clamp(selectionEnd, line.start, line.end) - line.start;
        const bool selectBreak = line.endsParagraph && line.end < text.size() &&
                                 selectionStart <= line.end && selectionEnd > line.end;
        const Point origin{content.x - scrollX_,
                           content.y + static_cast<int32_t>(i) * lineHeight - scrollY_};
        paintTextLine(painter, origin, lineHeight,
                      WideStringView(text).substr(line.start, line.end - line.start), line.offsets,
                      from, to, selectBreak);
    }
    paintCaret(painter);
    painter.restore();
}

} // namespace fw
