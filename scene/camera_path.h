// The camera's endless glide: random routes between free cells of the
// navigation grid, thinned to the corners that can't see each other, followed
// along a smooth curve through the middles of their legs at a fixed chord per
// frame, slower in turns. The next leg is planned before the route runs out.
#pragma once
#include <cstdint>

#include "base/vector.h"
#include "fishlife/cell_codes.h"
#include "fishlife/gwave.h"

namespace sorvane {

class CCameraPath {
 public:
  // Keeps the cell grid and classes to read (they don't change after scene
  // construction) and allocates a search grid of its own, so the camera can
  // plan while the calculation thread searches. False when allocation fails.
  bool Init(const uint8_t* cellGrid, const CellClassTable* cellClass);
  void Release();

  // Moves the camera one frame along its path, planning as needed.
  void Advance();
  // Eye, look-at point and up vector in world units for the current segment and t.
  void Evaluate(Vector3& eye, Vector3& look, Vector3& up) const;

  // The search grid from the cell codes: blocked where the camera can't go.
  void ResetSearchGrid();
  Cell RandomFreeCell() const;
  // A free cell 30 to 100 cells from c in both axes, column and row in 101 … 299.
  Cell RandomCellNear(Cell c) const;
  void BuildRoute();
  // Searches a route from `from` to a random cell near it and writes its cells
  // (without `from`) to out; 0 when none was found and the route was rebuilt.
  int ExtendRoute(Cell from, Cell* out);
  static void ToAbsolute(Cell from, const Step* steps, int n, Cell* out);
  // Keeps the first and last point and the corners that can't see each other;
  // returns how many points are left.
  int ThinRoute(Cell* points, int n) const;
  bool LineOfSight(Cell a, Cell b) const;
  double StepLength() const { return cameraSpeedFactor * 0.001; }

  static constexpr int kMaxRouteSteps = 400;
  // A kept segment and an extension that thins to nothing: three points and a
  // whole route.
  static constexpr int kRouteCapacity = kMaxRouteSteps + 3;

  Cell currentCell{};
  Cell route[kRouteCapacity] = {};
  Cell extension[kRouteCapacity] = {};
  int pointCount = 0;
  int segment = 0;
  float cameraSpeedFactor = 1.0f;
  Vector3 previousDirection{0.0f, 0.0f, 1.0f};
  double t = 0.0;
  double stepLength = 0.0;

 private:
  void ExtendCurrentRoute();

  const uint8_t* cellGrid_ = nullptr;
  const CellClassTable* cellClass_ = nullptr;
  GWave search_;
  Step steps_[kMaxRouteSteps] = {};
};

}  // namespace sorvane
