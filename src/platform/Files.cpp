#include "platform/Files.h"

#include <atomic>

namespace fw {

WideString joinPath(WideStringView folder, WideStringView name) {
    WideString path(folder);
    path.push_back(u'\\');
    path.append(name);
    return path;
}

WideString parentFolder(WideStringView path) {
    size_t at = path.rfind(u'\\');
    return at == WideStringView::npos ? WideString() : WideString(path.substr(0, at));
}

WideString fileNameOf(WideStringView path) {
    size_t at = path.rfind(u'\\');
    return WideString(at == WideStringView::npos ? path : path.substr(at + 1));
}

WideString fileTitleOf(WideStringView path) {
    WideString name = fileNameOf(path);
    size_t dot = name.rfind(u'.');
    return dot == WideString::npos ? name : name.substr(0, dot);
}

namespace os {

WideString createTempFileBeside(WideStringView path) {
    static std::atomic<uint32_t> serial{0};
    // Different in every process and every call, so that a name is rarely
    // taken; one that is taken is never touched, and the next one is tried.
    const uint32_t seed = tickCount() ^ static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&path));
    for (int attempt = 0; attempt < 16; ++attempt) {
        const uint32_t unique = (seed + serial.fetch_add(1)) * 2654435761u;
        WideString temp(path);
        temp.push_back(u'.');
        for (int shift = 28; shift >= 0; shift -= 4) {
            temp.push_back(u"0123456789abcdef"[(unique >> shift) & 15]);
        }
        temp.append(u".tmp");
        if (createNewFile(temp)) {
            return temp;
        }
    }
    return WideString();
}

bool writeFileAtomic(WideStringView path, const void* data, size_t size) {
    const WideString temp = createTempFileBeside(path);
    if (temp.empty()) {
        return false;
    }
    if (!writeFile(temp, data, size) || !replaceFile(temp, path)) {
        deleteFile(temp);
        return false;
    }
    return true;
}

} // namespace os
} // namespace fw
