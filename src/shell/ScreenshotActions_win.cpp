#include "i18n/Translation.h"
#include "output/ScreenshotFiles.h"
#include "platform/Files.h"
#include "platform/Win32.h"
#include "shell/ScreenshotActions.h"
#include "ui/NativeDialogs.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace fw {

namespace {

bool shellOpen(const wchar_t* verb, const WideString& target) {
    HINSTANCE result =
        ::ShellExecuteW(nullptr, verb, wide(target), nullptr, nullptr, SW_SHOWDEFAULT);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// "description\0pattern\0...\0\0", as the dialog takes its filters, in the
// order of the format numbers.
WideString filterList() {
    constexpr WideStringView group = u"StandartDialogs";
    const std::pair<WideString, WideStringView> filters[] = {
        {translate(u"BMP - Windows Bitmap", group), u"*.bmp"},
        {translate(u"PNG - Portable Network Graphics", group), u"*.png"},
        {translate(u"JPEG - JPEG Format", group), u"*.jpg;*.jpeg"}};
    WideString list;
    for (const auto& [description, pattern] : filters) {
        list += description;
        list.push_back(u'\0');
        list += pattern;
        list.push_back(u'\0');
    }
    list.push_back(u'\0');
    return list;
}

// The version resource's description of the program in its first language.
WideString fileDescription(const WideString& path) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(wide(path), &ignored);
    if (size == 0) {
        return WideString();
    }
    std::vector<uint8_t> info(size);
    if (!::GetFileVersionInfoW(wide(path), 0, size, info.data())) {
        return WideString();
    }
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                          reinterpret_cast<void**>(&translations), &length) ||
        length < sizeof(Translation)) {
        return WideString();
    }
    wchar_t query[64];
    std::swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\FileDescription", translations->language,
                  translations->codePage);
    wchar_t* text = nullptr;
    if (!::VerQueryValueW(info.data(), query, reinterpret_cast<void**>(&text), &length) || !text ||
        length == 0) {
        return WideString();
    }
    return trim(fromWide(text));
}

} // namespace

bool ScreenshotActions::openFolder(WideStringView path) {
    WideString folder(path);
    return os::folderExists(folder) && shellOpen(L"open", folder);
}

bool ScreenshotActions::openWebAddress(WideStringView address) {
    return shellOpen(L"open", WideString(address));
}

bool ScreenshotActions::chooseSavePath(const SaveDialogRequest& request, void* owner,
                                       SaveDialogAnswer& answer) {
    const WideString filters = filterList();
    std::vector<wchar_t> file(32768, L'\0');
    const size_t name = std::min(request.initialName.size(), file.size() - 1);
    std::copy(request.initialName.begin(), request.initialName.begin() + name, file.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = static_cast<HWND>(owner);
    dialog.lpstrFilter = wide(filters);
    dialog.nFilterIndex = static_cast<DWORD>(std::clamp(request.initialFilter, 0, 2) + 1);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : wide(request.initialFolder);
    dialog.lpstrTitle = wide(request.title);
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   OFN_EXPLORER | OFN_ENABLESIZING;
    if (!runNativeDialog([&] { return ::GetSaveFileNameW(&dialog) != FALSE; })) {
        return false;
    }
    answer.path = fromWide(file.data());
    answer.filter = dialog.nFilterIndex > 0 ? static_cast<int32_t>(dialog.nFilterIndex) - 1 : 0;
    answer.folder = parentFolder(answer.path);
    return !answer.path.empty();
}

WideString ScreenshotActions::programName(WideStringView path) {
    const WideString description = fileDescription(WideString(path));
    return description.empty() ? fileTitleOf(path) : description;
}

} // namespace fw
