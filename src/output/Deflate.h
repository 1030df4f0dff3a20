#pragma once
// Deflate (RFC 1951) inside a zlib stream (RFC 1950), tuned for speed: one
// hash probe per position and dynamic Huffman codes for every block.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace fw {

// A zlib stream appended to `out` as the input arrives in pieces: the input
// is kept only as far back as a match can reach, never as a whole.
class DeflateStream {
public:
    explicit DeflateStream(std::vector<uint8_t>& out);
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;
    ~DeflateStream();

    void write(const uint8_t* data, size_t size);
    // Compresses what is left and ends the stream.
    void finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

uint32_t adler32Of(const uint8_t* data, size_t size, uint32_t adler = 1);

} // namespace fw
