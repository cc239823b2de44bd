// The navigation grid's geometry and the cell codes that scene construction
// writes into it: how each code is drawn and which class of obstacle it is.
#pragma once
#include <array>
#include <cstdint>

#include "base/instance_counts.h"

namespace sorvane {

constexpr int kGridSize = 400;
constexpr int kGridCells = kGridSize * kGridSize;
constexpr int kSwimLevels = 8;
constexpr int kLevelPairGrids = 4;

// Grids are stored row by row.
constexpr int CellIndex(int column, int row) { return row * kGridSize + column; }

constexpr uint8_t kEmptySand = 0;
// Written around obstacles; blocks every level.
constexpr uint8_t kMarginCode = 250;
// Free water for the fish, blocked for the camera.
constexpr uint8_t kCameraBlockCode = 251;

// Class 0 is free water; 1, 2 and 3 are obstacles with margins one, two and
// three cells wide; anything else non-zero simply blocks.
using CellClassTable = std::array<uint8_t, 256>;
using CellCodeWeights = std::array<int32_t, kCellCodeCount>;

// Classes of codes 0 … 51 and of the margin code; the rest stay 0.
void FillCellClasses(CellClassTable& cellClass);

// Gives every cell of the grid a code 0 … 51 drawn in proportion to its weight.
void FillCellGrid(uint8_t* cellGrid, const CellCodeWeights& weights);

}  // namespace sorvane
