#include "e2e/Driver_win.h"
#include "output/ImageFile.h"
#include "platform/Files.h"
#include "settings/SettingKeys.h"
#include "shell/Hotkey.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fw::e2e {
namespace {

// Below the top-left corner, where Wine shows its own window of notification
// icons when the desktop has no tray: the program's icon puts it there.
constexpr Rect kPatternRect{40, 100, 160, 120};

class CaptureTest : public ProgramTest {
protected:
    // Starts the program with these settings and waits for its visible main window.
    void start(std::initializer_list<std::pair<WideStringView, SettingValue>> settings) {
        writeSettings(settings);
        ASSERT_TRUE(program.start(joinPath(distFolder(), u"Framewing.exe")));
        main = program.waitForMainWindow(10000);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
        // Wine re-reads the X keyboard state when the new window takes the
        // focus; modifiers sent before that could be forgotten.
        pumpMessages(300);
    }

    static WideString shot(int n) {
        return joinPath(desktopFolder(), u"ScreenShot-" + toWide(n) + u".png");
    }
    static bool appears(const WideString& path, DWORD timeoutMs) {
        return waitUntil(timeoutMs, [&] { return os::fileExists(path); });
    }
    // The program may still hold the new file open for a moment (its folder
    // watch reads it), so reading it is retried for a while.
    static Image loadWhenReadable(const WideString& path) {
        Image image;
        waitUntil(5000, [&] {
            image = loadImage(path);
            return !image.isEmpty();
        });
        return image;
    }

    Program program;
    HWND main = nullptr;
};

TEST_F(CaptureTest, PrintScreenSavesTheScreenAsItWasAndBringsTheMainWindowBack) {
    start({});
    PatternWindow pattern(kPatternRect);
    pressKey(VK_SNAPSHOT);
    EXPECT_TRUE(waitUntil(2000, [&] { return !::IsWindowVisible(main); }));
    ASSERT_TRUE(appears(shot(1), 10000));
    const Image image = loadWhenReadable(shot(1));
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width(), ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(image.height(), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    const Point origin{::GetSystemMetrics(SM_XVIRTUALSCREEN),
                       ::GetSystemMetrics(SM_YVIRTUALSCREEN)};
    EXPECT_EQ(pattern.mismatches(image, {kPatternRect.x - origin.x, kPatternRect.y - origin.y}), 0);
    EXPECT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
}

TEST_F(CaptureTest, SecondPressDuringTheDelayStartsNothing) {
    start({{keys::kCaptureDelay, SettingValue::int32(1000)}});
    pressKey(VK_SNAPSHOT);
    pumpMessages(300);
    pressKey(VK_SNAPSHOT);
    ASSERT_TRUE(appears(shot(1), 10000));
    pumpMessages(2000);
    EXPECT_FALSE(os::fileExists(shot(2)));
}

TEST_F(CaptureTest, PrintScreenDoesNothingWhenTheProgramDoesNotUseIt) {
    start({{keys::kUsePrintScreenKey, SettingValue::boolean(false)}});
    pressKey(VK_SNAPSHOT);
    EXPECT_FALSE(appears(shot(1), 2000));
    EXPECT_TRUE(::IsWindowVisible(main));
}

TEST_F(CaptureTest, StoredHotkeysCaptureAndToggleTheMainWindow) {
    start({{keys::kUsePrintScreenKey, SettingValue::boolean(false)},
           {keys::kHotkeyCapture, SettingValue::int64(hotkeyValue(VK_F9, kModControl | kModShift))},
           {keys::kHotkeyShowAndHide, SettingValue::int64(hotkeyValue('H', kModAlt))}});
    pressKey(VK_F9, {VK_CONTROL, VK_SHIFT});
    ASSERT_TRUE(appears(shot(1), 10000));
    ASSERT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));

    pressKey('H', {VK_MENU});
    EXPECT_TRUE(waitUntil(5000, [&] { return !::IsWindowVisible(main); }));
    // A capture started while the main window is hidden leaves it hidden.
    pressKey(VK_F9, {VK_CONTROL, VK_SHIFT});
    ASSERT_TRUE(appears(shot(2), 10000));
    pumpMessages(500);
    EXPECT_FALSE(::IsWindowVisible(main));
    pressKey('H', {VK_MENU});
    EXPECT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
}

// Run alone by scripts/test-workarea (a taskbar strip) and
// scripts/test-multimonitor (two monitors: the whole virtual screen).
TEST_F(CaptureTest, WorkAreaOptionTakesTheWorkAreaOfASingleMonitorOnly) {
    start({{keys::kFullScreenModeWorkArea, SettingValue::boolean(true)}});
    PatternWindow pattern(kPatternRect);
    pressKey(VK_SNAPSHOT);
    ASSERT_TRUE(appears(shot(1), 10000));
    const Image image = loadWhenReadable(shot(1));
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    Rect expected = fromRECT(info.rcWork);
    if (std::getenv("FW_EXPECT_TASKBAR_STRIP")) {
        EXPECT_LT(expected.height, ::GetSystemMetrics(SM_CYSCREEN));
    }
    if (::GetSystemMetrics(SM_CMONITORS) > 1) {
        expected =
            Rect{::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                 ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    }
    EXPECT_EQ(image.width(), expected.width);
    EXPECT_EQ(image.height(), expected.height);
    EXPECT_EQ(pattern.mismatches(image, {kPatternRect.x - expected.x, kPatternRect.y - expected.y}),
              0);
}

} // namespace
} // namespace fw::e2e
