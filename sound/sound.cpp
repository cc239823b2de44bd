#include "sound/sound.h"

namespace sorvane {

void StartSound(AudioLayer& layer, SoundState& state, RunMode mode, const SoundSettings& settings,
                const SoundFiles& files) {
  state.musicOff = settings.playMusic;
  state.soundOff = settings.playSound;
  if (mode != RunMode::Saver && mode != RunMode::Test) {
    state.musicOff = 1;
    state.soundOff = 1;
    return;
  }
  if (state.musicOff != 0 && state.soundOff != 0) return;
  if (!layer.Init(kDefaultDevice)) layer.Init(kSilentDevice);
  layer.Start();
  state.savedStreamVolume = layer.StreamVolume();
  layer.SetStreamVolume(settings.volume);
  const StreamHandle music = layer.CreateStream(files.music);
  const StreamHandle ambient = layer.CreateStream(files.ambient);
  if (state.musicOff == 0) layer.Play(music, true);
  if (state.soundOff == 0) layer.Play(ambient, true);
}

void StopSound(AudioLayer& layer, const SoundState& state) {
  if (state.musicOff != 0 && state.soundOff != 0) return;
  layer.SetStreamVolume(state.savedStreamVolume);
  layer.Stop();
  layer.Free();
}

}  // namespace sorvane
