#include "settings/load_settings.h"

namespace sorvane {

namespace {

int32_t ReadInt(SettingsSource& source, const char* name, int32_t fallback) {
  char buffer[kSettingBufferSize];
  if (!source.ReadText(name, buffer, sizeof buffer)) return fallback;
  return ParseSettingText(buffer, sizeof buffer, fallback);
}

}  // namespace

Settings LoadSettings(SettingsSource& source) {
  Settings s;
  s.resolution = ReadInt(source, setting::Resolution, 0);
  s.changeResolution = ReadInt(source, setting::ChangeResolution, 0) != 0;
  s.antialiasing = ReadInt(source, setting::Antialiasing, 0);
  s.wideScreen = ReadInt(source, setting::WideScreen, 0) != 0;
  s.exitOnMouse = ReadInt(source, setting::ExitOnMouse, 0) != 0;
  s.detailLevelFish = DetailLevelFromSetting(ReadInt(source, setting::DetailLevelFish, 2));
  s.detailLevelPlant = DetailLevelFromSetting(ReadInt(source, setting::DetailLevelPlant, 2));
  s.detailLevelWreck = DetailLevelFromSetting(ReadInt(source, setting::DetailLevelWreck, 2));
  s.camSpeed = ReadInt(source, setting::CamSpeed, 0);
  s.colorScheme = ReadInt(source, setting::ColorScheme, 0);
  s.playMusic = ReadInt(source, setting::PlayMusic, 0);
  s.playSound = ReadInt(source, setting::PlaySound, 0);
  s.volume = ReadInt(source, setting::Volume, 50);
  return s;
}

Size BackBufferSize(const Settings& settings, Size screen) {
  return settings.changeResolution ? ResolutionSize(settings.resolution) : screen;
}

}  // namespace sorvane
