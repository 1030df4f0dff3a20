#include "platform/Win32.h"
#include "shell/GlobalHotkeys.h"

namespace fw {

namespace {

class WindowHotkeyBackend : public HotkeyBackend {
public:
    explicit WindowHotkeyBackend(HWND window) : window_(window) {}

    bool registerSystemHotkey(int32_t id, uint32_t modifiers, uint32_t key) override {
        UINT native = 0;
        native |= (modifiers & kModShift) ? MOD_SHIFT : 0;
        native |= (modifiers & kModControl) ? MOD_CONTROL : 0;
        native |= (modifiers & kModAlt) ? MOD_ALT : 0;
        return ::RegisterHotKey(window_, id, native, key) != FALSE;
    }
    void unregisterSystemHotkey(int32_t id) override { ::UnregisterHotKey(window_, id); }

private:
    HWND window_;
};

} // namespace

std::unique_ptr<HotkeyBackend> makeWindowHotkeyBackend(void* window) {
    if (window == nullptr) {
        return nullptr;
    }
    return std::make_unique<WindowHotkeyBackend>(static_cast<HWND>(window));
}

} // namespace fw
