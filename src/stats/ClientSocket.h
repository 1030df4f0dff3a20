#pragma once
// One blocking TCP connection with numbered errors. The socket library is
// started by the first socket and stopped when the last one goes away.
#include "platform/Socket.h"
#include "platform/WideString.h"

#include <cstdint>

namespace fw {

enum class SocketError : uint32_t {
    None = 0,
    InitFailed = 1,
    CreateFailed = 2,
    DetectHostFailed = 3,
    ConnectFailed = 4,
    WriteParams = 5,
    WriteFailed = 6,
    WriteTimeout = 7,
    ReadParams = 8,
    ReadFailed = 9,
    ReadBufferFull = 10,
    ReadTimeout = 11,
    AlreadyOpen = 12,
    NotInit = 13,
    NotOpen = 14,
};

// The fixed text of a socket error code; "Unknown error." for any other value.
const char16_t* socketErrorText(uint32_t code);

class ClientSocket {
public:
    // Timeouts in seconds (0 or less: the system's default); the send timeout
    // also bounds the name lookup and the connection together (30 s without
    // one). chunkSize 0 takes the socket's receive buffer size when connecting.
    ClientSocket(int32_t receiveTimeout, int32_t sendTimeout, WideString host, uint32_t port,
                 int32_t chunkSize = 0);
    ClientSocket(const ClientSocket&) = delete;
    ClientSocket& operator=(const ClientSocket&) = delete;
    virtual ~ClientSocket();

    bool connect();
    // Sends all of `data`; a short send is completed by further calls.
    bool send(const void* data, int32_t length);
    // Reads until the peer closes. Returns the byte count, or -1 on error. The
    // two bytes after the data are zero, so the buffer needs room for them.
    int32_t receive(uint8_t* buffer, int32_t capacity);
    void close();

    bool isOpen() const { return open_; }
    uint32_t error() const { return static_cast<uint32_t>(error_); }
    uint32_t systemError() const { return systemError_; }

private:
    uint32_t connectTimeoutMs() const;
    void fail(SocketError error, int32_t systemError);
    bool receiveLoop(uint8_t* buffer, int32_t usable, int32_t& received);

    int32_t receiveTimeout_;
    int32_t sendTimeout_;
    WideString host_;
    uint32_t port_;
    int32_t chunkSize_;
    os::SocketHandle socket_ = os::kInvalidSocket;
    bool open_ = false;
    SocketError error_ = SocketError::None;
    uint32_t systemError_ = 0;
};

} // namespace fw
