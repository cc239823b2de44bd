// A floating-point RGBA picture: every generator paints into one of these and a
// writer turns it into file bytes at the end.
#pragma once
#include <cstddef>
#include <vector>

namespace sorvane::imagegen {

// Colour with straight (not premultiplied) alpha, all channels nominally 0 … 1.
struct Rgba {
  float r = 0, g = 0, b = 0, a = 1;
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Rgba fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgba& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  // Coordinates wrap around both edges: for tiling textures.
  const Rgba& AtWrapped(int x, int y) const;
  // Bilinear sample at pixel coordinates (pixel centres at +0.5), wrapping.
  Rgba SampleWrapped(float x, float y) const;

  // Box-filters factor × factor blocks into one pixel (for supersampled drawing).
  Canvas Downsampled(int factor) const;

  // Alpha-blends `colour` over the pixel with the given coverage (0 … 1).
  void Blend(int x, int y, Rgba colour, float coverage);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgba> pixels_;
};

}  // namespace sorvane::imagegen
