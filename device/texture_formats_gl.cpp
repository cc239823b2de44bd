#include "device/texture_formats_gl.h"

#include <GLES3/gl3.h>

#include <cstring>
#include <utility>

#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

constexpr GlTextureFormat kFormats[] = {
    {D3DFMT_A8R8G8B8, 4, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE},
    {D3DFMT_X8R8G8B8, 4, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE},
    {D3DFMT_R8G8B8, 3, GL_RGB8, GL_RGB, GL_UNSIGNED_BYTE},
    {D3DFMT_R5G6B5, 2, GL_RGB565, GL_RGB, GL_UNSIGNED_SHORT_5_6_5},
    {D3DFMT_X1R5G5B5, 2, GL_RGB5_A1, GL_RGBA, GL_UNSIGNED_SHORT_5_5_5_1},
    {D3DFMT_A1R5G5B5, 2, GL_RGB5_A1, GL_RGBA, GL_UNSIGNED_SHORT_5_5_5_1},
    {D3DFMT_A4R4G4B4, 2, GL_RGBA4, GL_RGBA, GL_UNSIGNED_SHORT_4_4_4_4},
};

// Direct3D keeps alpha in the top bits of a 16-bit texel, GL in the bottom:
// the word turns left by alpha's width. `set` forces bits of the result.
void RotateWords(uint8_t* texels, size_t count, int bits, uint16_t set) {
  for (size_t i = 0; i < count; ++i) {
    uint16_t w;
    std::memcpy(&w, texels + 2 * i, 2);
    w = static_cast<uint16_t>(w << bits | w >> (16 - bits) | set);
    std::memcpy(texels + 2 * i, &w, 2);
  }
}

}  // namespace

const GlTextureFormat* FindGlTextureFormat(uint32_t d3dFormat) {
  for (const GlTextureFormat& f : kFormats) {
    if (f.d3d == d3dFormat) return &f;
  }
  return nullptr;
}

void ConvertTexels(const GlTextureFormat& format, uint8_t* texels, size_t count) {
  switch (format.d3d) {
    case D3DFMT_A8R8G8B8:
    case D3DFMT_X8R8G8B8:
    case D3DFMT_R8G8B8: {
      // B, G, R(, A) in memory: red and blue change places.
      const uint32_t step = format.bytesPerTexel;
      const bool opaque = format.d3d == D3DFMT_X8R8G8B8;
      for (size_t i = 0; i < count; ++i) {
        uint8_t* t = texels + step * i;
        std::swap(t[0], t[2]);
        if (opaque) t[3] = 0xFF;
      }
      break;
    }
    case D3DFMT_X1R5G5B5: RotateWords(texels, count, 1, 1); break;
    case D3DFMT_A1R5G5B5: RotateWords(texels, count, 1, 0); break;
    case D3DFMT_A4R4G4B4: RotateWords(texels, count, 4, 0); break;
    default: break;  // R5G6B5 is GL's own layout
  }
}

}  // namespace sorvane
