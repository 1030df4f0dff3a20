#include "output/SaveStep.h"
#include "platform/Files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

const CaptureTime kNoon = {2010, 3, 5, 12, 0, 0, 0};

// Writes a marker file instead of encoding, so the save step runs on any platform.
class FakeSaveHost : public SaveHost {
public:
    WideString outputFolder() const override { return folder; }
    int32_t outputFormat() const override { return 1; }
    bool autoCopyToClipboard() const override { return autoCopy; }
    NamePattern& namePattern() override { return pattern; }
    void countScreenshot() override { ++counted; }
    void addToHistory(const SavedScreenshot& shot) override { history.push_back(shot); }
    void showMessage(WideStringView text) override { messages.emplace_back(text); }
    CaptureTime now() const override { return kNoon; }
    bool writeImage(WideStringView path, const Image&) override {
        return failWrites ? false : os::writeFile(path, "img", 3);
    }
    bool copyImage(const Image&) override {
        ++copied;
        return true;
    }

    WideString folder;
    bool autoCopy = true;
    bool failWrites = false;
    NamePattern pattern;
    int counted = 0;
    int copied = 0;
    std::vector<SavedScreenshot> history;
    std::vector<WideString> messages;
};

class SaveStepTest : public ::testing::Test {
protected:
    void SetUp() override { host_.folder = temp_.path(); }

    TempFolder temp_{"output_save_step"};
    FakeSaveHost host_;
    Image image_{true, 4, 3};
    CaptureInfo capture_{{10, 20, 4, 3}, {11, 21}, 3};
};

TEST_F(SaveStepTest, SavesUnderFreeNamesAndRecordsEachScreenshot) {
    ASSERT_TRUE(os::writeFile(joinPath(host_.folder, u"ScreenShot-001.png"), "x", 1));
    EXPECT_EQ(saveScreenshot(image_, capture_, host_), SaveResult::Saved);
    EXPECT_EQ(saveScreenshot(image_, capture_, host_), SaveResult::Saved);
    ASSERT_EQ(host_.history.size(), 2u);
    EXPECT_EQ(host_.history[0].location.name, u"ScreenShot-002");
    EXPECT_EQ(host_.history[1].location.name, u"ScreenShot-003");
    EXPECT_TRUE(os::fileExists(host_.history[1].location.path()));
    EXPECT_EQ(host_.history[0].location.extension, u"png");
    EXPECT_EQ(host_.history[0].capture.rect, capture_.rect);
    // The recorded time is the file's, not the fake clock's.
    EXPECT_NE(host_.history[0].time, kNoon);
    EXPECT_EQ(host_.counted, 2);
    EXPECT_EQ(host_.copied, 2);
    EXPECT_TRUE(host_.messages.empty());
    EXPECT_EQ(saveScreenshot(Image(), capture_, host_), SaveResult::NothingToSave);
}

TEST_F(SaveStepTest, FailedWriteIsReportedOnceAndLeavesNoHistoryEntry) {
    host_.failWrites = true;
    EXPECT_EQ(saveScreenshot(image_, capture_, host_), SaveResult::WriteFailed);
    EXPECT_EQ(host_.messages, std::vector<WideString>{u"Unable to save the screenshot."});
    EXPECT_TRUE(host_.history.empty());
    EXPECT_EQ(host_.counted, 0);
    EXPECT_EQ(host_.copied, 1);
}

class FakeSaveAsHost : public SaveAsHost {
public:
    WideString lastSaveAsFolder() const override { return last; }
    void setLastSaveAsFolder(WideStringView folder) override { last = folder; }
    WideString desktopFolder() const override { return u"DESKTOP"; }
    int32_t outputFormat() const override { return 2; }
    bool runSaveDialog(const SaveDialogRequest& r, SaveDialogAnswer& a) override {
        request = r;
        a = answer;
        return accept;
    }
    void showMessage(WideStringView text) override { messages.emplace_back(text); }
    Image readImage(WideStringView) override { return Image(false, 2, 2); }
    bool writeImage(WideStringView path, const Image&) override {
        written.emplace_back(path);
        return !failWrites;
    }

    WideString last;
    bool accept = true;
    bool failWrites = false;
    SaveDialogRequest request;
    SaveDialogAnswer answer;
    std::vector<WideString> written;
    std::vector<WideString> messages;
};

TEST_F(SaveStepTest, SaveAsAppendsTheFilterExtensionAndRemembersTheFolder) {
    FakeSaveAsHost host;
    ScreenshotLocation shot{host_.folder, u"ScreenShot-7", u"png"};
    host.last = u"no such folder";
    host.accept = false;
    EXPECT_EQ(saveScreenshotAs(shot, host), SaveAsResult::Cancelled);
    EXPECT_EQ(host.request.initialFolder, u"DESKTOP");
    EXPECT_EQ(host.request.initialName, u"ScreenShot-7");
    EXPECT_EQ(host.request.initialFilter, 2);
    EXPECT_TRUE(host.written.empty());

    host.accept = true;
    host.failWrites = true;
    host.answer = {u"D:\\out\\shot", 1, u"D:\\out"};
    EXPECT_EQ(saveScreenshotAs(shot, host), SaveAsResult::WriteFailed);
    EXPECT_EQ(host.last, u"no such folder");
    EXPECT_EQ(host.messages.size(), 1u);

    host.failWrites = false;
    host.last = host_.folder;
    host.answer = {u"D:\\out\\shot.png", 0, u""};
    EXPECT_EQ(saveScreenshotAs(shot, host), SaveAsResult::Saved);
    EXPECT_EQ(host.request.initialFolder, host_.folder);
    EXPECT_EQ(host.written.back(), u"D:\\out\\shot.png.bmp");
    EXPECT_EQ(host.last, u"D:\\out");
}

} // namespace
} // namespace fw
