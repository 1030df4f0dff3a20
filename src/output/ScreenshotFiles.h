#pragma once
// What the program does with a finished screenshot file: its location, the
// "Save screenshot" target, opening it and moving it to another folder.
#include "platform/WideString.h"

#include <cstdint>
#include <span>

namespace fw {

struct ScreenshotLocation {
    WideString folder;
    WideString name; // without folder and extension
    WideString extension;
    WideString path() const;
};

// Moves every screenshot whose name is free in `folder` there, oldest first;
// screenshots already there, missing files and failed moves stay as they are.
// Nothing happens when `folder` is not an existing folder. Returns the number moved.
size_t moveScreenshotsTo(WideStringView folder, std::span<ScreenshotLocation> shots);

// The path the "Save screenshot" dialog writes to: the chosen path with the
// filter's extension (".bmp", ".png", ".jpg") appended unless it already ends
// with it in any letter case.
WideString saveAsTarget(WideStringView chosenPath, int32_t filter);

// Opens the file with its default program; false when it does not exist or
// the shell refused.
bool openFile(WideStringView path);
// Opens the screenshot with the editor program, passing its path quoted (the
// short form where the system has one); false when the editor is not a file.
bool openWithEditor(WideStringView editorPath, WideStringView screenshotPath);

} // namespace fw
