#include "platform/Handles_win.h"
#include "platform/Registry.h"
#include "platform/Win32.h"

namespace fw::os {

static RegistryKey openUserKey(WideStringView keyPath, REGSAM access, bool create) {
    HKEY key = nullptr;
    LONG status =
        create ? ::RegCreateKeyExW(HKEY_CURRENT_USER, wide(WideString(keyPath)), 0, nullptr, 0,
                                   access, nullptr, &key, nullptr)
               : ::RegOpenKeyExW(HKEY_CURRENT_USER, wide(WideString(keyPath)), 0, access, &key);
    return RegistryKey(status == ERROR_SUCCESS ? key : nullptr);
}

bool hasUserRegistryValue(WideStringView keyPath, WideStringView valueName) {
    RegistryKey key = openUserKey(keyPath, KEY_READ, false);
    DWORD size = 0;
    // Asking for the size alone succeeds for every type and length.
    return key && ::RegQueryValueExW(key.get(), wide(WideString(valueName)), nullptr, nullptr,
                                     nullptr, &size) == ERROR_SUCCESS;
}

bool readUserRegistryString(WideStringView keyPath, WideStringView valueName, WideString& value) {
    RegistryKey key = openUserKey(keyPath, KEY_READ, false);
    DWORD type = 0;
    DWORD size = 0;
    WideString name(valueName);
    if (!key ||
        ::RegQueryValueExW(key.get(), wide(name), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return false;
    }
    WideString data(size / 2 + 1, u'\0');
    DWORD got = size;
    if (::RegQueryValueExW(key.get(), wide(name), nullptr, &type,
                           reinterpret_cast<BYTE*>(data.data()), &got) != ERROR_SUCCESS) {
        return false;
    }
    data.resize(got / 2 > data.size() ? data.size() : got / 2);
    while (!data.empty() && data.back() == u'\0') {
        data.pop_back();
    }
    value = data;
    return true;
}

bool writeUserRegistryString(WideStringView keyPath, WideStringView valueName,
                             WideStringView value) {
    RegistryKey key = openUserKey(keyPath, KEY_WRITE, true);
    WideString data(value);
    return key && ::RegSetValueExW(key.get(), wide(WideString(valueName)), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(data.c_str()),
                                   static_cast<DWORD>((data.size() + 1) * 2)) == ERROR_SUCCESS;
}

bool deleteUserRegistryValue(WideStringView keyPath, WideStringView valueName) {
    RegistryKey key = openUserKey(keyPath, KEY_WRITE, false);
    return key && ::RegDeleteValueW(key.get(), wide(WideString(valueName))) == ERROR_SUCCESS;
}

} // namespace fw::os
