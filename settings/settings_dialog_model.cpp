#include "settings/settings_dialog_model.h"

#include <algorithm>

#include "device/d3d8_constants.h"
#include "settings/settings.h"
#include "resources/settings_dialog_ids.h"

namespace sorvane {

const char* const kResolutionNames[kResolutionCount] = {"640x480", "800x600", "1024x768", "1280x1024", "1600x1200"};

const int kColourSchemeButtons[kColourSchemeCount] = {IDC_SCHEME_TROPIC, IDC_SCHEME_BLUE, IDC_SCHEME_DEEP_BLUE,
                                                      IDC_SCHEME_RANDOM};

DialogSettings ReadDialogSettings(const SettingReader& read) {
  DialogSettings s;
  s.resolution = read(setting::Resolution, 0);
  s.changeResolution = read(setting::ChangeResolution, 0);
  s.antialiasing = read(setting::Antialiasing, 0);
  s.wideScreen = read(setting::WideScreen, 0);
  s.exitOnMouse = read(setting::ExitOnMouse, 0);
  s.detailLevelFish = read(setting::DetailLevelFish, 0);
  s.detailLevelPlant = read(setting::DetailLevelPlant, 0);
  s.detailLevelWreck = read(setting::DetailLevelWreck, 0);
  s.camSpeed = read(setting::CamSpeed, 0);
  s.playMusic = read(setting::PlayMusic, 0);
  s.playSound = read(setting::PlaySound, 0);
  s.volume = read(setting::Volume, 50);
  s.colorScheme = read(setting::ColorScheme, 0);
  return s;
}

void WriteDialogSettings(const DialogSettings& values, const SettingWriter& write) {
  write(setting::Antialiasing, values.antialiasing);
  write(setting::Resolution, values.resolution);
  write(setting::ChangeResolution, values.changeResolution);
  write(setting::PlayMusic, values.playMusic);
  write(setting::PlaySound, values.playSound);
  write(setting::ColorScheme, values.colorScheme);
  write(setting::WideScreen, values.wideScreen);
  write(setting::ExitOnMouse, values.exitOnMouse);
  write(setting::CamSpeed, values.camSpeed);
  write(setting::DetailLevelFish, values.detailLevelFish);
  write(setting::DetailLevelWreck, values.detailLevelWreck);
  write(setting::DetailLevelPlant, values.detailLevelPlant);
  write(setting::Volume, values.volume);
}

std::vector<AntialiasingChoice> OfferedAntialiasing(Direct3D* d3d) {
  std::vector<AntialiasingChoice> choices{{"None", 0}};
  if (!d3d) return choices;
  if (!Failed(d3d->CheckDeviceMultiSampleType(D3DFMT_D16, false, D3DMULTISAMPLE_2_SAMPLES)))
    choices.push_back({"2 Samples", 1});
  if (!Failed(d3d->CheckDeviceMultiSampleType(D3DFMT_D16, false, D3DMULTISAMPLE_4_SAMPLES)))
    choices.push_back({"4 Samples", 2});
  d3d->Release();
  return choices;
}

namespace {
bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }
int32_t OnOff(int32_t stored) { return stored != 0 ? 1 : 0; }
}  // namespace

DialogControls SettingsDialogModel::Open(const DialogSettings& stored, std::vector<AntialiasingChoice> offered) {
  offered_ = std::move(offered);
  held_ = stored;
  // The held values follow their check boxes from here on, so a stored 5
  // ("off") must become 1 before the first toggle.
  held_.playMusic = OnOff(stored.playMusic);
  held_.playSound = OnOff(stored.playSound);
  held_.colorScheme = InRange(stored.colorScheme, 0, kColourSchemeCount - 1) ? stored.colorScheme : 0;
  held_.camSpeed = InRange(stored.camSpeed, kSpeedMin, kSpeedMax) ? stored.camSpeed : 2;

  DialogControls c;
  c.resolution = InRange(stored.resolution, 0, kResolutionCount - 1) ? stored.resolution : -1;
  // The list holds only what the adapter offers, so an entry is found by the
  // value it stands for, not by its place.
  auto found = std::find_if(offered_.begin(), offered_.end(),
                            [&](const AntialiasingChoice& a) { return a.setting == stored.antialiasing; });
  c.antialiasing = found == offered_.end() ? -1 : static_cast<int32_t>(found - offered_.begin());
  c.useDesktopSettings = stored.changeResolution == 0;
  c.wideScreen = stored.wideScreen != 0;
  c.exitOnMouse = stored.exitOnMouse != 0;
  c.playMusic = held_.playMusic == 0;
  c.playSounds = held_.playSound == 0;
  c.colourScheme = held_.colorScheme;
  c.speed = held_.camSpeed;
  c.fish = std::clamp(DetailLevelFromSetting(stored.detailLevelFish), kDetailMin, kDetailMax);
  c.ruins = std::clamp(DetailLevelFromSetting(stored.detailLevelWreck), kDetailMin, kDetailMax);
  c.plants = std::clamp(DetailLevelFromSetting(stored.detailLevelPlant), kDetailMin, kDetailMax);
  c.volume = std::clamp(stored.volume, kVolumeMin, kVolumeMax);
  return c;
}

DialogSettings SettingsDialogModel::Store(const DialogControls& c) {
  bool listed = InRange(c.antialiasing, 0, static_cast<int32_t>(offered_.size()) - 1);
  // Nothing selected stores -1, which reads as no antialiasing.
  held_.antialiasing = listed ? offered_[c.antialiasing].setting : -1;
  held_.resolution = c.resolution;
  held_.changeResolution = c.useDesktopSettings ? 0 : 1;
  held_.wideScreen = c.wideScreen ? 1 : 0;
  held_.exitOnMouse = c.exitOnMouse ? 1 : 0;
  held_.camSpeed = InRange(c.speed, kSpeedMin, kSpeedMax) ? c.speed : 2;
  held_.detailLevelFish = c.fish;
  held_.detailLevelWreck = c.ruins;
  held_.detailLevelPlant = c.plants;
  held_.volume = c.volume;
  return held_;
}

int32_t ColourSchemeOfButton(int id) {
  for (int scheme = 0; scheme < kColourSchemeCount; ++scheme)
    if (kColourSchemeButtons[scheme] == id) return scheme;
  return -1;
}

DialogPlacement PlaceSettingsDialog(int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight,
                                    int32_t logPixelsX) {
  double factor = logPixelsX > 1 ? logPixelsX / 96.0 : 1.0;
  auto cut = static_cast<int32_t>(128 * factor);
  int32_t x = std::max((screenWidth - width) / 2, 0);
  int32_t y = std::max((screenHeight - height) / 2, 0);
  return {x, y, width, height - cut};
}

const char* HomePage(bool cyrillicLocale) {
  return cyrillicLocale ? "https://www.quorvel.com/ru/sorvane/" : "https://www.quorvel.com/sorvane/";
}

}  // namespace sorvane
