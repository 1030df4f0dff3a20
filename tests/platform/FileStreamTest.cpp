#include "platform/FileStream.h"
#include "platform/Files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

// Pieces around the buffer size, so that buffered and direct transfers mix and
// pieces straddle buffer refills.
TEST(FileStreamTest, PiecesOfEverySizeComeBackInOrder) {
    TempFolder temp("stream");
    const WideString path = joinPath(temp.path(), u"pieces.dat");
    const size_t sizes[] = {0, 1, 4, 65535, 3, 65536, 100000, 7, 131072, 2};
    std::vector<std::vector<uint8_t>> pieces;
    os::FileWriter writer;
    ASSERT_TRUE(writer.create(path));
    uint8_t next = 0;
    for (size_t size : sizes) {
        std::vector<uint8_t> piece(size);
        for (uint8_t& byte : piece) {
            byte = next += 7;
        }
        writer.write(piece.data(), piece.size());
        pieces.push_back(std::move(piece));
    }
    ASSERT_TRUE(writer.finish());

    os::FileReader reader;
    ASSERT_TRUE(reader.open(path));
    uint64_t total = 0;
    for (const std::vector<uint8_t>& piece : pieces) {
        total += piece.size();
    }
    EXPECT_EQ(reader.size(), total);
    for (const std::vector<uint8_t>& piece : pieces) {
        std::vector<uint8_t> got(piece.size());
        ASSERT_TRUE(reader.read(got.data(), got.size()));
        EXPECT_EQ(got, piece);
    }
    EXPECT_EQ(reader.remaining(), 0u);
    uint8_t byte = 0;
    EXPECT_FALSE(reader.read(&byte, 1));
    EXPECT_FALSE(reader.open(joinPath(temp.path(), u"missing.dat")));
    EXPECT_FALSE(reader.open(temp.path()));
}

} // namespace
} // namespace fw
