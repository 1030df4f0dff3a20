#include "ui/UIPicture.h"

#include "resources/CursorSet.h"
#include "ui/TextLayout.h"

#include <algorithm>

namespace fw {

namespace {

constexpr Color kTextShadow = 0x80000000;
constexpr Color kHoverWash = 0x18FFFFFF;
constexpr Color kPressWash = 0x30FFFFFF;

// The picture in grey at less than half its strength, as disabled pictures look.
Image fadedCopy(const Image& source) {
    if (source.isEmpty()) {
        return Image();
    }
    Image faded = source.clone();
    const int32_t bytes = faded.bytesPerPixel();
    for (int32_t y = 0; y < faded.height(); ++y) {
        uint8_t* p = faded.row(y);
        for (int32_t x = 0; x < faded.width(); ++x, p += bytes) {
            const uint32_t grey = (p[2] * 77u + p[1] * 150u + p[0] * 29u) >> 8;
            if (bytes == 4) {
                // Premultiplied: every channel scales with the alpha.
                p[0] = p[1] = p[2] = static_cast<uint8_t>(grey * 110 / 255);
                p[3] = static_cast<uint8_t>(p[3] * 110 / 255);
            } else {
                // No alpha to fade: halfway towards the panel colour.
                p[0] = p[1] = p[2] = static_cast<uint8_t>((grey + 43) / 2);
            }
        }
    }
    return faded;
}

} // namespace

UIPicture::UIPicture(Image image, WideString text)
    : UIWidget(u"UIPicture"), text_(std::move(text)), font_(defaultFont()),
      foreground_(Paint::solid(theme::kText)), background_(Paint::solid(kTransparentColor)) {
    setImage(std::move(image));
}

void UIPicture::setImage(Image image) {
    image_ = ScaledImage(std::move(image));
    disabledImage_ = ScaledImage(fadedCopy(image_.source()));
    updateGeometry();
    update();
}

void UIPicture::setText(WideString text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    updateGeometry();
    update();
}

void UIPicture::setAlignment(uint32_t alignment) {
    alignment_ = alignment;
    update();
}

void UIPicture::setClickable(bool clickable) {
    clickable_ = clickable;
    setFocusPolicy(clickable ? FocusPolicy::Strong : FocusPolicy::None);
    setCursor(clickable ? CursorHand : CursorArrow);
    press_.reset();
    update();
}

void UIPicture::click() {
    if (!clickable_ || !isEnabled() || !onClicked) {
        return;
    }
    // The handler may close the window that holds this picture.
    auto clicked = onClicked;
    clicked();
}

Size UIPicture::imageSize() const {
    return image_.isEmpty() ? Size{} : image_.sizeAt(dpi());
}

Size UIPicture::textSize() const {
    return text_.empty() ? Size{} : measureText(text_, font_, dpi());
}

int32_t UIPicture::textSpacing() const {
    return !image_.isEmpty() && !text_.empty() ? px(4) : 0;
}

Size UIPicture::sizeHint() const {
    Size image = imageSize();
    Size text = textSize();
    return Size{std::max(image.width, text.width), image.height + textSpacing() + text.height};
}

Size UIPicture::minimumSizeHint() const {
    // The picture may shrink to a quarter; the text keeps its line.
    Size image = imageSize();
    Size text = textSize();
    return Size{std::max(image.width / 4, std::min(text.width, px(24))),
                image.height / 4 + textSpacing() + text.height};
}

Rect UIPicture::contentRect() const {
    Size image = imageSize();
    Size text = textSize();
    const Rect area = rect();
    // Shrinks the picture, keeping its proportions, until the block fits.
    const int32_t roomForImage = std::max(0, area.height - textSpacing() - text.height);
    if (image.width > 0 && image.height > 0 &&
        (image.width > area.width || image.height > roomForImage)) {
        const double factor = std::min(static_cast<double>(std::max(0, area.width)) / image.width,
                                       static_cast<double>(roomForImage) / image.height);
        image = Size{static_cast<int32_t>(image.width * factor),
                     static_cast<int32_t>(image.height * factor)};
    }
    Size block{std::min(area.width, std::max(image.width, text.width)),
               image.height + textSpacing() + text.height};
    return alignedRect(area, block, alignment_);
}

Rect UIPicture::imageRect() const {
    if (image_.isEmpty()) {
        return Rect{};
    }
    Rect block = contentRect();
    Size text = textSize();
    const int32_t height = std::max(0, block.height - textSpacing() - text.height);
    Size natural = imageSize();
    const int32_t width = natural.height > 0 ? natural.width * height / natural.height : 0;
    return Rect{block.x + (block.width - width) / 2, block.y, width, height};
}

Rect UIPicture::textRect() const {
    if (text_.empty()) {
        return Rect{};
    }
    Rect block = contentRect();
    Size text = textSize();
    return Rect{block.x, block.bottom() - text.height, block.width, text.height};
}

void UIPicture::paint(UIPainter& painter) {
    if (background_.isVisible()) {
        painter.fillPaint(rect(), background_);
    }
    if (clickable_ && isEnabled() && (isHovered() || press_.down())) {
        painter.fillRoundedRect(rect(), px(4), press_.down() ? kPressWash : kHoverWash);
    }
    if (!image_.isEmpty()) {
        const Image& picture = isEnabled() ? image_.at(dpi()) : disabledImage_.at(dpi());
        Rect at = imageRect();
        if (press_.down()) {
            at.y += px(1);
        }
        painter.save();
        painter.setRenderHints(painter.renderHints() | RenderHintSmoothScaling);
        painter.drawImage(picture, Rect{0, 0, picture.width(), picture.height()}, at);
        painter.restore();
    }
    if (!text_.empty()) {
        const Paint text = isEnabled() ? foreground_ : Paint::solid(theme::kDisabledText);
        const Point offset{px(shadowOffset_.x), px(shadowOffset_.y)};
        const Paint shadow =
            offset == Point{} ? Paint::solid(kTransparentColor) : Paint::solid(kTextShadow);
        TextStyle::draw(painter, textRect(), text_, font_, text, shadow, offset,
                        AlignHCenter | AlignVCenter | TextEllipsis);
    }
    if (showsFocus()) {
        drawFocusRing(painter, shrink(rect(), Margins{1, 1, 1, 1}), px(4));
    }
}

void UIPicture::setProperty(WideStringView name, WideStringView value) {
    if (name == u"font") {
        font_ = parseStyleFont(value);
        updateGeometry();
    } else if (name == u"foreground") {
        foreground_ = parseStylePaint(value);
    } else if (name == u"shadowOffset") {
        shadowOffset_ = parseStylePoint(value);
    } else if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else {
        return;
    }
    update();
}

bool UIPicture::onMousePress(const MouseEvent& event) {
    if (!clickable_ || event.button != MouseLeft) {
        return false;
    }
    press_.pressMouse();
    update();
    return true;
}

bool UIPicture::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft || !press_.releaseMouse()) {
        return false;
    }
    update();
    if (rect().contains(event.position.x, event.position.y)) {
        click();
    }
    return true;
}

bool UIPicture::onMouseMove(const MouseEvent&) {
    return press_.down();
}

bool UIPicture::onKeyPress(const KeyEvent& event) {
    if (!clickable_ || event.modifiers != 0) {
        return false;
    }
    if (event.key == KeyReturn) {
        click();
        return true;
    }
    if (event.key == KeySpace) {
        if (!event.autoRepeat) {
            press_.pressKey();
            update();
        }
        return true;
    }
    return false;
}

bool UIPicture::onKeyRelease(const KeyEvent& event) {
    if (event.key != KeySpace || !press_.releaseKey()) {
        return false;
    }
    update();
    click();
    return true;
}

void UIPicture::onCaptureLost() {
    if (press_.loseCapture()) {
        update();
    }
}

void UIPicture::onFocusOut() {
    press_.loseFocus();
    UIWidget::onFocusOut();
}

} // namespace fw
