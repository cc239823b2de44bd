// The navigation map: the cell codes of the seabed and everything derived from
// them for finding a way: margins, level-pair grids and the nine layers.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "fishlife/cell_codes.h"
#include "fishlife/gwave.h"

namespace sorvane {

struct NavigationMap {
  // Zeroed cell grid and level-pair grids, and the path search's layers for
  // the whole grid; false when an allocation fails.
  bool Allocate();
  void Release();

  std::unique_ptr<uint8_t[]> cellGrid;
  // Grid p serves swim levels 2p and 2p + 1; a cell of class 0 is free there.
  std::array<std::unique_ptr<uint8_t[]>, kLevelPairGrids> levelPairGrids;
  CellClassTable cellClass{};
  GWave gWave;
  // Set until the first calculation cycle has built the level layers.
  bool mapBuildPending = true;
};

// Writes the margin code around every obstacle of class 3, then 2, then 1.
void AddObstacleMargins(NavigationMap& map);

// Copies the cell grid into the four level-pair grids and opens every obstacle
// in the grids of the level pairs above it.
void BuildLevelPairGrids(NavigationMap& map);

// The base layer from the cell classes, with a blocked border, and the eight
// level layers, in which every obstacle lower than the level is opened again.
void BuildLevelLayers(NavigationMap& map);

}  // namespace sorvane
