#pragma once
// The screenshot history: every saved screenshot, oldest first, kept between
// runs in "history.dat". Removing an entry (by the user or by the history
// limit) removes its file as well, permanently or into the Recycle Bin.
#include "output/HistoryFile.h"
#include "output/SaveStep.h"
#include "platform/Files.h"

#include <list>
#include <unordered_set>

namespace fw {

// The settings the history follows.
struct HistorySettings {
    bool enabled = true;
    int32_t limit = 7; // in days, or in screenshots with limitByCount
    bool limitByCount = false;
    bool deleteToRecycleBin = true;
};

// What the history needs around it: its settings, the screenshot list that
// shows it, and the system (replaceable in tests).
class HistoryHost {
public:
    virtual ~HistoryHost() = default;

    // Read afresh at every use: the options may change them at any time.
    virtual HistorySettings historySettings() = 0;
    // The output folder as the user chose it, even while it is missing and
    // another stands in for it: records saved without their folder belong there.
    virtual WideString chosenOutputFolder() = 0;
    // Makes another folder the output folder (moveFilesTo).
    virtual void setOutputFolder(WideStringView folder) = 0;
    // The count of screenshots ever saved cannot be below what the history holds.
    virtual void countAtLeast(size_t screenshots) = 0;

    // The screenshot list: an entry came (at load or after a capture), is about
    // to go, or was refreshed from its changed file; the count changed; the
    // local date moved on, so every date caption needs rebuilding.
    virtual void entryShown(HistoryEntry& /*entry*/) {}
    virtual void entryRemoving(HistoryEntry& /*entry*/) {}
    virtual void entryRefreshed(HistoryEntry& /*entry*/) {}
    virtual void countChanged() {}
    virtual void dateChanged() {}

    virtual CaptureTime now() const;
    virtual bool fileExists(WideStringView path) const;
    virtual bool folderExists(WideStringView path) const;
    virtual bool lastWriteTime(WideStringView path, CaptureTime& time) const;
    // The files of a folder with their last-write times, in one pass.
    virtual std::vector<os::FolderFile> filesIn(WideStringView folder) const;
    virtual Image loadImage(WideStringView path) const;
    // False while another program holds the file open.
    virtual bool canOpenExclusively(WideStringView path) const;
    virtual bool moveToRecycleBin(WideStringView path);
    virtual bool deleteFile(WideStringView path);
};

class ScreenshotHistory {
public:
    // Every operation below needs the host; the history works without it only
    // as an empty list.
    void setHost(HistoryHost* host) { host_ = host; }
    void setFilePath(WideString path) { filePath_ = std::move(path); }
    const WideString& filePath() const { return filePath_; }

    // Reads the file into the empty list: records whose screenshot is gone or
    // repeats a path are dropped, changed screenshots are read again. A damaged
    // file stops the load at the fault, keeping every entry read before it.
    // Records whose folder is missing (a removed drive, an unreachable share)
    // are neither shown nor matched against another folder: they wait, as they
    // were, and are written back with every save. Returns the number of entries
    // loaded.
    size_t load();
    // Writes the whole list in one step (nothing while the history is off);
    // false when the file could not be written.
    bool save() const;
    // Applies the limit in days or screenshots; with the history off, `atExit`
    // removes every entry and its file.
    void prune(bool atExit);

    // Appends a new screenshot at the newest end.
    HistoryEntry& add(HistoryEntry entry);
    // Takes the entry out, removes its file, destroys it.
    void remove(const HistoryEntry& entry);
    void removeAll();
    // Deletes the file or moves it into the Recycle Bin, as the settings say.
    bool removeFileForHistory(WideStringView path);

    // One round of the file watch: drops entries whose file vanished, rereads
    // changed files once no other program holds them, reports a new date.
    // The caller runs it only while the screenshot list is on screen.
    void watchFiles();
    // Makes `folder` the output folder and moves the screenshot files there
    // where their names are free.
    size_t moveFilesTo(WideStringView folder);

    const std::list<HistoryEntry>& entries() const { return entries_; }
    size_t count() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

private:
    using Iterator = std::list<HistoryEntry>::iterator;
    class FolderIndex;
    bool loadRecord(HistoryRecord& record, WideString folder, FolderIndex& folders,
                    std::unordered_set<WideString>& paths);
    void removeEntry(Iterator entry);
    void dropVanished();
    void refreshChanged();
    // Rereads the file; false when it does not decode. `keepPlacement` keeps the
    // rectangle and cursor of a file whose size did not change.
    bool refresh(HistoryEntry& entry, const CaptureTime& written, bool keepPlacement);

    HistoryHost* host_ = nullptr;
    WideString filePath_;
    std::list<HistoryEntry> entries_;
    // Records of missing folders, oldest first, kept for the next save.
    std::list<HistoryEntry> waiting_;
    CaptureTime lastWatchDate_;
};

// The entry for a screenshot the save step has just written.
HistoryEntry historyEntryOf(const SavedScreenshot& shot);

} // namespace fw
