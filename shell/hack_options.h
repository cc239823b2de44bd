// The hack's command line, in xscreensaver's conventions: options with one dash
// or two, a value as the next word. Settings out of range are brought inside
// with a warning; an unknown option or a value that is no value is an error.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/option_settings.h"

namespace sorvane {

enum class WindowRequest {
  // --window, and what a hack does when told nothing: a window of its own.
  Own,
  // --window-id: a window someone else made, such as the settings preview.
  Given,
  // --root: the window named by XSCREENSAVER_WINDOW, else the root window.
  Root,
};

constexpr int32_t kMaxSnapshotFrames = 100000;

struct HackOptions {
  WindowRequest window = WindowRequest::Own;
  unsigned long windowId = 0;
  bool fps = false;
  // Not empty: draw offscreen and write frame `frames` of `seed` there as PNG.
  std::string snapshot;
  int32_t frames = 30;
  uint32_t seed = 1;
  OptionSettings settings;
};

enum class ParseOutcome { Run, Help, UsageError };

struct ParsedOptions {
  ParseOutcome outcome = ParseOutcome::Run;
  HackOptions options;
  // One line each, for values brought into range.
  std::vector<std::string> warnings;
  // What was wrong, for a usage error.
  std::string error;
};

// `args` without the program name.
ParsedOptions ParseHackOptions(const std::vector<std::string>& args);

std::string HackUsage();

// A window number as xscreensaver writes one: hex with 0x, or decimal; not 0.
std::optional<unsigned long> ParseWindowId(const char* text);

}  // namespace sorvane
