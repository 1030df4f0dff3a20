#pragma once
// Two openings for the end-to-end tests, closed unless their environment
// variable is set when the program starts a capture:
// - FW_SOUND_LOG names a file to which every sound the program plays is
//   appended as a line "<milliseconds since boot> <file name>", so that tests
//   can count ticks and time captures without listening;
// - FW_FREE_SPACE_FILE names a file holding a decimal byte count that the
//   free-space test reads instead of the drive's (read at every test, so that
//   a test can let space run out in the middle of a series).
#include "platform/WideString.h"

#include <cstdint>

namespace fw {

void logSoundForTests(WideStringView path);
// True (and `bytes` set) when the free space is simulated.
bool simulatedFreeSpace(uint64_t& bytes);

} // namespace fw
