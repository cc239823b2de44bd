#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

#include "tests/support/device_recording.h"
#include "resources/settings_dialog_ids.h"
#include "settings/settings_dialog_model.h"

namespace sorvane {

namespace {

using Store = std::map<std::string, int32_t>;

SettingReader ReaderOf(const Store& store) {
  return [&store](const char* name, int32_t fallback) {
    auto it = store.find(name);
    return it == store.end() ? fallback : it->second;
  };
}

const std::vector<AntialiasingChoice> kFull{{"None", 0}, {"2 Samples", 1}, {"4 Samples", 2}};

bool Offers(const std::vector<AntialiasingChoice>& offered, int32_t setting) {
  for (const AntialiasingChoice& a : offered)
    if (a.setting == setting) return true;
  return false;
}

// Stored settings drawn from values in and around every range.
std::vector<DialogSettings> Samples() {
  const int32_t values[] = {INT_MIN, -7, -1, 0, 1, 2, 3, 4, 5, 9, 50, 100, 101, INT_MAX};
  constexpr size_t n = std::size(values);
  std::vector<DialogSettings> samples;
  for (size_t i = 0; i < 400; ++i) {
    auto v = [&](size_t prime) { return values[(i * prime + i / n) % n]; };
    samples.push_back({v(1), v(3), v(5), v(7), v(11), v(13), v(17), v(19), v(23), v(29), v(31), v(37), v(41)});
  }
  return samples;
}

}  // namespace

// Opening and pressing OK at once writes back what the dialog showed: values in
// range unchanged, the others as the dialog read them, and a second round
// changes nothing more.
TEST(SettingsDialog, OkWithoutChangesWritesBackTheNormalisedValues) {
  const std::vector<std::vector<AntialiasingChoice>> adapters{
      {{"None", 0}}, {{"None", 0}, {"2 Samples", 1}}, {{"None", 0}, {"4 Samples", 2}}, kFull};
  auto inRange = [](int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; };
  for (const auto& offered : adapters) {
    for (const DialogSettings& s : Samples()) {
      SettingsDialogModel model;
      DialogControls c = model.Open(s, offered);
      DialogSettings once = model.Store(c);
      SCOPED_TRACE(testing::Message() << "aa " << s.antialiasing << " res " << s.resolution << " speed " << s.camSpeed
                                      << " fish " << s.detailLevelFish << " vol " << s.volume);

      EXPECT_TRUE(inRange(once.resolution, -1, 4));
      EXPECT_TRUE(once.antialiasing == -1 || Offers(offered, once.antialiasing));
      for (int32_t flag : {once.changeResolution, once.wideScreen, once.exitOnMouse, once.playMusic, once.playSound})
        EXPECT_TRUE(flag == 0 || flag == 1);
      EXPECT_TRUE(inRange(once.colorScheme, 0, 3));
      for (int32_t level : {once.camSpeed, once.detailLevelFish, once.detailLevelWreck, once.detailLevelPlant})
        EXPECT_TRUE(inRange(level, 1, 4));
      EXPECT_TRUE(inRange(once.volume, 0, 100));

      if (inRange(s.resolution, 0, 4)) {
        EXPECT_EQ(once.resolution, s.resolution);
      }
      if (Offers(offered, s.antialiasing)) {
        EXPECT_EQ(once.antialiasing, s.antialiasing);
      }
      EXPECT_EQ(once.changeResolution, s.changeResolution != 0);
      EXPECT_EQ(once.wideScreen, s.wideScreen != 0);
      EXPECT_EQ(once.playMusic, s.playMusic != 0);
      if (inRange(s.colorScheme, 0, 3)) {
        EXPECT_EQ(once.colorScheme, s.colorScheme);
      }
      if (inRange(s.camSpeed, 1, 4)) {
        EXPECT_EQ(once.camSpeed, s.camSpeed);
      }
      if (inRange(s.detailLevelFish, 1, 4)) {
        EXPECT_EQ(once.detailLevelFish, s.detailLevelFish);
      }
      if (inRange(s.volume, 0, 100)) {
        EXPECT_EQ(once.volume, s.volume);
      }
      EXPECT_EQ(c.ResolutionEnabled(), s.changeResolution != 0);
      EXPECT_EQ(c.playSounds, s.playSound == 0);

      SettingsDialogModel again;
      EXPECT_EQ(again.Store(again.Open(once, offered)), once);
    }
  }
}

TEST(SettingsDialog, OpensOnWhatTheStoredValuesMean) {
  Store odd{{"CamSpeed", 0}, {"DetailLevelFish", 0}, {"DetailLevelWreck", 9}, {"DetailLevelPlant", -3},
            {"ColorScheme", 9}, {"Antialiasing", 5}, {"Resolution", 7}, {"Volume", 250}};
  SettingsDialogModel oddModel;
  DialogControls c = oddModel.Open(ReadDialogSettings(ReaderOf(odd)), kFull);
  EXPECT_EQ(c.speed, 2);
  EXPECT_EQ(c.fish, 2);
  EXPECT_EQ(c.ruins, 4);
  EXPECT_EQ(c.plants, 1);
  EXPECT_EQ(c.colourScheme, 0);
  EXPECT_EQ(c.antialiasing, -1) << "an index beyond the list selects nothing";
  EXPECT_EQ(c.resolution, -1);
  EXPECT_EQ(c.volume, 100);
  DialogSettings stored = oddModel.Store(c);
  EXPECT_EQ(stored.camSpeed, 2);
  EXPECT_EQ(stored.antialiasing, -1) << "nothing selected stores -1, which means no antialiasing";
}

// The list holds what the adapter offers; its entries stand for settings, so
// "4 Samples" stores four samples even where it is the second entry.
TEST(SettingsDialog, AnAdapterWithFourSamplesButNotTwo) {
  RecordingDirect3D d3d;
  d3d.supportedSamples = {0, 4};
  std::vector<AntialiasingChoice> offered = OfferedAntialiasing(&d3d);
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_STREQ(offered[0].label, "None");
  EXPECT_STREQ(offered[1].label, "4 Samples");
  ASSERT_EQ(d3d.Count("CheckDeviceMultiSampleType"), 2u);
  EXPECT_EQ(d3d.calls()[0].args, (std::vector<uint64_t>{80, 0, 2})) << "D16, full screen, two samples";
  EXPECT_TRUE(d3d.released);

  SettingsDialogModel model;
  DialogSettings stored;
  stored.antialiasing = 2;
  DialogControls c = model.Open(stored, offered);
  EXPECT_EQ(c.antialiasing, 1);
  EXPECT_EQ(model.Store(c).antialiasing, 2);

  stored.antialiasing = 1;
  c = model.Open(stored, offered);
  EXPECT_EQ(c.antialiasing, -1) << "two samples are not offered";

  std::vector<AntialiasingChoice> none = OfferedAntialiasing(nullptr);
  ASSERT_EQ(none.size(), 1u);
  EXPECT_STREQ(none[0].label, "None");
}

TEST(SettingsDialog, OkStoresTheControlsAndTheHeldValues) {
  SettingsDialogModel model;
  DialogSettings start;
  start.playMusic = 5;  // off, as any non-zero value
  DialogControls c = model.Open(start, kFull);
  EXPECT_FALSE(c.playMusic);

  c.resolution = 3;
  c.antialiasing = 2;
  c.useDesktopSettings = false;
  c.wideScreen = true;
  c.exitOnMouse = true;
  c.speed = 4;
  c.fish = 1;
  c.ruins = 3;
  c.plants = 4;
  c.volume = 0;
  model.TogglePlayMusic();  // the user ticks "Play music"
  model.TogglePlaySound();
  model.TogglePlaySound();
  model.ChooseColourScheme(ColourSchemeOfButton(IDC_SCHEME_DEEP_BLUE));
  DialogSettings s = model.Store(c);
  EXPECT_EQ(s, (DialogSettings{3, 1, 2, 1, 1, 1, 4, 3, 4, 0, 0, 0, 2}));

  c.speed = 0;  // a position the trackbar cannot have
  EXPECT_EQ(model.Store(c).camSpeed, 2);

  Store written;
  WriteDialogSettings(s, [&](const char* name, int32_t value) { written[name] = value; });
  EXPECT_EQ(written.size(), 13u);
  EXPECT_EQ(ReadDialogSettings(ReaderOf(written)), s);
}

TEST(SettingsDialog, PlacedCentredByItsFullHeightThenShortened) {
  DialogPlacement p = PlaceSettingsDialog(548, 490, 1024, 768, 96);
  EXPECT_EQ(p.x, 238);
  EXPECT_EQ(p.y, 139);
  EXPECT_EQ(p.width, 548);
  EXPECT_EQ(p.height, 362);
  EXPECT_EQ(PlaceSettingsDialog(820, 750, 1024, 768, 144).height, 750 - 192);
  p = PlaceSettingsDialog(680, 610, 640, 480, 120);
  EXPECT_EQ(p.x, 0) << "the caption stays on a screen too small for the dialog";
  EXPECT_EQ(p.y, 0);
}

}  // namespace sorvane
