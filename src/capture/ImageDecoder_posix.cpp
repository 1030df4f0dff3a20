#include "capture/ImageDecoder.h"

namespace fw {

// The native build has no image codecs; it runs the portable logic only.
Image loadImage(WideStringView /*path*/) {
    return Image();
}

Image loadImageFromMemory(const uint8_t* /*data*/, size_t /*size*/) {
    return Image();
}

} // namespace fw
