// Scene initialisation and its release at shutdown.
#include "scene/geometry/scenery_meshes.h"
#include "scene/scene.h"

namespace sorvane {

bool InitScene(Scene& scene, Direct3D& direct3d, const SceneSettings& settings, ResourceSource& resources,
               int& error) {
  error = kSceneErrorUnknown;
  scene.direct3d = &direct3d;
  scene.wideScreen = settings.wideScreen;
  scene.tickCount = settings.tickCount;
  const int deviceError = CreateSceneDevice(direct3d, settings.device, &scene.device);
  if (deviceError != 0) {
    error = deviceError;
    return false;
  }
  scene.matrixStack.LoadIdentity();
  if (!LoadSceneResources(scene, settings, resources)) {
    error = kSceneErrorTextures;
    return false;
  }
  if (!BuildSceneryMeshes(*scene.device, gSceneryMeshes, scene.meshBuffers)) {
    error = kSceneErrorGeometry;
    return false;
  }
  for (int i = 0; i < kSceneryMeshCount; ++i) {
    const int order = TextureOrderOf(kSceneryMeshes[i].texture);
    scene.meshTextures[i] = order >= 0 ? scene.textures[order] : nullptr;
  }
  // The fish models are prepared here once they exist.
  return true;
}

void ReleaseScene(Scene& scene) {
  Device* device = scene.device;
  if (device != nullptr && scene.tiles) {
    for (int i = 0; i < scene.tilesWithBuffers; ++i) device->ReleaseVertexBuffer(scene.tiles[i].vertexBuffer);
  }
  scene.tiles.reset();
  scene.tilesWithBuffers = 0;
  scene.map.Release();
  scene.cameraPath.Release();
  scene.heightGrid.reset();
  scene.heightGenerator.Release();
  if (device == nullptr) return;

  scene.lightRays.Release(*device);
  ReleaseSceneryMeshes(*device, scene.meshBuffers);
  scene.meshTextures.fill(nullptr);
  if (scene.shaderReady) device->DeleteVertexShader(scene.shaderHandle);
  scene.shaderReady = false;
  scene.shaderHandle = 0;
  for (Texture*& texture : scene.textures) {
    if (texture != nullptr) device->ReleaseTexture(texture);
    texture = nullptr;
  }
  if (scene.seabedIndexBuffer != nullptr) device->ReleaseIndexBuffer(scene.seabedIndexBuffer);
  scene.seabedIndexBuffer = nullptr;
  for (VertexBuffer** buffer : {&scene.bubbleBillboard, &scene.shimmerQuad, &scene.surfaceQuad, &scene.backdrop}) {
    if (*buffer != nullptr) device->ReleaseVertexBuffer(*buffer);
    *buffer = nullptr;
  }
}

}  // namespace sorvane
