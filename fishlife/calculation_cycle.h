// What the calculation thread does in one cycle, apart from the handshake.
#pragma once

#include "fishlife/fish_school.h"
#include "fishlife/navigation_map.h"

namespace sorvane {

// Runs one cycle's map and fish work: on the first, builds the level layers and
// gives every fish the hold on its cell; then plans the routes of the fish near
// the camera. Must not overlap any other use of the map's layers, its
// path-search object or the fish.
void RunCalculationCycle(NavigationMap& map, FishSchool& school, float cameraX, float cameraZ);

}  // namespace sorvane
