#include "resources/PackImages.h"

#include "resources/DataPack.h"

namespace fw {

Image loadPackImage(const DataPack* data, WideStringView name, ImageDecoder decode) {
    const DataPackEntry* entry = data ? data->find(u"images", WideString(name) + u".png") : nullptr;
    return entry ? decode(entry->bytes()) : Image();
}

Image loadPackImage(WideStringView name) {
    return loadPackImage(findDataPack(u"data"), name, decodePng);
}

WindowIcons loadWindowIcons(const DataPack* data, ImageDecoder decode) {
    return WindowIcons{loadPackImage(data, u"window_icon_small", decode),
                       loadPackImage(data, u"window_icon_big", decode)};
}

const WindowIcons& windowIcons() {
    static const WindowIcons icons = loadWindowIcons(findDataPack(u"data"), decodePng);
    return icons;
}

} // namespace fw
