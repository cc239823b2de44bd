// Route planning on the calculation thread: a new pace, destinations drawn
// around home, a window search on the level's layer, the camera's refusals,
// and the holds on the fish's cell and its first step.
#include <cstdlib>

#include "fishlife/fish_behaviour.h"
#include "base/random.h"

namespace sorvane {

namespace {

constexpr int kAttemptsBeforeRespawn = 75;
constexpr int kMinTargetDistance = 6;
constexpr int kTargetMargin = 40;
// Draws of one destination coordinate before the attempt counts as failed: a
// home near the edge can leave no coordinate 6 cells from the fish.
constexpr int kTargetDraws = 16;
constexpr int kRespawnDraws = 4000;

int16_t* Layer(NavigationMap& map, const Fish& f) { return map.gWave.levelLayers[f.level]; }
void MoveTo(Fish& f, int column, int row) {
  f.cellX = f.targetX = static_cast<int16_t>(column);
  f.cellY = f.targetY = static_cast<int16_t>(row);
  f.x = CellCentre(column);
  f.z = CellCentre(row);
}

// Moves the fish to a random cell that is free on its level-pair grid and
// free water in its layer, away from the camera, and makes it home. The old
// hold is released and the new cell held. The level-pair grids are left as
// they are: the layer already keeps two fish out of one cell. False (and the
// fish stays) when no such cell turned up.
bool Respawn(Fish& f, NavigationMap& map, float cameraX, float cameraZ, bool holdsCell) {
  int16_t* layer = Layer(map, f);
  const uint8_t* pairGrid = map.levelPairGrids[f.level / 2].get();
  for (int draw = 0; draw < kRespawnDraws; ++draw) {
    const int column = static_cast<int>(RandomUnit() * 350.0f) + 25;
    const int row = static_cast<int>(RandomUnit() * 350.0f) + 25;
    const float x = CellCentre(column), z = CellCentre(row);
    if (map.cellClass[pairGrid[CellIndex(column, row)]] != 0 || layer[CellIndex(column, row)] != kFreeWater) continue;
    if (AbsDistance(x, cameraX) < 0.2f && AbsDistance(z, cameraZ) < 0.2f) continue;
    if (holdsCell) layer[CellIndex(f.cellX, f.cellY)] = kFreeWater;
    MoveTo(f, column, row);
    layer[CellIndex(column, row)] = kBlocked;
    f.homeX = f.cellX;
    f.homeY = f.cellY;
    return true;
  }
  return false;
}

// A destination coordinate around home, at least 6 cells from the fish.
bool DrawTarget(int home, int current, int limit, int16_t& target) {
  for (int draw = 0; draw < kTargetDraws; ++draw) {
    int t = static_cast<int>(RandomUnit() * 50.0f + static_cast<float>(home) - 25.0f);
    if (t < kTargetMargin) t = kTargetMargin;
    if (t > limit - kTargetMargin) t = limit - kTargetMargin;
    if (std::abs(t - current) >= kMinTargetDistance) {
      target = static_cast<int16_t>(t);
      return true;
    }
  }
  return false;
}

bool SameOrReverse(Step a, int16_t dx, int16_t dy) {
  return (a.dx == dx && a.dy == dy) || (a.dx == -dx && a.dy == -dy);
}

// One planning attempt from the fish's cell; true when the route is accepted.
bool TryRoute(Fish& f, NavigationMap& map, int attempts, float cameraX, float cameraZ) {
  GWave& gWave = map.gWave;
  if (!DrawTarget(f.homeX, f.cellX, gWave.width, f.targetX)) return false;
  if (!DrawTarget(f.homeY, f.cellY, gWave.height, f.targetY)) return false;
  if (Layer(map, f)[CellIndex(f.targetX, f.targetY)] != kFreeWater) return false;

  Cell start{f.cellX, f.cellY};
  Cell destination{f.targetX, f.targetY};
  gWave.LoadWindow(f.level, start, destination);
  const int length = gWave.SearchWindow(f.steps, kMaxRouteSteps, start, destination);
  if (length < 1) return false;
  f.routeLength = static_cast<uint16_t>(length);

  // Right next to the camera, neither straight on nor straight back.
  if (attempts < 30 && CloserThan(f, cameraX, cameraZ, 0.1f) && SameOrReverse(f.steps[0], f.lastDx, f.lastDy)) {
    return false;
  }
  if (f.startled) {
    f.calmSteps = 6;
    f.startled = 0;
  }
  // Refuse a route that brings the fish near the camera within six steps.
  float sx = 0, sz = 0;
  for (int i = 0; i < 6; ++i) {
    sx += f.steps[i].dx;
    sz += f.steps[i].dy;
  }
  const float ax = cameraX - f.x - sx / kCellsPerUnit;
  const float az = cameraZ - f.z - sz / kCellsPerUnit;
  return !(ax > -0.13f && ax < 0.13f && az > -0.13f && az < 0.13f);
}

}  // namespace

void HoldSpawnCells(Fish* fish, int32_t count, NavigationMap& map, float cameraX, float cameraZ) {
  for (int32_t i = 0; i < count; ++i) {
    Fish& f = fish[i];
    int16_t& cell = Layer(map, f)[CellIndex(f.cellX, f.cellY)];
    if (cell == kFreeWater) {
      cell = kBlocked;
      continue;
    }
    // Not free water on its own level: move it to a cell that is, so that
    // its first step releases nothing it did not hold.
    Respawn(f, map, cameraX, cameraZ, false);
  }
}

void PlanRoute(Fish& f, NavigationMap& map, float cameraX, float cameraZ) {
  if (FartherThan(f, cameraX, cameraZ, kFishActiveDistance) || !f.needsRoute) return;

  f.framesPerCell = kPaceOfDraw[static_cast<int>(RandomUnit() * 8.0f)];
  f.x = CellCentre(f.cellX);
  f.z = CellCentre(f.cellY);

  int attempts = 0;
  for (int total = 1;; ++total) {
    if (total > kMaxPlanningAttempts) return;  // try again next cycle
    if (++attempts > kAttemptsBeforeRespawn) {
      attempts = 0;
      Respawn(f, map, cameraX, cameraZ, true);
    }
    if (TryRoute(f, map, attempts, cameraX, cameraZ)) break;
  }
  f.needsRoute = 0;
  f.stepIndex = 0;
  f.frameInStep = 0;
  int16_t* layer = Layer(map, f);
  layer[CellIndex(f.cellX + f.steps[0].dx, f.cellY + f.steps[0].dy)] = kBlocked;
  layer[CellIndex(f.cellX, f.cellY)] = kBlocked;
}

}  // namespace sorvane
