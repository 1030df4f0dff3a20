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

// Where one destination position samples the source: `first` (or -1 where
// the pixel centre maps outside the image), and for bilinear filtering the
// next position and its weight out of 256.
struct Sample {
    int32_t first = -1;
    int32_t second = -1;
    uint32_t weight = 0;
};

// One axis of a stretch from (sourceStart, sourceLength) onto (destinationStart,
// destinationLength), for the destination positions from..to-1. Samples stay
// inside validStart..validEnd-1, the part of the source that lies in the image.
struct Axis {
    int64_t sourceStart, sourceLength, destinationStart, destinationLength;
    int64_t validStart, validEnd;
};

std::vector<Sample>& axisSamples(std::vector<Sample>& samples, const Axis& axis, int32_t from,
                                 int32_t to, bool smooth) {
    samples.assign(static_cast<size_t>(to - from), Sample{});
    const int64_t twiceDestination = 2 * axis.destinationLength;
    for (int32_t d = from; d < to; ++d) {
        // The destination pixel centre, in source pixels times 2 * destinationLength.
        const int64_t centre = (2 * (d - axis.destinationStart) + 1) * axis.sourceLength;
        const int64_t low = (axis.validStart - axis.sourceStart) * twiceDestination;
        const int64_t high = (axis.validEnd - axis.sourceStart) * twiceDestination;
        if (centre < low || centre >= high) {
            continue;
        }
        Sample& s = samples[static_cast<size_t>(d - from)];
        if (!smooth) {
            s.first = static_cast<int32_t>(axis.sourceStart + centre / twiceDestination);
            s.second = s.first;
            continue;
        }
        // Position of the centre among source pixel centres, in 1/256 pixels.
        int64_t numerator = centre * 256 - 128 * twiceDestination;
        int64_t position = numerator >= 0
                               ? numerator / twiceDestination
                               : -((-numerator + twiceDestination - 1) / twiceDestination);
        int64_t index = axis.sourceStart + (position >> 8);
        s.first = static_cast<int32_t>(std::clamp(index, axis.validStart, axis.validEnd - 1));
        s.second = static_cast<int32_t>(std::clamp(index + 1, axis.validStart, axis.validEnd - 1));
        s.weight = static_cast<uint32_t>(position & 255);
    }
    return samples;
}

template <SourceKind Kind, bool Blend, bool Smooth>
void stretchRow(uint32_t* destination, const uint8_t* top, const uint8_t* bottom,
                uint32_t rowWeight, const std::vector<Sample>& columns) {
    for (size_t i = 0; i < columns.size(); ++i) {
        const Sample& c = columns[i];
        if (c.first < 0) {
            continue;
        }
        if constexpr (!Smooth) {
            store<Blend>(destination[i], load<Kind>(top, c.first));
        } else {
            uint32_t value =
                pixel::mix(load<Kind>(top, c.first), load<Kind>(top, c.second), c.weight);
            if (rowWeight != 0) {
                uint32_t below =
                    pixel::mix(load<Kind>(bottom, c.first), load<Kind>(bottom, c.second), c.weight);
                value = pixel::mix(value, below, rowWeight);
            }
            store<Blend>(destination[i], value);
        }
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

template <SourceKind Kind, bool Blend, bool Smooth> void stretchBlit(const Blit& b) {
    thread_local std::vector<Sample> columns, rows;
    axisSamples(columns,
                {b.source.x, b.source.width, b.destination.x, b.destination.width, b.valid.x,
                 b.valid.right()},
                b.area.x, b.area.right(), Smooth);
    axisSamples(rows,
                {b.source.y, b.source.height, b.destination.y, b.destination.height, b.valid.y,
                 b.valid.bottom()},
                b.area.y, b.area.bottom(), Smooth);
    for (int32_t y = b.area.y; y < b.area.bottom(); ++y) {
        const Sample& r = rows[static_cast<size_t>(y - b.area.y)];
        if (r.first >= 0) {
            stretchRow<Kind, Blend, Smooth>(b.surface.row(y) + b.area.x, b.image.row(r.first),
                                            b.image.row(r.second), r.weight, columns);
        }
    }
}

template <SourceKind Kind, bool Blend> void blit(const Blit& b, bool scaled, bool smooth) {
    if (!scaled) {
        copyBlit<Kind, Blend>(b);
    } else if (smooth) {
        stretchBlit<Kind, Blend, true>(b);
    } else {
        stretchBlit<Kind, Blend, false>(b);
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
