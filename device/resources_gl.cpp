#include "device/resources_gl.h"

#include <GLES3/gl3.h>

#include <algorithm>
#include <bit>

#include "device/d3d8_constants.h"

namespace sorvane {

HResult CreateGlBuffer(uint32_t length, uint32_t usage, uint32_t target, GlBuffer** buffer) {
  if (length == 0) return D3DERR_INVALIDCALL;
  auto* b = new GlBuffer;
  b->target = target;
  b->usage = (usage & D3DUSAGE_DYNAMIC) ? GL_STREAM_DRAW : GL_STATIC_DRAW;
  b->length = length;
  b->memory.resize(length);
  glGenBuffers(1, &b->name);
  glBindBuffer(target, b->name);
  glBufferData(target, length, nullptr, b->usage);
  *buffer = b;
  return D3D_OK;
}

HResult LockGlBuffer(GlBuffer* buffer, uint32_t offset, uint32_t size, uint32_t flags, uint8_t** data) {
  if (buffer == nullptr) return D3DERR_INVALIDCALL;
  GlBuffer& b = *buffer;
  if (b.locked || offset >= b.length || size > b.length - offset) return D3DERR_INVALIDCALL;
  b.locked = true;
  b.lockOffset = offset;
  b.lockSize = size == 0 ? b.length - offset : size;
  b.lockFlags = flags;
  *data = b.memory.data() + offset;
  return D3D_OK;
}

HResult UnlockGlBuffer(GlBuffer* b) {
  if (b == nullptr || !b->locked) return D3DERR_INVALIDCALL;
  b->locked = false;
  glBindBuffer(b->target, b->name);
  if (b->lockFlags & D3DLOCK_DISCARD) {
    // New storage, empty: what draws queued before still read stays theirs,
    // and the write goes to memory no draw waits on. (Storage and data in
    // one call would write the old storage on Mesa, after the queued draws.)
    glBufferData(b->target, b->length, nullptr, b->usage);
  }
  glBufferSubData(b->target, b->lockOffset, b->lockSize, b->memory.data() + b->lockOffset);
  return D3D_OK;
}

void ReleaseGlBuffer(GlBuffer* b) {
  if (b == nullptr) return;
  glDeleteBuffers(1, &b->name);
  delete b;
}

namespace {

uint32_t LevelSize(uint32_t size, uint32_t level) { return std::max(size >> level, 1u); }

}  // namespace

HResult CreateGlTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t format, GlTexture** texture) {
  const auto chain = static_cast<uint32_t>(std::bit_width(std::max(width, height)));
  const GlTextureFormat* f = FindGlTextureFormat(format);
  if (width == 0 || height == 0 || levels > chain || f == nullptr) return D3DERR_INVALIDCALL;
  auto* t = new GlTexture;
  t->format = f;
  t->width = width;
  t->height = height;
  t->levels = levels == 0 ? chain : levels;
  glGenTextures(1, &t->name);
  glBindTexture(GL_TEXTURE_2D, t->name);
  glTexStorage2D(GL_TEXTURE_2D, static_cast<GLsizei>(t->levels), f->internalFormat, static_cast<GLsizei>(width),
                 static_cast<GLsizei>(height));
  *texture = t;
  return D3D_OK;
}

HResult LockGlTextureLevel(GlTexture* texture, uint32_t level, uint8_t** bits, int32_t* pitch) {
  if (texture == nullptr || level >= texture->levels || texture->lockedLevel >= 0) return D3DERR_INVALIDCALL;
  GlTexture& t = *texture;
  const uint32_t w = LevelSize(t.width, level), h = LevelSize(t.height, level);
  t.level.resize(size_t{w} * h * t.format->bytesPerTexel);
  t.lockedLevel = static_cast<int32_t>(level);
  *bits = t.level.data();
  *pitch = static_cast<int32_t>(w * t.format->bytesPerTexel);
  return D3D_OK;
}

HResult UnlockGlTextureLevel(GlTexture* texture, uint32_t level) {
  if (texture == nullptr || texture->lockedLevel != static_cast<int32_t>(level)) return D3DERR_INVALIDCALL;
  GlTexture& t = *texture;
  const uint32_t w = LevelSize(t.width, level), h = LevelSize(t.height, level);
  const GlTextureFormat& f = *t.format;
  ConvertTexels(f, t.level.data(), size_t{w} * h);
  glBindTexture(GL_TEXTURE_2D, t.name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexSubImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), 0, 0, static_cast<GLsizei>(w), static_cast<GLsizei>(h),
                  f.format, f.type, t.level.data());
  t.lockedLevel = -1;
  t.level = {};
  return D3D_OK;
}

void ReleaseGlTexture(GlTexture* t) {
  if (t == nullptr) return;
  glDeleteTextures(1, &t->name);
  delete t;
}

}  // namespace sorvane
