// JPEG files through the system's libjpeg, with fixed settings so that the same
// picture always gives the same bytes.
#pragma once
#include "tools/imagegen/bytes.h"
#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

// Baseline JPEG, no chroma subsampling (textures are small and colourful).
Bytes EncodeJpeg(const Canvas& canvas, int quality = 92);

}  // namespace sorvane::imagegen
