// The fish at 13 000: the main thread's fish pass per frame (advance, bend,
// fill and the draws into the recording device) and the calculation cycle's
// planning, with the camera gliding on along its path.
#include <benchmark/benchmark.h>

#include <memory>

#include "fishlife/calculation_cycle.h"
#include "render/device_recording.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "scene/folder_resource_source.h"
#include "scene/scene.h"
#include "shell/random.h"

namespace sorvane {
namespace {

struct FishScene {
  bool Init() {
    FolderResourceSource resources(SORVANE_GENERATED_DIR, SORVANE_SHADER_TEXT);
    if (!resources.Open() || !scene->map.pathSearch.Init(kGridSize, kGridSize)) return false;
    SceneSettings settings;
    settings.device.screenWidth = 1024;
    settings.device.screenHeight = 768;
    settings.counts = ScaleSceneCounts(4, 2, 2);
    SeedRandom(3);
    int error = 0;
    if (!InitScene(*scene, direct3d, settings, resources, error)) return false;
    UpdateProjection(*scene, 1024, 768);
    for (int i = 0; i < 300; ++i) Frame(true);
    return true;
  }
  // One frame and, when asked, the cycle it hands the fish to.
  void Frame(bool cycle) {
    RenderFrame(*scene, start, stop);
    direct3d.devices.back()->CallLog::Clear();
    if (start.Wait(0)) {
      if (cycle) RunCalculationCycle(scene->map, scene->school, scene->cameraX, scene->cameraZ);
      stop.Set();
    }
  }
  ~FishScene() { ReleaseScene(*scene); }

  RecordingDirect3D direct3d;
  std::unique_ptr<Scene> scene = std::make_unique<Scene>();
  NamedEvent start = NamedEvent::Create(kStartCalculationEvent);
  NamedEvent stop = NamedEvent::Create(kStopCalculationEvent);
};

void BM_FishPassAt13000(benchmark::State& state) {
  FishScene f;
  if (!f.Init()) {
    state.SkipWithError("scene initialisation failed");
    return;
  }
  Scene& s = *f.scene;
  double drawn = 0, calls = 0;
  for (auto _ : state) {
    const FishDrawTarget target{*s.device,      s.cache,   s.matrixStack, s.fishBuffers, s.school.models,
                                &s.textures[kFirstFishTexture]};
    const FishView view{s.cameraX, s.cameraZ, s.heightGrid.get(), &s.frustumPlanes};
    const FishPassFigures figures =
        MoveAndDrawFish(s.fishRenderer, target, view, s.school.fish.get(), s.school.count, s.map.pathSearch);
    state.PauseTiming();
    drawn += figures.drawn;
    calls += figures.drawCalls;
    f.direct3d.devices.back()->CallLog::Clear();
    f.Frame(true);
    state.ResumeTiming();
  }
  state.counters["fishDrawn"] = benchmark::Counter(drawn, benchmark::Counter::kAvgIterations);
  state.counters["drawCalls"] = benchmark::Counter(calls, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FishPassAt13000)->Unit(benchmark::kMicrosecond)->Iterations(2000);

void BM_PlanningCycleAt13000(benchmark::State& state) {
  FishScene f;
  if (!f.Init()) {
    state.SkipWithError("scene initialisation failed");
    return;
  }
  Scene& s = *f.scene;
  for (auto _ : state) {
    RunCalculationCycle(s.map, s.school, s.cameraX, s.cameraZ);
    state.PauseTiming();
    f.Frame(false);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PlanningCycleAt13000)->Unit(benchmark::kMicrosecond)->Iterations(2000);

}  // namespace
}  // namespace sorvane
