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
};

// Allocates count fish and places each in array order. False when the array
// can't be allocated.
bool PlaceSchool(FishSchool& school, int32_t count, NavigationMap& map, float cameraX, float cameraZ);

}  // namespace sorvane
