// One calculation cycle.
#include "fishlife/calculation_cycle.h"

namespace sorvane {

void RunCalculationCycle(NavigationMap& map) {
  if (map.mapBuildPending) BuildLevelLayers(map);
  // Then, every cycle: the fin flap of the fish meshes, and the route planning
  // of every fish in array order.
}

}  // namespace sorvane
