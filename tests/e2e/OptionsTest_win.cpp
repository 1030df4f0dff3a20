// The options window of the real program, driven from the keyboard as a user
// would: every control reaches config.dat, Cancel and "Reset to defaults"
// then Cancel change nothing, a missing editor or folder and a hotkey another
// program holds keep the window open, and a new folder takes the screenshots.
#include "e2e/Driver_win.h"
#include "platform/Files.h"
#include "settings/SettingKeys.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw::e2e {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kStartupName[] = L"Framewing";

bool startupValuePresent() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    const bool present =
        ::RegQueryValueExW(key, kStartupName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return present;
}

void removeStartupValue() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        ::RegDeleteValueW(key, kStartupName);
        ::RegCloseKey(key);
    }
}

// The program's visible top-level windows owned by `owner`.
std::vector<HWND> ownedWindows(DWORD processId, HWND owner) {
    struct Search {
        DWORD processId;
        HWND owner;
        std::vector<HWND> found;
    } search{processId, owner, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            if (process == s->processId && ::IsWindowVisible(window) &&
                ::GetWindow(window, GW_OWNER) == s->owner && ::GetWindowTextLengthW(window) > 0) {
                s->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Keys reach the window with the focus in the order they are sent; the pause
// lets a slow machine paint between them.
void key(WORD vk, std::initializer_list<WORD> modifiers = {}) {
    pressKey(vk, modifiers);
    ::Sleep(40);
}

void tab(int times) {
    for (int i = 0; i < times; ++i) {
        key(VK_TAB);
    }
}

void nextPage() {
    key(VK_TAB, {VK_CONTROL});
}

// Replaces the focused field's text.
void typeInto(const WideString& text) {
    key('A', {VK_CONTROL});
    key(VK_BACK);
    std::vector<INPUT> inputs;
    for (char16_t c : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    ::Sleep(100);
}

// Every key the options window writes, besides the window's own place.
// clang-format off
const WideStringView kOptionKeys[] = {
    keys::kLanguage, keys::kLoadOnWindowsStartup, keys::kMinimizeToNotificationArea,
    keys::kCloseToNotificationArea, keys::kPlaySound, keys::kIsSendEnable,
    keys::kExternalEditorPath, keys::kOutputFileFormat, keys::kOutputFileNamePattern,
    keys::kOutputFileNameCounterFormat, keys::kOutputFolder, keys::kIncludeMouseCursor,
    keys::kAutoCopyToClipboard, keys::kHistoryEnable, keys::kHistoryLimit, keys::kHistoryMode,
    keys::kHistoryDeleteToRecycleBin, keys::kHotkeyShowAndHide, keys::kHotkeyCapture,
    keys::kUsePrintScreenKey, keys::kCaptureDelay};
// clang-format on

std::vector<SettingValue> optionValues() {
    std::vector<SettingValue> values;
    for (WideStringView name : kOptionKeys) {
        values.push_back(readSetting(name));
    }
    return values;
}

class OptionsTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        removeStartupValue();
        folder = makeScratchFolder(u"framewing-options");
    }
    void TearDown() override {
        ::UnregisterHotKey(nullptr, 7);
        if (program.isRunning()) {
            ::PostMessageW(main, WM_CLOSE, 0, 0);
            int code = 0;
            program.waitForExit(10000, code);
        }
        removeStartupValue();
        ProgramTest::TearDown();
        // Left over the options button, the mouse would bring up its tooltip
        // in the next test's program.
        ::SetCursorPos(0, 0);
    }

    // Starts the program with these settings (closing it ends it) and waits
    // for its main window on screen.
    void start(std::vector<std::pair<WideStringView, SettingValue>> settings = {}) {
        settings.emplace_back(keys::kCloseToNotificationArea, SettingValue::boolean(false));
        writeSettings(settings);
        startAsItIs();
    }
    void startAsItIs() {
        ASSERT_TRUE(program.start(joinPath(distFolder(), u"Framewing.exe")));
        main = program.waitForMainWindow(30000);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(waitUntil(10000, [&] { return ::IsWindowVisible(main) != 0; }));
        // Without a desktop, Wine shows its own tray window for the program's
        // notification icon, and it takes the activation when it comes up.
        waitUntil(5000, [] {
            return ::IsWindowVisible(::FindWindowW(L"__winex11_standalone_tray", nullptr)) != 0;
        });
        pumpMessages(200);
        ::SetForegroundWindow(main);
        pumpMessages(300);
    }

    // Clicks the options button (the second of the four in the top right
    // corner) and waits for the window; the focus is then on the first
    // control of the remembered page.
    HWND openOptions() {
        RECT client{};
        ::GetClientRect(main, &client);
        POINT at{client.right - 71, 20};
        ::ClientToScreen(main, &at);
        ::SetCursorPos(at.x, at.y);
        pumpMessages(100);
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, inputs, sizeof(INPUT));
        HWND options = nullptr;
        waitUntil(10000, [&] {
            const std::vector<HWND> found = ownedWindows(program.processId(), main);
            options = found.empty() ? nullptr : found[0];
            return options != nullptr;
        });
        pumpMessages(300);
        return options;
    }
    static bool closes(HWND window) {
        return waitUntil(10000, [&] { return !::IsWindowVisible(window); });
    }
    // Still shown after the program had time to handle what was sent.
    static bool staysOpen(HWND window) {
        pumpMessages(1500);
        return ::IsWindowVisible(window) != 0;
    }
    void exitProgram() {
        ::PostMessageW(main, WM_CLOSE, 0, 0);
        int code = -1;
        ASSERT_TRUE(program.waitForExit(15000, code));
        EXPECT_EQ(code, 0);
    }

    Program program;
    HWND main = nullptr;
    WideString folder;
};

TEST_F(OptionsTest, EveryControlRoundTripsThroughOkAndSurvivesARestart) {
    start();
    HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    // General: language, the five boxes, the editor.
    key(VK_DOWN);
    tab(1);
    key(VK_SPACE); // load on startup: on
    tab(1);
    key(VK_SPACE); // minimize to notification area: off
    tab(2);        // close to notification area stays off: closing ends the program

    key(VK_SPACE); // play sound: off
    tab(1);
    key(VK_SPACE); // statistics: on
    tab(1);
    const WideString editor = u"C:\\windows\\notepad.exe";
    typeInto(editor);
    // Output: format, pattern, (AutoText), counter, folder, (Browse), the two boxes.
    nextPage();
    key(VK_DOWN);
    tab(1);
    typeInto(u"Shot [DAY]:x");
    tab(2);
    key(VK_DOWN);
    tab(1);
    typeInto(folder);
    tab(2);
    key(VK_SPACE);
    tab(1);
    key(VK_SPACE);
    // History: limit (0 becomes 1), mode, recycle bin, then history off.
    nextPage();
    tab(1);
    typeInto(u"0");
    tab(1);
    key(VK_DOWN);
    tab(1);
    key(VK_SPACE);
    key(VK_TAB, {VK_SHIFT});
    key(VK_TAB, {VK_SHIFT});
    key(VK_TAB, {VK_SHIFT});
    key(VK_SPACE);
    // Hotkeys: both fields, PrintScreen off.
    nextPage();
    key(VK_F9, {VK_CONTROL, VK_SHIFT});
    tab(1);
    key(VK_F11, {VK_CONTROL, VK_SHIFT});
    tab(1);
    key(VK_SPACE);
    // Advanced: the delay.
    nextPage();
    typeInto(u"650");
    key(VK_RETURN);
    ASSERT_TRUE(closes(options));
    exitProgram();

    EXPECT_NE(readSetting(keys::kLanguage).toText(), u"english");
    EXPECT_TRUE(readSetting(keys::kLoadOnWindowsStartup).toBool());
    EXPECT_TRUE(startupValuePresent());
    EXPECT_FALSE(readSetting(keys::kMinimizeToNotificationArea).toBool());
    EXPECT_FALSE(readSetting(keys::kCloseToNotificationArea).toBool());
    EXPECT_FALSE(readSetting(keys::kPlaySound).toBool());
    EXPECT_TRUE(readSetting(keys::kIsSendEnable).toBool());
    EXPECT_EQ(readSetting(keys::kExternalEditorPath).toText(), editor);
    EXPECT_EQ(readSetting(keys::kOutputFileFormat).toInt32(), 2);
    EXPECT_EQ(readSetting(keys::kOutputFileNamePattern).toText(), u"Shot_[DAY]_x");
    EXPECT_EQ(readSetting(keys::kOutputFileNameCounterFormat).toInt32(), 2);
    EXPECT_EQ(readSetting(keys::kOutputFolder).toText(), folder);
    EXPECT_TRUE(readSetting(keys::kIncludeMouseCursor).toBool());
    EXPECT_TRUE(readSetting(keys::kAutoCopyToClipboard).toBool());
    EXPECT_FALSE(readSetting(keys::kHistoryEnable).toBool());
    EXPECT_EQ(readSetting(keys::kHistoryLimit).toInt32(), 1);
    EXPECT_EQ(readSetting(keys::kHistoryMode).toInt32(), 1);
    EXPECT_FALSE(readSetting(keys::kHistoryDeleteToRecycleBin).toBool());
    EXPECT_EQ(readSetting(keys::kHotkeyShowAndHide).toInt64(), (int64_t(3) << 32) + VK_F9);
    EXPECT_EQ(readSetting(keys::kHotkeyCapture).toInt64(), (int64_t(3) << 32) + VK_F11);
    EXPECT_FALSE(readSetting(keys::kUsePrintScreenKey).toBool());
    EXPECT_EQ(readSetting(keys::kCaptureDelay).toInt32(), 650);
    EXPECT_EQ(readSetting(keys::kWindowOptionsPage).toInt32(), 4);

    // The next run shows the same and OK keeps it.
    const std::vector<SettingValue> before = optionValues();
    startAsItIs();
    options = openOptions();
    ASSERT_NE(options, nullptr);
    key(VK_RETURN);
    ASSERT_TRUE(closes(options));
    exitProgram();
    EXPECT_EQ(optionValues(), before);
}

TEST_F(OptionsTest, CancelAndResetThenCancelChangeNothingAndResetThenOkLeavesStatisticsOff) {
    start({{keys::kIsSendEnable, SettingValue::boolean(true)},
           {keys::kOutputFileNamePattern, SettingValue::text(u"Mine-[COUNTER]")},
           {keys::kCaptureDelay, SettingValue::int32(500)},
           {keys::kPlaySound, SettingValue::boolean(false)}});
    HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    key(VK_ESCAPE);
    ASSERT_TRUE(closes(options));
    exitProgram();
    const std::vector<SettingValue> stored = optionValues();
    EXPECT_EQ(readSetting(keys::kOutputFileNamePattern).toText(), u"Mine-[COUNTER]");

    // From the first control: the rest of the page, then "Reset to defaults".
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        startAsItIs();
        options = openOptions();
        ASSERT_NE(options, nullptr);
        tab(8);
        key(VK_SPACE);
        if (ok) {
            // Back to "Close to notification area.", so that closing still ends the program.
            for (int i = 0; i < 5; ++i) {
                key(VK_TAB, {VK_SHIFT});
            }
            key(VK_SPACE);
        }
        key(ok ? VK_RETURN : VK_ESCAPE);
        ASSERT_TRUE(closes(options));
        exitProgram();
        if (!ok) {
            EXPECT_EQ(optionValues(), stored);
        }
    }
    EXPECT_FALSE(readSetting(keys::kIsSendEnable).toBool());
    EXPECT_EQ(readSetting(keys::kOutputFileNamePattern).toText(), u"ScreenShot-[COUNTER]");
    EXPECT_EQ(readSetting(keys::kCaptureDelay).toInt32(), 200);
    EXPECT_TRUE(readSetting(keys::kPlaySound).toBool());
}

TEST_F(OptionsTest, AMissingEditorOrFolderKeepsTheWindowOpenAndValuesAreClamped) {
    start({{keys::kCaptureDelay, SettingValue::int32(500)}});
    HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    tab(6);
    typeInto(u"C:\\nowhere\\editor.exe");
    key(VK_RETURN);
    EXPECT_TRUE(staysOpen(options));
    typeInto(u"");
    nextPage();
    tab(4);
    typeInto(u"C:\\nowhere");
    key(VK_RETURN);
    EXPECT_TRUE(staysOpen(options));
    typeInto(folder);
    nextPage();
    nextPage();
    nextPage();
    typeInto(u"50");
    key(VK_RETURN);
    ASSERT_TRUE(closes(options));
    exitProgram();
    EXPECT_EQ(readSetting(keys::kCaptureDelay).toInt32(), 200);
    EXPECT_EQ(readSetting(keys::kOutputFolder).toText(), folder);
    EXPECT_EQ(readSetting(keys::kExternalEditorPath).toText(), u"");
}

TEST_F(OptionsTest, AHotkeyAnotherProgramHoldsIsToldOnceAndStoredAsNone) {
    start({{keys::kWindowOptionsPage, SettingValue::int32(3)}});
    HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    key(VK_F9, {VK_CONTROL, VK_SHIFT});
    pumpMessages(300);
    // Taken after it was typed: a held combination never reaches the field.
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, VK_F9));
    key(VK_RETURN);
    std::vector<HWND> messages;
    ASSERT_TRUE(waitUntil(10000, [&] {
        messages = ownedWindows(program.processId(), options);
        return !messages.empty();
    }));
    pumpMessages(500);
    EXPECT_EQ(ownedWindows(program.processId(), options).size(), 1u);
    key(VK_RETURN);
    ASSERT_TRUE(closes(messages[0]));
    EXPECT_TRUE(staysOpen(options));
    EXPECT_TRUE(ownedWindows(program.processId(), options).empty());
    // Under Wine without a desktop the activation does not come back to the
    // window after the message: its close box stands for Cancel.
    ::PostMessageW(options, WM_CLOSE, 0, 0);
    ASSERT_TRUE(closes(options));
    exitProgram();
    EXPECT_EQ(readSetting(keys::kHotkeyShowAndHide).toInt64(), 0);
}

TEST_F(OptionsTest, AStartupEntryDeletedByHandShowsUnchecked) {
    start({{keys::kLoadOnWindowsStartup, SettingValue::boolean(true)}});
    HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    key(VK_ESCAPE);
    ASSERT_TRUE(closes(options));
    exitProgram();
    EXPECT_FALSE(readSetting(keys::kLoadOnWindowsStartup).toBool());
    EXPECT_FALSE(startupValuePresent());
}

TEST_F(OptionsTest, CapturesWaitWhileItIsOpenAndANewFolderTakesTheScreenshots) {
    start();
    const WideString desktop = desktopFolder();
    pressKey(VK_SNAPSHOT);
    ASSERT_TRUE(
        waitUntil(15000, [&] { return os::fileExists(joinPath(desktop, u"ScreenShot-1.png")); }));
    ASSERT_TRUE(waitUntil(10000, [&] { return ::IsWindowVisible(main) != 0; }));
    pumpMessages(500);
    HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    pressKey(VK_SNAPSHOT);
    pumpMessages(2500);
    EXPECT_TRUE(::IsWindowVisible(options));
    EXPECT_FALSE(os::fileExists(joinPath(desktop, u"ScreenShot-2.png")));
    nextPage();
    tab(4);
    typeInto(folder);
    key(VK_RETURN);
    ASSERT_TRUE(closes(options));
    EXPECT_TRUE(
        waitUntil(5000, [&] { return os::fileExists(joinPath(folder, u"ScreenShot-1.png")); }));
    EXPECT_FALSE(os::fileExists(joinPath(desktop, u"ScreenShot-1.png")));
    // Closed, the window no longer holds captures back.
    pumpMessages(300);
    pressKey(VK_SNAPSHOT);
    EXPECT_TRUE(
        waitUntil(15000, [&] { return os::fileExists(joinPath(folder, u"ScreenShot-2.png")); }));
    EXPECT_FALSE(os::fileExists(joinPath(desktop, u"ScreenShot-2.png")));
}

} // namespace
} // namespace fw::e2e
