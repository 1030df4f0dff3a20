#pragma once
// The text look that most widget classes share: a font, a foreground, an
// optional shadow drawn under the text at an offset, and the disabled
// variants. Widgets hand their text properties to setProperty() here.
#include "platform/Rect.h"
#include "platform/WideString.h"
#include "ui/StyleValue.h"

#include <cstdint>

namespace fw {

class UIPainter;

// The theme's colours, for defaults that look right before anything is set.
namespace theme {
constexpr Color kText = rgb(232, 232, 232);
constexpr Color kDisabledText = rgb(118, 118, 118);
constexpr Color kDimText = rgb(153, 153, 153);
constexpr Color kPanel = rgb(43, 43, 43);
constexpr Color kList = rgb(54, 54, 54);
constexpr Color kRaised = rgb(60, 60, 60);
constexpr Color kBorder = rgb(87, 87, 87);
constexpr Color kSunken = rgb(38, 38, 38);
constexpr Color kAccent = rgb(61, 165, 244);
constexpr Color kDanger = rgb(229, 83, 75);
} // namespace theme

struct TextStyle {
    FontSpec font;
    Paint foreground = Paint::solid(theme::kText);
    Paint shadowForeground = Paint::solid(kTransparentColor);
    Paint disabledForeground = Paint::solid(theme::kDisabledText);
    Paint disabledShadowForeground = Paint::solid(kTransparentColor);
    Point shadowOffset{1, 1};

    TextStyle();
    // Takes "font", "foreground", "shadowForeground", "disabledForeground",
    // "disabledShadowForeground" and "shadowOffset" when `accepted` holds the
    // name's bit; true when the name was one of them.
    bool setProperty(WideStringView name, WideStringView value, uint32_t accepted = ~0u);
    // Draws the shadow (when visible), then the text.
    void draw(UIPainter& painter, const Rect& r, WideStringView text, uint32_t flags,
              bool enabled) const;
    // Draws with explicit paints (hovered and other states).
    static void draw(UIPainter& painter, const Rect& r, WideStringView text, const FontSpec& font,
                     const Paint& foreground, const Paint& shadow, Point shadowOffset,
                     uint32_t flags);
};

// The keyboard-focus mark: a thin accent ring just inside `r`.
void drawFocusRing(UIPainter& painter, const Rect& r, int32_t radius);

// Bits for TextStyle::setProperty's `accepted`.
enum TextProperty : uint32_t {
    TextPropertyFont = 1,
    TextPropertyForeground = 2,
    TextPropertyShadow = 4,
    TextPropertyDisabled = 8,
    TextPropertyDisabledShadow = 16,
    TextPropertyShadowOffset = 32,
};

} // namespace fw
