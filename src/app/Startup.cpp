#include "app/Startup.h"

#include "platform/Files.h"
#include "resources/DataPack.h"

namespace fw {

bool isSupportedVersion(uint32_t major, uint32_t minor) {
    return major > 5 || (major == 5 && minor >= 1);
}

bool hasAutorunSwitch(WideStringView commandLine) {
    return commandLine.find(u"-autorun") != WideStringView::npos;
}

int32_t deferredStartupDelay(int32_t r) {
    return 128 + r * 129 / 32768;
}

WideString findStyleFile(WideStringView name, WideStringView executableFolder) {
    if (name.find(u'\\') != WideStringView::npos) {
        return os::fileExists(name) ? WideString(name) : WideString();
    }
    WideString fileName = WideString(name) + u".style";
    WideString beside = joinPath(executableFolder, fileName);
    if (os::fileExists(beside)) {
        return beside;
    }
    WideString inStyles = joinPath(joinPath(executableFolder, u"styles"), fileName);
    return os::fileExists(inStyles) ? inStyles : WideString();
}

bool loadStartupStyle(WideStringView name, WideStringView executableFolder) {
    WideString path = findStyleFile(name, executableFolder);
    DataPack style;
    return !path.empty() && style.open(path);
}

} // namespace fw
