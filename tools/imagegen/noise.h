// Deterministic hash-based noise: value, gradient and cellular noise, each with a
// periodic variant so that textures tile and animations loop without a seam.
// All of it is pure integer hashing and float arithmetic: the same inputs give
// the same bits on every run.
#pragma once
#include <cstdint>

namespace sorvane::imagegen {

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c, uint32_t seed);
// A hash mapped to [0, 1).
float HashUnit(uint32_t a, uint32_t b, uint32_t c, uint32_t seed);

// Gradient (Perlin-style) noise, about −1 … 1, repeating every periodX along x and
// periodY along y (lattice units; a period of 0 means no repetition).
float GradientNoise(float x, float y, int periodX, int periodY, uint32_t seed);
// The same over three dimensions; the third is usually time, so that a period
// along it makes an animation loop.
float GradientNoise3(float x, float y, float z, int periodX, int periodY, int periodZ, uint32_t seed);
// Value noise 0 … 1, periodic like GradientNoise.
float ValueNoise(float x, float y, int periodX, int periodY, uint32_t seed);

struct FbmParams {
  int octaves = 4;
  float gain = 0.5f;  // amplitude factor per octave; the frequency doubles
};
// Sum of gradient-noise octaves, normalised to about −1 … 1; the period doubles
// with the frequency so every octave still repeats on the same tile.
float Fbm(float x, float y, int periodX, int periodY, uint32_t seed, FbmParams params = {});
float Fbm3(float x, float y, float z, int periodX, int periodY, int periodZ, uint32_t seed,
           FbmParams params = {});

struct CellularResult {
  float f1 = 0;  // distance to the nearest feature point (cell units)
  float f2 = 0;  // distance to the second nearest
  uint32_t id = 0;  // hash of the nearest point's cell, for per-cell colours
};
// Worley noise on a grid of `period` × `period` cells that repeats every period.
// Each cell holds one jittered point; with wander > 0 the points travel on small
// closed loops and come back after loopPhase has gone once round 2π. The search
// covers the 3 × 3 neighbouring cells, so jitter / 2 + wander must stay below 0.5.
CellularResult Cellular(float x, float y, int period, uint32_t seed, float jitter = 0.8f,
                        float loopPhase = 0, float wander = 0);

}  // namespace sorvane::imagegen
