#include "app/Startup.h"

namespace fw {

WideString programVersion() {
    return u"1.0.0";
}

WideString userAgent() {
    return u"Framewing/1.0";
}

bool isSupportedVersion(uint32_t major, uint32_t minor) {
    return major > 5 || (major == 5 && minor >= 1);
}

bool hasAutorunSwitch(WideStringView commandLine) {
    return commandLine.find(u"-autorun") != WideStringView::npos;
}

int32_t deferredStartupDelay(int32_t r) {
    return 128 + r * 129 / 32768;
}

} // namespace fw
