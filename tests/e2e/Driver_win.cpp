#include "e2e/Driver_win.h"

#include "platform/Files.h"
#include "platform/KnownFolders.h"
#include "settings/Defaults.h"
#include "settings/SettingsStore.h"

#include <shellapi.h>

#include <cstdlib>
#include <iterator>
#include <vector>

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
    writeSettings(std::vector<std::pair<WideStringView, SettingValue>>(changes));
}

void writeSettings(const std::vector<std::pair<WideStringView, SettingValue>>& changes) {
    SettingsStore store(u"config.dat", u"Framewing");
    applyDefaults(store, standardDefaults());
    for (const auto& [key, value] : changes) {
        store.set(key, value);
    }
    store.save();
}

SettingValue readSetting(WideStringView key) {
    const WideString copyBase = makeScratchFolder(u"settings-copy");
    const WideString copyFolder = joinPath(copyBase, u"Framewing");
    os::createFolder(copyFolder);
    os::copyFile(joinPath(settingsFolder(), u"config.dat"), joinPath(copyFolder, u"config.dat"));
    SettingsStore copy(u"config.dat", u"Framewing", copyBase);
    return copy.get(key, SettingValue());
}

Program::~Program() {
    if (isRunning()) {
        ::TerminateProcess(process_.get(), 99);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

bool Program::start(const WideString& exePath, const WideString& arguments, HANDLE errorOutput) {
    WideString commandLine = u"\"" + exePath + u"\"";
    if (!arguments.empty()) {
        commandLine += u" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (errorOutput) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = errorOutput;
    }
    PROCESS_INFORMATION info{};
    WideString folder = parentFolder(exePath);
    if (!::CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(commandLine.data()), nullptr, nullptr,
                          errorOutput != nullptr, 0, nullptr, wide(folder), &startup, &info)) {
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
    const wchar_t* className; // null: the main window
    HWND found;
};

// The main window is the toolkit window titled "Framewing": toolkit classes are
// named per window, so the class alone does not tell it.
bool isMainWindow(HWND window, const wchar_t* className) {
    wchar_t title[256] = {};
    ::GetWindowTextW(window, title, 255);
    return wcsncmp(className, L"UUI___", 6) == 0 && wcscmp(title, kMainWindowTitle) == 0;
}

BOOL CALLBACK matchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 255);
    const bool match =
        search->className ? wcscmp(name, search->className) == 0 : isMainWindow(window, name);
    if (owner == search->processId && match) {
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

HWND Program::waitForMainWindow(DWORD timeoutMs) const {
    return waitForWindow(nullptr, timeoutMs);
}

} // namespace fw::e2e

namespace fw::e2e {

WideString desktopFolder() {
    WideString folder;
    os::specialFolderPath(os::SpecialFolder::Desktop, folder);
    return folder;
}

void removeScreenshots() {
    const WideString folder = desktopFolder();
    for (const WideString& name : os::listFiles(folder)) {
        if (startsWith(name, u"ScreenShot-")) {
            os::deleteFile(joinPath(folder, name));
        }
    }
}

namespace {
INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}
} // namespace

void pressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) {
        inputs.push_back(keyInput(modifier, false));
    }
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        inputs.push_back(keyInput(*it, true));
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void pumpMessages(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
        ::Sleep(10);
    } while (::GetTickCount() - start < milliseconds);
}

COLORREF patternColour(int x, int y) {
    return RGB((x * 4) & 255, (y * 5) & 255, ((x ^ y) * 3) & 255);
}

namespace {

LRESULT CALLBACK patternProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message != WM_PAINT) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    RECT client;
    ::GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    // The colour of showSolid, kept with its "set" bit above the colour.
    const LONG_PTR solid = ::GetWindowLongPtrW(window, GWLP_USERDATA);
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c =
                solid ? static_cast<COLORREF>(solid & 0xFFFFFF) : patternColour(x, y);
            pixels[static_cast<size_t>(y) * width + x] =
                (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    BITMAPINFO info = topDownBitmapInfo(width, height);
    ::SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info,
                        DIB_RGB_COLORS);
    ::EndPaint(window, &paint);
    return 0;
}

} // namespace

PatternWindow::PatternWindow(const Rect& r, bool topmost) : window_(nullptr), rect_(r) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = patternProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FramewingTestPattern";
    ::RegisterClassW(&windowClass);
    window_ =
        ::CreateWindowExW((topmost ? WS_EX_TOPMOST : 0) | WS_EX_TOOLWINDOW, L"FramewingTestPattern",
                          L"", WS_POPUP | WS_VISIBLE, r.x, r.y, r.width, r.height, nullptr, nullptr,
                          windowClass.hInstance, nullptr);
    ::UpdateWindow(window_);
    pumpMessages(300);
}

PatternWindow::~PatternWindow() {
    ::DestroyWindow(window_);
}

int PatternWindow::mismatches(const Image& image, Point at) const {
    return mismatches(image, at, Rect{0, 0, rect_.width, rect_.height});
}

int PatternWindow::mismatches(const Image& image, Point at, const Rect& part) const {
    if (at.x < 0 || at.y < 0 || at.x + part.width > image.width() ||
        at.y + part.height > image.height()) {
        return part.width * part.height;
    }
    int wrong = 0;
    for (int y = 0; y < part.height; ++y) {
        for (int x = 0; x < part.width; ++x) {
            const uint8_t* p = image.pixel(at.x + x, at.y + y);
            const COLORREF expected = patternColour(part.x + x, part.y + y);
            wrong += p[2] != GetRValue(expected) || p[1] != GetGValue(expected) ||
                     p[0] != GetBValue(expected);
        }
    }
    return wrong;
}

void PatternWindow::showSolid(COLORREF colour) {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, LONG_PTR(colour) | (LONG_PTR(1) << 24));
    ::InvalidateRect(window_, nullptr, FALSE);
}

} // namespace fw::e2e

namespace fw::e2e {

Rect virtualScreen() {
    return Rect{::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void sendMouseAt(Point screen, DWORD flags) {
    const Rect desk = virtualScreen();
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = ((screen.x - desk.x) * 65536 + desk.width - 1) / desk.width;
    input.mi.dy = ((screen.y - desk.y) * 65536 + desk.height - 1) / desk.height;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    ::SendInput(1, &input, sizeof(INPUT));
    pumpMessages(60);
}

void sendButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(INPUT));
    pumpMessages(60);
}

void moveMouse(Point screen) {
    sendMouseAt(screen, 0);
}

void click(Point screen) {
    sendMouseAt(screen, MOUSEEVENTF_LEFTDOWN);
    sendMouseAt(screen, MOUSEEVENTF_LEFTUP);
}

void drag(Point from, Point to) {
    sendMouseAt(from, MOUSEEVENTF_LEFTDOWN);
    moveMouse(Point{(from.x + to.x) / 2, (from.y + to.y) / 2});
    moveMouse(to);
    sendMouseAt(to, MOUSEEVENTF_LEFTUP);
}

Rect windowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return fromRECT(r);
}

namespace {
struct Covering {
    DWORD processId;
    Rect screen;
    HWND found;
};

BOOL CALLBACK findCovering(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Covering*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window) &&
        windowRect(window) == search->screen) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND findWindowCovering(DWORD processId, const Rect& screen) {
    Covering search{processId, screen, nullptr};
    ::EnumWindows(findCovering, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> otherVisibleWindows(DWORD processId, HWND main) {
    struct Search {
        DWORD processId;
        HWND main;
        std::vector<HWND> found;
    } search{processId, main, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && window != s->main && ::IsWindowVisible(window)) {
                s->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ProgramTest::SetUp() {
    ASSERT_FALSE(distFolder().empty()) << "FW_DIST_DIR is not set";
    forgetSettings();
    removeScreenshots();
}

void ProgramTest::TearDown() {
    removeScreenshots();
}

WideString ProgramTest::exe() {
    return joinPath(distFolder(), u"Framewing.exe");
}

} // namespace fw::e2e
