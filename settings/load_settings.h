// Every setting the saver uses, read from the store once at start-up into one
// value that start-up, the windows and the main loop share.
#pragma once
#include <cstddef>
#include <cstdint>

#include "settings/settings.h"

namespace sorvane {

// Where the settings are read from: the registry on Windows, a table in tests.
class SettingsSource {
 public:
  virtual ~SettingsSource() = default;
  // The stored text of a value of the "Settings" section, zero-terminated
  // within `size`; false when it is missing or does not fit.
  virtual bool ReadText(const char* name, char* buffer, size_t size) = 0;
};

// As stored, where missing or unreadable values have become their defaults;
// detail levels as DetailLevelFromSetting makes them.
struct Settings {
  int32_t resolution = 0;
  bool changeResolution = false;
  int32_t antialiasing = 0;
  bool wideScreen = false;
  bool exitOnMouse = false;
  int32_t detailLevelFish = 2;
  int32_t detailLevelPlant = 2;
  int32_t detailLevelWreck = 2;
  int32_t camSpeed = 0;
  int32_t colorScheme = 0;
  // PlayMusic and PlaySound are 0 when the sound plays.
  int32_t playMusic = 0;
  int32_t playSound = 0;
  int32_t volume = 50;
};

Settings LoadSettings(SettingsSource& source);

// The scene's back buffer: the Resolution setting's size when ChangeResolution
// is on, else the screen's.
Size BackBufferSize(const Settings& settings, Size screen);

}  // namespace sorvane
