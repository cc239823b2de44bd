// Bubble, shimmer and light-ray painters.
#include "tools/textures/water_effects.h"

#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

namespace {
constexpr float kTwoPi = 6.28318530718f;
}

Canvas PaintBubble(int size, const BubbleParams& p) {
  Rgba colour = Hex(p.colour);
  return Paint(size, size, 8, [&](float u, float v) -> Rgba {
    float dx = u - 0.5f, dy = v - 0.5f;
    float d = std::sqrt(dx * dx + dy * dy) / p.radius;
    if (d > 1) return {0, 0, 0, 0};
    float rim = SmoothStep(1.0f - p.rimWidth, 0.97f, d) * SmoothStep(1.0f, 0.97f, d);
    float alpha = p.fill + (1 - p.fill) * rim;
    // The window highlight up and left, a faint reflected crescent down and right.
    float hx = u - 0.36f, hy = v - 0.33f;
    float highlight = SmoothStep(0.12f, 0.05f, std::sqrt(hx * hx * 1.4f + hy * hy));
    float crescent = SmoothStep(0.8f, 0.9f, d) * SmoothStep(0.0f, 0.3f, dx + dy) * 0.4f;
    alpha = Clamp01(alpha + highlight + crescent);
    Rgba c = Mix(colour, Hex(0xffffff), highlight);
    c.a = alpha;
    return c;
  });
}

Canvas PaintShimmerFrame(int frame, const ShimmerParams& p) {
  float loop = static_cast<float>(frame) / static_cast<float>(p.frameCount);
  int n = p.cellsAcross;
  return Paint(p.size, p.size, 4, [&](float u, float v) -> Rgba {
    float time = loop * 2;  // two warp lattice steps per loop
    float wx = 0.3f * Fbm3(u * 2, v * 2, time, 2, 2, 2, p.seed + 1, {2, 0.5f});
    float wy = 0.3f * Fbm3(u * 2, v * 2, time, 2, 2, 2, p.seed + 2, {2, 0.5f});
    CellularResult c = Cellular(u * n + wx, v * n + wy, n, p.seed, 0.5f, kTwoPi * loop, p.wander);
    float edge = (c.f2 - c.f1) / p.softness;
    float light = std::exp(-edge * edge);
    float glow = 0.5f + 0.5f * Fbm3(u * 2, v * 2, time, 2, 2, 2, p.seed + 3, {3, 0.5f});
    float g = Clamp01(p.floor + p.bandStrength * light + p.glowStrength * glow * glow);
    return {g, g, g, 1};
  });
}

Canvas PaintLightRay(int size, const LightRayParams& p) {
  Rgba colour = Hex(p.colour);
  return Paint(size, size, 4, [&](float u, float v) -> Rgba {
    float across = (u - 0.5f) / p.coreWidth;
    float core = std::exp(-across * across);
    float streak = ValueNoise(u * 14, v * 1.5f, 14, 0, p.seed) * 0.6f + ValueNoise(u * 30, v * 3, 30, 0, p.seed + 1) * 0.4f;
    float body = core * (1.0f - p.streaks + p.streaks * 2.0f * streak);
    float fade = SmoothStep(1.0f, 1.0f - p.footFade, v) * SmoothStep(0.0f, 0.04f, v);
    // Hard edges at u = 0 and 1 would show as lines on the quad's long sides.
    float sides = SmoothStep(0.0f, 0.12f, u) * SmoothStep(1.0f, 0.88f, u);
    Rgba c = colour;
    c.a = Clamp01(body * fade * sides);
    return c;
  });
}

}  // namespace sorvane::imagegen
