// Stone surfaces for the scattered rocks: speckled granite, banded sandstone
// and a dark pebble overgrown with algae. All tile seamlessly.
#pragma once
#include <cstdint>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct StoneStyle {
  uint32_t seed = 0;
  uint32_t base = 0x8a8a86;
  uint32_t dark = 0x4a4a48;
  uint32_t light = 0xc8c6c0;
  float toneContrast = 0.25f;  // broad light and dark areas
  float speckle = 0.0f;        // share of dark and light mineral flecks
  int strataCount = 0;         // bands across the tile (0: none)
  float strataContrast = 0.0f;
  float moss = 0.0f;           // share of the surface under algae
  uint32_t mossColour = 0x4f6b2e;
  float cracks = 0.0f;
  float pits = 0.0f;
};

StoneStyle GraniteStone();
StoneStyle SandstoneStone();
StoneStyle MossyStone();

Canvas PaintStone(int size, const StoneStyle& style);

}  // namespace sorvane::imagegen
