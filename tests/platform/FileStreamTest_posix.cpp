#include "platform/FileStream.h"
#include "platform/Files.h"

#include "support/FullDisk.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

TEST(FileStreamTest, FinishAfterAFailedWriteFails) {
    TempFolder temp("stream_full");
    const WideString path = joinPath(temp.path(), u"full.dat");
    const std::vector<uint8_t> large(200000, 1), small(5000, 2);
    os::FileWriter writer;
    {
        FullDisk full(1000);
        // Written straight through, past the limit.
        ASSERT_TRUE(writer.create(path));
        writer.write(large.data(), large.size());
        writer.write(small.data(), 10);
        EXPECT_FALSE(writer.finish());
        // Buffered, failing only when finish writes it out.
        ASSERT_TRUE(writer.create(path));
        writer.write(small.data(), small.size());
        EXPECT_FALSE(writer.finish());
    }
    ASSERT_TRUE(writer.create(path));
    writer.write(small.data(), small.size());
    EXPECT_TRUE(writer.finish());
    uint64_t size = 0;
    EXPECT_TRUE(os::fileSize(path, size));
    EXPECT_EQ(size, small.size());
}

} // namespace
} // namespace fw
