#pragma once
// Style values: the short texts in which widgets receive their look ("54,54,54",
// "default,9.5", "120,150") and the values they parse into. Parsing never
// fails; malformed text gives zeros, the default font or the transparent colour.
#include "platform/Rect.h"
#include "platform/WideString.h"

#include <cstdint>
#include <vector>

namespace fw {

// 32-bit colour: alpha in the top byte, then red, green, blue.
using Color = uint32_t;
// White with alpha 0: draws nothing. Every unreadable colour gives it.
constexpr Color kTransparentColor = 0x00FFFFFF;

constexpr Color rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return 0xFF000000u | uint32_t(red) << 16 | uint32_t(green) << 8 | blue;
}
constexpr uint8_t alphaOf(Color c) {
    return uint8_t(c >> 24);
}

// Four sides, as paddings and margins are written: left, top, right, bottom.
struct Margins {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const Margins&) const = default;
    int32_t horizontal() const { return left + right; }
    int32_t vertical() const { return top + bottom; }
};

Rect shrink(const Rect& r, const Margins& m);

enum class PaintKind : int32_t { Solid = 0, Gradient = 1 };

// A solid colour with an opacity, or a top-to-bottom gradient of two or more colours.
struct Paint {
    PaintKind kind = PaintKind::Solid;
    Color color = kTransparentColor;
    float opacity = 1.0f;
    std::vector<Color> gradient;

    static Paint solid(Color c) { return Paint{PaintKind::Solid, c, 1.0f, {}}; }
    // False when drawing it would leave every pixel unchanged.
    bool isVisible() const;
    // The colour with the opacity folded into its alpha (the first colour of a gradient).
    Color effectiveColor() const;
    bool operator==(const Paint&) const = default;
};

enum FontFlag : uint32_t {
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeout = 8,
};

// A face ("default" is never stored: the default face is filled in), a size in
// points and FontFlag bits.
struct FontSpec {
    WideString face;
    float size = 12.0f;
    uint32_t flags = 0;
    int32_t reserved = 1;
    bool operator==(const FontSpec&) const = default;
    FontSpec withFlags(uint32_t extra) const;
    FontSpec withSize(float points) const;
};

// Removes the standard library's wide-character white space from both ends.
WideStringView trimStyleText(WideStringView text);

int32_t parseStyleInteger(WideStringView text);
float parseStyleFloat(WideStringView text);
Point parseStylePoint(WideStringView text);
Size parseStyleSize(WideStringView text);
Margins parseStyleRectangle(WideStringView text);
Color parseStyleColor(WideStringView text);
Paint parseStylePaint(WideStringView text);
// One colour, or a gradient of colours separated by "|".
Paint parseStyleBackground(WideStringView text);
FontSpec parseStyleFont(WideStringView text);

// The program's default font: "segoe ui" on Windows Vista and later or where
// that family is installed, else "microsoft sans serif"; 12 points.
const FontSpec& defaultFont();
// The face rule, given what the system reports; exposed for tests.
WideString defaultFontFace(int32_t windowsMajorVersion, bool segoeInstalled);

// The font's height in device pixels at `dpi`: points * dpi / 72, rounded half
// away from zero.
int32_t fontPixelHeight(const FontSpec& font, int32_t dpi);

} // namespace fw
