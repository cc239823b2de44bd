#include "device/frame_buffer_gl.h"

#include <GLES3/gl3.h>

#include <algorithm>
#include <cstring>

namespace sorvane {

GlFrameBuffers::GlFrameBuffers(uint32_t depthBits) : depthBits_(depthBits) {
  glGenFramebuffers(2, framebuffers_.data());
  glGenRenderbuffers(2, colours_.data());
  if (depthBits_ != 0) glGenRenderbuffers(1, &depth_);
}

GlFrameBuffers::~GlFrameBuffers() {
  glDeleteFramebuffers(2, framebuffers_.data());
  glDeleteRenderbuffers(2, colours_.data());
  if (depth_ != 0) glDeleteRenderbuffers(1, &depth_);
}

void GlFrameBuffers::Prepare(uint32_t width, uint32_t height) {
  width = std::max(width, 1u);
  height = std::max(height, 1u);
  if (width != width_ || height != height_) {
    width_ = width;
    height_ = height;
    shown_ = false;
    const auto w = static_cast<GLsizei>(width), h = static_cast<GLsizei>(height);
    if (depth_ != 0) {
      glBindRenderbuffer(GL_RENDERBUFFER, depth_);
      glRenderbufferStorage(GL_RENDERBUFFER, depthBits_ == 16 ? GL_DEPTH_COMPONENT16 : GL_DEPTH_COMPONENT24, w, h);
    }
    for (int i = 0; i < 2; ++i) {
      glBindRenderbuffer(GL_RENDERBUFFER, colours_[i]);
      glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, w, h);
      glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffers_[i]);
      glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colours_[i]);
      if (depth_ != 0) glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    }
    glViewport(0, 0, w, h);
  }
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffers_[drawn_]);
}

void GlFrameBuffers::Present(bool toWindow) {
  if (width_ == 0) return;
  if (toWindow) {
    const auto w = static_cast<GLint>(width_), h = static_cast<GLint>(height_);
    // Bound, the window's framebuffer takes the window's present size first.
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffers_[drawn_]);
    glBlitFramebuffer(0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  }
  drawn_ ^= 1;
  // Away from the window's framebuffer until the next blit: GL reads the
  // window's size whenever that framebuffer is bound and in use.
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffers_[drawn_]);
  shown_ = true;
}

bool GlFrameBuffers::Read(uint32_t* width, uint32_t* height, std::vector<uint32_t>* pixels) const {
  if (!shown_) return false;
  *width = width_;
  *height = height_;
  pixels->resize(size_t{width_} * height_);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffers_[drawn_ ^ 1]);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  // R, G, B, A bytes, the one layout every ES reads back.
  glReadPixels(0, 0, static_cast<GLsizei>(width_), static_cast<GLsizei>(height_), GL_RGBA, GL_UNSIGNED_BYTE,
               pixels->data());
  // GL's rows run from the bottom.
  for (uint32_t y = 0; y < height_ / 2; ++y) {
    std::swap_ranges(pixels->begin() + y * width_, pixels->begin() + (y + 1) * width_,
                     pixels->begin() + (height_ - 1 - y) * width_);
  }
  for (uint32_t& p : *pixels) {
    uint8_t rgba[4];
    std::memcpy(rgba, &p, 4);
    p = 0xFF000000u | uint32_t{rgba[0]} << 16 | uint32_t{rgba[1]} << 8 | rgba[2];
  }
  return true;
}

}  // namespace sorvane
