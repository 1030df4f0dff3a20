#pragma once
// Files and folders. Paths use "\" as separator everywhere in the program; the
// POSIX implementation maps it to "/" when it talks to the operating system.
#include "platform/Time.h"
#include "platform/WideString.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

using Bytes = std::vector<uint8_t>;

// Paths of this many characters or more are refused where folders are created.
constexpr size_t kMaxPathLength = 260;

// Plain concatenation with one "\" between the parts.
WideString joinPath(WideStringView folder, WideStringView name);
// Everything before the last "\" (empty when there is none).
WideString parentFolder(WideStringView path);
// The part after the last "\".
WideString fileNameOf(WideStringView path);
// The file name without folder and extension ("data" for "C:\x\data.pak").
WideString fileTitleOf(WideStringView path);

namespace os {

// Existence tests; critical-error dialogs are suppressed on Windows.
bool fileExists(WideStringView path);   // exists and is not a folder
bool folderExists(WideStringView path); // exists and is a folder

// Creates the folder and its missing parents; refuses paths of 260+ characters.
bool createFolder(WideStringView path);

bool readFile(WideStringView path, Bytes& contents);
// Plain write (truncates); used where atomicity is not needed.
bool writeFile(WideStringView path, const void* data, size_t size);
// Writes a temporary file beside `path`, flushes it and replaces `path` with it
// in one step, so that `path` is never left half-written. On failure the old
// file is untouched and the temporary file removed.
bool writeFileAtomic(WideStringView path, const void* data, size_t size);
// Creates a new empty file beside `path` for such a replacement, named
// "<path>.<unique>.tmp" and created exclusively, so that it can never be a file
// of the user's; returns its path, empty when none could be created.
WideString createTempFileBeside(WideStringView path);
// Creates an empty file; false when anything exists at `path` already.
bool createNewFile(WideStringView path);
// Replaces `target` by `source` atomically (rename over an existing file).
bool replaceFile(WideStringView source, WideStringView target);

bool deleteFile(WideStringView path);
// Moves or renames a file; fails when `to` exists.
bool moveFile(WideStringView from, WideStringView to);
bool copyFile(WideStringView from, WideStringView to);
bool fileSize(WideStringView path, uint64_t& size);
// Last write time in local time.
bool lastWriteTime(WideStringView path, DateTime& time);
bool setLastWriteTime(WideStringView path, const DateTime& localTime);
// Names (not paths) of the files directly in `folder`.
std::vector<WideString> listFiles(WideStringView folder);
struct FolderFile {
    WideString name;
    DateTime written; // local, as lastWriteTime gives it
};
// The files directly in `folder` with their last write times, in one pass over
// the folder: far cheaper than asking for each file of a large folder.
std::vector<FolderFile> listFilesWritten(WideStringView folder);
// Bytes available to the current user on the volume holding `path`.
bool freeDiskSpace(WideStringView path, uint64_t& bytes);

} // namespace os
} // namespace fw
