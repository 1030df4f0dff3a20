#include "ui/TimerService.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace fw {
namespace {

class FakeBackend : public TimerBackend {
public:
    uint32_t startSystemTimer(uint32_t intervalMs) override {
        intervals[++last] = intervalMs;
        return last;
    }
    void stopSystemTimer(uint32_t systemTimer) override { intervals.erase(systemTimer); }
    std::map<uint32_t, uint32_t> intervals;
    uint32_t last = 0;
};

struct RecordingOwner : TimerOwner {
    explicit RecordingOwner(TimerService& s) : service(s) {}
    ~RecordingOwner() override { service.stopAllTimers(this); }
    void OnTimer(int32_t identifier) override {
        fired.push_back(identifier);
        if (oneShot) {
            service.StopTimer(this, identifier);
        }
    }
    TimerService& service;
    std::vector<int32_t> fired;
    bool oneShot = false;
};

TEST(TimerServiceTest, OneTimerPerOwnerAndIdentifierKeepingTheFirstInterval) {
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend& fake = *backend;
    TimerService service(std::move(backend));
    RecordingOwner a(service);
    RecordingOwner b(service);
    service.StartTimer(&a, 2000, 200);
    service.StartTimer(&a, 2000, 900);
    ASSERT_EQ(fake.intervals.size(), 1u);
    EXPECT_EQ(fake.intervals.begin()->second, 200u);

    // Two owners with the same identifier each receive only their own expiries.
    service.StartTimer(&b, 2000, 50);
    uint32_t timerOfB = fake.last;
    service.dispatch(timerOfB);
    EXPECT_TRUE(a.fired.empty());
    EXPECT_EQ(b.fired, std::vector<int32_t>{2000});

    service.StopTimer(&a, 12345); // not running: nothing happens
    EXPECT_EQ(service.count(), 2u);
    service.StopTimer(&a, 2000);
    EXPECT_FALSE(service.isRunning(&a, 2000));
    EXPECT_TRUE(service.isRunning(&b, 2000));
    EXPECT_EQ(fake.intervals.size(), 1u);
}

TEST(TimerServiceTest, HandlerThatStopsItselfFiresOnceAndDestroyedOwnersAreForgotten) {
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend& fake = *backend;
    TimerService service(std::move(backend));
    RecordingOwner owner(service);
    owner.oneShot = true;
    service.StartTimer(&owner, 5012, 128);
    uint32_t systemTimer = fake.last;
    service.dispatch(systemTimer);
    service.dispatch(systemTimer);
    EXPECT_EQ(owner.fired, std::vector<int32_t>{5012});
    {
        RecordingOwner shortLived(service);
        service.StartTimer(&shortLived, 1, 10);
    }
    EXPECT_EQ(service.count(), 0u);
    EXPECT_TRUE(fake.intervals.empty());
}

} // namespace
} // namespace fw
