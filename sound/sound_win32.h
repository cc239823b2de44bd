// The saver's sound on Windows: the process-wide audio layer on the wave-out
// device, the settings from the registry and the files from the Windows
// directory.
#pragma once
#include "shell/run_mode.h"

namespace sorvane {

void StartSound(RunMode mode);
void StopSound();

}  // namespace sorvane
