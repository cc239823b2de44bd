// Object placement: every object in a cell of its code at the code's position
// and height, walls below the ground on all four sides, and within a tile the
// constructors' draws before the positions' draws.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "scene/ground_height.h"
#include "scene/object_placement.h"
#include "scene/seabed_tiles.h"
#include "base/instance_counts.h"

namespace sorvane {
namespace {

struct Placement {
  Placement() : heights(401 * 401), objects(kTileCount) {
    EXPECT_TRUE(map.Allocate());
    FillCellClasses(map.cellClass);
    // Rolling ground, so that heights and the four wall probes differ.
    for (int j = 0; j <= 400; ++j)
      for (int i = 0; i <= 400; ++i)
        heights[j * 401 + i] = 0.06f + 0.03f * std::sin(i * 0.05f) * std::cos(j * 0.037f);
  }
  uint8_t& Cell(int column, int row) { return map.cellGrid[CellIndex(column, row)]; }
  NavigationMap map;
  std::vector<float> heights;
  std::vector<TileObjects> objects;
};

TEST(ObjectPlacementTest, EveryObjectStandsInACellOfItsCodeByTheCodesRule) {
  Placement p;
  SeedRandom(21);
  FillCellGrid(p.map.cellGrid.get(), ScaleSceneCounts(4, 4, 4).instanceCounts);
  ASSERT_TRUE(PlaceObjects([&](int tile) -> TileObjects& { return p.objects[tile]; }, p.map, p.heights.data()));
  const float* h = p.heights.data();
  int placed = 0;
  for (int tile = 0; tile < kTileCount; ++tile) {
    const int tr = tile / kTilesPerSide, tc = tile % kTilesPerSide;
    // Cells per code in this tile, after the margins.
    int cells[52] = {};
    for (int r = 0; r < 16; ++r)
      for (int c = 0; c < 16; ++c) {
        const uint8_t code = p.Cell(tc * 16 + c, tr * 16 + r);
        if (code >= 1 && code <= 51) ++cells[code];
      }
    for (int code = 1; code <= 51; ++code) {
      ASSERT_EQ(ObjectCount(p.objects[tile], ClassOfCode(code)), cells[code]) << "tile " << tile << " code " << code;
    }
    ForEachObjectArray(p.objects[tile], [&](auto index, auto& array) {
      for (int32_t i = 0; i < array.count; ++i) {
        const auto& o = array.items[i];
        // A random position may lie on its cell's edge: look either side of it.
        int column = -1, row = -1, code = -1;
        for (float ex : {-1e-3f, 1e-3f})
          for (float ez : {-1e-3f, 1e-3f}) {
            const int c = static_cast<int>(o.x * 50.0f + ex), r = static_cast<int>(o.z * 50.0f + ez);
            if (ClassOfCode(p.Cell(c, r)) == index()) column = c, row = r, code = p.Cell(c, r);
          }
        ASSERT_GE(code, 1) << "object in a cell of another code";
        const PlacementRule& rule = PlacementRuleOf(code);
        if (!rule.randomInCell) {
          EXPECT_FLOAT_EQ(o.x, column / 50.0f + 0.01f);
          EXPECT_FLOAT_EQ(o.z, row / 50.0f + 0.01f);
        }
        float base = 0.0f;
        if constexpr (requires { o.baseY; }) {
          base = o.baseY;
          EXPECT_GE(o.height, base);
          EXPECT_LE(o.height, base + 0.3f);
        } else {
          base = o.y;
        }
        if (rule.probe > 0.0f) {
          // Below the ground by at least the sink at every probe.
          for (auto [dx, dz] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            EXPECT_LE(base, GroundHeight(h, o.x + dx * rule.probe, o.z + dz * rule.probe) - rule.sink + 1e-7f);
          }
          EXPECT_FLOAT_EQ(base, LowestOfFour(h, o.x, o.z, rule.probe) - rule.sink);
        } else {
          EXPECT_FLOAT_EQ(base, GroundHeight(h, o.x, o.z) - rule.sink);
        }
        ++placed;
      }
    });
  }
  EXPECT_GT(placed, 20000);
}

TEST(ObjectPlacementTest, ConstructorsDrawBeforePositionsWithinATile) {
  Placement p;
  p.Cell(0, 0) = 1;    // a bubble source: random position
  p.Cell(14, 1) = 2;   // CStone1: random position
  p.Cell(8, 8) = 16;   // CBrick1: a turn, centred
  p.Cell(24, 8) = 10;  // CWall1 in the next tile
  SeedRandom(9);
  ASSERT_TRUE(PlaceObjects([&](int tile) -> TileObjects& { return p.objects[tile]; }, p.map, p.heights.data()));

  SeedRandom(9);
  const float speed = RandomScaled(0.002f) + 0.001f;
  const float rise = RandomScaled(0.3f);
  Random();  // the bubble's life
  const float brickYaw = static_cast<float>(Random()) * 3.14f / 32767.0f * 360.0f / 180.0f;
  const float bubbleX = RandomScaled(0.02f), bubbleZ = RandomScaled(0.02f);
  const float stoneX = 14 / 50.0f + RandomScaled(0.02f), stoneZ = 1 / 50.0f + RandomScaled(0.02f);
  const float wallYaw = static_cast<float>(Random()) * 360.0f / 32767.0f;

  const CBubble& bubble = std::get<kBubbleClass>(p.objects[0]).items[0];
  EXPECT_EQ(bubble.riseSpeed, speed);
  EXPECT_EQ(bubble.x, bubbleX);
  EXPECT_EQ(bubble.z, bubbleZ);
  EXPECT_FLOAT_EQ(bubble.height, rise + bubble.baseY);
  EXPECT_EQ(std::get<kBubbleClass + 1>(p.objects[0]).items[0].x, stoneX);
  EXPECT_EQ(std::get<kBubbleClass + 1>(p.objects[0]).items[0].z, stoneZ);
  EXPECT_EQ(std::get<kFirstBrickClass>(p.objects[0]).items[0].yaw, brickYaw);
  EXPECT_EQ(std::get<kFirstWallClass>(p.objects[1]).items[0].yaw, wallYaw);
  EXPECT_EQ(std::get<kFirstWallClass>(p.objects[1]).count, 1);
}

}  // namespace
}  // namespace sorvane
