#include "app/AppHost.h"
#include "app/Startup.h"
#include "platform/Handles_win.h"
#include "platform/KnownFolders.h"
#include "platform/Win32.h"

#include <ole2.h>

namespace fw {

struct InstanceMutex {
    KernelHandle handle;
};

namespace {

constexpr wchar_t kOwnerProperty[] = L"[PROPERTY_OWNER]";
constexpr UINT kSignalTimeoutMs = 5000;
// A command's answer may wait for a capture to start on a loaded machine.
constexpr UINT kCommandTimeoutMs = 10000;

// "[" + upper-case instance name + "]": the instance window's class and the mutex.
WideString instanceKey(const WideString& instanceName) {
    return u"[" + toUpperCase(instanceName) + u"]";
}

// The copy comes from any process that found the window: only a message of
// exactly the known form is taken as a command.
CommandAnswer answerCopiedCommand(const AppHost* host, LPARAM lParam) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    Command command;
    if (!host || !copy || copy->dwData > UINT32_MAX ||
        !decodeCommand(static_cast<uint32_t>(copy->dwData),
                       static_cast<const uint8_t*>(copy->lpData), copy->cbData, command)) {
        return CommandAnswer::Refused;
    }
    return host->answerCommand(command);
}

LRESULT CALLBACK instanceWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* host = static_cast<AppHost*>(::GetPropW(window, kOwnerProperty));
        return static_cast<LRESULT>(answerCopiedCommand(host, lParam));
    }
    if (message == AppHost::kSecondStartMessage) {
        auto* host = static_cast<AppHost*>(::GetPropW(window, kOwnerProperty));
        if (host && host->mainWindowHandle()) {
            ::PostMessageW(static_cast<HWND>(host->mainWindowHandle()), message, wParam, lParam);
        }
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

struct InstanceSearch {
    WideString className;
    HWND ownWindow;
    HWND found;
};

BOOL CALLBACK matchInstanceWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<InstanceSearch*>(context);
    if (::IsWindowVisible(window) || window == search->ownWindow) {
        return TRUE;
    }
    wchar_t name[2048] = {};
    int length = ::GetClassNameW(window, name, 2047);
    if (length > 0 && fromWide(name, static_cast<size_t>(length)) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

AppHost::AppHost(const ProductStrings& strings)
    : commandLine_(os::commandLine()), mutexState_(2), strings_(strings),
      executablePath_(os::executablePath()), instanceWindow_(nullptr), mainWindow_(nullptr) {
    size_t slash = executablePath_.rfind(u'\\');
    executableFolder_ = slash == WideString::npos ? WideString() : executablePath_.substr(0, slash);
    if (!appHost()) {
        detail::publishAppHost(this);
    }
    ::OleInitialize(nullptr);
    createWindows();
    createMutex();
}

AppHost::~AppHost() {
    if (appHost() == this) {
        detail::publishAppHost(nullptr);
    }
    if (instanceWindow_) {
        ::RemovePropW(static_cast<HWND>(instanceWindow_), kOwnerProperty);
        ::DestroyWindow(static_cast<HWND>(instanceWindow_));
    }
    ::OleUninitialize();
}

void AppHost::createWindows() {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    // The loop record's message window comes first, as it always has.
    eventLoop().messageWindow();

    WideString className = instanceKey(strings_.instanceName);
    WNDCLASSEXW instanceClass{};
    instanceClass.cbSize = sizeof(instanceClass);
    instanceClass.lpfnWndProc = instanceWindowProcedure;
    instanceClass.hInstance = instance;
    instanceClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    instanceClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(32512));
    instanceClass.hCursor = ::LoadCursorW(instance, MAKEINTRESOURCEW(32512));
    instanceClass.lpszClassName = wide(className);
    ::RegisterClassExW(&instanceClass);
    HWND window =
        ::CreateWindowExW(0, wide(className), L"", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                          -10000, -10000, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window) {
        ::SetPropW(window, kOwnerProperty, this);
    }
    instanceWindow_ = window;
}

void AppHost::createMutex() {
    WideString name = instanceKey(strings_.instanceName);
    HANDLE existing = ::OpenMutexW(0x1F0001, FALSE, wide(name));
    if (existing) {
        mutex_ = std::make_unique<InstanceMutex>(InstanceMutex{KernelHandle(existing)});
        mutexState_ = 1;
        return;
    }
    // Two starts at the same moment both miss the open above; the later one
    // learns here that the mutex already exists.
    HANDLE created = ::CreateMutexW(nullptr, FALSE, wide(name));
    const DWORD error = ::GetLastError();
    if (created) {
        mutex_ = std::make_unique<InstanceMutex>(InstanceMutex{KernelHandle(created)});
        mutexState_ = error == ERROR_ALREADY_EXISTS ? 1 : 0;
    }
}

bool AppHost::isSupportedWindows() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    // GetVersionExW is deprecated but is the test the program has always made.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(&info)) {
        return isSupportedVersion(0, 0);
    }
#pragma GCC diagnostic pop
    return isSupportedVersion(info.dwMajorVersion, info.dwMinorVersion);
}

void* AppHost::findRunningInstance() const {
    InstanceSearch search{instanceKey(strings_.instanceName), static_cast<HWND>(instanceWindow_),
                          nullptr};
    ::EnumWindows(matchInstanceWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void AppHost::signalRunningInstance() const {
    // A hung first instance must not hang this start as well.
    if (HWND found = static_cast<HWND>(findRunningInstance())) {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(found, kSecondStartMessage, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                              kSignalTimeoutMs, &ignored);
    }
}

CommandAnswer AppHost::sendCommand(const Command& command) const {
    HWND found = static_cast<HWND>(findRunningInstance());
    if (!found) {
        return CommandAnswer::NotUnderstood;
    }
    if (command.kind == CommandKind::Show) {
        // Windows lets the instance come to the front only with this start's leave.
        DWORD processId = 0;
        ::GetWindowThreadProcessId(found, &processId);
        ::AllowSetForegroundWindow(processId);
    }
    std::vector<uint8_t> bytes = encodeCommand(command);
    COPYDATASTRUCT copy{kCommandMessageTag, static_cast<DWORD>(bytes.size()), bytes.data()};
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(found, WM_COPYDATA, reinterpret_cast<WPARAM>(instanceWindow_),
                               reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               kCommandTimeoutMs, &answer)) {
        return CommandAnswer::NotUnderstood;
    }
    switch (answer) {
    case static_cast<DWORD_PTR>(CommandAnswer::Accepted):
        return CommandAnswer::Accepted;
    case static_cast<DWORD_PTR>(CommandAnswer::Refused):
        return CommandAnswer::Refused;
    default:
        return CommandAnswer::NotUnderstood;
    }
}

bool AppHost::bringMainWindowForward() const {
    if (!mainWindow_) {
        return false;
    }
    return ::PostMessageW(static_cast<HWND>(mainWindow_), kSecondStartMessage, 0, 0) != 0;
}

int AppHost::run() {
    return eventLoop().run();
}

void AppHost::quit() {
    eventLoop().quit();
}

} // namespace fw
