// Drawing the scene objects of one visible tile: per-class sphere culling,
// the distance fade, the far plants' simple meshes, the plant sway and the
// rising bubbles, a tile's at a time.
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "device/cached_device.h"
#include "render/frame_state.h"
#include "scene/device_resources.h"
#include "scene/scene_objects.h"

namespace sorvane {

// What the object pass draws with: the device, what it holds for the world
// (the meshes and their textures, the bubble buffer, the plant shader) and the
// frame's camera, matrices, frustum, caustic frame and clock.
struct ObjectPass {
  CachedDevice& gpu;
  const DeviceResources& resources;
  FrameState& frame;
};

constexpr float kPlantDetailDistance = 0.25f;

// max(|cameraZ − z|, |cameraX − x|).
float CameraDistance(const FrameState& frame, float x, float z);

// Nothing within 0.35 of the camera; beyond, white with an alpha that reaches
// 0 at 0.4, lowering the alpha reference with it below 160.
std::optional<uint32_t> ObjectFadeColour(ObjectPass& pass, float x, float z);

// The 0.001-wide quad facing the camera that every bubble is drawn with, as
// the strip's four corners about the bubble.
BubbleQuad BubbleQuadFacing(const Matrix& view);

// Draws the tile's objects class group by class group; its bubbles are drawn
// where they are and left to rise in RiseBubbles.
void DrawTileObjects(ObjectPass& pass, const TileObjects& objects);

// Every bubble of the tile one frame higher (a spent one starts again).
void RiseBubbles(TileObjects& objects);

}  // namespace sorvane
