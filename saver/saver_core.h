// One saver's life, whichever host runs it (the Windows saver, the Linux hack,
// the tests and tools): the calculation cycle and the hand-over of the fish,
// the scene on a Direct3D object, the frames, the screen's size, the stop and
// the release, in that order. The host keeps the windows, the clock, the pace
// of the frames and the sound, and drives the core step by step, so that a
// stop can come between any two steps.
#pragma once
#include <cstdint>
#include <memory>
#include <thread>

#include "base/auto_reset_event.h"
#include "render/fish_hand_over.h"
#include "render/frame_state.h"
#include "render/render_frame.h"
#include "saver/calculation_thread.h"
#include "scene/scene.h"
#include "settings/load_settings.h"

namespace sorvane {

enum class CycleRunner {
  // On a thread of its own, planning while the frame goes on.
  CalculationThread,
  // On the drawing thread, when the frame takes the fish back: the same
  // frames from the same seed, without a thread.
  BetweenFrames,
};

struct SaverSetup {
  Settings settings;
  // Grows the seabed; the drawing thread's random sequence starts from it.
  uint32_t seed = 1;
  CycleRunner cycleRunner = CycleRunner::CalculationThread;
  // The clock the plants sway by; null holds the sway still.
  TickSource swayClock = nullptr;
  // Picks the wide-screen banner written in Cyrillic.
  bool cyrillicLocale = false;
};

class SaverCore {
 public:
  // Seeds the calling thread's random sequence, which every later step must
  // draw from: construct, start and draw on one thread.
  explicit SaverCore(const SaverSetup& setup);
  ~SaverCore();
  SaverCore(const SaverCore&) = delete;
  SaverCore& operator=(const SaverCore&) = delete;

  // The hand-over and, on a calculation thread, the thread, which waits for
  // the first fish. False when they can't be had.
  bool StartCycle();
  // Takes `direct3d` over (null when none could be made): the device on
  // `window` with the back buffer the settings choose for this screen, the
  // scene and the projection. On false `error` says which step failed, and
  // what was made stays for the release.
  bool InitScene(Direct3D* direct3d, Size screen, void* window, ResourceSource& resources, SceneError& error);
  FrameResult DrawFrame();
  // The projection follows a screen that changed its size; the device draws at
  // its window's size of itself.
  void Resize(Size screen);

  // Stops the cycle (one under way runs to its end first) and closes the
  // events. False when the thread did not stop in time: the scene is then
  // left to it, and so is this object, which must outlive the process.
  bool StopCycle();
  // Releases what exists of the scene, unless a thread that did not stop may
  // still be using it.
  void ReleaseScene();
  // Back to windowed presentation, so that the display does not stay in a
  // full-screen mode, then the device and the Direct3D object go.
  void ReleaseDevice();
  // The three in order; false when the thread did not stop.
  bool Shutdown();

  // True while a calculation thread that would not stop may use the scene.
  bool CycleRunning() const { return threadLost_; }
  Device* device() const { return scene_.resources.device; }
  Scene& scene() { return scene_; }

 private:
  SceneSettings SceneSettingsFor(Size screen, void* window) const;

  const SaverSetup setup_;
  AutoResetEvent startCalculation_;
  AutoResetEvent calculationDone_;
  CalculationShared calculation_;
  std::thread thread_;
  bool threadLost_ = false;
  std::unique_ptr<FishHandOver> handOver_;
  Direct3D* direct3d_ = nullptr;
  Scene scene_;
  FrameState frame_;
};

}  // namespace sorvane
