#include "platform/SystemInfo.h"

#include "platform/Win32.h"

namespace fw::os {

namespace {

int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

} // namespace

int32_t windowsMajorVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(&info)) {
        return 0;
    }
#pragma GCC diagnostic pop
    return static_cast<int32_t>(info.dwMajorVersion);
}

bool isFontFamilyInstalled(WideStringView family) {
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    size_t length = family.size() < LF_FACESIZE - 1 ? family.size() : LF_FACESIZE - 1;
    for (size_t i = 0; i < length; ++i) {
        font.lfFaceName[i] = static_cast<wchar_t>(family[i]);
    }
    HDC screen = ::GetDC(nullptr);
    bool found = false;
    ::EnumFontFamiliesExW(screen, &font, noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

int32_t screenDpi() {
    HDC screen = ::GetDC(nullptr);
    int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

uint32_t doubleClickTime() {
    return ::GetDoubleClickTime();
}

Size doubleClickSize() {
    return Size{::GetSystemMetrics(SM_CXDOUBLECLK), ::GetSystemMetrics(SM_CYDOUBLECLK)};
}

uint32_t caretBlinkTime() {
    UINT time = ::GetCaretBlinkTime();
    return time == INFINITE ? 0 : time;
}

} // namespace fw::os
