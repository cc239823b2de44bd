#include "base/random.h"

namespace sorvane {

namespace {
// A fresh thread starts at 1, as the runtime's per-thread data does.
thread_local uint32_t state = 1;
}  // namespace

void SeedRandom(uint32_t seed) { state = seed; }

int Random() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFF);
}

uint32_t RandomState() { return state; }

}  // namespace sorvane
