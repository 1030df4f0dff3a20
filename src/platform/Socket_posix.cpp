#include "platform/Socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace fw::os {

bool startSockets() {
    return true;
}
void cleanupSockets() {}

int32_t lastSocketError() {
    return errno;
}

void setLastSocketError(int32_t error) {
    errno = error;
}

// A receive timeout on POSIX reports EAGAIN rather than a timeout code.
bool isSocketTimeout(int32_t error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == ETIMEDOUT;
}

int32_t socketTimeoutError() {
    return ETIMEDOUT;
}

static int fd(SocketHandle socket) {
    return static_cast<int>(socket);
}

SocketHandle createTcpSocket() {
    int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    return s < 0 ? kInvalidSocket : s;
}

bool socketReceiveBufferSize(SocketHandle socket, int32_t& size) {
    int value = 0;
    socklen_t length = sizeof(value);
    if (::getsockopt(fd(socket), SOL_SOCKET, SO_RCVBUF, &value, &length) != 0) {
        return false;
    }
    size = value;
    return true;
}

static bool setTimeout(SocketHandle socket, int option, uint32_t milliseconds) {
    timeval value{static_cast<time_t>(milliseconds / 1000),
                  static_cast<suseconds_t>((milliseconds % 1000) * 1000)};
    return ::setsockopt(fd(socket), SOL_SOCKET, option, &value, sizeof(value)) == 0;
}

bool setSocketReceiveTimeout(SocketHandle socket, uint32_t milliseconds) {
    return setTimeout(socket, SO_RCVTIMEO, milliseconds);
}

bool setSocketSendTimeout(SocketHandle socket, uint32_t milliseconds) {
    return setTimeout(socket, SO_SNDTIMEO, milliseconds);
}

bool resolveIpv4(const std::string& host, uint32_t& address) {
    in_addr parsed{};
    if (::inet_aton(host.c_str(), &parsed) != 0) {
        address = parsed.s_addr;
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
        return false;
    }
    address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    ::freeaddrinfo(found);
    return true;
}

// Waits for a connection in progress; false with the socket's own error, or
// the timeout.
static bool awaitConnection(SocketHandle socket, uint32_t milliseconds) {
    pollfd waiting{fd(socket), POLLOUT, 0};
    int ready = 0;
    do {
        ready = ::poll(&waiting, 1, static_cast<int>(milliseconds));
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) {
        errno = ready == 0 ? ETIMEDOUT : errno;
        return false;
    }
    int error = 0;
    socklen_t length = sizeof(error);
    if (::getsockopt(fd(socket), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
        errno = error != 0 ? error : errno;
        return false;
    }
    return true;
}

bool connectSocket(SocketHandle socket, uint32_t address, uint16_t port, uint32_t milliseconds) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address;
    const int flags = ::fcntl(fd(socket), F_GETFL);
    if (flags < 0 || ::fcntl(fd(socket), F_SETFL, flags | O_NONBLOCK) != 0) {
        return false;
    }
    bool connected =
        ::connect(fd(socket), reinterpret_cast<const sockaddr*>(&target), sizeof(target)) == 0;
    if (!connected && errno == EINPROGRESS) {
        connected = awaitConnection(socket, milliseconds);
    }
    const int error = errno;
    const bool blocking = ::fcntl(fd(socket), F_SETFL, flags) == 0;
    errno = error;
    return connected && blocking;
}

int32_t sendSocket(SocketHandle socket, const void* data, int32_t length) {
    // MSG_NOSIGNAL: a peer that closed early must give an error, not SIGPIPE.
    ssize_t sent = ::send(fd(socket), data, static_cast<size_t>(length), MSG_NOSIGNAL);
    return sent < 0 ? -1 : static_cast<int32_t>(sent);
}

int32_t receiveSocket(SocketHandle socket, void* buffer, int32_t length) {
    ssize_t received = ::recv(fd(socket), buffer, static_cast<size_t>(length), 0);
    return received < 0 ? -1 : static_cast<int32_t>(received);
}

void shutdownSocketSend(SocketHandle socket) {
    ::shutdown(fd(socket), SHUT_WR);
}

void closeSocket(SocketHandle socket) {
    ::close(fd(socket));
}

SocketHandle listenLoopback(uint16_t& port, int backlog) {
    SocketHandle listener = createTcpSocket();
    if (listener == kInvalidSocket) {
        return kInvalidSocket;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(local);
    if (::bind(fd(listener), reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0 ||
        ::listen(fd(listener), backlog) != 0 ||
        ::getsockname(fd(listener), reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        closeSocket(listener);
        return kInvalidSocket;
    }
    port = ntohs(local.sin_port);
    return listener;
}

SocketHandle acceptSocket(SocketHandle listener) {
    int s = ::accept4(fd(listener), nullptr, nullptr, SOCK_CLOEXEC);
    return s < 0 ? kInvalidSocket : s;
}

} // namespace fw::os
