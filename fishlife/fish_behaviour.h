// How the fish live on the navigation map: placement at scene construction,
// route planning on the calculation thread and the advance of every frame.
//
// Holds: a fish always holds its own cell in its level's layer (blocked, -1)
// and, while it walks a route, the next cell of that route. A cell held in a
// level layer belongs to exactly one fish; every release writes free water
// (-2) only into a cell the releasing fish holds.
#pragma once
#include <cstdint>

#include "fishlife/fish.h"
#include "fishlife/navigation_map.h"

namespace sorvane {

// Counters shared by all placements of one scene.
struct FishPlacementCounters {
  int speed = 0;       // 0 … 7
  int checkFrame = 0;  // 0 … 10
  int species = 0;     // 0 … 19
  int ofSpecies = 0;   // fish given the current species so far
};

// Places one fish of a school of fishCount on a free cell of its swim level's
// level-pair grid, away from the camera, and marks the cell there.
void PlaceFish(Fish& fish, FishPlacementCounters& counters, int32_t fishCount, NavigationMap& map, float cameraX,
               float cameraZ);

// Once the level layers exist: every fish takes the hold on its cell. A fish
// whose cell is not free water in its layer is moved to one that is.
void HoldSpawnCells(Fish* fish, int32_t count, NavigationMap& map, float cameraX, float cameraZ);

// Plans a new route for a fish near the camera that needs one. A fish that
// finds none within kMaxPlanningAttempts keeps needing one until next cycle.
void PlanRoute(Fish& fish, NavigationMap& map, float cameraX, float cameraZ);
constexpr int kMaxPlanningAttempts = 225;

// A plane of the view frustum, a x + b y + c z + d, the normal inward.
struct FishViewPlane {
  float a, b, c, d;
};

// What the advance needs of the frame: the camera, the ground under a point
// and the six planes of the view.
struct FishView {
  float cameraX;
  float cameraZ;
  const float* heightGrid;
  float (*groundHeight)(const float* heightGrid, float x, float z);
  const FishViewPlane* planes;
};

// What the drawing needs of the advance.
struct FishMotion {
  float diff;       // turn of the current step, degrees
  float speed;      // speed factor s
  int framesInt;    // trunc(framesPerCell)
};

// Moves a fish near the camera and inside the view one frame along its route.
// False when it is not to be drawn this frame.
bool AdvanceFish(Fish& fish, GWave& gWave, const FishView& view, FishMotion& motion);

// The heading of a step direction in degrees; west is -180.
float StepHeadingDegrees(Step step);

}  // namespace sorvane
