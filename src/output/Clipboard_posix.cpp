#include "output/Clipboard.h"

namespace fw {

// The native build has no clipboard.
bool copyImageToClipboard(const Image& /*image*/, bool /*beep*/) {
    return false;
}

bool copyTextToClipboard(WideStringView /*text*/, bool /*beep*/) {
    return false;
}

} // namespace fw
