// Texture formats: nearness and pixel packing.
#include "d3dx/texture_format.h"

#include <algorithm>
#include <array>

#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

constexpr std::array<TextureFormatInfo, 7> kFormats = {{
    {D3DFMT_A8R8G8B8, 4, 8, 8, 8, 8},
    {D3DFMT_X8R8G8B8, 4, 0, 8, 8, 8},
    {D3DFMT_R8G8B8, 3, 0, 8, 8, 8},
    {D3DFMT_R5G6B5, 2, 0, 5, 6, 5},
    {D3DFMT_X1R5G5B5, 2, 0, 5, 5, 5},
    {D3DFMT_A1R5G5B5, 2, 1, 5, 5, 5},
    {D3DFMT_A4R4G4B4, 2, 4, 4, 4, 4},
}};

// Lower is nearer. A lost channel outweighs any loss of precision, which
// outweighs unused bits.
int Distance(const TextureFormatInfo& wanted, const TextureFormatInfo& candidate) {
  const uint32_t want[4] = {wanted.alphaBits, wanted.redBits, wanted.greenBits, wanted.blueBits};
  const uint32_t have[4] = {candidate.alphaBits, candidate.redBits, candidate.greenBits, candidate.blueBits};
  int distance = 0;
  for (int i = 0; i < 4; ++i) {
    if (want[i] > 0 && have[i] == 0) {
      distance += 1000;
    } else if (have[i] < want[i]) {
      distance += 10 * static_cast<int>(want[i] - have[i]);
    } else {
      distance += static_cast<int>(have[i] - want[i]);
    }
  }
  return distance;
}

// 4 × 4 ordered-dither thresholds, 0..15.
constexpr uint8_t kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// An 8-bit channel reduced to `bits`, rounded, or dithered with threshold t (0..15).
uint32_t Reduce(uint32_t value, uint32_t bits, bool dither, uint32_t t) {
  if (bits >= 8) return value;
  const uint32_t max = (1u << bits) - 1;
  const uint32_t bias = dither ? t * 16 + 8 : 127;
  return (value * max + bias) / 255;
}

}  // namespace

const TextureFormatInfo* FindTextureFormat(uint32_t format) {
  for (const TextureFormatInfo& info : kFormats) {
    if (info.format == format) return &info;
  }
  return nullptr;
}

size_t TextureFormatsByNearness(uint32_t wanted, std::span<uint32_t> order) {
  const TextureFormatInfo* target = FindTextureFormat(wanted);
  if (target == nullptr) return 0;
  std::array<const TextureFormatInfo*, kFormats.size()> sorted;
  for (size_t i = 0; i < kFormats.size(); ++i) sorted[i] = &kFormats[i];
  // The wanted format itself first, then by distance; equal distances keep the table's order.
  std::stable_sort(sorted.begin(), sorted.end(), [&](const TextureFormatInfo* a, const TextureFormatInfo* b) {
    if ((a == target) != (b == target)) return a == target;
    return Distance(*target, *a) < Distance(*target, *b);
  });
  const size_t count = std::min(order.size(), sorted.size());
  for (size_t i = 0; i < count; ++i) order[i] = sorted[i]->format;
  return count;
}

void PackRow(const TextureFormatInfo& info, const uint32_t* argb, uint32_t width, uint32_t y, bool dither,
             uint8_t* out) {
  for (uint32_t x = 0; x < width; ++x) {
    const uint32_t p = argb[x];
    const uint32_t t = kBayer[y & 3][x & 3];
    const uint32_t a = Reduce(p >> 24, info.alphaBits, false, t);
    const uint32_t r = Reduce((p >> 16) & 0xFF, info.redBits, dither, t);
    const uint32_t g = Reduce((p >> 8) & 0xFF, info.greenBits, dither, t);
    const uint32_t b = Reduce(p & 0xFF, info.blueBits, dither, t);
    uint32_t packed = 0;
    switch (info.format) {
      case D3DFMT_A8R8G8B8: packed = p; break;
      case D3DFMT_X8R8G8B8:
      case D3DFMT_R8G8B8: packed = 0xFF000000u | (p & 0xFFFFFF); break;
      case D3DFMT_R5G6B5: packed = r << 11 | g << 5 | b; break;
      case D3DFMT_X1R5G5B5: packed = 0x8000u | r << 10 | g << 5 | b; break;
      case D3DFMT_A1R5G5B5: packed = a << 15 | r << 10 | g << 5 | b; break;
      case D3DFMT_A4R4G4B4: packed = a << 12 | r << 8 | g << 4 | b; break;
    }
    for (uint32_t i = 0; i < info.bytesPerPixel; ++i) *out++ = static_cast<uint8_t>(packed >> (8 * i));
  }
}

}  // namespace sorvane
