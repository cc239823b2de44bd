// BMP images: 8-bit palettised and 24-bit uncompressed, bottom-up or top-down,
// either as a .bmp file or as the packed DIB of an RT_BITMAP resource.
#include <optional>

#include <utility>

#include "d3dx/byte_reader.h"
#include "d3dx/image.h"

namespace sorvane {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;

// Decodes the DIB in dib; its pixels start at pixelOffset when given, else
// right after the palette.
bool DecodeDibAt(std::span<const uint8_t> dib, std::optional<uint64_t> pixelOffset, Image* image) {
  const ByteReader in(dib);
  uint32_t headerSize, planes, bitCount, compression, colorsUsed;
  int32_t signedWidth, signedHeight;
  if (!in.U32(0, &headerSize) || !in.I32(4, &signedWidth) || !in.I32(8, &signedHeight) || !in.U16(12, &planes) ||
      !in.U16(14, &bitCount) || !in.U32(16, &compression) || !in.U32(32, &colorsUsed)) {
    return false;
  }
  // Later header versions extend the 40-byte one; the older 12-byte one is not used.
  if (headerSize < kInfoHeaderSize || planes != 1 || compression != kBiRgb) return false;
  if (bitCount != 8 && bitCount != 24) return false;
  const bool topDown = signedHeight < 0;
  const int64_t absHeight = topDown ? -static_cast<int64_t>(signedHeight) : signedHeight;
  if (signedWidth <= 0 || absHeight == 0 || signedWidth > static_cast<int32_t>(kMaxImageDimension) ||
      absHeight > kMaxImageDimension) {
    return false;
  }
  const uint32_t width = static_cast<uint32_t>(signedWidth);
  const uint32_t height = static_cast<uint32_t>(absHeight);

  const uint32_t paletteCount = bitCount == 8 && colorsUsed == 0 ? 256 : colorsUsed;
  if (bitCount == 8 && paletteCount > 256) return false;
  const uint64_t paletteOffset = headerSize;
  const uint64_t paletteBytes = static_cast<uint64_t>(paletteCount) * 4;
  if (!in.Has(paletteOffset, paletteBytes)) return false;

  const uint64_t stride = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
  const uint64_t pixels = pixelOffset.value_or(paletteOffset + paletteBytes);
  if (!in.Has(pixels, stride * height)) return false;

  uint32_t palette[256] = {};
  if (bitCount == 8) {
    const uint8_t* entry = dib.data() + paletteOffset;
    for (uint32_t i = 0; i < paletteCount; ++i, entry += 4) {
      palette[i] = 0xFF000000u | entry[2] << 16 | entry[1] << 8 | entry[0];
    }
  }

  Image decoded;
  decoded.width = width;
  decoded.height = height;
  decoded.pixels.resize(static_cast<size_t>(width) * height);
  for (uint32_t y = 0; y < height; ++y) {
    const uint32_t sourceRow = topDown ? y : height - 1 - y;
    const uint8_t* row = dib.data() + pixels + sourceRow * stride;
    uint32_t* out = decoded.pixels.data() + static_cast<size_t>(y) * width;
    for (uint32_t x = 0; x < width; ++x) {
      if (bitCount == 8) {
        if (row[x] >= paletteCount) return false;
        out[x] = palette[row[x]];
      } else {
        const uint8_t* p = row + x * 3;
        out[x] = 0xFF000000u | p[2] << 16 | p[1] << 8 | p[0];
      }
    }
  }
  *image = std::move(decoded);
  return true;
}

}  // namespace

bool DecodeBmpFile(std::span<const uint8_t> data, Image* image) {
  const ByteReader in(data);
  uint32_t magic, pixelOffset;
  if (!in.U16(0, &magic) || !in.U32(10, &pixelOffset) || magic != 0x4D42) return false;  // "BM"
  if (pixelOffset < kFileHeaderSize) return false;
  return DecodeDibAt(data.subspan(kFileHeaderSize), pixelOffset - kFileHeaderSize, image);
}

bool DecodeDib(std::span<const uint8_t> data, Image* image) { return DecodeDibAt(data, std::nullopt, image); }

}  // namespace sorvane
