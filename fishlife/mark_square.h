// Writes a value into the square around a cell (not the cell itself), on a byte
// grid or a 16-bit layer of row stride 400. No bounds test: callers keep the
// centre at least (size - 1) / 2 cells from the edge.
#pragma once
#include <cstdint>

#include "fishlife/cell_codes.h"

namespace sorvane {

template <typename T>
inline void MarkSquareOf(T* grid, T value, int column, int row, int size) {
  const int half = (size - 1) / 2;
  T* centre = grid + CellIndex(column, row);
  for (int dy = -half; dy <= half; ++dy) {
    for (int dx = -half; dx <= half; ++dx) {
      if (dx != 0 || dy != 0) centre[dy * kGridSize + dx] = value;
    }
  }
}

inline void MarkSquare(uint8_t* grid, uint8_t value, int column, int row, int size) {
  MarkSquareOf(grid, value, column, row, size);
}

inline void MarkSquare(int16_t* layer, int16_t value, int column, int row, int size) {
  MarkSquareOf(layer, value, column, row, size);
}

}  // namespace sorvane
