// Object placement per tile.
#include "scene/object_placement.h"

#include <algorithm>
#include <array>
#include <new>

#include "base/world_units.h"
#include "scene/ground_height.h"
#include "scene/seabed_tiles.h"

namespace sorvane {

namespace {

constexpr int kCellsPerTile = 16;
constexpr int kCodes = 52;

constexpr PlacementRule R(float sink) { return {true, 0.0f, sink}; }
constexpr PlacementRule C(float sink) { return {false, 0.0f, sink}; }
constexpr PlacementRule W(float probe, float sink) { return {false, probe, sink}; }

constexpr std::array<PlacementRule, kCodes> kRules = {{
    C(0.0f),
    R(0.0f),                                            // bubble source
    R(0.0015f), R(0.00175f), R(0.0015f),                // CStone1–3
    C(0.0f),                                            // CColumn1
    C(0.001f), C(0.001f), C(0.001f), C(0.002f),         // CFlora1–4
    W(0.08f, 0.003f), W(0.08f, 0.02f), W(0.08f, 0.003f), W(0.05f, 0.003f), W(0.05f, 0.006f),
    W(0.08f, 0.004f),                                   // CWall1–6
    C(0.001f), C(0.001f), C(0.001f),                    // CBrick1–3
    C(0.0f),                                            // CColumn2
    C(0.005f), C(0.003f),                               // CFlora5–6
    R(0.001f), R(0.001f), R(0.001f), R(0.001f),         // CStone4–7
    R(0.0005f), R(0.0005f), R(0.0005f), R(0.0005f),     // CStone8–11
    C(0.0f),                                            // CColumn3
    C(0.001f), C(0.0015f),                              // CBrick4–5
    W(0.08f, 0.004f), W(0.08f, 0.014f), W(0.08f, 0.014f), W(0.08f, 0.001f),  // CWall7–10
    C(0.005f), C(0.004f), C(0.002f), C(0.002f), C(0.002f), C(0.002f), C(0.002f), C(0.002f),  // CFlora7–14
    C(0.0015f), C(0.0015f), C(0.0015f), C(0.0015f), C(0.0015f), C(0.0015f), C(0.0015f),   // CCoral1–7
}};

template <class T>
void SetPosition(T& object, float x, float z, float y) {
  object.x = x;
  object.z = z;
  object.y = y;
}

void SetPosition(CBubble& bubble, float x, float z, float y) {
  bubble.x = x;
  bubble.z = z;
  bubble.baseY = y;
  bubble.height += y;
}

bool PlaceTile(TileObjects& objects, const uint8_t* cells, const float* heightGrid, int tileRow, int tileColumn) {
  std::array<int32_t, kCodes> counts{};
  for (int cr = 0; cr < kCellsPerTile; ++cr) {
    for (int cc = 0; cc < kCellsPerTile; ++cc) {
      const uint8_t code = cells[CellIndex(tileColumn * kCellsPerTile + cc, tileRow * kCellsPerTile + cr)];
      if (code >= 1 && code < kCodes) ++counts[code];
    }
  }
  // The arrays, in code order; each element's constructor draws its values.
  for (int code = 1; code < kCodes; ++code) {
    if (counts[code] == 0) continue;
    bool allocated = true;
    ForEachObjectArray(objects, [&](auto index, auto& array) {
      if (index() != ClassOfCode(code)) return;
      using T = typename std::remove_reference_t<decltype(array)>::value_type;
      array.items.reset(new (std::nothrow) T[static_cast<size_t>(counts[code])]);
      array.count = array.items ? counts[code] : 0;
      allocated = array.items != nullptr;
    });
    if (!allocated) return false;
  }
  std::array<int32_t, kCodes> next{};
  for (int cr = 0; cr < kCellsPerTile; ++cr) {
    for (int cc = 0; cc < kCellsPerTile; ++cc) {
      const int column = tileColumn * kCellsPerTile + cc;
      const int row = tileRow * kCellsPerTile + cr;
      const uint8_t code = cells[CellIndex(column, row)];
      if (code < 1 || code >= kCodes) continue;
      const PlacementRule& rule = kRules[code];
      float x = static_cast<float>(column) / kCellsPerUnit;
      float z = static_cast<float>(row) / kCellsPerUnit;
      if (rule.randomInCell) {
        x += RandomScaled(kCellSize);
        z += RandomScaled(kCellSize);
      } else {
        x += kCellSize / 2;
        z += kCellSize / 2;
      }
      const float ground =
          rule.probe > 0.0f ? LowestOfFour(heightGrid, x, z, rule.probe) : GroundHeight(heightGrid, x, z);
      const float y = ground - rule.sink;
      const int32_t slot = next[code]++;
      ForEachObjectArray(objects, [&](auto index, auto& array) {
        if (index() == ClassOfCode(code)) SetPosition(array.items[slot], x, z, y);
      });
    }
  }
  return true;
}

}  // namespace

const PlacementRule& PlacementRuleOf(int code) { return kRules[std::clamp(code, 0, kCodes - 1)]; }

float LowestOfFour(const float* heightGrid, float x, float z, float d) {
  return std::min({GroundHeight(heightGrid, x + d, z), GroundHeight(heightGrid, x - d, z),
                   GroundHeight(heightGrid, x, z + d), GroundHeight(heightGrid, x, z - d)});
}

bool PlaceObjects(const std::function<TileObjects&(int tile)>& objectsOf, NavigationMap& map,
                  const float* heightGrid) {
  AddObstacleMargins(map);
  bool placed = true;
  for (int r = 0; r < kTilesPerSide && placed; ++r) {
    for (int c = 0; c < kTilesPerSide && placed; ++c) {
      placed = PlaceTile(objectsOf(r * kTilesPerSide + c), map.cellGrid.get(), heightGrid, r, c);
    }
  }
  BuildLevelPairGrids(map);
  return placed;
}

}  // namespace sorvane
