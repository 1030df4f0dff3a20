// Times saving and loading a history of 1000 screenshots with 180x101
// thumbnails whose files all exist, against one plain read of the same file
// into a ready buffer (and into memory taken anew).
// Runs in a fresh temporary folder given as the argument (default: /tmp or %TEMP%).
#include "output/ScreenshotHistory.h"
#include "platform/Files.h"
#include "settings/SettingsModel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kEntries = 1000;
constexpr int kRuns = 5;

class BenchHost : public fw::ModelHistoryHost {
public:
    fw::SettingsModel& model() override { return settings; }
    fw::SettingsModel settings{fw::SettingsEnvironment{}};
};

// `release` frees what the previous run built, outside the timed part.
double bestMilliseconds(
    const std::function<bool()>& work, const std::function<void()>& release = [] {}) {
    double best = 1e18;
    for (int i = 0; i < kRuns; ++i) {
        release();
        const auto start = std::chrono::steady_clock::now();
        if (!work()) {
            std::fprintf(stderr, "history_io: a step failed\n");
            std::exit(1);
        }
        const auto end = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(end - start).count());
    }
    return best;
}

fw::WideString benchFolder(int argc, char** argv) {
    if (argc > 1) {
        return fw::fromUtf8(argv[1]);
    }
    const char* temp = std::getenv("TEMP");
    return fw::joinPath(fw::fromUtf8(temp ? temp : "/tmp"), u"framewing-history-bench");
}

void fillHistory(fw::ScreenshotHistory& history, const fw::WideString& folder) {
    for (int i = 0; i < kEntries; ++i) {
        fw::HistoryEntry entry;
        entry.location = {folder, u"ScreenShot-" + fw::toWide(i), u"png"};
        fw::os::writeFile(entry.location.path(), "png", 3);
        fw::DateTime written;
        fw::os::lastWriteTime(entry.location.path(), written);
        entry.time = fw::captureTimeOf(written);
        entry.rect = {0, 0, 1920, 1080};
        entry.mode = 1;
        entry.thumbnail = fw::Image(true, 180, 101);
        std::fill_n(entry.thumbnail.pixels(), entry.thumbnail.byteSize(), static_cast<uint8_t>(i));
        history.add(std::move(entry));
    }
}

// The reference: the whole file in one read into a buffer made beforehand.
bool plainRead(const std::string& path, uint8_t* bytes, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return false;
    }
    const bool read = std::fread(bytes, 1, size, file) == size;
    std::fclose(file);
    return read && size > 0;
}

} // namespace

int main(int argc, char** argv) {
    const fw::WideString folder = benchFolder(argc, argv);
    fw::os::createFolder(folder);
    BenchHost host;
    host.settings.values.historyDeleteToRecycleBin = false;
    host.settings.values.outputFolder = folder;
    fw::ScreenshotHistory history;
    history.setHost(&host);
    history.setFilePath(fw::joinPath(folder, u"history.dat"));
    fillHistory(history, folder);

    const double save = bestMilliseconds([&] { return history.save(); });
    std::optional<fw::ScreenshotHistory> loaded;
    const double load = bestMilliseconds(
        [&] {
            loaded.emplace();
            loaded->setHost(&host);
            loaded->setFilePath(history.filePath());
            return loaded->load() == kEntries;
        },
        [&] { loaded.reset(); });
    uint64_t size = 0;
    fw::os::fileSize(history.filePath(), size);
    // Both systems accept "/" in the C library.
    const std::string nativePath = fw::toUtf8(fw::replaceAll(history.filePath(), u"\\", u"/"));
    std::vector<uint8_t> buffer(size);
    const double read =
        bestMilliseconds([&] { return plainRead(nativePath, buffer.data(), buffer.size()); });
    // The same read into memory taken anew each time, as a load's thumbnails
    // are: where the system is slow to hand out fresh pages (as in some virtual
    // machines), that cost shows here as well.
    uint8_t* fresh = nullptr;
    const double freshRead = bestMilliseconds(
        [&] {
            fresh = static_cast<uint8_t*>(std::malloc(size));
            return fresh && plainRead(nativePath, fresh, size);
        },
        [&] { std::free(std::exchange(fresh, nullptr)); });
    std::free(fresh);
    std::printf("history_io: %d entries, %.1f MB\n", kEntries, static_cast<double>(size) / 1e6);
    // Saving flushes to the disk, so it is also set against one plain write
    // (flushed as well) of the same bytes to another file.
    const fw::WideString copy = fw::joinPath(folder, u"plain.dat");
    const double write =
        bestMilliseconds([&] { return fw::os::writeFile(copy, buffer.data(), buffer.size()); });
    fw::os::deleteFile(copy);
    std::printf("plain_read %.3f ms, fresh_read %.3f ms, plain_write %.3f ms\n", read, freshRead,
                write);
    std::printf("save %.3f ms (%.1f us per entry) ratio %.2f to the read, %.2f to the write\n",
                save, save * 1000 / kEntries, save / read, save / write);
    std::printf("load %.3f ms (%.1f us per entry) ratio %.2f, %.2f to the fresh read\n", load,
                load * 1000 / kEntries, load / read, load / freshRead);
    history.removeAll();
    fw::os::deleteFile(history.filePath());
    return 0;
}
