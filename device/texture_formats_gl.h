// Direct3D 8's texture formats on OpenGL ES 3.0: the GL format each is
// stored in, and the conversion of its texels, as Direct3D lays them out in
// memory, into what GL takes. ES reads no BGRA and knows none of the 16-bit
// layouts with alpha in the top bits, so those are reordered at upload.
#pragma once
#include <cstddef>
#include <cstdint>

namespace sorvane {

struct GlTextureFormat {
  uint32_t d3d = 0;
  uint32_t bytesPerTexel = 0;
  uint32_t internalFormat = 0, format = 0, type = 0;  // GL enums
};

// Null for a format the device does not store.
const GlTextureFormat* FindGlTextureFormat(uint32_t d3dFormat);

// Rewrites `count` texels of the format in place as GL reads them; an
// X format's unused bits become an opaque alpha.
void ConvertTexels(const GlTextureFormat& format, uint8_t* texels, size_t count);

}  // namespace sorvane
