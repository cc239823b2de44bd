// The animated textures must tile without a seam and loop without a jump: the
// caustic frames on every surface, the shimmer frames over the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "tools/textures/caustics.h"
#include "tools/textures/water_effects.h"

namespace sorvane::imagegen {
namespace {

float Luma(const Rgba& p) { return 0.3f * p.r + 0.59f * p.g + 0.11f * p.b; }

float MeanFrameDifference(const Canvas& a, const Canvas& b) {
  double sum = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) sum += std::fabs(Luma(a.At(x, y)) - Luma(b.At(x, y)));
  return static_cast<float>(sum / (a.Width() * a.Height()));
}

// Mean step between columns c and c + 1 (wrapping), and the same for rows.
float ColumnStep(const Canvas& c, int x) {
  double sum = 0;
  for (int y = 0; y < c.Height(); ++y)
    sum += std::fabs(Luma(c.At(x, y)) - Luma(c.At((x + 1) % c.Width(), y)));
  return static_cast<float>(sum / c.Height());
}

float RowStep(const Canvas& c, int y) {
  double sum = 0;
  for (int x = 0; x < c.Width(); ++x)
    sum += std::fabs(Luma(c.At(x, y)) - Luma(c.At(x, (y + 1) % c.Height())));
  return static_cast<float>(sum / c.Width());
}

void ExpectSeamless(const Canvas& c) {
  float worstInnerColumn = 0, worstInnerRow = 0;
  for (int x = 0; x + 1 < c.Width(); ++x) worstInnerColumn = std::max(worstInnerColumn, ColumnStep(c, x));
  for (int y = 0; y + 1 < c.Height(); ++y) worstInnerRow = std::max(worstInnerRow, RowStep(c, y));
  EXPECT_LE(ColumnStep(c, c.Width() - 1), worstInnerColumn);
  EXPECT_LE(RowStep(c, c.Height() - 1), worstInnerRow);
}

void ExpectSmoothLoop(int frameCount, const std::function<Canvas(int)>& frame) {
  std::vector<Canvas> frames;
  for (int f = 0; f < frameCount; ++f) frames.push_back(frame(f));
  float smallest = 1e9f, largest = 0;
  for (int f = 0; f + 1 < frameCount; ++f) {
    float d = MeanFrameDifference(frames[f], frames[f + 1]);
    smallest = std::min(smallest, d);
    largest = std::max(largest, d);
  }
  float wrap = MeanFrameDifference(frames[frameCount - 1], frames[0]);
  EXPECT_GT(smallest, 0.0f) << "the pattern must move on every frame";
  EXPECT_LE(wrap, largest * 1.1f) << "the last frame must lead into the first like any other step";
  EXPECT_GE(wrap, smallest * 0.5f) << "the last frame must not repeat the first";
}

TEST(CausticFrames, EveryFrameTilesSeamlessly) {
  CausticParams params;
  for (int f : {0, 9, 31}) ExpectSeamless(PaintCausticFrame(f, params));
}

TEST(CausticFrames, LastFrameLeadsSmoothlyIntoFirst) {
  CausticParams params;
  ExpectSmoothLoop(params.frameCount, [&](int f) { return PaintCausticFrame(f, params); });
  Canvas first = PaintCausticFrame(0, params), again = PaintCausticFrame(params.frameCount, params);
  EXPECT_EQ(MeanFrameDifference(first, again), 0.0f) << "one loop on, the surface must be where it started";
}

// Focused light: thin bright filaments over gaps that stay lit, as bright on
// the whole as the sand has always been lit.
TEST(CausticFrames, AreThinBrightFilamentsOverLitGaps) {
  CausticParams params;
  double sum = 0;
  int aboveMid = 0, bright = 0, black = 0, n = 0;
  for (int f = 0; f < params.frameCount; f += 3) {
    Canvas c = PaintCausticFrame(f, params);
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x, ++n) {
        float l = Luma(c.At(x, y));
        sum += l;
        aboveMid += l > 0.5f;
        bright += l > 0.8f;
        black += l < 0.25f;
      }
  }
  EXPECT_NEAR(sum / n, 0.53, 0.53 * 0.15);
  EXPECT_LT(aboveMid, n * 38 / 100);  // the old net of wide lines lit 0.38 of it
  EXPECT_GT(bright, n / 20);
  EXPECT_EQ(black, 0);
}

TEST(ShimmerFrames, TileAndLoop) {
  ShimmerParams params;
  ExpectSeamless(PaintShimmerFrame(5, params));
  ExpectSmoothLoop(params.frameCount, [&](int f) { return PaintShimmerFrame(f, params); });
}

}  // namespace
}  // namespace sorvane::imagegen
