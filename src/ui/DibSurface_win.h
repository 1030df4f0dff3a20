#pragma once
// A 32-bit top-down DIB section selected into its own memory device context:
// the pixels toolkit painters draw on and GDI text writes into.
#include "platform/Handles_win.h"
#include "ui/UIPainter.h"

#include <optional>

namespace fw {

class DibSurface {
public:
    DibSurface() = default;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // Makes room for width x height; keeps the bitmap when it is large enough
    // and not much too large. False when the bitmap cannot be made.
    bool ensure(int32_t width, int32_t height);
    HDC dc() const { return dc_.get(); }
    // The first width x height pixels as asked for by ensure().
    PixelSurface surface() const;
    void clear(uint32_t premultiplied);

private:
    void release();

    MemoryDc dc_;
    BitmapHandle bitmap_;
    std::optional<SelectedObject> selected_;
    void* bits_ = nullptr;
    int32_t capacityWidth_ = 0;
    int32_t capacityHeight_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

} // namespace fw
