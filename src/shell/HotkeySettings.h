#pragma once
// The hotkeys kept in the settings: registration at start-up and when the
// options window is accepted.
#include "settings/SettingsStore.h"
#include "shell/GlobalHotkeys.h"

namespace fw {

// The record stored for identifier 1 (show/hide) or 2 (capture); any other
// identifier gives an empty record.
HotkeyRecord readHotkey(const SettingsStore& store, int32_t id);

// Show/hide, then capture (an unusable stored combination is skipped without a
// word), then PrintScreen when it is on.
void registerStartupHotkeys(GlobalHotkeys& hotkeys, const SettingsStore& store,
                            bool usePrintScreen);

struct HotkeyChoice {
    int64_t showHide = 0; // stored value; 0 clears the hotkey
    int64_t capture = 0;
    bool usePrintScreen = true;
};

// The message box texts for a combination that could not be registered.
struct HotkeyFailure {
    WideString message;
    WideString detail;
};

// Stores and registers the new combinations in turn. When one cannot be
// registered its setting becomes 0, `failure` gets the texts to show, and
// nothing after it is done: the options window stays open. PrintScreen is
// switched last, when `usePrintScreen` changed.
bool applyHotkeyChoice(GlobalHotkeys& hotkeys, SettingsStore& store, const HotkeyChoice& choice,
                       HotkeyFailure& failure);

} // namespace fw
