// Frustum planes from the columns of view × projection (row vectors).
#include "render/frustum.h"

#include <cmath>

#include "d3dx/matrix_math.h"

namespace sorvane {

namespace {

Plane Normalised(float a, float b, float c, float d) {
  const float length = std::sqrt(a * a + b * b + c * c);
  if (length == 0.0f) return {a, b, c, d};
  return {a / length, b / length, c / length, d / length};
}

}  // namespace

FrustumPlanes ExtractFrustumPlanes(const Matrix& view, const Matrix& projection) {
  const Matrix m = MatrixMultiply(view, projection);
  auto column = [&](int j, int i) { return m.m[i][j]; };
  FrustumPlanes planes;
  // c4 − c1, c4 + c1, c4 + c2, c4 − c2, c4 − c3, c4 + c3.
  const int axis[6] = {0, 0, 1, 1, 2, 2};
  const float sign[6] = {-1.0f, 1.0f, 1.0f, -1.0f, -1.0f, 1.0f};
  for (int p = 0; p < 6; ++p) {
    float v[4];
    for (int i = 0; i < 4; ++i) v[i] = column(3, i) + sign[p] * column(axis[p], i);
    planes[p] = Normalised(v[0], v[1], v[2], v[3]);
  }
  return planes;
}

bool SphereInFrustum(const FrustumPlanes& planes, float x, float y, float z, float radius) {
  for (const Plane& p : planes) {
    if (PlaneDistance(p, x, y, z) <= -radius) return false;
  }
  return true;
}

}  // namespace sorvane
