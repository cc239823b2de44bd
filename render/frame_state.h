// What the renderer carries from one frame to the next: the projection's
// shape, the camera's place, the animation counters, the fade, the matrices
// and the frustum of the last frame.
#pragma once
#include <array>
#include <cstdint>

#include "d3dx/matrix_stack.h"
#include "render/fish_drawing.h"
#include "render/frustum.h"
#include "scene/quad_vertices.h"

namespace sorvane {

// The quad every bubble is drawn with: a strip's four corners about the bubble.
using BubbleQuad = std::array<ColourVertex, 4>;

// Milliseconds since some start, as GetTickCount gives them.
using TickSource = uint32_t (*)();

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
  Matrix view{};
  Matrix projection{};
  BubbleQuad bubbleQuad{};
  FrustumPlanes frustumPlanes{};
  FishRenderer fishRenderer;
  FishPassFigures fishFigures;
};

}  // namespace sorvane
