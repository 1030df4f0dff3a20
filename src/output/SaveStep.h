#pragma once
// The save step that follows every capture, and the "Save screenshot" dialog's
// logic. Both reach the rest of the program only through the small interfaces
// below, so that settings, history and dialogs can be supplied by their owners.
#include "capture/Image.h"
#include "output/CaptureTime.h"
#include "output/NamePattern.h"
#include "output/ScreenshotFiles.h"
#include "platform/Rect.h"

namespace fw {

// What the capture pipeline knows about a grab.
struct CaptureInfo {
    Rect rect;
    Point cursor;
    int32_t mode = 0;
};

// A screenshot that is on disk, as the history records it.
struct SavedScreenshot {
    ScreenshotLocation location;
    CaptureTime time;
    CaptureInfo capture;
    Image image; // for the thumbnail; shared, not copied
};

class SaveHost {
public:
    virtual ~SaveHost() = default;

    virtual WideString outputFolder() const = 0;
    virtual int32_t outputFormat() const = 0;
    virtual bool autoCopyToClipboard() const = 0;
    virtual NamePattern& namePattern() = 0;

    // Adds one to the saved-screenshot counters of the statistics.
    virtual void countScreenshot() = 0;
    // Appends to the history and shows it in the list.
    virtual void addToHistory(const SavedScreenshot& shot) = 0;
    // A message box with a text of the group "Messages".
    virtual void showMessage(WideStringView text) = 0;

    virtual CaptureTime now() const;
    virtual bool writeImage(WideStringView path, const Image& image);
    virtual bool copyImage(const Image& image);
    virtual bool lastWriteTime(WideStringView path, CaptureTime& time) const;
};

enum class SaveResult { Saved, WriteFailed, NothingToSave };

// Names the screenshot from the pattern, writes it and records it. A write
// that fails tells the user once and leaves no history entry behind; the
// image still reaches the clipboard when automatic copying is on.
SaveResult saveScreenshot(const Image& image, const CaptureInfo& capture, SaveHost& host);

struct SaveDialogRequest {
    WideString title;
    WideString initialFolder;
    WideString initialName;
    int32_t initialFilter = 0; // 0 BMP, 1 PNG, 2 JPG
};

struct SaveDialogAnswer {
    WideString path;
    int32_t filter = 0;
    WideString folder;
};

class SaveAsHost {
public:
    virtual ~SaveAsHost() = default;

    virtual WideString lastSaveAsFolder() const = 0;
    virtual void setLastSaveAsFolder(WideStringView folder) = 0;
    virtual WideString desktopFolder() const = 0;
    virtual int32_t outputFormat() const = 0;
    // False when the user cancels.
    virtual bool runSaveDialog(const SaveDialogRequest& request, SaveDialogAnswer& answer) = 0;
    virtual void showMessage(WideStringView text) = 0;

    virtual Image readImage(WideStringView path);
    virtual bool writeImage(WideStringView path, const Image& image);
};

enum class SaveAsResult { Saved, Cancelled, WriteFailed };

// Writes a copy of the screenshot wherever the user chooses; the copy is not
// added to the history.
SaveAsResult saveScreenshotAs(const ScreenshotLocation& shot, SaveAsHost& host);

} // namespace fw
