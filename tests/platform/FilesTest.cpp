#include "platform/Files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

TEST(FilesTest, AtomicWriteReplacesWholeFileAndKeepsOldOneOnFailure) {
    TempFolder temp("files");
    WideString folder = temp.path();
    ASSERT_TRUE(os::createFolder(joinPath(folder, u"a\\b")));
    WideString path = joinPath(folder, u"a\\b\\file.dat");
    ASSERT_TRUE(os::writeFileAtomic(path, "first", 5));
    ASSERT_TRUE(os::writeFileAtomic(path, "second!", 7));
    Bytes contents;
    ASSERT_TRUE(os::readFile(path, contents));
    EXPECT_EQ(std::string(contents.begin(), contents.end()), "second!");
    EXPECT_FALSE(os::fileExists(os::atomicTempPath(path)));
    // A target inside a missing folder cannot be written; nothing is left behind.
    EXPECT_FALSE(os::writeFileAtomic(joinPath(folder, u"missing\\x.dat"), "x", 1));
    EXPECT_TRUE(os::deleteFile(path));
    EXPECT_FALSE(os::fileExists(path));
}

TEST(FilesTest, FolderCreationRefusesOverlongPathsAndExistenceTellsFilesFromFolders) {
    TempFolder temp("files");
    WideString folder = temp.path();
    ASSERT_TRUE(os::createFolder(folder));
    EXPECT_TRUE(os::folderExists(folder));
    EXPECT_FALSE(os::fileExists(folder));
    WideString longPath = joinPath(folder, WideString(260 - folder.size(), u'x'));
    EXPECT_GE(longPath.size(), kMaxPathLength);
    EXPECT_FALSE(os::createFolder(longPath));
    EXPECT_FALSE(os::folderExists(u""));
    EXPECT_EQ(fileTitleOf(u"C:\\x.y\\data.pak"), u"data");
    EXPECT_EQ(parentFolder(u"C:\\x\\data.pak"), u"C:\\x");
}

} // namespace
} // namespace fw
