#include "fishlife/school_planning.h"

namespace sorvane {

void PlanSchool(NavigationMap& map, FishSchool& school, float cameraX, float cameraZ) {
  if (map.mapBuildPending) {
    BuildLevelLayers(map);
    HoldSpawnCells(school.fish.get(), school.count, map, cameraX, cameraZ);
  }
  for (int32_t i = 0; i < school.count; ++i) PlanRoute(school.fish[i], map, cameraX, cameraZ);
}

}  // namespace sorvane
