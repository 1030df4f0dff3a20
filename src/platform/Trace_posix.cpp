#include "platform/Trace.h"

namespace fw::os {

// The benchmarks run the Windows build only.
void traceStep(const char* /*name*/) {}
void traceHeldObjects() {}
void flushTrace() {}

} // namespace fw::os
