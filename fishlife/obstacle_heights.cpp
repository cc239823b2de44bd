// The table of obstacle heights.
#include "fishlife/obstacle_heights.h"

#include <array>

namespace sorvane {

namespace {

constexpr ObstacleGroup kLowPlants{0, 3};      // 39, 40
constexpr ObstacleGroup kLevel0{1, 3};         // 5, 6, 7, 30, 41-44
constexpr ObstacleGroup kLevel1Small{2, 3};    // 13, 45-49
constexpr ObstacleGroup kLevel1Medium{2, 5};   // 10, 35, 36
constexpr ObstacleGroup kLevel1Large{2, 7};    // 11, 12, 14, 15, 34
constexpr ObstacleGroup kLevel2{3, 3};         // 50, 51
constexpr ObstacleGroup kLevel3{4, 3};         // 8, 9, 20, 21, 37, 38

constexpr std::array<const ObstacleGroup*, 52> MakeGroupTable() {
  std::array<const ObstacleGroup*, 52> table{};
  for (int code : {39, 40}) table[code] = &kLowPlants;
  for (int code : {5, 6, 7, 30, 41, 42, 43, 44}) table[code] = &kLevel0;
  for (int code : {13, 45, 46, 47, 48, 49}) table[code] = &kLevel1Small;
  for (int code : {10, 35, 36}) table[code] = &kLevel1Medium;
  for (int code : {11, 12, 14, 15, 34}) table[code] = &kLevel1Large;
  for (int code : {50, 51}) table[code] = &kLevel2;
  for (int code : {8, 9, 20, 21, 37, 38}) table[code] = &kLevel3;
  return table;
}

constexpr std::array<const ObstacleGroup*, 52> kGroups = MakeGroupTable();

}  // namespace

const ObstacleGroup* FindObstacleGroup(uint8_t code) { return code < kGroups.size() ? kGroups[code] : nullptr; }

}  // namespace sorvane
