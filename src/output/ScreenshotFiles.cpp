#include "output/ScreenshotFiles.h"
#include "output/ImageFile.h"
#include "platform/Files.h"

namespace fw {

WideString ScreenshotLocation::path() const {
    return joinPath(folder, name + u"." + extension);
}

size_t moveScreenshotsTo(WideStringView folder, std::span<ScreenshotLocation> shots) {
    if (!os::folderExists(folder)) {
        return 0;
    }
    size_t moved = 0;
    for (ScreenshotLocation& shot : shots) {
        WideString current = shot.path();
        WideString target = joinPath(folder, shot.name + u"." + shot.extension);
        // moveFile refuses a target that exists, so a taken name keeps the file where it is.
        if (target != current && os::fileExists(current) && os::moveFile(current, target)) {
            shot.folder = WideString(folder);
            ++moved;
        }
    }
    return moved;
}

WideString saveAsTarget(WideStringView chosenPath, int32_t filter) {
    WideString extension = extensionOf(filter);
    WideString path(chosenPath);
    if (extension.empty()) {
        return path;
    }
    extension.insert(extension.begin(), u'.');
    if (!endsWith(toLowerCase(path), extension)) {
        path.append(extension);
    }
    return path;
}

} // namespace fw
