// The whole scene drawn through a device frame after frame, for the GL tests
// and the figure tools: the saver core with the calculation cycle between the
// frames, on the generated resources, at one detail level for fish, plants
// and ruins alike.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "saver/saver_core.h"

namespace sorvane {

class SceneRun {
 public:
  // Takes `direct3d` over and builds the scene on it at the given size.
  // False with the reason when it cannot.
  bool Open(Direct3D* direct3d, uint32_t width, uint32_t height, int detail, uint32_t seed, std::string* why);
  FrameResult Frame() { return core_->DrawFrame(); }
  // Releases the scene, the device and the Direct3D object.
  void Close() { core_.reset(); }
  Scene& scene() { return core_->scene(); }
  Device& device() { return *core_->device(); }

 private:
  std::unique_ptr<SaverCore> core_;
};

}  // namespace sorvane
