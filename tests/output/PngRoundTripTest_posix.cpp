// The deflate stream and the PNG file decoded by zlib, a decoder written
// independently of ours (linked into the native tests only).
#include "output/Deflate.h"
#include "output/PngEncoder.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace fw {
namespace {

std::vector<uint8_t> inflated(const std::vector<uint8_t>& stream, size_t size) {
    std::vector<uint8_t> out(size + 1);
    uLongf length = static_cast<uLongf>(out.size());
    if (uncompress(out.data(), &length, stream.data(), static_cast<uLong>(stream.size())) != Z_OK) {
        return {};
    }
    out.resize(length);
    return out;
}

bool roundTrips(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> stream;
    DeflateStream deflate(stream);
    deflate.write(data.data(), data.size());
    deflate.finish();
    return inflated(stream, data.size()) == data;
}

// The first distance of a distance code (RFC 1951).
size_t firstDistance(int code) {
    return code < 4 ? static_cast<size_t>(code) + 1
                    : 1 + (size_t{2u | (code & 1)} << (code / 2 - 1));
}

// Matches whose distance codes are as skewed as the Fibonacci numbers, all in
// one block: the plain Huffman code would need 17 bits for the rarest, so the
// code lengths must be limited to 15. Units of eight fresh bytes and a
// five-byte copy; every copy starts at a fresh byte not copied before, so that
// the match found is the one meant.
std::vector<uint8_t> skewedDistances(std::mt19937& random) {
    const int codes[] = {2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    std::vector<int> units;
    for (int i = 0, a = 1, b = 1; i < 18; ++i, b = a + b, a = b - a) {
        units.insert(units.end(), static_cast<size_t>(a), codes[17 - i]);
    }
    std::shuffle(units.begin(), units.end(), random);
    const size_t prefix = 1600;
    const auto fresh = [&] { return static_cast<uint8_t>(random()); };
    std::vector<uint8_t> data(prefix);
    std::generate(data.begin(), data.end(), fresh);
    std::vector<bool> copied(prefix + 13 * units.size());
    for (int code : units) {
        for (int i = 0; i < 8; ++i) {
            data.push_back(fresh());
        }
        const size_t first = firstDistance(code), span = firstDistance(code + 1) - first;
        size_t distance = 0;
        for (size_t tries = 0; distance == 0; ++tries) {
            const size_t candidate = first + (tries < 64 ? random() % span : tries % span);
            const size_t from = data.size() - candidate;
            if (!copied[from] && (from < prefix || (from - prefix) % 13 < 8)) {
                distance = candidate;
                copied[from] = true;
            }
        }
        for (int i = 0; i < 5; ++i) {
            data.push_back(data[data.size() - distance]);
        }
    }
    return data;
}

TEST(PngRoundTripTest, ZlibInflatesEveryKindOfInput) {
    std::mt19937 random(11);
    std::vector<uint8_t> noise(200000);
    std::generate(noise.begin(), noise.end(), [&] { return static_cast<uint8_t>(random()); });
    std::vector<uint8_t> text;
    while (text.size() < 300000) {
        const std::string word = "word" + std::to_string(random() % 500) + " ";
        text.insert(text.end(), word.begin(), word.end());
    }
    const std::vector<uint8_t> cases[] = {
        {},
        {42},
        std::vector<uint8_t>(100000, 7), // the longest matches, back to back
        noise,                           // literals over several blocks
        text,                            // many short matches over several blocks
        skewedDistances(random),
    };
    for (const std::vector<uint8_t>& data : cases) {
        EXPECT_TRUE(roundTrips(data)) << data.size() << " bytes";
    }
}

// The image as PNG stores it: rows of RGB or RGBA, top-down.
std::vector<uint8_t> pngPixels(const Image& image, bool alpha) {
    std::vector<uint8_t> pixels;
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
            const uint8_t* p = image.pixel(x, y);
            pixels.insert(pixels.end(), {p[2], p[1], p[0]});
            if (alpha) {
                pixels.push_back(p[3]);
            }
        }
    }
    return pixels;
}

uint32_t bigEndian(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Decodes an 8-bit RGB or RGBA PNG written without interlacing; empty when the
// file breaks the format anywhere.
std::vector<uint8_t> decodePng(const std::vector<uint8_t>& png, int32_t& width, int32_t& height,
                               int& channels) {
    std::vector<uint8_t> stream;
    if (png.size() < 33 || std::string(png.begin() + 12, png.begin() + 16) != "IHDR") {
        return {};
    }
    width = static_cast<int32_t>(bigEndian(&png[16]));
    height = static_cast<int32_t>(bigEndian(&png[20]));
    channels = png[25] == 6 ? 4 : png[25] == 2 ? 3 : 0;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = bigEndian(&png[at]);
        if (at + 12 + length > png.size() ||
            crc32(0, &png[at + 4], length + 4) != bigEndian(&png[at + 8 + length])) {
            return {};
        }
        if (std::string(png.begin() + at + 4, png.begin() + at + 8) == "IDAT") {
            stream.insert(stream.end(), &png[at + 8], &png[at + 8 + length]);
        }
        at += 12 + length;
    }
    const size_t stride = static_cast<size_t>(width) * channels;
    std::vector<uint8_t> rows = inflated(stream, (stride + 1) * height);
    if (channels == 0 || rows.size() != (stride + 1) * height) {
        return {};
    }
    std::vector<uint8_t> pixels(stride * height);
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* in = &rows[y * (stride + 1) + 1];
        uint8_t* out = &pixels[y * stride];
        const uint8_t* up = y > 0 ? out - stride : nullptr;
        for (size_t i = 0; i < stride; ++i) {
            const int a = i >= static_cast<size_t>(channels) ? out[i - channels] : 0;
            const int b = up ? up[i] : 0;
            const int c = up && i >= static_cast<size_t>(channels) ? up[i - channels] : 0;
            const int predictors[5] = {0, a, b, (a + b) / 2, paeth(a, b, c)};
            const uint8_t type = rows[y * (stride + 1)];
            if (type > 4) {
                return {};
            }
            out[i] = static_cast<uint8_t>(in[i] + predictors[type]);
        }
    }
    return pixels;
}

TEST(PngRoundTripTest, EveryPixelComesBackThroughAnIndependentDecoder) {
    std::mt19937 random(5);
    Image noise(true, 257, 131);
    for (int32_t i = 0; i < noise.byteSize(); ++i) {
        noise.pixels()[i] = i % 4096 < 2048 ? static_cast<uint8_t>(random()) : 0x5A;
    }
    Image screen(false, 1280, 200);
    for (int32_t y = 0; y < screen.height(); ++y) {
        for (int32_t x = 0; x < screen.width(); ++x) {
            uint8_t* p = screen.pixel(x, y);
            p[0] = p[1] = p[2] = (x * 7 + y * 3) % 11 < 3 ? 30 : 240;
        }
    }
    for (const Image& image : {noise, screen, Image(false, 1, 1), Image(true, 3000, 3)}) {
        for (bool keepAlpha : {true, false}) {
            const bool alpha = image.hasAlpha() && keepAlpha;
            int32_t width = 0, height = 0;
            int channels = 0;
            const std::vector<uint8_t> decoded =
                decodePng(encodePng(image, keepAlpha), width, height, channels);
            EXPECT_EQ(width, image.width());
            EXPECT_EQ(height, image.height());
            EXPECT_EQ(channels, alpha ? 4 : 3);
            EXPECT_TRUE(decoded == pngPixels(image, alpha))
                << image.width() << "x" << image.height() << " alpha " << alpha;
        }
    }
}

} // namespace
} // namespace fw
