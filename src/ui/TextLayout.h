#pragma once
// Measuring text in a font at a given resolution, without a painter: layout
// asks these before anything is drawn. On Windows they ask the font
// rasteriser; elsewhere a fixed-pitch stand-in keeps layout testable.
#include "platform/Rect.h"
#include "platform/WideString.h"
#include "ui/StyleValue.h"

#include <cstdint>
#include <vector>

namespace fw {

struct FontMetrics {
    int32_t ascent = 0;
    int32_t descent = 0;
    // Ascent plus descent: the height of one line.
    int32_t height = 0;
    int32_t averageCharWidth = 0;
};

FontMetrics fontMetrics(const FontSpec& font, int32_t dpi);

// The size of `text` on one line (TextMnemonic honoured), or wrapped at
// `wrapWidth` when `flags` hold TextWordWrap.
Size measureText(WideStringView text, const FontSpec& font, int32_t dpi, uint32_t flags = 0,
                 int32_t wrapWidth = 0);

// The x offset after each code unit of `text` on one line: offsets[i] is the
// width of text[0..i]. Caret placement and hit-testing in text fields use it.
std::vector<int32_t> characterOffsets(WideStringView text, const FontSpec& font, int32_t dpi);

// The platform font object for `font` at `dpi` (an HFONT on Windows), made once
// per distinct value and kept until exit. Null where there is none.
void* platformFont(const FontSpec& font, int32_t dpi);
// How many platform fonts the cache holds.
int32_t platformFontCount();

} // namespace fw
