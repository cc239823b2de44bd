// DDS encoding: "DDS " magic, the 124-byte surface description with an RGB
// pixel format and channel masks, then the rows top to bottom.
#include "tools/imagegen/dds_writer.h"

#include <cmath>

namespace sorvane::imagegen {

namespace {

constexpr uint32_t kDdsdCaps = 0x1, kDdsdHeight = 0x2, kDdsdWidth = 0x4, kDdsdPitch = 0x8,
                   kDdsdPixelFormat = 0x1000;
constexpr uint32_t kDdpfAlphaPixels = 0x1, kDdpfRgb = 0x40;
constexpr uint32_t kDdsCapsTexture = 0x1000;

// 4 × 4 Bayer matrix, so that 5-bit channels show no banding in soft gradients.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

uint32_t To5Bits(float v, int x, int y) {
  float threshold = (static_cast<float>(kBayer[y & 3][x & 3]) + 0.5f) / 16.0f;
  float s = std::floor(v * 31.0f + threshold);
  if (!(s > 0)) return 0;
  return s > 31 ? 31 : static_cast<uint32_t>(s);
}

}  // namespace

Bytes EncodeDds(const Canvas& canvas, DdsFormat format) {
  int w = canvas.Width(), h = canvas.Height();
  bool wide = format == DdsFormat::A8R8G8B8;
  uint32_t bytesPerPixel = wide ? 4 : 2;
  Bytes out;
  for (char c : {'D', 'D', 'S', ' '}) out.push_back(static_cast<uint8_t>(c));
  PutU32(out, 124);
  PutU32(out, kDdsdCaps | kDdsdHeight | kDdsdWidth | kDdsdPitch | kDdsdPixelFormat);
  PutU32(out, static_cast<uint32_t>(h));
  PutU32(out, static_cast<uint32_t>(w));
  PutU32(out, bytesPerPixel * static_cast<uint32_t>(w));  // pitch
  PutU32(out, 0);  // depth
  PutU32(out, 0);  // mip map count
  for (int i = 0; i < 11; ++i) PutU32(out, 0);
  PutU32(out, 32);  // pixel format size
  PutU32(out, kDdpfRgb | kDdpfAlphaPixels);
  PutU32(out, 0);  // FourCC
  if (wide) {
    PutU32(out, 32);
    PutU32(out, 0x00FF0000);
    PutU32(out, 0x0000FF00);
    PutU32(out, 0x000000FF);
    PutU32(out, 0xFF000000);
  } else {
    PutU32(out, 16);
    PutU32(out, 0x7C00);
    PutU32(out, 0x03E0);
    PutU32(out, 0x001F);
    PutU32(out, 0x8000);
  }
  PutU32(out, kDdsCapsTexture);
  for (int i = 0; i < 4; ++i) PutU32(out, 0);  // caps2, caps3, caps4, reserved

  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Rgba& p = canvas.At(x, y);
      if (wide) {
        uint8_t a = ToByte(p.a);
        bool clear = a == 0;
        out.push_back(clear ? 0 : ToByte(p.b));
        out.push_back(clear ? 0 : ToByte(p.g));
        out.push_back(clear ? 0 : ToByte(p.r));
        out.push_back(a);
      } else {
        uint32_t v = 0;
        if (p.a >= 0.5f) {
          v = 0x8000 | (To5Bits(p.r, x, y) << 10) | (To5Bits(p.g, x, y) << 5) | To5Bits(p.b, x, y);
          // An opaque texel must not be taken for the black colour key.
          if ((v & 0x7FFF) == 0) v |= 1u << 5;
        }
        PutU16(out, v);
      }
    }
  }
  return out;
}

}  // namespace sorvane::imagegen
