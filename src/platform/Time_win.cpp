#include "platform/Time.h"
#include "platform/Win32.h"

namespace fw::os {

static DateTime fromSystemTime(const SYSTEMTIME& st) {
    return DateTime{st.wYear, st.wMonth,  st.wDayOfWeek, st.wDay,
                    st.wHour, st.wMinute, st.wSecond,    st.wMilliseconds};
}

DateTime localNow() {
    SYSTEMTIME st{};
    ::GetLocalTime(&st);
    return fromSystemTime(st);
}

DateTime utcNow() {
    SYSTEMTIME st{};
    ::GetSystemTime(&st);
    return fromSystemTime(st);
}

uint32_t tickCount() {
    return ::GetTickCount();
}

void sleepMs(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

} // namespace fw::os
