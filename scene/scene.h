// The underwater scene from its initialisation to its release: the world and
// what the device holds for it. What the renderer carries from frame to frame
// is the renderer's own.
#pragma once
#include <cstdint>

#include "base/instance_counts.h"
#include "scene/device_resources.h"
#include "scene/resource_source.h"
#include "scene/scene_device.h"
#include "scene/world.h"

namespace sorvane {

// What the scene needs of the settings and of start-up, read by the caller.
struct SceneSettings {
  SceneDeviceSettings device;
  int32_t colorScheme = 0;
  SceneCounts counts;
  float cameraSpeedFactor = 1.0f;
  bool cyrillicLocale = false;
};

struct Scene {
  DeviceResources resources;
  World world;
};

// The device, its resources, the world and the device's copy of the seabed,
// then the scenery meshes and the fish models, in that order. On false
// `error` says which step failed; whatever was made is left for ReleaseScene.
bool InitScene(Scene& scene, Direct3D& direct3d, const SceneSettings& settings, ResourceSource& resources,
               SceneError& error);

// The light rays, the shader, the dynamic buffers, the seabed strip, the colour
// scheme, the first device states and the 97 textures. False on the first
// failure.
bool LoadSceneResources(DeviceResources& resources, const SceneSettings& settings, ResourceSource& source);

// The world: tiles, heights, cell codes, margins, the objects, level-pair
// grids, the path search's layers, the camera and the fish. False when memory
// for any of them cannot be had; an object array that cannot be allocated
// fails it like any other allocation.
bool BuildScene(World& world, const SceneSettings& settings);

// One vertex buffer per seabed tile: x, z and the texture coordinates first,
// then the heights of the world's grid. False when a buffer cannot be created
// or filled; the buffers made so far stay for ReleaseScene.
bool CreateTileBuffers(DeviceResources& resources, const World& world);

// Releases what exists of the scene's resources and memory; the device stays.
void ReleaseScene(Scene& scene);

}  // namespace sorvane
