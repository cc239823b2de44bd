// Matrix and vector operations (row vectors, left-handed).
#include "d3dx/matrix_math.h"

#include <cmath>

namespace sorvane {

Matrix MatrixIdentity() {
  Matrix m{};
  for (int i = 0; i < 4; ++i) m.m[i][i] = 1.0f;
  return m;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b) {
  Matrix r{};
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] + a.m[i][3] * b.m[3][j];
    }
  }
  return r;
}

Matrix MatrixTranspose(const Matrix& m) {
  Matrix r{};
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) r.m[i][j] = m.m[j][i];
  }
  return r;
}

Matrix MatrixTranslation(float x, float y, float z) {
  Matrix m = MatrixIdentity();
  m.m[3][0] = x;
  m.m[3][1] = y;
  m.m[3][2] = z;
  return m;
}

Matrix MatrixRotationX(float angle) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  Matrix m = MatrixIdentity();
  m.m[1][1] = c;
  m.m[1][2] = s;
  m.m[2][1] = -s;
  m.m[2][2] = c;
  return m;
}

Matrix MatrixRotationY(float angle) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  Matrix m = MatrixIdentity();
  m.m[0][0] = c;
  m.m[0][2] = -s;
  m.m[2][0] = s;
  m.m[2][2] = c;
  return m;
}

Matrix MatrixRotationAxis(const Vector3& axis, float angle) {
  const Vector3 n = Vec3Normalize(axis);
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  const float t = 1.0f - c;
  Matrix m = MatrixIdentity();
  m.m[0][0] = t * n.x * n.x + c;
  m.m[0][1] = t * n.x * n.y + s * n.z;
  m.m[0][2] = t * n.x * n.z - s * n.y;
  m.m[1][0] = t * n.x * n.y - s * n.z;
  m.m[1][1] = t * n.y * n.y + c;
  m.m[1][2] = t * n.y * n.z + s * n.x;
  m.m[2][0] = t * n.x * n.z + s * n.y;
  m.m[2][1] = t * n.y * n.z - s * n.x;
  m.m[2][2] = t * n.z * n.z + c;
  return m;
}

Matrix MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up) {
  const Vector3 zAxis = Vec3Normalize(at - eye);
  const Vector3 xAxis = Vec3Normalize(Vec3Cross(up, zAxis));
  const Vector3 yAxis = Vec3Cross(zAxis, xAxis);
  Matrix m = MatrixIdentity();
  const Vector3 axes[3] = {xAxis, yAxis, zAxis};
  for (int j = 0; j < 3; ++j) {
    m.m[0][j] = axes[j].x;
    m.m[1][j] = axes[j].y;
    m.m[2][j] = axes[j].z;
    m.m[3][j] = -Vec3Dot(axes[j], eye);
  }
  return m;
}

Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar) {
  const float yScale = 1.0f / std::tan(fovY / 2.0f);
  Matrix m{};
  m.m[0][0] = yScale / aspect;
  m.m[1][1] = yScale;
  m.m[2][2] = zFar / (zFar - zNear);
  m.m[2][3] = 1.0f;
  m.m[3][2] = -zNear * zFar / (zFar - zNear);
  return m;
}

float Vec3Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 Vec3Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Vec3Length(const Vector3& v) { return std::sqrt(Vec3Dot(v, v)); }

Vector3 Vec3Normalize(const Vector3& v) {
  const float length = Vec3Length(v);
  if (length == 0.0f) return {0.0f, 0.0f, 0.0f};
  return v * (1.0f / length);
}

Vector3 Vec3Hermite(const Vector3& v1, const Vector3& t1, const Vector3& v2, const Vector3& t2, float s) {
  const float s2 = s * s;
  const float s3 = s2 * s;
  const float h1 = 2.0f * s3 - 3.0f * s2 + 1.0f;
  const float h2 = s3 - 2.0f * s2 + s;
  const float h3 = -2.0f * s3 + 3.0f * s2;
  const float h4 = s3 - s2;
  return v1 * h1 + t1 * h2 + v2 * h3 + t2 * h4;
}

Vector4 Vec3Transform(const Vector3& v, const Matrix& m) {
  float r[4];
  for (int j = 0; j < 4; ++j) r[j] = v.x * m.m[0][j] + v.y * m.m[1][j] + v.z * m.m[2][j] + m.m[3][j];
  return {r[0], r[1], r[2], r[3]};
}

Vector3 Vec3TransformCoord(const Vector3& v, const Matrix& m) {
  const Vector4 r = Vec3Transform(v, m);
  const float inverseW = 1.0f / r.w;
  return {r.x * inverseW, r.y * inverseW, r.z * inverseW};
}

Vector3 Vec3TransformNormal(const Vector3& v, const Matrix& m) {
  float r[3];
  for (int j = 0; j < 3; ++j) r[j] = v.x * m.m[0][j] + v.y * m.m[1][j] + v.z * m.m[2][j];
  return {r[0], r[1], r[2]};
}

}  // namespace sorvane
