// The navigation map: drawing of cell codes, margins, level-pair grids and the
// nine layers, and the calculation cycle that builds them once.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "fishlife/school_planning.h"
#include "fishlife/mark_square.h"
#include "tests/native/nav_test_support.h"

namespace sorvane {
namespace {

constexpr int kCentre = 200;

class NavMapTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(navtest::MakeEmptyMap(map)); }

  void Place(uint8_t code, int column = kCentre, int row = kCentre) { map.cellGrid[CellIndex(column, row)] = code; }

  void BuildAll() {
    AddObstacleMargins(map);
    BuildLevelPairGrids(map);
    BuildLevelLayers(map);
  }

  int16_t Level(int level, int column, int row) const { return map.gWave.levelLayers[level][CellIndex(column, row)]; }
  int16_t Base(int column, int row) const { return map.gWave.baseLayer[CellIndex(column, row)]; }

  NavigationMap map;
};

TEST(CellCodeDrawing, FrequenciesFollowTheWeightsAtEveryDetailLevel) {
  NavigationMap map;
  ASSERT_TRUE(map.Allocate());
  for (int level = 1; level <= 4; ++level) {
    const CellCodeWeights weights = ScaleSceneCounts(2, level, level).instanceCounts;
    double total = 0;
    for (int32_t w : weights) total += w;
    SeedRandom(1000u + level);
    FillCellGrid(map.cellGrid.get(), weights);
    std::array<int, 256> counts{};
    for (int cell = 0; cell < kGridCells; ++cell) ++counts[map.cellGrid[cell]];
    for (int code = 0; code < kCellCodeCount; ++code) {
      const double p = weights[code] / total;
      const double expected = kGridCells * p;
      if (weights[code] == 0) {
        EXPECT_EQ(counts[code], 0) << "level " << level << " code " << code;
        continue;
      }
      // Five standard deviations, plus the unevenness of mapping 32768 draws
      // onto the thresholds (at most one draw per threshold value).
      const double spread = 5 * std::sqrt(expected * (1 - p)) + expected / (weights[code] * 32768.0 / total) + 2;
      EXPECT_NEAR(counts[code], expected, spread) << "level " << level << " code " << code;
    }
    for (int code = kCellCodeCount; code < 256; ++code) EXPECT_EQ(counts[code], 0);
  }
}

TEST(MarkSquareTest, WritesTheSquareButNotTheCentre) {
  for (int size : {3, 5, 7}) {
    std::vector<uint8_t> grid(kGridCells, 0);
    std::vector<int16_t> layer(kGridCells, 0);
    MarkSquare(grid.data(), uint8_t{9}, 10, 20, size);
    MarkSquare(layer.data(), int16_t{-1}, 10, 20, size);
    const int half = size / 2;
    int marked = 0;
    for (int cell = 0; cell < kGridCells; ++cell) {
      const int dx = cell % kGridSize - 10;
      const int dy = cell / kGridSize - 20;
      const bool inSquare = std::abs(dx) <= half && std::abs(dy) <= half && (dx != 0 || dy != 0);
      EXPECT_EQ(grid[cell] == 9, inSquare);
      EXPECT_EQ(layer[cell] == -1, inSquare);
      marked += inSquare;
    }
    EXPECT_EQ(marked, size * size - 1);
  }
}

// An isolated obstacle: which square is blocked on which levels.
struct IsolatedCase {
  uint8_t code;
  int blockedSquare;   // side of the blocked square around the cell (1: the cell only)
  int firstFreeLevel;  // 8: blocked on every level
};

class IsolatedObstacle : public NavMapTest, public ::testing::WithParamInterface<IsolatedCase> {};

TEST_P(IsolatedObstacle, BlocksItsSquareUpToItsHeight) {
  const IsolatedCase c = GetParam();
  Place(c.code);
  BuildAll();
  const int half = c.blockedSquare / 2;
  for (int dy = -5; dy <= 5; ++dy) {
    for (int dx = -5; dx <= 5; ++dx) {
      const bool inSquare = std::abs(dx) <= half && std::abs(dy) <= half;
      const int column = kCentre + dx;
      const int row = kCentre + dy;
      EXPECT_EQ(Base(column, row), inSquare ? kBlocked : kFreeWater) << dx << "," << dy;
      for (int level = 0; level < kSwimLevels; ++level) {
        const bool blocked = inSquare && level < c.firstFreeLevel;
        EXPECT_EQ(Level(level, column, row), blocked ? kBlocked : kFreeWater)
            << "code " << int(c.code) << " level " << level << " at " << dx << "," << dy;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, IsolatedObstacle,
                         ::testing::Values(IsolatedCase{13, 3, 2}, IsolatedCase{8, 1, 4}, IsolatedCase{33, 7, 8},
                                           IsolatedCase{6, 1, 1}));

TEST_F(NavMapTest, PlantsOtherThanCode20StandWithoutMargin) {
  for (uint8_t code : {6, 7, 8, 9, 20, 21, 37, 38, 39, 40, 41, 42, 43, 44}) {
    std::fill_n(map.cellGrid.get(), kGridCells, 0);
    Place(code);
    AddObstacleMargins(map);
    int margins = 0;
    for (int cell = 0; cell < kGridCells; ++cell) margins += map.cellGrid[cell] == kMarginCode;
    EXPECT_EQ(margins, code == 20 ? 8 : 0) << "code " << int(code);
    EXPECT_EQ(map.cellGrid[CellIndex(kCentre, kCentre)], code);
  }
}

TEST_F(NavMapTest, NeighbourInsideAMarginLosesItsIdentity) {
  // Two walls that are never opened: both cells and both margins stay blocked.
  Place(33, kCentre, kCentre);
  Place(33, kCentre + 1, kCentre);
  BuildAll();
  EXPECT_EQ(map.cellGrid[CellIndex(kCentre + 1, kCentre)], kMarginCode);
  EXPECT_EQ(map.cellGrid[CellIndex(kCentre + 4, kCentre)], 0) << "the overwritten wall has no margin of its own";
  for (int level = 0; level < kSwimLevels; ++level) {
    EXPECT_EQ(Level(level, kCentre + 1, kCentre), kBlocked);
    EXPECT_EQ(Level(level, kCentre + 3, kCentre), kBlocked);
    EXPECT_EQ(Level(level, kCentre + 4, kCentre), kFreeWater);
  }
}

TEST_F(NavMapTest, OverwrittenWallIsOpenedOnlyByItsNeighboursSquare) {
  // Code 11 opens its 7 × 7 square from level 2; the second cell, now margin,
  // is blocked below that and free above, and leaves no margin of its own.
  Place(11, kCentre, kCentre);
  Place(11, kCentre + 1, kCentre);
  BuildAll();
  EXPECT_EQ(map.cellGrid[CellIndex(kCentre + 1, kCentre)], kMarginCode);
  EXPECT_EQ(map.cellGrid[CellIndex(kCentre + 4, kCentre)], 0);
  for (int level = 0; level < kSwimLevels; ++level) {
    EXPECT_EQ(Level(level, kCentre + 1, kCentre), level < 2 ? kBlocked : kFreeWater) << level;
  }
}

TEST_F(NavMapTest, LargerMarginsComeFirstAndErasePlants) {
  // A column two cells from a wall lies in the wall's margin: no margin of its own.
  Place(33, kCentre, kCentre);
  Place(5, kCentre + 3, kCentre);
  AddObstacleMargins(map);
  EXPECT_EQ(map.cellGrid[CellIndex(kCentre + 3, kCentre)], kMarginCode);
  EXPECT_EQ(map.cellGrid[CellIndex(kCentre + 4, kCentre)], 0);
}

TEST_F(NavMapTest, LevelPairGridsOpenObstaclesForThePairsAbove) {
  Place(50, 100, 100);  // blocks levels 0-2: opened in pairs 2 and 3
  Place(39, 150, 100);  // blocks no level: opened in every pair
  Place(13, 200, 100);  // blocks levels 0-1: opened from pair 1
  Place(33, 250, 100);  // never opened
  BuildAll();
  const auto pair = [&](int p, int column, int row) { return map.levelPairGrids[p][CellIndex(column, row)]; };
  for (int p = 0; p < kLevelPairGrids; ++p) {
    EXPECT_EQ(pair(p, 100, 100), p >= 2 ? 0 : 50) << p;
    EXPECT_EQ(pair(p, 101, 101), p >= 2 ? 0 : kMarginCode) << p;
    EXPECT_EQ(pair(p, 150, 100), 0) << p;
    EXPECT_EQ(pair(p, 200, 100), p >= 1 ? 0 : 13) << p;
    EXPECT_EQ(pair(p, 199, 99), p >= 1 ? 0 : kMarginCode) << p;
    EXPECT_EQ(pair(p, 250, 100), 33) << p;
    EXPECT_EQ(pair(p, 253, 103), kMarginCode) << p;
  }
}

TEST_F(NavMapTest, BorderIsBlockedInTheBaseLayerButSquaresMayReopenIt) {
  Place(11, 3, 50);  // its 7 × 7 square reaches column 0
  BuildAll();
  for (int i = 0; i < kGridSize; ++i) {
    EXPECT_EQ(Base(i, 0), kBlocked);
    EXPECT_EQ(Base(i, kGridSize - 1), kBlocked);
    EXPECT_EQ(Base(0, i), kBlocked);
    EXPECT_EQ(Base(kGridSize - 1, i), kBlocked);
  }
  EXPECT_EQ(Level(0, 0, 50), kBlocked);
  EXPECT_EQ(Level(1, 0, 50), kBlocked);
  for (int level = 2; level < kSwimLevels; ++level) {
    EXPECT_EQ(Level(level, 0, 47), kFreeWater);
    EXPECT_EQ(Level(level, 0, 53), kFreeWater);
    EXPECT_EQ(Level(level, 0, 46), kBlocked);
  }
}

TEST(NavSceneMap, HigherLevelsAreNeverMoreBlocked) {
  NavigationMap map;
  ASSERT_TRUE(navtest::MakeSceneMap(map, 99, 4));
  for (int level = 1; level < kSwimLevels; ++level) {
    for (int cell = 0; cell < kGridCells; ++cell) {
      if (map.gWave.levelLayers[level - 1][cell] == kFreeWater) {
        ASSERT_EQ(map.gWave.levelLayers[level][cell], kFreeWater) << level << " " << cell;
      }
    }
  }
}

TEST_F(NavMapTest, OnlyTheFirstCycleBuildsTheLayers) {
  Place(33);
  EXPECT_TRUE(map.mapBuildPending);
  FishSchool noFish;
  PlanSchool(map, noFish, 4.0f, 4.0f);
  EXPECT_FALSE(map.mapBuildPending);
  EXPECT_EQ(Level(5, kCentre, kCentre), kBlocked);
  // A fish holding a cell, and a cell code changed after the build: neither is undone.
  map.gWave.levelLayers[3][CellIndex(50, 50)] = kBlocked;
  map.cellGrid[CellIndex(kCentre, kCentre)] = 0;
  PlanSchool(map, noFish, 4.0f, 4.0f);
  EXPECT_EQ(Level(3, 50, 50), kBlocked);
  EXPECT_EQ(Level(5, kCentre, kCentre), kBlocked);
}

TEST(GWaveInit, RefusesAGridTooSmallForAWindow) {
  GWave wave;
  EXPECT_FALSE(wave.Init(70, 400));
  EXPECT_EQ(wave.baseLayer, nullptr);
  EXPECT_TRUE(wave.Init(71, 71));
  EXPECT_NE(wave.levelLayers[7], nullptr);
  EXPECT_EQ(wave.FrontierCapacity(), 284);
  GWave searchOnly;
  EXPECT_TRUE(searchOnly.InitSearchOnly(400, 400));
  EXPECT_EQ(searchOnly.levelLayers[0], nullptr);
  EXPECT_EQ(searchOnly.gridOffsets[4], -401);
  EXPECT_EQ(searchOnly.windowOffsets[7], 71);
}

}  // namespace
}  // namespace sorvane
