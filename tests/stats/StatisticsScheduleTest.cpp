#include "stats/StatisticsSchedule.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

constexpr int64_t kNow = 1800000000;
constexpr int64_t kDay = 86400;

class FakeEnvironment : public StatisticsEnvironment {
public:
    int64_t now = kNow;
    uint32_t idle = 60000;
    int64_t secondsSince1970() const override { return now; }
    uint32_t idleMilliseconds() const override { return idle; }
    // Every look at the clock finds half a second gone.
    uint32_t tickCount() const override { return ticks += 500; }
    mutable uint32_t ticks = 0;
};

// Records what would have been sent; the test finishes each send by hand.
class FakeSender : public ReportSender {
public:
    WideString userAgent, host, path;
    ReportItems items;
    std::vector<ReportItems> sent;
    bool running = false;
    int32_t answer = 0;
    // Polls left before a running send ends; outlives the sender.
    std::shared_ptr<int> stillRunningPolls = std::make_shared<int>(0);
    std::function<void()> finished;

    void setTarget(WideString a, WideString h, WideString p) override {
        userAgent = a;
        host = h;
        path = p;
    }
    void addItem(WideString name, WideString value) override { items.emplace_back(name, value); }
    void clearItems() override { items.clear(); }
    bool start() override {
        if (running || items.empty() || host.empty()) {
            return false;
        }
        sent.push_back(items);
        running = true;
        return true;
    }
    bool isRunning() const override {
        if (running && *stillRunningPolls > 0) {
            --*stillRunningPolls;
            return true;
        }
        return false;
    }
    int32_t result() const override { return answer; }
    void setFinishedHandler(std::function<void()> handler) override { finished = handler; }
    void finish(int32_t result) {
        running = false;
        answer = result;
        finished();
    }
};

struct Fixture {
    StatisticsValues values;
    FakeEnvironment environment;
    FakeSender* sender = new FakeSender;
    StatisticsSchedule schedule{values, std::unique_ptr<ReportSender>(sender), environment,
                                u"Framewing/1.0", u"127.0.0.1"};

    Fixture(int64_t lastSend, int32_t pending, bool enabled = true) {
        values = StatisticsValues{enabled, lastSend, 4, 9, pending};
        schedule.begin();
    }
    bool timerRunning() { return timerService().isRunning(&schedule, 1); }
    void tick() { schedule.OnTimer(1); }
};

const ReportItems kThree{{u"total_screenshots", u"3"}};

TEST(StatisticsScheduleTest, DueAndIdleSendsOnceAndResetsOnAcceptance) {
    Fixture f(kNow - 6 * kDay, 3);
    EXPECT_EQ(f.sender->path, u"/service-statistics");
    EXPECT_EQ(f.sender->userAgent, u"Framewing/1.0");
    ASSERT_TRUE(f.timerRunning());
    f.tick();
    ASSERT_EQ(f.sender->sent, std::vector<ReportItems>{kThree});
    EXPECT_TRUE(f.schedule.isBusy());
    EXPECT_FALSE(f.timerRunning());
    EXPECT_FALSE(f.schedule.trySend());

    f.values.outTotalScreenshots++; // saved while the report is on its way
    f.environment.now += 10;
    f.sender->finish(1);
    EXPECT_EQ(f.values.outTotalScreenshots, 1);
    EXPECT_EQ(f.values.lastSend, kNow + 10);
    EXPECT_TRUE(f.sender->items.empty());
    EXPECT_FALSE(f.schedule.isBusy());
    EXPECT_FALSE(f.timerRunning());
}

TEST(StatisticsScheduleTest, NotDueStopsForTheRunAndTheFutureCountsAsNever) {
    Fixture early(kNow - 4 * kDay, 3);
    early.tick();
    EXPECT_FALSE(early.timerRunning());
    EXPECT_TRUE(early.sender->sent.empty());

    // The clock was set back: loading the settings forgets the last send.
    TempFolder temp("statistics_future");
    SettingsStore store(u"config.dat", u"Framewing", temp.path());
    for (const SettingDefault& item : standardDefaults()) {
        store.add(item.key, item.value);
    }
    store.set(keys::kIsSendEnable, SettingValue::boolean(true));
    store.set(keys::kLastSend, SettingValue::int64(kNow + kDay));
    store.set(keys::kOutTotalScreenshots, SettingValue::int32(3));
    SettingsEnvironment settings;
    settings.fileExists = settings.folderExists = [](WideStringView) { return false; };
    settings.unixTime = [] { return kNow; };
    settings.takeInstallerStatisticsConsent = [] { return false; };
    SettingsModel model(settings);
    model.loadSettings(store);
    FakeEnvironment environment;
    auto* sender = new FakeSender;
    StatisticsSchedule future(model.statistics, std::unique_ptr<ReportSender>(sender), environment,
                              u"Framewing/1.0", u"127.0.0.1");
    future.begin();
    future.OnTimer(1);
    EXPECT_EQ(sender->sent, std::vector<ReportItems>{kThree});
}

TEST(StatisticsScheduleTest, WaitsWhileTheUserIsActiveOrNothingIsPending) {
    Fixture f(0, 0);
    f.environment.idle = 31999; // 31 whole seconds
    f.tick();
    EXPECT_TRUE(f.sender->sent.empty());
    EXPECT_TRUE(f.timerRunning());

    f.values.outTotalScreenshots = 1;
    f.environment.idle = 30999;
    f.tick();
    EXPECT_TRUE(f.sender->sent.empty());
    EXPECT_TRUE(f.timerRunning());
    EXPECT_EQ(f.schedule.checkInterval(), 60000);

    f.environment.idle = 31000;
    f.tick();
    EXPECT_EQ(f.sender->sent.size(), 1u);
}

TEST(StatisticsScheduleTest, RejectedReportRetriesHourlyWithTheCountKept) {
    Fixture f(kNow - 6 * kDay, 3);
    f.tick();
    f.sender->finish(0);
    EXPECT_EQ(f.schedule.checkInterval(), 3600000);
    EXPECT_TRUE(f.timerRunning());
    EXPECT_EQ(f.values.outTotalScreenshots, 3);
    EXPECT_EQ(f.values.lastSend, kNow - 6 * kDay);
    EXPECT_TRUE(f.sender->items.empty());

    f.values.outTotalScreenshots++;
    f.tick();
    ASSERT_EQ(f.sender->sent.size(), 2u);
    EXPECT_EQ(f.sender->sent[1], (ReportItems{{u"total_screenshots", u"4"}}));
}

TEST(StatisticsScheduleTest, DisabledNeverSends) {
    Fixture off(0, 5, false);
    EXPECT_FALSE(off.timerRunning());
    off.tick();
    EXPECT_FALSE(off.schedule.trySend());
    EXPECT_TRUE(off.sender->sent.empty());

    // Switched off in the options during the run: no further attempt, and no
    // re-arming after a failure.
    Fixture on(0, 5);
    on.tick();
    on.values.isSendEnable = false;
    on.sender->finish(0);
    EXPECT_FALSE(on.timerRunning());
    on.tick();
    EXPECT_EQ(on.sender->sent.size(), 1u);
}

TEST(StatisticsScheduleTest, SenderThatCannotStartKeepsTheScheduleAlive) {
    Fixture f(0, 2);
    f.sender->host.clear();
    f.tick();
    f.tick();
    EXPECT_FALSE(f.schedule.isBusy());
    EXPECT_TRUE(f.timerRunning());
    EXPECT_TRUE(f.sender->items.empty());
}

TEST(StatisticsScheduleTest, ExitWaitsForARunningSenderAFewSecondsAtMost) {
    auto f = std::make_unique<Fixture>(0, 2);
    f->tick();
    std::shared_ptr<int> polls = f->sender->stillRunningPolls;
    *polls = 3;
    f.reset();
    EXPECT_EQ(*polls, 0);

    // A send that does not end (a silent server) is left running after the
    // wait; it will not call back into the schedule that is gone.
    auto hung = std::make_unique<Fixture>(0, 2);
    hung->tick();
    FakeSender* sender = hung->sender;
    polls = sender->stillRunningPolls;
    *polls = 2000;
    hung.reset();
    EXPECT_GT(*polls, 2000 - 10);
    EXPECT_TRUE(sender->running);
    EXPECT_FALSE(sender->finished);
}

} // namespace
} // namespace fw
