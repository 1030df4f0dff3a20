#include "platform/Text.h"
#include "platform/Win32.h"

namespace fw::os {

std::string toAnsi(WideStringView text) {
    if (text.empty()) {
        return std::string();
    }
    const wchar_t* source = reinterpret_cast<const wchar_t*>(text.data());
    int length = static_cast<int>(text.size());
    int needed = ::WideCharToMultiByte(CP_ACP, 0, source, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, source, length, out.data(), needed, nullptr, nullptr);
    }
    return out;
}

WideString fromAnsi(std::string_view ansi) {
    if (ansi.empty()) {
        return WideString();
    }
    int length = static_cast<int>(ansi.size());
    int needed = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    WideString out(static_cast<size_t>(needed > 0 ? needed : 0), u'\0');
    if (needed > 0) {
        ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length,
                              reinterpret_cast<wchar_t*>(out.data()), needed);
    }
    return out;
}

} // namespace fw::os
