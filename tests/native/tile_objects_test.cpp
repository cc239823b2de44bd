// The object pass of a tile through the recording device: the drawing order
// of the classes, culling exactly at the sphere's radius, the fade at 0.35 and
// 0.4, the simple plant mesh from 0.25 on, both plant paths, bubble restarts
// and batches.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "d3dx/matrix_math.h"
#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"
#include "render/tile_objects.h"

namespace sorvane {
namespace {

struct PassTest : ::testing::Test {
  PassTest() {
    for (int i = 0; i < kSceneryMeshCount; ++i) {
      MeshBuffers& b = resources.meshBuffers[i];
      device.CreateVertexBuffer(28 * kSceneryMeshes[i].vertexCount, 0, 0, 0, &b.vertices);
      device.CreateIndexBuffer(2 * kSceneryMeshes[i].indexCount, 0, 0, 0, &b.indices);
      b.vertexCount = kSceneryMeshes[i].vertexCount;
      b.indexCount = kSceneryMeshes[i].indexCount;
      meshOfBuffer[reinterpret_cast<uintptr_t>(b.vertices)] = i;
      device.CreateTexture(1, 1, 1, 0, 0, 0, &resources.meshTextures[i]);
    }
    device.CreateVertexBuffer(kBubblesPerBatch * 6 * sizeof(ColourVertex), 0, 0, 0, &resources.bubbleBatch);
    resources.shaderReady = true;
    resources.shaderHandle = 77u;
    for (Plane& p : frame.frustumPlanes) p = {0.0f, 0.0f, 0.0f, 1.0f};
    frame.cameraX = 1.1f, frame.cameraZ = 1.1f;
    frame.view = frame.projection = MatrixIdentity();
    frame.bubbleQuad = BubbleQuadFacing(MatrixIdentity());
    frame.tickCount = [] { return 1000u; };
    device.CallLog::Clear();
  }
  ObjectPass Pass() { return {gpu, resources, frame}; }
  template <int Class>
  auto& Add(float x, float z) {
    auto& array = std::get<Class>(objects);
    array.items.reset(new std::remove_reference_t<decltype(*array.items.get())>[1]);
    array.count = 1;
    array.items[0].x = x;
    array.items[0].z = z;
    return array.items[0];
  }
  // The meshes bound, in order.
  std::vector<int> Bound() {
    std::vector<int> order;
    for (const RecordedCall& c : device.calls()) {
      if (c.name == "SetStreamSource" && meshOfBuffer.count(c.args[1])) order.push_back(meshOfBuffer[c.args[1]]);
    }
    return order;
  }
  size_t Draws() { return device.Count("DrawIndexedPrimitive"); }
  size_t IndexOf(const std::string& name, std::vector<uint64_t> args) {
    const auto& calls = device.calls();
    for (size_t i = 0; i < calls.size(); ++i)
      if (calls[i].name == name && calls[i].args == args) return i;
    return calls.size();
  }

  RecordingDevice device;
  StateCache cache;
  CachedDevice gpu{device, cache};
  DeviceResources resources;
  FrameState frame;
  TileObjects objects;
  std::map<uint64_t, int> meshOfBuffer;
};

TEST_F(PassTest, ClassesAreDrawnGroupByGroupWithAlphaTestBeforeTheLateCoralsAndTheShaderForPlants) {
  SeedRandom(4);
  ForEachObjectArray(objects, [&](auto, auto& array) {
    array.items.reset(new std::remove_reference_t<decltype(*array.items.get())>[1]);
    array.count = 1;
    array.items[0].x = 1.0f;
    array.items[0].z = 1.0f;
  });
  ObjectPass pass = Pass();
  DrawTileObjects(pass, objects);
  const std::vector<int> expected = {0,  1,  2,  3,  4,  10, 5,  6,  7,  8,  9,  11, 12, 13, 14, 15, 16, 17,
                                     18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 48, 49, 50, 51, 52, 53, 56,
                                     57, 58, 59, 54, 55, 60, 61, 29, 30, 31, 33, 35, 37, 39, 41, 42, 43, 44,
                                     45, 46, 47};
  EXPECT_EQ(Bound(), expected);
  EXPECT_EQ(Draws(), expected.size());
  const size_t alphaTest = IndexOf("SetRenderState", {D3DRS_ALPHATESTENABLE, 1});
  const size_t shader = IndexOf("SetVertexShader", {77});
  EXPECT_LT(IndexOf("DrawIndexedPrimitive", {D3DPT_TRIANGLELIST, 0, 3800, 0, 3800}), alphaTest);
  EXPECT_LT(alphaTest, IndexOf("DrawIndexedPrimitive", {D3DPT_TRIANGLELIST, 0, 574, 0, 633}));
  EXPECT_LT(shader, IndexOf("DrawIndexedPrimitive", {D3DPT_TRIANGLELIST, 0, 574, 0, 760}));
  // Plants get their matrix as shader constants, not as the world transform.
  EXPECT_EQ(device.Count("SetTransform"), 43u + 1u);
  EXPECT_GT(device.Count("DrawPrimitive"), 0u);
  // The plants leave the shader again before the bubbles.
  size_t lastFixed = 0;
  for (size_t i = 0; i < device.calls().size(); ++i)
    if (device.calls()[i].name == "SetVertexShader" && device.calls()[i].args[0] == (D3DFVF_XYZ | D3DFVF_TEX2))
      lastFixed = i;
  EXPECT_GT(lastFixed, shader);
  EXPECT_LT(lastFixed, IndexOf("DrawPrimitive", {D3DPT_TRIANGLELIST, 0, 2}));
  // Six sway refreshes (CFlora3, 5, 7, 9, 11, 13) after the first.
  size_t sway = 0;
  for (const RecordedCall& c : device.calls()) sway += c.name == "SetVertexShaderConstant" && c.args[0] == 4;
  EXPECT_EQ(sway, 7u);
}

TEST_F(PassTest, WithoutTheShaderPlantsUseTheWorldTransformAndTheSwayIsStillWritten) {
  resources.shaderReady = false;
  Add<kFirstFloraClass>(1.0f, 1.0f);
  ObjectPass pass = Pass();
  DrawTileObjects(pass, objects);
  EXPECT_EQ(device.Count("SetTransform"), 1u);
  EXPECT_EQ(IndexOf("SetVertexShader", {77}), device.calls().size());
  EXPECT_EQ(device.Count("SetVertexShaderConstant"), 1u);
  EXPECT_EQ(Draws(), 1u);
}

TEST_F(PassTest, AnObjectExactlyRadiusBehindAPlaneIsCulled) {
  Add<kFirstStoneClass>(0.0f, 0.0f);
  for (auto [d, draws] : {std::pair{-0.008f, 0u}, {-0.0079f, 1u}}) {
    frame.frustumPlanes[2] = {0.0f, 0.0f, 1.0f, d};
    device.CallLog::Clear();
    ObjectPass pass = Pass();
    DrawTileObjects(pass, objects);
    EXPECT_EQ(Draws(), draws) << d;
  }
}

TEST_F(PassTest, FadeIsOpaqueAt035AndGoneAt04) {
  frame.cameraX = 0.0f, frame.cameraZ = 0.0f;
  ObjectPass pass = Pass();
  EXPECT_FALSE(ObjectFadeColour(pass, 0.3f, 0.1f).has_value());
  EXPECT_EQ(ObjectFadeColour(pass, 0.35f, 0.0f), 0xFFFFFFFFu);
  EXPECT_EQ(device.Count("SetRenderState"), 0u);
  EXPECT_EQ(ObjectFadeColour(pass, -0.1f, 0.4f), 0x00FFFFFFu);
  EXPECT_EQ(IndexOf("SetRenderState", {D3DRS_ALPHAREF, 0}), 0u);
  EXPECT_EQ(ObjectFadeColour(pass, 0.395f, 0.0f), 0x19FFFFFFu);
  EXPECT_LT(IndexOf("SetRenderState", {D3DRS_ALPHAREF, 24}), device.calls().size());
}

TEST_F(PassTest, AFadedWallRestoresItsStatesAndCFlora1KeepsBlending) {
  frame.cameraX = 0.0f, frame.cameraZ = 0.0f;
  Add<kFirstWallClass>(0.38f, 0.0f);
  Add<kFirstFloraClass>(0.0f, 0.38f);
  cache.SetRenderStateCached(device, D3DRS_ALPHABLENDENABLE, 0);
  device.CallLog::Clear();
  ObjectPass pass = Pass();
  DrawTileObjects(pass, objects);
  // Wall: on, then back off after its draw; the plant turns it on for good.
  const auto& calls = device.calls();
  std::vector<uint64_t> blend;
  for (const RecordedCall& c : calls)
    if (c.name == "SetRenderState" && c.args[0] == D3DRS_ALPHABLENDENABLE) blend.push_back(c.args[1]);
  EXPECT_EQ(blend, (std::vector<uint64_t>{1, 0, 1}));
  EXPECT_EQ(Draws(), 2u);
}

TEST_F(PassTest, APlantExactlyAtTheDetailDistanceUsesItsSimpleMesh) {
  frame.cameraX = 0.0f, frame.cameraZ = 0.0f;
  for (auto [x, mesh] : {std::pair{0.25f, 32}, {0.2499f, 31}}) {
    Add<kFirstFloraClass + 2>(x, -0.1f);
    device.CallLog::Clear();
    ObjectPass pass = Pass();
    DrawTileObjects(pass, objects);
    EXPECT_EQ(Bound(), std::vector<int>{mesh}) << x;
  }
}

TEST_F(PassTest, ABubbleRisesAndRestartsBelowItsBaseWhenItsLifeEnds) {
  SeedRandom(5);
  CBubble& b = Add<kBubbleClass>(1.0f, 1.0f);
  b.baseY = 0.05f;
  b.height = 0.07f;
  b.life = 2;
  const float speed = b.riseSpeed;
  ObjectPass pass = Pass();
  DrawTileObjects(pass, objects);
  EXPECT_FLOAT_EQ(b.height, 0.07f) << "drawing moves nothing";
  RiseBubbles(objects);
  EXPECT_FLOAT_EQ(b.height, 0.07f + speed);
  EXPECT_EQ(b.life, 1);
  DrawTileObjects(pass, objects);
  RiseBubbles(objects);
  EXPECT_FLOAT_EQ(b.height, 0.045f);
  EXPECT_GE(b.life, 200);
  EXPECT_LE(b.life, 400);
  EXPECT_GE(b.riseSpeed, 0.001f);
  EXPECT_EQ(device.Count("DrawPrimitive"), 2u);
}

TEST_F(PassTest, BubblesAreDrawnABatchAtATimeAsTheQuadMovedToEachBubble) {
  SeedRandom(9);
  frame.bubbleQuad = BubbleQuadFacing(MatrixLookAtLH({0, 0, 0}, {1, 0, 0.5f}, {0, 1, 0}));
  frame.matrixStack.LoadMatrix(MatrixMultiply(MatrixRotationY(0.7f), MatrixTranslation(0.3f, 0.01f, -0.2f)));
  auto& bubbles = std::get<kBubbleClass>(objects);
  const int32_t count = kBubblesPerBatch + 2;
  bubbles.items.reset(new CBubble[count]);
  bubbles.count = count;
  for (int32_t i = 0; i < count; ++i) {
    bubbles.items[i].x = RandomScaled(1.0f);
    bubbles.items[i].z = RandomScaled(1.0f);
    bubbles.items[i].life = 100;
  }
  const CBubble last[2] = {bubbles.items[count - 2], bubbles.items[count - 1]};
  ObjectPass pass = Pass();
  DrawTileObjects(pass, objects);

  EXPECT_EQ(device.Count("DrawPrimitive"), 2u);
  EXPECT_LT(IndexOf("DrawPrimitive", {D3DPT_TRIANGLELIST, 0, 2 * kBubblesPerBatch}), device.calls().size());
  EXPECT_LT(IndexOf("DrawPrimitive", {D3DPT_TRIANGLELIST, 0, 4}), device.calls().size());
  // The second batch: each bubble's two triangles are the quad as the stack
  // top places it, moved to the bubble.
  const auto* v =
      reinterpret_cast<const ColourVertex*>(RecordingDevice::Buffer(resources.bubbleBatch).bytes.data());
  for (int b = 0; b < 2; ++b) {
    for (int k = 0; k < 6; ++k) {
      const ColourVertex& corner = frame.bubbleQuad[std::array{0, 1, 2, 2, 1, 3}[k]];
      const Vector3 w = Vec3TransformCoord({corner.x, corner.y, corner.z}, frame.matrixStack.Top());
      const ColourVertex& got = v[6 * b + k];
      EXPECT_NEAR(got.x, w.x + last[b].x, 1e-6f);
      EXPECT_NEAR(got.y, w.y + last[b].height, 1e-6f);
      EXPECT_NEAR(got.z, w.z + last[b].z, 1e-6f);
      EXPECT_EQ(got.u, corner.u);
      EXPECT_EQ(got.colour, 0xAABBBBBBu);
    }
  }
  // A batch that cannot be written is not drawn; the next batch still is.
  device.CallLog::Clear();
  device.Fail("LockVertexBuffer", D3DERR_INVALIDCALL, 1);
  DrawTileObjects(pass, objects);
  EXPECT_EQ(device.Count("DrawPrimitive"), 1u);
  EXPECT_LT(IndexOf("DrawPrimitive", {D3DPT_TRIANGLELIST, 0, 4}), device.calls().size());
}

TEST(BubbleQuadTest, TheQuadSpansTheCameraAxes) {
  const Matrix view = MatrixLookAtLH({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  const ColourVertex v = BubbleQuadFacing(view)[0];
  // Vertex 0 is right-and-down of the centre by 0.0005 along each camera axis.
  EXPECT_NEAR(v.x * view.m[0][0] + v.y * view.m[1][0] + v.z * view.m[2][0], 0.0005f, 1e-7f);
  EXPECT_NEAR(v.x * view.m[0][1] + v.y * view.m[1][1] + v.z * view.m[2][1], -0.0005f, 1e-7f);
}

}  // namespace
}  // namespace sorvane
