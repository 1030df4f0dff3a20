#include "app/Startup.h"

#include "platform/Files.h"

#include <cstdlib>
#include <string>

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

void reportStartupDelay(int32_t delayMs) {
    const char* path = std::getenv("FW_STARTUP_DELAY_FILE");
    if (!path || !*path) {
        return;
    }
    const std::string text = std::to_string(delayMs);
    os::writeFile(fromUtf8(path), text.data(), text.size());
}

} // namespace fw
