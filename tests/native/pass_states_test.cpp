// Every pass sets the states it draws with: whatever states the device was
// left in, the draws of a frame, and those of a tile's objects, are made with
// the same states wherever they shape the pixels.
#include <gtest/gtest.h>

#include "render/projection.h"
#include "render/render_frame.h"
#include "render/tile_objects.h"
#include "saver/cycle_hand_over.h"
#include "scene_test_support.h"
#include "tests/support/pass_states.h"

namespace sorvane {
namespace {

struct RunningScene {
  explicit RunningScene(uint32_t seed) : t(seed) {
    EXPECT_TRUE(t.ok);
    UpdateProjection(t.scene->resources.device, frame, 800, 600);
    t.device().sink = [](const std::string&, const std::vector<uint64_t>&) {};
  }
  // One frame; the calculation cycle runs in it, when it takes the fish back.
  std::vector<DrawStates> Frame() {
    t.device().keepDrawStates = true;
    t.device().drawStates.clear();
    EXPECT_EQ(RenderFrame(*t.scene, frame, fish), FrameResult::Presented);
    t.device().keepDrawStates = false;
    return std::move(t.device().drawStates);
  }
  TestScene t;
  FrameState frame;
  BetweenFramesHandOver fish{[this] { RunCalculationCycle(t.scene->world); }, 1};
};

void ExpectSameShapingStates(const std::vector<DrawStates>& expected, const std::vector<DrawStates>& got,
                             const char* what) {
  ASSERT_EQ(got.size(), expected.size()) << what;
  for (size_t i = 0; i < got.size(); ++i) {
    ASSERT_EQ(StatesThatShape(got[i]), StatesThatShape(expected[i])) << what << ", draw " << i;
  }
}

// The draws of frames 1, 9 and 40 of a seed; before each of them the device's
// states are scrambled when asked. A scene draws from the thread's random
// numbers, so each run has the generator to itself.
std::vector<std::vector<DrawStates>> DrawsOfFrames(bool scramble) {
  RunningScene run(19);
  std::vector<std::vector<DrawStates>> kept;
  for (int n = 1; n <= 40; ++n) {
    const bool looked = n == 1 || n == 9 || n == 40;
    if (looked && scramble) {
      DeviceResources& r = run.t.scene->resources;
      CachedDevice gpu{*r.device, r.cache};
      ScrambleStates(gpu, static_cast<uint32_t>(n));
    }
    std::vector<DrawStates> draws = run.Frame();
    if (looked) kept.push_back(std::move(draws));
  }
  return kept;
}

TEST(PassStates, AFrameDrawsTheSameWhateverStatesTheFrameBeforeLeft) {
  const std::vector<std::vector<DrawStates>> expected = DrawsOfFrames(false);
  const std::vector<std::vector<DrawStates>> got = DrawsOfFrames(true);
  ASSERT_EQ(got.size(), 3u);
  for (size_t i = 0; i < got.size(); ++i) ExpectSameShapingStates(expected[i], got[i], "a scrambled frame");
}

TEST(PassStates, ATilesObjectsDrawTheSameWhateverStatesCameBefore) {
  TestScene t(23);
  ASSERT_TRUE(t.ok);
  Scene& scene = *t.scene;
  FrameState frame;
  UpdateProjection(scene.resources.device, frame, 800, 600);
  for (Plane& p : frame.frustumPlanes) p = {0.0f, 0.0f, 0.0f, 1.0f};
  // The busiest tile, seen from a distance at which some of its objects fade.
  int busiest = 0;
  int32_t most = 0;
  for (int tile = 0; tile < kTileCount; ++tile) {
    int32_t count = 0;
    for (int c = 0; c < kObjectClassCount; ++c) count += ObjectCount(scene.world.tiles[tile].objects, c);
    if (count > most) most = count, busiest = tile;
  }
  frame.cameraX = scene.world.tiles[busiest].column * kTileSize - 0.2f;
  frame.cameraZ = scene.world.tiles[busiest].row * kTileSize + 0.16f;
  RecordingDevice& device = t.device();
  CachedDevice gpu{device, scene.resources.cache};
  ObjectPass pass{gpu, scene.resources, frame};
  device.sink = [](const std::string&, const std::vector<uint64_t>&) {};
  device.keepDrawStates = true;
  DrawTileObjects(pass, scene.world.tiles[busiest].objects);
  const std::vector<DrawStates> expected = std::move(device.drawStates);
  ASSERT_GT(expected.size(), 20u);
  for (uint32_t seed : {1u, 2u, 3u}) {
    device.drawStates.clear();
    ScrambleStates(gpu, seed);
    DrawTileObjects(pass, scene.world.tiles[busiest].objects);
    ExpectSameShapingStates(expected, device.drawStates, ("scramble " + std::to_string(seed)).c_str());
  }
}

}  // namespace
}  // namespace sorvane
