#pragma once
// Small sets of rectangles: what is left of a rectangle when others are cut
// out of it, and the pieces that differ between two rectangles. The window
// capture uses them to shrink a capture behind covering windows, the overlay to
// repaint only what changed.
#include "platform/Rect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

// The parts of `a` outside `b`: at most four rectangles that do not overlap.
std::vector<Rect> subtract(const Rect& a, const Rect& b);

// Cuts every rectangle of `cuts` out of `area` and returns the bounding box of
// what remains (empty when nothing does).
Rect boundingBoxAfterCutting(const Rect& area, const std::vector<Rect>& cuts);

// Bounding box of all rectangles; empty ones add nothing.
Rect boundingBox(const std::vector<Rect>& rects);

// `r` grown by `amount` on every side (shrunk for a negative amount).
Rect inflate(const Rect& r, int32_t amount);

// The band of `outer` that lies outside `inner` (which lies inside it):
// up to four rectangles.
std::vector<Rect> ring(const Rect& outer, const Rect& inner);

// The pixels that lie in exactly one of the two rectangles.
std::vector<Rect> symmetricDifference(const Rect& a, const Rect& b);

// The parts of the rectangles of `a` that no rectangle of `b` covers.
std::vector<Rect> difference(const std::vector<Rect>& a, const std::vector<Rect>& b);

// Fewer, larger rectangles covering all of `rects`: pairs are united while
// that adds less than `freeArea` pixels not in either, or while more than
// `most` remain. Each rectangle drawn or copied has a cost of its own.
std::vector<Rect> coalesce(std::vector<Rect> rects, size_t most, int64_t freeArea);

// Appends the non-empty rectangles of `more` to `list`.
void appendRects(std::vector<Rect>& list, const std::vector<Rect>& more);

} // namespace fw
