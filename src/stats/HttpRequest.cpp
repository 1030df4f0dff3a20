#include "stats/HttpRequest.h"

namespace fw {
namespace {

bool isReservedInForm(uint8_t byte) {
    static constexpr std::string_view reserved = "<>\"#%{}|\\^~[]+?&@=:,";
    return reserved.find(static_cast<char>(byte)) != std::string_view::npos;
}

} // namespace

WideString percentEncode(WideStringView text) {
    static constexpr char digits[] = "0123456789ABCDEF";
    WideString out;
    for (char c : toUtf8(text)) {
        auto byte = static_cast<uint8_t>(c);
        // DEL (0x7F) is a control character and is encoded like the others.
        if (byte >= 0x21 && byte < 0x7F && !isReservedInForm(byte)) {
            out += static_cast<char16_t>(byte);
        } else {
            out += u'%';
            out += static_cast<char16_t>(digits[byte >> 4]);
            out += static_cast<char16_t>(digits[byte & 0x0F]);
        }
    }
    return out;
}

void addHeaderLineTo(std::vector<WideString>& lines, WideStringView line) {
    WideString trimmed = trim(line);
    if (trimmed.empty()) {
        return;
    }
    size_t colon = trimmed.find(u':');
    if (colon != WideString::npos) {
        // The colon is part of the compared name, so "Host:" never matches "Hostname:".
        WideStringView name = WideStringView(trimmed).substr(0, colon + 1);
        for (WideString& existing : lines) {
            if (startsWith(existing, name)) {
                existing = std::move(trimmed);
                return;
            }
        }
    }
    lines.push_back(std::move(trimmed));
}

void HttpRequest::addHeaderLine(WideStringView line) {
    addHeaderLineTo(headerLines_, line);
}

void HttpRequest::addParameter(WideString name, WideString value) {
    parameters_.emplace_back(std::move(name), std::move(value));
}

WideString HttpRequest::formBody() const {
    WideString body;
    for (const auto& [name, value] : parameters_) {
        if (!body.empty()) {
            body += u'&';
        }
        body.append(name).append(u"=").append(value);
    }
    return body;
}

int32_t HttpRequest::bodyLength() const {
    return static_cast<int32_t>(toUtf8(formBody()).size());
}

WideString HttpRequest::text() const {
    const bool post = method_ == HttpMethod::Post;
    WideString out = post ? u"POST " : u"GET ";
    out.append(path_);
    // A GET carries its parameters as the query string.
    if (!post && !parameters_.empty()) {
        out.append(u"?").append(formBody());
    }
    out.append(u" HTTP/").append(version_).append(u"\r\n");
    for (const WideString& line : headerLines_) {
        out.append(line).append(u"\r\n");
    }
    out += u"\r\n";
    if (post) {
        out += formBody();
    }
    return out;
}

} // namespace fw
