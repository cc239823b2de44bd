#include "base/instance_counts.h"

namespace sorvane {

namespace {

enum class Group { None, Plant, Ruins };

struct CodeEntry {
  int32_t count;
  Group group;
};

constexpr std::array<CodeEntry, kCellCodeCount> kCodes = {{
    {1250, Group::None},  {1000, Group::Ruins}, {9, Group::Ruins},   {9, Group::Ruins},   {9, Group::Ruins},
    {8, Group::Ruins},    {110, Group::Plant},  {0, Group::Plant},   {80, Group::Plant},  {80, Group::Plant},
    {2, Group::Ruins},    {2, Group::Ruins},    {2, Group::Ruins},   {0, Group::Ruins},   {2, Group::Ruins},
    {2, Group::Ruins},    {5, Group::Ruins},    {5, Group::Ruins},   {5, Group::Ruins},   {8, Group::Ruins},
    {80, Group::Plant},   {80, Group::Plant},   {9, Group::Ruins},   {9, Group::Ruins},   {9, Group::Ruins},
    {9, Group::Ruins},    {9, Group::Ruins},    {9, Group::Ruins},   {9, Group::Ruins},   {9, Group::Ruins},
    {8, Group::Ruins},    {5, Group::Ruins},    {5, Group::Ruins},   {2, Group::Ruins},   {2, Group::Ruins},
    {2, Group::Ruins},    {3, Group::Ruins},    {80, Group::Plant},  {85, Group::Plant},  {89, Group::Plant},
    {89, Group::Plant},   {0, Group::Plant},    {0, Group::Plant},   {85, Group::Plant},  {85, Group::Plant},
    {7, Group::Ruins},    {7, Group::Ruins},    {7, Group::Ruins},   {7, Group::Ruins},   {7, Group::Ruins},
    {7, Group::Ruins},    {7, Group::Ruins},
}};

struct Factor {
  int32_t multiply;
  int32_t divide;
};

Factor LevelFactor(int level) {
  switch (level) {
    case 1: return {1, 4};
    case 2: return {1, 2};
    case 3: return {3, 4};
    default: return {1, 1};
  }
}

// Some ruins take their own factor at level 3, so that the mix changes too.
Factor WreckFactor(int code, int level) {
  if (level != 3) return LevelFactor(level);
  if (code == 4 || code == 12 || code == 18) return {9, 4};
  if (code == 13 || code == 22 || code == 31) return {1, 4};
  if (code >= 45) return {4, 4};
  return LevelFactor(level);
}

// At level 3 the last plant keeps its full weight, like the corals beside it.
Factor PlantFactor(int code, int level) {
  if (level == 3 && code == 44) return {4, 4};
  return LevelFactor(level);
}

int32_t Apply(int32_t value, Factor f) { return value * f.multiply / f.divide; }

}  // namespace

SceneCounts InitialSceneCounts() {
  SceneCounts counts;
  for (int k = 0; k < kCellCodeCount; ++k) counts.instanceCounts[k] = kCodes[k].count;
  return counts;
}

SceneCounts ScaleSceneCounts(int fishLevel, int plantLevel, int wreckLevel) {
  SceneCounts counts = InitialSceneCounts();
  counts.fishCount = Apply(counts.fishCount, LevelFactor(fishLevel));
  for (int k = 0; k < kCellCodeCount; ++k) {
    int32_t value = counts.instanceCounts[k] * 4;
    if (kCodes[k].group == Group::Plant) value = Apply(value, PlantFactor(k, plantLevel));
    if (kCodes[k].group == Group::Ruins) value = Apply(value, WreckFactor(k, wreckLevel));
    counts.instanceCounts[k] = value;
  }
  return counts;
}

}  // namespace sorvane
