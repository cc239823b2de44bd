#include "saver/saver_core.h"

#include <chrono>

#include "base/random.h"
#include "render/device_reset.h"
#include "render/projection.h"
#include "saver/cycle_hand_over.h"

namespace sorvane {

SaverCore::SaverCore(const SaverSetup& setup) : setup_(setup) {
  SeedRandom(setup.seed);
  calculation_.seed = CalculationSeed(RandomState());
  calculation_.cycle = [this] { RunCalculationCycle(scene_.world); };
  frame_.wideScreen = setup.settings.wideScreen;
  frame_.tickCount = setup.swayClock;
}

SaverCore::~SaverCore() { Shutdown(); }

bool SaverCore::StartCycle() {
  if (setup_.cycleRunner == CycleRunner::BetweenFrames) {
    handOver_ = std::make_unique<BetweenFramesHandOver>(calculation_.cycle, calculation_.seed);
    return true;
  }
  // The saver keeps its own, unnamed events and hands the thread handles of
  // its own before it runs, so that no other process can signal it.
  startCalculation_ = AutoResetEvent::Create();
  calculationDone_ = AutoResetEvent::Create();
  calculation_.startCalculation = startCalculation_.Duplicate();
  calculation_.calculationDone = calculationDone_.Duplicate();
  if (!calculation_.startCalculation.valid() || !calculation_.calculationDone.valid()) return false;
  thread_ = std::thread(CalculationThreadMain, std::ref(calculation_));
  handOver_ = std::make_unique<ThreadHandOver>(startCalculation_, calculationDone_);
  return true;
}

SceneSettings SaverCore::SceneSettingsFor(Size screen, void* window) const {
  const Settings& settings = setup_.settings;
  const Size backBuffer = BackBufferSize(settings, screen);
  SceneSettings scene;
  scene.device = {backBuffer.width, backBuffer.height, MultiSampleTypeFromSetting(settings.antialiasing), window};
  scene.colorScheme = settings.colorScheme;
  scene.counts = ScaleSceneCounts(settings.detailLevelFish, settings.detailLevelPlant, settings.detailLevelWreck);
  scene.cameraSpeedFactor = CameraSpeedFactor(settings.camSpeed);
  scene.cyrillicLocale = setup_.cyrillicLocale;
  return scene;
}

bool SaverCore::InitScene(Direct3D* direct3d, Size screen, void* window, ResourceSource& resources,
                          SceneError& error) {
  direct3d_ = direct3d;
  if (direct3d_ == nullptr) {
    error = kSceneErrorDirect3D;
    return false;
  }
  if (!sorvane::InitScene(scene_, *direct3d_, SceneSettingsFor(screen, window), resources, error)) return false;
  Resize(screen);
  return true;
}

FrameResult SaverCore::DrawFrame() { return RenderFrame(scene_, frame_, *handOver_); }

void SaverCore::Resize(Size screen) {
  UpdateProjection(device(), frame_, static_cast<uint32_t>(screen.width), static_cast<uint32_t>(screen.height));
}

bool SaverCore::StopCycle() {
  if (threadLost_) return false;
  if (thread_.joinable()) {
    // The thread stops at the top of its next cycle; one under way ends first.
    calculation_.shutdownRequested = true;
    startCalculation_.Set();
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCalculationStopTimeoutMs);
    while (!calculation_.finished && std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!calculation_.finished) {
      thread_.detach();
      threadLost_ = true;
      return false;
    }
    thread_.join();
  }
  startCalculation_.Close();
  calculationDone_.Close();
  return true;
}

void SaverCore::ReleaseScene() {
  if (!threadLost_) sorvane::ReleaseScene(scene_);
}

void SaverCore::ReleaseDevice() {
  if (Device* device = scene_.resources.device) {
    device->ResourceManagerDiscardBytes(0);
    ResetDeviceWindowed(scene_.resources);
    device->Release();
    scene_.resources.device = nullptr;
  }
  if (direct3d_ != nullptr) direct3d_->Release();
  direct3d_ = nullptr;
}

bool SaverCore::Shutdown() {
  if (!StopCycle()) return false;
  ReleaseScene();
  ReleaseDevice();
  return true;
}

}  // namespace sorvane
