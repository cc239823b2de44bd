// Paints the preview scene back to front: water, surface, rays, distant ruin,
// dunes, plant, fish, bubbles.
#include "tools/shell_images/preview_picture.h"

#include <algorithm>
#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"
#include "tools/imagegen/palette.h"
#include "tools/shell_images/fish_silhouette.h"

namespace sorvane::imagegen {

namespace {

const ColourRamp kWater{{0.0f, Hex(0x86d8e2)}, {0.12f, Hex(0x3aa6bf)}, {0.45f, Hex(0x17718f)},
                        {0.8f, Hex(0x0e526c)}, {1.0f, Hex(0x0b4660)}};

// Height of a dune line (picture fraction from the top) along x.
float DuneLine(float x, float base, float amplitude, uint32_t seed) {
  return base - amplitude * (0.6f * GradientNoise(x * 2.2f, 0.5f, 0, 0, seed) +
                             0.4f * std::sin(x * 3.1f + static_cast<float>(seed % 7)));
}

Rgba Water(float v) { return kWater(v); }

Rgba Surface(float x, float v, const PreviewParams& p) {
  // The surface seen from below recedes toward a horizon at the band's bottom.
  float depth = 1.0f / (p.surfaceBand + 0.02f - v);
  float sx = (x - 0.7f) * depth * 0.9f, sz = depth * 0.9f;
  CellularResult c = Cellular(sx, sz, 0, p.seed, 0.9f);
  float line = std::exp(-std::pow((c.f2 - c.f1) / 0.09f, 2.0f));
  float fade = SmoothStep(p.surfaceBand, 0.0f, v);
  return Added(Water(v), Scaled(Hex(0xe8fbff), line * 0.55f * fade));
}

float Rays(float x, float v, const PreviewParams& p) {
  // Shafts lean like the scene's rays: their tops lie to the right of their feet.
  float sum = 0;
  for (int i = 0; i < p.rayCount; ++i) {
    float top = 0.15f + 1.25f * HashUnit(i, 0, 0, p.seed);
    float width = 0.015f + 0.03f * HashUnit(i, 1, 0, p.seed);
    float along = top - v * (5.0f / 12.0f);
    float d = (x - along) / width;
    sum += std::exp(-d * d) * (0.5f + 0.5f * HashUnit(i, 2, 0, p.seed));
  }
  return sum * p.rayStrength * std::pow(1.0f - v, 1.4f);
}

bool InRuin(float x, float v) {
  // A broken column far off, standing on the farthest dune.
  float left = 0.36f, right = 0.41f;
  float top = 0.40f + 0.03f * std::sin(x * 180.0f) * std::sin(x * 57.0f);
  if (x > left && x < right && v > top) return true;
  // Fallen drum beside it.
  return EllipseDistance(x, v, 0.47f, 0.655f, 0.045f, 0.02f) < 0;
}

Rgba Sand(float x, float v, float fog, uint32_t seed, float slope) {
  Rgba sand = Hex(0xd9c18f);
  float ripple = 0.5f + 0.5f * std::sin(x * 95.0f + 8.0f * GradientNoise(x * 4, v * 12, 0, 0, seed));
  float grain = HashUnit(static_cast<uint32_t>(x * 2000), static_cast<uint32_t>(v * 2000), 3, seed);
  // Caustic light, squashed by the perspective of the ground.
  float warp = 0.3f * GradientNoise(x * 9, v * 20, 0, 0, seed + 9);
  CellularResult c = Cellular(x * 11 + warp, v * 34 + warp, 0, seed + 5, 0.9f);
  float caustic = std::exp(-std::pow((c.f2 - c.f1) / 0.07f, 2.0f));
  Rgba lit = Scaled(sand, 0.66f + 0.12f * ripple + 0.06f * grain + 0.25f * caustic + slope);
  return Mix(lit, Water(0.9f), fog);
}

Rgba PlantColour(float x, float v, float t) {
  Rgba base = Mix(Hex(0x1d5e2c), Hex(0x7cc24a), t);
  return Scaled(base, 0.9f + 0.1f * std::sin(x * 300.0f + v * 80.0f));
}

// Blades of sea grass rising from the bottom left; returns coverage and tip fraction.
bool InPlant(float x, float v, float& tip) {
  static const float kBlades[][4] = {
      // root x, height, lean, phase
      {0.12f, 0.42f, -0.10f, 0.0f}, {0.16f, 0.52f, 0.05f, 1.3f}, {0.19f, 0.36f, 0.14f, 2.1f},
      {0.10f, 0.30f, -0.18f, 0.7f}, {0.22f, 0.28f, 0.22f, 2.9f}, {0.14f, 0.46f, -0.02f, 4.0f},
      {0.07f, 0.24f, -0.12f, 5.1f}, {0.25f, 0.20f, 0.12f, 3.3f}};
  for (const auto& b : kBlades) {
    float t = (1.02f - v) / b[1];
    if (t < 0 || t > 1) continue;
    float centre = b[0] + b[2] * t * t + 0.015f * std::sin(t * 6.0f + b[3]);
    float halfWidth = 0.015f * (1.0f - 0.8f * t);
    if (std::fabs(x - centre) < halfWidth) {
      tip = t;
      return true;
    }
  }
  return false;
}

struct PreviewFish {
  FishSilhouette shape;
  Rgba back, flank, band;
  float fog;
  bool banded;
};

bool FishColour(const PreviewFish& f, float x, float v, Rgba& out) {
  const FishSilhouette& s = f.shape;
  if (s.InEye(x, v)) {
    out = s.InPupilHighlight(x, v) ? Hex(0xffffff) : Hex(0x101418);
  } else if (s.InBody(x, v)) {
    float across = s.Across(v), along = s.Along(x);
    out = Mix(f.back, f.flank, SmoothStep(-0.9f, 0.4f, across));
    if (f.banded) {
      // Bands just behind the head and before the tail.
      float bend = 0.15f * across * across;
      float band = std::min(std::fabs(along - 0.38f + bend), std::fabs(along + 0.38f + bend));
      if (band < 0.12f) out = band < 0.085f ? f.band : Hex(0x1a1a1a);
    } else {
      float stripe = std::fabs(across + 0.05f + 0.1f * along);
      if (stripe < 0.16f) out = f.band;
    }
    out = Scaled(out, 1.05f - 0.25f * SmoothStep(0.2f, 1.0f, across));
  } else if (s.InTail(x, v)) {
    out = Scaled(f.flank, 0.85f);
  } else {
    return false;
  }
  out = Mix(out, Water(v), f.fog);
  return true;
}

bool Bubble(float x, float v, Rgba under, Rgba& out) {
  static const float kBubbles[][3] = {{0.215f, 0.50f, 0.013f}, {0.235f, 0.41f, 0.010f},
                                      {0.205f, 0.32f, 0.015f}, {0.228f, 0.22f, 0.011f},
                                      {0.214f, 0.12f, 0.009f}};
  for (const auto& b : kBubbles) {
    float dx = x - b[0], dy = v - b[1];
    float d = std::sqrt(dx * dx + dy * dy) / b[2];
    if (d > 1) continue;
    float rim = SmoothStep(0.55f, 1.0f, d);
    float glint = (dx < 0 && dy < 0 && d > 0.3f && d < 0.7f) ? 0.5f : 0.0f;
    out = Added(under, Scaled(Hex(0xdff6ff), 0.6f * rim + glint));
    return true;
  }
  return false;
}

}  // namespace

Canvas PaintPreview(const PreviewParams& p) {
  float aspect = static_cast<float>(p.width) / static_cast<float>(p.height);
  PreviewFish big{{0.93f, 0.46f, 0.14f, 0.07f, true}, Hex(0xd2561a), Hex(0xfb9a2c), Hex(0xf4f1e8),
                  0.0f, true};
  PreviewFish small{{0.52f, 0.30f, 0.055f, 0.022f, false}, Hex(0x1f4fa8), Hex(0xd9e4ee), Hex(0x3ad0ff),
                    0.25f, false};
  PreviewFish far{{1.18f, 0.26f, 0.04f, 0.017f, false}, Hex(0x5a6f7c), Hex(0xc9d8df), Hex(0x93aab6),
                  0.4f, false};
  return Paint(p.width, p.height, p.supersample, [&](float u, float v) {
    float x = u * aspect;
    Rgba c = v < p.surfaceBand ? Surface(x, v, p) : Water(v);
    c = Added(c, Scaled(Hex(0xd8f6ff), Rays(x, v, p)));
    float farLine = DuneLine(x, 0.66f, 0.04f, p.seed + 1);
    float midLine = DuneLine(x, 0.77f, 0.07f, p.seed + 2);
    float nearLine = DuneLine(x, 0.89f, 0.06f, p.seed + 3);
    if (InRuin(x, v) && v < farLine + 0.04f) c = Mix(Hex(0xb8b0a0), Water(v), 0.62f);
    // Each dune is lit along its crest and shaded toward its foot.
    auto shade = [&](float line, float depth) {
      return 0.22f * SmoothStep(line + 0.05f, line, v) - 0.18f * SmoothStep(line, line + depth, v);
    };
    if (v > farLine) c = Sand(x, v, 0.6f, p.seed + 11, shade(farLine, 0.1f));
    if (v > midLine) c = Sand(x, v, 0.36f, p.seed + 12, shade(midLine, 0.12f));
    if (v > nearLine) c = Sand(x, v, 0.08f, p.seed + 13, shade(nearLine, 0.14f));
    Rgba f;
    if (FishColour(far, x, v, f)) c = f;
    if (FishColour(small, x, v, f)) c = f;
    if (FishColour(big, x, v, f)) c = f;
    float tip = 0;
    if (InPlant(x, v, tip)) c = PlantColour(x, v, tip);
    if (Bubble(x, v, c, f)) c = f;
    // A soft vignette draws the eye to the middle.
    float du = u - 0.5f, dv = v - 0.45f;
    c = Scaled(c, 1.0f - 0.35f * (du * du + dv * dv));
    c.a = 1;
    return c;
  });
}

IndexedImage PreviewIndexed(const PreviewParams& params) {
  return QuantiseMedianCut(PaintPreview(params), 256, true);
}

}  // namespace sorvane::imagegen
