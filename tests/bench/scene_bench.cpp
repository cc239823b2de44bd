// Scene construction (tiles, heights, cell codes, margins, objects), the
// scenery meshes, and one frame, all through the recording device, at the
// default and the highest detail of plants and ruins.
#include <benchmark/benchmark.h>

#include <memory>

#include "tests/support/device_recording.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "saver/cycle_hand_over.h"
#include "scene/folder_resource_source.h"
#include "scene/geometry/scenery_meshes.h"
#include "scene/scene.h"
#include "base/random.h"

namespace sorvane {
namespace {

SceneSettings BenchSettings(int detail = 2) {
  SceneSettings s;
  s.device.width = 1024;
  s.device.height = 768;
  s.counts = ScaleSceneCounts(2, detail, detail);
  return s;
}

void BM_BuildScene(benchmark::State& state) {
  const SceneSettings settings = BenchSettings(static_cast<int>(state.range(0)));
  uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    auto scene = std::make_unique<Scene>();
    SeedRandom(seed++);
    state.ResumeTiming();
    benchmark::DoNotOptimize(BuildScene(scene->world, settings));
    state.PauseTiming();
    ReleaseScene(*scene);
    scene.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BuildScene)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// The 62 scenery meshes from their tables into buffers. The tables are
// prepared in place, so later rounds scale already scaled data: the work is
// the same.
void BM_BuildSceneryMeshes(benchmark::State& state) {
  for (auto _ : state) {
    RecordingDevice device;
    SceneryMeshBuffers buffers{};
    benchmark::DoNotOptimize(BuildSceneryMeshes(device, gSceneryMeshes, buffers));
    state.PauseTiming();
    ReleaseSceneryMeshes(device, buffers);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BuildSceneryMeshes)->Unit(benchmark::kMillisecond);

void BM_RenderFrame(benchmark::State& state) {
  FolderResourceSource resources(SORVANE_GENERATED_DIR, SORVANE_SHADER_TEXT);
  if (!resources.Open()) {
    state.SkipWithError("no generated images");
    return;
  }
  RecordingDirect3D direct3d;
  auto scene = std::make_unique<Scene>();
  SeedRandom(1);
  SceneError error = kSceneErrorUnknown;
  if (!InitScene(*scene, direct3d, BenchSettings(static_cast<int>(state.range(0))), resources, error)) {
    state.SkipWithError("scene initialisation failed");
    return;
  }
  FrameState frame;
  UpdateProjection(scene->resources.device, frame, 1024, 768);
  RecordingDevice& device = *direct3d.devices.back();
  // The fish come back at once, without a cycle: the frame alone is timed.
  BetweenFramesHandOver fish([] {}, 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(RenderFrame(*scene, frame, fish));
    state.PauseTiming();
    device.CallLog::Clear();
    state.ResumeTiming();
  }
  ReleaseScene(*scene);
}
BENCHMARK(BM_RenderFrame)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sorvane
