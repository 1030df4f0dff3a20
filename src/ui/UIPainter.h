#pragma once
// The toolkit's painter: draws onto one platform device context for the
// duration of a paint. Image draws go through one platform drawing call that
// honours the painter's render hints.
#include "capture/Image.h"
#include "platform/Rect.h"

#include <cstdint>

namespace fw {

// A platform device context (HDC on Windows).
using NativeDeviceContext = void*;

enum RenderHint : uint32_t {
    RenderHintBlending = 1,      // source over the destination, else a plain copy
    RenderHintSmoothScaling = 2, // interpolated stretching, else nearest neighbour
};

class UIPainter {
public:
    explicit UIPainter(NativeDeviceContext deviceContext,
                       uint32_t renderHints = RenderHintBlending | RenderHintSmoothScaling)
        : deviceContext_(deviceContext), renderHints_(renderHints) {}
    UIPainter(const UIPainter&) = delete;
    UIPainter& operator=(const UIPainter&) = delete;
    virtual ~UIPainter() = default;

    NativeDeviceContext deviceContext() const { return deviceContext_; }
    uint32_t renderHints() const { return renderHints_; }
    void setRenderHints(uint32_t hints) { renderHints_ = hints; }

    // Stretches `source` of `image` onto `destination`; a plain copy when both
    // have the same size. Empty rectangles draw nothing.
    virtual void drawImage(const Image& image, const Rect& source, const Rect& destination);
    // Draws (source, width, height) of `image` at `destination` without scaling.
    virtual void copyImage(const Image& image, Point source, Point destination, int32_t width,
                           int32_t height);

protected:
    // The one platform draw every image draw ends in.
    virtual void drawImageRect(const Image& image, const Rect& source, const Rect& destination);

private:
    NativeDeviceContext deviceContext_;
    uint32_t renderHints_;
};

} // namespace fw
