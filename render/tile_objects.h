// Drawing the scene objects of one visible tile: per-class sphere culling,
// the distance fade, the far plants' simple meshes, the plant sway and the
// rising bubbles, a tile's at a time.
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "d3dx/matrix_stack.h"
#include "device/device.h"
#include "render/frustum.h"
#include "scene/scene_objects.h"
#include "device/state_cache.h"
#include "scene/geometry/scenery_mesh_prep.h"
#include "scene/quad_vertices.h"

namespace sorvane {

using BubbleQuad = std::array<ColourVertex, 4>;

// Milliseconds since some start, as GetTickCount gives them.
using TickSource = uint32_t (*)();

// What the object pass reads and sets, gathered by the frame.
struct ObjectPass {
  Device& device;
  StateCache& cache;
  MatrixStack& stack;
  const SceneryMeshBuffers& meshes;
  // The stage-0 texture of each scenery mesh (null where it has none).
  const std::array<Texture*, kSceneryMeshCount>& meshTextures;
  Texture* caustic;
  Texture* bubble;
  // The quad every bubble is drawn with, and the buffer the bubbles of a tile
  // are written into (kBubblesPerBatch of them at a time).
  const BubbleQuad& bubbleQuad;
  VertexBuffer* bubbleBatch;
  const FrustumPlanes& planes;
  float cameraX;
  float cameraZ;
  bool shaderReady;
  uint32_t shaderHandle;
  const Matrix& world;
  const Matrix& view;
  const Matrix& projection;
  TickSource tickCount;
};

constexpr float kPlantDetailDistance = 0.25f;

// max(|cameraZ − z|, |cameraX − x|).
float CameraDistance(const ObjectPass& pass, float x, float z);

// Nothing within 0.35 of the camera; beyond, white with an alpha that reaches
// 0 at 0.4, lowering the alpha reference with it below 160.
std::optional<uint32_t> ObjectFadeColour(ObjectPass& pass, float x, float z);

// The 0.001-wide quad facing the camera that every bubble is drawn with, as
// the strip's four corners about the bubble.
BubbleQuad BubbleQuadFacing(const Matrix& viewCopy);

void DrawTileObjects(ObjectPass& pass, TileObjects& objects);

}  // namespace sorvane
