#pragma once
// Deflate (RFC 1951) inside a zlib stream (RFC 1950), tuned for speed: one
// hash probe per position and dynamic Huffman codes for every block.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

// Appends the zlib stream of `data` to `out`.
void deflateZlib(const uint8_t* data, size_t size, std::vector<uint8_t>& out);

uint32_t adler32Of(const uint8_t* data, size_t size, uint32_t adler = 1);

} // namespace fw
