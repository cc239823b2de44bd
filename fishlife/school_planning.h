// The fish's side of a calculation cycle.
#pragma once

#include "fishlife/fish_school.h"
#include "fishlife/navigation_map.h"

namespace sorvane {

// On the first call builds the level layers and gives every fish the hold on
// its cell; then plans the routes of the fish near the camera. Must not
// overlap any other use of the map's layers, its path-search object or the
// fish.
void PlanSchool(NavigationMap& map, FishSchool& school, float cameraX, float cameraZ);

}  // namespace sorvane
