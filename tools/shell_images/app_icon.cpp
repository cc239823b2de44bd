// Paints the icon at each size separately, so small sizes get their own margins
// rather than a blurred copy of the large one.
#include "tools/shell_images/app_icon.h"

#include <algorithm>
#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/paint.h"
#include "tools/shell_images/fish_silhouette.h"

namespace sorvane::imagegen {

namespace {

float RoundedSquareDistance(float u, float v, float margin, float radius) {
  float half = 0.5f - margin;
  float qx = std::fabs(u - 0.5f) - (half - radius);
  float qy = std::fabs(v - 0.5f) - (half - radius);
  float outside = std::sqrt(std::max(qx, 0.0f) * std::max(qx, 0.0f) + std::max(qy, 0.0f) * std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

}  // namespace

Canvas PaintIcon(int size, const IconParams& p) {
  float margin = 0.5f / static_cast<float>(size);  // keep half a pixel clear at the edge
  FishSilhouette fish{0.47f, 0.52f, 0.27f, 0.17f, false};
  bool detailed = size >= 32;
  return Paint(size, size, p.supersample, [&](float u, float v) -> Rgba {
    if (RoundedSquareDistance(u, v, margin, p.cornerRadius) > 0) return {0, 0, 0, 0};
    Rgba c = Mix(Hex(0x43c3e3), Hex(0x0a4f86), SmoothStep(0.0f, 1.0f, v));
    // A light wave across the top.
    float wave = 0.2f + 0.035f * std::sin(u * 12.0f);
    if (v < wave) c = Mix(c, Hex(0xa9ecf7), 0.45f);
    if (detailed) {
      // Two bubbles above the fish's head.
      float b1 = std::hypot(u - 0.8f, v - 0.33f), b2 = std::hypot(u - 0.86f, v - 0.2f);
      if ((b1 < 0.045f && b1 > 0.028f) || (b2 < 0.03f && b2 > 0.017f)) c = Mix(c, Hex(0xe6fbff), 0.8f);
    }
    if (fish.InEye(u, v)) return fish.InPupilHighlight(u, v) && detailed ? Hex(0xffffff) : Hex(0x14202a);
    if (fish.InBody(u, v)) {
      float across = fish.Across(v), along = fish.Along(u);
      c = Mix(Hex(0xffc23d), Hex(0xff7a1a), SmoothStep(-1.0f, 1.0f, across * 0.6f - along * 0.4f));
      float band = std::fabs(along - 0.1f + 0.12f * across * across);
      if (detailed && band < 0.16f) c = band < 0.11f ? Hex(0xfdf8ec) : Hex(0x2a2a2a);
      return c;
    }
    if (fish.InTail(u, v)) return Hex(0xf0621b);
    return c;
  });
}

std::vector<Canvas> IconSizes(const IconParams& params) {
  return {PaintIcon(16, params), PaintIcon(32, params), PaintIcon(48, params)};
}

}  // namespace sorvane::imagegen
