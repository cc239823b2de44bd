#include "fishlife/fish_school.h"

#include <new>

namespace sorvane {

bool PlaceSchool(FishSchool& school, int32_t count, NavigationMap& map, float cameraX, float cameraZ) {
  school.fish.reset(new (std::nothrow) Fish[static_cast<size_t>(count > 0 ? count : 0)]);
  if (!school.fish) {
    school.count = 0;
    return false;
  }
  school.count = count > 0 ? count : 0;
  for (int32_t i = 0; i < school.count; ++i) {
    PlaceFish(school.fish[i], school.placement, school.count, map, cameraX, cameraZ);
  }
  return true;
}

}  // namespace sorvane
