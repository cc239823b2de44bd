// The wide 512 × 256 image the scene loads and keeps: an underwater panorama
// in the style of the preview picture.
#pragma once
#include <cstdint>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct WideImageParams {
  int width = 512;
  int height = 256;
  uint32_t seed = 245;
};

Canvas PaintWideImage(const WideImageParams& params = {});

}  // namespace sorvane::imagegen
