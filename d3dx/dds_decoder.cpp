// DDS images with uncompressed RGB pixels of 16, 24 or 32 bits described by
// channel masks (A1R5G5B5, A8R8G8B8, X8R8G8B8, R5G6B5, R8G8B8 and the like).
// Only the top level is read; the texture loader makes its own mip chain.
#include <bit>
#include <utility>

#include "d3dx/byte_reader.h"
#include "d3dx/image.h"

namespace sorvane {
namespace {

constexpr uint32_t kMagic = 0x20534444;  // "DDS "
constexpr uint32_t kHeaderSize = 124;
constexpr uint32_t kPixelFormatSize = 32;
constexpr size_t kDataOffset = 4 + kHeaderSize;
constexpr uint32_t kFlagAlphaPixels = 0x1;
constexpr uint32_t kFlagFourCc = 0x4;
constexpr uint32_t kFlagRgb = 0x40;
constexpr uint32_t kCaps2CubeMap = 0x200;
constexpr uint32_t kCaps2Volume = 0x200000;

// Where a channel sits in a pixel and how wide it is.
struct Channel {
  uint32_t shift = 0;
  uint32_t max = 0;  // 0: the channel is absent
};

bool MakeChannel(uint32_t mask, uint32_t bitCount, Channel* channel) {
  if (mask == 0) return true;
  if (bitCount < 32 && (mask >> bitCount) != 0) return false;
  channel->shift = static_cast<uint32_t>(std::countr_zero(mask));
  channel->max = mask >> channel->shift;
  // Only a run of ones can be read as one value.
  return (channel->max & (channel->max + 1)) == 0;
}

uint32_t Expand(uint32_t pixel, const Channel& channel, uint32_t absent) {
  if (channel.max == 0) return absent;
  const uint64_t value = (pixel >> channel.shift) & channel.max;
  return static_cast<uint32_t>((value * 255 + channel.max / 2) / channel.max);
}

}  // namespace

bool DecodeDds(std::span<const uint8_t> data, Image* image) {
  const ByteReader in(data);
  uint32_t magic, headerSize, height, width, pixelFormatSize, pfFlags, bitCount, caps2;
  uint32_t masks[4];
  if (!in.U32(0, &magic) || !in.U32(4, &headerSize) || !in.U32(12, &height) || !in.U32(16, &width) ||
      !in.U32(76, &pixelFormatSize) || !in.U32(80, &pfFlags) || !in.U32(88, &bitCount) || !in.U32(92, &masks[0]) ||
      !in.U32(96, &masks[1]) || !in.U32(100, &masks[2]) || !in.U32(104, &masks[3]) || !in.U32(112, &caps2)) {
    return false;
  }
  if (magic != kMagic || headerSize != kHeaderSize || pixelFormatSize != kPixelFormatSize) return false;
  if ((pfFlags & kFlagFourCc) != 0 || (pfFlags & kFlagRgb) == 0) return false;
  if ((caps2 & (kCaps2CubeMap | kCaps2Volume)) != 0) return false;
  if (bitCount != 16 && bitCount != 24 && bitCount != 32) return false;
  if (width == 0 || height == 0 || width > kMaxImageDimension || height > kMaxImageDimension) return false;
  if ((pfFlags & kFlagAlphaPixels) == 0) masks[3] = 0;

  Channel channels[4];
  for (int i = 0; i < 4; ++i) {
    if (!MakeChannel(masks[i], bitCount, &channels[i])) return false;
  }
  const uint32_t bytesPerPixel = bitCount / 8;
  const uint64_t pitch = static_cast<uint64_t>(width) * bytesPerPixel;
  if (!in.Has(kDataOffset, pitch * height)) return false;

  Image decoded;
  decoded.width = width;
  decoded.height = height;
  decoded.pixels.resize(static_cast<size_t>(width) * height);
  const uint8_t* row = data.data() + kDataOffset;
  uint32_t* out = decoded.pixels.data();
  for (uint32_t y = 0; y < height; ++y, row += pitch) {
    for (uint32_t x = 0; x < width; ++x) {
      const uint8_t* p = row + x * bytesPerPixel;
      uint32_t pixel = 0;
      for (uint32_t b = 0; b < bytesPerPixel; ++b) pixel |= static_cast<uint32_t>(p[b]) << (8 * b);
      *out++ = Expand(pixel, channels[3], 255) << 24 | Expand(pixel, channels[0], 0) << 16 |
               Expand(pixel, channels[1], 0) << 8 | Expand(pixel, channels[2], 0);
    }
  }
  *image = std::move(decoded);
  return true;
}

}  // namespace sorvane
