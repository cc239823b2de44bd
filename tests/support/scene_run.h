// The whole scene drawn through a device frame after frame, with the
// calculation cycle run on this thread between frames as the saver's
// hand-over orders it. Shared by the GL tests and the figure tools.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "base/auto_reset_event.h"
#include "render/frame_state.h"
#include "render/render_frame.h"
#include "scene/scene.h"

namespace sorvane {

class SceneRun {
 public:
  SceneRun() = default;
  ~SceneRun() { Close(); }
  SceneRun(const SceneRun&) = delete;
  SceneRun& operator=(const SceneRun&) = delete;

  // Takes `direct3d` over and builds the scene on it from the generated
  // resources at the given size and detail level (fish, plants and ruins
  // alike). False with the reason when it cannot.
  bool Open(Direct3D* direct3d, uint32_t width, uint32_t height, int detail, uint32_t seed, std::string* why);
  FrameResult Frame();
  // Releases the scene, the device and the Direct3D object.
  void Close();
  Scene& scene() { return *scene_; }
  Device& device() { return *scene_->resources.device; }

 private:
  Direct3D* direct3d_ = nullptr;
  std::unique_ptr<Scene> scene_;
  FrameState frame_;
  AutoResetEvent start_ = AutoResetEvent::Create();
  AutoResetEvent stop_ = AutoResetEvent::Create();
};

}  // namespace sorvane
