// The fish at 13 000: the main thread's fish pass per frame (advance, bend,
// fill and the draws into the recording device) and the calculation cycle's
// planning, with the camera gliding on along its path.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "base/random.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "saver/cycle_hand_over.h"
#include "scene/folder_resource_source.h"
#include "scene/ground_height.h"
#include "scene/scene.h"
#include "tests/support/device_recording.h"

namespace sorvane {
namespace {

struct FishScene {
  bool Init() {
    FolderResourceSource resources(SORVANE_GENERATED_DIR, SORVANE_SHADER_TEXT);
    if (!resources.Open()) return false;
    SceneSettings settings;
    settings.device.width = 1024;
    settings.device.height = 768;
    settings.counts = ScaleSceneCounts(4, 2, 2);
    SeedRandom(3);
    SceneError error = kSceneErrorUnknown;
    if (!InitScene(*scene, direct3d, settings, resources, error)) return false;
    UpdateProjection(scene->resources.device, frame, 1024, 768);
    for (int i = 0; i < 300; ++i) Frame(true);
    return true;
  }
  // One frame and, when asked, the cycle in it that the fish come back from.
  void Frame(bool cycle) {
    runCycle = cycle;
    RenderFrame(*scene, frame, fish);
    direct3d.devices.back()->CallLog::Clear();
  }
  void Cycle() {
    RunCalculationCycle(scene->world);
  }
  ~FishScene() { ReleaseScene(*scene); }

  RecordingDirect3D direct3d;
  std::unique_ptr<Scene> scene = std::make_unique<Scene>();
  FrameState frame;
  bool runCycle = true;
  BetweenFramesHandOver fish{[this] {
                               if (runCycle) Cycle();
                             },
                             1};
};

void BM_FishPassAt13000(benchmark::State& state) {
  FishScene f;
  if (!f.Init()) {
    state.SkipWithError("scene initialisation failed");
    return;
  }
  DeviceResources& r = f.scene->resources;
  World& w = f.scene->world;
  double drawn = 0, calls = 0;
  for (auto _ : state) {
    std::array<FishViewPlane, 6> planes;
    for (int i = 0; i < 6; ++i) {
      const Plane& p = f.frame.frustumPlanes[i];
      planes[i] = {p.a, p.b, p.c, p.d};
    }
    CachedDevice gpu{*r.device, r.cache};
    const FishDrawTarget target{gpu, f.frame.matrixStack, r.fishBuffers, w.fishModels.species(),
                                &r.textures[kFirstFishTexture]};
    const FishView view{f.frame.cameraX, f.frame.cameraZ, w.heightGrid.get(), &GroundHeight, planes.data()};
    AdvanceSchool(f.frame.fishRenderer, view, w.school.fish.get(), w.school.count, w.map.gWave);
    const FishPassFigures figures = DrawSchool(f.frame.fishRenderer, target, view, w.school.fish.get());
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
  for (auto _ : state) {
    f.Cycle();
    state.PauseTiming();
    f.Frame(false);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PlanningCycleAt13000)->Unit(benchmark::kMicrosecond)->Iterations(2000);

}  // namespace
}  // namespace sorvane
