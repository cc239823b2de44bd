#include "saver/cycle_hand_over.h"

#include "base/random.h"

namespace sorvane {

bool BetweenFramesHandOver::TakeBack(uint32_t) {
  if (!handedOn_) return false;
  handedOn_ = false;
  const uint32_t drawing = RandomState();
  SeedRandom(random_);
  cycle_();
  random_ = RandomState();
  SeedRandom(drawing);
  return true;
}

}  // namespace sorvane
