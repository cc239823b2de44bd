#include "shell/hack_saver.h"

#include <chrono>

#include "base/random.h"
#include "render/projection.h"

namespace sorvane {

HackSaver::HackSaver(const Settings& settings, uint32_t seed, TickSource swayClock) : settings_(settings) {
  SeedRandom(seed);
  calc_.seed = CalculationSeed(RandomState());
  calc_.cycle = [this] { RunCalculationCycle(scene_.world); };
  frame_.wideScreen = settings.wideScreen;
  frame_.tickCount = swayClock;
}

HackSaver::~HackSaver() { Shutdown(); }

bool HackSaver::StartCalculation() {
  if (!scene_.world.map.pathSearch.Init(400, 400)) return false;
  startEvent_ = AutoResetEvent::Create();
  stopEvent_ = AutoResetEvent::Create();
  calc_.start = startEvent_.Duplicate();
  calc_.stop = stopEvent_.Duplicate();
  if (!calc_.start.valid() || !calc_.stop.valid()) return false;
  thread_ = std::thread(CalculationThreadMain, std::ref(calc_));
  return true;
}

bool HackSaver::InitScene(Direct3D* direct3d, Size size, ResourceSource& resources, int* error) {
  d3d_ = direct3d;
  SceneSettings s;
  s.device.width = size.width;
  s.device.height = size.height;
  s.colorScheme = settings_.colorScheme;
  s.counts = ScaleSceneCounts(settings_.detailLevelFish, settings_.detailLevelPlant, settings_.detailLevelWreck);
  s.cameraSpeedFactor = CameraSpeedFactor(settings_.camSpeed);
  if (!sorvane::InitScene(scene_, *d3d_, s, resources, *error)) return false;
  UpdateProjection(device(), frame_, static_cast<uint32_t>(size.width), static_cast<uint32_t>(size.height));
  return true;
}

FrameResult HackSaver::DrawFrame() { return RenderFrame(scene_, frame_, startEvent_, stopEvent_); }

void HackSaver::Resize(Size size) {
  UpdateProjection(device(), frame_, static_cast<uint32_t>(size.width), static_cast<uint32_t>(size.height));
}

bool HackSaver::StopCalculation() {
  if (threadLost_) return false;
  if (!thread_.joinable()) return true;
  // The thread stops at the top of its next cycle; one under way ends first.
  calc_.stopRequested = true;
  startEvent_.Set();
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCalculationStopTimeoutMs);
  while (!calc_.finished && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  if (!calc_.finished) {
    thread_.detach();
    threadLost_ = true;
    return false;
  }
  thread_.join();
  return true;
}

bool HackSaver::Shutdown() {
  if (!StopCalculation()) return false;
  sorvane::ReleaseScene(scene_);
  if (Device* d = device()) d->Release();
  scene_.resources.device = nullptr;
  if (d3d_) d3d_->Release();
  d3d_ = nullptr;
  return true;
}

}  // namespace sorvane
