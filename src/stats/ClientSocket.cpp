#include "stats/ClientSocket.h"

#include "platform/Thread.h"
#include "platform/Time.h"

#include <algorithm>

namespace fw {
namespace {

// Process-wide user count of the socket library.
os::Mutex gLibraryLock;
int gLibraryUsers = 0;
bool gLibraryStarted = false;

bool addLibraryUser() {
    os::MutexLock guard(gLibraryLock);
    ++gLibraryUsers;
    if (!gLibraryStarted) {
        gLibraryStarted = os::startSockets();
    }
    return gLibraryStarted;
}

void removeLibraryUser() {
    os::MutexLock guard(gLibraryLock);
    if (--gLibraryUsers == 0 && gLibraryStarted) {
        os::cleanupSockets();
        gLibraryStarted = false;
    }
}

bool libraryStarted() {
    os::MutexLock guard(gLibraryLock);
    return gLibraryStarted;
}

constexpr size_t kMaxHostBytes = 255;
// Lookup and connection without a send timeout of their own.
constexpr uint32_t kDefaultConnectMs = 30000;

} // namespace

const char16_t* socketErrorText(uint32_t code) {
    static const char16_t* const texts[] = {
        u"No error.",
        u"Init failed.",
        u"Create failed.",
        u"Detect host failed.",
        u"Connect failed.",
        u"Write params is incorrect.",
        u"Write failed.",
        u"Write timeout elapsed.",
        u"Read params is incorrect.",
        u"Read failed.",
        u"Read buffer is full.",
        u"Read timeout elapsed.",
        u"Already open.",
        u"Not init.",
        u"Not open.",
    };
    return code < std::size(texts) ? texts[code] : u"Unknown error.";
}

ClientSocket::ClientSocket(int32_t receiveTimeout, int32_t sendTimeout, WideString host,
                           uint32_t port, int32_t chunkSize)
    : receiveTimeout_(receiveTimeout), sendTimeout_(sendTimeout), host_(std::move(host)),
      port_(port), chunkSize_(chunkSize) {
    if (!addLibraryUser()) {
        error_ = SocketError::InitFailed;
    }
}

ClientSocket::~ClientSocket() {
    close();
    removeLibraryUser();
}

uint32_t ClientSocket::connectTimeoutMs() const {
    return sendTimeout_ > 0 ? static_cast<uint32_t>(sendTimeout_) * 1000u : kDefaultConnectMs;
}

void ClientSocket::fail(SocketError error, int32_t systemError) {
    error_ = error;
    systemError_ = static_cast<uint32_t>(systemError);
    close();
}

void ClientSocket::close() {
    if (socket_ != os::kInvalidSocket) {
        os::shutdownSocketSend(socket_);
        os::closeSocket(socket_);
    }
    socket_ = os::kInvalidSocket;
    open_ = false;
}

bool ClientSocket::connect() {
    error_ = SocketError::None;
    systemError_ = 0;
    if (!libraryStarted()) {
        fail(SocketError::NotInit, 0);
        return false;
    }
    if (open_) {
        fail(SocketError::AlreadyOpen, 0);
        return false;
    }
    socket_ = os::createTcpSocket();
    if (socket_ == os::kInvalidSocket) {
        fail(SocketError::CreateFailed, os::lastSocketError());
        return false;
    }
    if (chunkSize_ == 0) {
        os::socketReceiveBufferSize(socket_, chunkSize_);
    }
    if (receiveTimeout_ > 0) {
        os::setSocketReceiveTimeout(socket_, static_cast<uint32_t>(receiveTimeout_) * 1000u);
    }
    if (sendTimeout_ > 0) {
        os::setSocketSendTimeout(socket_, static_cast<uint32_t>(sendTimeout_) * 1000u);
    }
    std::string host = toUtf8(host_);
    if (host.size() > kMaxHostBytes) {
        host.resize(kMaxHostBytes);
    }
    // The lookup and the connection share one deadline, so that no unanswered
    // name server or silent host holds the caller longer than that.
    const uint32_t deadline = connectTimeoutMs();
    const uint32_t started = os::tickCount();
    uint32_t address = 0;
    if (!os::resolveIpv4Within(host, deadline, address)) {
        fail(SocketError::DetectHostFailed, os::lastSocketError());
        return false;
    }
    if (port_ > 0xFFFF) {
        fail(SocketError::ConnectFailed, 0);
        return false;
    }
    const uint32_t spent = os::tickCount() - started;
    const uint32_t left = spent < deadline ? deadline - spent : 0;
    if (!os::connectSocket(socket_, address, static_cast<uint16_t>(port_), left)) {
        fail(SocketError::ConnectFailed, os::lastSocketError());
        return false;
    }
    open_ = true;
    return true;
}

bool ClientSocket::send(const void* data, int32_t length) {
    if (!open_) {
        fail(SocketError::NotOpen, 0);
        return false;
    }
    if (!data || length <= 0) {
        fail(SocketError::WriteParams, 0);
        return false;
    }
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (int32_t done = 0; done < length;) {
        int32_t sent = os::sendSocket(socket_, bytes + done, length - done);
        if (sent <= 0) {
            int32_t system = sent < 0 ? os::lastSocketError() : 0;
            bool timeout = sent < 0 && os::isSocketTimeout(system);
            fail(timeout ? SocketError::WriteTimeout : SocketError::WriteFailed, system);
            return false;
        }
        done += sent;
    }
    return true;
}

int32_t ClientSocket::receive(uint8_t* buffer, int32_t capacity) {
    if (!open_) {
        fail(SocketError::NotOpen, 0);
        return -1;
    }
    // Two bytes stay reserved for the terminating zeros, so that they never
    // overwrite received data.
    if (!buffer || capacity <= 2 || chunkSize_ <= 0) {
        fail(SocketError::ReadParams, 0);
        return -1;
    }
    int32_t received = 0;
    if (!receiveLoop(buffer, capacity - 2, received)) {
        return -1;
    }
    buffer[capacity - 2] = 0;
    buffer[capacity - 1] = 0;
    buffer[received] = 0;
    return received;
}

bool ClientSocket::receiveLoop(uint8_t* buffer, int32_t usable, int32_t& received) {
    for (;;) {
        if (received >= usable) {
            fail(SocketError::ReadBufferFull, 0);
            return false;
        }
        int32_t ask = std::min(chunkSize_, usable - received);
        int32_t count = os::receiveSocket(socket_, buffer + received, ask);
        if (count == 0) {
            return true;
        }
        if (count < 0) {
            int32_t system = os::lastSocketError();
            fail(os::isSocketTimeout(system) ? SocketError::ReadTimeout : SocketError::ReadFailed,
                 system);
            return false;
        }
        received += count;
    }
}

} // namespace fw
