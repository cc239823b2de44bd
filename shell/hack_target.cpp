#include "shell/hack_target.h"

namespace sorvane {

HackTarget ChooseHackTarget(const HackOptions& options, const char* xscreensaverWindow) {
  if (!options.snapshot.empty()) return {TargetKind::Offscreen, 0, RunMode::Saver};
  switch (options.window) {
    case WindowRequest::Given:
      return {TargetKind::Given, options.windowId, RunMode::Preview};
    case WindowRequest::Root:
      // Without a usable XSCREENSAVER_WINDOW the root window it is.
      return {TargetKind::Given, ParseWindowId(xscreensaverWindow).value_or(0), RunMode::Saver};
    case WindowRequest::Own:
      break;
  }
  return {TargetKind::Own, 0, RunMode::Saver};
}

}  // namespace sorvane
