#include "shell/GlobalHotkeys.h"

#include <algorithm>

namespace fw {

// Identifiers the platform leaves to applications.
constexpr int32_t kMaxHotkeyId = 0xBFFF;

HotkeyAction actionForHotkey(int32_t id) {
    switch (id) {
    case kHotkeyShowHide:
        return HotkeyAction::ToggleMainWindow;
    case kHotkeyCapture:
    case kHotkeyPrintScreen:
        return HotkeyAction::StartCapture;
    default:
        return HotkeyAction::None;
    }
}

GlobalHotkeys::GlobalHotkeys(std::unique_ptr<HotkeyBackend> backend)
    : backend_(std::move(backend)) {}

GlobalHotkeys::~GlobalHotkeys() {
    while (!registered_.empty()) {
        unregisterHotkey(registered_.back());
    }
    setPrintScreen(false);
}

bool GlobalHotkeys::registerHotkey(const HotkeyRecord& record) {
    if (!backend_ || !isHotkeyAcceptable(record) || isRegistered(record.id) ||
        record.id > kMaxHotkeyId) {
        return false;
    }
    if (!backend_->registerSystemHotkey(record.id, record.modifiers & kKnownModifiers,
                                        record.key)) {
        return false;
    }
    registered_.push_back(record.id);
    return true;
}

void GlobalHotkeys::unregisterHotkey(int32_t id) {
    auto at = std::find(registered_.begin(), registered_.end(), id);
    if (at == registered_.end()) {
        return;
    }
    registered_.erase(at);
    backend_->unregisterSystemHotkey(id);
}

bool GlobalHotkeys::isRegistered(int32_t id) const {
    return std::find(registered_.begin(), registered_.end(), id) != registered_.end();
}

void GlobalHotkeys::setPrintScreen(bool on) {
    if (!backend_ || on == printScreen_) {
        return;
    }
    if (on) {
        printScreenRefused_ =
            !backend_->registerSystemHotkey(kHotkeyPrintScreen, 0, kKeyPrintScreen);
    } else {
        backend_->unregisterSystemHotkey(kHotkeyPrintScreen);
        printScreenRefused_ = false;
    }
    printScreen_ = on;
}

} // namespace fw
