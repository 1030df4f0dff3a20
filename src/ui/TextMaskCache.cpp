#include "ui/TextMaskCache.h"

#include "ui/PixelBlend.h"
#include "ui/UIPainter.h"

#include <algorithm>
#include <functional>

namespace fw {

void TextMask::findInk() {
    int32_t first = height;
    int32_t last = -1;
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = coverage.data() + static_cast<size_t>(y) * width;
        if (std::any_of(row, row + width, [](uint32_t c) { return (c & 0x00FFFFFF) != 0; })) {
            first = std::min(first, y);
            last = y;
        }
    }
    firstInkedRow = last < 0 ? 0 : first;
    inkedRows = last < 0 ? 0 : last - first + 1;
}

size_t TextMaskKeyHash::operator()(const TextMaskKey& key) const {
    size_t hash = std::hash<WideString>()(key.text);
    auto mix = [&hash](size_t value) {
        hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
    };
    mix(std::hash<WideString>()(key.font.face));
    mix(std::hash<float>()(key.font.size));
    mix(key.font.flags);
    mix(static_cast<size_t>(key.dpi));
    mix(key.flags);
    mix(static_cast<size_t>(key.width) << 16 ^ static_cast<size_t>(key.height));
    return hash;
}

const TextMask* TextMaskCache::find(const TextMaskKey& key) {
    auto found = index_.find(key);
    if (found == index_.end()) {
        return nullptr;
    }
    entries_.splice(entries_.begin(), entries_, found->second);
    return &found->second->mask;
}

const TextMask* TextMaskCache::insert(TextMaskKey key, TextMask mask) {
    if (auto found = index_.find(key); found != index_.end()) {
        bytes_ -= found->second->mask.bytes();
        entries_.erase(found->second);
        index_.erase(found);
    }
    const size_t size = mask.bytes();
    if (size > budget_) {
        return nullptr;
    }
    while (bytes_ + size > budget_ && !entries_.empty()) {
        bytes_ -= entries_.back().mask.bytes();
        index_.erase(entries_.back().key);
        entries_.pop_back();
    }
    entries_.push_front(Entry{key, std::move(mask)});
    index_.emplace(std::move(key), entries_.begin());
    bytes_ += size;
    return &entries_.front().mask;
}

void TextMaskCache::clear() {
    entries_.clear();
    index_.clear();
    bytes_ = 0;
}

namespace {

// One channel of `old` moved towards `target` by coverage / 255, kept at or
// below the pixel's alpha.
inline uint32_t blendChannel(uint32_t old, uint32_t target, uint32_t coverage, uint32_t alpha) {
    const int32_t moved =
        static_cast<int32_t>(old) + (static_cast<int32_t>(target) - static_cast<int32_t>(old)) *
                                        static_cast<int32_t>(coverage) / 255;
    return std::min(static_cast<uint32_t>(moved), alpha);
}

} // namespace

void blendTextMask(const PixelSurface& surface, const TextMask& mask, Point origin,
                   const Rect& clip, Color color) {
    const Rect inked{origin.x, origin.y + mask.firstInkedRow, mask.width, mask.inkedRows};
    const Rect area = intersect(intersect(inked, clip), Rect{0, 0, surface.width, surface.height});
    if (area.isEmpty() || mask.coverage.empty()) {
        return;
    }
    const uint32_t textAlpha = color >> 24;
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        uint32_t* row = surface.row(y);
        const uint32_t* cover =
            mask.coverage.data() + static_cast<size_t>(y - origin.y) * mask.width - origin.x;
        for (int32_t x = area.x; x < area.right(); ++x) {
            uint32_t c = cover[x] & 0x00FFFFFF;
            if (c == 0) {
                continue;
            }
            if (textAlpha != 255) {
                c = pixel::scale(c, textAlpha) & 0x00FFFFFF;
            }
            const uint32_t old = row[x];
            const uint32_t alpha = old >> 24;
            uint32_t out = old & 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                out |= blendChannel(old >> shift & 0xFF, color >> shift & 0xFF, c >> shift & 0xFF,
                                    alpha)
                       << shift;
            }
            row[x] = out;
        }
    }
}

} // namespace fw
