#include "output/ScreenshotHistory.h"
#include "output/ImageFile.h"
#include "platform/FileAccess.h"
#include "platform/FileStream.h"
#include "platform/Files.h"

#include <iterator>
#include <unordered_set>

namespace fw {

namespace {

// An entry that never got a name has no file to touch.
bool hasFile(const HistoryEntry& entry) {
    return !entry.location.name.empty() || !entry.location.extension.empty();
}

class FileSource : public HistorySource {
public:
    explicit FileSource(os::FileReader& file) : file_(file) {}
    bool read(void* data, size_t size) override { return file_.read(data, size); }
    uint64_t remaining() const override { return file_.remaining(); }

private:
    os::FileReader& file_;
};

class FileSink : public HistorySink {
public:
    explicit FileSink(os::FileWriter& file) : file_(file) {}
    void write(const void* data, size_t size) override { file_.write(data, size); }

private:
    os::FileWriter& file_;
};

} // namespace

CaptureTime HistoryHost::now() const {
    return captureTimeOf(os::localNow());
}

bool HistoryHost::fileExists(WideStringView path) const {
    return os::fileExists(path);
}

bool HistoryHost::lastWriteTime(WideStringView path, CaptureTime& time) const {
    DateTime written;
    if (!os::lastWriteTime(path, written)) {
        return false;
    }
    time = captureTimeOf(written);
    return true;
}

Image HistoryHost::loadImage(WideStringView path) const {
    return fw::loadImage(path);
}

bool HistoryHost::canOpenExclusively(WideStringView path) const {
    return os::canOpenExclusively(path);
}

bool HistoryHost::moveToRecycleBin(WideStringView path) {
    return os::moveToRecycleBin(path);
}

bool HistoryHost::deleteFile(WideStringView path) {
    return os::deleteFile(path);
}

size_t ScreenshotHistory::load() {
    if (!host_) {
        return 0;
    }
    lastWatchDate_ = host_->now();
    os::FileReader file;
    if (!host_->historySettings().enabled || !file.open(filePath_) || file.size() == 0) {
        return 0;
    }
    std::unordered_set<WideString> paths;
    for (const HistoryEntry& entry : entries_) {
        paths.insert(entry.location.path());
    }
    FileSource source(file);
    HistoryReader reader(source);
    HistoryRecord record;
    size_t loaded = 0;
    while (reader.next(record)) {
        loaded += loadRecord(record, paths) ? 1 : 0;
    }
    host_->countAtLeast(entries_.size());
    host_->countChanged();
    return loaded;
}

bool ScreenshotHistory::loadRecord(const HistoryRecord& record,
                                   std::unordered_set<WideString>& paths) {
    HistoryEntry entry;
    entry.location = {host_->outputFolder(), record.name, record.extension};
    const WideString path = entry.location.path();
    if (!host_->fileExists(path) || paths.contains(path)) {
        return false;
    }
    entry.time = record.time;
    entry.rect = record.rect;
    entry.cursor = record.cursor;
    entry.mode = knownMode(record.mode);
    CaptureTime written;
    const bool knowsWritten = host_->lastWriteTime(path, written);
    const bool changed = knowsWritten && record.time < written;
    // A changed file that cannot be decoded keeps its old thumbnail and time, so
    // that the file watch tries it again.
    if (!changed || !refresh(entry, written, false)) {
        entry.thumbnail = record.thumbnail;
        if (knowsWritten && !changed) {
            entry.time = written;
        }
    }
    paths.insert(path);
    entries_.push_front(std::move(entry));
    host_->entryShown(entries_.front());
    return true;
}

bool ScreenshotHistory::refresh(HistoryEntry& entry, const CaptureTime& written,
                                bool keepPlacement) {
    Image image = host_->loadImage(entry.location.path());
    if (image.isEmpty()) {
        return false;
    }
    entry.time = written;
    const bool sameSize = image.width() == entry.rect.width && image.height() == entry.rect.height;
    if (!keepPlacement || !sameSize) {
        entry.rect = Rect{0, 0, image.width(), image.height()};
        entry.cursor = Point{};
    }
    entry.thumbnail = makeThumbnail(image);
    return true;
}

bool ScreenshotHistory::save() const {
    if (!host_ || !host_->historySettings().enabled) {
        return true;
    }
    os::createFolder(parentFolder(filePath_));
    // Written beside the file and put in its place in one step, so that a
    // crash or a full disk never leaves a damaged history behind.
    const WideString temp = os::atomicTempPath(filePath_);
    os::FileWriter file;
    bool written = file.create(temp);
    if (written) {
        FileSink sink(file);
        writeHistory(sink, entries_);
        written = file.finish();
    }
    if (!written || !os::replaceFile(temp, filePath_)) {
        os::deleteFile(temp);
        return false;
    }
    return true;
}

void ScreenshotHistory::prune(bool atExit) {
    if (!host_) {
        return;
    }
    const HistorySettings settings = host_->historySettings();
    if (!settings.enabled) {
        if (atExit) {
            removeAll();
        }
        return;
    }
    const size_t before = entries_.size();
    if (settings.limitByCount) {
        const auto limit = static_cast<size_t>(settings.limit > 0 ? settings.limit : 0);
        while (entries_.size() > limit) {
            removeEntry(entries_.begin());
        }
    } else {
        const int64_t today = julianDayNumber(host_->now());
        for (auto it = entries_.begin(); it != entries_.end();) {
            auto next = std::next(it);
            if (today - julianDayNumber(it->time) > settings.limit) {
                removeEntry(it);
            }
            it = next;
        }
    }
    if (entries_.size() != before) {
        host_->countChanged();
    }
}

HistoryEntry& ScreenshotHistory::add(HistoryEntry entry) {
    entries_.push_back(std::move(entry));
    if (host_) {
        host_->entryShown(entries_.back());
        host_->countChanged();
    }
    return entries_.back();
}

void ScreenshotHistory::remove(const HistoryEntry& entry) {
    if (!host_) {
        return;
    }
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (&*it == &entry) {
            removeEntry(it);
            host_->countChanged();
            return;
        }
    }
}

void ScreenshotHistory::removeAll() {
    if (!host_) {
        return;
    }
    while (!entries_.empty()) {
        removeEntry(entries_.begin());
    }
    host_->countChanged();
}

void ScreenshotHistory::removeEntry(Iterator entry) {
    host_->entryRemoving(*entry);
    if (hasFile(*entry)) {
        removeFileForHistory(entry->location.path());
    }
    entries_.erase(entry);
}

bool ScreenshotHistory::removeFileForHistory(WideStringView path) {
    if (!host_ || !host_->fileExists(path)) {
        return false;
    }
    if (host_->historySettings().deleteToRecycleBin) {
        return host_->moveToRecycleBin(path);
    }
    return host_->deleteFile(path);
}

void ScreenshotHistory::watchFiles() {
    if (!host_ || entries_.empty()) {
        return;
    }
    dropVanished();
    refreshChanged();
    const CaptureTime today = host_->now();
    if (!sameDate(today, lastWatchDate_)) {
        host_->dateChanged();
    }
    lastWatchDate_ = today;
}

void ScreenshotHistory::dropVanished() {
    const size_t before = entries_.size();
    for (auto it = entries_.begin(); it != entries_.end();) {
        auto next = std::next(it);
        if (!host_->fileExists(it->location.path())) {
            host_->entryRemoving(*it);
            entries_.erase(it);
        }
        it = next;
    }
    if (entries_.size() != before) {
        host_->countChanged();
    }
}

void ScreenshotHistory::refreshChanged() {
    for (HistoryEntry& entry : entries_) {
        const WideString path = entry.location.path();
        CaptureTime written;
        // A file still held open by the program that writes it is left for a later round.
        if (host_->lastWriteTime(path, written) && entry.time < written &&
            host_->canOpenExclusively(path) && refresh(entry, written, true)) {
            host_->entryRefreshed(entry);
        }
    }
}

size_t ScreenshotHistory::moveFilesTo(WideStringView folder) {
    if (host_) {
        host_->setOutputFolder(folder);
    }
    std::vector<ScreenshotLocation> locations;
    locations.reserve(entries_.size());
    for (const HistoryEntry& entry : entries_) {
        locations.push_back(entry.location);
    }
    const size_t moved = moveScreenshotsTo(folder, locations);
    auto location = locations.begin();
    for (HistoryEntry& entry : entries_) {
        entry.location.folder = (location++)->folder;
    }
    return moved;
}

HistoryEntry historyEntryOf(const SavedScreenshot& shot) {
    HistoryEntry entry;
    entry.time = shot.time;
    entry.location = shot.location;
    entry.rect = shot.capture.rect;
    entry.cursor = shot.capture.cursor;
    entry.mode = shot.capture.mode;
    entry.thumbnail = makeThumbnail(shot.image);
    return entry;
}

} // namespace fw
