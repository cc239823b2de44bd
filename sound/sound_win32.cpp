#include "sound/sound_win32.h"

#include <windows.h>

#include "sound/wave_out_win32.h"

namespace sorvane {

namespace {

WaveOutOutput output;
AudioLayer layer(output);
SoundState state;

std::string WindowsFile(const char* name) {
  char directory[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
  // Without the directory there is no file: the stream is silent.
  if (length == 0 || length >= MAX_PATH) return std::string();
  return std::string(directory) + "\\" + name;
}

}  // namespace

void StartSound(RunMode mode, const SoundSettings& settings) {
  StartSound(layer, state, mode, settings, {WindowsFile(kMusicFile), WindowsFile(kAmbientFile)});
}

void StopSound() { StopSound(layer, state); }

}  // namespace sorvane
