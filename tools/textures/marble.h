// Weathered marble for the columns: veined stone with optional flutes, pits,
// grime and a film of algae. Tiles seamlessly; flutes run along v.
#pragma once
#include <cstdint>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct MarbleStyle {
  uint32_t seed = 0;
  uint32_t base = 0xe6e0d4;
  uint32_t vein = 0x7d7a78;
  float veinStrength = 0.6f;
  float veinSharpness = 6.0f;  // higher: thinner veins
  float veinTurbulence = 2.5f;
  int flutes = 0;              // vertical grooves across the tile (0: plain)
  float fluteDepth = 0.25f;
  float grime = 0.25f;         // dark weathering in patches
  uint32_t grimeColour = 0x6f6a58;
  float algae = 0.15f;
  uint32_t algaeColour = 0x6f8a4a;
  float pits = 0.3f;
};

MarbleStyle FlutedMarble();
MarbleStyle VeinedMarble();
MarbleStyle GreenMarble();

Canvas PaintMarble(int width, int height, const MarbleStyle& style);

}  // namespace sorvane::imagegen
