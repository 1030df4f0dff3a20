// Times resize on the cases the program runs most: the history thumbnail and a
// halving with bicubic, on a screen-like 1920x1080 pattern. "--save FILE" writes
// the pattern's raw bytes so that another implementation can be timed on the
// same pixels; bench/resize_vs_pillow.sh does that and prints the ratio.
#include "ui/Resample.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

struct Case {
    const char* name;
    int32_t width;
    int32_t height;
    fw::ResampleFilter filter;
};

bool savePixels(const fw::Image& image, const char* path) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) {
        return false;
    }
    const size_t size = static_cast<size_t>(image.byteSize());
    const bool written = std::fwrite(image.pixels(), 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

void makePattern(const fw::Image& image) {
    uint32_t state = 12345;
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<uint8_t>(x / 8 + (state >> 28));
            p[1] = static_cast<uint8_t>(y / 4);
            p[2] = static_cast<uint8_t>((x ^ y) & 0xF0);
            p[3] = 255;
        }
    }
}

double bestMilliseconds(const fw::Image& image, const Case& c, int runs) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const fw::Image result = fw::resize(image, c.width, c.height, c.filter);
        const auto end = std::chrono::steady_clock::now();
        if (result.width() != c.width) {
            std::fprintf(stderr, "resize failed\n");
            return -1;
        }
        best = std::min(best, std::chrono::duration<double, std::milli>(end - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const fw::Image image(true, kWidth, kHeight);
    makePattern(image);
    if (argc > 2 && std::strcmp(argv[1], "--save") == 0) {
        return savePixels(image, argv[2]) ? 0 : 1;
    }
    const Case cases[] = {
        {"lanczos3_180x101", 180, 101, fw::ResampleFilter::Lanczos3},
        {"bicubic_960x540", 960, 540, fw::ResampleFilter::Bicubic},
    };
    for (const Case& c : cases) {
        std::printf("%s %.3f\n", c.name, bestMilliseconds(image, c, 15));
    }
    return 0;
}
