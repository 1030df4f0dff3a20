#include "platform/UserActivity.h"

#include <ctime>

namespace fw::os {

int64_t secondsSince1970() {
    return static_cast<int64_t>(::time(nullptr));
}

// The native build has no desktop session to ask.
uint32_t userIdleMilliseconds() {
    return 0;
}

} // namespace fw::os
