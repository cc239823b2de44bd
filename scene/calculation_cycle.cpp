// One calculation cycle of the world.
#include "fishlife/school_planning.h"
#include "scene/world.h"

namespace sorvane {

void RunCalculationCycle(World& world) {
  FlapFins(world.finFlap, world.fishModels);
  FishSchool& school = world.school;
  PlanSchool(world.map, school, school.handOverCameraX, school.handOverCameraZ);
}

}  // namespace sorvane
