// The frame through the recording device: device check, camera and view,
// caustic and shimmer cycling, seabed culling, the fade, the hand-over with
// the calculation thread, early ends, and every state change cached.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "d3dx/matrix_math.h"
#include "device/d3d8_constants.h"
#include "render/device_reset.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "saver/cycle_hand_over.h"
#include "scene/ground_height.h"
#include "scene_test_support.h"

namespace sorvane {
namespace {

struct FrameTest : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(t.ok);
    UpdateProjection(scene().resources.device, state, 800, 600);
    device().CallLog::Clear();
  }
  Scene& scene() { return *t.scene; }
  RecordingDevice& device() { return t.device(); }
  // One frame, then the calculation thread's side of the hand-over.
  FrameResult Frame() {
    device().CallLog::Clear();
    const FrameResult r = RenderFrame(scene(), state, fish);
    if (threadStart.Wait(0)) stop.Set();
    return r;
  }
  size_t LocksOf(VertexBuffer* b) {
    const auto& calls = device().calls();
    return std::count_if(calls.begin(), calls.end(), [&](const RecordedCall& c) {
      return c.name == "LockVertexBuffer" && c.args[0] == reinterpret_cast<uintptr_t>(b);
    });
  }
  int StageZeroTextureIn(int first, int count) {
    for (const RecordedCall& c : device().calls()) {
      if (c.name != "SetTexture" || c.args[0] != 0) continue;
      for (int i = 0; i < count; ++i)
        if (c.args[1] == reinterpret_cast<uintptr_t>(scene().resources.textures[first + i])) return i;
    }
    return -1;
  }

  TestScene t;
  FrameState state;
  AutoResetEvent start = AutoResetEvent::Create();
  AutoResetEvent stop = AutoResetEvent::Create();
  AutoResetEvent threadStart = start.Duplicate();
  ThreadHandOver fish{start, stop};
};

TEST_F(FrameTest, FirstFrameDoesNotWaitLaterFramesTakeTheFishBack) {
  // Nobody has signalled the end of a cycle: a waiting first frame would hang.
  EXPECT_EQ(RenderFrame(scene(), state, fish), FrameResult::Presented);
  EXPECT_FALSE(state.firstFrame);
  EXPECT_TRUE(threadStart.Wait(0)) << "every frame starts the next cycle";
  stop.Set();
  EXPECT_EQ(RenderFrame(scene(), state, fish), FrameResult::Presented);
  EXPECT_FALSE(stop.Wait(0)) << "the second frame took the end of the cycle";
  EXPECT_TRUE(threadStart.Wait(0));
}

TEST_F(FrameTest, StalledCycleKeepsTheFishButNotTheSaver) {
  ASSERT_EQ(RenderFrame(scene(), state, fish), FrameResult::Presented);
  ASSERT_TRUE(threadStart.Wait(0));
  // The cycle never ends: frames still come, and no second cycle is queued.
  ASSERT_EQ(RenderFrame(scene(), state, fish), FrameResult::Presented);
  EXPECT_FALSE(threadStart.Wait(0)) << "the fish must not be handed on while the cycle has them";
  stop.Set();  // the cycle comes back at last
  ASSERT_EQ(RenderFrame(scene(), state, fish), FrameResult::Presented);
  EXPECT_TRUE(threadStart.Wait(0));
}

TEST_F(FrameTest, ViewFollowsThePathAtEyeHeightAboveTheGround) {
  for (int frame = 0; frame < 5; ++frame) {
    ASSERT_EQ(Frame(), FrameResult::Presented);
    Vector3 eye{}, look{}, up{};
    scene().world.cameraPath.Evaluate(eye, look, up);
    EXPECT_EQ(state.cameraX, eye.x);
    EXPECT_EQ(state.cameraZ, eye.z);
    const float eyeY = GroundHeight(scene().world.heightGrid.get(), eye.x, eye.z) + 0.022f;
    const Matrix want = MatrixLookAtLH({eye.x, eyeY, eye.z}, {look.x, eyeY, look.z}, {0, 1, 0});
    const auto& calls = device().calls();
    auto view = std::find_if(calls.begin(), calls.end(), [](const RecordedCall& c) {
      return c.name == "SetTransform" && c.args[0] == D3DTS_VIEW;
    });
    ASSERT_NE(view, calls.end());
    for (int i = 0; i < 16; ++i) {
      float f;
      const auto bits = static_cast<uint32_t>(view->args[1 + i]);
      std::memcpy(&f, &bits, sizeof f);
      EXPECT_EQ(f, want.m[i / 4][i % 4]);
    }
  }
}

TEST_F(FrameTest, CausticAndShimmerFramesCycleOnePerFrame) {
  for (int frame = 0; frame < 70; ++frame) {
    ASSERT_EQ(Frame(), FrameResult::Presented);
    EXPECT_EQ(state.causticFrame, (frame + 1) % 32);
    EXPECT_EQ(state.shimmerFrame, (frame + 1) % 12);
    EXPECT_EQ(StageZeroTextureIn(kFirstCausticTexture, kCausticFrames), (frame + 1) % 32);
    EXPECT_EQ(StageZeroTextureIn(kFirstShimmerTexture, kShimmerFrames), (frame + 1) % 12);
  }
}

TEST_F(FrameTest, FadeCoversExactly14FramesFromOpaqueBlack) {
  int fadeFrames = 0;
  uint32_t lastAlpha = 256;
  for (int frame = 0; frame < 20; ++frame) {
    ASSERT_EQ(Frame(), FrameResult::Presented);
    const size_t locks = LocksOf(scene().resources.shimmerQuad);
    if (locks == 1) continue;
    ASSERT_EQ(locks, 2u);
    EXPECT_EQ(frame, fadeFrames) << "the fade runs from the first frame without a gap";
    ++fadeFrames;
    struct V {
      float x, y, z;
      uint32_t colour;
      float u, v;
    };
    const V* v = BufferAs<V>(scene().resources.shimmerQuad);
    const uint32_t alpha = v[0].colour >> 24;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(v[i].colour, alpha << 24) << "black";
    if (frame == 0) {
      EXPECT_EQ(alpha, 255u);
    }
    EXPECT_LT(alpha, lastAlpha);
    EXPECT_GT(alpha, 0u);
    lastAlpha = alpha;
  }
  EXPECT_EQ(fadeFrames, 14);
}

TEST_F(FrameTest, SeabedCullsBehindTheCameraButAlwaysDrawsItsTile) {
  ASSERT_EQ(Frame(), FrameResult::Presented);
  const int cameraTile = static_cast<int>(state.cameraZ / 0.32f) * 25 + static_cast<int>(state.cameraX / 0.32f);
  const SeabedTile& centre = scene().world.tiles[cameraTile];
  ASSERT_EQ(centre.neighbourCount, 25);
  // The tiles are the strips; the objects on them are lists.
  auto strips = [&] {
    const auto& calls = device().calls();
    return static_cast<size_t>(std::count_if(calls.begin(), calls.end(), [](const RecordedCall& c) {
      return c.name == "DrawIndexedPrimitive" && c.args[0] == D3DPT_TRIANGLESTRIP;
    }));
  };
  const size_t drawn = strips();
  EXPECT_GE(drawn, 2u);
  EXPECT_LT(drawn, 25u) << "tiles behind the camera are culled";
  for (const RecordedCall& c : device().calls()) {
    if (c.name != "DrawIndexedPrimitive" || c.args[0] != D3DPT_TRIANGLESTRIP) continue;
    EXPECT_EQ(c.args, (std::vector<uint64_t>{D3DPT_TRIANGLESTRIP, 0, 289, 0, 572}));
  }

  // Lift every tile out of view: only the camera's own stays. The fish, drawn
  // with the same call, are left out.
  for (int i = 0; i < kTileCount; ++i) scene().world.tiles[i].centreHeight = 10.0f;
  scene().world.school.count = 0;
  ASSERT_EQ(Frame(), FrameResult::Presented);
  ASSERT_EQ(strips(), 1u);
  const auto& calls = device().calls();
  auto draw = std::find_if(calls.begin(), calls.end(), [](const RecordedCall& c) {
    return c.name == "DrawIndexedPrimitive";
  });
  auto stream = std::find_if(std::make_reverse_iterator(draw), calls.rend(), [](const RecordedCall& c) {
    return c.name == "SetStreamSource";
  });
  EXPECT_EQ(stream->args[1], reinterpret_cast<uintptr_t>(scene().resources.tileBuffers[cameraTile]));
  EXPECT_EQ(stream->args[2], 28u);
}

TEST_F(FrameTest, AFailedSurfaceLockEndsTheFrameWithoutPresenting) {
  device().Fail("LockVertexBuffer", D3DERR_INVALIDCALL, 1);
  device().CallLog::Clear();
  EXPECT_EQ(RenderFrame(scene(), state, fish), FrameResult::Ended);
  EXPECT_EQ(device().Count("Present"), 0u);
  EXPECT_EQ(device().Count("EndScene"), 1u);
  EXPECT_EQ(device().Count("DrawPrimitive"), 0u);
  EXPECT_EQ(device().Count("DrawIndexedPrimitive"), 0u);
  EXPECT_FALSE(threadStart.Wait(0)) << "the fish were not handed on";
  EXPECT_TRUE(state.firstFrame);
  // The next frame draws in full, still without waiting.
  EXPECT_EQ(Frame(), FrameResult::Presented);
  EXPECT_EQ(device().Count("Present"), 1u);
}

TEST_F(FrameTest, ALostDeviceIsNotTouchedAgain) {
  device().Fail("TestCooperativeLevel", D3DERR_DEVICELOST, 1);
  device().CallLog::Clear();
  EXPECT_EQ(RenderFrame(scene(), state, fish), FrameResult::DeviceLost);
  EXPECT_EQ(device().calls().size(), 1u);
  EXPECT_EQ(state.causticFrame, 0) << "the frame did not advance";

  device().Fail("TestCooperativeLevel", D3DERR_DEVICENOTRESET, 1);
  device().CallLog::Clear();
  EXPECT_EQ(RenderFrame(scene(), state, fish), FrameResult::DeviceNotReset);
  EXPECT_EQ(device().calls().size(), 1u);
}

TEST_F(FrameTest, ResetUsesTheDisplayFormatAndRestoresTheStatesItDropped) {
  ASSERT_EQ(Frame(), FrameResult::Presented);
  t.direct3d.displayMode.format = D3DFMT_R5G6B5;
  ASSERT_TRUE(ResetDevice(scene().resources, 1024, 768, nullptr));
  const RecordedCall& reset = device().calls().back();
  EXPECT_EQ(reset.name, "Reset");
  EXPECT_EQ(reset.args, (std::vector<uint64_t>{1024, 768, D3DFMT_R5G6B5, 0}));

  device().CallLog::Clear();
  RestoreRenderStates(scene().resources, state, 1024, 768);
  std::map<uint64_t, uint64_t> states;
  for (const RecordedCall& c : device().calls())
    if (c.name == "SetRenderState") states[c.args[0]] = c.args[1];
  // Cull mode, blending and z were set by the last frame already: a reset
  // device forgot them, so they reach it again.
  EXPECT_EQ(states.size(), 16u);
  EXPECT_EQ(states[D3DRS_CULLMODE], D3DCULL_CW);
  EXPECT_EQ(states[D3DRS_FOGSTART], 0x3CCCCCCDu);  // 0.025f
  EXPECT_EQ(states[D3DRS_FOGCOLOR], scene().resources.colours.clearColour);

  device().Fail("Reset", D3DERR_DEVICELOST, 1);
  EXPECT_FALSE(ResetDevice(scene().resources, 1024, 768, nullptr));
  t.direct3d.Fail("GetAdapterDisplayMode", D3DERR_NOTAVAILABLE, 1);
  EXPECT_FALSE(ResetDevice(scene().resources, 1024, 768, nullptr));
}

TEST_F(FrameTest, ShutdownResetGoesWindowedInTheDisplayFormat) {
  t.direct3d.displayMode.format = D3DFMT_X8R8G8B8;
  ASSERT_TRUE(ResetDeviceWindowed(scene().resources));
  EXPECT_EQ(device().calls().back().args, (std::vector<uint64_t>{0, 0, D3DFMT_X8R8G8B8, 1}));
  t.direct3d.Fail("GetAdapterDisplayMode", D3DERR_NOTAVAILABLE, 1);
  device().CallLog::Clear();
  EXPECT_FALSE(ResetDeviceWindowed(scene().resources));
  EXPECT_EQ(device().Count("Reset"), 0u) << "no display mode, no reset";
}

TEST_F(FrameTest, EveryStateChangeGoesThroughTheCaches) {
  std::map<uint64_t, uint64_t> renderStates;
  std::map<std::pair<uint64_t, uint64_t>, uint64_t> stageStates;
  for (int frame = 0; frame < 3; ++frame) {
    ASSERT_EQ(Frame(), FrameResult::Presented);
    for (const RecordedCall& c : device().calls()) {
      if (c.name == "SetRenderState") {
        auto it = renderStates.find(c.args[0]);
        EXPECT_TRUE(it == renderStates.end() || it->second != c.args[1]) << "state " << c.args[0] << " repeated";
        renderStates[c.args[0]] = c.args[1];
      } else if (c.name == "SetTextureStageState") {
        auto key = std::make_pair(c.args[0], c.args[1]);
        auto it = stageStates.find(key);
        EXPECT_TRUE(it == stageStates.end() || it->second != c.args[2]);
        stageStates[key] = c.args[2];
      }
    }
  }
}

}  // namespace
}  // namespace sorvane

namespace sorvane {
namespace {

TEST_F(FrameTest, TheFirstFrameSeedsTheRaysAroundTheCameraAndEveryFrameDrawsThemAfterTheObjects) {
  for (int frame = 0; frame < 3; ++frame) {
    ASSERT_EQ(Frame(), FrameResult::Presented);
    if (frame == 0) {
      const LightRay& ray = scene().resources.lightRays.Rays()[0];
      const float ring = std::hypot(ray.baseX - state.cameraX, ray.baseZ - state.cameraZ);
      EXPECT_GE(ring, 0.14f);
      EXPECT_LE(ring, 0.36f);
    }
    const auto& calls = device().calls();
    size_t rays = calls.size(), lastObject = 0, objects = 0;
    for (size_t i = 0; i < calls.size(); ++i) {
      if (calls[i].name != "DrawIndexedPrimitive" || calls[i].args[0] != D3DPT_TRIANGLELIST) continue;
      if (calls[i].args == std::vector<uint64_t>{D3DPT_TRIANGLELIST, 0, 880, 0, 440}) {
        EXPECT_EQ(rays, calls.size()) << "one ray draw per frame";
        rays = i;
      } else {
        lastObject = i;
        ++objects;
      }
    }
    EXPECT_GT(objects, 0u);
    EXPECT_LT(lastObject, rays);
  }
}

}  // namespace
}  // namespace sorvane
