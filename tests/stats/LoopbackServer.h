#pragma once
// A one-connection-at-a-time HTTP peer on 127.0.0.1 for the client tests: it
// records each request and answers with a canned reply.
#include "platform/Socket.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fw::test {

class LoopbackServer {
public:
    enum class Close { AfterReply, KeepOpen };

    LoopbackServer(std::string reply, Close close = Close::AfterReply);
    ~LoopbackServer();

    bool listening() const { return listener_ != os::kInvalidSocket; }
    uint16_t port() const { return port_; }
    std::vector<std::string> requests();

private:
    void serve();
    std::string readRequest(os::SocketHandle client);

    std::string reply_;
    Close close_;
    uint16_t port_ = 0;
    os::SocketHandle listener_ = os::kInvalidSocket;
    std::atomic<bool> stopping_{false};
    std::mutex lock_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens (bound and closed again).
uint16_t closedLoopbackPort();

} // namespace fw::test
