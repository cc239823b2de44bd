// The GL device's buffers and textures: a GL object each, locked as Direct3D
// 8 locks them. A buffer lock maps the range (a discarding lock orphans the
// storage first, so the draws queued before it keep theirs); a texture level
// is written in Direct3D's format in memory of its own and uploaded when it
// is unlocked.
#pragma once
#include <cstdint>
#include <vector>

#include "base/hresult.h"

namespace sorvane {

struct GlBuffer {
  uint32_t name = 0;
  uint32_t length = 0;
  bool locked = false;
};

// Needs the device's context current, as do the other calls.
HResult CreateGlBuffer(uint32_t length, uint32_t usage, GlBuffer** buffer);
// size 0 locks from the offset to the end. A null buffer is refused.
HResult LockGlBuffer(GlBuffer* buffer, uint32_t offset, uint32_t size, uint32_t flags, uint8_t** data);
HResult UnlockGlBuffer(GlBuffer* buffer);
void ReleaseGlBuffer(GlBuffer* buffer);

struct GlTexture {
  uint32_t name = 0;
  uint32_t width = 0, height = 0, levels = 0;
  int32_t lockedLevel = -1;
  std::vector<uint8_t> level;  // the locked level's pixels
};

// A8R8G8B8 or X8R8G8B8 (whose alpha reads 1); levels 0 makes the whole chain.
HResult CreateGlTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t format, GlTexture** texture);
HResult LockGlTextureLevel(GlTexture* texture, uint32_t level, uint8_t** bits, int32_t* pitch);
HResult UnlockGlTextureLevel(GlTexture* texture, uint32_t level);
void ReleaseGlTexture(GlTexture* texture);

}  // namespace sorvane
