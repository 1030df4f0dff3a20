#include "platform/SystemInfo.h"

namespace fw::os {

int32_t windowsMajorVersion() {
    return 6;
}

bool isFontFamilyInstalled(WideStringView) {
    return false;
}

int32_t screenDpi() {
    return 96;
}

uint32_t doubleClickTime() {
    return 500;
}

Size doubleClickSize() {
    return Size{4, 4};
}

uint32_t caretBlinkTime() {
    return 530;
}

} // namespace fw::os
