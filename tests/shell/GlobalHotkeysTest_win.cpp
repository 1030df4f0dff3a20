#include "platform/Win32.h"
#include "shell/GlobalHotkeys.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

HWND makeWindow() {
    return ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

// A combination held by one window cannot be taken by another, and becomes
// free again once its owner lets go of it.
TEST(GlobalHotkeysTest, TakenCombinationsAreRefusedUntilReleased) {
    HWND first = makeWindow();
    HWND second = makeWindow();
    ASSERT_TRUE(first && second);
    const HotkeyRecord combination{kHotkeyCapture, 'K', kModControl | kModAlt | kModShift};
    {
        GlobalHotkeys owner(makeWindowHotkeyBackend(first));
        ASSERT_TRUE(owner.registerHotkey(combination));
        GlobalHotkeys other(makeWindowHotkeyBackend(second));
        EXPECT_FALSE(other.registerHotkey(combination));
        EXPECT_FALSE(other.isRegistered(kHotkeyCapture));
        EXPECT_TRUE(other.registerHotkey({kHotkeyShowHide, kKeyF1 + 10, kModShift}));
    }
    GlobalHotkeys later(makeWindowHotkeyBackend(second));
    EXPECT_TRUE(later.registerHotkey(combination));
    EXPECT_FALSE(GlobalHotkeys(makeWindowHotkeyBackend(nullptr)).registerHotkey(combination));
    ::DestroyWindow(first);
    ::DestroyWindow(second);
}

} // namespace
} // namespace fw
