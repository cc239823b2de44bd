#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/settings.h"

namespace sorvane {

namespace {
int32_t Parse(const std::string& text, int32_t fallback = -99) {
  char buffer[kSettingBufferSize] = {};
  std::memcpy(buffer, text.data(), std::min(text.size(), sizeof buffer));
  return ParseSettingText(buffer, sizeof buffer, fallback);
}
}  // namespace

TEST(Settings, DecimalTextsAreRead) {
  EXPECT_EQ(Parse("0"), 0);
  EXPECT_EQ(Parse("4"), 4);
  EXPECT_EQ(Parse("-12"), -12);
  EXPECT_EQ(Parse(" 50 "), 50);
  EXPECT_EQ(Parse("2147483647"), 2147483647);
  EXPECT_EQ(Parse("-2147483648"), INT32_MIN);
}

TEST(Settings, TextsThatAreNotNumbersGiveTheDefault) {
  for (const char* bad : {"", " ", "abc", "12abc", "1 2", "0x10", "--1", "+", "2147483648", "-2147483649",
                          "99999999999999999999999"})
    EXPECT_EQ(Parse(bad, 7), 7) << bad;
}

TEST(Settings, UnterminatedBufferGivesTheDefault) {
  char full[kSettingBufferSize];
  std::memset(full, '1', sizeof full);
  EXPECT_EQ(ParseSettingText(full, sizeof full, 3), 3);
}

TEST(Settings, ValueMappings) {
  EXPECT_EQ(ResolutionSize(0).width, 640);
  EXPECT_EQ(ResolutionSize(2).width, 1024);
  EXPECT_EQ(ResolutionSize(2).height, 768);
  EXPECT_EQ(ResolutionSize(4).height, 1200);
  EXPECT_EQ(ResolutionSize(5).width, 640);
  EXPECT_EQ(ResolutionSize(-1).height, 480);

  EXPECT_FLOAT_EQ(CameraSpeedFactor(1), 0.75f);
  EXPECT_FLOAT_EQ(CameraSpeedFactor(2), 1.0f);
  EXPECT_FLOAT_EQ(CameraSpeedFactor(0), 1.0f);
  EXPECT_FLOAT_EQ(CameraSpeedFactor(3), 1.25f);
  EXPECT_FLOAT_EQ(CameraSpeedFactor(4), 1.5f);
  EXPECT_FLOAT_EQ(CameraSpeedFactor(7), 1.0f);

  EXPECT_EQ(DetailLevelFromSetting(0), 2);
  EXPECT_EQ(DetailLevelFromSetting(3), 3);
  EXPECT_EQ(MultiSampleTypeFromSetting(0), 0u);
  EXPECT_EQ(MultiSampleTypeFromSetting(1), 2u);
  EXPECT_EQ(MultiSampleTypeFromSetting(2), 4u);
  EXPECT_EQ(MultiSampleTypeFromSetting(3), 0u);
}

}  // namespace sorvane
