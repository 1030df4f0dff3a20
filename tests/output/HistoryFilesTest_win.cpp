// The history's file operations against the real system: the Recycle Bin,
// plain deletion, and the watch with real image files.
#include "output/ImageFile.h"
#include "output/ScreenshotHistory.h"
#include "platform/Files.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fw {
namespace {

class SystemHistoryHost : public HistoryHost {
public:
    SettingsModel& model() override { return settings; }
    SettingsModel settings{SettingsEnvironment{}};
};

class HistoryFilesTest : public testing::Test {
protected:
    HistoryFilesTest() {
        native_ = std::filesystem::temp_directory_path() / "fw-history-files";
        std::filesystem::remove_all(native_);
        std::filesystem::create_directories(native_);
        folder_ = fromUtf8(native_.string());
        host_.settings.values.outputFolder = folder_;
        history_.setHost(&host_);
    }
    ~HistoryFilesTest() override { std::filesystem::remove_all(native_); }

    HistoryEntry shot(WideStringView name, int32_t width, int32_t height) {
        HistoryEntry entry;
        entry.location = {folder_, WideString(name), u"png"};
        EXPECT_TRUE(saveImage(entry.location.path(), Image(true, width, height)));
        DateTime written;
        EXPECT_TRUE(os::lastWriteTime(entry.location.path(), written));
        entry.time = captureTimeOf(written);
        entry.rect = {0, 0, width, height};
        return entry;
    }

    std::filesystem::path native_;
    WideString folder_;
    SystemHistoryHost host_;
    ScreenshotHistory history_;
};

TEST_F(HistoryFilesTest, RemovesIntoTheRecycleBinOrForGood) {
    for (bool recycle : {true, false}) {
        host_.settings.values.historyDeleteToRecycleBin = recycle;
        const WideString path = history_.add(shot(u"doomed", 4, 4)).location.path();
        history_.removeAll();
        EXPECT_FALSE(os::fileExists(path)) << recycle;
        EXPECT_TRUE(history_.empty());
        // A file already gone is a failure, without any dialog.
        EXPECT_FALSE(history_.removeFileForHistory(path)) << recycle;
    }
}

TEST_F(HistoryFilesTest, WatchDropsDeletedFilesAndRereadsOverwrittenOnes) {
    const WideString deleted = history_.add(shot(u"deleted", 8, 8)).location.path();
    HistoryEntry& edited = history_.add(shot(u"edited", 40, 30));
    edited.time.year -= 1; // as if the file was written after its capture
    ASSERT_TRUE(saveImage(edited.location.path(), Image(true, 60, 20)));
    ASSERT_TRUE(os::deleteFile(deleted));

    history_.watchFiles();
    ASSERT_EQ(history_.count(), 1u);
    EXPECT_EQ(edited.rect, (Rect{0, 0, 60, 20}));
    EXPECT_EQ(edited.thumbnail.width(), 60);
    EXPECT_EQ(edited.thumbnail.height(), 20);
}

} // namespace
} // namespace fw
