// The six planes of the view frustum, taken from view × projection, and the
// sphere test the seabed pass culls its tiles with.
#pragma once
#include <array>

#include "device/device.h"

namespace sorvane {

struct Plane {
  float a, b, c, d;
};

// Right, left, top, bottom, far, then the near side; normals point inwards.
using FrustumPlanes = std::array<Plane, 6>;
constexpr int kFarPlane = 4;

FrustumPlanes ExtractFrustumPlanes(const Matrix& view, const Matrix& projection);

inline float PlaneDistance(const Plane& p, float x, float y, float z) { return p.a * x + p.b * y + p.c * z + p.d; }

// False when the sphere lies wholly outside one of the planes.
bool SphereInFrustum(const FrustumPlanes& planes, float x, float y, float z, float radius);

}  // namespace sorvane
