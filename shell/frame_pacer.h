// Frame pacing of the saver loop: at most one frame every 30 ms, the rest of
// the interval slept away, no catch-up. Tick arithmetic is unsigned 32-bit so
// the wrap of the millisecond counter after 49.7 days is harmless.
#pragma once
#include <cstdint>

namespace sorvane {

constexpr uint32_t kFrameIntervalMs = 30;

struct PaceDecision {
  bool drawFrame;
  uint32_t sleepMs;
};

class FramePacer {
 public:
  void Start(uint32_t now) { lastFrameTick_ = now; }

  PaceDecision Next(uint32_t now) {
    uint32_t elapsed = now - lastFrameTick_;
    if (elapsed < kFrameIntervalMs) return {false, kFrameIntervalMs - elapsed};
    lastFrameTick_ = now;
    return {true, 0};
  }

 private:
  uint32_t lastFrameTick_ = 0;
};

}  // namespace sorvane
