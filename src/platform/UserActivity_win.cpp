#include "platform/UserActivity.h"
#include "platform/Win32.h"

namespace fw::os {

int64_t secondsSince1970() {
    constexpr int64_t kFileTimeOf1970 = 116444736000000000LL;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    int64_t ticks = (static_cast<int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return (ticks - kFileTimeOf1970) / 10 / 1000000;
}

uint32_t userIdleMilliseconds() {
    LASTINPUTINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetLastInputInfo(&info)) {
        return 0;
    }
    return ::GetTickCount() - info.dwTime;
}

} // namespace fw::os
