#pragma once
// Global hotkeys as the settings store them and the names of their keys.
#include "platform/WideString.h"

#include <cstdint>

namespace fw {

// Modifier flags as stored (not the platform's MOD_* values).
enum HotkeyModifier : uint32_t {
    kModShift = 1,
    kModControl = 2,
    kModAlt = 4,
};
constexpr uint32_t kKnownModifiers = kModShift | kModControl | kModAlt;

enum HotkeyId : int32_t {
    kHotkeyShowHide = 1,
    kHotkeyCapture = 2,
    kHotkeyPrintScreen = -2,
};

constexpr uint32_t kKeyBackspace = 8;
constexpr uint32_t kKeyShift = 16;
constexpr uint32_t kKeyControl = 17;
constexpr uint32_t kKeyAlt = 18;
constexpr uint32_t kKeyPrintScreen = 44;
constexpr uint32_t kKeyDelete = 46;
constexpr uint32_t kKeyF1 = 112;
constexpr uint32_t kKeyF24 = 135;

struct HotkeyRecord {
    int32_t id = 0;
    uint32_t key = 0;
    uint32_t modifiers = 0;
    bool operator==(const HotkeyRecord&) const = default;
};

// The stored value: modifiers in the high 32 bits, the virtual-key code in the
// low 32 bits; 0 means no hotkey.
constexpr int64_t hotkeyValue(uint32_t key, uint32_t modifiers) {
    return static_cast<int64_t>((static_cast<uint64_t>(modifiers) << 32) | key);
}
HotkeyRecord hotkeyFromValue(int32_t id, int64_t value);

inline bool isFunctionKey(uint32_t key) {
    return key >= kKeyF1 && key <= kKeyF24;
}

// A plain key without modifiers would swallow ordinary typing system-wide, so
// only function keys may stand alone.
bool isHotkeyAcceptable(const HotkeyRecord& record);

// The English name of a virtual-key code; "???" for codes without one.
WideString keyName(uint32_t key);

} // namespace fw
