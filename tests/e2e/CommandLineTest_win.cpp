// Commands on the command line: against a running instance, without one, and
// refused ones.
#include "e2e/Driver_win.h"
#include "output/HistoryFile.h"
#include "output/ImageFile.h"
#include "platform/Files.h"
#include "settings/SettingKeys.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace fw::e2e {
namespace {

class CommandLineTest : public ProgramTest {
protected:
    static WideString shot(int n) {
        return joinPath(desktopFolder(), u"ScreenShot-" + toWide(n) + u".png");
    }
    static bool appears(int n, DWORD timeoutMs = 15000) {
        return pumpUntil(timeoutMs, [&] { return os::fileExists(shot(n)); });
    }

    // The instance the commands go to, started with these arguments.
    void startInstance(const WideString& arguments = WideString(), int32_t mode = 1) {
        writeSettings({{keys::kMode, SettingValue::int32(mode)}});
        ASSERT_TRUE(instance.start(exe(), arguments));
        main = instance.waitForMainWindow(15000);
        ASSERT_NE(main, nullptr);
        // Past the deferred start-up step: the notification icon exists.
        pumpMessages(800);
    }
    bool mainVisibleWithin(DWORD timeoutMs) const {
        return pumpUntil(timeoutMs, [&] { return ::IsWindowVisible(main) != 0; });
    }

    // Starts Framewing with `arguments` and returns its exit code, this
    // thread's windows painting meanwhile; 99 when it does not end.
    static int command(const WideString& arguments, HANDLE errorOutput = nullptr) {
        Program program;
        if (!program.start(exe(), arguments, errorOutput)) {
            return 98;
        }
        pumpUntil(30000, [&] { return !program.isRunning(); });
        int exitCode = 99;
        program.waitForExit(0, exitCode);
        return exitCode;
    }

    Program instance;
    HWND main = nullptr;
};

TEST_F(CommandLineTest, CaptureFullAgainstTheRunningInstanceKeepsTheChosenMode) {
    startInstance(WideString(), 3);
    ASSERT_TRUE(mainVisibleWithin(5000));
    const DWORD before = ::GetTickCount();
    EXPECT_EQ(command(u"-capture full"), 0);
    std::printf("second start to its accepted answer: %lu ms\n", ::GetTickCount() - before);
    ASSERT_TRUE(appears(1));
    const Image image = loadImage(shot(1));
    EXPECT_EQ(image.width(), ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(image.height(), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_TRUE(mainVisibleWithin(5000));
    pumpMessages(1000);
    EXPECT_FALSE(os::fileExists(shot(2)));

    EXPECT_EQ(command(u"-exit"), 0);
    int exitCode = -1;
    ASSERT_TRUE(instance.waitForExit(15000, exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(readSetting(keys::kMode).toInt32(), 3);
    Bytes file;
    ASSERT_TRUE(os::readFile(joinPath(settingsFolder(), u"history.dat"), file));
    HistoryReader reader(file);
    HistoryRecord record;
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.mode, 1);
}

TEST_F(CommandLineTest, CaptureWithoutAnInstanceStartsTheProgramThenCaptures) {
    writeSettings({});
    ASSERT_TRUE(instance.start(exe(), u"-capture full"));
    main = instance.waitForMainWindow(15000);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(appears(1));
    // A normal start: the main window is up once the capture is over.
    EXPECT_TRUE(mainVisibleWithin(5000));
    pumpMessages(1000);
    EXPECT_FALSE(os::fileExists(shot(2)));
    EXPECT_TRUE(instance.isRunning());
}

TEST_F(CommandLineTest, RegionByCommandRefusesOtherCommandsMeanwhileAndSavesTheDrag) {
    startInstance();
    const Rect at{100, 100, 200, 160};
    PatternWindow pattern(at);
    EXPECT_EQ(command(u"-capture region"), 0);
    HWND overlay = nullptr;
    ASSERT_TRUE(pumpUntil(10000, [&] {
        overlay = findWindowCovering(instance.processId(), virtualScreen());
        return overlay != nullptr;
    })) << "no overlay";
    pumpMessages(200);

    EXPECT_EQ(command(u"-capture full"), 1);
    EXPECT_EQ(command(u"-show"), 1);
    EXPECT_EQ(command(u"-exit"), 1);
    EXPECT_TRUE(::IsWindowVisible(overlay));

    drag(Point{at.x + 30, at.y + 20}, Point{at.x + 150, at.y + 120});
    ASSERT_TRUE(appears(1));
    pumpMessages(200);
    const Image image = loadImage(shot(1));
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width(), 121);
    EXPECT_EQ(image.height(), 101);
    EXPECT_EQ(pattern.mismatches(image, {0, 0}, Rect{30, 20, 121, 101}), 0);
    pumpMessages(1500);
    EXPECT_FALSE(os::fileExists(shot(2)));
}

TEST_F(CommandLineTest, ExitEndsTheInstanceWithItsSettingsSavedAndNeedsOne) {
    startInstance(u"-autorun");
    EXPECT_EQ(command(u"-exit"), 0);
    int exitCode = -1;
    ASSERT_TRUE(instance.waitForExit(15000, exitCode));
    EXPECT_EQ(exitCode, 0);
    // The run was counted in memory only: the exit wrote it.
    EXPECT_EQ(readSetting(keys::kNumRuns).toInt32(), 1);

    // Nothing to end: the program is not started for it.
    EXPECT_EQ(command(u"-exit"), 1);
}

TEST_F(CommandLineTest, BadArgumentsAreRefusedWithAMessageAndAPlainSecondStartSignals) {
    startInstance(u"-autorun");
    EXPECT_FALSE(::IsWindowVisible(main));

    const WideString log = joinPath(makeScratchFolder(u"fw-command-line"), u"errors.txt");
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    {
        FileHandle errors(::CreateFileW(wide(log), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                        CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(errors.valid());
        EXPECT_EQ(command(u"-capture sideways", errors.get()), 1);
    }
    Bytes text;
    ASSERT_TRUE(os::readFile(log, text));
    const std::string message(text.begin(), text.end());
    EXPECT_NE(message.find("unknown capture mode \"sideways\""), std::string::npos) << message;
    EXPECT_EQ(command(u"-capture"), 1);
    EXPECT_EQ(command(u"-capture full -capture full"), 1);
    EXPECT_EQ(command(u"-now"), 1);
    pumpMessages(1500);
    EXPECT_FALSE(os::fileExists(shot(1)));
    EXPECT_FALSE(::IsWindowVisible(main));

    EXPECT_EQ(command(WideString()), -1);
    EXPECT_TRUE(mainVisibleWithin(5000));
    EXPECT_TRUE(instance.isRunning());
}

TEST_F(CommandLineTest, TooLittleDiskSpaceRefusesAtOnceAndThenTellsTheUser) {
    const WideString freeSpace = joinPath(makeScratchFolder(u"fw-command-space"), u"free.txt");
    const std::string exact = "104857600"; // 100 MiB is not enough
    ASSERT_TRUE(os::writeFile(freeSpace, exact.data(), exact.size()));
    ::SetEnvironmentVariableW(L"FW_FREE_SPACE_FILE", wide(freeSpace));
    startInstance();
    ::SetEnvironmentVariableW(L"FW_FREE_SPACE_FILE", nullptr);
    ASSERT_TRUE(mainVisibleWithin(5000));
    // The message box must not hold up the answer: the caller would wait
    // until the user closes it.
    const DWORD before = ::GetTickCount();
    EXPECT_EQ(command(u"-capture full"), 1);
    EXPECT_LT(::GetTickCount() - before, 8000u);
    HWND message = nullptr;
    ASSERT_TRUE(pumpUntil(10000, [&] {
        for (HWND window : otherVisibleWindows(instance.processId(), main)) {
            if (windowRect(window).x > -5000 && ::GetWindowTextLengthW(window) > 0) {
                message = window;
            }
        }
        return message != nullptr;
    }));
    ::PostMessageW(message, WM_CLOSE, 0, 0);
    EXPECT_TRUE(pumpUntil(5000, [&] { return !::IsWindowVisible(message); }));
    pumpMessages(1000);
    EXPECT_FALSE(os::fileExists(shot(1)));
}

TEST_F(CommandLineTest, ShowBringsUpTheHiddenMainWindow) {
    startInstance(u"-autorun");
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_EQ(command(u"-show"), 0);
    EXPECT_TRUE(mainVisibleWithin(5000));
}

} // namespace
} // namespace fw::e2e
