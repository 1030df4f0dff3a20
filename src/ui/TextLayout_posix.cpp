#include "ui/TextLayout.h"

#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

// A fixed-pitch stand-in: every code unit is half the font height wide.

namespace {

// Code units left once "&x" is shown as x and "&&" as "&".
int32_t visibleUnits(WideStringView text, uint32_t flags) {
    if (!(flags & TextMnemonic)) {
        return static_cast<int32_t>(text.size());
    }
    int32_t count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        ++count;
    }
    return count;
}

// Greedy wrapping at spaces; a word wider than the line stands alone.
Size wrappedSize(WideStringView text, int32_t charWidth, int32_t lineHeight, int32_t wrapWidth) {
    const int32_t perLine = std::max(wrapWidth / std::max(charWidth, 1), 1);
    int32_t lines = 1;
    int32_t widest = 0;
    int32_t used = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = std::min(text.find(u' ', start), text.size());
        const auto word = static_cast<int32_t>(end - start);
        if (used > 0 && used + 1 + word > perLine) {
            ++lines;
            used = 0;
        }
        used += (used > 0 ? 1 : 0) + word;
        widest = std::max(widest, used);
        start = end + 1;
    }
    return Size{widest * charWidth, lines * lineHeight};
}

} // namespace

FontMetrics fontMetrics(const FontSpec& font, int32_t dpi) {
    int32_t height = std::max(fontPixelHeight(font, dpi), 1);
    return FontMetrics{height * 4 / 5, height - height * 4 / 5, height, height / 2};
}

Size measureText(WideStringView text, const FontSpec& font, int32_t dpi, uint32_t flags,
                 int32_t wrapWidth) {
    FontMetrics m = fontMetrics(font, dpi);
    if (flags & TextWordWrap) {
        return wrappedSize(text, m.averageCharWidth, m.height, wrapWidth);
    }
    return Size{visibleUnits(text, flags) * m.averageCharWidth, m.height};
}

std::vector<int32_t> characterOffsets(WideStringView text, const FontSpec& font, int32_t dpi) {
    FontMetrics m = fontMetrics(font, dpi);
    std::vector<int32_t> offsets(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        offsets[i] = static_cast<int32_t>(i + 1) * m.averageCharWidth;
    }
    return offsets;
}

void* platformFont(const FontSpec&, int32_t) {
    return nullptr;
}

int32_t platformFontCount() {
    return 0;
}

} // namespace fw
