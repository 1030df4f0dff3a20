#include "capture/Composition_win.h"

#include "platform/SystemInfo.h"

namespace fw::os {

namespace {

using IsCompositionEnabledFunction = HRESULT(WINAPI*)(BOOL*);
using GetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

constexpr DWORD kCloakedAttribute = 14;

template <typename Function> Function dwmFunction(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Function>(
                         reinterpret_cast<void*>(::GetProcAddress(library, name)))
                   : nullptr;
}

// Asked on every mouse move of the window picker: the library stays loaded.
HMODULE dwmLibrary() {
    static HMODULE library = windowsMajorVersion() >= 6 ? ::LoadLibraryW(L"dwmapi.dll") : nullptr;
    return library;
}

} // namespace

bool compositionEnabled() {
    static const auto isEnabled =
        dwmFunction<IsCompositionEnabledFunction>(dwmLibrary(), "DwmIsCompositionEnabled");
    BOOL enabled = FALSE;
    return isEnabled && SUCCEEDED(isEnabled(&enabled)) && enabled;
}

bool isCloaked(HWND window) {
    static const auto getAttribute =
        dwmFunction<GetWindowAttributeFunction>(dwmLibrary(), "DwmGetWindowAttribute");
    DWORD cloaked = 0;
    return getAttribute &&
           SUCCEEDED(getAttribute(window, kCloakedAttribute, &cloaked, sizeof(cloaked))) &&
           cloaked != 0;
}

} // namespace fw::os
