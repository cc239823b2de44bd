// The caustic light pattern: sunlight focused by a rippled water surface onto
// the ground below, 32 frames that tile seamlessly and loop from the last back
// to the first.
#pragma once
#include <cstdint>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct CausticParams {
  int size = 64;
  int frameCount = 32;
  int raysAcross = 512;         // rays traced per frame along each side of the tile
  float depth = 0.9f;           // of the ground below the surface, in tile widths
  float refractiveIndex = 1.33f;
  // Tone mapping of the gathered light (1 = the mean): the ground's level
  // rises as 1 − e^(−exposure × light^contrast).
  float exposure = 0.33f;
  float contrast = 2.5f;
  uint32_t darkColour = 0x4a6a78;
  uint32_t brightColour = 0xfffff2;
};

// Frame `frame` of the loop; frame frameCount is frame 0 again.
Canvas PaintCausticFrame(int frame, const CausticParams& params = {});

}  // namespace sorvane::imagegen
