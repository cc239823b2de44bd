// The caustic light pattern: a bright, thin, wandering network on a dark
// ground, 32 frames that tile seamlessly and loop from the last back to the first.
#pragma once
#include <cstdint>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct CausticParams {
  int size = 64;
  int frameCount = 32;
  uint32_t seed = 195;
  int cellsAcross = 4;         // network cells per tile
  float lineWidth = 0.075f;    // in cell units
  float wander = 0.17f;        // how far the network's knots travel per loop
  float warp = 0.45f;          // slow bending of the lines
  float fineStrength = 0.18f;  // a second, finer network between the main lines
  uint32_t darkColour = 0x42606e;
  uint32_t brightColour = 0xfffff2;
};

Canvas PaintCausticFrame(int frame, const CausticParams& params = {});

}  // namespace sorvane::imagegen
