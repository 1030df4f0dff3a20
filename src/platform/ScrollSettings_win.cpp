#include "platform/ScrollSettings.h"

#include "platform/Win32.h"

namespace fw::os {

int32_t wheelScrollLines() {
    UINT lines = 3;
    if (!::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) {
        return 3;
    }
    if (lines == WHEEL_PAGESCROLL) {
        return kWheelScrollsPage;
    }
    return static_cast<int32_t>(lines);
}

} // namespace fw::os
