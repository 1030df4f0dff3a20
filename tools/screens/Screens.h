#pragma once
// The screens tool: every window, menu, tooltip and message box the program
// can show, built as the program builds it and rendered to PNG, so that people
// can look at them at several resolutions and in several languages.
//
// Each area registers its windows with a ScreenRegistration in a file of its
// own here; the maker returns the window ready to render (sized, or left
// empty to be sized to its hint).
#include "ui/UIWindow.h"

#include <functional>
#include <memory>
#include <vector>

namespace fw::screens {

using WindowMaker = std::function<std::unique_ptr<UIWindow>()>;

struct ScreenEntry {
    WideString name;
    WindowMaker make;
};

struct ScreenRegistration {
    ScreenRegistration(const char16_t* name, WindowMaker make);
};

const std::vector<ScreenEntry>& screenEntries();

// The folder with the runnable program (data.pak, styles, languages).
const WideString& distFolder();

} // namespace fw::screens
