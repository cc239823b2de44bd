// All the fish of the scene, with what their placement shares.
#pragma once
#include <cstdint>
#include <memory>

#include "fishlife/fish.h"
#include "fishlife/fish_behaviour.h"

namespace sorvane {

struct FishSchool {
  std::unique_ptr<Fish[]> fish;
  int32_t count = 0;
  FishPlacementCounters placement;
  // Where the camera stood when the frame handed the school to the
  // calculation cycle: the cycle plans around it while the frame moves on.
  float handOverCameraX = 0.0f;
  float handOverCameraZ = 0.0f;
};

// Allocates count fish and places each in array order. False when the array
// can't be allocated.
bool PlaceSchool(FishSchool& school, int32_t count, NavigationMap& map, float cameraX, float cameraZ);

}  // namespace sorvane
