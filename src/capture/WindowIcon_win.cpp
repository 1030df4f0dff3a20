#include "capture/WindowIcon_win.h"

#include "capture/Screen_win.h"
#include "platform/Handles_win.h"

#include <psapi.h>
#include <shellapi.h>

namespace fw::os {

namespace {

constexpr UINT kSendTimeoutMs = 1000;

HICON askForIcon(HWND window, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, WM_GETICON, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               &result)) {
        return nullptr;
    }
    return reinterpret_cast<HICON>(result);
}

WideString executableOf(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    KernelHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) {
        return WideString();
    }
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameExW(process.get(), nullptr, path, MAX_PATH);
    return length ? fromWide(path, length) : WideString();
}

// The shell's icon for the file; the caller owns it.
HICON executableIcon(HWND window) {
    const WideString path = executableOf(window);
    SHFILEINFOW info{};
    if (path.empty() ||
        !::SHGetFileInfoW(wide(path), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_LARGEICON)) {
        return nullptr;
    }
    return info.hIcon;
}

} // namespace

Image windowIcon(WindowId window) {
    HWND handle = static_cast<HWND>(window);
    if (!handle || !::IsWindow(handle)) {
        return Image();
    }
    HICON icon = askForIcon(handle, ICON_BIG, 0);
    if (!icon) {
        icon = reinterpret_cast<HICON>(::GetClassLongPtrW(handle, GCLP_HICON));
    }
    if (!icon) {
        icon = askForIcon(handle, 1, 1);
    }
    if (icon) {
        return imageFromIcon(icon);
    }
    IconHandle fromShell(executableIcon(handle));
    if (fromShell) {
        return imageFromIcon(fromShell.get());
    }
    return imageFromIcon(::LoadIconW(nullptr, IDI_APPLICATION));
}

} // namespace fw::os
