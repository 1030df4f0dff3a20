#include "platform/Files.h"

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

WideString atomicTempPath(WideStringView path) {
    WideString temp(path);
    temp.append(u".tmp");
    return temp;
}

bool writeFileAtomic(WideStringView path, const void* data, size_t size) {
    WideString temp = atomicTempPath(path);
    if (!writeFile(temp, data, size)) {
        deleteFile(temp);
        return false;
    }
    if (!replaceFile(temp, path)) {
        deleteFile(temp);
        return false;
    }
    return true;
}

} // namespace os
} // namespace fw
