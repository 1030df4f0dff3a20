#include "output/ImageFile.h"

namespace fw {

// The native build has no image codecs; it runs the portable logic only.
bool saveImage(WideStringView /*path*/, const Image& /*image*/) {
    return false;
}

} // namespace fw
