// The path-search object: the base layer and the eight swim-level layers of the
// navigation map, and the state of a breadth-first wave search over them.
#pragma once
#include <cstdint>

#include "fishlife/cell_codes.h"

namespace sorvane {

// Layer values; distances written by a search are 0 and above.
constexpr int16_t kBlocked = -1;
constexpr int16_t kFreeWater = -2;
constexpr int16_t kStartMarker = -3;

// Fish search a window of this many columns and rows around their two cells.
constexpr int kWindowSize = 70;

struct Cell {
  int16_t column;
  int16_t row;
  friend bool operator==(const Cell&, const Cell&) = default;
};

// One step of a route, each component -1, 0 or 1.
struct Step {
  int16_t dx;
  int16_t dy;
  friend bool operator==(const Step&, const Step&) = default;
};

class GWave {
 public:
  GWave() = default;
  virtual ~GWave();
  GWave(const GWave&) = delete;
  GWave& operator=(const GWave&) = delete;

  // Allocates the base layer, the frontier lists and the eight level layers.
  // False (with nothing kept) when an allocation fails or the grid is smaller
  // than a search window plus its border.
  bool Init(int gridWidth, int gridHeight);
  // The same without level layers: a searcher that prepares its own base layer.
  bool InitSearchOnly(int gridWidth, int gridHeight);
  void Release();

  // Row 0, the last row, column 0 and the last column of baseLayer become blocked.
  void BlockBorder();
  void CopyBaseToLevels();

  // Shortest 8-connected route from start to destination over baseLayer (the
  // whole grid, or the window when windowMode is set). Returns the number of
  // steps written, 0 when the destination can't be reached or an end lies
  // outside the inner part of the searched area, -1 when the route would be
  // longer than maxSteps. The border of the searched area must be blocked.
  int Search(Step* steps, int maxSteps, Cell start, Cell destination);
  // Search on the window that LoadWindow filled; cells in window coordinates.
  int SearchWindow(Step* steps, int maxSteps, Cell start, Cell destination);
  // Copies the window around both cells out of levelLayers[level] into the
  // front of baseLayer and turns both cells into window coordinates.
  void LoadWindow(int level, Cell& start, Cell& destination);
  void BlockWindowBorder();
  // One wave of the flood; true when it touched the start marker.
  bool ExpandWave();

  int FrontierCapacity() const { return 2 * (width + height); }

  uint16_t waveNumber = 0;
  int32_t frontierCount = 0;
  int16_t** frontier = nullptr;
  int16_t** nextFrontier = nullptr;
  Step directions[8] = {};
  uint8_t windowMode = 0;
  int32_t gridOffsets[8] = {};
  int32_t windowOffsets[8] = {};
  int16_t* baseLayer = nullptr;
  int16_t* levelLayers[kSwimLevels] = {};
  int32_t width = 0;
  int32_t height = 0;

 private:
  bool Allocate(int gridWidth, int gridHeight, bool withLevels);
};

}  // namespace sorvane
