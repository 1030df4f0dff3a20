#include "platform/Thread.h"
#include "platform/Time.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace fw::os {
namespace {

class GateThread : public Thread {
public:
    GateThread() : Thread(u"GateThread") {}
    ~GateThread() override {
        open = true;
        wait();
    }
    std::atomic<bool> open{false};
    std::atomic<int> runs{0};
    std::thread::id ranOn;

protected:
    void run() override {
        ranOn = std::this_thread::get_id();
        while (!open) {
            sleepMs(1);
        }
        ++runs;
    }
};

// Pumps the monitor until `done` holds or ten seconds have passed: a loaded
// machine may take long to schedule the worker.
template <typename Predicate> bool pumpUntil(Predicate done) {
    for (int i = 0; i < 2000 && !done(); ++i) {
        ThreadMonitor::dispatchPending();
        sleepMs(5);
    }
    return done();
}

TEST(ThreadTest, FinishedHandlerRunsOnTheMonitorThreadOncePerRun) {
    ThreadMonitor monitor;
    ASSERT_TRUE(monitor.created());
    EXPECT_FALSE(ThreadMonitor().created());
    GateThread thread;
    int finished = 0;
    std::thread::id handledOn;
    thread.setFinishedHandler([&] {
        ++finished;
        handledOn = std::this_thread::get_id();
        EXPECT_FALSE(thread.isRunning());
    });
    ASSERT_TRUE(thread.start());
    EXPECT_TRUE(thread.isRunning());
    EXPECT_FALSE(thread.start());
    thread.open = true;
    ASSERT_TRUE(pumpUntil([&] { return finished == 1; }));
    EXPECT_EQ(handledOn, std::this_thread::get_id());
    EXPECT_NE(thread.ranOn, std::this_thread::get_id());

    // A finished thread starts again; each run is announced once.
    ASSERT_TRUE(thread.start());
    ASSERT_TRUE(pumpUntil([&] { return finished == 2; }));
    ThreadMonitor::dispatchPending();
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(thread.runs, 2);
}

TEST(ThreadTest, AnnouncementOfADestroyedThreadIsDropped) {
    ThreadMonitor monitor;
    ASSERT_TRUE(monitor.created());
    bool called = false;
    {
        GateThread thread;
        thread.setFinishedHandler([&] { called = true; });
        thread.open = true;
        ASSERT_TRUE(thread.start());
        thread.wait();
        EXPECT_FALSE(thread.isRunning());
    }
    ThreadMonitor::dispatchPending();
    EXPECT_FALSE(called);
}

} // namespace
} // namespace fw::os
