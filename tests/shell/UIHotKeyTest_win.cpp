// The hotkey field in a shown window, recording what the system's keyboard
// input delivers.
#include "platform/Time.h"
#include "platform/Win32.h"
#include "shell/UIHotKey.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace fw {
namespace {

void pump(uint32_t milliseconds, const std::function<bool()>& done) {
    const uint32_t start = os::tickCount();
    while (os::tickCount() - start < milliseconds && !done()) {
        eventLoop().processPendingEvents();
        ::Sleep(5);
    }
}

TEST(UIHotKeyWindowTest, RecordsControlShiftF5FromTheKeyboard) {
    UIWindow window;
    auto* field = window.add<UIHotKey>();
    field->setGeometry(Rect{10, 10, 240, 26});
    window.setScreenRect(Rect{240, 240, 260, 50});
    window.show();
    window.activate();
    pump(300, [&] { return window.isActive(); });
    ASSERT_TRUE(window.isActive());
    field->setFocus();

    std::vector<INPUT> inputs;
    for (auto [key, up] : std::initializer_list<std::pair<WORD, bool>>{{VK_CONTROL, false},
                                                                       {VK_SHIFT, false},
                                                                       {VK_F5, false},
                                                                       {VK_F5, true},
                                                                       {VK_SHIFT, true},
                                                                       {VK_CONTROL, true}}) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    const int64_t expected = hotkeyValue(VK_F5, kModControl | kModShift);
    pump(1000, [&] { return field->value() == expected && !(::GetKeyState(VK_CONTROL) & 0x8000); });
    EXPECT_EQ(field->value(), expected);
    EXPECT_EQ(field->text(), u"Control + Shift + F5");
}

} // namespace
} // namespace fw
