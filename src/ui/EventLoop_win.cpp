#include "ui/EventLoop.h"

#include "platform/Win32.h"

namespace fw {

namespace detail {
intptr_t makePostedEventRecord(EventReceiver* receiver, ToolkitEvent event);
void freePostedEventRecord(intptr_t record);
} // namespace detail

namespace {

constexpr wchar_t kMessageWindowClass[] = L"DE488461-975A-4c0c-B8BC-FAADED591024";

LRESULT CALLBACK messageWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

EventLoop::EventLoop() = default;

EventLoop::~EventLoop() {
    // Records still queued die with the process; the window goes with the thread.
}

void* EventLoop::messageWindow() {
    if (messageWindow_) {
        return messageWindow_;
    }
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW messageClass{};
    messageClass.cbSize = sizeof(messageClass);
    messageClass.lpfnWndProc = messageWindowProcedure;
    messageClass.cbWndExtra = 4;
    messageClass.hInstance = instance;
    messageClass.lpszClassName = kMessageWindowClass;
    ::RegisterClassExW(&messageClass);
    messageWindow_ = ::CreateWindowExW(0, kMessageWindowClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                       instance, nullptr);
    return messageWindow_;
}

void EventLoop::wake() {
    if (HWND window = static_cast<HWND>(messageWindow())) {
        ::PostMessageW(window, WM_NULL, 0, 0);
    }
}

void EventLoop::quit() {
    for (Frame& frame : frames_) {
        frame.exit = true;
        frame.exitCode = 0;
    }
    ::PostQuitMessage(0);
}

bool EventLoop::post(EventReceiver* receiver, ToolkitEvent event) {
    intptr_t record = detail::makePostedEventRecord(receiver, std::move(event));
    if (!::PostMessageW(static_cast<HWND>(messageWindow()), kPostedEventMessage, 0, record)) {
        detail::freePostedEventRecord(record);
        return false;
    }
    return true;
}

void EventLoop::postModalEnd() {
    ::PostMessageW(static_cast<HWND>(messageWindow()), kModalEndMessage, 0, 0);
}

bool EventLoop::handleOneMessage(bool wait) {
    MSG message{};
    if (wait) {
        if (::GetMessageW(&message, nullptr, 0, 0) < 0) {
            return true;
        }
    } else if (!::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (message.hwnd && message.hwnd == static_cast<HWND>(messageWindow_)) {
        if (message.message == kPostedEventMessage) {
            deliver(message.lParam);
            return true;
        }
        if (message.message == kModalEndMessage) {
            modal_ = false;
            return true;
        }
    }
    if (message.message == WM_QUIT) {
        quit();
        // A peek must not swallow the quit that the outer frames still wait for.
        return wait;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
    return true;
}

} // namespace fw
