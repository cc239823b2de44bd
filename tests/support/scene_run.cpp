#include "tests/support/scene_run.h"

#include "scene/folder_resource_source.h"

namespace sorvane {

bool SceneRun::Open(Direct3D* direct3d, uint32_t width, uint32_t height, int detail, uint32_t seed,
                    std::string* why) {
  SaverSetup setup;
  setup.settings.detailLevelFish = setup.settings.detailLevelPlant = setup.settings.detailLevelWreck = detail;
  setup.seed = seed;
  setup.cycleRunner = CycleRunner::BetweenFrames;
  core_ = std::make_unique<SaverCore>(setup);
  core_->StartCycle();
  FolderResourceSource resources(SORVANE_GENERATED_DIR, SORVANE_SHADER_TEXT);
  if (!resources.Open()) {
    direct3d->Release();
    *why = "no generated resources in " SORVANE_GENERATED_DIR;
    return false;
  }
  SceneError error = kSceneErrorUnknown;
  const Size size{static_cast<int32_t>(width), static_cast<int32_t>(height)};
  if (!core_->InitScene(direct3d, size, nullptr, resources, error)) {
    *why = "scene initialisation failed with error " + std::to_string(error);
    return false;
  }
  return true;
}

}  // namespace sorvane
