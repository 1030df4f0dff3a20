// The main window of the real program: its place between runs and the notice
// about a PrintScreen key that another program holds.
#include "e2e/Driver_win.h"
#include "platform/Files.h"
#include "settings/SettingKeys.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fw::e2e {
namespace {

class MainWindowTest : public ProgramTest {
protected:
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
    EXPECT_TRUE(waitUntil(3000, [] { return !readSetting(keys::kWindowMainMaximized).toBool(); }));
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
        const bool told = waitUntil(
            4000, [&] { return !otherVisibleWindows(program.processId(), main).empty(); });
        EXPECT_EQ(told, run == 0);
        closeAndWait(program, main);
    }
    ::UnregisterHotKey(nullptr, 1);
}

} // namespace
} // namespace fw::e2e
