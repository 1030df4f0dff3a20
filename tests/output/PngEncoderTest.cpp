#include "output/PngEncoder.h"
#include "output/Deflate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace fw {
namespace {

TEST(PngEncoderTest, Checksums) {
    const uint8_t digits[] = "123456789";
    EXPECT_EQ(crc32Of(digits, 9), 0xCBF43926u);
    const uint8_t word[] = "Wikipedia";
    EXPECT_EQ(adler32Of(word, 9), 0x11E60398u);
    std::vector<uint8_t> zeros(100000);
    EXPECT_EQ(adler32Of(zeros.data(), zeros.size()), (100000u % 65521u) << 16 | 1u);
}

std::vector<uint8_t> compressed(const std::vector<uint8_t>& input, size_t firstPiece) {
    std::vector<uint8_t> out;
    DeflateStream deflate(out);
    for (size_t at = 0, piece = firstPiece; at < input.size(); piece = piece * 7 % 40000 + 1) {
        const size_t size = std::min(piece, input.size() - at);
        deflate.write(input.data() + at, size);
        at += size;
    }
    deflate.finish();
    return out;
}

// However the input is cut into pieces, the stream is the same: what a match
// reaches back to stays available across the pieces.
TEST(PngEncoderTest, DeflateStreamDoesNotDependOnThePieces) {
    std::vector<uint8_t> input(600000);
    uint32_t state = 3;
    for (size_t i = 0; i < input.size(); ++i) {
        state = state * 1103515245u + 12345u;
        // Noise with copies of earlier stretches at every distance up to 32 KB.
        const size_t back = (i / 4096) % 32768 + 1;
        input[i] =
            i % 8192 < 4096 || i < back ? static_cast<uint8_t>(state >> 24) : input[i - back];
    }
    const std::vector<uint8_t> whole = compressed(input, input.size());
    EXPECT_LT(whole.size(), input.size() * 3 / 4);
    for (size_t first : {1u, 258u, 65536u}) {
        EXPECT_EQ(compressed(input, first), whole) << first;
    }
}

uint32_t bigEndian(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Decoding is checked against the system codec under Wine; here every chunk
// must be well formed, for content that exercises literals, long matches and
// block changes (run under the sanitizers).
TEST(PngEncoderTest, ChunksAreWellFormed) {
    Image noise(true, 257, 131);
    uint32_t state = 1;
    for (int32_t i = 0; i < noise.byteSize(); ++i) {
        state = state * 1103515245u + 12345u;
        noise.pixels()[i] = i % 4096 < 2048 ? static_cast<uint8_t>(state >> 24) : 0x5A;
    }
    for (const Image& image : {noise, Image(false, 1, 1), Image(false, 3000, 40)}) {
        for (bool alpha : {true, false}) {
            const std::vector<uint8_t> png = encodePng(image, alpha);
            ASSERT_GT(png.size(), 8u + 25 + 12);
            EXPECT_EQ(png[1], 'P');
            std::vector<std::string> types;
            std::vector<uint8_t> stream;
            for (size_t at = 8; at + 12 <= png.size();) {
                const uint32_t length = bigEndian(&png[at]);
                ASSERT_LE(at + 12 + length, png.size());
                types.emplace_back(reinterpret_cast<const char*>(&png[at + 4]), 4);
                EXPECT_EQ(crc32Of(&png[at + 4], length + 4), bigEndian(&png[at + 8 + length]));
                if (types.back() == "IDAT") {
                    stream.insert(stream.end(), &png[at + 8], &png[at + 8 + length]);
                }
                at += 12 + length;
            }
            EXPECT_EQ(types.front(), "IHDR");
            EXPECT_EQ(types.back(), "IEND");
            EXPECT_EQ(png[25], image.hasAlpha() && alpha ? 6 : 2);
            ASSERT_GE(stream.size(), 6u);
            EXPECT_EQ(stream[0], 0x78);
        }
    }
}

} // namespace
} // namespace fw
