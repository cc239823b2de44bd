// Setting the projections on the device.
#include "render/projection.h"

#include "d3dx/matrix_math.h"
#include "device/d3d8_constants.h"
#include "scene/scene.h"

namespace sorvane {

namespace {

void SetProjection(Scene& scene, const Matrix& projection) {
  scene.projection = projection;
  scene.device->SetTransform(D3DTS_PROJECTION, projection);
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

void UpdateProjection(Scene& scene, uint32_t width, uint32_t height) {
  if (scene.device == nullptr) return;
  scene.world = MatrixRotationY(0.0f);
  scene.device->SetTransform(D3DTS_WORLD, scene.world);
  scene.aspectRatio =
      AspectRatioFor(scene.wideScreen, static_cast<uint16_t>(width), static_cast<uint16_t>(height));
  ApplySceneProjection(scene);
}

void ApplySceneProjection(Scene& scene) { SetProjection(scene, ScenePerspective(scene.aspectRatio)); }

void ApplyFarProjection(Scene& scene) { SetProjection(scene, FarPerspective(scene.aspectRatio)); }

}  // namespace sorvane
