// The side fins' flap: once per calculation cycle the free corners of the
// small side fins of most species move a little along the body, in step for
// every fish, back and forth in strokes of 21 cycles.
#pragma once
#include <cstdint>

#include "scene/geometry/fish_models.h"

namespace sorvane {

struct FinFlap {
  uint8_t counter = 0;
  float step = -0.0001f;
};

// Whether a species' two 3-vertex fins flap.
bool SideFinsFlap(int species);

void FlapFins(FinFlap& flap, FishModels& models);

}  // namespace sorvane
