// The seabed's heights, grown anew each run: three octaves of random lattice
// values joined by cubic interpolation, then normalised and squared so that
// most of the floor lies low and a few mounds rise.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

namespace sorvane {

// One height per corner of the 400 × 400 cells, row-major, 50 per world unit.
constexpr int kHeightGridSize = 401;
constexpr int kHeightGridPoints = kHeightGridSize * kHeightGridSize;
constexpr float kHighestGround = 0.125f;

enum class InterpolationKind { Linear, Cosine, Cubic };
enum class InterpolationDirection { Column, Row };

class HeightGenerator {
 public:
  // Allocates the work grid, clears it and the output, and adds octaves while
  // the step is above 1. False when the work grid can't be allocated.
  bool Start(InterpolationKind kind, int gridWidth, int gridHeight, int firstStep, float firstAmplitude, int divisor,
             bool smooth);
  // Random lattice values every `step` points, interpolated down the columns
  // and along the rows of the work grid, added to the output.
  void Octave(float amplitude, int step, InterpolationKind kind, bool smooth);
  // Fills the points strictly between positions a and b of one column or row.
  void Interpolate(int a, int b, int line, InterpolationKind kind, InterpolationDirection direction);
  // Scales the output to 0 … 1.
  void Normalise();
  void NormaliseAndSquare();
  void Release();

  int width = 0;
  int height = 0;
  float* output = nullptr;
  std::unique_ptr<float[]> work;

 private:
  float& WorkAt(int row, int column) { return work[static_cast<size_t>(row) * width + column]; }
};

// Fills the height grid (kHeightGridPoints values) with a new landscape in
// 0 … kHighestGround. False when the generator's work grid can't be allocated.
bool GenerateHeights(HeightGenerator& generator, float* heightGrid);

// Writes the 17 × 17 vertex heights of one seabed tile: vertex (row i, column j)
// gets grid point (16 × tileRow + i, 16 × tileColumn + j). Vertices are
// `stride` bytes apart, row-major, with y as a float at byte offset yOffset.
void WriteTileHeights(const float* heightGrid, int tileRow, int tileColumn, uint8_t* vertices, size_t stride,
                      size_t yOffset);

// The middle of the range of those 17 × 17 heights.
float TileCentreHeight(const float* heightGrid, int tileRow, int tileColumn);

}  // namespace sorvane
