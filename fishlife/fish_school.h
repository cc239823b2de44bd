// All the fish of the scene, with what their placement and their fins share.
#pragma once
#include <cstdint>
#include <memory>

#include "fishlife/fin_flap.h"
#include "fishlife/fish.h"
#include "fishlife/fish_behaviour.h"

namespace sorvane {

struct FishSchool {
  std::unique_ptr<Fish[]> fish;
  int32_t count = 0;
  FishPlacementCounters placement;
  FinFlap finFlap;
  // The models whose fins flap; null where there are none (map-only tests).
  FishModel* models = nullptr;
};

// Allocates count fish and places each in array order. False when the array
// can't be allocated.
bool PlaceSchool(FishSchool& school, int32_t count, NavigationMap& map, float cameraX, float cameraZ);

}  // namespace sorvane
