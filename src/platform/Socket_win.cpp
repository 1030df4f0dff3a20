// winsock2.h must come before windows.h, which Win32.h includes.
#include <winsock2.h>

#include "platform/Socket.h"
#include "platform/Win32.h"

#include <cstring>

namespace fw::os {

bool startSockets() {
    WSADATA data{};
    return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

void cleanupSockets() {
    ::WSACleanup();
}

int32_t lastSocketError() {
    return ::WSAGetLastError();
}

void setLastSocketError(int32_t error) {
    ::WSASetLastError(error);
}

bool isSocketTimeout(int32_t error) {
    return error == WSAETIMEDOUT;
}

int32_t socketTimeoutError() {
    return WSAETIMEDOUT;
}

static SOCKET native(SocketHandle socket) {
    return static_cast<SOCKET>(socket);
}

SocketHandle createTcpSocket() {
    SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    return s == INVALID_SOCKET ? kInvalidSocket : static_cast<SocketHandle>(s);
}

bool socketReceiveBufferSize(SocketHandle socket, int32_t& size) {
    int value = 0;
    int length = sizeof(value);
    if (::getsockopt(native(socket), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&value),
                     &length) != 0) {
        return false;
    }
    size = value;
    return true;
}

static bool setTimeout(SocketHandle socket, int option, uint32_t milliseconds) {
    DWORD value = milliseconds;
    return ::setsockopt(native(socket), SOL_SOCKET, option, reinterpret_cast<const char*>(&value),
                        sizeof(value)) == 0;
}

bool setSocketReceiveTimeout(SocketHandle socket, uint32_t milliseconds) {
    return setTimeout(socket, SO_RCVTIMEO, milliseconds);
}

bool setSocketSendTimeout(SocketHandle socket, uint32_t milliseconds) {
    return setTimeout(socket, SO_SNDTIMEO, milliseconds);
}

bool resolveIpv4(const std::string& host, uint32_t& address) {
    unsigned long parsed = ::inet_addr(host.c_str());
    if (parsed != INADDR_NONE) {
        address = static_cast<uint32_t>(parsed);
        return true;
    }
    // gethostbyname rather than getaddrinfo: the latter is missing on Windows XP.
    const hostent* found = ::gethostbyname(host.c_str());
    if (!found || found->h_addrtype != AF_INET || !found->h_addr_list || !found->h_addr_list[0]) {
        return false;
    }
    in_addr first{};
    memcpy(&first, found->h_addr_list[0], sizeof(first));
    address = first.s_addr;
    return true;
}

static bool setBlocking(SocketHandle socket, bool blocking) {
    u_long nonBlocking = blocking ? 0 : 1;
    return ::ioctlsocket(native(socket), FIONBIO, &nonBlocking) == 0;
}

// Waits for a connection in progress; false with the socket's own error, or
// the timeout.
static bool awaitConnection(SocketHandle socket, uint32_t milliseconds) {
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(native(socket), &writable);
    FD_SET(native(socket), &failed);
    timeval wait{static_cast<long>(milliseconds / 1000),
                 static_cast<long>(milliseconds % 1000) * 1000};
    const int ready = ::select(0, nullptr, &writable, &failed, &wait);
    if (ready == SOCKET_ERROR) {
        return false;
    }
    if (ready == 0) {
        ::WSASetLastError(WSAETIMEDOUT);
        return false;
    }
    int error = 0;
    int length = sizeof(error);
    ::getsockopt(native(socket), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
    if (FD_ISSET(native(socket), &failed) || error != 0) {
        ::WSASetLastError(error != 0 ? error : WSAECONNREFUSED);
        return false;
    }
    return true;
}

bool connectSocket(SocketHandle socket, uint32_t address, uint16_t port, uint32_t milliseconds) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = ::htons(port);
    target.sin_addr.s_addr = address;
    if (!setBlocking(socket, false)) {
        return false;
    }
    bool connected =
        ::connect(native(socket), reinterpret_cast<const sockaddr*>(&target), sizeof(target)) == 0;
    if (!connected && ::WSAGetLastError() == WSAEWOULDBLOCK) {
        connected = awaitConnection(socket, milliseconds);
    }
    const int error = ::WSAGetLastError();
    const bool blocking = setBlocking(socket, true);
    ::WSASetLastError(error);
    return connected && blocking;
}

int32_t sendSocket(SocketHandle socket, const void* data, int32_t length) {
    int sent = ::send(native(socket), static_cast<const char*>(data), length, 0);
    return sent == SOCKET_ERROR ? -1 : sent;
}

int32_t receiveSocket(SocketHandle socket, void* buffer, int32_t length) {
    int received = ::recv(native(socket), static_cast<char*>(buffer), length, 0);
    return received == SOCKET_ERROR ? -1 : received;
}

void shutdownSocketSend(SocketHandle socket) {
    ::shutdown(native(socket), SD_SEND);
}

void closeSocket(SocketHandle socket) {
    ::closesocket(native(socket));
}

SocketHandle listenLoopback(uint16_t& port, int backlog) {
    SocketHandle listener = createTcpSocket();
    if (listener == kInvalidSocket) {
        return kInvalidSocket;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = ::htons(port);
    local.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    int length = sizeof(local);
    if (::bind(native(listener), reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0 ||
        ::listen(native(listener), backlog) != 0 ||
        ::getsockname(native(listener), reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        closeSocket(listener);
        return kInvalidSocket;
    }
    port = ::ntohs(local.sin_port);
    return listener;
}

SocketHandle acceptSocket(SocketHandle listener) {
    SOCKET s = ::accept(native(listener), nullptr, nullptr);
    return s == INVALID_SOCKET ? kInvalidSocket : static_cast<SocketHandle>(s);
}

} // namespace fw::os
