#pragma once
// A history over a fresh temporary output folder, with a host whose clock and
// image decoder the test sets.
#include "output/ScreenshotHistory.h"
#include "platform/Files.h"
#include "settings/SettingsModel.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace fw {

// With `fake` off the host reaches the real system, for tests under Windows.
class TestHistoryHost : public ModelHistoryHost {
public:
    SettingsModel& model() override { return settings; }
    void dateChanged() override { ++dateChanges; }
    CaptureTime now() const override { return fake ? today : HistoryHost::now(); }
    Image loadImage(WideStringView path) const override {
        auto image = images.find(WideString(path));
        return !fake                   ? HistoryHost::loadImage(path)
               : image == images.end() ? Image()
                                       : image->second;
    }
    bool canOpenExclusively(WideStringView path) const override {
        return fake ? !heldOpen.contains(WideString(path)) : HistoryHost::canOpenExclusively(path);
    }
    bool moveToRecycleBin(WideStringView path) override {
        recycled.emplace_back(path);
        return fake ? os::deleteFile(path) : HistoryHost::moveToRecycleBin(path);
    }
    bool deleteFile(WideStringView path) override {
        deleted.emplace_back(path);
        return os::deleteFile(path);
    }

    bool fake = true;
    SettingsModel settings{SettingsEnvironment{}};
    CaptureTime today{2026, 2, 10, 12, 0, 0, 0};
    std::map<WideString, Image> images;
    std::set<WideString> heldOpen;
    std::vector<WideString> recycled;
    std::vector<WideString> deleted;
    int dateChanges = 0;
};

class HistoryFixture : public testing::Test {
protected:
    HistoryFixture() {
        os::createFolder(folder);
        host.settings.values.outputFolder = folder;
        history.setHost(&host);
        history.setFilePath(historyFile());
    }

    WideString historyFile() const { return joinPath(temp_.path(), u"history.dat"); }
    WideString pathOf(WideStringView name) const {
        return joinPath(folder, WideString(name) + u".png");
    }

    // A screenshot file written at `time`, and its entry with a 2 x 1 thumbnail.
    HistoryEntry screenshot(WideStringView name, CaptureTime time, int32_t mode = 3) {
        const WideString path = pathOf(name);
        EXPECT_TRUE(os::writeFile(path, "png", 3));
        EXPECT_TRUE(os::setLastWriteTime(path, DateTime{time.year, time.month, 0, time.day,
                                                        time.hour, time.minute, time.second, 0}));
        HistoryEntry entry;
        entry.time = time;
        entry.time.millisecond = 0;
        entry.location = {folder, WideString(name), u"png"};
        entry.rect = Rect{5, 6, 640, 480};
        entry.cursor = Point{7, 8};
        entry.mode = mode;
        entry.thumbnail = Image(true, 2, 1);
        entry.thumbnail.pixels()[0] = static_cast<uint8_t>(name.size());
        return entry;
    }

    TempFolder temp_{"history"};
    WideString folder = joinPath(temp_.path(), u"out");
    TestHistoryHost host;
    ScreenshotHistory history;
};

inline CaptureTime day(int32_t d, int32_t hour = 9) {
    return CaptureTime{2026, 2, d, hour, 0, 0, 0};
}

} // namespace fw
