#include "tests/support/scene_run.h"

#include "base/random.h"
#include "render/projection.h"
#include "scene/folder_resource_source.h"
#include "settings/settings.h"

namespace sorvane {

bool SceneRun::Open(Direct3D* direct3d, uint32_t width, uint32_t height, int detail, uint32_t seed,
                    std::string* why) {
  direct3d_ = direct3d;
  FolderResourceSource resources(SORVANE_GENERATED_DIR, SORVANE_SHADER_TEXT);
  if (!resources.Open()) {
    *why = "no generated resources in " SORVANE_GENERATED_DIR;
    return false;
  }
  SceneSettings settings;
  settings.device.width = static_cast<int>(width);
  settings.device.height = static_cast<int>(height);
  settings.counts = ScaleSceneCounts(detail, detail, detail);
  settings.cameraSpeedFactor = CameraSpeedFactor(2);
  scene_ = std::make_unique<Scene>();
  SeedRandom(seed);
  int error = 0;
  if (!scene_->world.map.pathSearch.Init(kGridSize, kGridSize) ||
      !InitScene(*scene_, *direct3d_, settings, resources, error)) {
    *why = "scene initialisation failed with error " + std::to_string(error);
    return false;
  }
  UpdateProjection(scene_->resources.device, frame_, width, height);
  return true;
}

FrameResult SceneRun::Frame() {
  const FrameResult result = RenderFrame(*scene_, frame_, start_, stop_);
  // The calculation thread's side of the hand-over.
  if (start_.Wait(0)) {
    RunCalculationCycle(scene_->world);
    stop_.Set();
  }
  return result;
}

void SceneRun::Close() {
  if (scene_ != nullptr) {
    Device* device = scene_->resources.device;
    ReleaseScene(*scene_);
    if (device != nullptr) device->Release();
    scene_.reset();
  }
  if (direct3d_ != nullptr) direct3d_->Release();
  direct3d_ = nullptr;
}

}  // namespace sorvane
