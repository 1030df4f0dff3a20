#pragma once
// A blocking HTTP/1.0 client for one request: connect, send the request in one
// piece, read the reply until the server closes, split headers from body.
#include "stats/HttpRequest.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

enum class HttpError : uint32_t {
    None = 0,
    ResultBufferSize = 1,
    ResultProcessing = 2,
    SocketInit = 3,
    SocketCreate = 4,
    SocketDetectHost = 5,
    SocketConnect = 6,
    SocketAlreadyOpen = 7,
    SocketNotInit = 8,
    SocketNotOpen = 9,
    SocketReadParams = 10,
    SocketReadTimeout = 11,
    SocketRead = 12,
    SocketReadBufferFull = 13,
    SocketWriteParams = 14,
    SocketWrite = 15,
    SocketWriteTimeout = 16,
    Unknown = 17,
};

enum class HttpStatusClass : uint32_t {
    Other = 0,
    Ok = 1,
    Moved = 2,
    NotFound = 3,
    LengthRequired = 4
};

const char16_t* httpErrorText(uint32_t code);
// The HTTP-level code for a socket-level one (Unknown for none or unknown codes).
HttpError httpErrorFromSocket(uint32_t socketError);

struct HttpResponse {
    std::vector<WideString> headerLines; // the status line first
    std::vector<uint8_t> body;
};

// Splits a reply at the first CR LF CR LF: the header part (ANSI code page) into
// lines, the rest into the body. False when there is no such separator.
bool parseHttpReply(const uint8_t* reply, size_t length, HttpResponse& response);

HttpStatusClass statusClassOf(const HttpResponse& response);

class HttpClient {
public:
    HttpClient() = default;
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;
    virtual ~HttpClient() = default;

    HttpRequest& request() { return request_; }
    void setReceiveTimeout(int32_t seconds) { receiveTimeout_ = seconds; }
    // 0 keeps the reply in memory, the only mode there is.
    void setStorageMode(int32_t mode) { storageMode_ = mode; }
    void setResultBufferSize(int32_t bytes) { resultBufferSize_ = bytes; }

    bool execute();
    HttpStatusClass statusClass() const { return statusClassOf(response_); }
    const std::vector<WideString>& headerLines() const { return response_.headerLines; }
    const std::vector<uint8_t>& body() const { return response_.body; }
    uint32_t error() const { return static_cast<uint32_t>(error_); }
    uint32_t systemError() const { return systemError_; }

private:
    bool fail(HttpError error, uint32_t systemError = 0);

    HttpError error_ = HttpError::None;
    uint32_t systemError_ = 0;
    HttpRequest request_;
    int32_t receiveTimeout_ = 0;
    int32_t storageMode_ = 0;
    int32_t resultBufferSize_ = 0;
    HttpResponse response_;
};

} // namespace fw
