// Plant sprites cut out by alpha: a leafy frond, a tuft of grass blades, a kelp
// leaf and a single ribbon of sea grass. Each stands upright with its base at
// the bottom edge (v = 1) and its tip toward the top (v = 0).
#pragma once
#include <cstdint>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct FrondParams {
  uint32_t seed = 239;
  int leafletPairs = 9;
  float leafletLength = 0.46f;  // of the width, at the base of the frond
  uint32_t stemColour = 0x4a5a1e;
  uint32_t leafColour = 0x5f8f2a;
  uint32_t tipColour = 0xa8c850;
};
Canvas PaintFrond(int size, const FrondParams& params = {});

struct GrassTuftParams {
  uint32_t seed = 242;
  int blades = 9;
  float spread = 0.42f;     // how far the outer blades lean, as a width fraction
  float bladeWidth = 0.05f;
  uint32_t baseColour = 0x2c6a2a;
  uint32_t tipColour = 0x9ad04a;
};
Canvas PaintGrassTuft(int size, const GrassTuftParams& params = {});

struct KelpLeafParams {
  uint32_t seed = 244;
  float waviness = 0.06f;   // ruffle of the leaf edge
  uint32_t colour = 0x7a6a24;
  uint32_t edgeColour = 0xb8a040;
  uint32_t bladderColour = 0x6a5018;
};
Canvas PaintKelpLeaf(int width, int height, const KelpLeafParams& params = {});

struct RibbonParams {
  uint32_t seed = 326;
  int veins = 5;
  uint32_t baseColour = 0x2f7a34;
  uint32_t tipColour = 0xc0d860;
};
Canvas PaintRibbonBlade(int width, int height, const RibbonParams& params = {});

}  // namespace sorvane::imagegen
