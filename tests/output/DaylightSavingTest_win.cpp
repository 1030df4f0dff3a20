// History times across daylight-saving changes, with real file times. Run once
// per zone of the table (Wine takes the zone from TZ when the process starts):
// one of them is in summer time whatever today's date, so that both the switch
// into summer time and the switch out of it are met.
#include "HistoryFixture.h"
#include "output/ImageFile.h"
#include "platform/Win32.h"

#include <cstdlib>
#include <cstring>

namespace fw {
namespace {

struct Zone {
    const char* name;
    int32_t januaryOffset; // hours ahead of UTC
    int32_t julyOffset;
};

const Zone kZones[] = {{"Europe/Berlin", 1, 2}, {"Australia/Sydney", 11, 10}};

const Zone* currentZone() {
    const char* zone = std::getenv("TZ");
    for (const Zone& z : kZones) {
        if (zone && std::strcmp(zone, z.name) == 0) {
            return &z;
        }
    }
    return nullptr;
}

bool setUtcWriteTime(WideStringView path, int32_t month) {
    SYSTEMTIME utc{};
    utc.wYear = 2021;
    utc.wMonth = static_cast<WORD>(month);
    utc.wDay = 15;
    utc.wHour = 12;
    FILETIME time{};
    HANDLE file = ::CreateFileW(wide(WideString(path)), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    const bool set = file != INVALID_HANDLE_VALUE && ::SystemTimeToFileTime(&utc, &time) &&
                     ::SetFileTime(file, nullptr, nullptr, &time);
    ::CloseHandle(file);
    return set;
}

using DaylightSavingTest = HistoryFixture;

TEST_F(DaylightSavingTest, RecordsFromEitherSeasonKeepTheirTimeAndPlacement) {
    const Zone* zone = currentZone();
    if (!zone) {
        GTEST_SKIP() << "runs with TZ set to a zone of the table";
    }
    host.fake = false;
    ScreenshotHistory writer;
    writer.setHost(&host);
    writer.setFilePath(historyFile());
    for (int32_t month : {1, 7}) {
        HistoryEntry entry;
        entry.location = {folder, toWide(month), u"png"};
        ASSERT_TRUE(saveImage(entry.location.path(), Image(true, 4, 4)));
        ASSERT_TRUE(setUtcWriteTime(entry.location.path(), month));
        // Recorded in the season's own local time, as a capture then did.
        const int32_t offset = month == 1 ? zone->januaryOffset : zone->julyOffset;
        entry.time = CaptureTime{2021, month, 15, 12 + offset, 0, 0, 0};
        entry.rect = Rect{5, 6, 640, 480};
        entry.thumbnail = Image(true, 2, 1);
        writer.add(entry);
    }
    ASSERT_TRUE(writer.save());

    ASSERT_EQ(history.load(), 2u);
    for (const HistoryEntry& entry : history.entries()) {
        const HistoryEntry& recorded =
            entry.location.name == u"1" ? writer.entries().front() : writer.entries().back();
        // Neither re-dated by an hour nor taken for an edited file and reread.
        EXPECT_EQ(entry.time, recorded.time) << zone->name << " " << toUtf8(entry.location.name);
        EXPECT_EQ(entry.rect, recorded.rect) << zone->name << " " << toUtf8(entry.location.name);
        EXPECT_EQ(entry.thumbnail.width(), 2);
    }
    history.watchFiles();
    EXPECT_EQ(history.entries().front().rect, (Rect{5, 6, 640, 480}));
}

} // namespace
} // namespace fw
