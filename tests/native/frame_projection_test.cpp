// The projections, the aspect ratio and the frustum planes the seabed culls with.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "d3dx/matrix_math.h"
#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"
#include "render/frustum.h"
#include "render/projection.h"
#include "render/frame_state.h"

namespace sorvane {
namespace {

TEST(FrameProjection, SceneAndFarMatrices) {
  const float cot = 1.0f / std::tan(3.14159265f / 8.0f);
  const Matrix scene = ScenePerspective(4.0f / 3.0f);
  EXPECT_NEAR(scene.m[2][2], 1.011236f, 1e-6f);
  EXPECT_NEAR(scene.m[3][2], -0.005056f, 1e-6f);
  EXPECT_EQ(scene.m[2][3], 1.0f);
  EXPECT_EQ(scene.m[3][3], 0.0f);
  EXPECT_NEAR(scene.m[1][1], cot, 1e-5f);
  EXPECT_NEAR(scene.m[0][0], cot * 0.75f, 1e-5f);
  const Matrix far = FarPerspective(16.0f / 9.0f);
  EXPECT_NEAR(far.m[2][2], 1.005025f, 1e-6f);
  EXPECT_NEAR(far.m[3][2], -0.005025f, 1e-6f);
  EXPECT_NEAR(far.m[0][0], cot * 9.0f / 16.0f, 1e-5f);
}

TEST(FrameProjection, AspectRatioFollowsTheScreenOrTheWideSetting) {
  EXPECT_FLOAT_EQ(AspectRatioFor(false, 800, 600), 4.0f / 3.0f);
  EXPECT_FLOAT_EQ(AspectRatioFor(true, 800, 600), 16.0f / 9.0f);
  EXPECT_FLOAT_EQ(AspectRatioFor(false, 640, 0), 640.0f);

  FrameState frame;
  UpdateProjection(nullptr, frame, 1280, 1024);  // no device yet: nothing happens
  EXPECT_FLOAT_EQ(frame.aspectRatio, 4.0f / 3.0f);

  RecordingDevice device;
  // Sizes are taken as 16-bit values, as the window messages carry them.
  UpdateProjection(&device, frame, 65536 + 1280, 1024);
  EXPECT_FLOAT_EQ(frame.aspectRatio, 1.25f);
  ASSERT_EQ(device.Count("SetTransform"), 2u);
  const RecordedCall& world = device.calls()[0];
  EXPECT_EQ(world.args[0], D3DTS_WORLD);
  const RecordedCall& projection = device.calls()[1];
  EXPECT_EQ(projection.args[0], D3DTS_PROJECTION);
  const Matrix expected = ScenePerspective(1.25f);
  for (int i = 0; i < 16; ++i) {
    float f;
    const auto bits = static_cast<uint32_t>(projection.args[1 + i]);
    std::memcpy(&f, &bits, sizeof f);
    EXPECT_EQ(f, expected.m[i / 4][i % 4]);
  }
}

TEST(FrameProjection, FrustumPlanesKeepWhatTheCameraSees) {
  const Matrix view = MatrixLookAtLH({1.0f, 0.05f, 1.0f}, {1.0f, 0.05f, 2.0f}, {0.0f, 1.0f, 0.0f});
  const FrustumPlanes planes = ExtractFrustumPlanes(view, ScenePerspective(4.0f / 3.0f));
  for (const Plane& p : planes) EXPECT_NEAR(p.a * p.a + p.b * p.b + p.c * p.c, 1.0f, 1e-5f);
  auto inside = [&](float x, float y, float z) {
    for (const Plane& p : planes)
      if (PlaneDistance(p, x, y, z) <= 0.0f) return false;
    return true;
  };
  EXPECT_TRUE(inside(1.0f, 0.05f, 1.2f));
  EXPECT_TRUE(inside(1.05f, 0.03f, 1.4f));
  EXPECT_FALSE(inside(1.0f, 0.05f, 0.9f));   // behind
  EXPECT_FALSE(inside(1.0f, 0.05f, 1.5f));   // beyond the far plane at 0.45
  EXPECT_FALSE(inside(1.5f, 0.05f, 1.2f));   // far to the right
  EXPECT_FALSE(inside(0.5f, 0.05f, 1.2f));   // far to the left
  EXPECT_FALSE(inside(1.0f, 0.5f, 1.2f));    // high above
  EXPECT_LT(PlaneDistance(planes[kFarPlane], 1.0f, 0.05f, 1.5f), 0.0f);
  EXPECT_NEAR(planes[kFarPlane].c, -1.0f, 1e-5f);

  // Spheres: one reaching into the view from behind is kept, one wholly behind is not.
  EXPECT_TRUE(SphereInFrustum(planes, 1.0f, 0.05f, 0.9f, 0.25f));
  EXPECT_FALSE(SphereInFrustum(planes, 1.0f, 0.05f, 0.5f, 0.25f));
}

}  // namespace
}  // namespace sorvane
