#include "shell/stop_signal_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

namespace sorvane {

namespace {

// The handler's only state: what it may touch is async-signal-safe.
volatile sig_atomic_t stopRequested = 0;
int stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
  stopRequested = 1;
  const char byte = 1;
  // A full pipe already wakes the poll.
  [[maybe_unused]] ssize_t written = write(stopPipe[1], &byte, 1);
}

}  // namespace

bool InstallStopSignals() {
  if (pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}

bool StopRequested() { return stopRequested != 0; }

void WaitForInputOrStop(int fd, uint32_t ms) {
  pollfd fds[2] = {{fd, POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
  poll(fds, 2, static_cast<int>(ms));
}

}  // namespace sorvane
