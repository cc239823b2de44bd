// The two perspective projections (the scene's, ending at the fog, and a far
// one for the sky passes) and how the aspect ratio follows the screen.
#pragma once
#include <cstdint>

#include "device/device.h"
#include "render/frame_state.h"

namespace sorvane {

constexpr float kFieldOfView = 0.7853982f;
constexpr float kNearPlane = 0.005f;
constexpr float kSceneFarPlane = 0.45f;
constexpr float kFarFarPlane = 1.0f;

// 16 : 9 on a wide screen, else width / height (a height of 0 counts as 1).
float AspectRatioFor(bool wideScreen, uint16_t width, uint16_t height);

Matrix ScenePerspective(float aspectRatio);
Matrix FarPerspective(float aspectRatio);

// Nothing without a device; otherwise identity world, the aspect ratio and the
// scene projection.
void UpdateProjection(Device* device, FrameState& frame, uint32_t width, uint32_t height);
void ApplySceneProjection(Device& device, FrameState& frame);
void ApplyFarProjection(Device& device, FrameState& frame);

}  // namespace sorvane
