// Setting the projections on the device.
#include "render/projection.h"

#include "d3dx/matrix_math.h"
#include "device/d3d8_constants.h"

namespace sorvane {

namespace {

void SetProjection(Device& device, FrameState& frame, const Matrix& projection) {
  frame.projection = projection;
  device.SetTransform(D3DTS_PROJECTION, projection);
}

}  // namespace

float AspectRatioFor(bool wideScreen, uint16_t width, uint16_t height) {
  if (wideScreen) return 16.0f / 9.0f;
  return static_cast<float>(width) / static_cast<float>(height == 0 ? 1 : height);
}

Matrix ScenePerspective(float aspectRatio) {
  return MatrixPerspectiveFovLH(kFieldOfView, aspectRatio, kNearPlane, kSceneFarPlane);
}

Matrix FarPerspective(float aspectRatio) {
  return MatrixPerspectiveFovLH(kFieldOfView, aspectRatio, kNearPlane, kFarFarPlane);
}

void UpdateProjection(Device* device, FrameState& frame, uint32_t width, uint32_t height) {
  if (device == nullptr) return;
  device->SetTransform(D3DTS_WORLD, MatrixIdentity());
  frame.aspectRatio = AspectRatioFor(frame.wideScreen, static_cast<uint16_t>(width), static_cast<uint16_t>(height));
  ApplySceneProjection(*device, frame);
}

void ApplySceneProjection(Device& device, FrameState& frame) {
  SetProjection(device, frame, ScenePerspective(frame.aspectRatio));
}

void ApplyFarProjection(Device& device, FrameState& frame) {
  SetProjection(device, frame, FarPerspective(frame.aspectRatio));
}

}  // namespace sorvane
