// Uncompressed DDS files of one surface (no mip levels; the loader builds them).
#pragma once
#include "tools/imagegen/bytes.h"
#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

enum class DdsFormat {
  A1R5G5B5,  // 16-bit, 1-bit alpha (alpha ≥ 0.5 is opaque), ordered-dithered colour
  A8R8G8B8,  // 32-bit with alpha
};

// Fully transparent texels are stored as transparent black, so that a black
// colour key and the alpha agree.
Bytes EncodeDds(const Canvas& canvas, DdsFormat format);

}  // namespace sorvane::imagegen
