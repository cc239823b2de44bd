// Hash, gradient, value and cellular noise, with lattice coordinates wrapped by
// the period before hashing so that the pattern repeats exactly.
#include "tools/imagegen/noise.h"

#include <cmath>

namespace sorvane::imagegen {

namespace {

constexpr float kTwoPi = 6.28318530718f;

uint32_t Mix(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

int WrapLattice(int v, int period) {
  if (period <= 0) return v;
  int m = v % period;
  return m < 0 ? m + period : m;
}

float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }
float Lerp(float a, float b, float t) { return a + (b - a) * t; }

// Gradient directions: 16 evenly spread unit vectors in 2-D, 12 cube-edge
// directions in 3-D (the classic Perlin set).
float Grad2(uint32_t h, float dx, float dy) {
  static const float kDirs[16][2] = {
      {1.0f, 0.0f},          {0.92387953f, 0.38268343f},  {0.70710678f, 0.70710678f},
      {0.38268343f, 0.92387953f}, {0.0f, 1.0f},          {-0.38268343f, 0.92387953f},
      {-0.70710678f, 0.70710678f}, {-0.92387953f, 0.38268343f}, {-1.0f, 0.0f},
      {-0.92387953f, -0.38268343f}, {-0.70710678f, -0.70710678f}, {-0.38268343f, -0.92387953f},
      {0.0f, -1.0f},         {0.38268343f, -0.92387953f}, {0.70710678f, -0.70710678f},
      {0.92387953f, -0.38268343f}};
  const float* d = kDirs[h & 15];
  return d[0] * dx + d[1] * dy;
}

float Grad3(uint32_t h, float dx, float dy, float dz) {
  switch (h % 12) {
    case 0: return dx + dy;
    case 1: return -dx + dy;
    case 2: return dx - dy;
    case 3: return -dx - dy;
    case 4: return dx + dz;
    case 5: return -dx + dz;
    case 6: return dx - dz;
    case 7: return -dx - dz;
    case 8: return dy + dz;
    case 9: return -dy + dz;
    case 10: return dy - dz;
    default: return -dy - dz;
  }
}

}  // namespace

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c, uint32_t seed) {
  uint32_t h = Mix(seed ^ 0x9e3779b9U);
  h = Mix(h ^ a);
  h = Mix(h ^ (b * 0x85ebca6bU));
  h = Mix(h ^ (c * 0xc2b2ae35U));
  return h;
}

float HashUnit(uint32_t a, uint32_t b, uint32_t c, uint32_t seed) {
  return static_cast<float>(Hash(a, b, c, seed) >> 8) * (1.0f / 16777216.0f);
}

float GradientNoise(float x, float y, int periodX, int periodY, uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  float dx = x - fx, dy = y - fy;
  int x0 = WrapLattice(ix, periodX), x1 = WrapLattice(ix + 1, periodX);
  int y0 = WrapLattice(iy, periodY), y1 = WrapLattice(iy + 1, periodY);
  float n00 = Grad2(Hash(x0, y0, 0, seed), dx, dy);
  float n10 = Grad2(Hash(x1, y0, 0, seed), dx - 1, dy);
  float n01 = Grad2(Hash(x0, y1, 0, seed), dx, dy - 1);
  float n11 = Grad2(Hash(x1, y1, 0, seed), dx - 1, dy - 1);
  float u = Fade(dx), v = Fade(dy);
  return 1.41421356f * Lerp(Lerp(n00, n10, u), Lerp(n01, n11, u), v);
}

float GradientNoise3(float x, float y, float z, int periodX, int periodY, int periodZ,
                     uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
  float dx = x - fx, dy = y - fy, dz = z - fz;
  int xs[2] = {WrapLattice(ix, periodX), WrapLattice(ix + 1, periodX)};
  int ys[2] = {WrapLattice(iy, periodY), WrapLattice(iy + 1, periodY)};
  int zs[2] = {WrapLattice(iz, periodZ), WrapLattice(iz + 1, periodZ)};
  float n[2][2][2];
  for (int k = 0; k < 2; ++k)
    for (int j = 0; j < 2; ++j)
      for (int i = 0; i < 2; ++i)
        n[k][j][i] = Grad3(Hash(xs[i], ys[j], zs[k], seed), dx - i, dy - j, dz - k);
  float u = Fade(dx), v = Fade(dy), w = Fade(dz);
  float a = Lerp(Lerp(n[0][0][0], n[0][0][1], u), Lerp(n[0][1][0], n[0][1][1], u), v);
  float b = Lerp(Lerp(n[1][0][0], n[1][0][1], u), Lerp(n[1][1][0], n[1][1][1], u), v);
  return Lerp(a, b, w);
}

float ValueNoise(float x, float y, int periodX, int periodY, uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  int x0 = WrapLattice(ix, periodX), x1 = WrapLattice(ix + 1, periodX);
  int y0 = WrapLattice(iy, periodY), y1 = WrapLattice(iy + 1, periodY);
  float u = Fade(x - fx), v = Fade(y - fy);
  return Lerp(Lerp(HashUnit(x0, y0, 1, seed), HashUnit(x1, y0, 1, seed), u),
              Lerp(HashUnit(x0, y1, 1, seed), HashUnit(x1, y1, 1, seed), u), v);
}

float Fbm(float x, float y, int periodX, int periodY, uint32_t seed, FbmParams params) {
  float sum = 0, amplitude = 1, norm = 0;
  for (int o = 0; o < params.octaves; ++o) {
    sum += amplitude * GradientNoise(x, y, periodX, periodY, seed + 101u * o);
    norm += amplitude;
    amplitude *= params.gain;
    x *= 2;
    y *= 2;
    periodX *= 2;
    periodY *= 2;
  }
  return sum / norm;
}

float Fbm3(float x, float y, float z, int periodX, int periodY, int periodZ, uint32_t seed,
           FbmParams params) {
  float sum = 0, amplitude = 1, norm = 0;
  for (int o = 0; o < params.octaves; ++o) {
    // Time keeps its period so that every octave loops in step.
    sum += amplitude * GradientNoise3(x, y, z, periodX, periodY, periodZ, seed + 101u * o);
    norm += amplitude;
    amplitude *= params.gain;
    x *= 2;
    y *= 2;
    periodX *= 2;
    periodY *= 2;
  }
  return sum / norm;
}

CellularResult Cellular(float x, float y, int period, uint32_t seed, float jitter, float loopPhase,
                        float wander) {
  float fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  CellularResult r{1e9f, 1e9f, 0};
  for (int oy = -1; oy <= 1; ++oy) {
    for (int ox = -1; ox <= 1; ++ox) {
      int cx = WrapLattice(ix + ox, period), cy = WrapLattice(iy + oy, period);
      float px = 0.5f + jitter * (HashUnit(cx, cy, 2, seed) - 0.5f);
      float py = 0.5f + jitter * (HashUnit(cx, cy, 3, seed) - 0.5f);
      if (wander > 0) {
        // Each point circles once or twice per loop, either way round, so the
        // positions at loopPhase 0 and 2π coincide.
        uint32_t h = Hash(cx, cy, 4, seed);
        float turns = (h & 1) ? 1.0f : -1.0f;
        if (h & 2) turns *= 2;
        float start = kTwoPi * HashUnit(cx, cy, 5, seed);
        float radius = wander * (0.5f + 0.5f * HashUnit(cx, cy, 6, seed));
        px += radius * std::cos(start + turns * loopPhase);
        py += radius * std::sin(start + turns * loopPhase);
      }
      float dx = static_cast<float>(ix + ox) + px - x;
      float dy = static_cast<float>(iy + oy) + py - y;
      float d = std::sqrt(dx * dx + dy * dy);
      if (d < r.f1) {
        r.f2 = r.f1;
        r.f1 = d;
        r.id = Hash(cx, cy, 7, seed);
      } else if (d < r.f2) {
        r.f2 = d;
      }
    }
  }
  return r;
}

}  // namespace sorvane::imagegen
