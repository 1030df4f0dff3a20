#include "ui/StyleValue.h"

#include "platform/SystemInfo.h"
#include "resources/Skin.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

bool isStyleSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Parts between separators, empty parts kept.
std::vector<WideStringView> splitKeepingEmpty(WideStringView text, char16_t separator) {
    std::vector<WideStringView> parts;
    size_t start = 0;
    while (true) {
        size_t end = text.find(separator, start);
        if (end == WideStringView::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

uint32_t clampChannel(WideStringView part) {
    return static_cast<uint32_t>(std::clamp(parseStyleInteger(part), 0, 255));
}

// Digits after an optional sign; the decimal point and exponent are optional.
// Stops at the first character that cannot continue the number.
double readDecimal(WideStringView text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0;
    bool digits = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - u'0');
        digits = true;
    }
    if (i < text.size() && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < text.size() && isDigit(text[i]); ++i, scale /= 10) {
            value += (text[i] - u'0') * scale;
            digits = true;
        }
    }
    if (digits && i + 1 < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        size_t j = i + 1;
        bool negativeExponent = false;
        if (text[j] == u'+' || text[j] == u'-') {
            negativeExponent = text[j] == u'-';
            ++j;
        }
        int exponent = 0;
        bool exponentDigits = false;
        for (; j < text.size() && isDigit(text[j]); ++j) {
            exponent = std::min(exponent * 10 + (text[j] - u'0'), 400);
            exponentDigits = true;
        }
        if (exponentDigits) {
            value *= std::pow(10.0, negativeExponent ? -exponent : exponent);
        }
    }
    return negative ? -value : value;
}

} // namespace

Rect shrink(const Rect& r, const Margins& m) {
    return Rect{r.x + m.left, r.y + m.top, std::max(0, r.width - m.horizontal()),
                std::max(0, r.height - m.vertical())};
}

bool Paint::isVisible() const {
    if (kind == PaintKind::Gradient) {
        return std::any_of(gradient.begin(), gradient.end(),
                           [](Color c) { return alphaOf(c) != 0; });
    }
    return alphaOf(color) != 0 && opacity > 0.0f;
}

Color Paint::effectiveColor() const {
    Color base = kind == PaintKind::Gradient && !gradient.empty() ? gradient.front() : color;
    float o = std::clamp(opacity, 0.0f, 1.0f);
    auto alpha = static_cast<uint32_t>(std::lround(alphaOf(base) * o));
    return (alpha << 24) | (base & 0x00FFFFFF);
}

FontSpec FontSpec::withFlags(uint32_t extra) const {
    FontSpec font = *this;
    font.flags |= extra;
    return font;
}

FontSpec FontSpec::withSize(float points) const {
    FontSpec font = *this;
    font.size = points;
    return font;
}

WideStringView trimStyleText(WideStringView text) {
    while (!text.empty() && isStyleSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isStyleSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int32_t parseStyleInteger(WideStringView text) {
    return parseResourceInt(trimStyleText(text));
}

float parseStyleFloat(WideStringView text) {
    double value = readDecimal(trimStyleText(text));
    if (!std::isfinite(value)) {
        return 0.0f;
    }
    return static_cast<float>(std::clamp(value, -3.0e38, 3.0e38));
}

Point parseStylePoint(WideStringView text) {
    Size size = parseStyleSize(text);
    return Point{size.width, size.height};
}

Size parseStyleSize(WideStringView text) {
    text = trimStyleText(text);
    if (text.find(u',') == WideStringView::npos) {
        return Size{};
    }
    std::vector<WideStringView> parts = splitKeepingEmpty(text, u',');
    if (parts.size() != 2) {
        return Size{};
    }
    return Size{parseStyleInteger(parts[0]), parseStyleInteger(parts[1])};
}

Margins parseStyleRectangle(WideStringView text) {
    text = trimStyleText(text);
    std::vector<WideStringView> parts = splitKeepingEmpty(text, u',');
    if (parts.size() == 4) {
        return Margins{parseStyleInteger(parts[0]), parseStyleInteger(parts[1]),
                       parseStyleInteger(parts[2]), parseStyleInteger(parts[3])};
    }
    int32_t all = parseStyleInteger(text);
    return Margins{all, all, all, all};
}

Color parseStyleColor(WideStringView text) {
    text = trimStyleText(text);
    if (text.find(u',') != WideStringView::npos) {
        std::vector<WideStringView> parts = splitKeepingEmpty(text, u',');
        if (parts.size() == 3) {
            return 0xFF000000u | clampChannel(parts[0]) << 16 | clampChannel(parts[1]) << 8 |
                   clampChannel(parts[2]);
        }
        if (parts.size() == 4) {
            return clampChannel(parts[0]) << 24 | clampChannel(parts[1]) << 16 |
                   clampChannel(parts[2]) << 8 | clampChannel(parts[3]);
        }
        return kTransparentColor;
    }
    if (!text.empty() && std::all_of(text.begin(), text.end(), isDigit)) {
        // Written as one decimal number: the ARGB value itself, wrapping like
        // the unsigned conversion it stands for. Anything after the digits
        // ("1;2;3") makes it unreadable.
        uint32_t value = 0;
        for (char16_t c : text) {
            value = value * 10 + static_cast<uint32_t>(c - u'0');
        }
        return value;
    }
    return kTransparentColor;
}

Paint parseStylePaint(WideStringView text) {
    return Paint::solid(parseStyleColor(text));
}

Paint parseStyleBackground(WideStringView text) {
    std::vector<Color> colors;
    for (WideStringView part : splitKeepingEmpty(trimStyleText(text), u'|')) {
        if (!part.empty()) {
            colors.push_back(parseStyleColor(part));
        }
    }
    if (colors.size() < 2) {
        return Paint::solid(colors.empty() ? parseStyleColor(u"") : colors.front());
    }
    Paint paint;
    paint.kind = PaintKind::Gradient;
    paint.color = colors.front();
    paint.gradient = std::move(colors);
    return paint;
}

FontSpec parseStyleFont(WideStringView text) {
    FontSpec font = defaultFont();
    text = trimStyleText(text);
    if (text.find(u',') == WideStringView::npos) {
        return font;
    }
    std::vector<WideStringView> parts = splitKeepingEmpty(text, u',');
    if (parts.size() != 3) {
        return font;
    }
    WideStringView face = trimStyleText(parts[0]);
    if (!face.empty() && face != u"default") {
        font.face = WideString(face);
    }
    if (!trimStyleText(parts[1]).empty()) {
        font.size = parseStyleFloat(parts[1]);
    }
    WideStringView flags = parts[2];
    if (flags.find(u"underline") != WideStringView::npos) {
        font.flags |= FontUnderline;
    }
    if (flags.find(u"bold") != WideStringView::npos) {
        font.flags |= FontBold;
    }
    return font;
}

WideString defaultFontFace(int32_t windowsMajorVersion, bool segoeInstalled) {
    if (windowsMajorVersion >= 6 || segoeInstalled) {
        return u"segoe ui";
    }
    return u"microsoft sans serif";
}

const FontSpec& defaultFont() {
    static const FontSpec font = [] {
        FontSpec f;
        int32_t major = os::windowsMajorVersion();
        f.face = defaultFontFace(major, major < 6 && os::isFontFamilyInstalled(u"Segoe UI"));
        return f;
    }();
    return font;
}

int32_t fontPixelHeight(const FontSpec& font, int32_t dpi) {
    double pixels = static_cast<double>(font.size) * dpi / 72.0;
    return static_cast<int32_t>(std::clamp(std::round(pixels), -10000.0, 10000.0));
}

} // namespace fw
