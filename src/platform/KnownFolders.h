#pragma once
#include "platform/WideString.h"

namespace fw::os {

enum class SpecialFolder { AppData, Desktop, System };

// The folder's path without a trailing "\"; false when the system has none.
bool specialFolderPath(SpecialFolder folder, WideString& path);

// Full path of the running executable and the command line.
WideString executablePath();
WideString commandLine();

} // namespace fw::os
