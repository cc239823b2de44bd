#include "shell/frame_rate.h"

#include <cstdio>

namespace sorvane {

void FrameRateMeter::Frame(uint32_t nowMs) {
  if (!started_) {
    started_ = true;
    windowStart_ = nowMs;
    return;
  }
  ++frames_;
  const uint32_t elapsed = nowMs - windowStart_;
  if (elapsed < 1000) return;
  char text[32];
  std::snprintf(text, sizeof text, "FPS: %.1f", frames_ * 1000.0 / elapsed);
  text_ = text;
  windowStart_ = nowMs;
  frames_ = 0;
}

}  // namespace sorvane
