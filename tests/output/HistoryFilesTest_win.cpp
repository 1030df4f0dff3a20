// The history's file operations against the real system: the Recycle Bin,
// plain deletion, and the watch with real image files.
#include "HistoryFixture.h"
#include "output/ImageFile.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"

namespace fw {
namespace {

class HistoryFilesTest : public HistoryFixture {
protected:
    HistoryFilesTest() { host.fake = false; }

    HistoryEntry& addShot(WideStringView name, int32_t width, int32_t height) {
        HistoryEntry entry;
        entry.location = {folder, WideString(name), u"png"};
        EXPECT_TRUE(saveImage(entry.location.path(), Image(true, width, height)));
        EXPECT_TRUE(host.lastWriteTime(entry.location.path(), entry.time));
        entry.rect = {0, 0, width, height};
        return history.add(std::move(entry));
    }
};

TEST_F(HistoryFilesTest, RemovesIntoTheRecycleBinOrForGood) {
    for (bool recycle : {true, false}) {
        host.settings.values.historyDeleteToRecycleBin = recycle;
        const WideString path = addShot(u"doomed", 4, 4).location.path();
        history.removeAll();
        EXPECT_FALSE(os::fileExists(path)) << recycle;
        EXPECT_TRUE(history.empty());
        // A file already gone is a failure, without any dialog.
        EXPECT_FALSE(history.removeFileForHistory(path)) << recycle;
    }
    EXPECT_EQ(host.recycled.size(), 1u);
    EXPECT_EQ(host.deleted.size(), 1u);
}

TEST_F(HistoryFilesTest, WatchDropsDeletedFilesAndRereadsOverwrittenOnes) {
    const WideString deleted = addShot(u"deleted", 8, 8).location.path();
    HistoryEntry& edited = addShot(u"edited", 40, 30);
    edited.time.year -= 1; // as if the file was written after its capture
    ASSERT_TRUE(saveImage(edited.location.path(), Image(true, 60, 20)));
    ASSERT_TRUE(os::deleteFile(deleted));

    history.watchFiles();
    ASSERT_EQ(history.count(), 1u);
    EXPECT_EQ(edited.rect, (Rect{0, 0, 60, 20}));
    EXPECT_EQ(edited.thumbnail.width(), 60);
    EXPECT_EQ(edited.thumbnail.height(), 20);
}

TEST_F(HistoryFilesTest, SaveThatCannotReplaceTheFileKeepsItAndReportsTheFailure) {
    addShot(u"first", 4, 4);
    ASSERT_TRUE(history.save());
    Bytes before;
    ASSERT_TRUE(os::readFile(historyFile(), before));
    addShot(u"second", 4, 4);
    {
        // Another program holds the file open without letting it be replaced.
        FileHandle held(::CreateFileW(wide(historyFile()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        EXPECT_FALSE(history.save());
    }
    Bytes after;
    ASSERT_TRUE(os::readFile(historyFile(), after));
    EXPECT_EQ(after, before);
    EXPECT_EQ(os::listFiles(parentFolder(historyFile())), std::vector<WideString>{u"history.dat"});
    EXPECT_TRUE(history.save());
}

} // namespace
} // namespace fw
