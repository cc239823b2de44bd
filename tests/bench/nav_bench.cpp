// Costs of the navigation map: fish window searches, the camera's whole-grid
// planning, the first cycle's layer build and the height generation.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "fishlife/school_planning.h"
#include "scene/camera_path.h"
#include "scene/heights.h"
#include "tests/native/nav_test_support.h"

namespace sorvane {
namespace {

NavigationMap& SceneMap() {
  static NavigationMap* map = [] {
    auto* m = new NavigationMap;
    navtest::MakeSceneMap(*m, 2024);
    return m;
  }();
  return *map;
}

// Start and destination pairs as fish draw them: destinations up to 25 cells
// around a home near the start, both free on the fish's level.
struct Request {
  int level;
  Cell start;
  Cell destination;
};

std::vector<Request> FishRequests(const GWave& wave, int count) {
  std::vector<Request> requests;
  SeedRandom(17);
  while (static_cast<int>(requests.size()) < count) {
    const int level = Random() % kSwimLevels;
    const Cell s{static_cast<int16_t>(40 + Random() % 320), static_cast<int16_t>(40 + Random() % 320)};
    const Cell d{static_cast<int16_t>(s.column + Random() % 51 - 25), static_cast<int16_t>(s.row + Random() % 51 - 25)};
    const int16_t* layer = wave.levelLayers[level];
    if (layer[CellIndex(s.column, s.row)] != kFreeWater || layer[CellIndex(d.column, d.row)] != kFreeWater) continue;
    if (s == d) continue;
    requests.push_back({level, s, d});
  }
  return requests;
}

void BM_FishWindowSearch(benchmark::State& state) {
  GWave& wave = SceneMap().gWave;
  const std::vector<Request> requests = FishRequests(wave, 4096);
  Step steps[150];
  size_t i = 0;
  int64_t found = 0;
  for (auto _ : state) {
    const Request& r = requests[i++ % requests.size()];
    Cell start = r.start;
    Cell destination = r.destination;
    wave.LoadWindow(r.level, start, destination);
    const int n = wave.SearchWindow(steps, 150, start, destination);
    found += n > 0;
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["found"] = benchmark::Counter(static_cast<double>(found) / state.iterations());
}
BENCHMARK(BM_FishWindowSearch);

void BM_CameraBuildRoute(benchmark::State& state) {
  NavigationMap& map = SceneMap();
  CCameraPath camera;
  camera.Init(map.cellGrid.get(), &map.cellClass);
  SeedRandom(5);
  for (auto _ : state) {
    camera.BuildRoute();
    benchmark::DoNotOptimize(camera.pointCount);
  }
  state.SetLabel("reset grid + search + thinning");
}
BENCHMARK(BM_CameraBuildRoute)->Unit(benchmark::kMillisecond);

void BM_CameraFrame(benchmark::State& state) {
  NavigationMap& map = SceneMap();
  CCameraPath camera;
  camera.Init(map.cellGrid.get(), &map.cellClass);
  SeedRandom(6);
  Vector3 eye{}, look{}, up{};
  for (auto _ : state) {
    camera.Advance();
    camera.Evaluate(eye, look, up);
    benchmark::DoNotOptimize(eye);
  }
}
BENCHMARK(BM_CameraFrame)->Unit(benchmark::kMicrosecond);

void BM_FirstCycleLayerBuild(benchmark::State& state) {
  NavigationMap& map = SceneMap();
  FishSchool noFish;
  for (auto _ : state) {
    map.mapBuildPending = true;
    PlanSchool(map, noFish, 4.0f, 4.0f);
    benchmark::DoNotOptimize(map.gWave.levelLayers[7][80000]);
  }
}
BENCHMARK(BM_FirstCycleLayerBuild)->Unit(benchmark::kMillisecond);

void BM_MapConstruction(benchmark::State& state) {
  NavigationMap map;
  map.Allocate();
  FillCellClasses(map.cellClass);
  const CellCodeWeights weights = ScaleSceneCounts(2, 2, 2).instanceCounts;
  SeedRandom(3);
  for (auto _ : state) {
    FillCellGrid(map.cellGrid.get(), weights);
    AddObstacleMargins(map);
    BuildLevelPairGrids(map);
    benchmark::DoNotOptimize(map.levelPairGrids[3][80000]);
  }
  state.SetLabel("cell codes, margins, level-pair grids");
}
BENCHMARK(BM_MapConstruction)->Unit(benchmark::kMillisecond);

void BM_GenerateHeights(benchmark::State& state) {
  std::vector<float> grid(kHeightGridPoints);
  HeightGenerator generator;
  SeedRandom(4);
  for (auto _ : state) {
    GenerateHeights(generator, grid.data());
    benchmark::DoNotOptimize(grid[1000]);
  }
}
BENCHMARK(BM_GenerateHeights)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sorvane
