// The user's settings: their names, defaults and what their stored values mean.
// They live in the registry as decimal strings; see settings_store.h.
#pragma once
#include <cstddef>
#include <cstdint>

namespace sorvane {

constexpr const char* kSettingsSection = "Settings";
constexpr const char* kProductKey = "Software\\Quorvel Interactive\\Sorvane";

namespace setting {
constexpr const char* Resolution = "Resolution";
constexpr const char* ChangeResolution = "ChangeResolution";
constexpr const char* Antialiasing = "Antialiasing";
constexpr const char* WideScreen = "WideScreen";
constexpr const char* ExitOnMouse = "ExitOnMouse";
constexpr const char* DetailLevelFish = "DetailLevelFish";
constexpr const char* DetailLevelPlant = "DetailLevelPlant";
constexpr const char* DetailLevelWreck = "DetailLevelWreck";
constexpr const char* CamSpeed = "CamSpeed";
constexpr const char* PlayMusic = "PlayMusic";
constexpr const char* PlaySound = "PlaySound";
constexpr const char* Volume = "Volume";
constexpr const char* ColorScheme = "ColorScheme";
}  // namespace setting

// Reads buffers are 64 bytes; a longer stored text is treated as absent.
constexpr size_t kSettingBufferSize = 64;

// A stored text as a number: optional blanks, an optional sign and decimal
// digits that fit in 32 bits, optional trailing blanks. Anything else (empty,
// letters, trailing garbage, overflow, no terminating zero within `size`)
// gives `fallback`.
int32_t ParseSettingText(const char* text, size_t size, int32_t fallback);

struct Size {
  int32_t width;
  int32_t height;
};

// Resolution 1 … 4 pick 800 × 600 … 1600 × 1200; anything else is 640 × 480.
Size ResolutionSize(int32_t resolution);

// CamSpeed 1, 3, 4 → 0.75, 1.25, 1.5; anything else → 1.0.
float CameraSpeedFactor(int32_t camSpeed);

// A stored detail level of 0 behaves as the default 2.
int32_t DetailLevelFromSetting(int32_t stored);

// Antialiasing 1 → two samples, 2 → four samples, else none (multisample types).
uint32_t MultiSampleTypeFromSetting(int32_t antialiasing);

}  // namespace sorvane
