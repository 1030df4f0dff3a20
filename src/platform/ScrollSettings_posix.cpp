#include "platform/ScrollSettings.h"

namespace fw::os {

int32_t wheelScrollLines() {
    return 3;
}

} // namespace fw::os
