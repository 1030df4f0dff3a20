#include "xml/TextFile.h"

#include "platform/ByteOrder.h"
#include "platform/Text.h"

#include <cstring>

namespace fw {

static size_t lengthToZero(const uint8_t* data, size_t size) {
    const void* zero = std::memchr(data, 0, size);
    return zero ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - data) : size;
}

static WideString decodeUtf16(const uint8_t* data, size_t size) {
    WideString text;
    // An odd last byte pairs with a zero high byte.
    for (size_t i = 0; i < size; i += 2) {
        const char16_t unit = i + 1 < size ? readLittle16(data + i) : data[i];
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

WideString TextFileReader::decode(const uint8_t* data, size_t size, TextEncoding encoding) {
    WideString text;
    switch (encoding) {
    case TextEncoding::Ansi:
        text = os::fromAnsi(
            std::string_view(reinterpret_cast<const char*>(data), lengthToZero(data, size)));
        break;
    case TextEncoding::Utf8:
        if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
            data += 3;
            size -= 3;
        }
        text = fromUtf8(
            std::string_view(reinterpret_cast<const char*>(data), lengthToZero(data, size)));
        break;
    case TextEncoding::Utf16:
        if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
            data += 2;
            size -= 2;
        }
        text = decodeUtf16(data, size);
        break;
    }
    return text.size() > kMaxTextLength ? WideString() : text;
}

WideString TextFileReader::readAll(WideStringView path, TextEncoding encoding) {
    // No code unit takes more than three bytes, so a longer file could only
    // decode to a refused text: it is not read into memory at all.
    constexpr uint64_t kMaxFileBytes = 3 * uint64_t{kMaxTextLength} + 3;
    uint64_t size = 0;
    Bytes contents;
    if (path.empty() || !os::fileSize(path, size) || size > kMaxFileBytes ||
        !os::readFile(path, contents) || contents.empty()) {
        return WideString();
    }
    return decode(contents.data(), contents.size(), encoding);
}

void TextStreamWriter::write(WideStringView text) {
    if (!markWritten_) {
        markWritten_ = true;
        if (encoding_ == TextEncoding::Utf8) {
            stream_.insert(stream_.end(), {0xEF, 0xBB, 0xBF});
        } else if (encoding_ == TextEncoding::Utf16) {
            stream_.insert(stream_.end(), {0xFF, 0xFE});
        }
    }
    switch (encoding_) {
    case TextEncoding::Ansi: {
        std::string bytes = os::toAnsi(text);
        stream_.insert(stream_.end(), bytes.begin(), bytes.end());
        break;
    }
    case TextEncoding::Utf8: {
        std::string bytes = toUtf8(text);
        stream_.insert(stream_.end(), bytes.begin(), bytes.end());
        break;
    }
    case TextEncoding::Utf16:
        for (char16_t unit : text) {
            appendLittle16(stream_, unit);
        }
        break;
    }
}

} // namespace fw
