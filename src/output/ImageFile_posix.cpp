#include "output/ImageFile.h"

namespace fw {

// The native build has no image codecs; it runs the portable logic only.
bool saveImage(WideStringView /*path*/, const Image& /*image*/) {
    return false;
}

Image loadImage(WideStringView /*path*/) {
    return Image();
}

Image loadImageFromMemory(const uint8_t* /*data*/, size_t /*size*/) {
    return Image();
}

} // namespace fw
