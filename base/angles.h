// Degrees become radians with 3.14 / 180, not π / 180: every turn of the
// scenery, the rays and the fish was tuned with it.
#pragma once

namespace sorvane {

constexpr float kRadiansPerDegree = 3.14f / 180.0f;

constexpr float Radians(float degrees) { return degrees * kRadiansPerDegree; }

}  // namespace sorvane
