#pragma once
// Timings and held-object counts for the benchmarks. Off unless the
// environment variable FRAMEWING_TRACE names a file when the program starts;
// then the lines gather in memory ("<name> <value>", times in milliseconds of
// the performance counter, which all processes of a machine share) and
// flushTrace() appends them to that file, away from the steps being timed.
#include <cstdint>

namespace fw::os {

// The end of a step, now.
void traceStep(const char* name);
// The GDI objects the program holds (os::gdiObjectCount) and its handle count.
void traceHeldObjects();
void flushTrace();

} // namespace fw::os
