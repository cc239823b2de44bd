// Marble painter: turbulent sine veins, flute shading, weathering layers.
#include "tools/textures/marble.h"

#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

namespace {
constexpr float kPi = 3.14159265359f;
}

MarbleStyle FlutedMarble() {
  return {.seed = 291, .base = 0xe9e3d6, .vein = 0x8d8a86, .veinStrength = 0.45f, .flutes = 6,
          .fluteDepth = 0.3f, .grime = 0.3f, .algae = 0.2f};
}

MarbleStyle VeinedMarble() {
  return {.seed = 292, .base = 0xefe8dc, .vein = 0x5f5b5c, .veinStrength = 0.75f, .veinSharpness = 9.0f,
          .veinTurbulence = 3.2f, .grime = 0.2f, .grimeColour = 0x7b6a50, .algae = 0.12f, .pits = 0.4f};
}

MarbleStyle GreenMarble() {
  return {.seed = 293, .base = 0xa9b9a2, .vein = 0x2f4a3c, .veinStrength = 0.7f, .veinSharpness = 5.0f,
          .veinTurbulence = 2.0f, .grime = 0.3f, .grimeColour = 0x4a4a3a, .algae = 0.25f,
          .algaeColour = 0x55733a, .pits = 0.25f};
}

Canvas PaintMarble(int width, int height, const MarbleStyle& s) {
  Rgba base = Hex(s.base), vein = Hex(s.vein), grime = Hex(s.grimeColour), algae = Hex(s.algaeColour);
  return Paint(width, height, 2, [&](float u, float v) {
    float turbulence = Fbm(u * 3, v * 3, 3, 3, s.seed, {5, 0.55f});
    // sin(π(2u + v)) repeats over the tile; |sin| makes the veins.
    float wave = std::fabs(std::sin(kPi * (2 * u + v) + s.veinTurbulence * turbulence));
    float veinAmount = std::pow(1.0f - wave, s.veinSharpness) * s.veinStrength;
    float fine = std::fabs(std::sin(kPi * (4 * u - 2 * v) + 4.0f * Fbm(u * 5, v * 5, 5, 5, s.seed + 1)));
    veinAmount += 0.35f * std::pow(1.0f - fine, 14.0f) * s.veinStrength;
    Rgba c = Mix(base, vein, Clamp01(veinAmount));
    c = Scaled(c, 0.95f + 0.08f * Fbm(u * 8, v * 8, 8, 8, s.seed + 2, {3, 0.5f}));
    if (s.flutes > 0) {
      float f = u * s.flutes - std::floor(u * s.flutes);
      // A concave groove: darker in its hollow, a bright arris between grooves.
      float hollow = std::sin(kPi * f);
      float arris = std::exp(-std::pow(std::min(f, 1 - f) / 0.03f, 2.0f));
      float side = std::cos(kPi * f);  // light from one side
      c = Scaled(c, 1.0f - s.fluteDepth * (0.5f * hollow - 0.35f * side) + 0.15f * arris);
    }
    float dirt = SmoothStep(0.0f, 0.6f, Fbm(u * 4, v * 4, 4, 4, s.seed + 3, {5, 0.6f}));
    c = Mix(c, Mix(c, grime, 0.7f), dirt * s.grime * 2.0f);
    float film = SmoothStep(0.2f, 0.7f, Fbm(u * 3, v * 6, 3, 6, s.seed + 4, {4, 0.6f}));
    c = Mix(c, algae, film * s.algae * 2.0f);
    CellularResult pit = Cellular(u * 24, v * 24, 24, s.seed + 5, 0.9f);
    float hole = SmoothStep(0.2f, 0.08f, pit.f1) * (HashUnit(pit.id, 0, 0, s.seed) < 0.35f ? 1.0f : 0.0f);
    c = Mix(c, Scaled(grime, 0.6f), hole * s.pits);
    return c;
  });
}

}  // namespace sorvane::imagegen
