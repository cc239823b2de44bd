// Scene construction places every fish: pace, species block, camera check
// frame, swim level and height, and a spawn cell of its own.
#include <cstring>

#include "fishlife/fish_behaviour.h"
#include "base/random.h"

namespace sorvane {

namespace {

constexpr int kSpeciesCount = 20;
constexpr uint8_t kSpawnMark = 6;  // an obstacle code: no later fish spawns here

int RandomBelow(float range) { return static_cast<int>(RandomUnit() * range); }

int LevelOfDraw(float v) {
  constexpr float kBands[] = {0.025f, 0.04f, 0.055f, 0.07f, 0.085f, 0.1f, 0.115f};
  int level = 0;
  while (level < 7 && v >= kBands[level]) ++level;
  return level;
}

}  // namespace

void PlaceFish(Fish& f, FishPlacementCounters& c, int32_t fishCount, NavigationMap& map, float cameraX,
               float cameraZ) {
  f.tailPhase = 0.0f;
  f.firstFrame = 1;
  f.tailStep = 3.0f;

  f.framesPerCell = kPaceOfDraw[c.speed];
  c.speed = c.speed == 7 ? 0 : c.speed + 1;

  // Blocks of fishCount / 20 fish share a species; with fewer than 20 fish
  // every fish gets the next one.
  f.species = static_cast<uint8_t>(c.species);
  if (++c.ofSpecies >= fishCount / kSpeciesCount) {
    c.ofSpecies = 0;
    c.species = c.species == kSpeciesCount - 1 ? 0 : c.species + 1;
  }

  f.checkFrame = c.checkFrame;
  c.checkFrame = c.checkFrame == 10 ? 0 : c.checkFrame + 1;

  const float v = RandomScaled(0.085f) + 0.01f;
  f.level = LevelOfDraw(v);
  f.y = v + 0.01f;

  uint8_t* pairGrid = map.levelPairGrids[f.level / 2].get();
  int column = 0, row = 0;
  do {
    column = RandomBelow(320.0f) + 40;
    row = RandomBelow(320.0f) + 40;
    f.cellX = f.targetX = static_cast<int16_t>(column);
    f.cellY = f.targetY = static_cast<int16_t>(row);
    f.x = CellCentre(column);
    f.z = CellCentre(row);
  } while (map.cellClass[pairGrid[CellIndex(column, row)]] != 0 || CloserThan(f, cameraX, cameraZ, 0.2f));
  pairGrid[CellIndex(column, row)] = kSpawnMark;

  f.homeX = f.cellX;
  f.homeY = f.cellY;
  f.needsRoute = 1;
  f.startled = 0;
  f.calmSteps = 0;
  f.heading = f.stepHeading = RandomScaled(360.0f);
  f.routeLength = f.stepIndex = f.frameInStep = 0;
  std::memset(f.steps, 0, sizeof f.steps);
  f.lastDx = f.lastDy = 0;
}

}  // namespace sorvane
