// BMP files: 24-bit true colour and 8-bit with a 256-entry palette. A resource
// compiler strips the 14-byte file header when it embeds one as RT_BITMAP.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/imagegen/bytes.h"
#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct PaletteEntry {
  uint8_t r = 0, g = 0, b = 0;
};

// A palettised picture: one palette index per pixel, rows top to bottom.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> indices;
  std::vector<PaletteEntry> palette;  // at most 256 entries
};

Bytes EncodeBmp24(const Canvas& canvas);
// The palette is written out to a full 256 entries.
Bytes EncodeBmp8(const IndexedImage& image);

}  // namespace sorvane::imagegen
