#pragma once
// Input events as widgets see them: positions in the receiving widget's own
// coordinates, buttons and keys as plain numbers. Widgets never see platform
// messages.
#include "platform/Rect.h"

#include <cstdint>

namespace fw {

enum MouseButton : uint32_t {
    MouseNone = 0,
    MouseLeft = 1,
    MouseRight = 2,
    MouseMiddle = 4,
    MouseExtra1 = 8,
    MouseExtra2 = 16,
};

enum KeyModifier : uint32_t {
    ModifierShift = 1,
    ModifierControl = 2,
    ModifierAlt = 4,
};

// Virtual-key codes of the keys the toolkit handles itself (the platform's own
// numbering, so that platform codes pass through unchanged).
enum Key : uint32_t {
    KeyBackspace = 0x08,
    KeyTab = 0x09,
    KeyReturn = 0x0D,
    KeyShift = 0x10,
    KeyControl = 0x11,
    KeyAlt = 0x12,
    KeyEscape = 0x1B,
    KeySpace = 0x20,
    KeyPageUp = 0x21,
    KeyPageDown = 0x22,
    KeyEnd = 0x23,
    KeyHome = 0x24,
    KeyLeft = 0x25,
    KeyUp = 0x26,
    KeyRight = 0x27,
    KeyDown = 0x28,
    KeyInsert = 0x2D,
    KeyDelete = 0x2E,
    KeyA = 0x41,
    KeyC = 0x43,
    KeyV = 0x56,
    KeyX = 0x58,
    KeyY = 0x59,
    KeyZ = 0x5A,
    KeyApps = 0x5D,
    KeyNumpad0 = 0x60,
    KeyMultiply = 0x6A,
    KeyAdd = 0x6B,
    KeySubtract = 0x6D,
    KeyDecimal = 0x6E,
    KeyDivide = 0x6F,
    KeyF1 = 0x70,
    KeyF4 = 0x73,
    KeyF10 = 0x79,
    KeyOemPlus = 0xBB,
    KeyOemMinus = 0xBD,
};

struct MouseEvent {
    // In the receiving widget's coordinates, and in the window's.
    Point position;
    Point windowPosition;
    // The button that changed (press, release, double click); 0 for moves.
    uint32_t button = MouseNone;
    // Buttons held after the event.
    uint32_t buttons = MouseNone;
    uint32_t modifiers = 0;
};

struct WheelEvent {
    Point position;
    Point windowPosition;
    // Signed, 120 per notch; positive away from the user (or to the right).
    int32_t delta = 0;
    bool vertical = true;
    uint32_t modifiers = 0;
};

struct KeyEvent {
    uint32_t key = 0;
    uint32_t modifiers = 0;
    bool autoRepeat = false;
};

struct CharEvent {
    char16_t character = 0;
    uint32_t modifiers = 0;
};

} // namespace fw
