// Coral surfaces: polyp-studded branches, brain-coral meanders, tube coral,
// porous skeleton and sponge, and the alpha-cut lattice of a sea fan.
#pragma once
#include <cstdint>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

enum class CoralPattern {
  Polyps,    // small raised cups with dark mouths
  Meanders,  // winding ridges and grooves
  Tubes,     // larger open tubes
  Pores,     // pitted porous matrix
};

struct CoralStyle {
  uint32_t seed = 0;
  CoralPattern pattern = CoralPattern::Polyps;
  int cellsAcross = 10;      // polyps, tubes or pores per tile; ridges for meanders
  uint32_t base = 0xd8826a;
  uint32_t highlight = 0xffc8a8;
  uint32_t deep = 0x6a2a2a;  // colour of mouths, grooves and holes
  float tone = 0.2f;         // broad colour variation
  uint32_t toneColour = 0xc0506a;
};

CoralStyle CoralBaseStyle();     // 327: pale porous skeleton
CoralStyle BranchCoralStyle();   // 328: pink branches with polyps
CoralStyle TubeCoralStyle();     // 329: violet tubes
CoralStyle BrainCoralStyle();    // 331: green-tan meanders
CoralStyle SpongeStyle();        // 332: yellow sponge

Canvas PaintCoral(int width, int height, const CoralStyle& style);

struct SeaFanParams {
  uint32_t seed = 330;
  int cellsAcross = 7;
  float branchWidth = 0.11f;  // in cell units
  uint32_t colour = 0xb8326a;
  uint32_t tipColour = 0xf07aa0;
};

// Lattice on transparency; the holes have alpha 0, the branches alpha 1.
Canvas PaintSeaFan(int size, const SeaFanParams& params = {});

}  // namespace sorvane::imagegen
