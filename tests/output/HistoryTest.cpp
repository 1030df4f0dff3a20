#include "HistoryFixture.h"
#include "platform/ByteOrder.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

std::vector<uint8_t> readBytes(WideStringView path) {
    Bytes bytes;
    os::readFile(path, bytes);
    return bytes;
}

void putInt(std::vector<uint8_t>& out, int32_t value) {
    appendLittle32(out, static_cast<uint32_t>(value));
}

size_t recordsIn(std::span<const uint8_t> file) {
    HistoryReader reader(file);
    size_t count = 0;
    for (HistoryRecord record; reader.next(record);) {
        ++count;
    }
    return count;
}

std::vector<WideString> namesOf(const ScreenshotHistory& history) {
    std::vector<WideString> names;
    for (const HistoryEntry& entry : history.entries()) {
        names.push_back(entry.location.name);
    }
    return names;
}

using HistoryTest = HistoryFixture;

TEST(HistoryRecord, ExactBytesOfOneRecord) {
    HistoryEntry entry;
    entry.location = {u"C:\\out", u"\u00e9b", u"png"};
    entry.time = {2026, 2, 1, 14, 5, 9, 7};
    entry.mode = 3;
    entry.rect = {1, 2, 3, 4};
    entry.cursor = {-1, 5};
    entry.thumbnail = Image(true, 1, 1);
    const uint8_t pixel[] = {10, 20, 30, 40};
    std::copy(pixel, pixel + 4, entry.thumbnail.pixels());

    std::vector<uint8_t> expected = {3, 0, 0, 0, 0xC3, 0xA9, 'b', 3, 0, 0, 0, 'p', 'n', 'g'};
    for (int32_t value : {2026, 2, 1, 14, 5, 9, 7, 3, 1, 2, 3, 4, -1, 5, 1, 1, 4}) {
        putInt(expected, value);
    }
    expected.insert(expected.end(), pixel, pixel + 4);
    // The folder of each record follows the records.
    const std::string folders("FLDR\1\0\0\0\6\0\0\0C:\\out", 18);
    expected.insert(expected.end(), folders.begin(), folders.end());
    const std::vector<uint8_t> file = encodeHistory({entry});
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + 12, file.end()), expected);
}

TEST_F(HistoryTest, RoundTripKeepsOldestFirstAndWritesNewestFirst) {
    for (int32_t d : {1, 2, 3}) {
        history.add(screenshot(WideString(static_cast<size_t>(d), u'a'), day(d), d));
    }
    // A name too long for any reader is left out instead of ending the file there.
    HistoryEntry tooLong = history.entries().front();
    tooLong.location.name.assign(300, u'\u00e9');
    history.add(tooLong);
    ASSERT_TRUE(history.save());
    const std::vector<uint8_t> file = readBytes(historyFile());
    ASSERT_GE(file.size(), 17u);
    EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 17),
              (std::vector<uint8_t>{'P', 'A', 'K', 'F', 0, 0, 0, 0, 3, 0, 0, 0, 3, 0, 0, 0, 'a'}));

    ScreenshotHistory loaded;
    loaded.setHost(&host);
    loaded.setFilePath(historyFile());
    EXPECT_EQ(loaded.load(), 3u);
    EXPECT_EQ(namesOf(loaded), (std::vector<WideString>{u"a", u"aa", u"aaa"}));
    EXPECT_EQ(encodeHistory(loaded.entries()), file);
    EXPECT_EQ(host.settings.statistics.totalScreenshots, 3);
}

TEST_F(HistoryTest, LoadDropsMissingAndRepeatedFilesAndRepairsTheRest) {
    ScreenshotHistory writer;
    writer.setHost(&host);
    writer.setFilePath(historyFile());
    HistoryEntry changed = screenshot(u"changed", day(2));
    changed.time = day(1); // recorded before the file was last written
    writer.add(screenshot(u"kept", day(1), 1));
    HistoryEntry odd = screenshot(u"odd", day(2), 9);
    odd.time = day(1); // changed too, but no longer decodes
    writer.add(odd);
    writer.add(screenshot(u"gone", day(1)));
    writer.add(changed);
    writer.add(screenshot(u"kept", day(3)));
    ASSERT_TRUE(writer.save());
    os::deleteFile(pathOf(u"gone"));
    host.images[pathOf(u"changed")] = Image(false, 360, 90);
    host.settings.statistics.totalScreenshots = 1;

    EXPECT_EQ(history.load(), 3u);
    ASSERT_EQ(namesOf(history), (std::vector<WideString>{u"odd", u"changed", u"kept"}));
    const HistoryEntry& undecodable = history.entries().front();
    EXPECT_EQ(undecodable.mode, 0);
    // Kept as recorded, so that the file watch tries the file again.
    EXPECT_EQ(undecodable.time, day(1));
    EXPECT_EQ(undecodable.thumbnail.width(), 2);
    EXPECT_EQ(undecodable.rect, (Rect{5, 6, 640, 480}));
    // The newest record of a path wins; the older repeat is dropped.
    EXPECT_EQ(history.entries().back().mode, 3);
    const HistoryEntry& redone = *std::next(history.entries().begin());
    EXPECT_EQ(redone.rect, (Rect{0, 0, 360, 90}));
    EXPECT_EQ(redone.cursor, (Point{0, 0}));
    EXPECT_EQ(redone.time, day(2));
    EXPECT_EQ(redone.thumbnail.width(), 180);
    EXPECT_EQ(redone.thumbnail.height(), 45);
    EXPECT_EQ(redone.thumbnail.bitsPerPixel(), 32);
    EXPECT_EQ(host.settings.statistics.totalScreenshots, 3);
}

TEST_F(HistoryTest, DamagedFilesStopAtTheFaultKeepingEarlierRecords) {
    history.add(screenshot(u"first", day(1)));
    history.add(screenshot(u"second", day(2)));
    ASSERT_TRUE(history.save());
    const std::vector<uint8_t> good = readBytes(historyFile());
    // Record of "second" (newest, first in the file) starts at 12; "first" follows it.
    const size_t second = 12, first = second + 4 + 6 + 4 + 3 + 64 + 4 + 8;
    const size_t firstThumbnail = first + 4 + 5 + 4 + 3 + 56;
    struct Case {
        const char* what;
        size_t offset;
        int32_t value;
        size_t expected;
    };
    const Case cases[] = {
        {"foreign magic", 0, 0x474b4150, 0},
        {"count beyond the records", 8, 5, 2},
        {"name of 513 bytes", first, 513, 1},
        {"negative extension length", first + 4 + 5, -1, 1},
        {"data size not width x height x 4", firstThumbnail + 8, 12, 1},
        {"width beyond a thumbnail", firstThumbnail, 181, 1},
        {"negative height", firstThumbnail + 4, -1, 1},
        {"huge name in the first record", second, 0x7fffffff, 0},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> file = good;
        std::vector<uint8_t> value;
        putInt(value, c.value);
        std::copy(value.begin(), value.end(), file.begin() + static_cast<ptrdiff_t>(c.offset));
        EXPECT_EQ(recordsIn(file), c.expected) << c.what;
    }
    // Every cut inside the older record keeps the newer one only.
    const size_t folders = good.size() - 8 - 2 * (4 + toUtf8(folder).size());
    for (size_t cut = first; cut < folders; ++cut) {
        EXPECT_EQ(recordsIn(std::span(good.data(), cut)), 1u) << cut;
    }
    // A cut in the folder list keeps both records, without any folder.
    for (size_t cut = folders; cut <= good.size(); ++cut) {
        HistoryReader reader(std::span(good.data(), cut));
        for (HistoryRecord record; reader.next(record);) {
        }
        EXPECT_EQ(reader.readFolders().size(), cut == good.size() ? 2u : 0u) << cut;
        EXPECT_EQ(reader.status(), HistoryReadStatus::Complete) << cut;
    }
    EXPECT_EQ(recordsIn(std::vector<uint8_t>{'P', 'A', 'K'}), 0u);
}

TEST_F(HistoryTest, PruneByCountRemovesTheOldestWithTheirFiles) {
    host.settings.values.historyMode = 1;
    host.settings.values.historyLimit = 5;
    for (int32_t d = 1; d <= 8; ++d) {
        history.add(screenshot(WideString(1, static_cast<char16_t>(u'a' + d)), day(d)));
    }
    history.prune(false);
    EXPECT_EQ(namesOf(history), (std::vector<WideString>{u"e", u"f", u"g", u"h", u"i"}));
    EXPECT_EQ(host.recycled, (std::vector<WideString>{pathOf(u"b"), pathOf(u"c"), pathOf(u"d")}));
    EXPECT_FALSE(os::fileExists(pathOf(u"b")));
}

TEST_F(HistoryTest, PruneByDaysKeepsEntriesExactlyTheLimitOld) {
    host.settings.values.historyMode = 0;
    host.settings.values.historyLimit = 1;
    host.settings.values.historyDeleteToRecycleBin = false;
    host.today = CaptureTime{2026, 3, 1, 0, 5, 0, 0};
    history.add(screenshot(u"older", CaptureTime{2026, 2, 27, 23, 0, 0, 0}));
    history.add(screenshot(u"dayBefore", CaptureTime{2026, 2, 28, 0, 0, 0, 0}));
    history.add(screenshot(u"today", CaptureTime{2026, 3, 1, 0, 1, 0, 0}));
    history.prune(false);
    EXPECT_EQ(namesOf(history), (std::vector<WideString>{u"dayBefore", u"today"}));
    EXPECT_EQ(host.deleted, std::vector<WideString>{pathOf(u"older")});
    EXPECT_TRUE(host.recycled.empty());
}

TEST_F(HistoryTest, HistoryOffWritesNothingAndRemovesTheRunsFilesAtExit) {
    host.settings.values.historyEnable = false;
    ASSERT_TRUE(os::writeFile(historyFile(), "old", 3));
    history.add(screenshot(u"one", day(1)));
    history.add(screenshot(u"two", day(2)));
    EXPECT_TRUE(history.save());
    EXPECT_EQ(readBytes(historyFile()), (std::vector<uint8_t>{'o', 'l', 'd'}));
    history.prune(false);
    EXPECT_EQ(history.count(), 2u);
    history.prune(true);
    EXPECT_TRUE(history.empty());
    EXPECT_FALSE(os::fileExists(pathOf(u"one")));
    EXPECT_FALSE(os::fileExists(pathOf(u"two")));
}

TEST_F(HistoryTest, WatchDropsVanishedFilesAndRereadsChangedOnesOnceFree) {
    history.load();
    history.add(screenshot(u"vanishes", day(1)));
    history.add(screenshot(u"edited", day(1)));
    history.add(screenshot(u"same", day(1)));
    screenshot(u"edited", day(2));
    screenshot(u"same", day(2));
    os::deleteFile(pathOf(u"vanishes"));
    host.images[pathOf(u"edited")] = Image(true, 300, 30);
    host.images[pathOf(u"same")] = Image(true, 640, 480);
    host.heldOpen.insert(pathOf(u"edited"));

    history.watchFiles();
    EXPECT_EQ(namesOf(history), (std::vector<WideString>{u"edited", u"same"}));
    const HistoryEntry& edited = history.entries().front();
    const HistoryEntry& same = history.entries().back();
    EXPECT_EQ(edited.time, day(1)); // still held by its editor
    EXPECT_EQ(same.time, day(2));
    EXPECT_EQ(same.rect, (Rect{5, 6, 640, 480})); // same size: placement kept
    EXPECT_EQ(same.thumbnail.width(), 180);
    EXPECT_EQ(host.dateChanges, 0);

    host.heldOpen.clear();
    host.today = day(11);
    history.watchFiles();
    EXPECT_EQ(edited.rect, (Rect{0, 0, 300, 30}));
    EXPECT_EQ(edited.cursor, (Point{0, 0}));
    EXPECT_EQ(edited.thumbnail.height(), 18);
    EXPECT_EQ(host.dateChanges, 1);
    EXPECT_TRUE(host.deleted.empty() && host.recycled.empty());
}

TEST_F(HistoryTest, RecordsOfAMissingFolderWaitForItAndAdoptNoOtherFile) {
    history.add(screenshot(u"ScreenShot-1", day(1)));
    history.add(screenshot(u"ScreenShot-2", day(3)));
    ASSERT_TRUE(history.save());
    // Written by a version that kept no folders.
    std::vector<uint8_t> old = readBytes(historyFile());
    old.resize(std::string(old.begin(), old.end()).rfind("FLDR"));
    ASSERT_TRUE(os::writeFile(historyFile(), old.data(), old.size()));

    // The next start: the output folder's drive is away and the desktop stands
    // in, holding an unrelated month-old file of the same name.
    const WideString desktop = joinPath(temp_.path(), u"desktop");
    ASSERT_TRUE(os::createFolder(desktop));
    HistoryEntry shot = screenshot(u"ScreenShot-3", day(9));
    ASSERT_TRUE(os::moveFile(shot.location.path(), joinPath(desktop, u"ScreenShot-3.png")));
    shot.location.folder = desktop;
    const WideString away = folder + u"-away";
    ASSERT_TRUE(os::moveFile(folder, away));
    const WideString unrelated = joinPath(desktop, u"ScreenShot-1.png");
    ASSERT_TRUE(os::writeFile(unrelated, "mine", 4));
    ASSERT_TRUE(os::setLastWriteTime(unrelated, DateTime{2026, 1, 0, 5, 9, 0, 0, 0}));
    SettingsValues& values = host.settings.values;
    values.unavailableOutputFolder = folder;
    values.outputFolder = desktop;
    ScreenshotHistory second;
    second.setHost(&host);
    second.setFilePath(historyFile());
    EXPECT_EQ(second.load(), 0u);
    second.prune(false);
    second.add(shot);
    ASSERT_TRUE(second.save());
    second.prune(true);
    EXPECT_TRUE(host.recycled.empty() && host.deleted.empty());
    DateTime written;
    ASSERT_TRUE(os::lastWriteTime(unrelated, written));
    EXPECT_EQ(written.month, 1);

    // The start after: the drive is back, while the setting now names the desktop.
    ASSERT_TRUE(os::moveFile(away, folder));
    values.unavailableOutputFolder.clear();
    ScreenshotHistory third;
    third.setHost(&host);
    third.setFilePath(historyFile());
    EXPECT_EQ(third.load(), 3u);
    std::vector<WideString> paths;
    for (const HistoryEntry& entry : third.entries()) {
        paths.push_back(entry.location.path());
    }
    EXPECT_EQ(paths, (std::vector<WideString>{pathOf(u"ScreenShot-1"), pathOf(u"ScreenShot-2"),
                                              joinPath(desktop, u"ScreenShot-3.png")}));
    EXPECT_EQ(third.entries().front().time, day(1));
}

TEST_F(HistoryTest, RemovingOneEntryAndMovingTheRestToAnotherFolder) {
    host.settings.values.historyDeleteToRecycleBin = false;
    history.add(screenshot(u"a", day(1)));
    const HistoryEntry& b = history.add(screenshot(u"b", day(2)));
    history.add(screenshot(u"c", day(3)));
    history.remove(b);
    EXPECT_EQ(namesOf(history), (std::vector<WideString>{u"a", u"c"}));
    EXPECT_EQ(host.deleted, std::vector<WideString>{pathOf(u"b")});
    EXPECT_FALSE(os::fileExists(pathOf(u"b")));
    EXPECT_TRUE(os::fileExists(pathOf(u"a")));

    // "c" is taken in the new folder by a file that is not the history's.
    const WideString moved = joinPath(temp_.path(), u"moved");
    ASSERT_TRUE(os::createFolder(moved));
    ASSERT_TRUE(os::writeFile(joinPath(moved, u"c.png"), "other", 5));
    EXPECT_EQ(history.moveFilesTo(moved), 1u);
    EXPECT_EQ(host.settings.values.outputFolder, moved);
    EXPECT_EQ(history.entries().front().location.path(), joinPath(moved, u"a.png"));
    EXPECT_TRUE(os::fileExists(joinPath(moved, u"a.png")));
    EXPECT_EQ(history.entries().back().location.path(), pathOf(u"c"));
    EXPECT_EQ(readBytes(joinPath(moved, u"c.png")),
              (std::vector<uint8_t>{'o', 't', 'h', 'e', 'r'}));
    // Each stays tied to its own file at the next start.
    ASSERT_TRUE(history.save());
    ScreenshotHistory again;
    again.setHost(&host);
    again.setFilePath(historyFile());
    ASSERT_EQ(again.load(), 2u);
    EXPECT_EQ(again.entries().back().location.path(), pathOf(u"c"));
}

TEST(HistoryThumbnail, FitsTheSquareKeepingTheAspect) {
    struct Case {
        int32_t width, height, expectedWidth, expectedHeight;
    };
    for (const Case& c : {Case{100, 50, 100, 50}, Case{1920, 1080, 180, 101},
                          Case{50, 1000, 9, 180}, Case{5000, 2, 180, 1}}) {
        Image thumbnail = makeThumbnail(Image(false, c.width, c.height));
        EXPECT_EQ(thumbnail.width(), c.expectedWidth) << c.width;
        EXPECT_EQ(thumbnail.height(), c.expectedHeight) << c.width;
        EXPECT_EQ(thumbnail.bitsPerPixel(), 32);
        EXPECT_EQ(thumbnail.pixel(0, 0)[3], 255); // 24-bit sources are opaque
    }
    Image small(true, 3, 3);
    EXPECT_NE(makeThumbnail(small).pixels(), small.pixels());
}

TEST(HistoryTime, OrderAndDayNumbers) {
    EXPECT_LT((CaptureTime{2025, 12, 31, 23, 59, 59, 999}), (CaptureTime{2026, 1, 1, 0, 0, 0, 0}));
    EXPECT_LT((CaptureTime{2026, 1, 1, 10, 0, 0, 0}), (CaptureTime{2026, 1, 1, 10, 0, 0, 1}));
    EXPECT_EQ(julianDayNumber({2000, 1, 1}), 2451545);
    EXPECT_EQ(julianDayNumber({1970, 1, 1}), 2440588);
    EXPECT_EQ(julianDayNumber({2024, 3, 1}) - julianDayNumber({2024, 2, 28}), 2);
}

} // namespace
} // namespace fw
