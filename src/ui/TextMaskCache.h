#pragma once
// Lines of text as the platform rasterised them, kept as coverage masks so
// that a repaint draws a known line by blending instead of laying it out and
// rasterising it again. Scrolling a list of screenshots repaints the same
// names and dates over and over; rasterising them each time costs more than
// everything else in the repaint together.
#include "platform/Rect.h"
#include "platform/WideString.h"
#include "ui/StyleValue.h"

#include <cstdint>
#include <list>
#include <unordered_map>
#include <vector>

namespace fw {

struct PixelSurface;

// Coverage of one line of text in its box: per pixel the red, green and blue
// coverage (0..255) in the colour channels, as white text on black gives it.
// Separate channels keep subpixel (ClearType) rendering.
struct TextMask {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> coverage;
    // The rows that hold any ink; the blend visits only these.
    int32_t firstInkedRow = 0;
    int32_t inkedRows = 0;

    size_t bytes() const { return coverage.size() * sizeof(uint32_t); }
    // Finds the inked rows after the coverage was written.
    void findInk();
};

struct TextMaskKey {
    WideString text;
    FontSpec font;
    int32_t dpi = 96;
    uint32_t flags = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const TextMaskKey&) const = default;
};

struct TextMaskKeyHash {
    size_t operator()(const TextMaskKey& key) const;
};

// The most recently drawn masks up to a byte budget; the least recently used
// go first.
class TextMaskCache {
public:
    explicit TextMaskCache(size_t byteBudget = kDefaultBudget) : budget_(byteBudget) {}

    // The mask for `key`, or null; a hit becomes the most recent.
    const TextMask* find(const TextMaskKey& key);
    // Keeps `mask` (a mask larger than the whole budget is not kept) and
    // returns it.
    const TextMask* insert(TextMaskKey key, TextMask mask);
    size_t bytes() const { return bytes_; }
    size_t size() const { return entries_.size(); }
    void clear();

    static constexpr size_t kDefaultBudget = 8u * 1024 * 1024;

private:
    struct Entry {
        TextMaskKey key;
        TextMask mask;
    };
    using Order = std::list<Entry>;

    size_t budget_;
    size_t bytes_ = 0;
    Order entries_; // most recent first
    std::unordered_map<TextMaskKey, Order::iterator, TextMaskKeyHash> index_;
};

// Draws `mask`, placed with its top-left corner at `origin`, in `color` over
// the premultiplied surface, inside `clip`. The colour goes over what is there
// as the platform would have drawn it; the surface's alpha is kept and no
// channel exceeds it, so that transparent parts stay valid.
void blendTextMask(const PixelSurface& surface, const TextMask& mask, Point origin,
                   const Rect& clip, Color color);

} // namespace fw
