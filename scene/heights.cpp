// Generation of the seabed heights.
#include "scene/heights.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "base/random.h"

namespace sorvane {

namespace {

constexpr int kTileVertices = 17;
constexpr int kTileCells = 16;

// A draw in -1 … 1; the smooth kind averages three, clustering towards 0.
float LatticeValue(bool smooth) {
  const float e = RandomScaled(2.0f) - 1.0f;
  if (!smooth) return e;
  const float f = RandomScaled(2.0f) - 1.0f;
  const float g = RandomScaled(2.0f) - 1.0f;
  return 0.5f * e + 0.25f * f + 0.25f * g;
}

float Blend(InterpolationKind kind, float p0, float p1, float p2, float p3, float u) {
  switch (kind) {
    case InterpolationKind::Linear:
      return (1.0f - u) * p1 + u * p2;
    case InterpolationKind::Cosine: {
      const float v = (1.0f - std::cos(3.14159265f * u)) * 0.5f;
      return p1 * (1.0f - v) + p2 * v;
    }
    case InterpolationKind::Cubic:
      break;
  }
  const float c3 = (p3 - p2) - (p0 - p1);
  const float c2 = (p0 - p1) - c3;
  const float c1 = p2 - p0;
  return c3 * u * u * u + c2 * u * u + c1 * u + p1;
}

}  // namespace

bool HeightGenerator::Start(InterpolationKind kind, int gridWidth, int gridHeight, int firstStep, float firstAmplitude,
                            int divisor, bool smooth) {
  Release();
  const size_t points = static_cast<size_t>(gridWidth) * gridHeight;
  work.reset(new (std::nothrow) float[points]);
  if (!work) return false;
  width = gridWidth;
  height = gridHeight;
  std::fill_n(output, points, 0.0f);
  std::fill_n(work.get(), points, 0.0f);
  int step = firstStep;
  float amplitude = firstAmplitude;
  while (step > 1) {
    Octave(amplitude, step, kind, smooth);
    step /= divisor;
    amplitude = amplitude * 0.6f / static_cast<float>(divisor);
  }
  return true;
}

void HeightGenerator::Octave(float amplitude, int step, InterpolationKind kind, bool smooth) {
  for (int r = 0; r < height; r += step) {
    for (int c = 0; c < width; c += step) WorkAt(r, c) = amplitude * LatticeValue(smooth);
  }
  WorkAt(0, width - 1) = amplitude * LatticeValue(smooth);
  WorkAt(height - 1, 0) = amplitude * LatticeValue(smooth);
  WorkAt(height - 1, width - 1) = amplitude * LatticeValue(smooth);

  const int lastLatticeRow = (height - 1) / step * step;
  const int lastLatticeColumn = (width - 1) / step * step;
  for (int c = 0; c < width; c += step) {
    for (int r = 0; r + step < height; r += step) Interpolate(r, r + step, c, kind, InterpolationDirection::Column);
    Interpolate(lastLatticeRow, height - 1, c, kind, InterpolationDirection::Column);
  }
  // The last column has lattice values only at its ends; between them the
  // values stand as earlier octaves left them.
  for (int r = 0; r + step < height; r += step) {
    Interpolate(r, r + step, width - 1, kind, InterpolationDirection::Column);
  }
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c + step < width; c += step) Interpolate(c, c + step, r, kind, InterpolationDirection::Row);
    Interpolate(lastLatticeColumn, width - 1, r, kind, InterpolationDirection::Row);
  }
  const size_t points = static_cast<size_t>(width) * height;
  for (size_t i = 0; i < points; ++i) output[i] += work[i];
}

void HeightGenerator::Interpolate(int a, int b, int line, InterpolationKind kind, InterpolationDirection direction) {
  const bool column = direction == InterpolationDirection::Column;
  const int size = column ? height : width;
  const auto at = [&](int i) -> float& { return column ? WorkAt(i, line) : WorkAt(line, i); };
  const int n = b - a;
  const float p1 = at(a);
  const float p2 = at(b);
  const float p0 = a - n >= 0 ? at(a - n) : p1;
  const float p3 = b + n <= size - 1 ? at(b + n) : p2;
  for (int k = 1; k < n; ++k) {
    at(a + k) = Blend(kind, p0, p1, p2, p3, static_cast<float>(k) / static_cast<float>(n));
  }
}

void HeightGenerator::Normalise() {
  const size_t points = static_cast<size_t>(width) * height;
  float smallest = 10000.0f;
  float largest = -10000.0f;
  for (size_t i = 0; i < points; ++i) {
    smallest = std::min(smallest, output[i]);
    largest = std::max(largest, output[i]);
  }
  // A flat grid has no range to scale by: it becomes the floor.
  const float range = largest - smallest;
  for (size_t i = 0; i < points; ++i) {
    output[i] = range > 0.0f ? std::clamp((output[i] - smallest) / range, 0.0f, 1.0f) : 0.0f;
  }
}

void HeightGenerator::NormaliseAndSquare() {
  Normalise();
  const size_t points = static_cast<size_t>(width) * height;
  for (size_t i = 0; i < points; ++i) output[i] *= output[i];
}

void HeightGenerator::Release() {
  work.reset();
  width = 0;
  height = 0;
}

bool GenerateHeights(HeightGenerator& generator, float* heightGrid) {
  generator.output = heightGrid;
  if (!generator.Start(InterpolationKind::Cubic, kHeightGridSize, kHeightGridSize, 35, 5.0f, 3, true)) return false;
  generator.Normalise();
  generator.NormaliseAndSquare();
  for (int i = 0; i < kHeightGridPoints; ++i) heightGrid[i] *= kHighestGround;
  return true;
}

namespace {

float TileHeight(const float* heightGrid, int tileRow, int tileColumn, int i, int j) {
  return heightGrid[(kTileCells * tileRow + i) * kHeightGridSize + kTileCells * tileColumn + j];
}

}  // namespace

void WriteTileHeights(const float* heightGrid, int tileRow, int tileColumn, uint8_t* vertices, size_t stride,
                      size_t yOffset) {
  for (int i = 0; i < kTileVertices; ++i) {
    for (int j = 0; j < kTileVertices; ++j) {
      const float y = TileHeight(heightGrid, tileRow, tileColumn, i, j);
      std::memcpy(vertices + (i * kTileVertices + j) * stride + yOffset, &y, sizeof y);
    }
  }
}

float TileCentreHeight(const float* heightGrid, int tileRow, int tileColumn) {
  float smallest = 1000.0f;
  float largest = -1000.0f;
  for (int i = 0; i < kTileVertices; ++i) {
    for (int j = 0; j < kTileVertices; ++j) {
      const float y = TileHeight(heightGrid, tileRow, tileColumn, i, j);
      smallest = std::min(smallest, y);
      largest = std::max(largest, y);
    }
  }
  return smallest + (largest - smallest) * 0.5f;
}

}  // namespace sorvane
