#include "settings/StartupEntry.h"

#include "platform/Registry.h"

namespace fw {

WideString startupEntryData(WideStringView executablePath) {
    return u"\"" + WideString(executablePath) + u"\" -autorun";
}

bool IsStartupEntryPresent(WideStringView name, WideStringView executablePath) {
    WideString data;
    return !name.empty() && os::readUserRegistryString(kStartupRunKey, name, data) &&
           data == startupEntryData(executablePath);
}

void SetStartupEntry(WideStringView name, WideStringView executablePath, bool enabled) {
    if (name.empty() || executablePath.empty()) {
        return;
    }
    if (enabled) {
        os::writeUserRegistryString(kStartupRunKey, name, startupEntryData(executablePath));
    } else {
        os::deleteUserRegistryValue(kStartupRunKey, name);
    }
}

} // namespace fw
