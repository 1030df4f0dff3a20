#include "output/ScreenshotHistory.h"
#include "output/ImageFile.h"
#include "platform/FileAccess.h"
#include "platform/FileStream.h"
#include "platform/Files.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <unordered_map>
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

// The shown entries and the waiting records in one list, oldest first.
std::list<HistoryEntry> mergedByTime(const std::list<HistoryEntry>& shown,
                                     const std::list<HistoryEntry>& waiting) {
    std::list<HistoryEntry> all;
    std::merge(shown.begin(), shown.end(), waiting.begin(), waiting.end(), std::back_inserter(all),
               [](const HistoryEntry& a, const HistoryEntry& b) { return a.time < b.time; });
    return all;
}

} // namespace

// What a load learns of each folder once: whether it is there, and the
// last-write time of each of its files from one listing, so that a thousand
// records cost one pass over their folder rather than a query per file.
class ScreenshotHistory::FolderIndex {
public:
    explicit FolderIndex(const HistoryHost& host) : host_(host) {}

    bool folderExists(const WideString& folder) { return find(folder).exists; }

    // False when no file is at the location; `written` is set when known.
    bool fileWritten(const ScreenshotLocation& location, std::optional<CaptureTime>& written) {
        const Folder& folder = find(location.folder);
        const auto file = folder.files.find(location.name + u"." + location.extension);
        if (file != folder.files.end()) {
            written = file->second;
            return true;
        }
        // Not listed under that exact name: the system decides (its names may
        // ignore case, or the file came after the listing).
        const WideString path = location.path();
        if (!host_.fileExists(path)) {
            return false;
        }
        CaptureTime time;
        if (host_.lastWriteTime(path, time)) {
            written = time;
        }
        return true;
    }

private:
    struct Folder {
        bool exists = false;
        std::unordered_map<WideString, CaptureTime> files;
    };

    const Folder& find(const WideString& path) {
        auto found = folders_.find(path);
        if (found == folders_.end()) {
            Folder folder;
            folder.exists = host_.folderExists(path);
            if (folder.exists) {
                for (os::FolderFile& file : host_.filesIn(path)) {
                    folder.files.emplace(std::move(file.name), captureTimeOf(file.written));
                }
            }
            found = folders_.emplace(path, std::move(folder)).first;
        }
        return found->second;
    }

    const HistoryHost& host_;
    std::unordered_map<WideString, Folder> folders_;
};

CaptureTime HistoryHost::now() const {
    return captureTimeOf(os::localNow());
}

bool HistoryHost::fileExists(WideStringView path) const {
    return os::fileExists(path);
}

bool HistoryHost::folderExists(WideStringView path) const {
    return os::folderExists(path);
}

bool HistoryHost::lastWriteTime(WideStringView path, CaptureTime& time) const {
    DateTime written;
    if (!os::lastWriteTime(path, written)) {
        return false;
    }
    time = captureTimeOf(written);
    return true;
}

std::vector<os::FolderFile> HistoryHost::filesIn(WideStringView folder) const {
    return os::listFilesWritten(folder);
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
    // The folders follow the last record, so every record is read first.
    std::vector<HistoryRecord> records;
    for (HistoryRecord record; reader.next(record);) {
        records.push_back(std::move(record));
    }
    std::vector<WideString> folders = reader.readFolders();
    // A file without folders was written for the output folder as chosen, even
    // while another one stands in for it.
    const WideString chosen = host_->chosenOutputFolder();
    FolderIndex index(*host_);
    size_t loaded = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const bool known = i < folders.size() && !folders[i].empty();
        loaded +=
            loadRecord(records[i], known ? std::move(folders[i]) : chosen, index, paths) ? 1 : 0;
    }
    host_->countAtLeast(entries_.size());
    host_->countChanged();
    return loaded;
}

bool ScreenshotHistory::loadRecord(HistoryRecord& record, WideString folder, FolderIndex& folders,
                                   std::unordered_set<WideString>& paths) {
    HistoryEntry entry;
    entry.location = {std::move(folder), std::move(record.name), std::move(record.extension)};
    entry.time = record.time;
    entry.rect = record.rect;
    entry.cursor = record.cursor;
    entry.mode = knownMode(record.mode);
    entry.thumbnail = std::move(record.thumbnail);
    WideString path = entry.location.path();
    if (paths.contains(path)) {
        return false;
    }
    // Its folder is away for now: no other file may stand in for its own.
    if (!folders.folderExists(entry.location.folder)) {
        paths.insert(std::move(path));
        waiting_.push_front(std::move(entry));
        return false;
    }
    std::optional<CaptureTime> written;
    if (!folders.fileWritten(entry.location, written)) {
        return false;
    }
    if (written && entry.time < *written) {
        // A changed file that cannot be decoded keeps its old thumbnail and
        // time, so that the file watch tries it again.
        refresh(entry, *written, false);
    } else if (written) {
        entry.time = *written;
    }
    paths.insert(std::move(path));
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
    const WideString temp = os::createTempFileBeside(filePath_);
    os::FileWriter file;
    bool written = !temp.empty() && file.create(temp);
    if (written) {
        FileSink sink(file);
        if (waiting_.empty()) {
            writeHistory(sink, entries_);
        } else {
            writeHistory(sink, mergedByTime(entries_, waiting_));
        }
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
