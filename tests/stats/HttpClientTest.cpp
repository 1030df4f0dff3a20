#include "stats/HttpClient.h"
#include "platform/Time.h"
#include "stats/ClientSocket.h"
#include "stats/LoopbackServer.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

using test::LoopbackServer;

const std::string kOkReply = "HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\n\r\n<result>1</result>";

// The caller's order: target, parameters, header lines, reply settings.
void preparePost(HttpClient& client, uint16_t port, int32_t bufferSize = 4096) {
    HttpRequest& request = client.request();
    request.setMethod(HttpMethod::Post);
    request.setHost(u"127.0.0.1");
    request.setPort(port);
    request.setPath(u"/service-statistics");
    request.setSendTimeout(5);
    request.addParameter(u"q", u"abc");
    request.addHeaderLine(u"User-Agent: Framewing 1.0");
    request.addHeaderLine(u"Host: 127.0.0.1");
    request.addHeaderLine(u"Content-Length: " + toWide(request.bodyLength()));
    request.addHeaderLine(u"Connection: close");
    client.setReceiveTimeout(5);
    client.setStorageMode(0);
    client.setResultBufferSize(bufferSize);
}

TEST(HttpClientTest, PostsTheRequestTextAndSplitsTheReply) {
    LoopbackServer server(kOkReply);
    ASSERT_TRUE(server.listening());
    HttpClient client;
    preparePost(client, server.port());
    ASSERT_TRUE(client.execute()) << client.error();

    const std::string expected = "POST /service-statistics HTTP/1.0\r\n"
                                 "User-Agent: Framewing 1.0\r\n"
                                 "Host: 127.0.0.1\r\n"
                                 "Content-Length: 5\r\n"
                                 "Connection: close\r\n"
                                 "\r\n"
                                 "q=abc";
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0], expected);
    EXPECT_EQ(client.headerLines(),
              (std::vector<WideString>{u"HTTP/1.0 200 OK", u"Content-Type: text/xml"}));
    EXPECT_EQ(std::string(client.body().begin(), client.body().end()), "<result>1</result>");
    EXPECT_EQ(client.statusClass(), HttpStatusClass::Ok);
    EXPECT_EQ(client.error(), 0u);
}

TEST(HttpClientTest, HeaderLinesReplaceByNameOnly) {
    HttpRequest request;
    request.addHeaderLine(u"Host: x");
    request.addHeaderLine(u"Hostname: h");
    request.addHeaderLine(u"  Host: y \r\n");
    request.addHeaderLine(u"   ");
    request.addHeaderLine(u"Hostname: i");
    EXPECT_EQ(request.headerLines(), (std::vector<WideString>{u"Host: y", u"Hostname: i"}));
    EXPECT_EQ(request.text(), u"GET / HTTP/1.0\r\nHost: y\r\nHostname: i\r\n\r\n");
    request.addParameter(u"a", u"1");
    request.addParameter(u"b", u"\u00e9");
    EXPECT_EQ(request.bodyLength(), 8);
    EXPECT_EQ(request.text().substr(0, 22), u"GET /?a=1&b=\u00e9 HTTP/1.0");
}

TEST(HttpClientTest, PercentEncodesFormValues) {
    EXPECT_EQ(percentEncode(u"a+b=c/d"), u"a%2Bb%3Dc/d");
    EXPECT_EQ(percentEncode(u" "), u"%20");
    EXPECT_EQ(percentEncode(u"\u00e9\u20ac"), u"%C3%A9%E2%82%AC");
    EXPECT_EQ(percentEncode(u"<>\"#%{}|\\^~[]+?&@=:,"),
              u"%3C%3E%22%23%25%7B%7D%7C%5C%5E%7E%5B%5D%2B%3F%26%40%3D%3A%2C");
    EXPECT_EQ(percentEncode(u"\t\x7f!'()*-._09AZaz"), u"%09%7F!'()*-._09AZaz");
    EXPECT_EQ(percentEncode(u""), u"");
}

TEST(HttpClientTest, ClassifiesStatusLinesAndSplitsReplies) {
    struct Case {
        std::string reply;
        HttpStatusClass expected;
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\n\r\n", HttpStatusClass::Ok},
        {"HTTP/1.1 404 Not Found\r\n\r\n", HttpStatusClass::NotFound},
        {"HTTP/1.0 302 Found\r\nLocation: /x\r\n\r\n", HttpStatusClass::Moved},
        {"HTTP/1.0 411 Length Required\r\n\r\n", HttpStatusClass::LengthRequired},
        {"HTTP/1.0 500 Internal Server Error\r\n\r\n", HttpStatusClass::Other},
        {"HTTP/1.0 200 ok\r\n\r\n", HttpStatusClass::Other},
    };
    for (const Case& c : cases) {
        HttpResponse response;
        ASSERT_TRUE(parseHttpReply(reinterpret_cast<const uint8_t*>(c.reply.data()), c.reply.size(),
                                   response));
        EXPECT_EQ(statusClassOf(response), c.expected) << c.reply;
        EXPECT_TRUE(response.body.empty());
    }
    HttpResponse response;
    const std::string split = "HTTP/1.0 200 OK\r\r\n\r\nbody\r\n\r\nmore";
    ASSERT_TRUE(
        parseHttpReply(reinterpret_cast<const uint8_t*>(split.data()), split.size(), response));
    EXPECT_EQ(std::string(response.body.begin(), response.body.end()), "body\r\n\r\nmore");
    EXPECT_FALSE(parseHttpReply(reinterpret_cast<const uint8_t*>("\r\n\r\n"), 4, response));
    EXPECT_EQ(statusClassOf(HttpResponse{}), HttpStatusClass::Other);
}

void expectFailure(HttpClient& client, HttpError http) {
    EXPECT_FALSE(client.execute());
    EXPECT_EQ(client.error(), static_cast<uint32_t>(http));
    EXPECT_TRUE(client.body().empty());
    EXPECT_TRUE(client.headerLines().empty());
}

TEST(HttpClientTest, ReportsExchangeFailuresWithTheirCodes) {
    {
        LoopbackServer server("HTTP/1.0 200 OK\r\nno blank line");
        HttpClient client;
        preparePost(client, server.port());
        expectFailure(client, HttpError::ResultProcessing);
    }
    {
        // The reply plus its two terminating zeros must fit: one byte short fails.
        LoopbackServer server(kOkReply);
        HttpClient client;
        preparePost(client, server.port(), static_cast<int32_t>(kOkReply.size() + 1));
        expectFailure(client, HttpError::SocketReadBufferFull);
        HttpClient fitting;
        preparePost(fitting, server.port(), static_cast<int32_t>(kOkReply.size() + 3));
        ASSERT_TRUE(fitting.execute());
        EXPECT_EQ(fitting.body().size(), 18u);
    }
    {
        LoopbackServer server("");
        HttpClient client;
        preparePost(client, server.port());
        expectFailure(client, HttpError::Unknown);
    }
    HttpClient client;
    preparePost(client, test::closedLoopbackPort());
    expectFailure(client, HttpError::SocketConnect);
    client.setResultBufferSize(0);
    expectFailure(client, HttpError::ResultBufferSize);
}

TEST(HttpClientTest, ServerThatKeepsTheConnectionOpenTimesOut) {
    LoopbackServer server(kOkReply, LoopbackServer::Close::KeepOpen);
    HttpClient client;
    preparePost(client, server.port());
    client.setReceiveTimeout(1);
    expectFailure(client, HttpError::SocketReadTimeout);
    EXPECT_NE(client.systemError(), 0u);
}

TEST(HttpClientTest, UnresolvableHostFailsInTheResolver) {
    // A label longer than 63 bytes cannot be encoded in a DNS query, so the
    // lookup fails locally without asking any server.
    const WideString host = WideString(70, u'x') + u".invalid";
    ClientSocket socket(1, 1, host, 80);
    EXPECT_FALSE(socket.connect());
    EXPECT_EQ(socket.error(), static_cast<uint32_t>(SocketError::DetectHostFailed));
    EXPECT_FALSE(socket.isOpen());

    HttpClient client;
    preparePost(client, 80);
    client.request().setHost(host);
    expectFailure(client, HttpError::SocketDetectHost);
}

TEST(HttpClientTest, UnansweredConnectionEndsAtTheSendTimeout) {
    ASSERT_TRUE(os::startSockets());
    uint16_t port = 0;
    const os::SocketHandle listener = os::listenLoopback(port, 0);
    ASSERT_NE(listener, os::kInvalidSocket);
    // Nothing is accepted: once the queue of waiting connections is full, the
    // system leaves further ones unanswered.
    uint32_t loopback = 0;
    ASSERT_TRUE(os::resolveIpv4("127.0.0.1", loopback));
    std::vector<os::SocketHandle> queued;
    for (int i = 0; i < 4; ++i) {
        queued.push_back(os::createTcpSocket());
        os::connectSocket(queued.back(), loopback, port, 200);
    }
    ClientSocket socket(0, 1, u"127.0.0.1", port);
    const uint32_t started = os::tickCount();
    EXPECT_FALSE(socket.connect());
    EXPECT_EQ(socket.error(), static_cast<uint32_t>(SocketError::ConnectFailed));
    EXPECT_TRUE(os::isSocketTimeout(static_cast<int32_t>(socket.systemError())));
    // Not a bound on speed: the system's own limit would be minutes.
    EXPECT_LT(os::tickCount() - started, 20000u);
    for (os::SocketHandle waiting : queued) {
        os::closeSocket(waiting);
    }
    os::closeSocket(listener);
    os::cleanupSockets();
}

TEST(HttpClientTest, SocketRefusesMisuse) {
    LoopbackServer server(kOkReply);
    ClientSocket socket(5, 5, u"127.0.0.1", server.port());
    uint8_t buffer[64] = {};
    EXPECT_EQ(socket.receive(buffer, sizeof(buffer)), -1);
    EXPECT_EQ(socket.error(), static_cast<uint32_t>(SocketError::NotOpen));
    ASSERT_TRUE(socket.connect());
    EXPECT_EQ(socket.error(), 0u);
    EXPECT_FALSE(socket.send(buffer, 0));
    EXPECT_EQ(socket.error(), static_cast<uint32_t>(SocketError::WriteParams));
    EXPECT_FALSE(socket.isOpen());
    EXPECT_EQ(std::u16string(socketErrorText(11)), u"Read timeout elapsed.");
    EXPECT_EQ(std::u16string(socketErrorText(15)), u"Unknown error.");
    EXPECT_EQ(std::u16string(httpErrorText(13)), u"Socket read buffer is full.");
    EXPECT_EQ(std::u16string(httpErrorText(99)), u"Unknown error.");
}

} // namespace
} // namespace fw
