#include "platform/Thread.h"
#include "platform/Time.h"
#include "settings/SettingsModel.h"
#include "stats/StatisticsSchedule.h"
#include "stats/StatsServerProcess.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

class DueAndIdle : public StatisticsEnvironment {
public:
    int64_t secondsSince1970() const override { return 1800000000; }
    uint32_t idleMilliseconds() const override { return 120000; }
};

// The real sender thread, the schedule and the reference server, over loopback.
TEST(StatisticsEndToEndTest, ReferenceServerAcceptsTheReport) {
    test::StatsServerProcess server;
    ASSERT_NE(server.port(), 0) << "tools/stats-server did not start";
    os::ThreadMonitor monitor;
    ASSERT_TRUE(monitor.created());
    DueAndIdle environment;
    auto bot = std::make_unique<StatisticsBotThread>();
    bot->setPort(server.port());
    {
        StatisticsValues values{true, 0, 1, 12, 12};
        StatisticsSchedule schedule(values, std::move(bot), environment, u"Framewing/1.0",
                                    u"127.0.0.1");
        schedule.begin();
        schedule.OnTimer(StatisticsSchedule::kTimerId);
        ASSERT_TRUE(schedule.isBusy());
        for (int i = 0; i < 3000 && schedule.isBusy(); ++i) {
            os::ThreadMonitor::dispatchPending();
            os::sleepMs(10);
        }
        EXPECT_FALSE(schedule.isBusy());
        EXPECT_EQ(values.outTotalScreenshots, 0);
        EXPECT_EQ(values.lastSend, 1800000000);
    }
    const std::string record = server.record();
    EXPECT_NE(record.find("\"total_screenshots\": 12"), std::string::npos) << record;
    EXPECT_NE(record.find("\"user_agent\": \"Framewing/1.0\""), std::string::npos) << record;
}

// Digits beyond ASCII, in the report or in Content-Length, get a refusal
// rather than a dropped connection.
TEST(StatisticsEndToEndTest, ReferenceServerRefusesDigitsBeyondAscii) {
    const WideString report = u"<?xml version=\"1.0\"?><statistics>"
                              u"<total_screenshots>\u00b2</total_screenshots></statistics>";
    const WideString value = encodeReport(report); // ASCII: one byte per unit
    for (const WideString& length : {toWide(value.size() + 2), WideString(u"\u00b2")}) {
        test::StatsServerProcess server;
        ASSERT_NE(server.port(), 0) << "tools/stats-server did not start";
        HttpClient client;
        HttpRequest& request = client.request();
        request.setMethod(HttpMethod::Post);
        request.setHost(u"127.0.0.1");
        request.setPort(server.port());
        request.setPath(kStatisticsPath);
        request.addParameter(u"q", value);
        request.addHeaderLine(u"Content-Length: " + length);
        request.addHeaderLine(u"Connection: close");
        client.setReceiveTimeout(10);
        client.setResultBufferSize(4096);
        ASSERT_TRUE(client.execute()) << client.error();
        EXPECT_FALSE(isAcceptedReply(client.statusClass(), client.body()));
        EXPECT_EQ(server.record(), "");
    }
}

} // namespace
} // namespace fw
