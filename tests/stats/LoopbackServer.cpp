#include "stats/LoopbackServer.h"

#include "platform/Time.h"

#include <cstdlib>

namespace fw::test {

LoopbackServer::LoopbackServer(std::string reply, Close close)
    : reply_(std::move(reply)), close_(close) {
    os::startSockets();
    listener_ = os::listenLoopback(port_);
    if (listening()) {
        thread_.start();
    }
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    if (listening()) {
        // Wakes the blocking accept.
        os::SocketHandle wake = os::createTcpSocket();
        uint32_t loopback = 0;
        os::resolveIpv4("127.0.0.1", loopback);
        os::connectSocket(wake, loopback, port_, 5000);
        os::closeSocket(wake);
        thread_.wait();
        os::closeSocket(listener_);
    }
    os::cleanupSockets();
}

std::vector<std::string> LoopbackServer::requests() {
    os::MutexLock guard(lock_);
    return requests_;
}

std::string LoopbackServer::readRequest(os::SocketHandle client) {
    std::string request;
    char chunk[4096];
    os::setSocketReceiveTimeout(client, 5000);
    for (;;) {
        size_t end = request.find("\r\n\r\n");
        if (end != std::string::npos) {
            size_t length = request.find("Content-Length: ");
            size_t body = length == std::string::npos
                              ? 0
                              : std::strtoul(request.c_str() + length + 16, nullptr, 10);
            if (request.size() >= end + 4 + body) {
                return request;
            }
        }
        int32_t count = os::receiveSocket(client, chunk, sizeof(chunk));
        if (count <= 0) {
            return request;
        }
        request.append(chunk, static_cast<size_t>(count));
    }
}

void LoopbackServer::serve() {
    while (!stopping_) {
        os::SocketHandle client = os::acceptSocket(listener_);
        if (client == os::kInvalidSocket || stopping_) {
            if (client != os::kInvalidSocket) {
                os::closeSocket(client);
            }
            continue;
        }
        std::string request = readRequest(client);
        {
            os::MutexLock guard(lock_);
            requests_.push_back(request);
        }
        if (!reply_.empty()) {
            os::sendSocket(client, reply_.data(), static_cast<int32_t>(reply_.size()));
        }
        if (close_ == Close::KeepOpen) {
            // Held until the client gives up; the client's timeout is short.
            char byte = 0;
            while (!stopping_ && os::receiveSocket(client, &byte, 1) > 0) {
            }
        }
        os::closeSocket(client);
    }
}

uint16_t closedLoopbackPort() {
    os::startSockets();
    uint16_t port = 0;
    os::SocketHandle listener = os::listenLoopback(port);
    os::closeSocket(listener);
    os::cleanupSockets();
    return port;
}

} // namespace fw::test
