// Scene construction: the seabed tiles, the heights, the cell codes with their
// margins and level-pair grids, and the camera's start cell.
#include <new>

#include "scene/object_placement.h"
#include "scene/scene.h"
#include "shell/random.h"

namespace sorvane {

namespace {

bool BuildTiles(Scene& scene) {
  scene.tiles.reset(new (std::nothrow) SeabedTile[kTileCount]);
  if (!scene.tiles) return false;
  scene.tilesWithBuffers = 0;
  for (int r = 0; r < kTilesPerSide; ++r) {
    for (int c = 0; c < kTilesPerSide; ++c) {
      SeabedTile& tile = scene.tiles[r * kTilesPerSide + c];
      InitTileRecord(tile, r, c);
      const bool created = CreateTileVertexBuffer(*scene.device, tile, scene.tileTexCoords);
      if (tile.vertexBuffer != nullptr) ++scene.tilesWithBuffers;
      if (!created) return false;
    }
  }
  return true;
}

// A cell of the middle 200 × 200 on which the camera can stand: empty sand or
// a bubble source.
void ChooseCameraStartCell(Scene& scene) {
  const uint8_t* cells = scene.map.cellGrid.get();
  int column = 0;
  int row = 0;
  do {
    column = static_cast<int>(static_cast<float>(Random()) / kRandMax * 200.0f + 100.0f);
    row = static_cast<int>(static_cast<float>(Random()) / kRandMax * 200.0f + 100.0f);
  } while (cells[row * kGridSize + column] > 1);
  scene.cameraStartCell = {static_cast<int16_t>(column), static_cast<int16_t>(row)};
  scene.cameraStartX = column * 0.02f + 0.01f;
  scene.cameraStartZ = row * 0.02f + 0.01f;
}

}  // namespace

bool BuildScene(Scene& scene, const SceneSettings& settings) {
  if (!BuildTiles(scene)) return false;

  scene.heightGrid.reset(new (std::nothrow) float[kHeightGridPoints]);
  if (!scene.heightGrid || !scene.map.Allocate()) return false;
  scene.weights = settings.counts.instanceCounts;
  scene.fishCount = settings.counts.fishCount;
  FillCellClasses(scene.map.cellClass);

  if (!GenerateHeights(scene.heightGenerator, scene.heightGrid.get())) return false;
  FillCellGrid(scene.map.cellGrid.get(), scene.weights);
  ApplyHeightsToTiles(*scene.device, scene.tiles.get(), scene.heightGrid.get());

  if (!PlaceObjects([&](int tile) -> TileObjects& { return scene.tiles[tile].objects; }, scene.map,
                    scene.heightGrid.get())) {
    return false;
  }

  ChooseCameraStartCell(scene);
  // The fish records are set up here once the fish exist.

  if (!scene.cameraPath.Init(scene.map.cellGrid.get(), &scene.map.cellClass)) return false;
  scene.cameraPath.cameraSpeedFactor = settings.cameraSpeedFactor;
  return true;
}

}  // namespace sorvane
