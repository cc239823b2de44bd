// Seabed heights: the generated range, the octave structure, interpolation,
// the per-tile copy and the bilinear ground height.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "scene/ground_height.h"
#include "scene/heights.h"
#include "base/random.h"

namespace sorvane {
namespace {

std::vector<float> Generate(uint32_t seed) {
  std::vector<float> grid(kHeightGridPoints, -1.0f);
  HeightGenerator generator;
  SeedRandom(seed);
  EXPECT_TRUE(GenerateHeights(generator, grid.data()));
  return grid;
}

TEST(Heights, RangeIsExactlyZeroToTheHighestGround) {
  for (uint32_t seed : {1u, 2u, 12345u}) {
    const std::vector<float> grid = Generate(seed);
    const auto [low, high] = std::minmax_element(grid.begin(), grid.end());
    EXPECT_EQ(*low, 0.0f);
    EXPECT_EQ(*high, kHighestGround);
    EXPECT_TRUE(std::all_of(grid.begin(), grid.end(), [](float v) { return std::isfinite(v); }));
    // Squared: most of the floor lies in the lower half.
    const auto low_half = std::count_if(grid.begin(), grid.end(), [](float v) { return v < kHighestGround / 2; });
    EXPECT_GT(low_half, kHeightGridPoints / 2);
  }
}

TEST(Heights, ThreeOctavesOfSmoothLatticeDraws) {
  // Octaves of step 35, 11 and 3 over 401 points: 12², 37² and 134² lattice
  // points plus three corners each, three draws per value.
  const int draws = 3 * ((12 * 12 + 3) + (37 * 37 + 3) + (134 * 134 + 3));
  Generate(99);
  const int next = Random();
  SeedRandom(99);
  for (int i = 0; i < draws; ++i) Random();
  EXPECT_EQ(Random(), next);
  EXPECT_EQ(Generate(99), Generate(99));
  EXPECT_NE(Generate(99), Generate(100));
}

TEST(Heights, FlatOutputNormalisesToTheFloor) {
  std::vector<float> grid(4 * 4, 3.0f);
  HeightGenerator generator;
  generator.output = grid.data();
  generator.width = 4;
  generator.height = 4;
  generator.Normalise();
  EXPECT_TRUE(std::all_of(grid.begin(), grid.end(), [](float v) { return v == 0.0f; }));
}

TEST(Heights, InterpolationKinds) {
  HeightGenerator generator;
  std::vector<float> out(9 * 3);
  generator.output = out.data();
  ASSERT_TRUE(generator.Start(InterpolationKind::Cubic, 9, 3, 1, 1.0f, 2, false));  // step 1: no octave
  // Row 1 holds -1, 0 at 0 and 4, 1 at 8: a straight line sampled every 4.
  const auto fill = [&] {
    for (int c = 0; c < 9; ++c) generator.work[9 + c] = 0.0f;
    generator.work[9 + 0] = 0.0f;
    generator.work[9 + 4] = 1.0f;
    generator.work[9 + 8] = 2.0f;
  };
  fill();
  generator.Interpolate(4, 8, 1, InterpolationKind::Linear, InterpolationDirection::Row);
  EXPECT_FLOAT_EQ(generator.work[9 + 5], 1.25f);
  EXPECT_FLOAT_EQ(generator.work[9 + 7], 1.75f);
  fill();
  generator.Interpolate(4, 8, 1, InterpolationKind::Cosine, InterpolationDirection::Row);
  EXPECT_NEAR(generator.work[9 + 6], 1.5f, 1e-6);
  EXPECT_NEAR(generator.work[9 + 5], 1.0f + (1.0f - std::cos(3.14159265f / 4)) / 2, 1e-6);
  // Cubic with neighbours 0 before and none after (the end repeats):
  // p0 = 0, p1 = 1, p2 = 2, p3 = 2 gives u³ - 2u² + 2u + 1.
  fill();
  generator.Interpolate(4, 8, 1, InterpolationKind::Cubic, InterpolationDirection::Row);
  EXPECT_FLOAT_EQ(generator.work[9 + 6], 0.125f - 0.5f + 1.0f + 1.0f);
  EXPECT_FLOAT_EQ(generator.work[9 + 8], 2.0f);
  // Down a column, at the start of the line: the value before repeats p1.
  generator.work[0 * 9 + 2] = 4.0f;
  generator.work[2 * 9 + 2] = 8.0f;
  generator.Interpolate(0, 2, 2, InterpolationKind::Cubic, InterpolationDirection::Column);
  // p0 = p1 = 4, p2 = p3 = 8: c3 = -4, c2 = 4, c1 = 4, at u = 0.5: 6.
  EXPECT_FLOAT_EQ(generator.work[1 * 9 + 2], 6.0f);
}

TEST(Heights, TilesTakeTheirVertexHeightsFromTheGrid) {
  const std::vector<float> grid = Generate(7);
  struct Vertex {
    float x, y, z, u0, v0, u1, v1;
  };
  std::vector<Vertex> left(17 * 17), right(17 * 17), last(17 * 17);
  const auto write = [&](std::vector<Vertex>& v, int tr, int tc) {
    WriteTileHeights(grid.data(), tr, tc, reinterpret_cast<uint8_t*>(v.data()), sizeof(Vertex), offsetof(Vertex, y));
  };
  write(left, 0, 0);
  write(right, 0, 1);
  write(last, 24, 24);
  EXPECT_EQ(left[0].y, grid[0]);
  EXPECT_EQ(last[17 * 17 - 1].y, grid[kHeightGridPoints - 1]);
  for (int i = 0; i < 17; ++i) EXPECT_EQ(left[i * 17 + 16].y, right[i * 17].y) << "shared border row " << i;
  float low = 1.0f, high = -1.0f;
  for (const Vertex& v : left) {
    low = std::min(low, v.y);
    high = std::max(high, v.y);
    EXPECT_EQ(v.x, 0.0f);  // untouched
  }
  EXPECT_FLOAT_EQ(TileCentreHeight(grid.data(), 0, 0), low + (high - low) * 0.5f);
}

TEST(GroundHeightTest, BilinearBetweenGridPointsAndClampedAtTheFarEdge) {
  std::vector<float> grid(kHeightGridPoints);
  for (int r = 0; r < kHeightGridSize; ++r) {
    for (int c = 0; c < kHeightGridSize; ++c) grid[r * kHeightGridSize + c] = 0.001f * c + 0.0001f * r + ((r + c) % 2 ? 0.01f : 0.0f);
  }
  const auto h = [&](int c, int r) { return grid[r * kHeightGridSize + c]; };
  EXPECT_NEAR(GroundHeight(grid.data(), 2.0f, 3.0f), h(100, 150), 1e-6);
  EXPECT_NEAR(GroundHeight(grid.data(), 2.01f, 3.01f), (h(100, 150) + h(101, 150) + h(100, 151) + h(101, 151)) / 4, 1e-5);
  EXPECT_NEAR(GroundHeight(grid.data(), 2.005f, 3.0f), 0.75f * h(100, 150) + 0.25f * h(101, 150), 1e-5);
  // At 8 and beyond, both corners are the last column or row.
  for (float edge : {8.0f, 8.3f, 20.0f}) {
    EXPECT_NEAR(GroundHeight(grid.data(), edge, 3.0f), h(400, 150), 1e-5) << edge;
    EXPECT_NEAR(GroundHeight(grid.data(), 3.0f, edge), h(150, 400), 1e-5) << edge;
    EXPECT_NEAR(GroundHeight(grid.data(), edge, edge), h(400, 400), 1e-5) << edge;
  }
  EXPECT_NEAR(GroundHeight(grid.data(), 7.99f, 0.0f), (h(399, 0) + h(400, 0)) / 2, 1e-5);
}

}  // namespace
}  // namespace sorvane
