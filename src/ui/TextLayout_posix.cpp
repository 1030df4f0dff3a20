#include "ui/TextLayout.h"

namespace fw {

// A fixed-pitch stand-in: every code unit is half the font height wide.

FontMetrics fontMetrics(const FontSpec& font, int32_t dpi) {
    int32_t height = fontPixelHeight(font, dpi);
    return FontMetrics{height * 4 / 5, height - height * 4 / 5, height, height / 2};
}

Size measureText(WideStringView text, const FontSpec& font, int32_t dpi, uint32_t, int32_t) {
    FontMetrics m = fontMetrics(font, dpi);
    return Size{static_cast<int32_t>(text.size()) * m.averageCharWidth, m.height};
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
