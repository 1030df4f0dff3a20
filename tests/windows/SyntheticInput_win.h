#pragma once
// Input for the window tests, synthesized by the system as a user's keyboard
// and mouse would produce it, and the message pumping that lets it arrive.
#include "platform/Rect.h"
#include "platform/WideString.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>

namespace fw {

class UIWidget;
class UIWindow;

namespace input {

// The folder of the built program's resources, as Wine sees it.
WideString distFolder();

// Handles this thread's messages for a while, or until `done` holds.
void pump(uint32_t milliseconds, const std::function<bool()>& done = nullptr);

// Virtual keys down (false) or up (true), in order, then a short pump.
void sendKeys(std::initializer_list<std::pair<uint16_t, bool>> keys);
// A key pressed and let go, with up to two modifiers held around it.
void press(uint16_t key, uint16_t modifier = 0, uint16_t secondModifier = 0);
// ASCII text typed key by key on the keyboard's layout.
void typeText(const char* text);

// Mouse buttons (MOUSEEVENTF_* flags) where the mouse is.
void mouse(uint32_t flags);
void moveMouseTo(Point screen);
void clickAt(Point screen);
// Left button held from `from` to `to` in `steps` moves, pumping between them.
void drag(Point from, Point to, int32_t steps = 10);

// A point of a widget (its own coordinates) on the screen.
Point screenPoint(UIWindow& window, const UIWidget& widget, Point local);
Point centreOf(const Rect& rect);

} // namespace input
} // namespace fw
