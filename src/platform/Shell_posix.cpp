#include "platform/Shell.h"

namespace fw::os {

// The native build has no shell to hand addresses to.
bool openWebAddress(WideStringView) {
    return false;
}

} // namespace fw::os
