// The C runtime's rand() reproduced bit for bit, so that a seed grows the same
// scene on Linux and Windows. Like the runtime, the state is kept per thread.
#pragma once
#include <cstdint>

namespace sorvane {

constexpr int kRandMax = 32767;

// Sets the calling thread's state (srand).
void SeedRandom(uint32_t seed);
// The next number 0 … 32767 of the calling thread's sequence (rand).
int Random();
// The calling thread's state, to hand on to another thread.
uint32_t RandomState();

// A draw in [0, 1]: rand() / 32767.
inline float RandomUnit() { return static_cast<float>(Random()) / static_cast<float>(kRandMax); }

// A draw scaled to [0, range]: rand() × range / 32767.
inline float RandomScaled(float range) { return static_cast<float>(Random()) * range / static_cast<float>(kRandMax); }

}  // namespace sorvane
