// What the world is: the seabed's tiles and heights, the navigation map with
// the weights its cell codes were drawn with, the camera's path over it, the
// fish and their models.
// No device object lives here.
#pragma once
#include <cstdint>
#include <memory>

#include "base/instance_counts.h"
#include "fishlife/fish_school.h"
#include "fishlife/navigation_map.h"
#include "scene/camera_path.h"
#include "scene/geometry/fin_flap.h"
#include "scene/heights.h"
#include "scene/seabed_tiles.h"

namespace sorvane {

struct World {
  std::unique_ptr<SeabedTile[]> tiles;
  std::unique_ptr<float[]> heightGrid;
  HeightGenerator heightGenerator;
  NavigationMap map;
  CellCodeWeights weights{};
  int32_t fishCount = 0;
  Cell cameraStartCell{};
  float cameraStartX = 0.0f;
  float cameraStartZ = 0.0f;
  CCameraPath cameraPath;
  FishSchool school;
  FishModels fishModels;
  FinFlap finFlap;
};

// One cycle of the calculation thread: the side fins flap, then the fish plan
// their routes around the camera the frame handed them over with (the first
// cycle builds the level layers before). Runs only while the frame has handed
// the fish over: between its start signal and the stop signal it waits for.
void RunCalculationCycle(World& world);

}  // namespace sorvane
