// Failures during scene initialisation: the error code they leave, and the
// release afterwards freeing exactly what was made.
#include <gtest/gtest.h>

#include "device/d3d8_constants.h"
#include "scene_test_support.h"

namespace sorvane {
namespace {

TEST(SceneRelease, AFullSceneReleasesEveryResourceOnce) {
  TestScene t;
  ASSERT_TRUE(t.ok);
  RecordingDevice& device = t.device();
  EXPECT_GT(device.LiveResources(), 700u);
  ReleaseScene(*t.scene);
  EXPECT_EQ(device.LiveResources(), 0u);
  EXPECT_EQ(device.Count("DeleteVertexShader"), 1u);
  EXPECT_FALSE(device.released) << "the device belongs to the caller's shutdown";
  // A second release finds nothing left to release.
  const size_t calls = device.calls().size();
  ReleaseScene(*t.scene);
  EXPECT_EQ(device.calls().size(), calls);
}

TEST(SceneRelease, NoDeviceIsErrorOne) {
  TestScene t(7, TestScene::DefaultSettings(), {});
  RecordingDirect3D none;
  none.Fail("CreateDevice", D3DERR_NOTAVAILABLE);
  Scene scene;
  SceneError error = kSceneErrorUnknown;
  EXPECT_FALSE(InitScene(scene, none, t.settings, t.source, error));
  EXPECT_EQ(error, kSceneErrorDevice);
  EXPECT_EQ(scene.resources.device, nullptr);
  ReleaseScene(scene);
}

TEST(SceneRelease, AMissingTextureIsErrorTwoAndWhatWasMadeIsReleased) {
  TestScene t(7, TestScene::DefaultSettings(), {331});
  EXPECT_FALSE(t.ok);
  EXPECT_EQ(t.error, kSceneErrorTextures);
  EXPECT_EQ(t.scene->resources.textures[kTextureCount - 2], nullptr);
  EXPECT_NE(t.scene->resources.textures[kTextureCount - 3], nullptr);
  EXPECT_FALSE(t.scene->world.tiles) << "construction comes after the textures";
  ReleaseScene(*t.scene);
  EXPECT_EQ(t.device().LiveResources(), 0u);
}

TEST(SceneRelease, AWorldTooLargeForMemoryIsItsOwnErrorAndWhatWasMadeIsReleased) {
  SceneSettings settings = TestScene::DefaultSettings();
  settings.counts.fishCount = INT32_MAX;
  TestScene t(7, settings);
  EXPECT_FALSE(t.ok);
  EXPECT_EQ(t.error, kSceneErrorWorld);
  ReleaseScene(*t.scene);
  EXPECT_EQ(t.device().LiveResources(), 0u);
}

TEST(SceneRelease, AMissingShaderIsNoFailure) {
  TestScene t(7, TestScene::DefaultSettings(), {400});
  ASSERT_TRUE(t.ok);
  EXPECT_FALSE(t.scene->resources.shaderReady);
  EXPECT_EQ(t.scene->resources.shaderHandle, 0u);
  ReleaseScene(*t.scene);
  EXPECT_EQ(t.device().Count("DeleteVertexShader"), 0u);
}

TEST(SceneRelease, ATileBufferThatCannotBeFilledFailsConstruction) {
  RecordingDevice device;
  Scene scene;
  scene.resources.device = &device;
  FillTileTexCoords(scene.resources.tileTexCoords);
  ASSERT_TRUE(BuildScene(scene.world, TestScene::DefaultSettings()));
  device.Fail("LockVertexBuffer", D3DERR_INVALIDCALL);
  EXPECT_FALSE(CreateTileBuffers(scene.resources, scene.world));
  EXPECT_EQ(device.Count("CreateVertexBuffer"), 1u);
  EXPECT_EQ(scene.resources.tilesWithBuffers, 1);
  ReleaseScene(scene);
  EXPECT_EQ(device.LiveResources(), 0u);

  RecordingDevice full;
  Scene second;
  second.resources.device = &full;
  full.Fail("CreateVertexBuffer", E_OUTOFMEMORY);
  EXPECT_FALSE(CreateTileBuffers(second.resources, second.world));
  EXPECT_EQ(second.resources.tilesWithBuffers, 0);
  ReleaseScene(second);
  EXPECT_EQ(full.Count("ReleaseVertexBuffer"), 0u);
}

}  // namespace
}  // namespace sorvane
