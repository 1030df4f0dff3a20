#include "settings/WindowGeometry.h"

#include "capture/Screen.h"

#include <algorithm>

namespace fw {

namespace {

bool containsRect(const Rect& outer, const Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

int32_t readInt(const SettingsStore& store, WideStringView name, WideStringView part) {
    return store.get(windowGeometryKey(name, part), SettingValue::int32(-1)).toInt32();
}

} // namespace

ScreenLayout currentScreenLayout() {
    return ScreenLayout{os::virtualScreenRect(), os::primaryWorkArea(), os::monitorRects(true)};
}

WideString windowGeometryKey(WideStringView name, WideStringView part) {
    return u"windows/window" + WideString(name) + WideString(part);
}

bool SaveWindowGeometry(SettingsStore& store, WideStringView name, const Rect& frame, bool withSize,
                        const Rect& virtualScreen) {
    if (!virtualScreen.contains(frame.x, frame.y)) {
        return false;
    }
    store.set(windowGeometryKey(name, u"Left"), SettingValue::int32(frame.x));
    store.set(windowGeometryKey(name, u"Top"), SettingValue::int32(frame.y));
    if (withSize) {
        store.set(windowGeometryKey(name, u"Width"), SettingValue::int32(frame.width));
        store.set(windowGeometryKey(name, u"Height"), SettingValue::int32(frame.height));
    }
    return true;
}

Rect RestoreWindowGeometry(const SettingsStore& store, WideStringView name, bool withSize,
                           const Rect& current, Size minimum, const ScreenLayout& screens) {
    Size size{current.width, current.height};
    if (withSize) {
        const int32_t width = readInt(store, name, u"Width");
        const int32_t height = readInt(store, name, u"Height");
        // Keys never written (-1) leave the window its own size rather than
        // shrinking it to its minimum.
        if (width > 0 && height > 0) {
            size = Size{std::max(width, minimum.width), std::max(height, minimum.height)};
        }
    }
    const Rect wanted{readInt(store, name, u"Left"), readInt(store, name, u"Top"), size.width,
                      size.height};
    // A window left on a second monitor stays there while that monitor is attached.
    for (const Rect& area : screens.workAreas) {
        if (containsRect(area, wanted)) {
            return wanted;
        }
    }
    if (containsRect(screens.primaryWorkArea, wanted)) {
        return wanted;
    }
    return placeOnPrimary(size, screens.primaryWorkArea);
}

Rect placeOnPrimary(Size size, const Rect& workArea) {
    const int32_t x =
        size.width > workArea.width ? workArea.x : workArea.x + (workArea.width - size.width) / 2;
    const int32_t y = size.height > workArea.height
                          ? workArea.y
                          : workArea.y + (workArea.height - size.height) / 2;
    return Rect{x, y, size.width, size.height};
}

} // namespace fw
