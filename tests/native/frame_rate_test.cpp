#include <gtest/gtest.h>

#include "shell/frame_rate.h"

namespace sorvane {

TEST(FrameRateMeter, FramesOfEachSecondAcrossTheTickWrap) {
  FrameRateMeter meter;
  uint32_t now = 0xFFFFFE00u;
  meter.Frame(now);
  EXPECT_EQ(meter.text(), "FPS: --");
  for (int i = 0; i < 40; ++i) meter.Frame(now += 25);
  EXPECT_EQ(meter.text(), "FPS: 40.0");
  for (int i = 0; i < 9; ++i) meter.Frame(now += 100);
  EXPECT_EQ(meter.text(), "FPS: 40.0") << "a second has not passed";
  meter.Frame(now += 100);
  EXPECT_EQ(meter.text(), "FPS: 10.0");
}

}  // namespace sorvane
