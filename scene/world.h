// What the world is: the seabed's tiles and heights, the navigation map with
// the weights its cell codes were drawn with, and the camera's path over it.
// No device object lives here.
#pragma once
#include <cstdint>
#include <memory>

#include "base/instance_counts.h"
#include "fishlife/navigation_map.h"
#include "scene/camera_path.h"
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
};

}  // namespace sorvane
