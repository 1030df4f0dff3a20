#include "e2e/Driver_win.h"
#include "platform/Files.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace fw::e2e {
namespace {

class StartupTest : public ProgramTest {
protected:
};

TEST_F(StartupTest, SecondStartSignalsTheFirstAndExitsWithMinusOne) {
    Program first;
    ASSERT_TRUE(first.start(exe(), u"-autorun"));
    HWND main = first.waitForMainWindow(10000);
    ASSERT_NE(main, nullptr);
    // "-autorun" keeps the main window hidden past the deferred start-up step.
    ::Sleep(600);
    EXPECT_FALSE(::IsWindowVisible(main));

    Program second;
    ASSERT_TRUE(second.start(exe()));
    int exitCode = 0;
    ASSERT_TRUE(second.waitForExit(10000, exitCode));
    EXPECT_EQ(exitCode, -1);
    EXPECT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
    EXPECT_TRUE(first.isRunning());
}

TEST_F(StartupTest, WithoutDataPackTheProgramRefusesToStartAndWritesNoSettings) {
    WideString folder = makeScratchFolder(u"fw-no-pack");
    WideString lonely = joinPath(folder, u"Framewing.exe");
    ASSERT_TRUE(os::copyFile(exe(), lonely));
    Program program;
    ASSERT_TRUE(program.start(lonely));
    int exitCode = 0;
    ASSERT_TRUE(program.waitForExit(10000, exitCode));
    EXPECT_EQ(exitCode, -1);
    EXPECT_FALSE(os::fileExists(joinPath(settingsFolder(), u"config.dat")));
}

TEST_F(StartupTest, ClosingTheMainWindowHidesItByDefault) {
    Program program;
    ASSERT_TRUE(program.start(exe()));
    HWND main = program.waitForMainWindow(10000);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(waitUntil(5000, [&] { return !::IsWindowVisible(main); }));
    int exitCode = 0;
    EXPECT_FALSE(program.waitForExit(500, exitCode));
}

TEST_F(StartupTest, RunsUntilTheMainWindowIsClosedThenExitsWithZeroAndSavesSettings) {
    writeSettings({{keys::kCloseToNotificationArea, SettingValue::boolean(false)}});
    Program program;
    ASSERT_TRUE(program.start(exe()));
    HWND main = program.waitForMainWindow(10000);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
    int exitCode = 0;
    EXPECT_FALSE(program.waitForExit(1000, exitCode));
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.waitForExit(10000, exitCode));
    EXPECT_EQ(exitCode, 0);
    SettingsStore saved(u"config.dat", u"Framewing");
    EXPECT_EQ(saved.get(keys::kNumRuns, SettingValue()).toInt32(), 1);
    EXPECT_FALSE(saved.get(keys::kCloseToNotificationArea, SettingValue()).toBool());
}

} // namespace
} // namespace fw::e2e
