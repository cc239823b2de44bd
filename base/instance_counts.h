// How many fish the scene gets and with which weights each cell code is drawn,
// scaled by the user's detail levels.
#pragma once
#include <array>
#include <cstdint>

namespace sorvane {

constexpr int kCellCodeCount = 52;
constexpr int32_t kFullFishCount = 13000;

struct SceneCounts {
  int32_t fishCount = kFullFishCount;
  std::array<int32_t, kCellCodeCount> instanceCounts{};
};

// The counts before scaling.
SceneCounts InitialSceneCounts();

// Levels as stored (1 … 4; any other value acts as 4). A stored 0 or a missing
// value has already become 2 (see DetailLevelFromSetting).
SceneCounts ScaleSceneCounts(int fishLevel, int plantLevel, int wreckLevel);

}  // namespace sorvane
