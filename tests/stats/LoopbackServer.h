#pragma once
// A one-connection-at-a-time HTTP peer on 127.0.0.1 for the client tests: it
// records each request and answers with a canned reply.
#include "platform/Socket.h"
#include "platform/Thread.h"

#include <atomic>
#include <string>
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
    class ServeThread : public os::Thread {
    public:
        explicit ServeThread(LoopbackServer& server) : Thread(u"LoopbackServer"), server_(server) {}

    protected:
        void run() override { server_.serve(); }

    private:
        LoopbackServer& server_;
    };

    void serve();
    std::string readRequest(os::SocketHandle client);

    std::string reply_;
    Close close_;
    uint16_t port_ = 0;
    os::SocketHandle listener_ = os::kInvalidSocket;
    std::atomic<bool> stopping_{false};
    os::Mutex lock_;
    std::vector<std::string> requests_;
    ServeThread thread_{*this};
};

// A port on 127.0.0.1 where nothing listens (bound and closed again).
uint16_t closedLoopbackPort();

} // namespace fw::test
