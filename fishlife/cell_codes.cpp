// Cell classes and the weighted drawing of cell codes.
#include "fishlife/cell_codes.h"

#include "base/random.h"

namespace sorvane {

void FillCellClasses(CellClassTable& cellClass) {
  static constexpr uint8_t kClasses[kCellCodeCount] = {
      0, 0, 0, 0, 0, 1, 1, 1, 1, 1,  // 0-9
      2, 3, 3, 1, 3, 3, 0, 0, 0, 0,  // 10-19
      1, 1, 0, 0, 0, 0, 0, 0, 0, 0,  // 20-29
      1, 0, 0, 3, 3, 2, 2, 1, 1, 1,  // 30-39
      1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 40-49
      1, 1};                         // 50-51
  for (int code = 0; code < kCellCodeCount; ++code) cellClass[code] = kClasses[code];
  cellClass[kMarginCode] = 100;
}

void FillCellGrid(uint8_t* cellGrid, const CellCodeWeights& weights) {
  // 64-bit sums: the product r × total must not overflow whatever the weights.
  int64_t total = 0;
  for (int32_t weight : weights) total += weight;
  for (int cell = 0; cell < kGridCells; ++cell) {
    const int64_t threshold = static_cast<int64_t>(Random()) * total / kRandMax;
    int64_t sum = 0;
    int code = 0;
    for (; code < kCellCodeCount - 1; ++code) {
      sum += weights[code];
      if (sum >= threshold) break;
    }
    cellGrid[cell] = static_cast<uint8_t>(code);
  }
}

}  // namespace sorvane
