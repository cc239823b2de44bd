// Turns the command line the screensaver host gives us into a run mode and the
// window handle number that may follow the switch.
#pragma once
#include <cstdint>
#include <string_view>

#include "base/run_mode.h"

namespace sorvane {

struct CommandLine {
  RunMode mode = RunMode::Saver;
  uint32_t parentWindow = 0;
  // /c and /t look for an open settings window of ours before going on.
  bool checkSettingsWindow = false;
};

CommandLine ParseCommandLine(std::string_view text);

}  // namespace sorvane
