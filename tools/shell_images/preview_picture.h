// The still preview picture that the Display control panel shows: an
// underwater view with light from above, dunes, ruins, a plant and fish.
#pragma once
#include "tools/imagegen/bmp_writer.h"
#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct PreviewParams {
  int width = 152;
  int height = 112;
  int supersample = 4;
  uint32_t seed = 246;
  int rayCount = 7;
  float rayStrength = 0.22f;
  float surfaceBand = 0.15f;  // height of the visible water surface, as a picture fraction
};

Canvas PaintPreview(const PreviewParams& params = {});
// The picture reduced to 256 colours for the 8-bit bitmap.
IndexedImage PreviewIndexed(const PreviewParams& params = {});

}  // namespace sorvane::imagegen
