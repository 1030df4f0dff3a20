#include "e2e/Driver_win.h"

#include "platform/Files.h"
#include "platform/SpecialFolders.h"
#include "settings/Defaults.h"
#include "settings/SettingsStore.h"

#include <shellapi.h>

#include <cstdlib>

namespace fw::e2e {

WideString distFolder() {
    const wchar_t* folder = _wgetenv(L"FW_DIST_DIR");
    return folder ? fromWide(folder) : WideString();
}

static void removeTree(const WideString& folder) {
    // SHFileOperation wants a double-zero-terminated list.
    WideString from = folder;
    from.push_back(u'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = wide(from);
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&operation);
}

WideString makeScratchFolder(const WideString& name) {
    wchar_t temp[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH, temp);
    WideString folder = joinPath(trim(fromWide(temp)), name);
    while (folder.find(u"\\\\") != WideString::npos) {
        folder = replaceAll(folder, u"\\\\", u"\\");
    }
    removeTree(folder);
    os::createFolder(folder);
    return folder;
}

WideString settingsFolder() {
    WideString appData;
    os::specialFolderPath(os::SpecialFolder::AppData, appData);
    return joinPath(appData, u"Framewing");
}

void forgetSettings() {
    removeTree(settingsFolder());
}

void writeSettings(std::initializer_list<std::pair<WideStringView, SettingValue>> changes) {
    SettingsStore store(u"config.dat", u"Framewing");
    applyDefaults(store, standardDefaults());
    for (const auto& [key, value] : changes) {
        store.set(key, value);
    }
    store.save();
}

Program::~Program() {
    if (isRunning()) {
        ::TerminateProcess(process_.get(), 99);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

bool Program::start(const WideString& exePath, const WideString& arguments) {
    WideString commandLine = u"\"" + exePath + u"\"";
    if (!arguments.empty()) {
        commandLine += u" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    WideString folder = parentFolder(exePath);
    if (!::CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(commandLine.data()), nullptr, nullptr,
                          FALSE, 0, nullptr, wide(folder), &startup, &info)) {
        return false;
    }
    ::CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
    return true;
}

bool Program::waitForExit(DWORD timeoutMs, int& exitCode) {
    if (::WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    exitCode = static_cast<int>(code);
    return true;
}

bool Program::isRunning() const {
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

namespace {
struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 255);
    if (owner == search->processId && wcscmp(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND Program::findWindow(const wchar_t* className) const {
    WindowSearch search{processId_, className, nullptr};
    ::EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::waitForWindow(const wchar_t* className, DWORD timeoutMs) const {
    HWND window = nullptr;
    waitUntil(timeoutMs, [&] { return (window = findWindow(className)) != nullptr; });
    return window;
}

} // namespace fw::e2e
