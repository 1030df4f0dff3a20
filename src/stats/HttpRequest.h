#pragma once
// The text of one HTTP/1.0 request: request line, header lines, form body.
#include "platform/WideString.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace fw {

enum class HttpMethod : uint32_t { Get = 0, Post = 1 };

// Form encoding of a parameter value: UTF-8 bytes, printable ASCII kept except
// the characters that mean something in URLs and forms; everything else %XX.
WideString percentEncode(WideStringView text);

class HttpRequest {
public:
    void setMethod(HttpMethod method) { method_ = method; }
    void setHost(WideString host) { host_ = std::move(host); }
    void setPath(WideString path) { path_ = std::move(path); }
    void setPort(uint32_t port) { port_ = port; }
    void setSendTimeout(int32_t seconds) { sendTimeout_ = seconds; }

    HttpMethod method() const { return method_; }
    const WideString& host() const { return host_; }
    const WideString& path() const { return path_; }
    uint32_t port() const { return port_; }
    int32_t sendTimeout() const { return sendTimeout_; }
    const std::vector<WideString>& headerLines() const { return headerLines_; }

    // Trimmed; empty lines are ignored; a line "Name: value" replaces the first
    // line with the same name.
    void addHeaderLine(WideStringView line);
    // Name and value are used as given: the caller encodes them.
    void addParameter(WideString name, WideString value);
    // Length of the form body in UTF-8 bytes.
    int32_t bodyLength() const;
    // The whole request; sent as UTF-8.
    WideString text() const;

private:
    WideString formBody() const;

    WideString version_ = u"1.0";
    HttpMethod method_ = HttpMethod::Get;
    WideString host_;
    WideString path_ = u"/";
    uint32_t port_ = 80;
    int32_t sendTimeout_ = 0;
    std::vector<WideString> headerLines_;
    std::vector<std::pair<WideString, WideString>> parameters_;
};

// The header-line rule, shared by requests and replies.
void addHeaderLineTo(std::vector<WideString>& lines, WideStringView line);

} // namespace fw
