// A save that fails on a full disk.
#include "HistoryFixture.h"

#include "support/FullDisk.h"

namespace fw {
namespace {

using HistorySaveTest = HistoryFixture;

TEST_F(HistorySaveTest, FullDiskKeepsTheOldFileAndReportsTheFailure) {
    history.add(screenshot(u"first", day(1)));
    ASSERT_TRUE(history.save());
    Bytes before;
    ASSERT_TRUE(os::readFile(historyFile(), before));
    history.add(screenshot(u"second", day(2)));
    {
        FullDisk full(before.size() + 16);
        EXPECT_FALSE(history.save());
    }
    Bytes after;
    ASSERT_TRUE(os::readFile(historyFile(), after));
    EXPECT_EQ(after, before);
    // No temporary file is left beside it.
    EXPECT_EQ(os::listFiles(parentFolder(historyFile())), std::vector<WideString>{u"history.dat"});
    EXPECT_TRUE(history.save());
}

} // namespace
} // namespace fw
