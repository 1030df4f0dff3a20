// The main window of the real program: its place between runs and the notice
// about a PrintScreen key that another program holds.
#include "e2e/Driver_win.h"
#include "platform/Files.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fw::e2e {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(distFolder().empty()) << "FW_DIST_DIR is not set";
        forgetSettings();
    }
    WideString exe() const { return joinPath(distFolder(), u"Framewing.exe"); }

    // Starts the program and waits for its main window on screen.
    HWND startShown(Program& program) {
        if (!program.start(exe())) {
            return nullptr;
        }
        // The first start in a new Wine prefix waits for the prefix to be set up.
        HWND main = program.waitForMainWindow(30000);
        if (!main || !waitUntil(10000, [&] { return ::IsWindowVisible(main) != 0; })) {
            return nullptr;
        }
        return main;
    }
    static void closeAndWait(Program& program, HWND main) {
        ::PostMessageW(main, WM_CLOSE, 0, 0);
        int exitCode = -2;
        EXPECT_TRUE(program.waitForExit(10000, exitCode));
        EXPECT_EQ(exitCode, 0);
    }
};

// Visible windows of the program besides the main window.
int otherVisibleWindows(const Program& program, HWND main) {
    struct Search {
        DWORD process;
        HWND main;
        int count;
    } search{program.processId(), main, 0};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && window != s->main && ::IsWindowVisible(window)) {
                ++s->count;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

TEST_F(MainWindowTest, AMovedAndResizedWindowOpensWhereItWasLeft) {
    writeSettings({{keys::kCloseToNotificationArea, SettingValue::boolean(false)}});
    Program first;
    HWND main = startShown(first);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(::SetWindowPos(main, nullptr, 60, 50, 700, 520, SWP_NOZORDER | SWP_NOACTIVATE));
    RECT placed{};
    ASSERT_TRUE(waitUntil(3000, [&] {
        ::GetWindowRect(main, &placed);
        return placed.left == 60 && placed.right - placed.left == 700;
    }));
    closeAndWait(first, main);
    SettingsStore saved(u"config.dat", u"Framewing");
    EXPECT_EQ(saved.get(keys::kWindowMainLeft, SettingValue()).toInt32(), 60);
    EXPECT_EQ(saved.get(keys::kWindowMainWidth, SettingValue()).toInt32(), 700);

    Program second;
    main = startShown(second);
    ASSERT_NE(main, nullptr);
    RECT again{};
    ::GetWindowRect(main, &again);
    EXPECT_EQ(again.left, placed.left);
    EXPECT_EQ(again.top, placed.top);
    EXPECT_EQ(again.right, placed.right);
    EXPECT_EQ(again.bottom, placed.bottom);
    closeAndWait(second, main);
}

// Run by the two-monitor desktop, whose second monitor (800 x 600) lies left
// of the primary one (640 x 480).
TEST_F(MainWindowTest, OnASecondMonitorAWindowComesBackWhereItWasLeft) {
    if (!std::getenv("FW_EXPECT_NEGATIVE_X")) {
        GTEST_SKIP() << "needs a monitor left of the primary one";
    }
    writeSettings({{keys::kWindowMainLeft, SettingValue::int32(-780)},
                   {keys::kWindowMainTop, SettingValue::int32(20)},
                   {keys::kWindowMainWidth, SettingValue::int32(700)},
                   {keys::kWindowMainHeight, SettingValue::int32(450)}});
    Program program;
    HWND main = startShown(program);
    ASSERT_NE(main, nullptr);
    RECT placed{};
    ::GetWindowRect(main, &placed);
    EXPECT_EQ(placed.left, -780);
    EXPECT_EQ(placed.top, 20);
}

TEST_F(MainWindowTest, AMaximizedStartIsForgottenOnDiskAtOnce) {
    writeSettings({{keys::kWindowMainMaximized, SettingValue::boolean(true)}});
    Program program;
    HWND main = startShown(program);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(::IsZoomed(main));
    // Written while it runs: a crash now does not start every later run maximized.
    EXPECT_TRUE(waitUntil(3000, [] {
        SettingsStore saved(u"config.dat", u"Framewing");
        return !saved.get(keys::kWindowMainMaximized, SettingValue()).toBool();
    }));
}

TEST_F(MainWindowTest, APrintScreenKeyHeldByAnotherProgramIsToldOnceNotAtEveryStart) {
    // This process holds the key, as a snipping or cloud-storage tool would.
    ASSERT_TRUE(::RegisterHotKey(nullptr, 1, 0, VK_SNAPSHOT));
    writeSettings({{keys::kCloseToNotificationArea, SettingValue::boolean(false)}});
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        Program program;
        HWND main = startShown(program);
        ASSERT_NE(main, nullptr);
        const bool told = waitUntil(4000, [&] { return otherVisibleWindows(program, main) > 0; });
        EXPECT_EQ(told, run == 0);
        closeAndWait(program, main);
    }
    ::UnregisterHotKey(nullptr, 1);
}

} // namespace
} // namespace fw::e2e
