// The hack's saver ended at any step (before its scene, after a scene that
// failed part-way, after some frames and size changes): the calculation
// thread always stops, and the device, its resources and the object are all
// released.
#include <gtest/gtest.h>

#include <random>

#include "device/d3d8_constants.h"
#include "shell/hack_saver.h"
#include "tests/native/scene_test_support.h"

namespace sorvane {

namespace {

std::vector<uint64_t> LastReset(const RecordingDevice& device) {
  for (auto call = device.calls().rbegin(); call != device.calls().rend(); ++call) {
    if (call->name == "Reset") return call->args;
  }
  return {};
}

}  // namespace

TEST(HackSaver, EndsCleanlyFromEveryStep) {
  std::mt19937 random(11);
  const int kTextureIds[] = {102, 195, 245};
  for (int trial = 0; trial < 8; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    const int steps = static_cast<int>(random() % 5);
    RecordingDirect3D direct3d;
    TrackingSource source;
    // Now and then the scene fails part-way, when one of its images is missing.
    if (random() % 3 == 0) source.refused = {kTextureIds[random() % 3]};
    Settings settings;
    settings.detailLevelFish = 1;
    {
      HackSaver saver(settings, trial + 1, nullptr);
      ASSERT_TRUE(saver.StartCalculation());
      if (steps > 0) {
        int error = 0;
        const bool built = saver.InitScene(&direct3d, {800, 600}, source, &error);
        EXPECT_EQ(built, source.refused.empty());
        for (int frame = 1; built && frame < steps * 3; ++frame) {
          if (frame == steps) {
            // The back buffer follows the window, as a windowed one.
            ASSERT_TRUE(saver.Resize({320, 200}));
            EXPECT_EQ(LastReset(*direct3d.devices.back()), (std::vector<uint64_t>{320, 200, D3DFMT_X8R8G8B8, 1}));
          }
          EXPECT_NE(saver.DrawFrame(), FrameResult::DeviceLost);
        }
      }
      EXPECT_TRUE(saver.Shutdown());
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

}  // namespace sorvane
