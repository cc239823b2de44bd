// SIGTERM and SIGINT, xscreensaver's way of ending a hack: the handler only
// notes the request and wakes a poll through a pipe; the hack notices it
// between its steps and frames and ends in order.
#pragma once
#include <cstdint>

namespace sorvane {

// False when the pipe or the handlers can't be set up.
bool InstallStopSignals();
bool StopRequested();
// Sleeps up to `ms`, waking at once when `fd` has input or a stop is requested.
void WaitForInputOrStop(int fd, uint32_t ms);

}  // namespace sorvane
