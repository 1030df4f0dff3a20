#include "e2e/Driver_win.h"
#include "output/HistoryFile.h"
#include "output/ImageFile.h"
#include "platform/Files.h"
#include "settings/SettingKeys.h"

#include <gtest/gtest.h>

#include <list>

namespace fw::e2e {
namespace {

class HistoryTest : public ProgramTest {
protected:
    void start() {
        writeSettings({{keys::kCloseToNotificationArea, SettingValue::boolean(false)}});
        ASSERT_TRUE(program.start(joinPath(distFolder(), u"Framewing.exe")));
        main = program.waitForMainWindow(10000);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
    }
    void close() {
        ::PostMessageW(main, WM_CLOSE, 0, 0);
        int exitCode = -1;
        ASSERT_TRUE(program.waitForExit(10000, exitCode));
    }

    static WideString historyFile() { return joinPath(settingsFolder(), u"history.dat"); }
    static WideString shot(int n) {
        return joinPath(desktopFolder(), u"ScreenShot-" + toWide(n) + u".png");
    }
    // The records of history.dat, newest first.
    static std::vector<HistoryRecord> records(Bytes& file) {
        std::vector<HistoryRecord> result;
        if (!os::readFile(historyFile(), file)) {
            return result;
        }
        HistoryReader reader(file);
        for (HistoryRecord record; reader.next(record);) {
            result.push_back(record);
        }
        return result;
    }

    Program program;
    HWND main = nullptr;
};

TEST_F(HistoryTest, CapturesEnterTheFileAndVanishedScreenshotsLeaveIt) {
    start();
    pressKey(VK_SNAPSHOT);
    Bytes file;
    ASSERT_TRUE(waitUntil(10000, [&] { return records(file).size() == 1; }));
    const HistoryRecord record = records(file).front();
    EXPECT_EQ(record.name, u"ScreenShot-1");
    EXPECT_EQ(record.extension, u"png");
    EXPECT_EQ(record.mode, 1);
    EXPECT_EQ(record.rect.width, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(std::max(record.thumbnail.width(), record.thumbnail.height()), kThumbnailSide);

    ASSERT_TRUE(waitUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
    ASSERT_TRUE(os::deleteFile(shot(1)));
    pumpMessages(7000); // two rounds of the file watch, in case one runs late under load
    close();
    EXPECT_TRUE(records(file).empty());
    EXPECT_TRUE(os::fileExists(historyFile()));
}

TEST_F(HistoryTest, EarlierScreenshotsAreLoadedAndKept) {
    HistoryEntry entry;
    entry.location = {desktopFolder(), u"Earlier", u"png"};
    ASSERT_TRUE(saveImage(entry.location.path(), Image(true, 30, 20)));
    DateTime written;
    ASSERT_TRUE(os::lastWriteTime(entry.location.path(), written));
    entry.time = captureTimeOf(written);
    entry.rect = {0, 0, 30, 20};
    entry.mode = 3;
    entry.thumbnail = Image(true, 30, 20);
    os::createFolder(settingsFolder());
    const std::vector<uint8_t> bytes = encodeHistory(std::list<HistoryEntry>{entry});
    ASSERT_TRUE(os::writeFile(historyFile(), bytes.data(), bytes.size()));

    start();
    close();
    Bytes file;
    ASSERT_EQ(records(file).size(), 1u);
    EXPECT_EQ(file, bytes);
    os::deleteFile(entry.location.path());
}

} // namespace
} // namespace fw::e2e
