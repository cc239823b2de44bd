// Coral painters built on periodic cellular and gradient noise.
#include "tools/textures/corals.h"

#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

CoralStyle CoralBaseStyle() {
  return {.seed = 327, .pattern = CoralPattern::Pores, .cellsAcross = 12, .base = 0xd6c7a6,
          .highlight = 0xf4ead2, .deep = 0x6e5f48, .tone = 0.25f, .toneColour = 0xb59a78};
}

CoralStyle BranchCoralStyle() {
  return {.seed = 328, .pattern = CoralPattern::Polyps, .cellsAcross = 11, .base = 0xe08a70,
          .highlight = 0xffd2b4, .deep = 0x7a2c34, .tone = 0.3f, .toneColour = 0xd0567a};
}

CoralStyle TubeCoralStyle() {
  return {.seed = 329, .pattern = CoralPattern::Tubes, .cellsAcross = 6, .base = 0x8e5aa8,
          .highlight = 0xd6b2ec, .deep = 0x2a1238, .tone = 0.25f, .toneColour = 0x5a4ab0};
}

CoralStyle BrainCoralStyle() {
  return {.seed = 331, .pattern = CoralPattern::Meanders, .cellsAcross = 9, .base = 0xa8a66e,
          .highlight = 0xdedaa0, .deep = 0x4a4a2a, .tone = 0.25f, .toneColour = 0x8aa070};
}

CoralStyle SpongeStyle() {
  return {.seed = 332, .pattern = CoralPattern::Pores, .cellsAcross = 7, .base = 0xe0b838,
          .highlight = 0xfff08a, .deep = 0x6a4a10, .tone = 0.3f, .toneColour = 0xd08a28};
}

namespace {

// Height 0 … 1 of the coral surface (1 raised, 0 deep).
float Relief(float u, float v, const CoralStyle& s) {
  int n = s.cellsAcross;
  switch (s.pattern) {
    case CoralPattern::Polyps: {
      CellularResult c = Cellular(u * n, v * n, n, s.seed, 0.7f);
      float cup = SmoothStep(0.5f, 0.25f, c.f1);    // raised cup
      float mouth = SmoothStep(0.12f, 0.2f, c.f1);  // dark hole in its middle
      return 0.35f + 0.65f * cup * mouth;
    }
    case CoralPattern::Meanders: {
      // Contour lines of a noise field wind like the valleys of a brain coral.
      float field = Fbm(u * 2, v * 2, 2, 2, s.seed, {4, 0.5f});
      float ridge = std::sin(6.28318530718f * static_cast<float>(n) * field);
      return 0.5f + 0.5f * std::tanh(2.5f * ridge);
    }
    case CoralPattern::Tubes: {
      CellularResult c = Cellular(u * n, v * n, n, s.seed, 0.6f);
      float rim = std::exp(-std::pow((c.f1 - 0.3f) / 0.08f, 2.0f));
      float inside = SmoothStep(0.3f, 0.2f, c.f1);
      float wall = SmoothStep(0.0f, 0.15f, c.f2 - c.f1);
      return Clamp01(0.45f * wall + 0.55f * rim - 0.4f * inside);
    }
    case CoralPattern::Pores: {
      CellularResult c = Cellular(u * n, v * n, n, s.seed, 0.9f);
      CellularResult f = Cellular(u * n * 3, v * n * 3, n * 3, s.seed + 1, 0.9f);
      float big = SmoothStep(0.12f, 0.3f, c.f1);
      float small = SmoothStep(0.08f, 0.22f, f.f1);
      return 0.2f + 0.8f * big * (0.6f + 0.4f * small);
    }
  }
  return 0.5f;
}

}  // namespace

Canvas PaintCoral(int width, int height, const CoralStyle& s) {
  Rgba base = Hex(s.base), high = Hex(s.highlight), deep = Hex(s.deep), toneColour = Hex(s.toneColour);
  float step = 0.5f / static_cast<float>(width);
  return Paint(width, height, 3, [&](float u, float v) {
    float h = Relief(u, v, s);
    // Light from the top left picks out the relief.
    float slope = Relief(u - step, v - step, s) - Relief(u + step, v + step, s);
    Rgba c = h < 0.5f ? Mix(deep, base, h * 2) : Mix(base, high, (h - 0.5f) * 1.2f);
    c = Scaled(c, 1.0f + 1.2f * slope);
    float tone = SmoothStep(-0.4f, 0.6f, Fbm(u * 3, v * 3, 3, 3, s.seed + 5, {4, 0.5f}));
    c = Mix(c, Scaled(toneColour, 0.6f + 0.6f * h), tone * s.tone * 2.0f);
    return c;
  });
}

Canvas PaintSeaFan(int size, const SeaFanParams& p) {
  Rgba colour = Hex(p.colour), tip = Hex(p.tipColour);
  return Paint(size, size, 4, [&](float u, float v) -> Rgba {
    float warp = 0.25f * Fbm(u * 3, v * 3, 3, 3, p.seed, {3, 0.5f});
    float x = u * p.cellsAcross + warp, y = v * p.cellsAcross - warp;
    CellularResult c = Cellular(x, y, p.cellsAcross, p.seed + 1, 0.9f);
    CellularResult fine = Cellular(x * 2, y * 2, p.cellsAcross * 2, p.seed + 2, 0.9f);
    float branch = c.f2 - c.f1;
    float twig = fine.f2 - fine.f1;
    bool solid = branch < p.branchWidth || (twig < p.branchWidth * 0.7f && c.f1 > 0.18f);
    if (!solid) return {0, 0, 0, 0};
    // Branch centres are darker, edges catch the light and show polyps.
    float core = std::min(branch / p.branchWidth, 1.0f);
    float polyp = HashUnit(static_cast<uint32_t>(u * size * 2), static_cast<uint32_t>(v * size * 2), 0, p.seed);
    Rgba out = Mix(Scaled(colour, 0.75f), tip, 0.5f * core + 0.3f * (polyp > 0.8f ? 1.0f : 0.0f));
    out.a = 1;
    return out;
  });
}

}  // namespace sorvane::imagegen
