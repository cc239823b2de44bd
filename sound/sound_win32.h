// The saver's sound on Windows: the process-wide audio layer on the wave-out
// device and the files from the Windows directory.
#pragma once
#include "base/run_mode.h"
#include "sound/sound.h"

namespace sorvane {

void StartSound(RunMode mode, const SoundSettings& settings);
void StopSound();

}  // namespace sorvane
