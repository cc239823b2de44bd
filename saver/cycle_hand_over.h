// The two ways the fish go to the calculation cycle and come back: through the
// two events to the calculation thread, or to the cycle run on the drawing
// thread itself.
#pragma once
#include <cstdint>
#include <functional>
#include <utility>

#include "base/auto_reset_event.h"
#include "render/fish_hand_over.h"

namespace sorvane {

// The start event wakes the thread; the done event brings the fish back.
class ThreadHandOver final : public FishHandOver {
 public:
  ThreadHandOver(AutoResetEvent& startCalculation, AutoResetEvent& calculationDone)
      : startCalculation_(startCalculation), calculationDone_(calculationDone) {}
  bool TakeBack(uint32_t timeoutMs) override { return calculationDone_.Wait(timeoutMs); }
  void HandOn() override { startCalculation_.Set(); }

 private:
  AutoResetEvent& startCalculation_;
  AutoResetEvent& calculationDone_;
};

// The cycle runs when the frame takes the fish back, from a random sequence of
// its own that starts where the calculation thread's would: a seed gives the
// same frames either way.
class BetweenFramesHandOver final : public FishHandOver {
 public:
  BetweenFramesHandOver(std::function<void()> cycle, uint32_t seed) : cycle_(std::move(cycle)), random_(seed) {}
  bool TakeBack(uint32_t timeoutMs) override;
  void HandOn() override { handedOn_ = true; }

 private:
  std::function<void()> cycle_;
  uint32_t random_;
  bool handedOn_ = false;
};

}  // namespace sorvane
