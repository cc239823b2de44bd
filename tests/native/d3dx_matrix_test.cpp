// Matrix and vector operations against values worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "d3dx/matrix_math.h"
#include "d3dx/matrix_stack.h"

namespace sorvane {
namespace {

constexpr float kTolerance = 1e-5f;

void ExpectVector(const Vector3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, kTolerance);
  EXPECT_NEAR(v.y, y, kTolerance);
  EXPECT_NEAR(v.z, z, kTolerance);
}

void ExpectMatrix(const Matrix& a, const Matrix& b) {
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(a.m[i][j], b.m[i][j], kTolerance) << "element " << i << "," << j;
  }
}

Vector3 Apply(const Vector3& v, const Matrix& m) { return Vec3TransformCoord(v, m); }

TEST(D3dxMatrixTest, PerspectiveMatchesSceneAndFarProjections) {
  const float aspect = 4.0f / 3.0f;
  const float cot = 1.0f / std::tan(3.14159265f / 8.0f);
  struct Case {
    float zFar, m33, m43;
  };
  for (const Case& c : {Case{0.45f, 1.011236f, -0.005056f}, Case{1.0f, 1.005025f, -0.005025f}}) {
    const Matrix p = MatrixPerspectiveFovLH(0.7853982f, aspect, 0.005f, c.zFar);
    Matrix expected{};
    expected.m[0][0] = cot / aspect;
    expected.m[1][1] = cot;
    expected.m[2][2] = c.m33;
    expected.m[2][3] = 1.0f;
    expected.m[3][2] = c.m43;
    ExpectMatrix(p, expected);
    // Points on the near and far planes land on depth 0 and 1.
    EXPECT_NEAR(Apply({0, 0, 0.005f}, p).z, 0.0f, kTolerance);
    EXPECT_NEAR(Apply({0, 0, c.zFar}, p).z, 1.0f, kTolerance);
  }
}

TEST(D3dxMatrixTest, LookAtAlongZIsATranslation) {
  const Matrix view = MatrixLookAtLH({1, 2, 3}, {1, 2, 4}, {0, 1, 0});
  ExpectMatrix(view, MatrixTranslation(-1, -2, -3));
}

TEST(D3dxMatrixTest, LookAtAlongXPutsPositiveZOnTheLeft) {
  const Vector3 eye{0.5f, 0.022f, 0.5f};
  const Matrix view = MatrixLookAtLH(eye, {1.5f, 0.022f, 0.5f}, {0, 1, 0});
  ExpectVector(Apply({2.5f, 0.022f, 0.5f}, view), 0, 0, 2);
  ExpectVector(Apply({0.5f, 0.022f, 1.5f}, view), -1, 0, 0);
  ExpectVector(Apply({0.5f, 1.022f, 0.5f}, view), 0, 1, 0);
}

TEST(D3dxMatrixTest, RotationsTurnClockwiseLookingDownTheAxis) {
  const float quarter = 1.5707964f;
  ExpectVector(Apply({1, 0, 0}, MatrixRotationY(quarter)), 0, 0, -1);
  ExpectVector(Apply({0, 0, 1}, MatrixRotationY(quarter)), 1, 0, 0);
  ExpectVector(Apply({0, 1, 0}, MatrixRotationX(quarter)), 0, 0, 1);
  ExpectVector(Apply({0, 0, 1}, MatrixRotationX(quarter)), 0, -1, 0);
  ExpectMatrix(MatrixRotationY(0.0f), MatrixIdentity());
}

TEST(D3dxMatrixTest, RotationAxisAgreesWithTheNamedAxesAndNormalisesTheAxis) {
  ExpectMatrix(MatrixRotationAxis({0, 2, 0}, 0.3f), MatrixRotationY(0.3f));
  ExpectMatrix(MatrixRotationAxis({3, 0, 0}, -1.1f), MatrixRotationX(-1.1f));
  // A third of a turn about the diagonal cycles the axes x → y → z → x.
  const Matrix r = MatrixRotationAxis({1, 1, 1}, 2.0943951f);
  ExpectVector(Apply({1, 0, 0}, r), 0, 1, 0);
  ExpectVector(Apply({0, 1, 0}, r), 0, 0, 1);
  ExpectVector(Apply({0, 0, 1}, r), 1, 0, 0);
}

TEST(D3dxMatrixTest, MultiplyAppliesTheLeftMatrixFirst) {
  const Matrix ry = MatrixRotationY(1.5707964f);
  const Matrix t = MatrixTranslation(5, 0, 0);
  ExpectVector(Apply({1, 0, 0}, MatrixMultiply(ry, t)), 5, 0, -1);
  ExpectVector(Apply({1, 0, 0}, MatrixMultiply(t, ry)), 0, 0, -6);
  const Matrix m = MatrixMultiply(MatrixRotationX(0.4f), t);
  ExpectMatrix(MatrixTranspose(MatrixTranspose(m)), m);
  EXPECT_EQ(MatrixTranspose(m).m[0][3], m.m[3][0]);
}

TEST(D3dxMatrixTest, TransformVariants) {
  Matrix m = MatrixTranslation(1, 2, 3);
  m.m[3][3] = 2.0f;
  const Vector4 full = Vec3Transform({1, 1, 1}, m);
  EXPECT_FLOAT_EQ(full.x, 2);
  EXPECT_FLOAT_EQ(full.y, 3);
  EXPECT_FLOAT_EQ(full.z, 4);
  EXPECT_FLOAT_EQ(full.w, 2);
  ExpectVector(Vec3TransformCoord({1, 1, 1}, m), 1, 1.5f, 2);
  ExpectVector(Vec3TransformNormal({1, 1, 1}, m), 1, 1, 1);
}

TEST(D3dxMatrixTest, NormaliseAndHermite) {
  ExpectVector(Vec3Normalize({3, 0, 4}), 0.6f, 0, 0.8f);
  ExpectVector(Vec3Normalize({0, 0, 0}), 0, 0, 0);
  EXPECT_NEAR(Vec3Length(Vec3Normalize({-2, 7, 0.5f})), 1.0f, kTolerance);

  const Vector3 v1{0, 0, 0}, t1{1, 0, 0}, v2{1, 0, 1}, t2{0, 0, 1};
  ExpectVector(Vec3Hermite(v1, t1, v2, t2, 0.0f), 0, 0, 0);
  ExpectVector(Vec3Hermite(v1, t1, v2, t2, 1.0f), 1, 0, 1);
  ExpectVector(Vec3Hermite(v1, t1, v2, t2, 0.5f), 0.625f, 0, 0.375f);
  // The curve leaves v1 along t1 and arrives at v2 along t2.
  const float h = 1e-3f;
  const Vector3 start = (Vec3Hermite(v1, t1, v2, t2, h) - v1) * (1.0f / h);
  const Vector3 end = (v2 - Vec3Hermite(v1, t1, v2, t2, 1.0f - h)) * (1.0f / h);
  EXPECT_NEAR(start.x, 1.0f, 1e-2f);
  EXPECT_NEAR(start.z, 0.0f, 1e-2f);
  EXPECT_NEAR(end.x, 0.0f, 1e-2f);
  EXPECT_NEAR(end.z, 1.0f, 1e-2f);
}

TEST(D3dxMatrixStackTest, StartsWithOneIdentityAndNeverEmpties) {
  MatrixStack stack;
  EXPECT_EQ(stack.Depth(), 1u);
  ExpectMatrix(stack.Top(), MatrixIdentity());
  stack.Translate(1, 2, 3);
  EXPECT_FALSE(stack.Pop());
  EXPECT_EQ(stack.Depth(), 1u);
  ExpectMatrix(stack.Top(), MatrixTranslation(1, 2, 3));
}

TEST(D3dxMatrixStackTest, PushCopiesAndPopRestores) {
  MatrixStack stack;
  stack.LoadMatrix(MatrixRotationY(0.5f));
  stack.Push();
  EXPECT_EQ(stack.Depth(), 2u);
  ExpectMatrix(stack.Top(), MatrixRotationY(0.5f));
  stack.LoadIdentity();
  stack.Translate(4, 0, 0);
  ExpectMatrix(stack.Top(), MatrixTranslation(4, 0, 0));
  EXPECT_TRUE(stack.Pop());
  ExpectMatrix(stack.Top(), MatrixRotationY(0.5f));
}

TEST(D3dxMatrixStackTest, TranslateMultipliesOnTheRightAndLocalOnTheLeft) {
  const Matrix r = MatrixRotationY(1.5707964f);
  MatrixStack stack;
  stack.LoadMatrix(r);
  stack.Translate(5, 0, 0);
  ExpectMatrix(stack.Top(), MatrixMultiply(r, MatrixTranslation(5, 0, 0)));
  stack.LoadMatrix(r);
  stack.TranslateLocal(5, 0, 0);
  ExpectMatrix(stack.Top(), MatrixMultiply(MatrixTranslation(5, 0, 0), r));
  // The fish's world matrix: translate, then the turn in front of it.
  stack.LoadIdentity();
  stack.Translate(2, 0.1f, 3);
  stack.MultMatrixLocal(r);
  ExpectVector(Apply({1, 0, 0}, stack.Top()), 2, 0.1f, 2);
  stack.LoadIdentity();
  stack.MultMatrix(r);
  ExpectMatrix(stack.Top(), r);
}

}  // namespace
}  // namespace sorvane
