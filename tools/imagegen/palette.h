// Reduction of a picture to a palette: median-cut colour quantisation with
// error-diffusion dithering, and the plain 256-grey palette.
#pragma once
#include "tools/imagegen/bmp_writer.h"
#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

// Up to `colours` palette entries chosen by median cut, pixels mapped with
// Floyd–Steinberg dithering when `dither` is set. Alpha is ignored.
IndexedImage QuantiseMedianCut(const Canvas& canvas, int colours, bool dither);

// Palette entry i is grey level i; each pixel's red channel picks its entry.
IndexedImage ToGreyIndexed(const Canvas& canvas);

}  // namespace sorvane::imagegen
