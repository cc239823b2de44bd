// The seabed sand: soft wind-blown-looking ripples, grain and a few shell
// specks, tiling seamlessly.
#pragma once
#include <cstdint>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct SandParams {
  int size = 256;
  uint32_t seed = 102;
  int ripplesAcross = 5;        // ripple crests per tile
  float rippleWarp = 0.12f;     // how far the crests wander (tile fractions)
  float rippleContrast = 0.1f;
  float grainContrast = 0.10f;
  float patchContrast = 0.07f;  // broad darker and lighter patches
  float speckDensity = 0.004f;  // share of bright shell specks
  uint32_t baseColour = 0xdcc79c;
};

Canvas PaintSand(const SandParams& params = {});

}  // namespace sorvane::imagegen
