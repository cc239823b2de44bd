// Shared by the navigation tests: maps built the way scene construction builds
// them, and a plain breadth-first search to check the wave search against.
#pragma once
#include <cstdint>
#include <deque>
#include <vector>

#include "fishlife/cell_codes.h"
#include "fishlife/navigation_map.h"
#include "base/instance_counts.h"
#include "base/random.h"

namespace sorvane::navtest {

// An empty map (all sand) with its classes and a 400 × 400 search object.
inline bool MakeEmptyMap(NavigationMap& map) {
  if (!map.Allocate()) return false;
  FillCellClasses(map.cellClass);
  return true;
}

// The map of a run with the given seed and plant and ruin detail level, up to
// and including its level layers.
inline bool MakeSceneMap(NavigationMap& map, uint32_t seed, int detailLevel = 2) {
  if (!MakeEmptyMap(map)) return false;
  SeedRandom(seed);
  FillCellGrid(map.cellGrid.get(), ScaleSceneCounts(2, detailLevel, detailLevel).instanceCounts);
  AddObstacleMargins(map);
  BuildLevelPairGrids(map);
  BuildLevelLayers(map);
  return true;
}

// Distances from one cell over a layer (negative values other than the free
// marker block); -1 where the cell can't be reached.
inline std::vector<int> BreadthFirst(const std::vector<int16_t>& layer, int width, int height, int fromColumn,
                                     int fromRow) {
  std::vector<int> distance(layer.size(), -1);
  std::deque<int> queue;
  distance[fromRow * width + fromColumn] = 0;
  queue.push_back(fromRow * width + fromColumn);
  while (!queue.empty()) {
    const int cell = queue.front();
    queue.pop_front();
    const int column = cell % width;
    const int row = cell / width;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int c = column + dx;
        const int r = row + dy;
        if (c < 0 || r < 0 || c >= width || r >= height) continue;
        const int next = r * width + c;
        if (layer[next] == -1 || distance[next] >= 0) continue;
        distance[next] = distance[cell] + 1;
        queue.push_back(next);
      }
    }
  }
  return distance;
}

}  // namespace sorvane::navtest
