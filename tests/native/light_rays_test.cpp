// The light rays: brightness limits, a ray that runs out while bright, the
// seeding draws, and a system whose set-up failed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"
#include "scene/light_rays.h"
#include "scene/folder_resource_source.h"
#include "base/random.h"

namespace sorvane {
namespace {

struct RaysTest : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(source.Open()); }
  RecordingDirect3D direct3d;
  RecordingDevice device;
  StateCache cache;
  CachedDevice gpu{device, cache};
  FolderResourceSource source{SORVANE_GENERATED_DIR, SORVANE_SHADER_TEXT};
  CLightRays rays;
  const Vector3 far{0.0f, 0.0f, 1.0f};
};

// Every frame writes every quad whole (the lock discards the old contents, as
// the poison models); a dark quad is folded to a point so it covers nothing.
TEST_F(RaysTest, EveryQuadIsWrittenEachFrameWithAlphaAtMost25AtTheTopAnd12AtTheFoot) {
  ASSERT_TRUE(rays.Init(direct3d, device, source));
  SeedRandom(8);
  rays.SeedAll(4.0f, 0.0f, 4.0f);
  std::vector<uint8_t>& bytes = RecordingDevice::Buffer(rays.Vertices()).bytes;
  const RayVertex* v = reinterpret_cast<const RayVertex*>(bytes.data());
  uint32_t brightestTop = 0;
  int dark = 0, lit = 0;
  for (int frame = 0; frame < 400; ++frame) {
    std::fill(bytes.begin(), bytes.end(), 0xFF);
    rays.UpdateAndDraw(gpu, far, 4.0f + frame * 0.001f, 0.0f, 4.0f);
    for (int r = 0; r < CLightRays::kCount; ++r) {
      const RayVertex* q = v + 4 * r;
      ASSERT_TRUE(std::isfinite(q[0].x) && std::isfinite(q[1].y) && std::isfinite(q[2].z) && std::isfinite(q[3].x));
      ASSERT_LE(q[0].colour >> 24, 12u);
      ASSERT_LE(q[2].colour >> 24, 12u);
      ASSERT_LE(q[1].colour >> 24, 25u);
      brightestTop = std::max(brightestTop, q[1].colour >> 24);
      const bool folded = q[0].x == q[1].x && q[0].y == q[1].y && q[0].z == q[1].z && q[0].x == q[2].x &&
                          q[0].z == q[2].z && q[0].x == q[3].x && q[0].y == q[3].y && q[0].z == q[3].z;
      ASSERT_EQ(folded, (q[1].colour >> 24) == 0) << "ray " << r << " frame " << frame;
      ++(folded ? dark : lit);
    }
  }
  EXPECT_EQ(brightestTop, 25u);
  EXPECT_GT(dark, lit / 4);
  EXPECT_EQ(device.Count("DrawIndexedPrimitive"), 400u);
}

TEST_F(RaysTest, ARayThatRunsOutWhileBrightPulsesUntilDarkThenStartsDark) {
  LightRay ray;
  ray.SetConstants();
  SeedRandom(2);
  ray.Seed(1.0f, 1.0f, false);
  ray.pulseAngle = 90.0f;  // at its brightest
  ray.turnRate = 8.5f;
  ray.life = 1;
  RayVertex v[4] = {};
  int frames = 0;
  for (;;) {
    ray.Advance();
    const float angle = ray.pulseAngle;
    if (!ray.Build(1.0f, 1.0f, far, v)) {
      EXPECT_LT(std::sin(angle * 3.14f / 180.0f) + 0.5f, 0.0f);
      break;
    }
    ++frames;
    ASSERT_LT(frames, 200);
  }
  EXPECT_GT(frames, 30);
  EXPECT_EQ(ray.pulseAngle, -90.0f);
  EXPECT_GE(ray.life, 50);
  EXPECT_LT(ray.life, 150);
}

TEST_F(RaysTest, SeedingDrawsTurnAnglesRingLifeShapeWobbleAndPulseInOrder) {
  LightRay ray;
  ray.SetConstants();
  SeedRandom(11);
  const int draws[8] = {Random(), Random(), Random(), Random(), Random(), Random(), Random(), Random()};
  SeedRandom(11);
  ray.Seed(2.0f, 3.0f, false);
  auto r = [&](int i) { return static_cast<float>(draws[i]) / 32767.0f; };
  EXPECT_EQ(ray.turnRate, r(0) > 0.5f ? -8.5f : 8.5f);
  EXPECT_EQ(ray.wobbleAngle, draws[1] * 360.0f / 32767.0f);
  EXPECT_EQ(ray.placeAngle, draws[2] * 360.0f / 32767.0f);
  EXPECT_EQ(ray.life, static_cast<int>(50.0f + r(4) * 100.0f));
  EXPECT_EQ(ray.wobbleShape, static_cast<int>(r(5) * 5.99f + 1.0f));
  EXPECT_EQ(ray.pulseAngle, r(7) * 360.0f);
  EXPECT_NEAR(std::hypot(ray.baseX - 2.0f, ray.baseZ - 3.0f), 0.15f + r(3) * 0.2f, 1e-5f);
}

TEST_F(RaysTest, ASystemWhoseSetUpFailedDrawsAndTouchesNothing) {
  device.Fail("CreateIndexBuffer", D3DERR_INVALIDCALL);
  EXPECT_FALSE(rays.Init(direct3d, device, source));
  device.CallLog::Clear();
  rays.SeedAll(1.0f, 0.0f, 1.0f);
  rays.UpdateAndDraw(gpu, far, 1.0f, 0.0f, 1.0f);
  EXPECT_TRUE(device.calls().empty());
  rays.Release(device);
  EXPECT_EQ(device.LiveResources(), 0u);
}

}  // namespace
}  // namespace sorvane
