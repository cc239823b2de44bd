// The --fps readout: frames per second over each second that passes, written
// as xscreensaver's hacks write theirs.
#pragma once
#include <cstdint>
#include <string>

namespace sorvane {

class FrameRateMeter {
 public:
  // Counts a frame shown at `nowMs`; the text changes once a second.
  void Frame(uint32_t nowMs);
  const std::string& text() const { return text_; }

 private:
  bool started_ = false;
  uint32_t windowStart_ = 0;
  uint32_t frames_ = 0;
  std::string text_ = "FPS: --";
};

}  // namespace sorvane
