#pragma once
// The wall clock in Unix seconds and how long the user has not touched the
// keyboard or mouse.
#include <cstdint>

namespace fw::os {

// Whole seconds since 1970-01-01 00:00 UTC.
int64_t secondsSince1970();
// Milliseconds since the last user input, with 32-bit wrap-around; 0 when unknown.
uint32_t userIdleMilliseconds();

} // namespace fw::os
