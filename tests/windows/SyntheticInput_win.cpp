#include "SyntheticInput_win.h"

#include "platform/Time.h"
#include "platform/Win32.h"
#include "ui/EventLoop.h"
#include "ui/UIWindow.h"

#include <string>
#include <vector>

namespace fw::input {

WideString distFolder() {
    std::string path = std::string("Z:") + FW_BINARY_DIR + "/dist";
    return replaceAll(fromUtf8(path), u"/", u"\\");
}

void pump(uint32_t milliseconds, const std::function<bool()>& done) {
    const uint32_t start = os::tickCount();
    while (os::tickCount() - start < milliseconds) {
        eventLoop().processPendingEvents();
        if (done && done()) {
            return;
        }
        ::Sleep(5);
    }
}

void sendKeys(std::initializer_list<std::pair<uint16_t, bool>> keys) {
    std::vector<INPUT> inputs;
    for (const auto& [key, up] : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    pump(60);
}

void press(uint16_t key, uint16_t modifier, uint16_t secondModifier) {
    std::vector<std::pair<uint16_t, bool>> keys;
    for (uint16_t held : {modifier, secondModifier}) {
        if (held) {
            keys.push_back({held, false});
        }
    }
    keys.push_back({key, false});
    keys.push_back({key, true});
    for (uint16_t held : {secondModifier, modifier}) {
        if (held) {
            keys.push_back({held, true});
        }
    }
    std::vector<INPUT> inputs;
    for (const auto& [vk, up] : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    pump(60);
}

void typeText(const char* text) {
    for (const char* c = text; *c; ++c) {
        const SHORT scan = ::VkKeyScanW(static_cast<WCHAR>(*c));
        press(static_cast<uint16_t>(scan & 0xFF), (scan & 0x100) ? VK_SHIFT : 0);
    }
}

void mouse(uint32_t flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(INPUT));
}

void moveMouseTo(Point screen) {
    ::SetCursorPos(screen.x, screen.y);
    mouse(MOUSEEVENTF_MOVE);
}

void clickAt(Point screen) {
    moveMouseTo(screen);
    pump(30);
    mouse(MOUSEEVENTF_LEFTDOWN);
    mouse(MOUSEEVENTF_LEFTUP);
}

void drag(Point from, Point to, int32_t steps) {
    moveMouseTo(from);
    pump(50);
    mouse(MOUSEEVENTF_LEFTDOWN);
    for (int32_t i = 1; i <= steps; ++i) {
        moveMouseTo(
            Point{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
        pump(25);
    }
    // The last move arrives before the release, as a user's hand would rest.
    pump(150);
    mouse(MOUSEEVENTF_LEFTUP);
    pump(100);
}

Point screenPoint(UIWindow& window, const UIWidget& widget, Point local) {
    const Rect r = widget.windowRect();
    return window.nativeWindow().clientToScreen(Point{r.x + local.x, r.y + local.y});
}

Point centreOf(const Rect& rect) {
    return Point{rect.x + rect.width / 2, rect.y + rect.height / 2};
}

} // namespace fw::input
