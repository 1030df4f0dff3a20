#include "output/Deflate.h"
#include "output/PngEncoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

TEST(PngChecksumTest, Checksums) {
    const uint8_t digits[] = "123456789";
    EXPECT_EQ(crc32Of(digits, 9), 0xCBF43926u);
    const uint8_t word[] = "Wikipedia";
    EXPECT_EQ(adler32Of(word, 9), 0x11E60398u);
    std::vector<uint8_t> zeros(100000);
    EXPECT_EQ(adler32Of(zeros.data(), zeros.size()), (100000u % 65521u) << 16 | 1u);
}

} // namespace
} // namespace fw
