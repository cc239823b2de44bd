// Loading every setting at once from a store: the defaults of missing and
// unreadable values, and the stored values where they are good.
#include <gtest/gtest.h>

#include "settings/load_settings.h"
#include "tests/support/memory_settings.h"

namespace sorvane {

TEST(LoadSettings, MissingValuesAreDefaultsAndStoredOnesAreRead) {
  MemorySettings store;
  const Settings none = LoadSettings(store);
  EXPECT_EQ(none.resolution, 0);
  EXPECT_FALSE(none.changeResolution);
  EXPECT_FALSE(none.exitOnMouse);
  EXPECT_EQ(none.detailLevelFish, 2);
  EXPECT_EQ(none.detailLevelPlant, 2);
  EXPECT_EQ(none.detailLevelWreck, 2);
  EXPECT_EQ(none.camSpeed, 0);
  EXPECT_EQ(BackBufferSize(none, {1024, 768}).width, 1024);

  store.values = {{"Resolution", "3"},      {"ChangeResolution", "1"}, {"Antialiasing", "2"},
                  {"WideScreen", "1"},      {"ExitOnMouse", "1"},      {"DetailLevelFish", "4"},
                  {"DetailLevelPlant", "0"}, {"DetailLevelWreck", "x"}, {"CamSpeed", "3"},
                  {"ColorScheme", std::string(80, '1')}};
  const Settings s = LoadSettings(store);
  EXPECT_EQ(s.resolution, 3);
  EXPECT_TRUE(s.changeResolution);
  EXPECT_EQ(s.antialiasing, 2);
  EXPECT_TRUE(s.wideScreen);
  EXPECT_TRUE(s.exitOnMouse);
  EXPECT_EQ(s.detailLevelFish, 4);
  EXPECT_EQ(s.detailLevelPlant, 2) << "a stored 0 acts as the default";
  EXPECT_EQ(s.detailLevelWreck, 2) << "not a number";
  EXPECT_EQ(s.camSpeed, 3);
  EXPECT_EQ(s.colorScheme, 0) << "longer than a read buffer";
  const Size back = BackBufferSize(s, {1024, 768});
  EXPECT_EQ(back.width, 1280);
  EXPECT_EQ(back.height, 1024);
}

}  // namespace sorvane
