// The GL device's buffers and textures: a GL object each, locked as Direct3D
// 8 locks them. A lock writes memory of the device's own, which the unlock
// hands to GL: a buffer's locked range (a discarding lock orphans the
// storage first, so the draws queued before it keep theirs), a texture
// level converted to GL's layout.
#pragma once
#include <cstdint>
#include <vector>

#include "base/hresult.h"
#include "device/texture_formats_gl.h"

namespace sorvane {

struct GlBuffer {
  uint32_t name = 0;
  uint32_t target = 0;  // GL_ARRAY_BUFFER or GL_ELEMENT_ARRAY_BUFFER, for good
  uint32_t usage = 0;
  uint32_t length = 0;
  std::vector<uint8_t> memory;
  bool locked = false;
  uint32_t lockOffset = 0, lockSize = 0, lockFlags = 0;
};

// Needs the device's context current, as do the other calls. Each binds the
// buffer to its target.
HResult CreateGlBuffer(uint32_t length, uint32_t usage, uint32_t target, GlBuffer** buffer);
// size 0 locks from the offset to the end. A null buffer is refused.
HResult LockGlBuffer(GlBuffer* buffer, uint32_t offset, uint32_t size, uint32_t flags, uint8_t** data);
HResult UnlockGlBuffer(GlBuffer* buffer);
void ReleaseGlBuffer(GlBuffer* buffer);

struct GlTexture {
  uint32_t name = 0;
  const GlTextureFormat* format = nullptr;
  uint32_t width = 0, height = 0, levels = 0;
  int32_t lockedLevel = -1;
  std::vector<uint8_t> level;  // the locked level's texels
};

// One of the formats FindGlTextureFormat knows; levels 0 makes the whole
// chain. The calls bind the texture to the unit active.
HResult CreateGlTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t format, GlTexture** texture);
HResult LockGlTextureLevel(GlTexture* texture, uint32_t level, uint8_t** bits, int32_t* pitch);
HResult UnlockGlTextureLevel(GlTexture* texture, uint32_t level);
void ReleaseGlTexture(GlTexture* texture);

}  // namespace sorvane
