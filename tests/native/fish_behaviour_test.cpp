// Fish behaviour: placement, planning with its camera refusals, the advance
// with its startle, turns and holds, and a long seeded run checked throughout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "d3dx/matrix_math.h"
#include "fishlife/fish_behaviour.h"
#include "nav_test_support.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "saver/calculation_thread.h"
#include "saver/cycle_hand_over.h"
#include "scene/ground_height.h"
#include "scene/heights.h"
#include "scene_test_support.h"
#include "tools/scene_probe/fish_invariants.h"

namespace sorvane {
namespace {

constexpr float kFar = 7.5f;

std::array<FishViewPlane, 6> OpenView() {
  std::array<FishViewPlane, 6> planes{};
  for (FishViewPlane& p : planes) p = {0, 0, 0, 1};
  return planes;
}

class FishTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(navtest::MakeEmptyMap(map));
    BuildLevelPairGrids(map);
    BuildLevelLayers(map);
    heights.assign(kHeightGridPoints, 0.0f);
    SeedRandom(5);
  }
  int16_t& Layer(int level, int column, int row) { return map.gWave.levelLayers[level][CellIndex(column, row)]; }

  // A fish of level 2 at (column, row) walking `route`, holding its cell and
  // its first step as planning leaves it.
  Fish Walker(int column, int row, std::vector<Step> route, float framesPerCell = 30.0f) {
    Fish f{};
    f.level = 2;
    f.y = 0.05f;
    f.cellX = f.homeX = static_cast<int16_t>(column);
    f.cellY = f.homeY = static_cast<int16_t>(row);
    f.x = CellCentre(column);
    f.z = CellCentre(row);
    f.framesPerCell = framesPerCell;
    f.tailStep = 3.0f;
    f.firstFrame = 1;
    for (size_t i = 0; i < route.size(); ++i) f.steps[i] = route[i];
    f.routeLength = static_cast<uint16_t>(route.size());
    Layer(2, column, row) = kBlocked;
    Layer(2, column + route[0].dx, row + route[0].dy) = kBlocked;
    return f;
  }
  bool Advance(Fish& f, float cameraX, float cameraZ, FishMotion* motion = nullptr) {
    FishMotion m{};
    const bool drawn = AdvanceFish(f, map.gWave, {cameraX, cameraZ, heights.data(), &GroundHeight, view.data()}, m);
    if (motion != nullptr) *motion = m;
    return drawn;
  }

  NavigationMap map;
  std::vector<float> heights;
  std::array<FishViewPlane, 6> view = OpenView();
};

TEST_F(FishTest, PlacementGivesSpeciesBlocksPacesLevelsAndSpawnCellsOfTheirOwn) {
  NavigationMap scene;
  ASSERT_TRUE(navtest::MakeSceneMap(scene, 11));
  std::vector<uint8_t> pairsBefore[kLevelPairGrids];
  for (int p = 0; p < kLevelPairGrids; ++p) {
    pairsBefore[p].assign(scene.levelPairGrids[p].get(), scene.levelPairGrids[p].get() + kGridCells);
  }
  const float cameraX = 4.0f, cameraZ = 4.0f;
  FishSchool school;
  ASSERT_TRUE(PlaceSchool(school, 6500, scene, cameraX, cameraZ));
  std::set<std::pair<int, int>> cells;  // (pair grid, cell)
  const float paces[8] = {40, 35, 35, 30, 30, 40, 40, 40};
  for (int i = 0; i < 6500; ++i) {
    const Fish& f = school.fish[i];
    EXPECT_EQ(f.species, (i / 325) % 20) << i;
    EXPECT_EQ(f.framesPerCell, paces[i % 8]);
    EXPECT_EQ(f.checkFrame, i % 11);
    ASSERT_GE(f.y, 0.02f);
    ASSERT_LE(f.y, 0.105f + 1e-6f);
    EXPECT_EQ(f.level, std::min(7, static_cast<int>((f.y - 0.01f - 0.01f) / 0.015f)));
    EXPECT_LE(f.level, 5);
    ASSERT_TRUE(f.cellX >= 40 && f.cellX <= 360 && f.cellY >= 40 && f.cellY <= 360);
    EXPECT_FALSE(CloserThan(f, cameraX, cameraZ, 0.2f));
    const int cell = CellIndex(f.cellX, f.cellY);
    EXPECT_EQ(scene.cellClass[pairsBefore[f.level / 2][cell]], 0);
    EXPECT_EQ(scene.levelPairGrids[f.level / 2][cell], 6);
    EXPECT_TRUE(cells.insert({f.level / 2, cell}).second) << "two fish spawned on one cell";
    EXPECT_TRUE(f.needsRoute && f.firstFrame && f.homeX == f.cellX && f.homeY == f.cellY);
  }

  FishSchool few;
  ASSERT_TRUE(PlaceSchool(few, 7, scene, cameraX, cameraZ));
  for (int i = 0; i < 7; ++i) EXPECT_EQ(few.fish[i].species, i);
}

TEST_F(FishTest, EveryStepDirectionGivesAHeadingThatTurnsTheFishAlongIt) {
  EXPECT_EQ(StepHeadingDegrees({-1, 0}), -180.0f);
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      if (dx == 0 && dy == 0) continue;
      const float h = StepHeadingDegrees({static_cast<int16_t>(dx), static_cast<int16_t>(dy)});
      EXPECT_GE(h, -180.0f);
      EXPECT_LT(h, 180.0f);
      // The drawn rotation turns the head (+x) onto the step (z is the row).
      const Vector3 head = Vec3TransformNormal({1, 0, 0}, MatrixRotationY(h * -3.14f / 180.0f));
      const float length = std::sqrt(static_cast<float>(dx * dx + dy * dy));
      EXPECT_NEAR(head.x, dx / length, 0.002f) << dx << "," << dy;
      EXPECT_NEAR(head.z, dy / length, 0.002f) << dx << "," << dy;
    }
  }
}

TEST_F(FishTest, OnlyTheCheckFrameStartlesAndCheckFrameZeroNever) {
  for (int checkFrame : {0, 7}) {
    Fish f = Walker(200, 200, std::vector<Step>(20, {1, 0}));
    f.checkFrame = checkFrame;
    int startledAt = -1;
    for (int frame = 0; frame < 30 && startledAt < 0; ++frame) {
      Advance(f, f.x + 0.01f, f.z);  // the camera right beside it
      if (f.startled) startledAt = f.frameInStep;
    }
    EXPECT_EQ(startledAt, checkFrame == 0 ? -1 : checkFrame);
  }
}

TEST_F(FishTest, FarFishStayFrozenUntilTheCameraComesAndThenFaceTheirFirstStep) {
  FishSchool school;
  ASSERT_TRUE(PlaceSchool(school, 1, map, kFar, kFar));
  HoldSpawnCells(school.fish.get(), 1, map, kFar, kFar);
  Fish& f = school.fish[0];
  const Fish before = f;
  PlanRoute(f, map, kFar, kFar);
  EXPECT_FALSE(Advance(f, kFar, kFar));
  EXPECT_EQ(std::memcmp(&f, &before, sizeof f), 0) << "a far fish neither plans nor moves";

  const float cameraX = f.x + 0.3f, cameraZ = f.z;
  // Near but still without a route: drawn as placed, not moved.
  EXPECT_TRUE(Advance(f, cameraX, cameraZ));
  EXPECT_EQ(f.x, before.x);
  EXPECT_EQ(f.heading, before.heading);
  PlanRoute(f, map, cameraX, cameraZ);
  ASSERT_FALSE(f.needsRoute);
  ASSERT_GE(f.routeLength, 1);
  FishMotion m{};
  Advance(f, cameraX, cameraZ, &m);
  const float first = StepHeadingDegrees(f.steps[0]);
  EXPECT_EQ(f.stepHeading, first);
  EXPECT_EQ(f.heading, first) << "snapped, so the first step makes no turn";
  EXPECT_EQ(m.diff, 0.0f);
  EXPECT_EQ(f.frameInStep, 1);
}

TEST_F(FishTest, CrossingFishSecondToArriveReplansAndHoldsStayWithTheirFish) {
  Fish a = Walker(100, 100, {{1, 0}, {1, 0}, {1, 0}});
  Fish b = Walker(101, 98, {{0, 1}, {0, 1}, {0, 1}});
  const float camX = 2.0f, camZ = 2.0f;
  for (int frame = 0; frame < 30; ++frame) {
    Advance(a, camX, camZ);
    Advance(b, camX, camZ);
  }
  // Both stepped once; b's next cell (101, 100) is where a stands.
  EXPECT_EQ(a.cellX, 101);
  EXPECT_FALSE(a.needsRoute);
  EXPECT_EQ(b.cellY, 99);
  EXPECT_TRUE(b.needsRoute);
  EXPECT_EQ(Layer(2, 100, 100), kFreeWater) << "released";
  EXPECT_EQ(Layer(2, 102, 100), kBlocked) << "a holds its next cell";
  EXPECT_EQ(Layer(2, 101, 98), kFreeWater);
  EXPECT_EQ(Layer(2, 101, 99), kBlocked);
  EXPECT_EQ(Layer(2, 101, 101), kFreeWater) << "b took no hold past a";

  // A startled fish drops its route at the cell boundary without a hold on
  // the next cell.
  Fish c = Walker(300, 300, std::vector<Step>(10, {0, 1}));
  c.checkFrame = 3;
  for (int frame = 0; frame < 30; ++frame) Advance(c, c.x, c.z + 0.05f);
  EXPECT_TRUE(c.needsRoute);
  EXPECT_EQ(c.cellY, 301);
  EXPECT_EQ(Layer(2, 300, 302), kFreeWater);
  EXPECT_EQ(c.lastDy, 1);
}

TEST_F(FishTest, RoutesNearTheParkedCameraNeitherGoStraightNorComeClose) {
  FishSchool school;
  ASSERT_TRUE(PlaceSchool(school, 1, map, kFar, kFar));
  HoldSpawnCells(school.fish.get(), 1, map, kFar, kFar);
  const Fish start = school.fish[0];
  int16_t* layer = map.gWave.levelLayers[start.level];
  const std::vector<int16_t> saved(layer, layer + kGridCells);
  int kept = 0;
  for (int trial = 0; trial < 40; ++trial) {
    Fish f = start;
    f.lastDx = 1;
    f.lastDy = 0;
    const float cameraX = f.x + 0.04f, cameraZ = f.z + 0.02f;
    SeedRandom(100 + trial);
    PlanRoute(f, map, cameraX, cameraZ);
    ASSERT_FALSE(f.needsRoute);
    float sx = 0, sz = 0;
    for (int i = 0; i < 6; ++i) {
      sx += f.steps[i].dx;
      sz += f.steps[i].dy;
    }
    EXPECT_FALSE(std::fabs(cameraX - f.x - sx / 50) < 0.13f && std::fabs(cameraZ - f.z - sz / 50) < 0.13f);
    if (f.cellX == start.cellX && f.cellY == start.cellY) {
      ++kept;
      EXPECT_FALSE(f.steps[0].dy == 0 && (f.steps[0].dx == 1 || f.steps[0].dx == -1)) << "straight on or back";
    }
    std::copy(saved.begin(), saved.end(), layer);
  }
  EXPECT_GT(kept, 20);
}

TEST_F(FishTest, PlanningThatCannotSucceedNeverStallsAndLeaksNoHold) {
  const std::vector<uint8_t> pairGrid(map.levelPairGrids[1].get(), map.levelPairGrids[1].get() + kGridCells);
  // A fish walled in on its level, with its home at the grid's edge.
  Fish f = Walker(45, 200, {{1, 0}});
  Layer(2, 46, 200) = kFreeWater;
  f.needsRoute = 1;
  f.homeX = 25;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (dx || dy) Layer(2, 45 + dx, 200 + dy) = kBlocked;
  PlanRoute(f, map, f.x, f.z);  // the camera on top of it: respawns land 0.2 away
  ASSERT_FALSE(f.needsRoute) << "respawned and planned";
  EXPECT_EQ(Layer(2, 45, 200), kFreeWater) << "the old hold is released";
  EXPECT_EQ(Layer(2, f.cellX, f.cellY), kBlocked);
  EXPECT_EQ(Layer(2, f.cellX + f.steps[0].dx, f.cellY + f.steps[0].dy), kBlocked);
  EXPECT_TRUE(f.homeX == f.cellX && f.homeY == f.cellY);
  EXPECT_TRUE(std::equal(pairGrid.begin(), pairGrid.end(), map.levelPairGrids[1].get()))
      << "respawning leaves the level-pair grid alone";

  // With no free cell anywhere it gives up for this cycle, still holding its own.
  for (int i = 0; i < kGridCells; ++i) map.levelPairGrids[1][i] = 33;
  Fish g = Walker(300, 300, {{1, 0}});
  Layer(2, 301, 300) = kFreeWater;
  g.needsRoute = 1;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (dx || dy) Layer(2, 300 + dx, 300 + dy) = kBlocked;
  PlanRoute(g, map, g.x, g.z);
  EXPECT_TRUE(g.needsRoute);
  EXPECT_EQ(g.cellX, 300);
  EXPECT_EQ(Layer(2, 300, 300), kBlocked);
}

TEST_F(FishTest, ASpawnCellThatIsNoFreeWaterOnItsLevelIsGivenUpForOneThatIs) {
  FishSchool school;
  ASSERT_TRUE(PlaceSchool(school, 2, map, kFar, kFar));
  Fish& f = school.fish[0];
  const int column = f.cellX, row = f.cellY;
  Layer(f.level, column, row) = kBlocked;  // an obstacle of its level
  HoldSpawnCells(school.fish.get(), 2, map, kFar, kFar);
  EXPECT_FALSE(f.cellX == column && f.cellY == row);
  EXPECT_EQ(Layer(f.level, column, row), kBlocked) << "the obstacle stays";
  EXPECT_EQ(Layer(f.level, f.cellX, f.cellY), kBlocked);
  EXPECT_EQ(Layer(school.fish[1].level, school.fish[1].cellX, school.fish[1].cellY), kBlocked);
}

TEST(FishSchoolRun, HoldsLevelsAndRoutesStaySoundWhileTheCameraMoves) {
  SceneSettings settings = TestScene::DefaultSettings();
  settings.counts = ScaleSceneCounts(4, 2, 2);
  TrackingSource source;
  RecordingDirect3D direct3d;
  auto scene = std::make_unique<Scene>();
  World& w = scene->world;
  SeedRandom(21);
  SceneError error = kSceneErrorUnknown;
  ASSERT_TRUE(InitScene(*scene, direct3d, settings, source, error));
  FrameState frame;
  UpdateProjection(scene->resources.device, frame, 800, 600);
  RecordingDevice& device = *direct3d.devices.back();
  FishInvariants invariants;
  ASSERT_TRUE(invariants.Init(w.map, w.school));
  int cycles = 0;
  std::string broken;
  BetweenFramesHandOver fish(
      [&] {
        RunCalculationCycle(w);
        ++cycles;
        broken = invariants.Check(w.map, w.school, w.school.handOverCameraX, w.school.handOverCameraZ);
      },
      CalculationSeed(RandomState()));
  int drawn = 0;
  for (int n = 0; n < 400; ++n) {
    ASSERT_EQ(RenderFrame(*scene, frame, fish), FrameResult::Presented);
    ASSERT_EQ(cycles, n) << "one cycle between two frames";
    ASSERT_EQ(broken, "") << "after cycle " << cycles;
    drawn += frame.fishFigures.drawn;
    device.CallLog::Clear();
  }
  EXPECT_GT(drawn, 400 * 20) << "fish around the camera are drawn";
  EXPECT_LE(invariants.longestWait, 3);
  ReleaseScene(*scene);
}

// The fins a scene flaps are its own: another scene of the process, and the
// generated tables, keep theirs where they were.
TEST(FishSchoolRun, TwoScenesFlapTheirFinsIndependently) {
  TestScene flapping(5), resting(6);
  ASSERT_TRUE(flapping.ok && resting.ok);
  FishModels fresh;
  fresh.Prepare(FishModelTables());
  for (int cycle = 0; cycle < 3; ++cycle) RunCalculationCycle(flapping.scene->world);
  const float table = FishModelTables().species[0].parts[3].positions[0];
  const float start = fresh.species()[0].parts[3].positions[0];
  EXPECT_FLOAT_EQ(flapping.scene->world.fishModels.species()[0].parts[3].positions[0], start - 0.0003f);
  EXPECT_EQ(resting.scene->world.fishModels.species()[0].parts[3].positions[0], start);
  EXPECT_EQ(FishModelTables().species[0].parts[3].positions[0], table);
  TestScene later(7);
  ASSERT_TRUE(later.ok);
  EXPECT_EQ(later.scene->world.fishModels.species()[0].parts[3].positions[0], start);
}

}  // namespace
}  // namespace sorvane
