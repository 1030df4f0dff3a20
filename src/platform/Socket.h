#pragma once
// Blocking IPv4 TCP sockets: Windows Sockets on Windows, BSD sockets elsewhere.
// Error numbers are the system's own (WSAGetLastError or errno); only the
// timeout test is portable, through isSocketTimeout.
#include <cstdint>
#include <string>

namespace fw::os {

using SocketHandle = intptr_t;
constexpr SocketHandle kInvalidSocket = -1;

// Starts and stops the socket library (WSAStartup 2.2 / WSACleanup); no-ops on POSIX.
bool startSockets();
void cleanupSockets();

// The error of the last failed socket call on this thread.
int32_t lastSocketError();
void setLastSocketError(int32_t error);
// True when `error` means a send or receive timeout elapsed.
bool isSocketTimeout(int32_t error);
// The system's "timed out" error (WSAETIMEDOUT / ETIMEDOUT).
int32_t socketTimeoutError();

SocketHandle createTcpSocket();
// Reads SO_RCVBUF.
bool socketReceiveBufferSize(SocketHandle socket, int32_t& size);
// SO_RCVTIMEO / SO_SNDTIMEO in milliseconds.
bool setSocketReceiveTimeout(SocketHandle socket, uint32_t milliseconds);
bool setSocketSendTimeout(SocketHandle socket, uint32_t milliseconds);

// A dotted IPv4 address, or else the first address the resolver finds for the
// name. The address is in network byte order.
bool resolveIpv4(const std::string& host, uint32_t& address);
// The same within `milliseconds`: the lookup runs on a thread of its own, left
// to finish unobserved when the time is up (the error is then the timeout).
// The system's resolver has no time limit of its own, on XP none at all.
bool resolveIpv4Within(const std::string& host, uint32_t milliseconds, uint32_t& address);
// Connects within `milliseconds` (without blocking underneath; the socket
// blocks again afterwards). When the time is up the error is the timeout.
bool connectSocket(SocketHandle socket, uint32_t address, uint16_t port, uint32_t milliseconds);

// One send / recv call: bytes transferred, 0 when the peer closed, -1 on error.
int32_t sendSocket(SocketHandle socket, const void* data, int32_t length);
int32_t receiveSocket(SocketHandle socket, void* buffer, int32_t length);

void shutdownSocketSend(SocketHandle socket);
void closeSocket(SocketHandle socket);

// Server side, for the tests' loopback peers: listens on 127.0.0.1 at `port`
// (0 = any free port) with room for `backlog` waiting connections, and reports
// the port actually bound.
SocketHandle listenLoopback(uint16_t& port, int backlog = 8);
SocketHandle acceptSocket(SocketHandle listener);

} // namespace fw::os
