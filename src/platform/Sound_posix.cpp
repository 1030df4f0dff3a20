#include "platform/Sound.h"

namespace fw::os {

// The native build has no sound output.
bool playSoundFile(WideStringView) {
    return false;
}

} // namespace fw::os
