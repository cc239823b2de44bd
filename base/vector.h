// Small vector types and the 4 × 4 matrix, and the vectors' elementwise arithmetic.
#pragma once

namespace sorvane {

struct Vector3 {
  float x, y, z;
};

struct Vector4 {
  float x, y, z, w;
};

// Row-major, row vectors on the left, as Direct3D 8 takes it.
struct Matrix {
  float m[4][4];
};

inline Vector3 operator+(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector3 operator-(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vector3 operator*(const Vector3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }
inline Vector3 operator*(float s, const Vector3& v) { return v * s; }

}  // namespace sorvane
