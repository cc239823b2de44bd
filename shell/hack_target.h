// Where the hack draws, decided from its options and its environment before
// anything is opened: offscreen, a window it is handed, or a window of its own.
#pragma once
#include "base/run_mode.h"
#include "shell/hack_options.h"

namespace sorvane {

enum class TargetKind {
  Offscreen,
  // The window `windowId`; 0 is the screen's root window.
  Given,
  Own,
};

struct HackTarget {
  TargetKind kind = TargetKind::Own;
  unsigned long windowId = 0;
  // Preview for the settings dialog's little window, which stays silent as on
  // Windows; Saver otherwise.
  RunMode mode = RunMode::Saver;
};

// `xscreensaverWindow` is the environment's XSCREENSAVER_WINDOW, or null.
HackTarget ChooseHackTarget(const HackOptions& options, const char* xscreensaverWindow);

}  // namespace sorvane
