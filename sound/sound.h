// Music and ambient sound: started before the main loop, stopped after it.
#pragma once
#include <cstdint>
#include <string>

#include "base/run_mode.h"
#include "sound/audio_layer.h"

namespace sorvane {

constexpr const char* kMusicFile = "sorvane.ogg";
constexpr const char* kAmbientFile = "svambient.ogg";

// The stored `PlayMusic` and `PlaySound` say whether each sound is off
// (0 means it plays); `volume` is 0 … 100.
struct SoundSettings {
  int32_t playMusic = 0;
  int32_t playSound = 0;
  int32_t volume = 50;
};

struct SoundFiles {
  std::string music;
  std::string ambient;
};

struct SoundState {
  int32_t musicOff = 1;
  int32_t soundOff = 1;
  int savedStreamVolume = 0;
};

// The preview never touches the layer; with both sounds off nothing is
// initialised. Otherwise the layer starts (on the silent device when there is
// no output), the stream volume is saved and set, both streams are created and
// those switched on play looping.
void StartSound(AudioLayer& layer, SoundState& state, RunMode mode, const SoundSettings& settings,
                const SoundFiles& files);
// Restores the saved stream volume and stops and frees the layer, if started.
void StopSound(AudioLayer& layer, const SoundState& state);

}  // namespace sorvane
