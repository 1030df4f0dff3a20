// The socket wrapper over loopback: connection with a deadline, transfer,
// receive timeout, refusal and lookup.
#include "platform/Socket.h"
#include "platform/Thread.h"
#include "platform/Time.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <utility>

namespace fw {
namespace {

// The other end of a connection, on a thread of its own.
class Peer : public os::Thread {
public:
    explicit Peer(std::function<void()> body) : os::Thread(u"peer"), body_(std::move(body)) {}
    ~Peer() override { wait(); }

protected:
    void run() override { body_(); }

private:
    std::function<void()> body_;
};

class SocketTest : public testing::Test {
protected:
    SocketTest() {
        os::startSockets();
        os::resolveIpv4("127.0.0.1", loopback);
    }
    ~SocketTest() override { os::cleanupSockets(); }

    uint32_t loopback = 0;
};

TEST_F(SocketTest, LoopbackExchangeAndReceiveTimeout) {
    uint16_t port = 0;
    const os::SocketHandle listener = os::listenLoopback(port);
    ASSERT_NE(listener, os::kInvalidSocket);
    std::string received;
    std::atomic<bool> clientDone{false};
    Peer peer([&] {
        const os::SocketHandle accepted = os::acceptSocket(listener);
        char buffer[4096];
        for (int32_t got; (got = os::receiveSocket(accepted, buffer, sizeof buffer)) > 0;) {
            received.append(buffer, static_cast<size_t>(got));
        }
        os::sendSocket(accepted, "pong", 4);
        // Then silence, until the client has given up waiting.
        while (!clientDone) {
            os::sleepMs(5);
        }
        os::closeSocket(accepted);
    });
    ASSERT_TRUE(peer.start());
    const os::SocketHandle client = os::createTcpSocket();
    ASSERT_TRUE(os::connectSocket(client, loopback, port, 5000)) << os::lastSocketError();
    const std::string request(100000, 'x');
    int32_t sent = 0;
    while (sent < static_cast<int32_t>(request.size())) {
        const int32_t put = os::sendSocket(client, request.data() + sent,
                                           static_cast<int32_t>(request.size()) - sent);
        ASSERT_GT(put, 0);
        sent += put;
    }
    os::shutdownSocketSend(client);
    char reply[8] = {};
    int32_t got = 0;
    for (int32_t more; got < 4 && (more = os::receiveSocket(client, reply + got, 8 - got)) > 0;) {
        got += more;
    }
    EXPECT_EQ(std::string(reply, static_cast<size_t>(got)), "pong");
    ASSERT_TRUE(os::setSocketReceiveTimeout(client, 200));
    EXPECT_EQ(os::receiveSocket(client, reply, 8), -1);
    EXPECT_TRUE(os::isSocketTimeout(os::lastSocketError())) << os::lastSocketError();
    clientDone = true;
    os::closeSocket(client);
    peer.wait();
    os::closeSocket(listener);
    EXPECT_EQ(received, request);
}

TEST_F(SocketTest, RefusedConnectionFailsAtOnceWithoutATimeout) {
    uint16_t port = 0;
    os::closeSocket(os::listenLoopback(port));
    const os::SocketHandle client = os::createTcpSocket();
    EXPECT_FALSE(os::connectSocket(client, loopback, port, 20000));
    EXPECT_FALSE(os::isSocketTimeout(os::lastSocketError())) << os::lastSocketError();
    os::closeSocket(client);
}

TEST_F(SocketTest, LookupWithinADeadline) {
    uint32_t address = 0;
    ASSERT_TRUE(os::resolveIpv4Within("127.0.0.1", 5000, address));
    EXPECT_EQ(address, loopback);
    // A label over 63 bytes cannot be asked for, so the lookup fails locally.
    EXPECT_FALSE(os::resolveIpv4Within(std::string(70, 'x') + ".invalid", 5000, address));
    EXPECT_FALSE(os::isSocketTimeout(os::lastSocketError()));
}

} // namespace
} // namespace fw
