#include "platform/KnownFolders.h"
#include "platform/Win32.h"

#include <shlobj.h>

namespace fw::os {

bool specialFolderPath(SpecialFolder folder, WideString& path) {
    int csidl = folder == SpecialFolder::AppData   ? CSIDL_APPDATA
                : folder == SpecialFolder::Desktop ? CSIDL_DESKTOPDIRECTORY
                                                   : CSIDL_SYSTEM;
    wchar_t buffer[MAX_PATH + 1] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, buffer, csidl, FALSE) || buffer[0] == 0) {
        return false;
    }
    path = fromWide(buffer);
    while (path.size() > 3 && path.back() == u'\\') {
        path.pop_back();
    }
    return true;
}

WideString executablePath() {
    wchar_t buffer[MAX_PATH + 1] = {};
    DWORD length = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return fromWide(buffer, length > MAX_PATH ? MAX_PATH : length);
}

WideString commandLine() {
    return fromWide(::GetCommandLineW());
}

} // namespace fw::os
