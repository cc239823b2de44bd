// The hack's scene from start to shutdown, on any Direct3D object: the
// calculation thread with its two events, the scene, the frames, the window's
// size changes, and the release of it all. The platform around it (window,
// signals, pacing) drives it step by step, so that a stop can come between
// any two steps.
#pragma once
#include <cstdint>
#include <thread>

#include "base/auto_reset_event.h"
#include "render/frame_state.h"
#include "render/render_frame.h"
#include "scene/scene.h"
#include "settings/load_settings.h"
#include "shell/calculation_thread.h"

namespace sorvane {

class HackSaver {
 public:
  // `seed` grows the seabed; `swayClock` null holds the plants' sway still.
  HackSaver(const Settings& settings, uint32_t seed, TickSource swayClock);
  ~HackSaver();
  HackSaver(const HackSaver&) = delete;
  HackSaver& operator=(const HackSaver&) = delete;

  // The thread waits for its first start signal. False when it can't be had.
  bool StartCalculation();
  // Takes `direct3d` over: the device at this size on the object's surface,
  // the scene and the projection. On false `error` is a SceneError; what was made stays for
  // Shutdown.
  bool InitScene(Direct3D* direct3d, Size size, ResourceSource& resources, int* error);
  FrameResult DrawFrame();
  // The projection follows a window that changed its size; the device draws
  // at its window's size of itself.
  void Resize(Size size);
  Device* device() const { return scene_.resources.device; }

  // Stops the thread, then releases the scene, the device and the object.
  // False when the thread did not stop in time: the scene is left to it, and
  // so is this object, which must then outlive the process.
  bool Shutdown();

 private:
  bool StopCalculation();

  Settings settings_;
  AutoResetEvent startEvent_;
  AutoResetEvent stopEvent_;
  CalculationShared calc_;
  std::thread thread_;
  bool threadLost_ = false;
  Direct3D* d3d_ = nullptr;
  Scene scene_;
  FrameState frame_;
};

}  // namespace sorvane
