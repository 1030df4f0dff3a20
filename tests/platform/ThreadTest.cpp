#include "platform/Thread.h"
#include "platform/Time.h"

#include <gtest/gtest.h>

#include <atomic>

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
    std::atomic<uint64_t> ranOn{0};

protected:
    void run() override {
        ranOn = currentThreadId();
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
    uint64_t handledOn = 0;
    thread.setFinishedHandler([&] {
        ++finished;
        handledOn = currentThreadId();
        EXPECT_FALSE(thread.isRunning());
    });
    ASSERT_TRUE(thread.start());
    EXPECT_TRUE(thread.isRunning());
    EXPECT_FALSE(thread.start());
    thread.open = true;
    ASSERT_TRUE(pumpUntil([&] { return finished == 1; }));
    EXPECT_EQ(handledOn, currentThreadId());
    EXPECT_NE(thread.ranOn, currentThreadId());

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

// Counts under the lock with a pause between read and write, so that two
// threads without mutual exclusion lose updates. Both start at one signal.
class CountingThread : public Thread {
public:
    CountingThread(Event& go, Mutex& lock, int& counter)
        : Thread(u"CountingThread"), go_(go), lock_(lock), counter_(counter) {}
    ~CountingThread() override { wait(); }
    static constexpr int kRounds = 50000;

protected:
    void run() override {
        go_.waitFor(10000);
        for (int round = 0; round < kRounds; ++round) {
            MutexLock guard(lock_);
            int value = counter_;
            if (round % 8 == 0) {
                sleepMs(0);
            }
            counter_ = value + 1;
        }
    }

private:
    Event& go_;
    Mutex& lock_;
    int& counter_;
};

TEST(ThreadTest, MutexKeepsEveryUpdateOfTwoThreads) {
    Event go;
    Mutex lock;
    int counter = 0;
    CountingThread first(go, lock, counter);
    CountingThread second(go, lock, counter);
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(second.start());
    go.set();
    first.wait();
    second.wait();
    EXPECT_EQ(counter, 2 * CountingThread::kRounds);
}

class SettingThread : public Thread {
public:
    explicit SettingThread(Event& event) : Thread(u"SettingThread"), event_(event) {}
    ~SettingThread() override { wait(); }

protected:
    void run() override {
        sleepMs(50);
        event_.set();
    }

private:
    Event& event_;
};

TEST(ThreadTest, EventReleasesWaitersFromItsSetUntilItsReset) {
    Event event;
    EXPECT_FALSE(event.waitFor(20));
    event.set();
    EXPECT_TRUE(event.waitFor(0));
    EXPECT_TRUE(event.waitFor(0));
    event.reset();
    EXPECT_FALSE(event.waitFor(0));

    // Set by another thread while this one waits.
    SettingThread setter(event);
    ASSERT_TRUE(setter.start());
    EXPECT_TRUE(event.waitFor(10000));
}

} // namespace
} // namespace fw::os
