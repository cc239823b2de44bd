#include <gtest/gtest.h>

#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"
#include "device/state_cache.h"
#include "scene/scene_device.h"

namespace sorvane {

TEST(SceneDevice, PresentParametersFollowTheSettings) {
  SceneDeviceSettings s;
  s.width = 1024;
  s.height = 768;
  s.multiSampleType = D3DMULTISAMPLE_4_SAMPLES;
  PresentParameters desktop = ScenePresentParameters(s);
  EXPECT_EQ(desktop.backBufferWidth, 1024u);
  EXPECT_EQ(desktop.backBufferHeight, 768u);
  EXPECT_EQ(desktop.backBufferFormat, D3DFMT_X8R8G8B8);
  EXPECT_EQ(desktop.backBufferCount, 1u);
  EXPECT_EQ(desktop.multiSampleType, D3DMULTISAMPLE_4_SAMPLES);
  EXPECT_EQ(desktop.swapEffect, D3DSWAPEFFECT_DISCARD);
  EXPECT_FALSE(desktop.windowed);
  EXPECT_TRUE(desktop.enableAutoDepthStencil);
  EXPECT_EQ(desktop.autoDepthStencilFormat, D3DFMT_D16);
  EXPECT_EQ(desktop.presentationInterval, D3DPRESENT_INTERVAL_ONE);
}

TEST(SceneDevice, SoftwareVertexProcessingIsTheFallback) {
  RecordingDirect3D d3d;
  Device* device = nullptr;
  SceneDeviceSettings s;
  s.width = 800;
  s.height = 600;
  EXPECT_TRUE(CreateSceneDevice(d3d, s, &device));
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(d3d.calls().back().args[1], D3DCREATE_HARDWARE_VERTEXPROCESSING);

  RecordingDirect3D noHardware;
  noHardware.Fail("CreateDevice", D3DERR_NOTAVAILABLE, 1);
  EXPECT_TRUE(CreateSceneDevice(noHardware, s, &device));
  EXPECT_EQ(noHardware.Count("CreateDevice"), 2u);
  EXPECT_EQ(noHardware.calls().back().args[1], D3DCREATE_SOFTWARE_VERTEXPROCESSING);
  EXPECT_EQ(noHardware.lastParameters.backBufferWidth, 800u);

  RecordingDirect3D none;
  none.Fail("CreateDevice", D3DERR_NOTAVAILABLE);
  EXPECT_FALSE(CreateSceneDevice(none, s, &device));
  EXPECT_EQ(device, nullptr);
}

TEST(StateCache, RepeatsCostNothingAndFailuresAreNotRemembered) {
  RecordingDevice device;
  StateCache cache;
  cache.SetRenderStateCached(device, D3DRS_FOGENABLE, 1);
  cache.SetRenderStateCached(device, D3DRS_FOGENABLE, 1);
  EXPECT_EQ(device.Count("SetRenderState"), 1u);
  cache.SetRenderStateCached(device, kRenderStateCount, 1);
  EXPECT_EQ(device.Count("SetRenderState"), 1u) << "states past the table are ignored";

  device.Fail("SetRenderState", D3DERR_INVALIDCALL, 1);
  EXPECT_TRUE(Failed(cache.SetRenderStateCached(device, D3DRS_ZENABLE, 0)));
  EXPECT_FALSE(Failed(cache.SetRenderStateCached(device, D3DRS_ZENABLE, 0)));
  EXPECT_EQ(device.Count("SetRenderState"), 3u) << "a failed call must be tried again";

  cache.SetTextureStageStateCached(device, 1, D3DTSS_COLOROP, D3DTOP_MODULATE);
  cache.SetTextureStageStateCached(device, 1, D3DTSS_COLOROP, D3DTOP_MODULATE);
  cache.SetTextureStageStateCached(device, kTextureStages, D3DTSS_COLOROP, D3DTOP_MODULATE);
  cache.SetTextureStageStateCached(device, 0, kTextureStageStateCount, 1);
  EXPECT_EQ(device.Count("SetTextureStageState"), 1u);

  cache.Reset();
  cache.SetRenderStateCached(device, D3DRS_FOGENABLE, 1);
  EXPECT_EQ(device.Count("SetRenderState"), 4u);
}

}  // namespace sorvane
