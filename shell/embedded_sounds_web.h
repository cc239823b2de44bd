// The two sound tracks the page carries (see cmake/web.cmake), written into
// the page's in-memory file system, where the sound layer opens them as the
// hack opens its files.
#pragma once
#include "sound/sound.h"

namespace sorvane {

// The files' paths; a track that cannot be written keeps its path, and the
// layer then finds nothing there and stays silent for it.
SoundFiles WriteEmbeddedSounds();

}  // namespace sorvane
