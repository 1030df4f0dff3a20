#include "stats/HttpClient.h"

#include "platform/Text.h"
#include "stats/ClientSocket.h"

#include <algorithm>
#include <memory>
#include <string_view>

namespace fw {

const char16_t* httpErrorText(uint32_t code) {
    static const char16_t* const texts[] = {
        u"No error.",
        u"Result buffer size incorrect.",
        u"Result processing failed.",
        u"Socket init failed.",
        u"Socket create failed.",
        u"Socket detect host failed.",
        u"Socket connect failed.",
        u"Socket already open.",
        u"Socket not init.",
        u"Socket not open.",
        u"Socket read params is incorrect.",
        u"Socket read timeout elapsed.",
        u"Socket read failed.",
        u"Socket read buffer is full.",
        u"Socket write params is incorrect.",
        u"Socket write failed.",
        u"Socket write timeout elapsed.",
        u"Unknown error.",
    };
    return code < std::size(texts) ? texts[code] : u"Unknown error.";
}

HttpError httpErrorFromSocket(uint32_t socketError) {
    switch (static_cast<SocketError>(socketError)) {
    case SocketError::InitFailed:
        return HttpError::SocketInit;
    case SocketError::CreateFailed:
        return HttpError::SocketCreate;
    case SocketError::DetectHostFailed:
        return HttpError::SocketDetectHost;
    case SocketError::ConnectFailed:
        return HttpError::SocketConnect;
    case SocketError::AlreadyOpen:
        return HttpError::SocketAlreadyOpen;
    case SocketError::NotInit:
        return HttpError::SocketNotInit;
    case SocketError::NotOpen:
        return HttpError::SocketNotOpen;
    case SocketError::ReadParams:
        return HttpError::SocketReadParams;
    case SocketError::ReadTimeout:
        return HttpError::SocketReadTimeout;
    case SocketError::ReadFailed:
        return HttpError::SocketRead;
    case SocketError::ReadBufferFull:
        return HttpError::SocketReadBufferFull;
    case SocketError::WriteParams:
        return HttpError::SocketWriteParams;
    case SocketError::WriteFailed:
        return HttpError::SocketWrite;
    case SocketError::WriteTimeout:
        return HttpError::SocketWriteTimeout;
    default:
        return HttpError::Unknown;
    }
}

bool parseHttpReply(const uint8_t* reply, size_t length, HttpResponse& response) {
    static constexpr std::string_view separator = "\r\n\r\n";
    response.headerLines.clear();
    response.body.clear();
    if (length <= separator.size()) {
        return false;
    }
    std::string_view text(reinterpret_cast<const char*>(reply), length);
    size_t at = text.find(separator);
    if (at == std::string_view::npos) {
        return false;
    }
    size_t headerEnd = at + separator.size();
    WideString headers = trim(os::fromAnsi(text.substr(0, headerEnd)));
    for (const WideString& line : split(headers, u'\n', false)) {
        addHeaderLineTo(response.headerLines, line);
    }
    response.body.assign(reply + headerEnd, reply + length);
    return true;
}

HttpStatusClass statusClassOf(const HttpResponse& response) {
    if (response.headerLines.empty()) {
        return HttpStatusClass::Other;
    }
    const WideString& status = response.headerLines.front();
    if (status.find(u"200 OK") != WideString::npos) {
        return HttpStatusClass::Ok;
    }
    if (status.find(u"404") != WideString::npos) {
        return HttpStatusClass::NotFound;
    }
    if (status.find(u"302") != WideString::npos) {
        return HttpStatusClass::Moved;
    }
    if (status.find(u"411") != WideString::npos) {
        return HttpStatusClass::LengthRequired;
    }
    return HttpStatusClass::Other;
}

bool HttpClient::fail(HttpError error, uint32_t systemError) {
    error_ = error;
    systemError_ = systemError;
    return false;
}

bool HttpClient::execute() {
    error_ = HttpError::None;
    systemError_ = 0;
    response_ = HttpResponse{};
    // Only the in-memory mode exists; refuse anything else before connecting.
    if (storageMode_ != 0) {
        return fail(HttpError::Unknown);
    }
    if (resultBufferSize_ <= 0) {
        return fail(HttpError::ResultBufferSize);
    }
    ClientSocket socket(receiveTimeout_, request_.sendTimeout(), request_.host(), request_.port());
    if (!socket.connect()) {
        return fail(httpErrorFromSocket(socket.error()), socket.systemError());
    }
    std::string text = toUtf8(request_.text());
    // Zero-filled, so the reply ends at its first zero byte.
    auto buffer = std::make_unique<uint8_t[]>(static_cast<size_t>(resultBufferSize_));
    int32_t received = -1;
    if (socket.send(text.data(), static_cast<int32_t>(text.size()))) {
        received = socket.receive(buffer.get(), resultBufferSize_);
    }
    if (received <= 0 || socket.error() != 0) {
        return fail(httpErrorFromSocket(socket.error()), socket.systemError());
    }
    const uint8_t* begin = buffer.get();
    const uint8_t* end = begin + received;
    auto length = static_cast<size_t>(std::find(begin, end, uint8_t{0}) - begin);
    if (length == 0) {
        return fail(HttpError::Unknown);
    }
    if (!parseHttpReply(buffer.get(), length, response_)) {
        return fail(HttpError::ResultProcessing);
    }
    return true;
}

} // namespace fw
