// Matrix and vector operations with the results of their Direct3D utility
// namesakes: row vectors (v × M), left-handed coordinates, angles in radians.
#pragma once

#include "base/vector.h"
#include "device/device.h"

namespace sorvane {

Matrix MatrixIdentity();
// a × b: a is applied first to a row vector.
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
Matrix MatrixTranspose(const Matrix& m);
Matrix MatrixTranslation(float x, float y, float z);
// Rotations turn clockwise when looking along the axis towards the origin.
Matrix MatrixRotationX(float angle);
Matrix MatrixRotationY(float angle);
// The axis need not be of unit length.
Matrix MatrixRotationAxis(const Vector3& axis, float angle);
Matrix MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up);
// fovY is the vertical field of view; aspect is width / height.
Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar);

float Vec3Dot(const Vector3& a, const Vector3& b);
Vector3 Vec3Cross(const Vector3& a, const Vector3& b);
float Vec3Length(const Vector3& v);
// A zero vector stays zero.
Vector3 Vec3Normalize(const Vector3& v);
// The cubic through v1 (tangent t1) at s = 0 and v2 (tangent t2) at s = 1.
Vector3 Vec3Hermite(const Vector3& v1, const Vector3& t1, const Vector3& v2, const Vector3& t2, float s);
// (v, 1) × m, all four components.
Vector4 Vec3Transform(const Vector3& v, const Matrix& m);
// (v, 1) × m divided by its w.
Vector3 Vec3TransformCoord(const Vector3& v, const Matrix& m);
// (v, 0) × m: the translation does not apply.
Vector3 Vec3TransformNormal(const Vector3& v, const Matrix& m);

}  // namespace sorvane
