// The scenery meshes: the texture shift rule, the fit modes, and every mesh as
// the preparation builds it from the generated tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"
#include "scene/geometry/scenery_mesh_prep.h"
#include "scene/geometry/scenery_meshes.h"
#include "base/random.h"

namespace sorvane {
namespace {

// The culling sphere (centre height, radius) of the class each mesh serves.
struct Sphere {
  float offset, radius;
};
Sphere SphereOfMesh(int mesh) {
  static const Sphere stones[11] = {{0.004f, 0.008f}, {0.004f, 0.008f}, {0.005f, 0.011f}, {0.0035f, 0.007f},
                                    {0.0035f, 0.007f}, {0.0035f, 0.007f}, {0.004f, 0.008f}, {0.002f, 0.004f},
                                    {0.002f, 0.004f}, {0.0025f, 0.005f}, {0.0021f, 0.0042f}};
  static const Sphere walls[10] = {{0.035f, 0.07f}, {0.045f, 0.09f}, {0.05f, 0.1f}, {0.04f, 0.08f},
                                   {0.02f, 0.04f},  {0.04f, 0.08f},  {0.0f, 0.077f}, {0.04f, 0.08f},
                                   {0.03f, 0.06f},  {0.025f, 0.05f}};
  static const Sphere corals[7] = {{0.015f, 0.03f}, {0.015f, 0.04f}, {0.015f, 0.03f}, {0.015f, 0.03f},
                                   {0.02f, 0.04f},  {0.025f, 0.05f}, {0.03f, 0.06f}};
  if (mesh <= kMeshStone11) return stones[mesh];
  if (mesh <= kMeshColumn3) return {mesh == kMeshColumn2 ? 0.0f : 0.02f, 0.04f};
  if (mesh <= kMeshBrick5) return {mesh <= kMeshBrick3 ? 0.006f : 0.0f, 0.013f};
  if (mesh <= kMeshWall10) return walls[mesh - kMeshWall1];
  if (mesh <= kMeshFlora14) return {0.025f, 0.05f};
  return corals[(mesh - kMeshCoral1Base) / 2];
}

TEST(SceneryMeshTest, TextureShiftMovesNegativeColumnsByWholeRepeats) {
  // Column 0 holds the minimum under test, column 1 stays positive.
  for (auto [minimum, shift] : {std::pair{0.0f, 0.0f}, {0.3f, 0.0f}, {-0.5f, 2.0f}, {-1.0f, 3.0f}, {-3.7f, 5.0f}}) {
    const float pairs[6] = {minimum, 0.5f, 1.5f, 2.0f, minimum + 0.25f, 7.0f};
    EXPECT_EQ(TextureShift(pairs, 3, 0, 1.0f), shift) << minimum;
    EXPECT_EQ(TextureShift(pairs, 3, 1, 1.0f), 0.0f);
  }
  // The factor applies before the minimum is taken.
  const float pairs[2] = {-0.5f, 0.0f};
  EXPECT_EQ(TextureShift(pairs, 1, 0, 2.0f), 3.0f);
}

TEST(SceneryMeshTest, FitMeshScalesThenPlacesEachAxisByItsMode) {
  SeedRandom(3);
  std::vector<float> p(3 * 50);
  for (float& v : p) v = RandomScaled(20.0f) - 7.0f;
  std::vector<float> fitted = p;
  FitMesh(fitted.data(), 50, 0.5f, kFitCentre, kFitMin, kFitMax);
  std::vector<float> kept = p;
  FitMesh(kept.data(), 50, 0.5f, kFitKeep, kFitKeep, kFitKeep);
  float low[3] = {1e9f, 1e9f, 1e9f}, high[3] = {-1e9f, -1e9f, -1e9f};
  for (int i = 0; i < 150; ++i) {
    EXPECT_FLOAT_EQ(kept[i], p[i] * 0.5f);
    low[i % 3] = std::min(low[i % 3], fitted[i]);
    high[i % 3] = std::max(high[i % 3], fitted[i]);
  }
  EXPECT_NEAR(low[0] + high[0], 0.0f, 1e-5f);
  EXPECT_FLOAT_EQ(low[1], 0.0f);
  EXPECT_FLOAT_EQ(high[2], 0.0f);
  // Same shape: every axis only moved.
  for (int i = 3; i < 150; ++i) EXPECT_NEAR(fitted[i] - fitted[i % 3], kept[i] - kept[i % 3], 1e-5f);
}

struct BuiltMeshes {
  BuiltMeshes() { ok = BuildSceneryMeshes(device, gSceneryMeshes, buffers); }
  ~BuiltMeshes() { ReleaseSceneryMeshes(device, buffers); }
  const SceneryVertex* Vertices(int i) {
    return reinterpret_cast<const SceneryVertex*>(RecordingDevice::Buffer(buffers[i].vertices).bytes.data());
  }
  const uint16_t* Indices(int i) {
    return reinterpret_cast<const uint16_t*>(RecordingDevice::Buffer(buffers[i].indices).bytes.data());
  }
  // Largest extent of the mesh's prepared vertices.
  float Size(int i) {
    float low[3] = {1e9f, 1e9f, 1e9f}, high[3] = {-1e9f, -1e9f, -1e9f};
    for (int k = 0; k < buffers[i].vertexCount; ++k) {
      const SceneryVertex& v = Vertices(i)[k];
      const float c[3] = {v.x, v.y, v.z};
      for (int a = 0; a < 3; ++a) low[a] = std::min(low[a], c[a]), high[a] = std::max(high[a], c[a]);
    }
    return std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
  }
  RecordingDevice device;
  SceneryMeshBuffers buffers{};
  bool ok = false;
};

TEST(SceneryMeshTest, EveryMeshHasItsCountsSoundTrianglesAndFillsItsClassSphere) {
  BuiltMeshes built;
  ASSERT_TRUE(built.ok);
  for (int i = 0; i < kSceneryMeshCount; ++i) {
    const SceneryMeshSpec& spec = kSceneryMeshes[i];
    const MeshBuffers& b = built.buffers[i];
    ASSERT_EQ(b.vertexCount, spec.vertexCount) << i;
    ASSERT_EQ(b.indexCount, spec.indexCount) << i;
    const SceneryVertex* v = built.Vertices(i);
    const uint16_t* idx = built.Indices(i);
    for (int t = 0; t < b.indexCount; t += 3) {
      ASSERT_TRUE(idx[t] < b.vertexCount && idx[t + 1] < b.vertexCount && idx[t + 2] < b.vertexCount) << i;
      const SceneryVertex &a = v[idx[t]], &c = v[idx[t + 1]], &d = v[idx[t + 2]];
      const float ux = c.x - a.x, uy = c.y - a.y, uz = c.z - a.z, wx = d.x - a.x, wy = d.y - a.y, wz = d.z - a.z;
      const float cx = uy * wz - uz * wy, cy = uz * wx - ux * wz, cz = ux * wy - uy * wx;
      ASSERT_GT(cx * cx + cy * cy + cz * cz, 0.0f) << "degenerate triangle in mesh " << i;
    }
    for (int k = 0; k < b.vertexCount; ++k) {
      ASSERT_GE(std::min({v[k].tu0, v[k].tv0, v[k].tu1, v[k].tv1}), 0.0f) << i;
    }
  }
  // Each class's meshes (both parts of a coral together) stand on the ground
  // and fill the class's culling sphere.
  for (int i = 0; i < kSceneryMeshCount; ++i) {
    if (i >= kMeshCoral1Base && i % 2 == 1) continue;
    const int last = i >= kMeshCoral1Base ? i + 1 : i;
    const Sphere sphere = SphereOfMesh(i);
    float farthest = 0.0f, lowest = 1e9f;
    for (int m = i; m <= last; ++m) {
      const SceneryVertex* v = built.Vertices(m);
      for (int k = 0; k < built.buffers[m].vertexCount; ++k) {
        const float dy = v[k].y - sphere.offset;
        farthest = std::max(farthest, std::sqrt(v[k].x * v[k].x + dy * dy + v[k].z * v[k].z));
        if (m == i) lowest = std::min(lowest, v[k].y);
      }
    }
    EXPECT_NEAR(lowest, 0.0f, 0.002f) << "mesh " << i << " stands on its base";
    const float reach = i == kMeshWall7 ? 0.077f : sphere.radius;  // CWall7's sphere is ten times its size
    EXPECT_GT(farthest, 0.5f * reach) << "mesh " << i << " is too small for its class";
    EXPECT_LT(farthest, 1.3f * reach) << "mesh " << i << " sticks out of its class";
  }
}

TEST(SceneryMeshTest, AsStoredMeshesAreOnlyScaledAndSharedTablesShrinkOnce) {
  BuiltMeshes built;
  ASSERT_TRUE(built.ok);
  const float* stored = gSceneryMeshes[kMeshBrick1].positions;
  for (int k = 0; k < built.buffers[kMeshBrick1].vertexCount; ++k) {
    const SceneryVertex& v = built.Vertices(kMeshBrick1)[k];
    EXPECT_FLOAT_EQ(v.x, 2.5f * stored[3 * k]);
    EXPECT_FLOAT_EQ(v.y, 2.5f * stored[3 * k + 2]);
    EXPECT_FLOAT_EQ(v.z, 2.5f * stored[3 * k + 1]);
  }
  for (auto [shared, source] :
       {std::pair{kMeshFlora6, kMeshFlora3}, {kMeshFlora6Far, kMeshFlora3Far}, {kMeshFlora10, kMeshFlora9}}) {
    EXPECT_NEAR(built.Size(shared), 0.65f * built.Size(source), 1e-6f) << shared;
    EXPECT_EQ(built.buffers[shared].indexCount, built.buffers[source].indexCount);
  }
  // A second scene of the process builds the very same buffers.
  BuiltMeshes again;
  ASSERT_TRUE(again.ok);
  for (int i = 0; i < kSceneryMeshCount; ++i) {
    EXPECT_EQ(RecordingDevice::Buffer(again.buffers[i].vertices).bytes,
              RecordingDevice::Buffer(built.buffers[i].vertices).bytes) << i;
  }
}

TEST(SceneryMeshTest, AFailingBufferStopsTheBuildAndKeepsWhatWasMade) {
  RecordingDevice device;
  SceneryMeshBuffers buffers{};
  device.Fail("CreateIndexBuffer", D3DERR_INVALIDCALL, -1);
  EXPECT_FALSE(BuildSceneryMeshes(device, gSceneryMeshes, buffers));
  EXPECT_NE(buffers[0].vertices, nullptr);
  EXPECT_EQ(buffers[1].vertices, nullptr);
  ReleaseSceneryMeshes(device, buffers);
  EXPECT_EQ(device.LiveResources(), 0u);
}

}  // namespace
}  // namespace sorvane
