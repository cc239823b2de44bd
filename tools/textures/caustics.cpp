// Caustics as light makes them: parallel sunlight falls on a water surface of
// a few travelling waves, refracts, and lands on the ground a little below;
// where the ripples focus it, the landing rays crowd into bright filaments.
// Every wave fits the tile a whole number of times and goes a whole number of
// cycles round the loop, so the pattern tiles and frame frameCount is frame 0.
#include "tools/textures/caustics.h"

#include <cmath>
#include <vector>

#include "tools/imagegen/colour.h"

namespace sorvane::imagegen {

namespace {

constexpr float kTwoPi = 6.28318530718f;

struct SurfaceWave {
  int kx, ky;         // whole cycles across the tile along x and y
  float height;       // amplitude, in tile widths
  int cyclesPerLoop;  // whole cycles in time over the loop
  float phase;
};

// Ripples of 9 to 12 crests per tile from all sides, about as wide as the
// cells they draw, over two long gentle swells that bend the net so that no
// two cells are alike. Each ripple's height gives it about the same curvature,
// enough to nearly focus at the ground on its own; together they cross into
// cusps. Some go round twice per loop, so the net changes shape as it drifts.
constexpr SurfaceWave kWaves[] = {
    {9, 3, 0.00094f, 1, 0.0f},    {-3, 9, 0.00090f, 2, 1.9f},  {-8, -5, 0.00084f, 1, 4.1f}, {6, -8, 0.00086f, 2, 2.7f},
    {11, -3, 0.00050f, 2, 5.3f},  {-2, 12, 0.00042f, 2, 0.8f}, {3, 5, 0.0024f, 1, 3.6f},   {-5, 2, 0.0022f, 1, 5.9f},
};

// The surface's slope (dh/dx, dh/dy) at (x, y) in tile units.
void Slope(float x, float y, const float* phases, float* sx, float* sy) {
  *sx = 0;
  *sy = 0;
  int i = 0;
  for (const SurfaceWave& w : kWaves) {
    float theta = kTwoPi * (static_cast<float>(w.kx) * x + static_cast<float>(w.ky) * y) + phases[i++];
    float s = -w.height * kTwoPi * std::sin(theta);
    *sx += s * static_cast<float>(w.kx);
    *sy += s * static_cast<float>(w.ky);
  }
}

// Adds `weight` at (x, y) texels, shared bilinearly among the four nearest
// texels, wrapping round the tile.
void Splat(std::vector<float>& light, int size, float x, float y, float weight) {
  float fx = x - 0.5f, fy = y - 0.5f;
  float x0f = std::floor(fx), y0f = std::floor(fy);
  float tx = fx - x0f, ty = fy - y0f;
  auto wrap = [size](int v) { return ((v % size) + size) % size; };
  int x0 = wrap(static_cast<int>(x0f)), y0 = wrap(static_cast<int>(y0f));
  int x1 = wrap(x0 + 1), y1 = wrap(y0 + 1);
  light[y0 * size + x0] += weight * (1 - tx) * (1 - ty);
  light[y0 * size + x1] += weight * tx * (1 - ty);
  light[y1 * size + x0] += weight * (1 - tx) * ty;
  light[y1 * size + x1] += weight * tx * ty;
}

}  // namespace

Canvas PaintCausticFrame(int frame, const CausticParams& p) {
  // The time phase is reduced in whole numbers first, so the loop closes exactly.
  float phases[std::size(kWaves)];
  int i = 0;
  for (const SurfaceWave& w : kWaves) {
    int step = ((w.cyclesPerLoop * frame) % p.frameCount + p.frameCount) % p.frameCount;
    phases[i++] = w.phase - kTwoPi * static_cast<float>(step) / static_cast<float>(p.frameCount);
  }
  const float eta = 1.0f / p.refractiveIndex;
  const int n = p.raysAcross;
  // Each ray brings the same light; a texel that gets its fair share reads 1.
  const float weight = static_cast<float>(p.size * p.size) / static_cast<float>(n * n);
  std::vector<float> light(static_cast<size_t>(p.size) * p.size, 0.0f);
  for (int row = 0; row < n; ++row) {
    float y = (static_cast<float>(row) + 0.5f) / static_cast<float>(n);
    for (int column = 0; column < n; ++column) {
      float x = (static_cast<float>(column) + 0.5f) / static_cast<float>(n);
      float sx, sy;
      Slope(x, y, phases, &sx, &sy);
      // Snell's law for light going straight down through the surface normal.
      float norm = 1.0f / std::sqrt(sx * sx + sy * sy + 1.0f);
      float nx = -sx * norm, ny = -sy * norm, cosIn = norm;
      float cosOut = std::sqrt(1.0f - eta * eta * (1.0f - cosIn * cosIn));
      float k = eta * cosIn - cosOut;
      float dx = k * nx, dy = k * ny, dz = -eta + k * cosIn;
      float reach = p.depth / -dz;
      Splat(light, p.size, (x + dx * reach) * static_cast<float>(p.size), (y + dy * reach) * static_cast<float>(p.size),
            weight);
    }
  }
  Rgba dark = Hex(p.darkColour), bright = Hex(p.brightColour);
  Canvas out(p.size, p.size);
  for (int ty = 0; ty < p.size; ++ty)
    for (int tx = 0; tx < p.size; ++tx)
      out.At(tx, ty) = Mix(dark, bright, 1.0f - std::exp(-p.exposure * std::pow(light[ty * p.size + tx], p.contrast)));
  return out;
}

}  // namespace sorvane::imagegen
