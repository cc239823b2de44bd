// Stone painter: tone noise, flecks, strata, cracks, pits and algae layered on
// one base colour.
#include "tools/textures/stones.h"

#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

StoneStyle GraniteStone() {
  return {.seed = 240, .base = 0x8d8b86, .dark = 0x3b3a3c, .light = 0xe2ddd2, .toneContrast = 0.2f,
          .speckle = 0.22f, .cracks = 0.35f, .pits = 0.15f};
}

StoneStyle SandstoneStone() {
  return {.seed = 237, .base = 0xb48a5c, .dark = 0x6d4b2e, .light = 0xd9b98a, .toneContrast = 0.22f,
          .speckle = 0.05f, .strataCount = 7, .strataContrast = 0.55f, .cracks = 0.2f, .pits = 0.3f};
}

StoneStyle MossyStone() {
  return {.seed = 290, .base = 0x5b5f5e, .dark = 0x26292b, .light = 0x8f9690, .toneContrast = 0.3f,
          .speckle = 0.06f, .moss = 0.45f, .mossColour = 0x4d6a26, .cracks = 0.15f, .pits = 0.1f};
}

Canvas PaintStone(int size, const StoneStyle& s) {
  Rgba base = Hex(s.base), dark = Hex(s.dark), light = Hex(s.light), moss = Hex(s.mossColour);
  return Paint(size, size, 2, [&](float u, float v) {
    float tone = Fbm(u * 3, v * 3, 3, 3, s.seed, {5, 0.55f});
    Rgba c = tone < 0 ? Mix(base, dark, -tone * s.toneContrast * 2) : Mix(base, light, tone * s.toneContrast * 2);
    if (s.strataCount > 0) {
      float bend = 0.6f * Fbm(u * 2, v * 2, 2, 2, s.seed + 1, {3, 0.5f});
      float band = 0.5f + 0.5f * std::sin(6.28318530718f * (v * s.strataCount) + bend * 6.0f +
                                          1.5f * std::sin(6.28318530718f * u));
      c = Mix(c, Mix(dark, light, band), s.strataContrast * 0.5f);
    }
    if (s.speckle > 0) {
      int f = size * 3 / 5;  // flecks a little over a texel wide
      float fleck = ValueNoise(u * f, v * f, f, f, s.seed + 2);
      if (fleck < s.speckle * 0.9f) c = Mix(c, dark, 0.7f);
      if (fleck > 1.0f - s.speckle * 0.6f) c = Mix(c, light, 0.6f);
    }
    if (s.cracks > 0) {
      CellularResult cell = Cellular(u * 5, v * 5, 5, s.seed + 3, 0.9f);
      float crack = std::exp(-std::pow((cell.f2 - cell.f1) / 0.03f, 2.0f));
      float broken = SmoothStep(-0.1f, 0.3f, Fbm(u * 4, v * 4, 4, 4, s.seed + 4, {3, 0.5f}));
      c = Mix(c, dark, crack * broken * s.cracks * 1.6f);
    }
    if (s.pits > 0) {
      CellularResult pit = Cellular(u * 14, v * 14, 14, s.seed + 5, 0.9f);
      float hole = SmoothStep(0.22f, 0.08f, pit.f1) * (HashUnit(pit.id, 0, 0, s.seed) < 0.4f ? 1.0f : 0.0f);
      c = Mix(c, dark, hole * s.pits * 2.0f);
    }
    if (s.moss > 0) {
      float cover = Fbm(u * 4, v * 4, 4, 4, s.seed + 6, {5, 0.6f});
      float amount = SmoothStep(0.5f - s.moss, 0.7f - s.moss, cover);
      int f = size / 2;
      float tuft = ValueNoise(u * f, v * f, f, f, s.seed + 7);
      Rgba m = Scaled(moss, 0.7f + 0.6f * tuft);
      c = Mix(c, m, amount * 0.9f);
    }
    return c;
  });
}

}  // namespace sorvane::imagegen
