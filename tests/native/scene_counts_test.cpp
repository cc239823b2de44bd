#include <gtest/gtest.h>

#include "base/instance_counts.h"

namespace sorvane {

TEST(SceneCounts, DefaultLevelsHalveEverythingButEmptySand) {
  SceneCounts c = ScaleSceneCounts(2, 2, 2);
  EXPECT_EQ(c.fishCount, 6500);
  EXPECT_EQ(c.instanceCounts[0], 5000);
  EXPECT_EQ(c.instanceCounts[1], 2000);
  EXPECT_EQ(c.instanceCounts[6], 220);
  EXPECT_EQ(c.instanceCounts[36], 6);
  int32_t total = 0;
  for (int32_t w : c.instanceCounts) total += w;
  EXPECT_EQ(total, 9318);
}

TEST(SceneCounts, FishCountFollowsItsLevel) {
  EXPECT_EQ(ScaleSceneCounts(1, 2, 2).fishCount, 3250);
  EXPECT_EQ(ScaleSceneCounts(3, 2, 2).fishCount, 9750);
  EXPECT_EQ(ScaleSceneCounts(4, 2, 2).fishCount, 13000);
  EXPECT_EQ(ScaleSceneCounts(9, 2, 2).fishCount, 13000);
}

TEST(SceneCounts, LevelThreeExceptions) {
  SceneCounts plant3 = ScaleSceneCounts(2, 3, 2);
  EXPECT_EQ(plant3.instanceCounts[43], 255);
  EXPECT_EQ(plant3.instanceCounts[44], 340);
  EXPECT_EQ(plant3.instanceCounts[6], 330);
  EXPECT_EQ(plant3.instanceCounts[4], 18);  // ruins stay at their level

  SceneCounts wreck3 = ScaleSceneCounts(2, 2, 3);
  EXPECT_EQ(wreck3.instanceCounts[4], 81);
  EXPECT_EQ(wreck3.instanceCounts[12], 18);
  EXPECT_EQ(wreck3.instanceCounts[18], 45);
  EXPECT_EQ(wreck3.instanceCounts[22], 9);
  EXPECT_EQ(wreck3.instanceCounts[31], 5);
  EXPECT_EQ(wreck3.instanceCounts[13], 0);
  for (int k = 45; k <= 51; ++k) EXPECT_EQ(wreck3.instanceCounts[k], 28) << k;
  EXPECT_EQ(wreck3.instanceCounts[1], 3000);
  EXPECT_EQ(wreck3.instanceCounts[0], 5000);
  EXPECT_EQ(wreck3.instanceCounts[6], 220);  // plants stay at their level
}

TEST(SceneCounts, OtherLevelsScaleEveryGroupMember) {
  SceneCounts low = ScaleSceneCounts(1, 1, 1);
  SceneCounts full = ScaleSceneCounts(4, 4, 4);
  for (int k : {7, 13, 41, 42}) {
    EXPECT_EQ(low.instanceCounts[k], 0);
    EXPECT_EQ(full.instanceCounts[k], 0);
  }
  EXPECT_EQ(low.instanceCounts[0], 5000);
  EXPECT_EQ(full.instanceCounts[0], 5000);
  EXPECT_EQ(low.instanceCounts[39], 89);
  EXPECT_EQ(full.instanceCounts[39], 356);
  EXPECT_EQ(low.instanceCounts[45], 7);
  EXPECT_EQ(full.instanceCounts[45], 28);
  EXPECT_EQ(low.instanceCounts[36], 3);
}

}  // namespace sorvane
