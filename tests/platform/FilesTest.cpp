#include "platform/Files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace fw {
namespace {

std::string readText(WideStringView path) {
    Bytes contents;
    os::readFile(path, contents);
    return std::string(contents.begin(), contents.end());
}

TEST(FilesTest, AtomicWriteReplacesWholeFileAndLeavesOtherFilesAlone) {
    TempFolder temp("files");
    WideString folder = joinPath(temp.path(), u"a\\b");
    ASSERT_TRUE(os::createFolder(folder));
    WideString path = joinPath(folder, u"shot.png");
    // The user's own files with the names a temporary file could have had.
    for (const char16_t* name : {u"shot.png.tmp", u"shot.png.~tmp"}) {
        ASSERT_TRUE(os::writeFile(joinPath(folder, name), "mine", 4));
    }
    ASSERT_TRUE(os::writeFileAtomic(path, "first", 5));
    ASSERT_TRUE(os::writeFileAtomic(path, "second!", 7));
    EXPECT_EQ(readText(path), "second!");
    EXPECT_EQ(readText(joinPath(folder, u"shot.png.tmp")), "mine");
    EXPECT_EQ(os::listFiles(folder).size(), 3u);
    // A target that cannot be replaced (a folder) fails and leaves nothing behind.
    ASSERT_TRUE(os::createFolder(joinPath(folder, u"taken")));
    EXPECT_FALSE(os::writeFileAtomic(joinPath(folder, u"taken"), "x", 1));
    EXPECT_EQ(os::listFiles(folder).size(), 3u);
    // Temporary names are new files each time; an existing name is never reused.
    const WideString first = os::createTempFileBeside(path);
    const WideString second = os::createTempFileBeside(path);
    EXPECT_TRUE(startsWith(first, path + u".") && endsWith(first, u".tmp"));
    EXPECT_NE(first, second);
    EXPECT_FALSE(os::createNewFile(first));
    EXPECT_TRUE(os::fileExists(first) && os::fileExists(second));
    EXPECT_TRUE(os::createTempFileBeside(joinPath(temp.path(), u"missing\\x.dat")).empty());
    EXPECT_FALSE(os::writeFileAtomic(joinPath(temp.path(), u"missing\\x.dat"), "x", 1));
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

TEST(FilesTest, ListingWithTimesGivesFilesOnlyAtTheTimesAskedOneByOne) {
    TempFolder temp("files");
    ASSERT_TRUE(os::createFolder(joinPath(temp.path(), u"sub")));
    const DateTime winter{2021, 1, 0, 15, 12, 0, 0, 0};
    const DateTime summer{2021, 7, 0, 15, 12, 0, 0, 0};
    for (const auto& [name, time] : {std::pair{u"a.png", winter}, std::pair{u"b.png", summer}}) {
        const WideString path = joinPath(temp.path(), name);
        ASSERT_TRUE(os::writeFile(path, "x", 1));
        ASSERT_TRUE(os::setLastWriteTime(path, time));
    }
    std::vector<os::FolderFile> files = os::listFilesWritten(temp.path());
    std::sort(files.begin(), files.end(),
              [](const os::FolderFile& a, const os::FolderFile& b) { return a.name < b.name; });
    ASSERT_EQ(files.size(), 2u);
    for (const os::FolderFile& file : files) {
        DateTime one;
        ASSERT_TRUE(os::lastWriteTime(joinPath(temp.path(), file.name), one));
        EXPECT_EQ(file.written.month, one.month);
        EXPECT_EQ(file.written.hour, one.hour);
    }
    EXPECT_EQ(files[1].written.month, 7);
    EXPECT_EQ(files[1].written.hour, 12);
    EXPECT_TRUE(os::listFilesWritten(joinPath(temp.path(), u"missing")).empty());
}

} // namespace
} // namespace fw
