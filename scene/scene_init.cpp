// Scene initialisation and its release at shutdown.
#include "scene/scene.h"

namespace sorvane {

bool InitScene(Scene& scene, Direct3D& direct3d, const SceneSettings& settings, ResourceSource& resources,
               int& error) {
  error = kSceneErrorUnknown;
  scene.direct3d = &direct3d;
  scene.wideScreen = settings.wideScreen;
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
  // The scenery meshes (a failure is kSceneErrorGeometry) are built here
  // once they exist, before the fish models.
  scene.school.models = FishModelTables().species;
  PrepareFishModels(*scene.device, scene.fishBuffers, FishModelTables());
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
  scene.school = FishSchool{};
  scene.cameraPath.Release();
  scene.heightGrid.reset();
  scene.heightGenerator.Release();
  if (device == nullptr) return;

  if (scene.shaderReady) device->DeleteVertexShader(scene.shaderHandle);
  scene.shaderReady = false;
  scene.shaderHandle = 0;
  for (Texture*& texture : scene.textures) {
    if (texture != nullptr) device->ReleaseTexture(texture);
    texture = nullptr;
  }
  ReleaseFishBuffers(*device, scene.fishBuffers);
  if (scene.seabedIndexBuffer != nullptr) device->ReleaseIndexBuffer(scene.seabedIndexBuffer);
  scene.seabedIndexBuffer = nullptr;
  for (VertexBuffer** buffer : {&scene.bubbleBillboard, &scene.shimmerQuad, &scene.surfaceQuad, &scene.backdrop}) {
    if (*buffer != nullptr) device->ReleaseVertexBuffer(*buffer);
    *buffer = nullptr;
  }
}

}  // namespace sorvane
