#include "ui/TimerService.h"

namespace fw {

namespace {

// The native build has no message loop: timers get identifiers but never fire
// on their own; tests drive TimerService::dispatch directly.
class InertTimerBackend : public TimerBackend {
public:
    uint32_t startSystemTimer(uint32_t) override { return ++last_; }
    void stopSystemTimer(uint32_t) override {}

private:
    uint32_t last_ = 0;
};

} // namespace

std::unique_ptr<TimerBackend> makePlatformTimerBackend() {
    return std::make_unique<InertTimerBackend>();
}

} // namespace fw
