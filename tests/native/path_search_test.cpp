// The wave search: its edge cases, and every route checked against a plain
// breadth-first search on many random maps, on the whole grid and on windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "fishlife/gwave.h"
#include "tests/native/nav_test_support.h"

namespace sorvane {
namespace {

class PathSearchTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(wave.Init(kGridSize, kGridSize)); }

  // The whole base layer free inside a blocked border.
  void OpenGrid() {
    std::fill_n(wave.baseLayer, kGridCells, kFreeWater);
    wave.BlockBorder();
  }

  int16_t& BaseAt(int column, int row) { return wave.baseLayer[row * wave.width + column]; }

  GWave wave;
  Step steps[400] = {};
};

TEST_F(PathSearchTest, StartEqualToDestinationNeverMeetsTheStart) {
  OpenGrid();
  EXPECT_EQ(wave.Search(steps, 400, {200, 200}, {200, 200}), 0) << "the open grid runs out";
  EXPECT_EQ(BaseAt(200, 200), 0);
  OpenGrid();
  EXPECT_EQ(wave.Search(steps, 50, {200, 200}, {200, 200}), -1) << "waves pass maxSteps first";
}

TEST_F(PathSearchTest, NeighbouringCellsTakeOneStepTowardsTheDestination) {
  for (const Step& d : wave.directions) {
    OpenGrid();
    const Cell start{100, 100};
    const Cell destination{static_cast<int16_t>(100 + d.dx), static_cast<int16_t>(100 + d.dy)};
    ASSERT_EQ(wave.Search(steps, 150, start, destination), 1);
    EXPECT_EQ(steps[0], d);
  }
}

TEST_F(PathSearchTest, MaxStepsZeroRefusesAtOnce) {
  OpenGrid();
  steps[0] = {7, 7};
  EXPECT_EQ(wave.Search(steps, 0, {100, 100}, {101, 100}), -1);
  EXPECT_EQ(steps[0], (Step{7, 7}));
  OpenGrid();
  EXPECT_EQ(wave.Search(steps, 9, {100, 100}, {110, 100}), -1);
  OpenGrid();
  EXPECT_EQ(wave.Search(steps, 10, {100, 100}, {110, 100}), 10);
}

TEST_F(PathSearchTest, DiagonalOnlyWhenStrictlyLower) {
  // South and south-east are both one from the goal: the straight step wins.
  OpenGrid();
  ASSERT_EQ(wave.Search(steps, 10, {10, 10}, {11, 12}), 2);
  EXPECT_EQ(steps[0], (Step{0, 1}));
  EXPECT_EQ(steps[1], (Step{1, 1}));
  // South-east is strictly nearer than every straight neighbour.
  OpenGrid();
  ASSERT_EQ(wave.Search(steps, 10, {10, 10}, {12, 12}), 2);
  EXPECT_EQ(steps[0], (Step{1, 1}));
  // Among straight neighbours at the same distance, north comes before east.
  OpenGrid();
  ASSERT_EQ(wave.Search(steps, 10, {10, 10}, {13, 7}), 3);
  EXPECT_EQ(steps[0], (Step{1, -1}));
}

TEST_F(PathSearchTest, UnreachableDestinationWritesNoStep) {
  OpenGrid();
  for (int d = 0; d < 8; ++d) wave.baseLayer[(50 * kGridSize + 50) + wave.gridOffsets[d]] = kBlocked;
  steps[0] = {5, 5};
  EXPECT_EQ(wave.Search(steps, 400, {200, 200}, {50, 50}), 0);
  EXPECT_EQ(steps[0], (Step{5, 5}));
}

TEST_F(PathSearchTest, EndsOnOrOutsideTheBorderAreRefused) {
  OpenGrid();
  EXPECT_EQ(wave.Search(steps, 400, {0, 200}, {10, 200}), 0);
  EXPECT_EQ(wave.Search(steps, 400, {10, 200}, {10, kGridSize - 1}), 0);
  EXPECT_EQ(wave.Search(steps, 400, {-5, 200}, {10, 200}), 0);
  EXPECT_EQ(wave.Search(steps, 400, {10, 200}, {10, 450}), 0);
}

TEST_F(PathSearchTest, WindowOriginIsClampedAtTheEdges) {
  // Each level layer holds its cell's index, so the copy shows where it came from.
  for (int level = 0; level < kSwimLevels; ++level) {
    for (int cell = 0; cell < kGridCells; ++cell) wave.levelLayers[level][cell] = static_cast<int16_t>(cell % 30000);
  }
  struct Case {
    Cell a, b;
    int ox, oy;
  };
  const Case cases[] = {{{5, 6}, {20, 30}, 0, 0},
                        {{390, 395}, {380, 370}, kGridSize - 71, kGridSize - 71},
                        {{100, 5}, {160, 40}, 95, 0},
                        {{3, 380}, {60, 398}, 0, kGridSize - 71}};
  for (const Case& c : cases) {
    Cell start = c.a;
    Cell destination = c.b;
    wave.LoadWindow(3, start, destination);
    EXPECT_EQ(start.column, c.a.column - c.ox);
    EXPECT_EQ(start.row, c.a.row - c.oy);
    EXPECT_EQ(destination.column, c.b.column - c.ox);
    EXPECT_EQ(destination.row, c.b.row - c.oy);
    for (int r = 0; r < kWindowSize; ++r) {
      for (int col = 0; col < kWindowSize; ++col) {
        const bool border = r == 0 || col == 0 || r == kWindowSize - 1 || col == kWindowSize - 1;
        const int16_t expected = border ? kBlocked : static_cast<int16_t>(((c.oy + r) * kGridSize + c.ox + col) % 30000);
        ASSERT_EQ(wave.baseLayer[r * kWindowSize + col], expected) << r << "," << col;
      }
    }
  }
}

TEST_F(PathSearchTest, WindowEndsThatDoNotFitAreRefused) {
  for (int level = 0; level < kSwimLevels; ++level) std::fill_n(wave.levelLayers[level], kGridCells, kFreeWater);
  // 80 columns apart: one end falls outside the window.
  Cell start{100, 200};
  Cell destination{180, 200};
  wave.LoadWindow(0, start, destination);
  EXPECT_EQ(wave.SearchWindow(steps, 150, start, destination), 0);
  // 68 apart: one end lies on the window's blocked border.
  start = {100, 200};
  destination = {168, 200};
  wave.LoadWindow(0, start, destination);
  EXPECT_EQ(destination.column, kWindowSize - 1);
  EXPECT_EQ(wave.SearchWindow(steps, 150, start, destination), 0);
  // 66 apart always fits.
  start = {100, 200};
  destination = {166, 200};
  wave.LoadWindow(0, start, destination);
  EXPECT_EQ(wave.SearchWindow(steps, 150, start, destination), 66);
  EXPECT_EQ(wave.windowMode, 0);
  EXPECT_EQ(wave.width, kGridSize);
}

// Follows a route over a copy of the layer searched and checks that it is an
// unbroken chain of free cells from start to destination.
void ExpectUnbrokenRoute(const std::vector<int16_t>& layer, int stride, Cell start, Cell destination,
                         const Step* steps, int count) {
  int column = start.column;
  int row = start.row;
  for (int i = 0; i < count; ++i) {
    ASSERT_TRUE(std::abs(steps[i].dx) <= 1 && std::abs(steps[i].dy) <= 1 && (steps[i].dx || steps[i].dy));
    column += steps[i].dx;
    row += steps[i].dy;
    ASSERT_NE(layer[row * stride + column], kBlocked) << "step " << i;
  }
  EXPECT_EQ(column, destination.column);
  EXPECT_EQ(row, destination.row);
}

// A random field of obstacles of varied size inside a blocked border.
void RandomObstacles(int16_t* layer, int size, int stride, int blobs) {
  for (int r = 0; r < size; ++r) std::fill_n(layer + r * stride, size, kFreeWater);
  for (int i = 0; i < blobs; ++i) {
    const int c = 1 + Random() % (size - 2);
    const int r = 1 + Random() % (size - 2);
    const int w = 1 + Random() % 6;
    const int h = 1 + Random() % 6;
    for (int y = r; y < std::min(size, r + h); ++y) {
      for (int x = c; x < std::min(size, c + w); ++x) layer[y * stride + x] = kBlocked;
    }
  }
}

Cell RandomFree(const int16_t* layer, int size, int stride) {
  for (;;) {
    const Cell c{static_cast<int16_t>(1 + Random() % (size - 2)), static_cast<int16_t>(1 + Random() % (size - 2))};
    if (layer[c.row * stride + c.column] == kFreeWater) return c;
  }
}

TEST_F(PathSearchTest, FullGridRoutesAreShortestOnRandomMaps) {
  int found = 0;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SeedRandom(seed);
    RandomObstacles(wave.baseLayer, kGridSize, kGridSize, 2000 + 400 * static_cast<int>(seed % 8));
    wave.BlockBorder();
    const std::vector<int16_t> layer(wave.baseLayer, wave.baseLayer + kGridCells);
    for (int trial = 0; trial < 4; ++trial) {
      std::copy(layer.begin(), layer.end(), wave.baseLayer);
      const Cell start = RandomFree(layer.data(), kGridSize, kGridSize);
      const Cell destination = RandomFree(layer.data(), kGridSize, kGridSize);
      const int maxSteps = trial == 3 ? 60 : 400;
      const std::vector<int> distance = navtest::BreadthFirst(layer, kGridSize, kGridSize, destination.column, destination.row);
      const int expected = distance[CellIndex(start.column, start.row)];
      const int n = wave.Search(steps, maxSteps, start, destination);
      SCOPED_TRACE(testing::Message() << "seed " << seed << " trial " << trial);
      if (start == destination) continue;
      if (expected < 0) {
        EXPECT_EQ(n, 0);
      } else if (expected > maxSteps) {
        EXPECT_EQ(n, -1);
      } else {
        ASSERT_EQ(n, expected);
        ExpectUnbrokenRoute(layer, kGridSize, start, destination, steps, n);
        ++found;
      }
    }
  }
  EXPECT_GT(found, 80);
}

TEST_F(PathSearchTest, WindowRoutesAreShortestOnRandomMaps) {
  int found = 0;
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    SeedRandom(seed);
    const int level = static_cast<int>(seed % kSwimLevels);
    RandomObstacles(wave.levelLayers[level], kGridSize, kGridSize, 3000 + 300 * static_cast<int>(seed % 10));
    for (int trial = 0; trial < 5; ++trial) {
      const Cell a = RandomFree(wave.levelLayers[level], kGridSize, kGridSize);
      Cell b{};
      do {
        b = RandomFree(wave.levelLayers[level], kGridSize, kGridSize);
      } while (std::abs(a.column - b.column) > 66 || std::abs(a.row - b.row) > 66);
      Cell start = a;
      Cell destination = b;
      wave.LoadWindow(level, start, destination);
      const std::vector<int16_t> window(wave.baseLayer, wave.baseLayer + kWindowSize * kWindowSize);
      const std::vector<int> distance = navtest::BreadthFirst(window, kWindowSize, kWindowSize, destination.column, destination.row);
      const int expected = distance[start.row * kWindowSize + start.column];
      const int n = wave.SearchWindow(steps, 150, start, destination);
      SCOPED_TRACE(testing::Message() << "seed " << seed << " trial " << trial);
      // Column or row 398 of the grid is the window's blocked border when the
      // window is clamped to the far edge: an end there is refused.
      const auto onBorder = [](Cell c) { return c.column == kWindowSize - 1 || c.row == kWindowSize - 1; };
      if (onBorder(start) || onBorder(destination)) {
        EXPECT_EQ(n, 0);
        continue;
      }
      if (start == destination) continue;
      if (expected < 0) {
        EXPECT_EQ(n, 0);
      } else if (expected > 150) {
        EXPECT_EQ(n, -1);
      } else {
        ASSERT_EQ(n, expected);
        ExpectUnbrokenRoute(window, kWindowSize, start, destination, steps, n);
        ++found;
      }
    }
  }
  EXPECT_GT(found, 1000);
}

TEST_F(PathSearchTest, WindowRoutesOnASceneMapStayOnTheirLevel) {
  NavigationMap map;
  ASSERT_TRUE(navtest::MakeSceneMap(map, 31337));
  GWave& search = map.gWave;
  SeedRandom(5);
  int found = 0;
  for (int trial = 0; trial < 400; ++trial) {
    const int level = trial % kSwimLevels;
    const Cell a = RandomFree(search.levelLayers[level], kGridSize, kGridSize);
    const Cell b{static_cast<int16_t>(std::clamp(a.column + Random() % 61 - 30, 1, kGridSize - 2)),
                 static_cast<int16_t>(std::clamp(a.row + Random() % 61 - 30, 1, kGridSize - 2))};
    if (search.levelLayers[level][CellIndex(b.column, b.row)] != kFreeWater) continue;
    Cell start = a;
    Cell destination = b;
    search.LoadWindow(level, start, destination);
    const int n = search.SearchWindow(steps, 150, start, destination);
    if (n <= 0) continue;
    // Back in grid coordinates, on the level layer itself.
    const std::vector<int16_t> layer(search.levelLayers[level], search.levelLayers[level] + kGridCells);
    ExpectUnbrokenRoute(layer, kGridSize, a, b, steps, n);
    ++found;
  }
  EXPECT_GT(found, 100);
}

// An H-shaped tree of corridors: its waves grow far longer than the grid's
// side, so the frontier lists of a 71 × 71 search fill up.
void CarveHTree(int16_t* layer, int stride, int x, int y, const int* lengths, int count, bool horizontal) {
  if (count == 0) return;
  const int l = lengths[0];
  for (int i = -l; i <= l; ++i) layer[(horizontal ? y : y + i) * stride + (horizontal ? x + i : x)] = kFreeWater;
  const int dx = horizontal ? l : 0;
  const int dy = horizontal ? 0 : l;
  CarveHTree(layer, stride, x - dx, y - dy, lengths + 1, count - 1, !horizontal);
  CarveHTree(layer, stride, x + dx, y + dy, lengths + 1, count - 1, !horizontal);
}

TEST(PathSearchOverflow, WavesLongerThanTheFrontierListsStayInside) {
  GWave wave;
  ASSERT_TRUE(wave.InitSearchOnly(71, 71));
  const int lengths[] = {16, 16, 8, 8, 4, 4, 2, 2};
  std::fill_n(wave.baseLayer, 71 * 71, kBlocked);
  CarveHTree(wave.baseLayer, 71, 35, 35, lengths, 8, true);
  const std::vector<int16_t> layer(wave.baseLayer, wave.baseLayer + 71 * 71);
  const std::vector<int> distance = navtest::BreadthFirst(layer, 71, 71, 35, 35);
  std::vector<int> waveSizes(200, 0);
  int farthest = 0;
  for (int cell = 0; cell < 71 * 71; ++cell) {
    if (distance[cell] >= 0) ++waveSizes[distance[cell]];
    if (distance[cell] > distance[farthest]) farthest = cell;
  }
  ASSERT_GT(*std::max_element(waveSizes.begin(), waveSizes.end()), wave.FrontierCapacity());
  Step steps[400];
  const Cell start{static_cast<int16_t>(farthest % 71), static_cast<int16_t>(farthest / 71)};
  const int n = wave.Search(steps, 400, start, {35, 35});
  // Some of the tree is cut off, but whatever route comes back is whole.
  if (n > 0) {
    EXPECT_GE(n, distance[farthest]);
    ExpectUnbrokenRoute(layer, 71, start, {35, 35}, steps, n);
  } else {
    EXPECT_EQ(n, 0);
  }
}

}  // namespace
}  // namespace sorvane
