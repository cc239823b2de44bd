// The hack's saver ended at any step (before its scene, after a scene that
// failed part-way, after some frames and a size change, which the picture's
// shape follows): the calculation thread always stops, and the device, its
// resources and the object are all released.
#include <gtest/gtest.h>

#include <random>

#include "device/d3d8_constants.h"
#include "render/projection.h"
#include "shell/hack_saver.h"
#include "tests/native/scene_test_support.h"

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
            // The picture keeps the window's shape: 320 : 200.
            saver.Resize({320, 200});
            EXPECT_EQ(LastProjection(*direct3d.devices.back()), Recorded(ScenePerspective(1.6f)));
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
