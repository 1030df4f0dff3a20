#include "ui/TextStyle.h"

#include "ui/UIPainter.h"

namespace fw {

TextStyle::TextStyle() : font(defaultFont()) {}

bool TextStyle::setProperty(WideStringView name, WideStringView value, uint32_t accepted) {
    if (name == u"font" && (accepted & TextPropertyFont)) {
        font = parseStyleFont(value);
    } else if (name == u"foreground" && (accepted & TextPropertyForeground)) {
        foreground = parseStylePaint(value);
    } else if (name == u"shadowForeground" && (accepted & TextPropertyShadow)) {
        shadowForeground = parseStylePaint(value);
    } else if (name == u"disabledForeground" && (accepted & TextPropertyDisabled)) {
        disabledForeground = parseStylePaint(value);
    } else if (name == u"disabledShadowForeground" && (accepted & TextPropertyDisabledShadow)) {
        disabledShadowForeground = parseStylePaint(value);
    } else if (name == u"shadowOffset" && (accepted & TextPropertyShadowOffset)) {
        shadowOffset = parseStylePoint(value);
    } else {
        return false;
    }
    return true;
}

void TextStyle::draw(UIPainter& painter, const Rect& r, WideStringView text, uint32_t flags,
                     bool enabled) const {
    draw(painter, r, text, font, enabled ? foreground : disabledForeground,
         enabled ? shadowForeground : disabledShadowForeground, shadowOffset, flags);
}

void TextStyle::draw(UIPainter& painter, const Rect& r, WideStringView text, const FontSpec& font,
                     const Paint& foreground, const Paint& shadow, Point shadowOffset,
                     uint32_t flags) {
    if (text.empty()) {
        return;
    }
    if (shadow.isVisible()) {
        Rect moved{r.x + shadowOffset.x, r.y + shadowOffset.y, r.width, r.height};
        painter.drawText(moved, text, font, shadow.effectiveColor(), flags);
    }
    if (foreground.isVisible()) {
        painter.drawText(r, text, font, foreground.effectiveColor(), flags);
    }
}

void drawFocusRing(UIPainter& painter, const Rect& r, int32_t radius) {
    painter.drawRoundedRect(r, radius, theme::kAccent, 1);
}

} // namespace fw
