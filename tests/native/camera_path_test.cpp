// The camera path: goal drawing, line of sight and thinning, the per-frame
// advance, and long runs over open and scene maps.
#include <gtest/gtest.h>

#include <cmath>

#include "d3dx/matrix_math.h"
#include "scene/camera_path.h"
#include "tests/native/nav_test_support.h"

namespace sorvane {
namespace {

class CameraPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(navtest::MakeEmptyMap(map));
    ASSERT_TRUE(camera.Init(map.cellGrid.get(), &map.cellClass));
  }

  void UseSceneMap(uint32_t seed) {
    ASSERT_TRUE(navtest::MakeSceneMap(map, seed));
    ASSERT_TRUE(camera.Init(map.cellGrid.get(), &map.cellClass));
    camera.ResetSearchGrid();
  }

  NavigationMap map;
  CCameraPath camera;
};

TEST_F(CameraPathTest, GoalsLieThirtyToAHundredCellsAwayInsideTheMiddle) {
  UseSceneMap(11);
  SeedRandom(3);
  for (int16_t centre : {100, 101, 130, 200, 270, 299, 300}) {
    for (int i = 0; i < 300; ++i) {
      const Cell from{centre, static_cast<int16_t>(400 - centre)};
      const Cell c = camera.RandomCellNear(from);
      for (int d : {c.column - from.column, c.row - from.row}) {
        EXPECT_GE(std::abs(d), 30);
        EXPECT_LE(std::abs(d), 100);
      }
      EXPECT_TRUE(c.column >= 101 && c.column <= 299 && c.row >= 101 && c.row <= 299) << c.column << "," << c.row;
      EXPECT_EQ(map.cellClass[map.cellGrid[CellIndex(c.column, c.row)]], 0);
    }
  }
  for (int i = 0; i < 300; ++i) {
    const Cell c = camera.RandomFreeCell();
    EXPECT_TRUE(c.column >= 100 && c.column <= 300 && c.row >= 100 && c.row <= 300);
    EXPECT_EQ(map.cellClass[map.cellGrid[CellIndex(c.column, c.row)]], 0);
  }
}

TEST_F(CameraPathTest, CameraBlockCodeAndObstaclesBlockTheSearchGrid) {
  map.cellGrid[CellIndex(150, 150)] = kCameraBlockCode;
  map.cellGrid[CellIndex(152, 150)] = 33;
  map.cellGrid[CellIndex(154, 150)] = 1;  // a bubble source is free water
  camera.ResetSearchGrid();
  EXPECT_FALSE(camera.LineOfSight({140, 150}, {160, 150}));
  EXPECT_FALSE(camera.LineOfSight({152, 140}, {152, 160}));
  EXPECT_TRUE(camera.LineOfSight({154, 140}, {154, 160}));
  EXPECT_TRUE(camera.LineOfSight({154, 140}, {154, 140}));
}

TEST_F(CameraPathTest, RouteWhoseCornersSeeEachOtherThinsToItsEnds) {
  camera.ResetSearchGrid();
  // A staircase on open water: every point sees every other.
  Cell points[41];
  for (int i = 0; i <= 40; ++i) points[i] = {static_cast<int16_t>(120 + i), static_cast<int16_t>(150 + i / 2)};
  ASSERT_EQ(camera.ThinRoute(points, 41), 2);
  EXPECT_EQ(points[0], (Cell{120, 150}));
  EXPECT_EQ(points[1], (Cell{160, 170}));
}

TEST_F(CameraPathTest, RouteAroundAWallKeepsTheCornersThatSeeEachOther) {
  // A wall across column 150 from row 140 to 160; the route goes round its end.
  for (int row = 140; row <= 160; ++row) map.cellGrid[CellIndex(150, row)] = 33;
  camera.ResetSearchGrid();
  Cell points[200];
  int n = 0;
  for (int row = 155; row >= 138; --row) points[n++] = {140, static_cast<int16_t>(row)};
  for (int column = 141; column <= 160; ++column) points[n++] = {static_cast<int16_t>(column), 138};
  for (int row = 139; row <= 155; ++row) points[n++] = {160, static_cast<int16_t>(row)};
  const int kept = camera.ThinRoute(points, n);
  ASSERT_GT(kept, 2);
  EXPECT_LT(kept, 6);
  EXPECT_EQ(points[0], (Cell{140, 155}));
  EXPECT_EQ(points[kept - 1], (Cell{160, 155}));
  EXPECT_FALSE(camera.LineOfSight(points[0], points[kept - 1]));
  for (int i = 0; i + 1 < kept; ++i) EXPECT_TRUE(camera.LineOfSight(points[i], points[i + 1])) << i;
}

// The distance the eye moves in one frame.
double FrameAdvance(CCameraPath& camera) {
  Vector3 before{}, after{}, look{}, up{};
  camera.Evaluate(before, look, up);
  camera.Advance();
  camera.Evaluate(after, look, up);
  return Vec3Length(after - before);
}

TEST_F(CameraPathTest, StraightPathAdvancesAFixedFractionOfTheStep) {
  for (float speed : {0.75f, 1.0f, 1.25f, 1.5f}) {
    for (float previousX : {1.0f, -1.0f}) {
      camera.ResetSearchGrid();
      for (int i = 0; i < 8; ++i) camera.route[i] = {static_cast<int16_t>(150 + 5 * i), 200};
      camera.pointCount = 8;
      camera.segment = 0;
      camera.t = 0.0;
      camera.cameraSpeedFactor = speed;
      camera.stepLength = camera.StepLength();
      // Looking straight ahead, or straight back: the power is even.
      camera.previousDirection = {previousX, 0.0f, 0.0f};
      const double factor = std::pow(0.99, 256);
      EXPECT_NEAR(FrameAdvance(camera), factor * speed * 0.001, 0.02 * factor * speed * 0.001);
      EXPECT_NEAR(FrameAdvance(camera), factor * speed * 0.001, 0.02 * factor * speed * 0.001);
    }
  }
}

TEST_F(CameraPathTest, TurnSlowsTheCameraDown) {
  camera.ResetSearchGrid();
  camera.route[0] = {150, 200};
  camera.route[1] = {160, 200};
  camera.route[2] = {160, 210};
  camera.route[3] = {170, 210};
  camera.route[4] = {170, 220};
  camera.pointCount = 5;
  camera.t = 0.4;
  camera.stepLength = camera.StepLength();
  camera.previousDirection = {1.0f, 0.0f, 0.0f};
  EXPECT_LT(FrameAdvance(camera), 0.05 * camera.stepLength);
}

// Runs the camera for many frames and checks that it glides: it moves every
// frame, never faster than a step, with finite numbers, over the seabed, and
// looking somewhere other than its own eye.
void ExpectSmoothGlide(CCameraPath& camera, int frames, int* extensions) {
  Vector3 previous{}, eye{}, look{}, up{};
  camera.Advance();
  camera.Evaluate(previous, look, up);
  int lastSegment = camera.segment;
  for (int frame = 0; frame < frames; ++frame) {
    camera.Advance();
    camera.Evaluate(eye, look, up);
    ASSERT_TRUE(std::isfinite(eye.x) && std::isfinite(eye.z) && std::isfinite(look.x) && std::isfinite(look.z));
    ASSERT_TRUE(eye.x > 0.0f && eye.x < 8.0f && eye.z > 0.0f && eye.z < 8.0f) << frame;
    const double moved = Vec3Length(eye - previous);
    ASSERT_GT(moved, 0.0) << "stopped at frame " << frame;
    ASSERT_LT(moved, 2.0 * camera.stepLength) << "jumped at frame " << frame;
    ASSERT_GT(Vec3Length(look - eye), 0.0f);
    ASSERT_GE(camera.pointCount - camera.segment, 3);
    if (camera.segment < lastSegment) ++*extensions;
    lastSegment = camera.segment;
    previous = eye;
  }
}

TEST_F(CameraPathTest, OpenWaterRoutesOfTwoPointsStillGlide) {
  SeedRandom(8);
  camera.cameraSpeedFactor = 1.5f;
  camera.BuildRoute();
  ASSERT_EQ(camera.pointCount, 2);
  const Cell start = camera.route[0];
  const Cell goal = camera.route[1];
  camera.Advance();
  EXPECT_EQ(camera.route[0], start);
  EXPECT_EQ(camera.route[1], goal);
  EXPECT_GE(camera.pointCount, 4);
  int extensions = 0;
  ExpectSmoothGlide(camera, 100000, &extensions);
  EXPECT_GT(extensions, 3);
}

TEST_F(CameraPathTest, GlidesForAHundredThousandFramesOnSceneMaps) {
  const float speeds[] = {0.75f, 1.0f, 1.25f, 1.5f};
  for (uint32_t seed = 1; seed <= 4; ++seed) {
    SCOPED_TRACE(seed);
    NavigationMap sceneMap;
    ASSERT_TRUE(navtest::MakeSceneMap(sceneMap, seed * 7919));
    CCameraPath path;
    ASSERT_TRUE(path.Init(sceneMap.cellGrid.get(), &sceneMap.cellClass));
    path.cameraSpeedFactor = speeds[seed - 1];
    int extensions = 0;
    ExpectSmoothGlide(path, 100000, &extensions);
    EXPECT_GT(extensions, 0);
  }
}

TEST_F(CameraPathTest, EvaluateBeforeTheFirstRouteStaysOnItsCell) {
  camera.currentCell = {10, 20};
  Vector3 eye{}, look{}, up{};
  camera.Evaluate(eye, look, up);
  EXPECT_FLOAT_EQ(eye.x, 0.21f);
  EXPECT_FLOAT_EQ(eye.z, 0.41f);
  EXPECT_GT(Vec3Length(look - eye), 0.0f);
  EXPECT_EQ(up.y, 1.0f);
}

}  // namespace
}  // namespace sorvane
