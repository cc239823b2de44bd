// What the calculation thread does in one cycle, apart from the handshake.
#pragma once

#include "fishlife/navigation_map.h"

namespace sorvane {

// Runs one cycle: on the first, builds the level layers. Must not overlap any
// other use of the map's layers or its path-search object.
void RunCalculationCycle(NavigationMap& map);

}  // namespace sorvane
