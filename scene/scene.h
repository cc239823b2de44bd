// Everything the underwater scene owns from its initialisation to its release:
// the device and its resources, the seabed, the navigation map, the camera and
// the frame state the renderer carries from one frame to the next.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "d3dx/matrix_stack.h"
#include "fishlife/navigation_map.h"
#include "render/camera_path.h"
#include "render/device.h"
#include "render/frustum.h"
#include "render/light_rays.h"
#include "render/tile_objects.h"
#include "render/state_cache.h"
#include "scene/colour_scheme.h"
#include "scene/geometry/scenery_mesh_prep.h"
#include "scene/heights.h"
#include "scene/resource_source.h"
#include "scene/scene_device.h"
#include "scene/seabed_tiles.h"
#include "scene/texture_table.h"
#include "shell/instance_counts.h"

namespace sorvane {

// What the scene needs of the settings and of start-up, read by the caller.
struct SceneSettings {
  SceneDeviceSettings device;
  bool wideScreen = false;
  int32_t colorScheme = 0;
  SceneCounts counts;
  float cameraSpeedFactor = 1.0f;
  bool cyrillicLocale = false;
  // The clock the plant sway follows.
  TickSource tickCount = nullptr;
};

struct Scene {
  Direct3D* direct3d = nullptr;
  // Created by InitScene; reset and released by the caller's shutdown after
  // ReleaseScene.
  Device* device = nullptr;
  MatrixStack matrixStack;
  StateCache cache;

  // Device resources.
  std::array<Texture*, kTextureCount> textures{};
  uint32_t shaderHandle = 0;
  bool shaderReady = false;
  VertexBuffer* bubbleBillboard = nullptr;
  IndexBuffer* seabedIndexBuffer = nullptr;
  VertexBuffer* shimmerQuad = nullptr;
  VertexBuffer* surfaceQuad = nullptr;
  VertexBuffer* backdrop = nullptr;
  TileTexCoordTable tileTexCoords{};
  SceneryMeshBuffers meshBuffers{};
  std::array<Texture*, kSceneryMeshCount> meshTextures{};
  CLightRays lightRays;
  TickSource tickCount = nullptr;
  ColourScheme colours{};

  // The seabed and the map.
  std::unique_ptr<SeabedTile[]> tiles;
  int tilesWithBuffers = 0;
  std::unique_ptr<float[]> heightGrid;
  HeightGenerator heightGenerator;
  NavigationMap map;
  CellCodeWeights weights{};
  int32_t fishCount = 0;
  Cell cameraStartCell{};
  float cameraStartX = 0.0f;
  float cameraStartZ = 0.0f;
  CCameraPath cameraPath;

  // Frame state.
  bool wideScreen = false;
  float aspectRatio = 4.0f / 3.0f;
  float cameraX = 0.0f;
  float cameraZ = 0.0f;
  int causticFrame = 0;
  int shimmerFrame = 0;
  float fadeLevel = 1.0f;
  bool firstFrame = true;
  Matrix world{};
  Matrix view{};
  Matrix projection{};
  Matrix viewCopy{};
  FrustumPlanes frustumPlanes{};
};

// Device, resources and construction, in that order. On false `error` says
// which step failed (a SceneError); whatever was made is left for ReleaseScene.
bool InitScene(Scene& scene, Direct3D& direct3d, const SceneSettings& settings, ResourceSource& resources,
               int& error);

// Shader, dynamic buffers, seabed strip, colour scheme, first device states,
// the 97 textures and finally BuildScene. False on the first failure.
bool LoadSceneResources(Scene& scene, const SceneSettings& settings, ResourceSource& resources);

// Tiles, heights, cell codes, margins, the objects, level-pair grids and the
// camera. An object array that cannot be allocated fails it like any other
// allocation.
bool BuildScene(Scene& scene, const SceneSettings& settings);

// Releases what exists of the scene's resources and memory; the device stays.
void ReleaseScene(Scene& scene);

}  // namespace sorvane
