// Caustics: the edges of a periodic Voronoi diagram whose points circle on
// closed loops, bent by noise that is periodic in time. Every moving part goes
// once (or twice) round per loop, so frame count ≡ frame 0.
#include "tools/textures/caustics.h"

#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

namespace {

constexpr float kTwoPi = 6.28318530718f;
constexpr int kWarpTimePeriod = 2;  // lattice steps of the warp noise along time per loop

// A bright core on each cell edge with a soft glow around it.
float Network(float x, float y, int period, uint32_t seed, float phase, float wander, float width) {
  // Jitter and wander keep every point within half a cell of its centre, so the
  // 3 × 3 search always finds the true nearest points.
  CellularResult c = Cellular(x, y, period, seed, 0.6f, phase, wander);
  float edge = (c.f2 - c.f1) / width;
  return std::exp(-edge * edge) + 0.18f * std::exp(-edge * 0.5f);
}

}  // namespace

Canvas PaintCausticFrame(int frame, const CausticParams& p) {
  float loop = static_cast<float>(frame) / static_cast<float>(p.frameCount);
  float phase = kTwoPi * loop;
  float time = loop * kWarpTimePeriod;
  Rgba dark = Hex(p.darkColour), bright = Hex(p.brightColour);
  int n = p.cellsAcross;
  return Paint(p.size, p.size, 4, [&](float u, float v) {
    float wx = p.warp * Fbm3(u * 3, v * 3, time, 3, 3, kWarpTimePeriod, p.seed + 1, {3, 0.5f});
    float wy = p.warp * Fbm3(u * 3, v * 3, time, 3, 3, kWarpTimePeriod, p.seed + 2, {3, 0.5f});
    float x = u * n + wx, y = v * n + wy;
    // The line width swells and thins along the network, as focused light does.
    float swell = 0.6f + 0.8f * (0.5f + 0.5f * Fbm3(u * 4, v * 4, time, 4, 4, kWarpTimePeriod, p.seed + 4, {2, 0.5f}));
    float main = Network(x, y, n, p.seed, phase, p.wander, p.lineWidth * swell);
    float fine = Network(x * 2 + 0.37f, y * 2 + 0.71f, 2 * n, p.seed + 3, -phase, p.wander, p.lineWidth * 1.6f);
    float light = Clamp01(main * (0.7f + 0.3f * swell) + p.fineStrength * fine * (1.0f - main));
    return Mix(dark, bright, std::pow(light, 0.8f));
  });
}

}  // namespace sorvane::imagegen
