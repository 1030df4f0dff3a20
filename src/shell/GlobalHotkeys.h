#pragma once
// The program's system-wide hotkeys on the main window: the registered list
// that keeps an identifier from being registered twice, and PrintScreen.
#include "shell/Hotkey.h"

#include <memory>
#include <vector>

namespace fw {

// The platform's hotkey registration for one window; modifiers are the stored flags.
class HotkeyBackend {
public:
    virtual ~HotkeyBackend() = default;
    virtual bool registerSystemHotkey(int32_t id, uint32_t modifiers, uint32_t key) = 0;
    virtual void unregisterSystemHotkey(int32_t id) = 0;
};

// `window` is the main window's native handle (HWND); the POSIX stand-in refuses everything.
std::unique_ptr<HotkeyBackend> makeWindowHotkeyBackend(void* window);

enum class HotkeyAction { None, ToggleMainWindow, StartCapture };
HotkeyAction actionForHotkey(int32_t id);

class GlobalHotkeys {
public:
    // Without a backend (no native window yet) every registration is refused.
    explicit GlobalHotkeys(std::unique_ptr<HotkeyBackend> backend);
    GlobalHotkeys(const GlobalHotkeys&) = delete;
    GlobalHotkeys& operator=(const GlobalHotkeys&) = delete;
    // Releases every registration, so no key stays taken after the window is gone.
    ~GlobalHotkeys();

    // Refused when not acceptable, already registered, outside 0..0xBFFF or
    // taken by another program.
    bool registerHotkey(const HotkeyRecord& record);
    void unregisterHotkey(int32_t id);
    bool isRegistered(int32_t id) const;

    // PrintScreen alone, identifier -2, outside the list. Another program may
    // hold the key already: printScreenRefused() then tells, so that the user
    // can learn why the key does nothing here.
    void setPrintScreen(bool on);
    bool printScreenOn() const { return printScreen_; }
    bool printScreenRefused() const { return printScreenRefused_; }

private:
    std::unique_ptr<HotkeyBackend> backend_;
    std::vector<int32_t> registered_;
    bool printScreen_ = false;
    bool printScreenRefused_ = false;
};

} // namespace fw
