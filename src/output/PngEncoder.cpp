#include "output/PngEncoder.h"

#include "output/Deflate.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace fw {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

enum Filter : uint8_t { kFilterSub = 1, kFilterUp = 2 };

const std::array<uint32_t, 256>& crcTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void putBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void putChunk(std::vector<uint8_t>& out, const char* type, const uint8_t* data, size_t size) {
    putBigEndian(out, static_cast<uint32_t>(size));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + size);
    putBigEndian(out, crc32Of(out.data() + start, out.size() - start));
}

// One row in PNG byte order: RGB (`bpp` 3) or RGBA with straight alpha.
void convertRow(const Image& image, int32_t y, int bpp, uint8_t* to) {
    const uint8_t* from = image.row(y);
    const int32_t step = image.bytesPerPixel();
    const bool unpremultiply = image.hasAlpha() && image.premultiplied();
    for (int32_t x = 0; x < image.width(); ++x, from += step, to += bpp) {
        to[0] = from[2];
        to[1] = from[1];
        to[2] = from[0];
        if (bpp == 4) {
            to[3] = from[3];
            if (unpremultiply && from[3] != 0 && from[3] != 255) {
                for (int c = 0; c < 3; ++c) {
                    to[c] =
                        static_cast<uint8_t>(std::min(255, (to[c] * 255 + from[3] / 2) / from[3]));
                }
            }
        }
    }
}

// The filter with the smaller sum of absolute differences, the usual cheap
// estimate of what compresses best; Sub suits flat rows, Up repeated rows.
void filterRow(const uint8_t* row, const uint8_t* above, size_t length, int bpp, uint8_t* sub,
               uint8_t* up, std::vector<uint8_t>& out) {
    uint32_t subCost = 0;
    uint32_t upCost = 0;
    for (size_t i = 0; i < length; ++i) {
        sub[i] = static_cast<uint8_t>(row[i] - (i >= static_cast<size_t>(bpp) ? row[i - bpp] : 0));
        up[i] = static_cast<uint8_t>(row[i] - above[i]);
        subCost += static_cast<uint32_t>(std::abs(static_cast<int8_t>(sub[i])));
        upCost += static_cast<uint32_t>(std::abs(static_cast<int8_t>(up[i])));
    }
    const bool useUp = upCost < subCost;
    out.push_back(useUp ? kFilterUp : kFilterSub);
    const uint8_t* chosen = useUp ? up : sub;
    out.insert(out.end(), chosen, chosen + length);
}

} // namespace

uint32_t crc32Of(const uint8_t* data, size_t size, uint32_t crc) {
    const auto& table = crcTable();
    uint32_t c = crc ^ 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

std::vector<uint8_t> encodePng(const Image& image, bool keepAlpha) {
    std::vector<uint8_t> out;
    if (image.isEmpty()) {
        return out;
    }
    const int bpp = image.hasAlpha() && keepAlpha ? 4 : 3;
    const size_t rowLength = static_cast<size_t>(image.width()) * static_cast<size_t>(bpp);
    // Row by row into the compressor: no filtered copy of the whole image, whose
    // fresh memory would cost more than the encoding itself.
    std::vector<uint8_t> compressed;
    compressed.reserve(rowLength * static_cast<size_t>(image.height()) / 16);
    DeflateStream deflate(compressed);
    std::vector<uint8_t> rows(rowLength * 2), scratch(rowLength * 2), filtered;
    filtered.reserve(rowLength + 1);
    uint8_t* row = rows.data();
    uint8_t* above = rows.data() + rowLength;
    std::memset(above, 0, rowLength);
    for (int32_t y = 0; y < image.height(); ++y) {
        convertRow(image, y, bpp, row);
        filtered.clear();
        filterRow(row, above, rowLength, bpp, scratch.data(), scratch.data() + rowLength, filtered);
        deflate.write(filtered.data(), filtered.size());
        std::swap(row, above);
    }
    deflate.finish();

    // Chunks of 1 MiB keep every length far from the format's 2^31 limit.
    constexpr size_t kChunk = size_t{1} << 20;
    const size_t chunks = compressed.size() / kChunk + 1;
    out.reserve(sizeof(kSignature) + 25 + compressed.size() + 12 * chunks + 12);
    out.insert(out.end(), kSignature, kSignature + 8);
    std::vector<uint8_t> header;
    putBigEndian(header, static_cast<uint32_t>(image.width()));
    putBigEndian(header, static_cast<uint32_t>(image.height()));
    header.insert(header.end(), {8, static_cast<uint8_t>(bpp == 4 ? 6 : 2), 0, 0, 0});
    putChunk(out, "IHDR", header.data(), header.size());
    for (size_t at = 0; at < compressed.size(); at += kChunk) {
        putChunk(out, "IDAT", compressed.data() + at, std::min(kChunk, compressed.size() - at));
    }
    putChunk(out, "IEND", nullptr, 0);
    return out;
}

} // namespace fw
