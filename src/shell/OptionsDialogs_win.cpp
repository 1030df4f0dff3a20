#include "shell/OptionsDialogs.h"

#include "platform/Win32.h"
#include "ui/NativeDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace fw {

namespace {

// Opens the picker at the starting folder once it is shown.
int CALLBACK selectStart(HWND dialog, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start != 0) {
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, start);
    }
    return 0;
}

} // namespace

bool chooseFolder(void* owner, WideStringView title, WideStringView start, WideString& chosen) {
    const WideString titleText(title);
    const WideString startText(start);
    BROWSEINFOW info{};
    info.hwndOwner = static_cast<HWND>(owner);
    info.lpszTitle = wide(titleText);
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = selectStart;
    info.lParam = reinterpret_cast<LPARAM>(wide(startText));
    PIDLIST_ABSOLUTE list = runNativeDialog([&] { return ::SHBrowseForFolderW(&info); });
    if (list == nullptr) {
        return false;
    }
    wchar_t path[MAX_PATH] = {};
    const bool found = ::SHGetPathFromIDListW(list, path) != FALSE;
    ::CoTaskMemFree(list);
    if (!found || path[0] == L'\0') {
        return false;
    }
    chosen = fromWide(path);
    return true;
}

bool chooseProgram(void* owner, WideStringView description, WideStringView startFolder,
                   WideString& chosen) {
    // "EXE Files\0*.exe\0\0"
    WideString filter(description);
    filter += u" (*.exe)";
    filter.push_back(u'\0');
    filter += u"*.exe";
    filter.push_back(u'\0');
    filter.push_back(u'\0');
    const WideString folder(startFolder);
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = static_cast<HWND>(owner);
    dialog.lpstrFilter = reinterpret_cast<const wchar_t*>(filter.c_str());
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : wide(folder);
    dialog.lpstrDefExt = L"exe";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   OFN_EXPLORER | OFN_ENABLESIZING;
    if (!runNativeDialog([&] { return ::GetOpenFileNameW(&dialog) != FALSE; })) {
        return false;
    }
    chosen = fromWide(file.data());
    return !chosen.empty();
}

} // namespace fw
