#include "platform/Win32.h"
#include "ui/TimerService.h"

namespace fw {

namespace {

void CALLBACK timerProcedure(HWND, UINT, UINT_PTR systemTimer, DWORD) {
    timerService().dispatch(static_cast<uint32_t>(systemTimer));
}

// Thread timers without a window: WM_TIMER reaches timerProcedure through the
// message loop's DispatchMessage.
class Win32TimerBackend : public TimerBackend {
public:
    uint32_t startSystemTimer(uint32_t intervalMs) override {
        return static_cast<uint32_t>(::SetTimer(nullptr, 0, intervalMs, timerProcedure));
    }
    void stopSystemTimer(uint32_t systemTimer) override { ::KillTimer(nullptr, systemTimer); }
};

} // namespace

std::unique_ptr<TimerBackend> makePlatformTimerBackend() {
    return std::make_unique<Win32TimerBackend>();
}

} // namespace fw
