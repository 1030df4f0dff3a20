// The painter's software image blits: unscaled copies, nearest-neighbour and
// bilinear stretches, from premultiplied, straight-alpha or 24-bit images.
#include "ui/UIPainter.h"

#include "ui/PixelBlend.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace fw {

namespace {

enum class SourceKind { Premultiplied, Straight, Opaque };

SourceKind sourceKindOf(const Image& image) {
    if (!image.hasAlpha()) {
        return SourceKind::Opaque;
    }
    return image.premultiplied() ? SourceKind::Premultiplied : SourceKind::Straight;
}

// Pixel x of a source row as premultiplied BGRA.
template <SourceKind Kind> inline uint32_t load(const uint8_t* row, int32_t x) {
    if constexpr (Kind == SourceKind::Opaque) {
        const uint8_t* p = row + static_cast<intptr_t>(x) * 3;
        return 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    } else {
        uint32_t value;
        std::memcpy(&value, row + static_cast<intptr_t>(x) * 4, 4);
        if constexpr (Kind == SourceKind::Straight) {
            return pixel::premultiply(value);
        }
        return value;
    }
}

template <bool Blend> inline void store(uint32_t& destination, uint32_t source) {
    destination = Blend ? pixel::over(destination, source) : source;
}

template <SourceKind Kind, bool Blend>
void copyRow(uint32_t* destination, const uint8_t* sourceRow, int32_t sourceX, int32_t count) {
    if constexpr (Kind == SourceKind::Premultiplied && !Blend) {
        std::memcpy(destination, sourceRow + static_cast<intptr_t>(sourceX) * 4,
                    static_cast<size_t>(count) * 4);
    } else {
        for (int32_t i = 0; i < count; ++i) {
            store<Blend>(destination[i], load<Kind>(sourceRow, sourceX + i));
        }
    }
}

// Where one destination position samples the source: `first`, and for
// bilinear filtering the next position and its weight out of 256.
struct Sample {
    int32_t first = 0;
    int32_t second = 0;
    uint32_t weight = 0;
};

// One axis of a stretch from (sourceStart, sourceLength) onto (destinationStart,
// destinationLength). Samples stay inside validStart..validEnd-1, the part of
// the source that lies in the image.
struct Axis {
    int64_t sourceStart, sourceLength, destinationStart, destinationLength;
    int64_t validStart, validEnd;
};

// The samples of the destination positions from..to-1 whose pixel centres map
// into the image; they form one run, which starts at the returned position.
int32_t axisSamples(std::vector<Sample>& samples, const Axis& axis, int32_t from, int32_t to,
                    bool smooth) {
    samples.clear();
    int32_t start = to;
    const int64_t twiceDestination = 2 * axis.destinationLength;
    const int64_t low = (axis.validStart - axis.sourceStart) * twiceDestination;
    const int64_t high = (axis.validEnd - axis.sourceStart) * twiceDestination;
    for (int32_t d = from; d < to; ++d) {
        // The destination pixel centre, in source pixels times 2 * destinationLength.
        const int64_t centre = (2 * (d - axis.destinationStart) + 1) * axis.sourceLength;
        if (centre < low || centre >= high) {
            continue;
        }
        start = std::min(start, d);
        Sample s;
        if (!smooth) {
            s.first = static_cast<int32_t>(axis.sourceStart + centre / twiceDestination);
            s.second = s.first;
        } else {
            // Position of the centre among source pixel centres, in 1/256 pixels.
            int64_t numerator = centre * 256 - 128 * twiceDestination;
            int64_t position = numerator >= 0
                                   ? numerator / twiceDestination
                                   : -((-numerator + twiceDestination - 1) / twiceDestination);
            int64_t index = axis.sourceStart + (position >> 8);
            s.first = static_cast<int32_t>(std::clamp(index, axis.validStart, axis.validEnd - 1));
            s.second =
                static_cast<int32_t>(std::clamp(index + 1, axis.validStart, axis.validEnd - 1));
            s.weight = static_cast<uint32_t>(position & 255);
        }
        samples.push_back(s);
    }
    return start;
}

template <bool Blend> void storeRow(uint32_t* destination, const uint32_t* line, int32_t count) {
    if constexpr (Blend) {
        for (int32_t i = 0; i < count; ++i) {
            destination[i] = pixel::over(destination[i], line[i]);
        }
    } else {
        std::memcpy(destination, line, static_cast<size_t>(count) * 4);
    }
}

template <bool Blend> void fillRow(uint32_t* destination, uint32_t value, int32_t count) {
    const uint32_t alpha = value >> 24;
    if (!Blend || alpha == 255) {
        std::fill(destination, destination + count, value);
    } else if (alpha != 0) {
        for (int32_t i = 0; i < count; ++i) {
            destination[i] = value + pixel::scale(destination[i], 255 - alpha);
        }
    }
}

// A source row stretched across the destination columns, premultiplied. Skin
// centres and edges are mostly flat colours or vertical gradients, whose rows
// are one colour: such a row is marked uniform and drawn as a fill.
struct StretchedRow {
    int32_t sourceRow = -1;
    bool uniform = false;
    std::vector<uint32_t> pixels;
};

template <SourceKind Kind>
void stretchRow(const uint8_t* source, int32_t sourceRow, const std::vector<Sample>& columns,
                StretchedRow& out) {
    out.sourceRow = sourceRow;
    out.pixels.resize(columns.size());
    // Columns never step back, so these are the first and last pixels read.
    const int32_t from = columns.front().first;
    const int32_t to = columns.back().second;
    const uint32_t first = load<Kind>(source, from);
    out.uniform = true;
    for (int32_t x = from + 1; x <= to && out.uniform; ++x) {
        out.uniform = load<Kind>(source, x) == first;
    }
    if (out.uniform) {
        std::fill(out.pixels.begin(), out.pixels.end(), first);
        return;
    }
    for (size_t i = 0; i < columns.size(); ++i) {
        const Sample c = columns[i];
        const uint32_t left = load<Kind>(source, c.first);
        out.pixels[i] =
            c.weight == 0 ? left : pixel::mix(left, load<Kind>(source, c.second), c.weight);
    }
}

struct Blit {
    const Image& image;
    const PixelSurface& surface;
    Rect area; // surface pixels to draw
    Rect source;
    Rect destination;
    Rect valid; // the source clipped to the image
};

template <SourceKind Kind, bool Blend> void copyBlit(const Blit& b) {
    for (int32_t y = b.area.y; y < b.area.bottom(); ++y) {
        const uint8_t* sourceRow = b.image.row(b.source.y + y - b.destination.y);
        copyRow<Kind, Blend>(b.surface.row(y) + b.area.x, sourceRow,
                             b.source.x + b.area.x - b.destination.x, b.area.width);
    }
}

// Scratch space reused by every stretch on this thread.
struct StretchBuffers {
    std::vector<Sample> columns, rows;
    StretchedRow upper, lower;
    std::vector<uint32_t> line;
};

// Each source row is stretched across once and kept while the destination
// rows that use it go by; a destination row is one such row or, filtered,
// a mix of two.
template <SourceKind Kind, bool Blend>
void stretchRows(const Blit& b, StretchBuffers& s, int32_t x0, int32_t y0) {
    const auto width = static_cast<int32_t>(s.columns.size());
    for (size_t j = 0; j < s.rows.size(); ++j) {
        const Sample r = s.rows[j];
        if (r.first != s.upper.sourceRow) {
            if (r.first == s.lower.sourceRow) {
                std::swap(s.upper, s.lower);
            } else {
                stretchRow<Kind>(b.image.row(r.first), r.first, s.columns, s.upper);
            }
        }
        uint32_t* destination = b.surface.row(y0 + static_cast<int32_t>(j)) + x0;
        if (r.weight == 0) {
            s.upper.uniform ? fillRow<Blend>(destination, s.upper.pixels[0], width)
                            : storeRow<Blend>(destination, s.upper.pixels.data(), width);
            continue;
        }
        if (r.second != s.lower.sourceRow) {
            stretchRow<Kind>(b.image.row(r.second), r.second, s.columns, s.lower);
        }
        if (s.upper.uniform && s.lower.uniform) {
            fillRow<Blend>(destination, pixel::mix(s.upper.pixels[0], s.lower.pixels[0], r.weight),
                           width);
            continue;
        }
        s.line.resize(s.columns.size());
        for (size_t i = 0; i < s.line.size(); ++i) {
            s.line[i] = pixel::mix(s.upper.pixels[i], s.lower.pixels[i], r.weight);
        }
        storeRow<Blend>(destination, s.line.data(), width);
    }
}

template <SourceKind Kind, bool Blend> void stretchBlit(const Blit& b, bool smooth) {
    thread_local StretchBuffers buffers;
    StretchBuffers& s = buffers;
    const int32_t x0 = axisSamples(s.columns,
                                   {b.source.x, b.source.width, b.destination.x,
                                    b.destination.width, b.valid.x, b.valid.right()},
                                   b.area.x, b.area.right(), smooth);
    const int32_t y0 = axisSamples(s.rows,
                                   {b.source.y, b.source.height, b.destination.y,
                                    b.destination.height, b.valid.y, b.valid.bottom()},
                                   b.area.y, b.area.bottom(), smooth);
    if (!s.columns.empty() && !s.rows.empty()) {
        // Rows kept from an earlier draw belong to other columns or images.
        s.upper.sourceRow = s.lower.sourceRow = -1;
        stretchRows<Kind, Blend>(b, s, x0, y0);
    }
}

template <SourceKind Kind, bool Blend> void blit(const Blit& b, bool scaled, bool smooth) {
    if (scaled) {
        stretchBlit<Kind, Blend>(b, smooth);
    } else {
        copyBlit<Kind, Blend>(b);
    }
}

} // namespace

void UIPainter::drawImageOnSurface(const Image& image, const Rect& source,
                                   const Rect& destination) {
    if (image.isEmpty() || surface_.isNull()) {
        return;
    }
    Blit b{image,  surface_,    intersect(state_.clip, destination),
           source, destination, intersect(source, Rect{0, 0, image.width(), image.height()})};
    const bool scaled = source.width != destination.width || source.height != destination.height;
    if (!scaled) {
        // Only the part of the source inside the image is drawn.
        b.area = intersect(b.area, Rect{destination.x + b.valid.x - source.x,
                                        destination.y + b.valid.y - source.y, b.valid.width,
                                        b.valid.height});
    }
    if (b.area.isEmpty() || b.valid.isEmpty()) {
        return;
    }
    const bool blend = (renderHints() & RenderHintBlending) != 0;
    const bool smooth = (renderHints() & RenderHintSmoothScaling) != 0;
    switch (sourceKindOf(image)) {
    case SourceKind::Opaque:
        blit<SourceKind::Opaque, false>(b, scaled, smooth);
        break;
    case SourceKind::Premultiplied:
        blend ? blit<SourceKind::Premultiplied, true>(b, scaled, smooth)
              : blit<SourceKind::Premultiplied, false>(b, scaled, smooth);
        break;
    case SourceKind::Straight:
        blend ? blit<SourceKind::Straight, true>(b, scaled, smooth)
              : blit<SourceKind::Straight, false>(b, scaled, smooth);
        break;
    }
}

} // namespace fw
