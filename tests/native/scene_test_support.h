// Building a whole scene for tests: the recording device, the generated images
// and a resource source that remembers which ids were asked for.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "tests/support/device_recording.h"
#include "scene/folder_resource_source.h"
#include "scene/scene.h"
#include "base/random.h"

namespace sorvane {

class TrackingSource : public ResourceSource {
 public:
  TrackingSource() : folder_(SORVANE_GENERATED_DIR, SORVANE_SHADER_TEXT) { opened = folder_.Open(); }
  bool Find(int id, ResourceData* data) override {
    requested.push_back(id);
    if (refused.count(id)) return false;
    return folder_.Find(id, data);
  }
  bool opened = false;
  std::vector<int> requested;
  std::set<int> refused;

 private:
  FolderResourceSource folder_;
};

struct TestScene {
  explicit TestScene(uint32_t seed = 7, SceneSettings s = DefaultSettings(), std::set<int> refusedIds = {})
      : settings(s) {
    source.refused = std::move(refusedIds);
    SeedRandom(seed);
    scene = std::make_unique<Scene>();
    ok = InitScene(*scene, direct3d, settings, source, error);
  }
  ~TestScene() { ReleaseScene(*scene); }
  static SceneSettings DefaultSettings() {
    SceneSettings s;
    s.device.width = 800;
    s.device.height = 600;
    s.counts = ScaleSceneCounts(2, 2, 2);
    return s;
  }
  RecordingDevice& device() { return *direct3d.devices.back(); }

  SceneSettings settings;
  RecordingDirect3D direct3d;
  TrackingSource source;
  std::unique_ptr<Scene> scene;
  SceneError error = kSceneErrorUnknown;
  bool ok = false;
};

template <typename T>
const T* BufferAs(VertexBuffer* b) {
  return reinterpret_cast<const T*>(RecordingDevice::Buffer(b).bytes.data());
}

}  // namespace sorvane
