// Scene initialisation and its release at shutdown.
#include "scene/scene.h"

#include "scene/geometry/scenery_meshes.h"

namespace sorvane {

bool InitScene(Scene& scene, Direct3D& direct3d, const SceneSettings& settings, ResourceSource& resources,
               SceneError& error) {
  error = kSceneErrorUnknown;
  scene.resources.direct3d = &direct3d;
  if (!CreateSceneDevice(direct3d, settings.device, &scene.resources.device)) {
    error = kSceneErrorDevice;
    return false;
  }
  DeviceResources& r = scene.resources;
  if (!LoadSceneResources(r, settings, resources)) {
    error = kSceneErrorTextures;
    return false;
  }
  if (!BuildScene(scene.world, settings)) {
    error = kSceneErrorWorld;
    return false;
  }
  if (!CreateTileBuffers(r, scene.world)) {
    error = kSceneErrorTextures;
    return false;
  }
  if (!BuildSceneryMeshes(*r.device, gSceneryMeshes, r.meshBuffers)) {
    error = kSceneErrorGeometry;
    return false;
  }
  for (int i = 0; i < kSceneryMeshCount; ++i) {
    const int order = TextureOrderOf(kSceneryMeshes[i].texture);
    r.meshTextures[i] = order >= 0 ? r.textures[order] : nullptr;
  }
  scene.world.fishModels.Prepare(FishModelTables());
  CreateFishBuffers(*r.device, r.fishBuffers, scene.world.fishModels.species());
  return true;
}

void ReleaseScene(Scene& scene) {
  DeviceResources& r = scene.resources;
  World& world = scene.world;
  Device* device = r.device;
  if (device != nullptr) {
    for (int i = 0; i < r.tilesWithBuffers; ++i) device->ReleaseVertexBuffer(r.tileBuffers[i]);
  }
  r.tileBuffers.fill(nullptr);
  r.tilesWithBuffers = 0;
  world.tiles.reset();
  world.map.Release();
  world.school = FishSchool{};
  world.cameraPath.Release();
  world.heightGrid.reset();
  world.heightGenerator.Release();
  if (device == nullptr) return;

  r.lightRays.Release(*device);
  ReleaseSceneryMeshes(*device, r.meshBuffers);
  r.meshTextures.fill(nullptr);
  if (r.shaderReady) device->DeleteVertexShader(r.shaderHandle);
  r.shaderReady = false;
  r.shaderHandle = 0;
  for (Texture*& texture : r.textures) {
    if (texture != nullptr) device->ReleaseTexture(texture);
    texture = nullptr;
  }
  ReleaseFishBuffers(*device, r.fishBuffers);
  if (r.seabedIndexBuffer != nullptr) device->ReleaseIndexBuffer(r.seabedIndexBuffer);
  r.seabedIndexBuffer = nullptr;
  for (VertexBuffer** buffer : {&r.bubbleBatch, &r.shimmerQuad, &r.surfaceQuad, &r.backdrop}) {
    if (*buffer != nullptr) device->ReleaseVertexBuffer(*buffer);
    *buffer = nullptr;
  }
}

}  // namespace sorvane
