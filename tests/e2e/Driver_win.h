#pragma once
// Drives the real program under Wine: starts it, finds its windows, sends input
// and waits for it to end.
#include "capture/Image.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"
#include "settings/SettingValue.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include <string>

namespace fw::e2e {

// The folder with the runnable program (FW_DIST_DIR, set by the test runner).
WideString distFolder();
// A fresh empty folder under the temporary folder.
WideString makeScratchFolder(const WideString& name);
// %APPDATA%\Framewing, where settings and history live.
WideString settingsFolder();
// Removes the program's settings and history so that every test starts afresh.
void forgetSettings();

// Writes config.dat with every default and the given values changed, as if a
// previous run had saved them.
void writeSettings(std::initializer_list<std::pair<WideStringView, SettingValue>> changes);
void writeSettings(const std::vector<std::pair<WideStringView, SettingValue>>& changes);

// One stored setting, read from a copy: the store writes back on closing, and
// that must never race with the running program's own save.
SettingValue readSetting(WideStringView key);

// The desktop folder (the default output folder) and the screenshots in it.
WideString desktopFolder();
void removeScreenshots();

// Presses and releases `key` with the modifier keys held, through SendInput.
void pressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// Synthesized mouse input. Each move carries its own position: Wine may still
// move the cursor for X events of a window's showing after the test moved it.
Rect virtualScreen();
void sendMouseAt(Point screen, DWORD flags);
// A button change where the cursor is.
void sendButton(DWORD flags);
void moveMouse(Point screen);
void click(Point screen);
void drag(Point from, Point to);

Rect windowRect(HWND window);
// A visible top-level window of the process exactly over `screen` (the
// selection overlay over the virtual screen), or null.
HWND findWindowCovering(DWORD processId, const Rect& screen);
// The program's visible top-level windows other than its main window.
std::vector<HWND> otherVisibleWindows(DWORD processId, HWND main);

// Dispatches this thread's messages for `milliseconds`.
void pumpMessages(DWORD milliseconds);

// The colour the pattern window shows at (x, y) of its client area.
COLORREF patternColour(int x, int y);

// A window without frame showing a known pattern at a screen rectangle, above
// all others unless `topmost` is false.
class PatternWindow {
public:
    explicit PatternWindow(const Rect& r, bool topmost = true);
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;
    ~PatternWindow();
    HWND get() const { return window_; }
    // Pixels of `image` at `at` that differ from the pattern.
    int mismatches(const Image& image, Point at) const;
    // The same for the part `part` (window coordinates) of the pattern.
    int mismatches(const Image& image, Point at, const Rect& part) const;
    // Paints one colour instead of the pattern from now on.
    void showSolid(COLORREF colour);

private:
    HWND window_;
    Rect rect_;
};

class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    Program(Program&&) = default;
    Program& operator=(Program&&) = default;
    // Ends the process if a test left it running.
    ~Program();

    // `errorOutput`, an inheritable handle, becomes the program's error output.
    bool start(const WideString& exePath, const WideString& arguments = WideString(),
               HANDLE errorOutput = nullptr);
    // Waits for the end of the process; false on time-out.
    bool waitForExit(DWORD timeoutMs, int& exitCode);
    bool isRunning() const;
    DWORD processId() const { return processId_; }
    // The program's top-level window with this class, or null after the time-out.
    HWND waitForWindow(const wchar_t* className, DWORD timeoutMs) const;
    HWND findWindow(const wchar_t* className) const;
    // The main window (a toolkit window titled "Framewing"), or null after the time-out.
    HWND waitForMainWindow(DWORD timeoutMs) const;

private:
    KernelHandle process_;
    DWORD processId_ = 0;
};

// Dispatches this thread's messages until `condition` holds or `timeoutMs`
// passes: the test's own windows keep painting and answering meanwhile.
template <typename Condition> bool pumpUntil(DWORD timeoutMs, Condition condition) {
    DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) {
            return false;
        }
        pumpMessages(20);
    }
    return true;
}

// Polls `condition` every 20 ms until it holds or `timeoutMs` passes.
template <typename Condition> bool waitUntil(DWORD timeoutMs, Condition condition) {
    DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) {
            return false;
        }
        ::Sleep(20);
    }
    return true;
}

constexpr wchar_t kMainWindowTitle[] = L"Framewing";

// A test of the real program: it starts without settings or screenshots and
// leaves no screenshots behind.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    static WideString exe();
};

} // namespace fw::e2e
