#pragma once
// The user's scrolling settings, which scrolled views honour.
#include <cstdint>

namespace fw::os {

// Lines one notch of the mouse wheel scrolls; kWheelScrollsPage when the user
// chose a screen (page) per notch.
constexpr int32_t kWheelScrollsPage = -1;
int32_t wheelScrollLines();

} // namespace fw::os
