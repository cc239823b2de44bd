// What the device holds for the world: the Direct3D object and device with
// their state cache, the textures, the shader, the buffers and the colours the
// backdrop was written with.
#pragma once
#include <array>
#include <cstdint>

#include "device/device.h"
#include "device/cached_device.h"
#include "scene/colour_scheme.h"
#include "scene/geometry/fish_buffers.h"
#include "scene/geometry/scenery_mesh_prep.h"
#include "scene/light_rays.h"
#include "scene/seabed_tiles.h"
#include "scene/texture_table.h"

namespace sorvane {

struct DeviceResources {
  Direct3D* direct3d = nullptr;
  // Created by InitScene; reset and released by the caller's shutdown after
  // ReleaseScene.
  Device* device = nullptr;
  // Every render-state change goes through it, so it lives with the device and
  // is forgotten when the device is reset.
  StateCache cache;

  std::array<Texture*, kTextureCount> textures{};
  uint32_t shaderHandle = 0;
  bool shaderReady = false;
  VertexBuffer* bubbleBatch = nullptr;
  IndexBuffer* seabedIndexBuffer = nullptr;
  VertexBuffer* shimmerQuad = nullptr;
  VertexBuffer* surfaceQuad = nullptr;
  VertexBuffer* backdrop = nullptr;
  // One per seabed tile, in the tiles' order; the first tilesWithBuffers exist.
  std::array<VertexBuffer*, kTileCount> tileBuffers{};
  int tilesWithBuffers = 0;
  TileTexCoordTable tileTexCoords{};
  SceneryMeshBuffers meshBuffers{};
  // The stage-0 texture of each scenery mesh, null where it has none.
  std::array<Texture*, kSceneryMeshCount> meshTextures{};
  CLightRays lightRays;
  ColourScheme colours{};
  FishBuffers fishBuffers;
};

}  // namespace sorvane
