#pragma once
// The GDI objects (bitmaps, device contexts, brushes, fonts, regions) the
// program holds through the owners of platform/Handles_win.h. Windows tells
// only the process itself how many it holds, and Wine tells no one: this count
// is what benchmarks, tests and the toolkit read to see that nothing leaks.
#include <atomic>
#include <cstdint>

namespace fw::os {

namespace detail {
inline std::atomic<int32_t> gdiObjects{0};
} // namespace detail

inline int32_t gdiObjectCount() {
    return detail::gdiObjects.load(std::memory_order_relaxed);
}

// Called by the owners only: +1 when one takes an object, -1 when it lets go.
inline void countGdiObjects(int32_t change) {
    detail::gdiObjects.fetch_add(change, std::memory_order_relaxed);
}

} // namespace fw::os
