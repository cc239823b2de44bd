// A decoded image and the decoders for the image kinds the module carries:
// JPEG, DDS (uncompressed), BMP files and RT_BITMAP resources (a DIB without
// the file header). A truncated or malformed image gives false, never a read
// outside the given bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sorvane {

// Larger than any texture a Direct3D 8 device takes; bounds what a damaged
// header can make us allocate.
constexpr uint32_t kMaxImageDimension = 4096;

struct Image {
  uint32_t width = 0;
  uint32_t height = 0;
  // A8R8G8B8 values, rows from the top, width × height of them.
  std::vector<uint32_t> pixels;
};

bool DecodeJpeg(std::span<const uint8_t> data, Image* image);
bool DecodeDds(std::span<const uint8_t> data, Image* image);
// A .bmp file, starting with its BITMAPFILEHEADER.
bool DecodeBmpFile(std::span<const uint8_t> data, Image* image);
// A packed DIB (BITMAPINFOHEADER, palette, pixels), as RT_BITMAP resources hold.
bool DecodeDib(std::span<const uint8_t> data, Image* image);
// Any of the above but the DIB, told apart by their first bytes.
bool DecodeImageFile(std::span<const uint8_t> data, Image* image);

}  // namespace sorvane
