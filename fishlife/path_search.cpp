// The wave search: a flood of distances from the destination, one wave per
// step, and a walk downhill from the start; on the whole grid or on a window.
#include "fishlife/gwave.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace sorvane {

namespace {
// Distances are stored in a signed 16-bit layer, so a route can't be longer.
constexpr int kLongestRoute = 32767;
}  // namespace

bool GWave::ExpandWave() {
  const int32_t* offsets = windowMode ? windowOffsets : gridOffsets;
  const int capacity = FrontierCapacity();
  const int16_t distance = static_cast<int16_t>(waveNumber);
  int appended = 0;
  bool touchedStart = false;
  for (int i = 0; i < frontierCount && !touchedStart; ++i) {
    int16_t* cell = frontier[i];
    for (int d = 0; d < 8; ++d) {
      int16_t* neighbour = cell + offsets[d];
      if (*neighbour == kFreeWater) {
        // A wave longer than the list leaves the rest unreached for now: a
        // later wave may still reach them, and every distance written keeps a
        // neighbour one lower, so the walk still ends at the destination.
        if (appended < capacity) {
          *neighbour = distance;
          nextFrontier[appended++] = neighbour;
        }
      } else if (*neighbour == kStartMarker) {
        touchedStart = true;
        break;
      }
    }
  }
  frontierCount = appended;
  std::swap(frontier, nextFrontier);
  return touchedStart;
}

int GWave::Search(Step* steps, int maxSteps, Cell start, Cell destination) {
  const int stride = windowMode ? kWindowSize : width;
  const int rows = windowMode ? kWindowSize : height;
  // The ends must lie inside the blocked border, so that every cell the flood
  // and the walk look at stays inside the searched area.
  const auto inner = [&](Cell c) { return c.column >= 1 && c.column <= stride - 2 && c.row >= 1 && c.row <= rows - 2; };
  if (!inner(start) || !inner(destination)) return 0;
  const int limit = std::min(maxSteps, kLongestRoute);

  int16_t* const startCell = baseLayer + start.row * stride + start.column;
  int16_t* const destinationCell = baseLayer + destination.row * stride + destination.column;
  *startCell = kStartMarker;
  *destinationCell = 0;
  frontier[0] = destinationCell;
  frontierCount = 1;
  waveNumber = 1;

  if (waveNumber <= limit) {
    for (;;) {
      if (ExpandWave()) break;
      if (frontierCount == 0) return 0;
      ++waveNumber;
      if (waveNumber > limit) break;
    }
  }
  if (waveNumber > limit) return -1;

  // Downhill walk; values compare unsigned, so the markers lose to any distance
  // and ties keep the earlier direction (straight before diagonal).
  const int32_t* offsets = windowMode ? windowOffsets : gridOffsets;
  int16_t* current = startCell;
  for (int i = 0; i < waveNumber; ++i) {
    uint16_t bestValue = static_cast<uint16_t>(*current);
    int bestDirection = -1;
    for (int d = 0; d < 8; ++d) {
      const int16_t value = current[offsets[d]];
      if (value != kBlocked && static_cast<uint16_t>(value) < bestValue) {
        bestValue = static_cast<uint16_t>(value);
        bestDirection = d;
      }
    }
    if (bestDirection < 0) return i;
    steps[i] = directions[bestDirection];
    current += offsets[bestDirection];
  }
  return waveNumber;
}

int GWave::SearchWindow(Step* steps, int maxSteps, Cell start, Cell destination) {
  windowMode = 1;
  const int result = Search(steps, maxSteps, start, destination);
  windowMode = 0;
  return result;
}

void GWave::LoadWindow(int level, Cell& start, Cell& destination) {
  const auto origin = [](int a, int b, int size) {
    const int middle = (std::min(a, b) + std::max(a, b)) / 2;
    if (middle < kWindowSize / 2) return 0;
    if (middle > size - (kWindowSize / 2 + 1)) return size - (kWindowSize + 1);
    return middle - kWindowSize / 2;
  };
  const int ox = origin(start.column, destination.column, width);
  const int oy = origin(start.row, destination.row, height);
  const int16_t* source = levelLayers[level];
  for (int r = 0; r < kWindowSize; ++r) {
    std::memcpy(baseLayer + r * kWindowSize, source + (oy + r) * width + ox, kWindowSize * sizeof(int16_t));
  }
  start.column = static_cast<int16_t>(start.column - ox);
  start.row = static_cast<int16_t>(start.row - oy);
  destination.column = static_cast<int16_t>(destination.column - ox);
  destination.row = static_cast<int16_t>(destination.row - oy);
  BlockWindowBorder();
}

void GWave::BlockWindowBorder() {
  std::fill_n(baseLayer, kWindowSize, kBlocked);
  std::fill_n(baseLayer + (kWindowSize - 1) * kWindowSize, kWindowSize, kBlocked);
  for (int r = 0; r < kWindowSize; ++r) {
    baseLayer[r * kWindowSize] = kBlocked;
    baseLayer[r * kWindowSize + kWindowSize - 1] = kBlocked;
  }
}

}  // namespace sorvane
