#pragma once

#include <QtGlobal>

// A hand-made timeline of the start for finding where it goes: with KESTREL_STARTUP_TIMELINE set,
// each mark prints its time to standard error. The value may be the CLOCK_MONOTONIC time in
// nanoseconds at which the process was started (the start-up benchmark passes it), so the marks
// include what happens before main(); otherwise they count from the first mark.
namespace StartupTimeline {
void mark(const char *what);
bool enabled();
}
