// Bilinear ground height.
#include "scene/ground_height.h"

#include <algorithm>

#include "base/world_units.h"
#include "scene/heights.h"

namespace sorvane {

float GroundHeight(const float* heightGrid, float x, float z) {
  constexpr int kLast = kHeightGridSize - 1;
  // Clamped before the conversion, so that no coordinate overflows an int.
  const int i = static_cast<int>(std::clamp(x * kCellsPerUnit, 0.0f, static_cast<float>(kLast)));
  const int j = static_cast<int>(std::clamp(z * kCellsPerUnit, 0.0f, static_cast<float>(kLast)));
  const int i1 = std::min(i + 1, kLast);
  const int j1 = std::min(j + 1, kLast);
  const float fx = (x - static_cast<float>(i) / kCellsPerUnit) / kCellSize;
  const float fz = (z - static_cast<float>(j) / kCellsPerUnit) / kCellSize;
  const float* near = heightGrid + j * kHeightGridSize;
  const float* far = heightGrid + j1 * kHeightGridSize;
  return (fx * near[i1] + (1.0f - fx) * near[i]) * (1.0f - fz) + fz * (fx * far[i1] + (1.0f - fx) * far[i]);
}

}  // namespace sorvane
