#include "stats/StatisticsReport.h"

#include "platform/WideString.h"
#include "xml/XmlDocument.h"

#include <cstdint>

namespace fw {

std::string base64Encode(const uint8_t* data, size_t size) {
    static constexpr char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((size + 2) / 3 * 4);
    for (size_t i = 0; i < size; i += 3) {
        size_t left = size - i;
        uint32_t group = uint32_t{data[i]} << 16;
        if (left > 1) {
            group |= uint32_t{data[i + 1]} << 8;
        }
        if (left > 2) {
            group |= data[i + 2];
        }
        out += alphabet[(group >> 18) & 63];
        out += alphabet[(group >> 12) & 63];
        out += left > 1 ? alphabet[(group >> 6) & 63] : '=';
        out += left > 2 ? alphabet[group & 63] : '=';
    }
    return out;
}

std::string base64Encode(std::string_view bytes) {
    return base64Encode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

WideString buildReportDocument(const ReportItems& items) {
    WideString document = u"<?xml version=\"1.0\" encoding=\"utf-8\"?><statistics>";
    for (const auto& [name, value] : items) {
        document.append(u"<").append(name).append(u">");
        document.append(toWide(parseSaturatedInteger(value, INT64_MIN, INT64_MAX)));
        document.append(u"</").append(name).append(u">");
    }
    document.append(u"</statistics>");
    return document;
}

WideString encodeReport(WideStringView document) {
    std::string bytes = toUtf8(document);
    size_t first = bytes.find_first_not_of('\0');
    size_t last = bytes.find_last_not_of('\0');
    std::string_view trimmed;
    if (first != std::string::npos) {
        trimmed = std::string_view(bytes).substr(first, last - first + 1);
    }
    return percentEncode(fromUtf8(base64Encode(trimmed)));
}

bool isAcceptedReply(HttpStatusClass status, const std::vector<uint8_t>& body) {
    if (status != HttpStatusClass::Ok || body.empty()) {
        return false;
    }
    XmlDocument document;
    if (!document.parseUtf8(body.data(), body.size())) {
        return false;
    }
    const XmlElement* result = document.root().child(u"result");
    return result && result->text() == u"1";
}

} // namespace fw
