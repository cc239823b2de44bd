// Plant sprite painters: shapes from simple curves, coloured from base to tip,
// transparent outside the shape.
#include "tools/textures/plants.h"

#include <algorithm>
#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

namespace {

constexpr Rgba kClear{0, 0, 0, 0};
constexpr float kPi = 3.14159265359f;

Rgba Opaque(Rgba c) {
  c.a = 1;
  return c;
}

}  // namespace

Canvas PaintFrond(int size, const FrondParams& p) {
  Rgba stem = Hex(p.stemColour), leaf = Hex(p.leafColour), tip = Hex(p.tipColour);
  return Paint(size, size, 4, [&](float u, float v) -> Rgba {
    float t = 1.0f - v;  // 0 at the base, 1 at the top
    auto stemX = [](float height) { return 0.5f + 0.06f * std::sin(height * 2.5f); };
    float sx = stemX(t);
    if (std::fabs(u - sx) < 0.012f * (1.0f - 0.7f * t) && t < 0.97f) return Opaque(stem);
    // Leaflets leave the stem at alternating heights and curve upward.
    for (int i = 0; i < p.leafletPairs * 2; ++i) {
      float side = (i % 2) ? 1.0f : -1.0f;
      float at = 0.08f + 0.85f * static_cast<float>(i) / static_cast<float>(p.leafletPairs * 2);
      float length = p.leafletLength * (1.0f - 0.65f * at) * (0.85f + 0.3f * HashUnit(i, 0, 0, p.seed));
      float ax = stemX(at), ay = at;
      // Leaflet axis: out to the side and up.
      float dx = side * 0.85f, dy = 0.5f;
      float lx = (u - ax) * dx + (t - ay) * dy;  // along the leaflet
      float ly = -(u - ax) * dy + (t - ay) * dx;  // across it
      if (lx < 0 || lx > length) continue;
      float along = lx / length;
      float bend = 0.25f * along * along * length;  // tips curl upward
      float half = 0.055f * (1.0f - 0.4f * at) * std::sin(kPi * std::pow(along, 0.7f));
      if (std::fabs(ly - side * bend) > half) continue;
      float vein = std::fabs(ly - side * bend) / std::max(half, 1e-4f);
      Rgba c = Mix(leaf, tip, along * 0.8f + 0.2f * t);
      c = Scaled(c, 0.8f + 0.25f * vein - (vein < 0.12f ? 0.15f : 0.0f));
      return Opaque(c);
    }
    return kClear;
  });
}

Canvas PaintGrassTuft(int size, const GrassTuftParams& p) {
  Rgba base = Hex(p.baseColour), tipColour = Hex(p.tipColour);
  return Paint(size, size, 4, [&](float u, float v) -> Rgba {
    float t = 1.0f - v;
    for (int i = 0; i < p.blades; ++i) {
      float k = static_cast<float>(i) / static_cast<float>(p.blades - 1) * 2 - 1;  // −1 … 1
      float height = 0.7f + 0.28f * HashUnit(i, 0, 0, p.seed) * (1.0f - 0.5f * std::fabs(k));
      if (t > height) continue;
      float s = t / height;
      float lean = k * p.spread * s * s + 0.03f * std::sin(s * 5.0f + static_cast<float>(i));
      float centre = 0.5f + 0.04f * k + lean;
      float half = p.bladeWidth * 0.5f * (1.0f - std::pow(s, 1.6f));
      float d = std::fabs(u - centre);
      if (d > half) continue;
      Rgba c = Mix(base, tipColour, s);
      // A lighter midrib and darker edges give the blades some body.
      c = Scaled(c, 1.05f - 0.3f * (d / std::max(half, 1e-4f)) * (d / std::max(half, 1e-4f)));
      c = Scaled(c, 0.9f + 0.15f * HashUnit(i, 1, 0, p.seed));
      return Opaque(c);
    }
    return kClear;
  });
}

Canvas PaintKelpLeaf(int width, int height, const KelpLeafParams& p) {
  Rgba colour = Hex(p.colour), edge = Hex(p.edgeColour), bladder = Hex(p.bladderColour);
  float aspect = static_cast<float>(height) / static_cast<float>(width);
  return Paint(width, height, 4, [&](float u, float v) -> Rgba {
    float t = 1.0f - v;
    // Gas bladder at the foot of the leaf.
    float bx = (u - 0.5f), by = (t - 0.1f) * aspect;  // in widths, so the bladder is round
    float bd = std::sqrt(bx * bx + by * by);
    if (bd < 0.13f) return Opaque(Scaled(bladder, 1.25f - 0.9f * bd / 0.13f + (bx < -0.03f && by > 0.03f ? 0.2f : 0)));
    if (t < 0.18f) {
      if (std::fabs(u - 0.5f) < 0.04f) return Opaque(bladder);  // stipe
      return kClear;
    }
    float s = (t - 0.18f) / 0.8f;
    if (s > 1) return kClear;
    float centre = 0.5f + 0.05f * std::sin(s * 7.0f);
    float half = 0.45f * std::sin(kPi * std::pow(s, 0.6f)) * (1.0f - 0.15f * s);
    float ruffle = p.waviness * std::sin(s * 60.0f + 3.0f * Fbm(s * 4, 0.5f, 0, 0, p.seed, {2, 0.5f}));
    float d = std::fabs(u - centre);
    if (d > half + ruffle * half) return kClear;
    float across = d / std::max(half, 1e-4f);
    Rgba c = Mix(colour, edge, SmoothStep(0.5f, 1.1f, across));
    if (d < 0.02f) c = Scaled(colour, 0.75f);  // midrib
    c = Scaled(c, 0.9f + 0.2f * ValueNoise(u * 16, v * 64, 16, 64, p.seed + 1));
    return Opaque(c);
  });
}

Canvas PaintRibbonBlade(int width, int height, const RibbonParams& p) {
  Rgba base = Hex(p.baseColour), tip = Hex(p.tipColour);
  return Paint(width, height, 4, [&](float u, float v) -> Rgba {
    float t = 1.0f - v;
    float half = 0.42f * (t < 0.85f ? 1.0f : std::sqrt(std::max(0.0f, (1.0f - t) / 0.15f)));
    float centre = 0.5f + 0.04f * std::sin(t * 9.0f);
    float d = u - centre;
    if (std::fabs(d) > half || t > 0.995f) return kClear;
    float across = d / std::max(half, 1e-4f);  // −1 … 1
    Rgba c = Mix(base, tip, std::pow(t, 1.5f));
    float vein = std::fabs(std::sin(kPi * (across + 1) * 0.5f * static_cast<float>(p.veins)));
    c = Scaled(c, 0.88f + 0.14f * vein - 0.12f * across * across);
    // Small brown spots of epiphytes toward the old tip.
    float spot = ValueNoise(u * 8, v * 64, 8, 64, p.seed);
    if (spot > 0.86f && t > 0.6f) c = Mix(c, Hex(0x8a7a3a), 0.35f);
    return Opaque(c);
  });
}

}  // namespace sorvane::imagegen
