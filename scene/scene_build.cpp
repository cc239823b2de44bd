// Scene construction: the seabed tiles, the heights, the cell codes with their
// margins and level-pair grids, the objects, the camera's start cell and the
// fish.
#include <new>

#include "base/random.h"
#include "base/world_units.h"
#include "scene/object_placement.h"
#include "scene/scene.h"

namespace sorvane {

namespace {

bool BuildTiles(World& world) {
  world.tiles.reset(new (std::nothrow) SeabedTile[kTileCount]);
  if (!world.tiles) return false;
  for (int r = 0; r < kTilesPerSide; ++r) {
    for (int c = 0; c < kTilesPerSide; ++c) InitTileRecord(world.tiles[r * kTilesPerSide + c], r, c);
  }
  return true;
}

// A cell of the middle 200 × 200 on which the camera can stand: empty sand or
// a bubble source.
void ChooseCameraStartCell(World& world) {
  const uint8_t* cells = world.map.cellGrid.get();
  int column = 0;
  int row = 0;
  do {
    column = static_cast<int>(RandomUnit() * 200.0f + 100.0f);
    row = static_cast<int>(RandomUnit() * 200.0f + 100.0f);
  } while (cells[CellIndex(column, row)] > 1);
  world.cameraStartCell = {static_cast<int16_t>(column), static_cast<int16_t>(row)};
  world.cameraStartX = CellCentre(column);
  world.cameraStartZ = CellCentre(row);
}

}  // namespace

bool BuildScene(World& world, const SceneSettings& settings) {
  if (!BuildTiles(world)) return false;

  world.heightGrid.reset(new (std::nothrow) float[kHeightGridPoints]);
  if (!world.heightGrid || !world.map.Allocate()) return false;
  world.weights = settings.counts.instanceCounts;
  world.fishCount = settings.counts.fishCount;
  FillCellClasses(world.map.cellClass);

  if (!GenerateHeights(world.heightGenerator, world.heightGrid.get())) return false;
  FillCellGrid(world.map.cellGrid.get(), world.weights);
  SetTileCentreHeights(world.tiles.get(), world.heightGrid.get());

  if (!PlaceObjects([&](int tile) -> TileObjects& { return world.tiles[tile].objects; }, world.map,
                    world.heightGrid.get())) {
    return false;
  }

  ChooseCameraStartCell(world);
  if (!PlaceSchool(world.school, world.fishCount, world.map, world.cameraStartX, world.cameraStartZ)) return false;

  if (!world.cameraPath.Init(world.map.cellGrid.get(), &world.map.cellClass)) return false;
  world.cameraPath.cameraSpeedFactor = settings.cameraSpeedFactor;
  return true;
}

}  // namespace sorvane
