// Small pictures of the water itself: the bubble, the screen shimmer frames
// and the light-ray streak.
#pragma once
#include <cstdint>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct BubbleParams {
  float radius = 0.45f;           // of the picture size
  float rimWidth = 0.22f;         // of the radius
  float fill = 0.10f;             // faint alpha inside the ring
  uint32_t colour = 0xd8f2ff;
};
// A transparent ring with a bright highlight, on full transparency.
Canvas PaintBubble(int size, const BubbleParams& params = {});

struct ShimmerParams {
  int size = 32;
  int frameCount = 12;
  uint32_t seed = 334;
  int cellsAcross = 2;
  float softness = 0.45f;  // width of the light bands, in cell units
  float wander = 0.2f;
  // Repeated 32 × 24 times over the screen, a strong net reads as a screen
  // door: keep the bands a gentle lift over an even floor.
  float floor = 0.4f;
  float bandStrength = 0.3f;
  float glowStrength = 0.2f;
};
// A soft, tiling grey light pattern; frame frameCount is frame 0 again.
Canvas PaintShimmerFrame(int frame, const ShimmerParams& params = {});

struct LightRayParams {
  uint32_t seed = 333;
  float coreWidth = 0.2f;     // gaussian width across the ray (u)
  float streaks = 0.35f;      // strength of the lengthwise streaks
  // How much of the length near the foot (v = 1) fades out. A ray is 12.5
  // units long and only its last 0.45 lie in view: fade no more than the part
  // below the highest ground (about 1 %), or the visible part is dark.
  float footFade = 0.012f;
  uint32_t colour = 0xe8f8ff;
};
// The ray streak: u across the ray, v along it from the top (0) to the foot (1);
// the brightness is in alpha.
Canvas PaintLightRay(int size, const LightRayParams& params = {});

}  // namespace sorvane::imagegen
