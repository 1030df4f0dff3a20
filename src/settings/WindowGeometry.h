#pragma once
// Where the program's windows reopen. A window with the geometry name N keeps
// its position under "windows/windowNLeft" and "windows/windowNTop" and, when
// it can be resized, its size under "windows/windowNWidth" and
// "windows/windowNHeight". Restoring never puts a window where no monitor
// shows it.
#include "platform/Rect.h"
#include "settings/SettingsStore.h"

#include <vector>

namespace fw {

// The monitors as the placement rule sees them.
struct ScreenLayout {
    Rect virtualScreen;
    Rect primaryWorkArea;
    // The work area of every attached monitor.
    std::vector<Rect> workAreas;
};

// The monitors attached now.
ScreenLayout currentScreenLayout();

// The settings key of one part ("Left", "Top", "Width", "Height") of window `name`.
WideString windowGeometryKey(WideStringView name, WideStringView part);

// Writes the position of `frame` (and its size with `withSize`) unless its
// top-left corner lies off the virtual screen, where a minimized window or one
// on a monitor being detached would be: the keys then keep the last good
// place. True when the keys were written.
bool SaveWindowGeometry(SettingsStore& store, WideStringView name, const Rect& frame, bool withSize,
                        const Rect& virtualScreen);

// The frame rectangle for window `name`: the stored size (with `withSize`; at
// least `minimum`) or the window's `current` size, at the stored position when
// the whole window lies inside the work area of a monitor that is attached,
// else placed on the primary work area (placeOnPrimary).
Rect RestoreWindowGeometry(const SettingsStore& store, WideStringView name, bool withSize,
                           const Rect& current, Size minimum, const ScreenLayout& screens);

// Centred on the work area; a window wider (or taller) than it starts at its
// left (or top) edge.
Rect placeOnPrimary(Size size, const Rect& workArea);

} // namespace fw
