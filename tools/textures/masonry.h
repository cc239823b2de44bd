// Laid stone and brick: blocks in courses with mortar joints, bevelled edges,
// per-block colour, weathering and algae. The wall family uses big dressed
// blocks in stone colours, the brick family small fired bricks in running bond.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct MasonryStyle {
  uint32_t seed = 0;
  int courses = 4;              // block rows per tile
  int blocksPerCourse = 3;
  bool runningBond = false;     // every other course shifted by half a block (needs an even course count)
  float jointJitter = 0.25f;    // randomness of the vertical joints (block widths)
  float mortarWidth = 0.035f;   // in block heights
  float bevel = 0.12f;          // width of the worn edge, in block heights
  uint32_t stone = 0xb7aa90;
  uint32_t stoneVariation = 0x8c7f66;  // per-block tint toward this colour
  float variation = 0.35f;
  uint32_t mortar = 0x6b6456;
  float roughness = 0.18f;      // surface noise
  float weathering = 0.3f;      // dark stains
  uint32_t stainColour = 0x4c4a3c;
  float algae = 0.2f;
  uint32_t algaeColour = 0x56703a;
  float chips = 0.2f;           // broken corners
};

// The nine wall textures, in resource order 247, 248, 249, 305, 306, 321, 322, 323, 324.
std::vector<MasonryStyle> WallStyles();
// The five brick textures, in resource order 295, 296, 297, 298, 299.
std::vector<MasonryStyle> BrickStyles();

Canvas PaintMasonry(int width, int height, const MasonryStyle& style);

}  // namespace sorvane::imagegen
