// The texture formats the loader writes: their layouts, the choice of the
// nearest format a device offers, and the packing of A8R8G8B8 pixels into them.
#pragma once

#include <cstdint>
#include <span>

namespace sorvane {

struct TextureFormatInfo {
  uint32_t format;
  uint32_t bytesPerPixel;
  uint32_t alphaBits, redBits, greenBits, blueBits;
};

// Null for a format the loader cannot write.
const TextureFormatInfo* FindTextureFormat(uint32_t format);

// The writable formats, nearest to `wanted` first: a format that keeps every
// channel wanted, with as much precision as possible and as few unused bits,
// comes before one that loses a channel (alpha of a 32-bit format above all).
// Writes the formats to `order` and returns how many there are.
size_t TextureFormatsByNearness(uint32_t wanted, std::span<uint32_t> order);

// Packs one row of A8R8G8B8 pixels into `out` in `info`'s layout. With dither,
// channels that lose precision get an ordered (4 × 4) dither; y is the row's
// index, which picks the dither pattern's row.
void PackRow(const TextureFormatInfo& info, const uint32_t* argb, uint32_t width, uint32_t y, bool dither,
             uint8_t* out);

}  // namespace sorvane
