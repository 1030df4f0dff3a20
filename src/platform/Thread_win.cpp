#include "platform/Thread.h"
#include "platform/Win32.h"

#include <new>

namespace fw::os {
namespace {

CRITICAL_SECTION* criticalSection(unsigned char* storage) {
    return std::launder(reinterpret_cast<CRITICAL_SECTION*>(storage));
}

constexpr wchar_t kMonitorClass[] = L"2ECC044D-9915-4e0f-B91B-DD7B4F0D0546";
constexpr wchar_t kStartedMessage[] = L"E6036A79-16F6-4d26-9403-48D2FD42C1BA";
constexpr wchar_t kFinishedMessage[] = L"D251A382-2BDC-4f7f-8BDA-3AD87BE0BC3F";

// Workers read the window handle, so it is published atomically.
std::atomic<HWND> gMonitorWindow{nullptr};

UINT startedMessage() {
    static const UINT message = ::RegisterWindowMessageW(kStartedMessage);
    return message;
}

UINT finishedMessage() {
    static const UINT message = ::RegisterWindowMessageW(kFinishedMessage);
    return message;
}

LRESULT CALLBACK monitorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != 0 && message == finishedMessage()) {
        detail::deliverThreadFinished(static_cast<uint32_t>(lParam));
        return 0;
    }
    if (message != 0 && message == startedMessage()) {
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool createMonitor() {
    // One monitor per process; a second one stays inert.
    if (gMonitorWindow.load()) {
        return false;
    }
    // Registered before any worker can post, so both sides agree on the numbers.
    startedMessage();
    finishedMessage();
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = monitorProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kMonitorClass;
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, kMonitorClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                    instance, nullptr);
    gMonitorWindow = window;
    return window != nullptr;
}

void destroyMonitor() {
    HWND window = gMonitorWindow.exchange(nullptr);
    if (window) {
        ::DestroyWindow(window);
    }
}

struct StartRecord {
    void (*entry)(void*);
    void* argument;
};

DWORD WINAPI threadProcedure(void* record) {
    StartRecord start = *static_cast<StartRecord*>(record);
    delete static_cast<StartRecord*>(record);
    start.entry(start.argument);
    return 0;
}

} // namespace

Mutex::Mutex() {
    static_assert(sizeof(CRITICAL_SECTION) <= sizeof(section_));
    static_assert(alignof(CRITICAL_SECTION) <= alignof(void*));
    ::InitializeCriticalSection(new (section_) CRITICAL_SECTION);
}

Mutex::~Mutex() {
    ::DeleteCriticalSection(criticalSection(section_));
}

void Mutex::lock() {
    ::EnterCriticalSection(criticalSection(section_));
}

void Mutex::unlock() {
    ::LeaveCriticalSection(criticalSection(section_));
}

// Without an event object (out of handles) waits return at once: a thread then
// runs its body without waiting for its start signal, as after the time-out.
Event::Event() : handle_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

Event::~Event() {
    if (handle_) {
        ::CloseHandle(handle_);
    }
}

void Event::set() {
    if (handle_) {
        ::SetEvent(handle_);
    }
}

void Event::reset() {
    if (handle_) {
        ::ResetEvent(handle_);
    }
}

bool Event::waitFor(uint32_t timeoutMs) {
    return handle_ && ::WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0;
}

uint64_t currentThreadId() {
    return ::GetCurrentThreadId();
}

bool detail::createNativeThread(void (*entry)(void*), void* argument, NativeThread& thread) {
    auto* record = new StartRecord{entry, argument};
    HANDLE created = ::CreateThread(nullptr, 0, threadProcedure, record, 0, nullptr);
    if (!created) {
        delete record;
        return false;
    }
    thread = reinterpret_cast<NativeThread>(created);
    return true;
}

void detail::joinNativeThread(NativeThread thread) {
    HANDLE handle = reinterpret_cast<HANDLE>(thread);
    ::WaitForSingleObject(handle, INFINITE);
    ::CloseHandle(handle);
}

void detail::detachNativeThread(NativeThread thread) {
    ::CloseHandle(reinterpret_cast<HANDLE>(thread));
}

ThreadMonitor::ThreadMonitor() : created_(createMonitor()) {}

ThreadMonitor::~ThreadMonitor() {
    if (created_) {
        destroyMonitor();
    }
}

void ThreadMonitor::dispatchPending() {
    HWND window = gMonitorWindow.load();
    MSG message{};
    while (window && ::PeekMessageW(&message, window, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&message);
    }
}

void detail::announceThread(bool finished, uint32_t serial) {
    HWND window = gMonitorWindow.load();
    if (window) {
        ::PostMessageW(window, finished ? finishedMessage() : startedMessage(), 0,
                       static_cast<LPARAM>(serial));
    }
}

} // namespace fw::os
