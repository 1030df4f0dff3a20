#include "resources/CursorSet.h"

#include "resources/DataPack.h"
#include "resources/Skin.h"
#include "xml/XmlDocument.h"

#include <array>
#include <utility>

namespace fw {

namespace {

constexpr std::array<int32_t, 12> kSystemCursorIds = {1, 2, 3, 4, 9, 10, 11, 12, 13, 26, 27, 28};

constexpr std::array<std::pair<WideStringView, int32_t>, 16> kCursorNames = {{
    {u"hand", CursorHand},
    {u"hand_open", CursorHandOpen},
    {u"hand_close", CursorHandClose},
    {u"hand_finger", CursorHandFinger},
    {u"lens", CursorLens},
    {u"lens_plus", CursorLensPlus},
    {u"lens_minus", CursorLensMinus},
    {u"split_top_bottom", CursorSplitTopBottom},
    {u"split_left_right", CursorSplitLeftRight},
    {u"split_left", CursorSplitLeft},
    {u"split_right", CursorSplitRight},
    {u"split_top", CursorSplitTop},
    {u"split_bottom", CursorSplitBottom},
    {u"pipette", CursorPipette},
    {u"target", CursorTarget},
    {u"empty", CursorEmpty},
}};

} // namespace

int32_t cursorIdFromName(WideStringView name) {
    for (const auto& [cursorName, id] : kCursorNames) {
        if (cursorName == name) {
            return id;
        }
    }
    return CursorArrow;
}

CursorSet::~CursorSet() {
    for (const Entry& entry : entries_) {
        if (!entry.shared) {
            factory_.destroyCursor(entry.handle);
        }
    }
}

CursorHandle CursorSet::cursor(int32_t id, const DataPack* data, ImageDecoder decode) {
    if (entries_.empty()) {
        build(data, decode);
    }
    for (const Entry& entry : entries_) {
        if (entry.id == id) {
            return entry.handle;
        }
    }
    return nullptr;
}

void CursorSet::build(const DataPack* data, ImageDecoder decode) {
    for (int32_t id : kSystemCursorIds) {
        entries_.push_back({id, factory_.systemCursor(id), true});
    }
    const DataPackEntry* description = data ? data->find(u"cursors", u"cursors.xml") : nullptr;
    XmlDocument document;
    if (!description || !document.parseUtf8(description->data.data(), description->data.size())) {
        return;
    }
    const XmlElement* list = document.root().child(u"cursors");
    if (!list) {
        return;
    }
    for (const auto& element : list->children()) {
        WideString name = element->attribute(u"name");
        // A cursor whose image is missing or broken is skipped.
        const DataPackEntry* entry = data->find(u"cursors", name + u".png");
        Image image = entry ? decode(entry->bytes()) : Image();
        if (image.isEmpty()) {
            continue;
        }
        Point hotSpot{parseResourceInt(element->attribute(u"hotspotX")),
                      parseResourceInt(element->attribute(u"hotspotY"))};
        if (CursorHandle handle = factory_.createCursor(image, hotSpot)) {
            entries_.push_back({cursorIdFromName(name), handle, false});
        }
    }
}

CursorHandle cursor(int32_t id) {
    static CursorSet set(platformCursorFactory());
    return set.cursor(id, findDataPack(u"data"), decodePng);
}

} // namespace fw
