// Planning and following the camera's path.
#include "scene/camera_path.h"

#include <algorithm>
#include <cmath>

#include "base/random.h"
#include "base/world_units.h"
#include "d3dx/matrix_math.h"

namespace sorvane {

namespace {

constexpr int kEdgeMargin = 100;
constexpr int kNearestGoal = 30;
constexpr int kGoalAttemptsPerStart = 30;
constexpr int kExtensionAttempts = 51;
constexpr double kCurveStep = 0.0001;

Vector3 CellVector(Cell c) { return {static_cast<float>(c.column), 0.0f, static_cast<float>(c.row)}; }

float DistanceSquared(const Vector3& a, const Vector3& b) {
  const Vector3 d = a - b;
  return Vec3Dot(d, d);
}

// rand() × 200 / 32767 around c - 100, redrawn until it lies at least 30 from
// c and strictly inside the middle 200 cells of the grid.
int16_t DrawNear(int16_t c) {
  for (;;) {
    const int16_t v = static_cast<int16_t>(RandomScaled(2.0f * kEdgeMargin) + static_cast<float>(c - kEdgeMargin));
    if (std::abs(v - c) >= kNearestGoal && v > kEdgeMargin && v < kGridSize - kEdgeMargin) return v;
  }
}

}  // namespace

bool CCameraPath::Init(const uint8_t* cellGrid, const CellClassTable* cellClass) {
  cellGrid_ = cellGrid;
  cellClass_ = cellClass;
  return search_.InitSearchOnly(kGridSize, kGridSize);
}

void CCameraPath::Release() { search_.Release(); }

void CCameraPath::ResetSearchGrid() {
  for (int cell = 0; cell < kGridCells; ++cell) {
    const uint8_t code = cellGrid_[cell];
    search_.baseLayer[cell] = ((*cellClass_)[code] != 0 || code == kCameraBlockCode) ? kBlocked : kFreeWater;
  }
  search_.BlockBorder();
}

Cell CCameraPath::RandomFreeCell() const {
  for (;;) {
    const float span = static_cast<float>(kGridSize - 2 * kEdgeMargin);
    const auto column = static_cast<int16_t>(RandomUnit() * span + kEdgeMargin);
    const auto row = static_cast<int16_t>(RandomUnit() * span + kEdgeMargin);
    if (search_.baseLayer[CellIndex(column, row)] == kFreeWater) return {column, row};
  }
}

Cell CCameraPath::RandomCellNear(Cell c) const {
  for (;;) {
    const int16_t column = DrawNear(c.column);
    const int16_t row = DrawNear(c.row);
    if (search_.baseLayer[CellIndex(column, row)] == kFreeWater) return {column, row};
  }
}

void CCameraPath::ToAbsolute(Cell from, const Step* steps, int n, Cell* out) {
  Cell c = from;
  for (int i = 0; i < n; ++i) {
    c.column = static_cast<int16_t>(c.column + steps[i].dx);
    c.row = static_cast<int16_t>(c.row + steps[i].dy);
    out[i] = c;
  }
}

bool CCameraPath::LineOfSight(Cell a, Cell b) const {
  const Vector3 from = CellVector(a);
  const Vector3 d = CellVector(b) - from;
  const float lengthSquared = Vec3Dot(d, d);
  if (lengthSquared == 0.0f) return true;
  const Vector3 u = Vec3Normalize(d) * 0.2f;
  Vector3 p = from;
  for (;;) {
    p = p + u;
    const int column = static_cast<int>(std::floor(p.x + 0.5f));
    const int row = static_cast<int>(std::floor(p.z + 0.5f));
    if (search_.baseLayer[CellIndex(column, row)] == kBlocked) return false;
    if (DistanceSquared(p, from) >= lengthSquared) return true;
  }
}

int CCameraPath::ThinRoute(Cell* points, int n) const {
  constexpr Cell kRemoved{0, 0};
  int j = 0;
  while (j < n - 1) {
    int seen = -1;
    for (int i = n - 1; i >= j + 2; --i) {
      if (LineOfSight(points[j], points[i])) {
        seen = i;
        break;
      }
    }
    if (seen < 0) {
      ++j;
      continue;
    }
    std::fill(points + j + 1, points + seen, kRemoved);
    j = seen;
  }
  return static_cast<int>(std::remove(points, points + n, kRemoved) - points);
}

void CCameraPath::BuildRoute() {
  ResetSearchGrid();
  Cell start = RandomFreeCell();
  currentCell = start;
  int tries = 0;
  int n = 0;
  for (;;) {
    const Cell goal = RandomCellNear(start);
    n = search_.Search(steps_, kMaxRouteSteps, start, goal);
    if (n > 0) break;
    ResetSearchGrid();
    if (++tries > kGoalAttemptsPerStart) {
      ResetSearchGrid();
      start = RandomFreeCell();
      currentCell = start;
      tries = 0;
    }
  }
  route[0] = start;
  ToAbsolute(start, steps_, n, route + 1);
  pointCount = ThinRoute(route, n + 1);
  segment = 0;
  stepLength = StepLength();
}

int CCameraPath::ExtendRoute(Cell from, Cell* out) {
  for (int attempt = 0; attempt < kExtensionAttempts; ++attempt) {
    ResetSearchGrid();
    const Cell goal = RandomCellNear(from);
    const int n = search_.Search(steps_, kMaxRouteSteps, from, goal);
    if (n > 0) {
      ToAbsolute(from, steps_, n, out);
      return n;
    }
  }
  BuildRoute();
  return 0;
}

// Continues the route from its last point, keeping the points of the current
// segment. A freshly built route may have only two points (its ends see each
// other); it is extended the same way before the camera takes its first segment.
void CCameraPath::ExtendCurrentRoute() {
  const int kept = pointCount - segment;
  std::copy_n(route + segment, kept, extension);
  const int n = ExtendRoute(extension[kept - 1], extension + kept);
  if (n == 0) return;
  const int added = ThinRoute(extension + kept - 1, n + 1) - 1;
  pointCount = kept + added;
  std::copy_n(extension, pointCount, route);
  segment = 0;
}

void CCameraPath::Evaluate(Vector3& eye, Vector3& look, Vector3& up) const {
  up = {0.0f, 1.0f, 0.0f};
  if (pointCount - segment < 3) {
    // No route yet: stand on the current cell, looking along z.
    eye = {CellCentre(currentCell.column), 0.0f, CellCentre(currentCell.row)};
    look = eye + Vector3{0.0f, 0.0f, 1.0f};
    return;
  }
  const Vector3 p0 = CellVector(route[segment]);
  const Vector3 p1 = CellVector(route[segment + 1]);
  const Vector3 p2 = CellVector(route[segment + 2]);
  const Vector3 a = (p0 + p1) * 0.5f;
  const Vector3 b = (p1 + p2) * 0.5f;
  const Vector3 ta = p1 - p0;
  const Vector3 tb = p2 - p1;
  const float s = static_cast<float>(t);
  const Vector3 e = Vec3Hermite(a, ta, b, tb, s);
  // The look direction turns from the first leg through their average to the second.
  const Vector3 m = (ta + tb) * 0.5f;
  Vector3 dir{};
  if (s < 0.5f) {
    const float w = std::cos(s * 3.14f);
    dir = (1.0f - w) * m + w * ta;
  } else {
    const float w = std::sin((s - 0.5f) * 3.14f);
    dir = (1.0f - w) * m + w * tb;
  }
  // A leg that doubles back on the previous one has no average direction.
  if (dir.x == 0.0f && dir.z == 0.0f) dir = tb;
  eye = {CellCentre(e.x), e.y * kCellSize, CellCentre(e.z)};
  look = eye + dir;
}

void CCameraPath::Advance() {
  if (pointCount == 0) BuildRoute();
  // The current segment needs a point after it before the camera may enter the next.
  while (pointCount - segment < 4) ExtendCurrentRoute();

  const double t0 = t;
  Vector3 p{}, q{}, look{}, up{};
  Evaluate(p, look, up);
  const double chordSquared = stepLength * stepLength;
  do {
    t += kCurveStep;
    Evaluate(q, look, up);
  } while (DistanceSquared(q, p) < chordSquared);

  // Slow down in turns: the power of the turn's cosine, floored at 0.01.
  const Vector3 dir = Vec3Normalize(look - q);
  const float k = Vec3Dot(previousDirection, dir);
  previousDirection = dir;
  float f = 0.99f * k;
  for (int i = 0; i < 8; ++i) f *= f;
  f = std::max(f, 0.01f);
  t = t0 + f * (t - t0);

  // The curve's tangent is the same leg on both sides of a join, so the part
  // of the frame's advance beyond the end carries on into the next segment;
  // starting it at 0 would leave the eye all but still for a frame.
  if (t >= 1.0) {
    ++segment;
    currentCell = route[segment];
    stepLength = StepLength();
    t -= 1.0;
  }
}

}  // namespace sorvane
