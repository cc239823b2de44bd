// The whole scene drawn through the GL device offscreen, frame after frame,
// with the calculation cycle run on this thread between frames as the
// saver's hand-over orders it. Shared by the GL tests and the frame-rate tool.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "base/auto_reset_event.h"
#include "render/frame_state.h"
#include "render/render_frame.h"
#include "scene/scene.h"

namespace sorvane {

class GlSceneRun {
 public:
  GlSceneRun() = default;
  ~GlSceneRun();
  GlSceneRun(const GlSceneRun&) = delete;
  GlSceneRun& operator=(const GlSceneRun&) = delete;

  // Builds the scene from the generated resources at the given detail level
  // (fish, plants and ruins alike). False with the reason when it cannot;
  // noGl says that the machine has no GL to draw with.
  bool Open(uint32_t width, uint32_t height, int detail, uint32_t seed, std::string* why, bool* noGl);
  FrameResult Frame();
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
