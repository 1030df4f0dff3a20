#pragma once
// File operations of the shell and sharing checks that the plain file wrappers
// do not cover.
#include "platform/WideString.h"

namespace fw::os {

// Moves the file into the Recycle Bin silently, without any question or error
// dialog; false when the shell refused or the file does not exist.
bool moveToRecycleBin(WideStringView path);

// True when the file can be opened for writing with no sharing at all, that is
// when no other program holds it open.
bool canOpenExclusively(WideStringView path);

} // namespace fw::os
