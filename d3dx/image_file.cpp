// Picks the decoder for an image file by its first bytes.
#include "d3dx/image.h"

namespace sorvane {

bool DecodeImageFile(std::span<const uint8_t> data, Image* image) {
  if (data.size() >= 4 && data[0] == 'D' && data[1] == 'D' && data[2] == 'S' && data[3] == ' ') {
    return DecodeDds(data, image);
  }
  if (data.size() >= 2 && data[0] == 0xFF && data[1] == 0xD8) return DecodeJpeg(data, image);
  if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return DecodeBmpFile(data, image);
  return false;
}

}  // namespace sorvane
