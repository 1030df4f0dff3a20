#pragma once
// The system's folder picker and open-file dialog as the options window uses
// them. Both run through runNativeDialog, so that no capture starts while one
// waits for the user.
#include "platform/WideString.h"

namespace fw {

// Shows the folder picker over `owner` (a native window handle) at `start`;
// true with `chosen` when the user confirmed a folder.
bool chooseFolder(void* owner, WideStringView title, WideStringView start, WideString& chosen);

// Shows the open-file dialog for programs ("*.exe", described by
// `description`) starting in `startFolder`; true with `chosen` when the user
// confirmed a file.
bool chooseProgram(void* owner, WideStringView description, WideStringView startFolder,
                   WideString& chosen);

} // namespace fw
