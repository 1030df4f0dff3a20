#include "output/SaveStep.h"
#include "i18n/Translation.h"
#include "output/Clipboard.h"
#include "output/ImageFile.h"
#include "platform/Files.h"
#include "platform/Trace.h"

namespace fw {

namespace {

WideString saveFailedText() {
    return translate(u"Unable to save the screenshot.", u"Messages");
}

} // namespace

CaptureTime SaveHost::now() const {
    return captureTimeOf(os::localNow());
}

bool SaveHost::writeImage(WideStringView path, const Image& image) {
    return saveImage(path, image);
}

bool SaveHost::copyImage(const Image& image) {
    return copyImageToClipboard(image);
}

bool SaveHost::lastWriteTime(WideStringView path, CaptureTime& time) const {
    DateTime written;
    if (!os::lastWriteTime(path, written)) {
        return false;
    }
    time = captureTimeOf(written);
    return true;
}

SaveResult saveScreenshot(const Image& image, const CaptureInfo& capture, SaveHost& host) {
    if (image.isEmpty()) {
        return SaveResult::NothingToSave;
    }
    SavedScreenshot shot;
    shot.capture = capture;
    shot.image = image;
    shot.time = host.now();
    shot.location.folder = host.outputFolder();
    shot.location.extension = extensionOf(host.outputFormat());
    shot.location.name =
        host.namePattern().uniqueName(shot.time, shot.location.folder, shot.location.extension);
    const WideString path = shot.location.path();
    os::traceStep("name");
    const bool written = host.writeImage(path, image);
    if (written) {
        host.lastWriteTime(path, shot.time);
        host.countScreenshot();
        host.addToHistory(shot);
    }
    // The capture is not lost with the file: the clipboard still gets it.
    if (host.autoCopyToClipboard()) {
        host.copyImage(image);
    }
    if (!written) {
        host.showMessage(saveFailedText());
        return SaveResult::WriteFailed;
    }
    return SaveResult::Saved;
}

Image SaveAsHost::readImage(WideStringView path) {
    return loadImage(path);
}

bool SaveAsHost::writeImage(WideStringView path, const Image& image) {
    return saveImage(path, image);
}

SaveAsResult saveScreenshotAs(const ScreenshotLocation& shot, SaveAsHost& host) {
    SaveDialogRequest request;
    request.title = translate(u"Save screenshot", u"StandartDialogs");
    request.initialFolder = host.lastSaveAsFolder();
    if (!os::folderExists(request.initialFolder)) {
        request.initialFolder = host.desktopFolder();
    }
    request.initialName = shot.name;
    request.initialFilter = host.outputFormat();
    SaveDialogAnswer answer;
    if (!host.runSaveDialog(request, answer)) {
        return SaveAsResult::Cancelled;
    }
    const WideString target = saveAsTarget(answer.path, answer.filter);
    if (!host.writeImage(target, host.readImage(shot.path()))) {
        host.showMessage(saveFailedText());
        return SaveAsResult::WriteFailed;
    }
    host.setLastSaveAsFolder(answer.folder.empty() ? parentFolder(target) : answer.folder);
    return SaveAsResult::Saved;
}

} // namespace fw
