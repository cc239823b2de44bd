// The frames the GL device draws into: two framebuffer objects of the frame's
// size (colour RGBA8 each, one depth buffer between them), one drawn while the
// other keeps the frame shown last, which is read back from there.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace sorvane {

class GlFrameBuffers {
 public:
  // depthBits 0 for none, else 16 or 24. Needs the context current.
  explicit GlFrameBuffers(uint32_t depthBits);
  ~GlFrameBuffers();
  GlFrameBuffers(const GlFrameBuffers&) = delete;
  GlFrameBuffers& operator=(const GlFrameBuffers&) = delete;

  // Gives the frames this size when they have another, and draws into the
  // one not shown.
  void Prepare(uint32_t width, uint32_t height);
  // The drawn frame becomes the shown one; toWindow copies it to the window
  // surface's back buffer too.
  void Present(bool toWindow);
  // The shown frame, rows from the top, 0xAARRGGBB (alpha 0xFF: the back
  // buffer is X8R8G8B8); false before the first Present.
  bool Read(uint32_t* width, uint32_t* height, std::vector<uint32_t>* pixels) const;

 private:
  uint32_t depthBits_;
  uint32_t width_ = 0, height_ = 0;
  std::array<uint32_t, 2> framebuffers_{}, colours_{};
  uint32_t depth_ = 0;
  uint32_t drawn_ = 0;
  bool shown_ = false;
};

}  // namespace sorvane
