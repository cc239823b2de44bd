// Building the navigation map's margins, level-pair grids and level layers
// from the cell codes.
#include "fishlife/navigation_map.h"

#include <algorithm>
#include <new>

#include "fishlife/mark_square.h"
#include "fishlife/obstacle_heights.h"

namespace sorvane {

namespace {

std::unique_ptr<uint8_t[]> ZeroedGrid() { return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[kGridCells]()); }

// Plants of class 1 that stand without a margin.
bool HasNoMargin(uint8_t code) { return (code >= 6 && code <= 9) || code == 21 || (code >= 37 && code <= 44); }

// One margin pass over the cells first..last in both axes.
template <typename Wanted>
void MarginPass(uint8_t* cellGrid, int first, int last, int size, Wanted wanted) {
  for (int row = first; row <= last; ++row) {
    for (int column = first; column <= last; ++column) {
      if (wanted(cellGrid[CellIndex(column, row)])) MarkSquare(cellGrid, kMarginCode, column, row, size);
    }
  }
}

// The range in which a 7 × 7 square stays inside the grid.
constexpr int kFirstInner = 3;
constexpr int kLastInner = kGridSize - 4;

}  // namespace

bool NavigationMap::Allocate() {
  cellGrid = ZeroedGrid();
  bool ok = cellGrid != nullptr;
  for (auto& grid : levelPairGrids) {
    grid = ZeroedGrid();
    ok = ok && grid != nullptr;
  }
  ok = ok && gWave.Init(kGridSize, kGridSize);
  if (!ok) Release();
  return ok;
}

void NavigationMap::Release() {
  cellGrid.reset();
  for (auto& grid : levelPairGrids) grid.reset();
  gWave.Release();
}

void AddObstacleMargins(NavigationMap& map) {
  uint8_t* grid = map.cellGrid.get();
  const CellClassTable& cls = map.cellClass;
  MarginPass(grid, kFirstInner, kLastInner, 7, [&](uint8_t code) { return cls[code] == 3; });
  MarginPass(grid, kFirstInner, kLastInner, 5, [&](uint8_t code) { return cls[code] == 2; });
  MarginPass(grid, 1, kGridSize - 2, 3, [&](uint8_t code) { return cls[code] == 1 && !HasNoMargin(code); });
}

void BuildLevelPairGrids(NavigationMap& map) {
  const uint8_t* cells = map.cellGrid.get();
  for (auto& grid : map.levelPairGrids) std::copy_n(cells, kGridCells, grid.get());
  for (int row = kFirstInner; row <= kLastInner; ++row) {
    for (int column = kFirstInner; column <= kLastInner; ++column) {
      const ObstacleGroup* group = FindObstacleGroup(cells[CellIndex(column, row)]);
      if (group == nullptr) continue;
      for (int pair = FirstClearedPairGrid(*group); pair < kLevelPairGrids; ++pair) {
        uint8_t* grid = map.levelPairGrids[pair].get();
        grid[CellIndex(column, row)] = 0;
        MarkSquare(grid, uint8_t{0}, column, row, group->clearingSize);
      }
    }
  }
}

void BuildLevelLayers(NavigationMap& map) {
  GWave& gWave = map.gWave;
  const uint8_t* cells = map.cellGrid.get();
  for (int cell = 0; cell < kGridCells; ++cell) {
    gWave.baseLayer[cell] = map.cellClass[cells[cell]] != 0 ? kBlocked : kFreeWater;
  }
  gWave.BlockBorder();
  gWave.CopyBaseToLevels();
  for (int row = kFirstInner; row <= kLastInner; ++row) {
    for (int column = kFirstInner; column <= kLastInner; ++column) {
      const uint8_t code = cells[CellIndex(column, row)];
      if (map.cellClass[code] == 0) continue;
      const ObstacleGroup* group = FindObstacleGroup(code);
      if (group == nullptr) continue;
      for (int level = group->firstFreeLevel; level < kSwimLevels; ++level) {
        int16_t* layer = gWave.levelLayers[level];
        layer[CellIndex(column, row)] = kFreeWater;
        MarkSquare(layer, kFreeWater, column, row, group->clearingSize);
      }
    }
  }
  map.mapBuildPending = false;
}

}  // namespace sorvane
