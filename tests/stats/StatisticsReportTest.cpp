#include "stats/LoopbackServer.h"
#include "stats/StatisticsBotThread.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

const WideString kTwelve = u"<?xml version=\"1.0\" encoding=\"utf-8\"?><statistics>"
                           u"<total_screenshots>12</total_screenshots></statistics>";

TEST(StatisticsReportTest, Base64MatchesTheStandardVectors) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {"\xfb\xff\xbf", "+/+/"},
    };
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(base64Encode(plain), encoded) << plain;
    }
    // Long input stays on one line.
    EXPECT_EQ(base64Encode(std::string(300, 'x')).find_first_of("\r\n"), std::string::npos);
}

TEST(StatisticsReportTest, DocumentAndFormValue) {
    EXPECT_EQ(buildReportDocument({{u"total_screenshots", u"12"}}), kTwelve);
    EXPECT_EQ(buildReportDocument({{u"a", u" 7x"}, {u"b", u"abc"}, {u"c", u"-3"}}),
              u"<?xml version=\"1.0\" encoding=\"utf-8\"?><statistics><a>7</a><b>0</b>"
              u"<c>-3</c></statistics>");
    EXPECT_EQ(encodeReport(kTwelve),
              u"PD94bWwgdmVyc2lvbj0iMS4wIiBlbmNvZGluZz0idXRmLTgiPz48c3RhdGlzdGljcz48dG90YWxfc2Ny"
              u"ZWVuc2hvdHM%2BMTI8L3RvdGFsX3NjcmVlbnNob3RzPjwvc3RhdGlzdGljcz4%3D");
}

TEST(StatisticsReportTest, AcceptsOnlyAResultOfOneInAnOkReply) {
    struct Case {
        HttpStatusClass status;
        std::string body;
        bool accepted;
    };
    const std::string one = "<?xml version=\"1.0\"?><result>1</result>";
    const Case cases[] = {
        {HttpStatusClass::Ok, one, true},
        {HttpStatusClass::Ok, "\xEF\xBB\xBF" + one, true},
        {HttpStatusClass::Ok, "<?xml version=\"1.0\"?>\r\n<result>1</result>\r\n", true},
        {HttpStatusClass::Other, one, false},
        {HttpStatusClass::NotFound, one, false},
        {HttpStatusClass::Ok, "", false},
        {HttpStatusClass::Ok, "<?xml version=\"1.0\"?><result>0</result>", false},
        {HttpStatusClass::Ok, "<?xml version=\"1.0\"?><result> 1</result>", false},
        {HttpStatusClass::Ok, "<?xml version=\"1.0\"?><a><result>1</result></a>", false},
        {HttpStatusClass::Ok, "<result>1</result>", false},
        {HttpStatusClass::Ok, "<?xml version=\"1.0\"?><result>1</result", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isAcceptedReply(c.status, std::vector<uint8_t>(c.body.begin(), c.body.end())),
                  c.accepted)
            << c.body;
    }
}

// Sends one report to `server` and returns the sender's result.
int32_t sendThrough(const test::LoopbackServer& server) {
    StatisticsBotThread bot;
    bot.setTarget(u"Framewing/1.0", u"127.0.0.1", u"/service-statistics");
    bot.setPort(server.port());
    bot.addItem(u"total_screenshots", u"3");
    if (!bot.start()) {
        return -1;
    }
    bot.wait();
    return bot.result();
}

TEST(StatisticsReportTest, SenderPostsTheReportAndReadsTheVerdict) {
    test::LoopbackServer accepting(
        "HTTP/1.0 200 OK\r\n\r\n<?xml version=\"1.0\"?><result>1</result>");
    ASSERT_EQ(sendThrough(accepting), 1);
    const std::string body =
        "q=PD94bWwgdmVyc2lvbj0iMS4wIiBlbmNvZGluZz0idXRmLTgiPz48c3RhdGlzdGljcz"
        "48dG90YWxfc2NyZWVuc2hvdHM%2BMzwvdG90YWxfc2NyZWVuc2hvdHM%2BPC9zdGF0aXN0"
        "aWNzPg%3D%3D";
    // Nothing but these lines leaves the machine: no cookie, no identifier.
    ASSERT_EQ(accepting.requests().size(), 1u);
    EXPECT_EQ(accepting.requests()[0], "POST /service-statistics HTTP/1.0\r\n"
                                       "User-Agent: Framewing/1.0\r\n"
                                       "Host: 127.0.0.1\r\n"
                                       "Content-Type: application/x-www-form-urlencoded\r\n"
                                       "Content-Length: " +
                                           std::to_string(body.size()) +
                                           "\r\n"
                                           "Connection: close\r\n\r\n" +
                                           body);

    test::LoopbackServer refusing(
        "HTTP/1.0 200 OK\r\n\r\n<?xml version=\"1.0\"?><result>0</result>");
    EXPECT_EQ(sendThrough(refusing), 0);
    test::LoopbackServer broken(
        "HTTP/1.0 500 Oops\r\n\r\n<?xml version=\"1.0\"?><result>1</result>");
    EXPECT_EQ(sendThrough(broken), 0);
}

TEST(StatisticsReportTest, SenderRefusesToStartWithoutTargetOrItems) {
    StatisticsBotThread bot;
    bot.addItem(u"total_screenshots", u"1");
    EXPECT_FALSE(bot.start());
    bot.setTarget(u"Framewing/1.0", u"127.0.0.1", u"/service-statistics");
    bot.clearItems();
    EXPECT_FALSE(bot.start());
    EXPECT_FALSE(bot.isRunning());
}

} // namespace
} // namespace fw
