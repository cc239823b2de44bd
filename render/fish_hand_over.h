// The frame's side of the hand-over of the fish to the calculation cycle: the
// frame takes them back before it moves and draws them, and hands them on
// once it has, so that the next cycle plans their routes while the frame goes
// on. How the cycle runs (on its own thread, or between frames) is the
// saver's choice, not the frame's.
#pragma once
#include <cstdint>

namespace sorvane {

class FishHandOver {
 public:
  virtual ~FishHandOver() = default;
  // True when the cycle the fish were handed to has ended within timeoutMs:
  // the fish are the frame's again.
  virtual bool TakeBack(uint32_t timeoutMs) = 0;
  // The fish go to the next cycle.
  virtual void HandOn() = 0;
};

}  // namespace sorvane
