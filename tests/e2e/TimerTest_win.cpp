// Timed series under Wine: the real program counts down, ticks, captures and
// stops. Sounds are counted and timed through the program's sound log, and
// free space is simulated through a file the program reads at every test.
#include "e2e/Driver_win.h"
#include "output/ImageFile.h"
#include "platform/Files.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fw::e2e {
namespace {

struct SoundEvent {
    DWORD time;
    std::string name;
};

// Waits for `condition` while this thread's windows keep painting.
template <typename Condition> bool waitPumping(DWORD timeoutMs, Condition condition) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) {
            return false;
        }
        pumpMessages(20);
    }
    return true;
}

void clickAt(Point screen) {
    ::SetCursorPos(screen.x, screen.y);
    pumpMessages(100);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

class TimerTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        const WideString scratch = makeScratchFolder(u"framewing-timer");
        soundLog = joinPath(scratch, u"sounds.log");
        freeSpaceFile = joinPath(scratch, u"free-space.txt");
        ::SetEnvironmentVariableW(L"FW_SOUND_LOG", wide(soundLog));
    }
    void TearDown() override {
        ::SetEnvironmentVariableW(L"FW_SOUND_LOG", nullptr);
        ::SetEnvironmentVariableW(L"FW_FREE_SPACE_FILE", nullptr);
        ProgramTest::TearDown();
    }

    // Starts the program in timer mode with these settings changed.
    void start(int32_t interval, int32_t repeat,
               std::initializer_list<std::pair<WideStringView, SettingValue>> more = {}) {
        std::vector<std::pair<WideStringView, SettingValue>> all = {
            {keys::kMode, SettingValue::int32(4)},
            {keys::kTimerModeInterval, SettingValue::int32(interval)},
            {keys::kTimerModeRepeatCount, SettingValue::int32(repeat)}};
        all.insert(all.end(), more.begin(), more.end());
        writeAll(all);
        ASSERT_TRUE(program.start(joinPath(distFolder(), u"Framewing.exe")));
        main = program.waitForMainWindow(10000);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
        pumpMessages(300);
    }
    static void writeAll(const std::vector<std::pair<WideStringView, SettingValue>>& all);

    static WideString shot(int n) {
        return joinPath(desktopFolder(), u"ScreenShot-" + toWide(n) + u".png");
    }
    static bool appears(const WideString& path, DWORD timeoutMs) {
        return waitUntil(timeoutMs, [&] { return os::fileExists(path); });
    }
    std::vector<SoundEvent> sounds() const {
        std::vector<SoundEvent> events;
        std::ifstream in(toUtf8(soundLog).c_str());
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            SoundEvent event{};
            if (fields >> event.time >> event.name) {
                events.push_back(event);
            }
        }
        return events;
    }
    std::string soundNames() const {
        std::string names;
        for (const SoundEvent& event : sounds()) {
            names += event.name == "timer.wav" ? "t" : event.name == "shot.wav" ? "S" : "?";
        }
        return names;
    }
    // The counter window while it is shown, or null.
    HWND counter(DWORD timeoutMs) const {
        HWND found = nullptr;
        waitUntil(timeoutMs, [&] {
            const std::vector<HWND> windows = otherVisibleWindows(program.processId(), main);
            found = windows.empty() ? nullptr : windows[0];
            return found != nullptr;
        });
        return found;
    }

    Program program;
    HWND main = nullptr;
    WideString soundLog;
    WideString freeSpaceFile;
};

// As a previous run would have saved them: every default, these changed.
void TimerTest::writeAll(const std::vector<std::pair<WideStringView, SettingValue>>& all) {
    SettingsStore store(u"config.dat", u"Framewing");
    applyDefaults(store, standardDefaults());
    for (const auto& [key, value] : all) {
        store.set(key, value);
    }
    store.save();
}

TEST_F(TimerTest, SeriesOfThreeTakesThreeShotsTwoSecondsApartWithOneTickEach) {
    start(2, 3);
    // A pattern where the counter will stand: the screenshots show the
    // pattern, never the counter.
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const Rect under{work.right - 220, work.bottom - 200, 220, 200};
    PatternWindow pattern(under);
    pressKey(VK_SNAPSHOT);
    const HWND shown = counter(3000);
    ASSERT_NE(shown, nullptr);
    // Bottom right of the work area, inside it.
    const Rect placed = windowRect(shown);
    EXPECT_GT(placed.x, (work.left + work.right) / 2);
    EXPECT_GT(placed.y, (work.top + work.bottom) / 2);
    EXPECT_LE(placed.right(), work.right);
    EXPECT_LE(placed.bottom(), work.bottom);
    EXPECT_FALSE(::IsWindowVisible(main));

    ASSERT_TRUE(waitPumping(20000, [&] { return os::fileExists(shot(3)); }));
    EXPECT_TRUE(waitPumping(5000, [&] { return ::IsWindowVisible(main) != 0; }));
    const Point origin{::GetSystemMetrics(SM_XVIRTUALSCREEN),
                       ::GetSystemMetrics(SM_YVIRTUALSCREEN)};
    for (int n = 1; n <= 3; ++n) {
        const Image image = loadImage(shot(n));
        EXPECT_EQ(pattern.mismatches(image, {under.x - origin.x, under.y - origin.y}), 0) << n;
    }
    pumpMessages(500);
    EXPECT_FALSE(os::fileExists(shot(4)));
    EXPECT_EQ(soundNames(), "tStStS");
    std::vector<DWORD> shots;
    for (const SoundEvent& event : sounds()) {
        if (event.name == "shot.wav") {
            shots.push_back(event.time);
        }
    }
    ASSERT_EQ(shots.size(), 3u);
    for (size_t i = 1; i < shots.size(); ++i) {
        EXPECT_GE(shots[i] - shots[i - 1], 1900u) << i;
        EXPECT_LE(shots[i] - shots[i - 1], 4000u) << i;
    }
    EXPECT_FALSE(::IsWindowVisible(shown));
}

TEST_F(TimerTest, StopDuringACountdownSavesNothingMore) {
    start(3, 3);
    pressKey(VK_SNAPSHOT);
    ASSERT_TRUE(appears(shot(1), 10000));
    const HWND shown = counter(3000);
    ASSERT_NE(shown, nullptr);
    // The stop button sits centred in the lower part of the counter.
    const Rect placed = windowRect(shown);
    clickAt(Point{placed.x + placed.width / 2, placed.y + placed.height * 82 / 112});
    EXPECT_TRUE(waitUntil(3000, [&] { return ::IsWindowVisible(main) != 0; }));
    EXPECT_FALSE(::IsWindowVisible(shown));
    pumpMessages(4500);
    EXPECT_FALSE(os::fileExists(shot(2)));
    EXPECT_TRUE(os::fileExists(shot(1)));
}

TEST_F(TimerTest, HiddenCounterStillCaptures) {
    start(2, 1, {{keys::kTimerModeShowCounter, SettingValue::boolean(false)}});
    pressKey(VK_SNAPSHOT);
    const HWND shown = counter(3000);
    ASSERT_NE(shown, nullptr);
    // Shown, for its timer, but outside every screen.
    EXPECT_LT(windowRect(shown).right(), ::GetSystemMetrics(SM_XVIRTUALSCREEN));
    ASSERT_TRUE(appears(shot(1), 10000));
    EXPECT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
}

TEST_F(TimerTest, LowSpaceStopsTheSeriesWithTheMessageAndKeepsEarlierFiles) {
    const std::string plenty = "10000000000";
    ASSERT_TRUE(os::writeFile(freeSpaceFile, plenty.data(), plenty.size()));
    ::SetEnvironmentVariableW(L"FW_FREE_SPACE_FILE", wide(freeSpaceFile));
    start(2, 3);
    pressKey(VK_SNAPSHOT);
    ASSERT_TRUE(appears(shot(1), 10000));
    const std::string exact = "104857600"; // 100 MiB is not enough
    ASSERT_TRUE(os::writeFile(freeSpaceFile, exact.data(), exact.size()));
    // The message box comes up over the returning main window.
    HWND message = nullptr;
    ASSERT_TRUE(waitUntil(6000, [&] {
        for (HWND window : otherVisibleWindows(program.processId(), main)) {
            if (windowRect(window).x > -5000 && ::GetWindowTextLengthW(window) > 0) {
                message = window;
            }
        }
        return message != nullptr;
    }));
    EXPECT_TRUE(::IsWindowVisible(main));
    ::PostMessageW(message, WM_CLOSE, 0, 0);
    EXPECT_TRUE(waitUntil(3000, [&] { return !::IsWindowVisible(message); }));
    pumpMessages(2500);
    EXPECT_FALSE(os::fileExists(shot(2)));
    EXPECT_TRUE(os::fileExists(shot(1)));
    EXPECT_EQ(soundNames(), "tSt");
}

} // namespace
} // namespace fw::e2e
