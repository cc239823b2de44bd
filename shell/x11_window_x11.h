// The X window the hack draws into: one it is handed (by --window-id, or the
// root / XSCREENSAVER_WINDOW for --root), which it never maps, or one of its
// own. It reports the window's size changes and, for its own window, a key
// or closing it. No X header here: the display and window pass as the GL
// device takes them.
#pragma once
#include <cstdint>
#include <string>

#include "settings/settings.h"
#include "shell/hack_target.h"

namespace sorvane {

struct WindowEvents {
  bool endRequested = false;
  Size size{};
};

class X11Window {
 public:
  X11Window() = default;
  ~X11Window();
  X11Window(const X11Window&) = delete;
  X11Window& operator=(const X11Window&) = delete;

  // Opens the display of $DISPLAY and the target's window. False, with a
  // message, when there is no display or no such window.
  bool Open(const HackTarget& target, std::string* error);

  void* display() const { return display_; }
  unsigned long window() const { return window_; }
  Size size() const { return size_; }
  // The X connection, for poll().
  int fd() const;

  // Takes every pending event.
  WindowEvents Pump();
  // The frame-rate readout in the lower left corner, over the frame just shown.
  void DrawReadout(const std::string& text);

 private:
  void* display_ = nullptr;
  unsigned long window_ = 0;
  bool own_ = false;
  unsigned long deleteAtom_ = 0;
  void* gc_ = nullptr;
  Size size_{};
};

}  // namespace sorvane
