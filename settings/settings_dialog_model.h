// The settings dialog's decisions, apart from its controls: what each control
// shows for the stored settings, what its commands change, and what OK stores.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "device/device.h"

namespace sorvane {

// Every setting the dialog edits, as stored.
struct DialogSettings {
  int32_t resolution = 0;
  int32_t changeResolution = 0;
  int32_t antialiasing = 0;
  int32_t wideScreen = 0;
  int32_t exitOnMouse = 0;
  int32_t detailLevelFish = 0;
  int32_t detailLevelPlant = 0;
  int32_t detailLevelWreck = 0;
  int32_t camSpeed = 0;
  int32_t playMusic = 0;
  int32_t playSound = 0;
  int32_t volume = 50;
  int32_t colorScheme = 0;

  bool operator==(const DialogSettings&) const = default;
};

using SettingReader = std::function<int32_t(const char* name, int32_t fallback)>;
using SettingWriter = std::function<void(const char* name, int32_t value)>;

// Absent detail levels and speed read as 0 (shown as 2), an absent volume as 50.
DialogSettings ReadDialogSettings(const SettingReader& read);
// In the order OK stores them: Antialiasing, Resolution, ChangeResolution,
// PlayMusic, PlaySound, ColorScheme, WideScreen, ExitOnMouse, CamSpeed,
// DetailLevelFish, DetailLevelWreck, DetailLevelPlant, Volume.
void WriteDialogSettings(const DialogSettings& values, const SettingWriter& write);

constexpr int kResolutionCount = 5;
extern const char* const kResolutionNames[kResolutionCount];

// One entry of the antialiasing list and the Antialiasing value it stands for.
struct AntialiasingChoice {
  const char* label;
  int32_t setting;
};

// "None", then "2 Samples" and "4 Samples" where the adapter supports them in
// full screen over a 16-bit depth format. Takes the Direct3D object (null for
// none) and releases it.
std::vector<AntialiasingChoice> OfferedAntialiasing(Direct3D* d3d);

constexpr int32_t kSpeedMin = 1;
constexpr int32_t kSpeedMax = 4;
constexpr int32_t kDetailMin = 1;
constexpr int32_t kDetailMax = 4;
constexpr int32_t kVolumeMin = 0;
constexpr int32_t kVolumeMax = 100;

// What the controls hold: list selections (-1 for none), check boxes, the
// scheme of the checked colour button and the trackbar positions.
struct DialogControls {
  int32_t resolution = -1;
  int32_t antialiasing = -1;
  bool useDesktopSettings = false;
  bool wideScreen = false;
  bool exitOnMouse = false;
  bool playMusic = false;
  bool playSounds = false;
  int32_t colourScheme = 0;
  int32_t speed = 2;
  int32_t fish = 2;
  int32_t ruins = 2;
  int32_t plants = 2;
  int32_t volume = 50;

  // The resolution list only counts when the desktop's own mode is not used.
  bool ResolutionEnabled() const { return !useDesktopSettings; }
};

// The dialog while it is open. Music, sounds and the colour scheme are held
// here and changed by their commands; everything else OK reads from the controls.
class SettingsDialogModel {
 public:
  // The controls' opening states. Values the controls cannot show are taken as
  // what they mean elsewhere: out-of-range schemes as Tropic, non-zero music
  // and sound values as off, a speed outside 1–4 as 2, detail level 0 as 2.
  DialogControls Open(const DialogSettings& stored, std::vector<AntialiasingChoice> offered);

  void TogglePlayMusic() { held_.playMusic = 1 - held_.playMusic; }
  void TogglePlaySound() { held_.playSound = 1 - held_.playSound; }
  void ChooseColourScheme(int32_t scheme) { held_.colorScheme = scheme; }

  // What OK stores for the controls as they stand.
  DialogSettings Store(const DialogControls& controls);

  const std::vector<AntialiasingChoice>& offered() const { return offered_; }

 private:
  DialogSettings held_;
  std::vector<AntialiasingChoice> offered_;
};

// The colour radio buttons by scheme: Tropic, Blue, Deep blue, Random.
constexpr int kColourSchemeCount = 4;
extern const int kColourSchemeButtons[kColourSchemeCount];
// The scheme of a colour button id, or -1 for another control.
int32_t ColourSchemeOfButton(int id);

struct DialogPlacement {
  int32_t x, y, width, height;
};

// Centred on the screen by its full size, then shortened by 128 pixels at
// 96 DPI (in proportion at other densities) to hide the template's empty lower
// part. A dialog taller or wider than the screen keeps its caption on screen.
DialogPlacement PlaceSettingsDialog(int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight,
                                    int32_t logPixelsX);

// The product's page on the maker's site, in Russian for Cyrillic locales.
const char* HomePage(bool cyrillicLocale);

}  // namespace sorvane
