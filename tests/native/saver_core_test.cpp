// The saver core as every host drives it. Ended at any step (before its
// scene, after a scene that failed part-way, after some frames and a size
// change, which the picture's shape follows), the cycle always stops and the
// device, its resources and the object are all released, whichever way the
// cycle runs. And the cycle on its thread or between the frames draws the
// same frames from the same seed.
#include <gtest/gtest.h>

#include <random>

#include "device/d3d8_constants.h"
#include "render/projection.h"
#include "saver/saver_core.h"
#include "tests/native/scene_test_support.h"
#include "tests/support/call_digest.h"

namespace sorvane {

namespace {

// The projection matrix last set, as recorded.
std::vector<uint64_t> LastProjection(const RecordingDevice& device) {
  for (auto call = device.calls().rbegin(); call != device.calls().rend(); ++call) {
    if (call->name == "SetTransform" && call->args[0] == D3DTS_PROJECTION) return call->args;
  }
  return {};
}

std::vector<uint64_t> Recorded(const Matrix& projection) {
  RecordingDevice device;
  device.SetTransform(D3DTS_PROJECTION, projection);
  return device.calls().back().args;
}

// The digest of all calls so far after each of `frames` frames of a seed.
std::vector<uint64_t> FrameDigests(CycleRunner runner, uint32_t seed, int frames) {
  Digest digest;
  DigestDirect3D direct3d(digest);
  TrackingSource source;
  SaverSetup setup;
  setup.settings.detailLevelPlant = setup.settings.detailLevelWreck = 1;
  setup.seed = seed;
  setup.cycleRunner = runner;
  SaverCore saver(setup);
  std::vector<uint64_t> digests;
  SceneError error = kSceneErrorUnknown;
  if (!saver.StartCycle() || !saver.InitScene(&direct3d, {640, 480}, nullptr, source, error)) return digests;
  for (int n = 0; n < frames; ++n) {
    saver.DrawFrame();
    digests.push_back(digest.hash());
  }
  return digests;
}

}  // namespace

TEST(SaverCore, EndsCleanlyFromEveryStep) {
  std::mt19937 random(11);
  const int kTextureIds[] = {102, 195, 245};
  for (int trial = 0; trial < 8; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    const int steps = static_cast<int>(random() % 5);
    RecordingDirect3D direct3d;
    TrackingSource source;
    // Now and then the scene fails part-way, when one of its images is missing.
    if (random() % 3 == 0) source.refused = {kTextureIds[random() % 3]};
    SaverSetup setup;
    setup.settings.detailLevelFish = 1;
    setup.seed = static_cast<uint32_t>(trial + 1);
    setup.cycleRunner = trial % 2 == 0 ? CycleRunner::CalculationThread : CycleRunner::BetweenFrames;
    {
      SaverCore saver(setup);
      ASSERT_TRUE(saver.StartCycle());
      if (steps > 0) {
        SceneError error = kSceneErrorUnknown;
        const bool built = saver.InitScene(&direct3d, {800, 600}, nullptr, source, error);
        EXPECT_EQ(built, source.refused.empty());
        if (!built) {
          EXPECT_EQ(error, kSceneErrorTextures);
        }
        for (int frame = 1; built && frame < steps * 3; ++frame) {
          if (frame == steps) {
            // The picture keeps the window's shape: 320 : 200.
            saver.Resize({320, 200});
            EXPECT_EQ(LastProjection(*direct3d.devices.back()), Recorded(ScenePerspective(1.6f)));
          }
          EXPECT_EQ(saver.DrawFrame(), FrameResult::Presented);
        }
      }
      EXPECT_TRUE(saver.Shutdown());
      EXPECT_FALSE(saver.CycleRunning());
    }
    if (steps == 0) {
      EXPECT_TRUE(direct3d.devices.empty());
      continue;
    }
    EXPECT_TRUE(direct3d.released);
    ASSERT_EQ(direct3d.devices.size(), 1u);
    EXPECT_TRUE(direct3d.devices[0]->released);
    EXPECT_EQ(direct3d.devices[0]->LiveResources(), 0u);
  }
}

TEST(SaverCore, NoDirect3DObjectIsItsOwnError) {
  SaverCore saver(SaverSetup{});
  ASSERT_TRUE(saver.StartCycle());
  TrackingSource source;
  SceneError error = kSceneErrorUnknown;
  EXPECT_FALSE(saver.InitScene(nullptr, {800, 600}, nullptr, source, error));
  EXPECT_EQ(error, kSceneErrorDirect3D);
  EXPECT_TRUE(saver.Shutdown());
}

TEST(SaverCore, TheCycleOnItsThreadOrBetweenFramesDrawsTheSameFrames) {
  constexpr int kFrames = 300;
  for (uint32_t seed : {3u, 29u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const std::vector<uint64_t> threaded = FrameDigests(CycleRunner::CalculationThread, seed, kFrames);
    const std::vector<uint64_t> between = FrameDigests(CycleRunner::BetweenFrames, seed, kFrames);
    ASSERT_EQ(threaded.size(), static_cast<size_t>(kFrames));
    ASSERT_EQ(between.size(), static_cast<size_t>(kFrames));
    for (int n = 0; n < kFrames; ++n) ASSERT_EQ(threaded[n], between[n]) << "frame " << n + 1;
  }
}

}  // namespace sorvane
