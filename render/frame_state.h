// What the renderer carries from one frame to the next: the projection's
// shape, the camera's place, the animation counters, the fade, the matrices
// and the frustum of the last frame.
#pragma once
#include <array>

#include "d3dx/matrix_stack.h"
#include "device/device.h"
#include "render/fish_drawing.h"
#include "render/frustum.h"
#include "render/tile_objects.h"
#include "scene/seabed_tiles.h"

namespace sorvane {

struct FrameState {
  MatrixStack matrixStack;
  bool wideScreen = false;
  // The clock the plant sway follows.
  TickSource tickCount = nullptr;
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
  BubbleQuad bubbleQuad{};
  FrustumPlanes frustumPlanes{};
  // Which neighbours of the camera's tile the seabed pass drew, in the order
  // of that tile's neighbour list.
  std::array<bool, kMaxNeighbours> neighbourVisible{};
  FishRenderer fishRenderer;
  FishPassFigures fishFigures;
};

}  // namespace sorvane
