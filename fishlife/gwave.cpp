// Set-up and teardown of the path-search object and its whole-layer operations.
#include "fishlife/gwave.h"

#include <algorithm>
#include <new>

namespace sorvane {

namespace {
// North, west, east, south, north-west, north-east, south-west, south-east.
constexpr Step kDirections[8] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
}  // namespace

GWave::~GWave() { Release(); }

bool GWave::Init(int gridWidth, int gridHeight) { return Allocate(gridWidth, gridHeight, true); }

bool GWave::InitSearchOnly(int gridWidth, int gridHeight) { return Allocate(gridWidth, gridHeight, false); }

bool GWave::Allocate(int gridWidth, int gridHeight, bool withLevels) {
  Release();
  // The window, with the column and row it never reaches, must fit the grid.
  if (gridWidth <= kWindowSize || gridHeight <= kWindowSize) return false;
  width = gridWidth;
  height = gridHeight;
  const int cells = width * height;
  const int capacity = FrontierCapacity();
  baseLayer = new (std::nothrow) int16_t[cells];
  frontier = new (std::nothrow) int16_t*[capacity];
  bool ok = baseLayer != nullptr && frontier != nullptr;
  for (int level = 0; withLevels && ok && level < kSwimLevels; ++level) {
    levelLayers[level] = new (std::nothrow) int16_t[cells];
    ok = levelLayers[level] != nullptr;
  }
  if (ok) {
    nextFrontier = new (std::nothrow) int16_t*[capacity];
    ok = nextFrontier != nullptr;
  }
  if (!ok) {
    Release();
    return false;
  }
  for (int d = 0; d < 8; ++d) {
    directions[d] = kDirections[d];
    gridOffsets[d] = kDirections[d].dy * width + kDirections[d].dx;
    windowOffsets[d] = kDirections[d].dy * kWindowSize + kDirections[d].dx;
  }
  windowMode = 0;
  return true;
}

void GWave::Release() {
  delete[] baseLayer;
  delete[] frontier;
  delete[] nextFrontier;
  baseLayer = nullptr;
  frontier = nullptr;
  nextFrontier = nullptr;
  for (int16_t*& layer : levelLayers) {
    delete[] layer;
    layer = nullptr;
  }
  frontierCount = 0;
  width = 0;
  height = 0;
}

void GWave::BlockBorder() {
  std::fill_n(baseLayer, width, kBlocked);
  std::fill_n(baseLayer + (height - 1) * width, width, kBlocked);
  for (int row = 0; row < height; ++row) {
    baseLayer[row * width] = kBlocked;
    baseLayer[row * width + width - 1] = kBlocked;
  }
}

void GWave::CopyBaseToLevels() {
  for (int16_t* layer : levelLayers) std::copy_n(baseLayer, width * height, layer);
}

}  // namespace sorvane
