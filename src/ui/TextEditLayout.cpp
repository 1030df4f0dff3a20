#include "ui/TextEditLayout.h"

#include "ui/TextLayout.h"

#include <algorithm>

namespace fw {

namespace {

bool isBreakSpace(char16_t c) {
    return c == u' ' || c == 0x3000 || (c >= 0x2000 && c <= 0x200B);
}

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

void TextEditLayout::build(WideStringView text, const FontSpec& font, int32_t dpi,
                           int32_t wrapWidth) {
    text_ = WideString(text);
    lines_.clear();
    width_ = 0;
    lineHeight_ = fontMetrics(font, dpi).height;
    size_t start = 0;
    while (true) {
        size_t end = text_.find(u'\n', start);
        if (end == WideString::npos) {
            end = text_.size();
        }
        const std::vector<int32_t> offsets =
            characterOffsets(WideStringView(text_).substr(start, end - start), font, dpi);
        wrapParagraph(start, end, offsets, wrapWidth);
        if (end >= text_.size()) {
            break;
        }
        start = end + 1;
    }
}

void TextEditLayout::wrapParagraph(size_t start, size_t end, const std::vector<int32_t>& offsets,
                                   int32_t wrapWidth) {
    const size_t count = end - start;
    auto xAt = [&offsets](size_t i) { return i == 0 ? 0 : offsets[i - 1]; };
    auto push = [&](size_t first, size_t last, bool endsParagraph) {
        TextLine line;
        line.start = start + first;
        line.end = start + last;
        line.endsParagraph = endsParagraph;
        const int32_t base = xAt(first);
        line.offsets.reserve(last - first);
        for (size_t i = first; i < last; ++i) {
            line.offsets.push_back(offsets[i] - base);
        }
        width_ = std::max(width_, line.width());
        lines_.push_back(std::move(line));
    };
    if (wrapWidth <= 0 || count == 0) {
        push(0, count, true);
        return;
    }
    size_t first = 0;
    while (true) {
        size_t fit = first;
        while (fit < count && xAt(fit + 1) - xAt(first) <= wrapWidth) {
            ++fit;
        }
        // Spaces at a wrap hang past the edge rather than start the next line.
        while (fit < count && isBreakSpace(text_[start + fit])) {
            ++fit;
        }
        if (fit >= count) {
            push(first, count, true);
            return;
        }
        size_t wrap = fit;
        while (wrap > first && !isBreakSpace(text_[start + wrap - 1])) {
            --wrap;
        }
        if (wrap == first) {
            // A word wider than the line breaks where it must.
            wrap = std::max(fit, first + 1);
            if (wrap < count && isLowSurrogate(text_[start + wrap])) {
                ++wrap;
            }
        }
        push(first, wrap, false);
        first = wrap;
    }
}

size_t TextEditLayout::lineOf(size_t position, bool atLineEnd) const {
    if (lines_.empty()) {
        return 0;
    }
    auto after = std::upper_bound(lines_.begin(), lines_.end(), position,
                                  [](size_t p, const TextLine& line) { return p < line.start; });
    size_t index = after == lines_.begin() ? 0 : static_cast<size_t>(after - lines_.begin()) - 1;
    if (atLineEnd && index > 0 && lines_[index].start == position &&
        !lines_[index - 1].endsParagraph) {
        --index;
    }
    return index;
}

int32_t TextEditLayout::xOf(size_t position, size_t index) const {
    if (index >= lines_.size()) {
        return 0;
    }
    const TextLine& line = lines_[index];
    if (position <= line.start || line.offsets.empty()) {
        return 0;
    }
    return line.offsets[std::min(position - line.start, line.offsets.size()) - 1];
}

TextHit TextEditLayout::hitOnLine(size_t index, int32_t x) const {
    if (index >= lines_.size()) {
        return TextHit{text_.size(), false};
    }
    const TextLine& line = lines_[index];
    const size_t count = line.end - line.start;
    if (x <= 0 || count == 0) {
        return TextHit{line.start, false};
    }
    auto xAt = [&line](size_t i) { return i == 0 ? 0 : line.offsets[i - 1]; };
    const size_t under = static_cast<size_t>(
        std::lower_bound(line.offsets.begin(), line.offsets.end(), x) - line.offsets.begin());
    size_t boundary = count;
    if (under < count) {
        boundary = x - xAt(under) <= xAt(under + 1) - x ? under : under + 1;
    }
    if (boundary > 0 && boundary < count && isLowSurrogate(text_[line.start + boundary])) {
        --boundary;
    }
    return TextHit{line.start + boundary, boundary == count && !line.endsParagraph};
}

TextHit TextEditLayout::hit(Point point) const {
    if (lines_.empty()) {
        return TextHit{};
    }
    const int32_t row = lineHeight_ > 0 && point.y > 0 ? point.y / lineHeight_ : 0;
    const size_t index = std::min(static_cast<size_t>(row), lines_.size() - 1);
    return hitOnLine(index, point.x);
}

} // namespace fw
