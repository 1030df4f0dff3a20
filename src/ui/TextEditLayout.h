#pragma once
// The lines a multi-line field shows: its text broken at line feeds and, with
// word wrap, at the last space that fits the width (a word longer than the
// width breaks between characters). Answers where a position lies and which
// position lies under a point.
#include "platform/Rect.h"
#include "platform/WideString.h"
#include "ui/StyleValue.h"
#include "ui/TextEditModel.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

struct TextLine {
    size_t start = 0;
    // Past the last character shown on the line (its line feed excluded).
    size_t end = 0;
    // The line ends with a line feed or the text, not at a wrap.
    bool endsParagraph = true;
    // The x after each character of the line.
    std::vector<int32_t> offsets;
    int32_t width() const { return offsets.empty() ? 0 : offsets.back(); }
};

class TextEditLayout {
public:
    // Lays out `text` in `font` at `dpi`; `wrapWidth` 0 keeps every paragraph
    // on one line.
    void build(WideStringView text, const FontSpec& font, int32_t dpi, int32_t wrapWidth);

    size_t lineCount() const { return lines_.size(); }
    const TextLine& line(size_t index) const { return lines_[index]; }
    int32_t lineHeight() const { return lineHeight_; }
    int32_t height() const { return static_cast<int32_t>(lines_.size()) * lineHeight_; }
    // The widest line.
    int32_t width() const { return width_; }

    // The line that shows `position`.
    size_t lineOf(size_t position, bool atLineEnd = false) const;
    // The x of `position` on line `index`.
    int32_t xOf(size_t position, size_t index) const;
    // The position on line `index` nearest to `x`.
    TextHit hitOnLine(size_t index, int32_t x) const;
    // The position nearest to a point of the laid-out text (top left at 0, 0).
    TextHit hit(Point point) const;

private:
    void wrapParagraph(size_t start, size_t end, const std::vector<int32_t>& offsets,
                       int32_t wrapWidth);

    WideString text_;
    std::vector<TextLine> lines_;
    int32_t lineHeight_ = 0;
    int32_t width_ = 0;
};

} // namespace fw
