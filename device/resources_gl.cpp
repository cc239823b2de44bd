#include "device/resources_gl.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <bit>

#include "device/d3d8_constants.h"

namespace sorvane {

HResult CreateGlBuffer(uint32_t length, uint32_t usage, GlBuffer** buffer) {
  if (length == 0) return D3DERR_INVALIDCALL;
  auto* b = new GlBuffer;
  b->length = length;
  glCreateBuffers(1, &b->name);
  glNamedBufferData(b->name, length, nullptr, (usage & D3DUSAGE_DYNAMIC) ? GL_STREAM_DRAW : GL_STATIC_DRAW);
  *buffer = b;
  return D3D_OK;
}

HResult LockGlBuffer(GlBuffer* buffer, uint32_t offset, uint32_t size, uint32_t flags, uint8_t** data) {
  if (buffer == nullptr) return D3DERR_INVALIDCALL;
  GlBuffer& b = *buffer;
  if (b.locked || offset >= b.length || size > b.length - offset) return D3DERR_INVALIDCALL;
  if (size == 0) size = b.length - offset;
  GLbitfield access = GL_MAP_WRITE_BIT;
  if (flags & D3DLOCK_DISCARD) access |= GL_MAP_INVALIDATE_BUFFER_BIT;
  void* p = glMapNamedBufferRange(b.name, offset, size, access);
  if (p == nullptr) return D3DERR_INVALIDCALL;
  b.locked = true;
  *data = static_cast<uint8_t*>(p);
  return D3D_OK;
}

HResult UnlockGlBuffer(GlBuffer* b) {
  if (b == nullptr || !b->locked) return D3DERR_INVALIDCALL;
  b->locked = false;
  glUnmapNamedBuffer(b->name);
  return D3D_OK;
}

void ReleaseGlBuffer(GlBuffer* b) {
  if (b == nullptr) return;
  if (b->locked) glUnmapNamedBuffer(b->name);
  glDeleteBuffers(1, &b->name);
  delete b;
}

HResult CreateGlTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t format, GlTexture** texture) {
  const auto chain = static_cast<uint32_t>(std::bit_width(std::max(width, height)));
  if (width == 0 || height == 0 || levels > chain || (format != D3DFMT_A8R8G8B8 && format != D3DFMT_X8R8G8B8)) {
    return D3DERR_INVALIDCALL;
  }
  auto* t = new GlTexture;
  t->width = width;
  t->height = height;
  t->levels = levels == 0 ? chain : levels;
  glCreateTextures(GL_TEXTURE_2D, 1, &t->name);
  glTextureStorage2D(t->name, static_cast<GLsizei>(t->levels), format == D3DFMT_X8R8G8B8 ? GL_RGB8 : GL_RGBA8,
                     static_cast<GLsizei>(width), static_cast<GLsizei>(height));
  *texture = t;
  return D3D_OK;
}

namespace {

uint32_t LevelSize(uint32_t size, uint32_t level) { return std::max(size >> level, 1u); }

}  // namespace

HResult LockGlTextureLevel(GlTexture* texture, uint32_t level, uint8_t** bits, int32_t* pitch) {
  if (texture == nullptr || level >= texture->levels || texture->lockedLevel >= 0) return D3DERR_INVALIDCALL;
  GlTexture& t = *texture;
  const uint32_t w = LevelSize(t.width, level), h = LevelSize(t.height, level);
  t.level.resize(size_t{w} * h * 4);
  t.lockedLevel = static_cast<int32_t>(level);
  *bits = t.level.data();
  *pitch = static_cast<int32_t>(w * 4);
  return D3D_OK;
}

HResult UnlockGlTextureLevel(GlTexture* texture, uint32_t level) {
  if (texture == nullptr || texture->lockedLevel != static_cast<int32_t>(level)) return D3DERR_INVALIDCALL;
  GlTexture& t = *texture;
  const uint32_t w = LevelSize(t.width, level), h = LevelSize(t.height, level);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  // B, G, R, A in memory: 0xAARRGGBB words.
  glTextureSubImage2D(t.name, static_cast<GLint>(level), 0, 0, static_cast<GLsizei>(w), static_cast<GLsizei>(h),
                      GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, t.level.data());
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
