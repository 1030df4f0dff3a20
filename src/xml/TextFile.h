#pragma once
// Reading whole text files and writing text to a byte stream in one of the
// three encodings the program uses.
#include "platform/Files.h"
#include "platform/WideString.h"

#include <cstddef>
#include <cstdint>

namespace fw {

enum class TextEncoding { Ansi = 1, Utf8 = 2, Utf16 = 3 };

// Decoded texts longer than this many code units are refused.
constexpr size_t kMaxTextLength = 10485758;

class TextFileReader {
public:
    // The whole file decoded; empty on any failure, and for a file too large
    // to hold an accepted text. A leading byte-order mark (UTF-8 or UTF-16 LE)
    // is skipped and the text ends at the first zero.
    static WideString readAll(WideStringView path, TextEncoding encoding);
    // The same decoding for bytes already in memory.
    static WideString decode(const uint8_t* data, size_t size, TextEncoding encoding);
};

// Appends encoded text to `stream`; the first write emits the encoding's
// byte-order mark (EF BB BF for Utf8, FF FE for Utf16, none for Ansi).
class TextStreamWriter {
public:
    TextStreamWriter(Bytes& stream, TextEncoding encoding) : stream_(stream), encoding_(encoding) {}
    void write(WideStringView text);

private:
    Bytes& stream_;
    TextEncoding encoding_;
    bool markWritten_ = false;
};

} // namespace fw
