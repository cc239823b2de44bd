// Scene construction (tiles, heights, cell codes, margins) and one frame,
// both through the recording device.
#include <benchmark/benchmark.h>

#include <memory>

#include "tests/support/device_recording.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "scene/folder_resource_source.h"
#include "scene/scene.h"
#include "base/random.h"

namespace sorvane {
namespace {

SceneSettings BenchSettings() {
  SceneSettings s;
  s.device.width = 1024;
  s.device.height = 768;
  s.counts = ScaleSceneCounts(2, 2, 2);
  return s;
}

void BM_BuildScene(benchmark::State& state) {
  const SceneSettings settings = BenchSettings();
  uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    RecordingDevice device;
    auto scene = std::make_unique<Scene>();
    scene->resources.device = &device;
    FillTileTexCoords(scene->resources.tileTexCoords);
    SeedRandom(seed++);
    state.ResumeTiming();
    benchmark::DoNotOptimize(BuildScene(*scene, settings));
    state.PauseTiming();
    ReleaseScene(*scene);
    scene.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BuildScene)->Unit(benchmark::kMillisecond);

void BM_RenderFrame(benchmark::State& state) {
  FolderResourceSource resources(SORVANE_GENERATED_DIR, SORVANE_SHADER_TEXT);
  if (!resources.Open()) {
    state.SkipWithError("no generated images");
    return;
  }
  RecordingDirect3D direct3d;
  auto scene = std::make_unique<Scene>();
  SeedRandom(1);
  int error = 0;
  if (!InitScene(*scene, direct3d, BenchSettings(), resources, error)) {
    state.SkipWithError("scene initialisation failed");
    return;
  }
  FrameState frame;
  UpdateProjection(scene->resources.device, frame, 1024, 768);
  RecordingDevice& device = *direct3d.devices.back();
  AutoResetEvent start = AutoResetEvent::Create();
  AutoResetEvent stop = AutoResetEvent::Create();
  for (auto _ : state) {
    benchmark::DoNotOptimize(RenderFrame(*scene, frame, start, stop));
    state.PauseTiming();
    device.CallLog::Clear();
    if (start.Wait(0)) stop.Set();
    state.ResumeTiming();
  }
  ReleaseScene(*scene);
}
BENCHMARK(BM_RenderFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sorvane
