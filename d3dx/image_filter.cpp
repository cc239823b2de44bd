// Colour key, scaling and mip halving of A8R8G8B8 images.
#include "d3dx/image_filter.h"

#include <algorithm>
#include <cmath>

namespace sorvane {
namespace {

uint32_t Channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

// Bilinear sample at (fx, fy) in pixel units, pixel centres at whole numbers.
uint32_t Sample(const Image& image, float fx, float fy) {
  fx = std::clamp(fx, 0.0f, static_cast<float>(image.width - 1));
  fy = std::clamp(fy, 0.0f, static_cast<float>(image.height - 1));
  const uint32_t x0 = static_cast<uint32_t>(fx), y0 = static_cast<uint32_t>(fy);
  const uint32_t x1 = std::min(x0 + 1, image.width - 1), y1 = std::min(y0 + 1, image.height - 1);
  const float ax = fx - static_cast<float>(x0), ay = fy - static_cast<float>(y0);
  const uint32_t p00 = image.pixels[y0 * image.width + x0], p10 = image.pixels[y0 * image.width + x1];
  const uint32_t p01 = image.pixels[y1 * image.width + x0], p11 = image.pixels[y1 * image.width + x1];
  uint32_t result = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const float top = Channel(p00, shift) + (static_cast<float>(Channel(p10, shift)) - Channel(p00, shift)) * ax;
    const float bottom = Channel(p01, shift) + (static_cast<float>(Channel(p11, shift)) - Channel(p01, shift)) * ax;
    result |= static_cast<uint32_t>(std::lround(top + (bottom - top) * ay)) << shift;
  }
  return result;
}

}  // namespace

void ApplyColorKey(Image* image, uint32_t key) {
  if (key == 0) return;
  std::replace(image->pixels.begin(), image->pixels.end(), key, 0u);
}

Image ScaleImage(const Image& image, uint32_t width, uint32_t height, uint32_t kind) {
  Image out;
  out.width = width;
  out.height = height;
  out.pixels.assign(static_cast<size_t>(width) * height, 0);
  const float scaleX = static_cast<float>(image.width) / static_cast<float>(width);
  const float scaleY = static_cast<float>(image.height) / static_cast<float>(height);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      uint32_t& pixel = out.pixels[static_cast<size_t>(y) * width + x];
      if (kind == D3DX_FILTER_NONE) {
        if (x < image.width && y < image.height) pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
      } else if (kind == D3DX_FILTER_POINT) {
        const uint64_t sx = static_cast<uint64_t>(x) * image.width / width;
        const uint64_t sy = static_cast<uint64_t>(y) * image.height / height;
        pixel = image.pixels[sy * image.width + sx];
      } else {
        pixel = Sample(image, (static_cast<float>(x) + 0.5f) * scaleX - 0.5f, (static_cast<float>(y) + 0.5f) * scaleY - 0.5f);
      }
    }
  }
  return out;
}

Image HalveImage(const Image& image, uint32_t kind) {
  Image out;
  out.width = std::max(1u, image.width / 2);
  out.height = std::max(1u, image.height / 2);
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  // A side already 1 pixel long is not halved, so its blocks are one pixel deep.
  const uint32_t stepX = image.width > 1 ? 2 : 1, stepY = image.height > 1 ? 2 : 1;
  for (uint32_t y = 0; y < out.height; ++y) {
    for (uint32_t x = 0; x < out.width; ++x) {
      const uint32_t sx = x * stepX, sy = y * stepY;
      uint32_t& pixel = out.pixels[static_cast<size_t>(y) * out.width + x];
      if (kind == D3DX_FILTER_POINT || kind == D3DX_FILTER_NONE) {
        pixel = image.pixels[static_cast<size_t>(sy) * image.width + sx];
        continue;
      }
      const uint32_t count = stepX * stepY;
      pixel = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        uint32_t sum = 0;
        for (uint32_t dy = 0; dy < stepY; ++dy) {
          for (uint32_t dx = 0; dx < stepX; ++dx) {
            sum += Channel(image.pixels[static_cast<size_t>(sy + dy) * image.width + sx + dx], shift);
          }
        }
        pixel |= (sum + count / 2) / count << shift;
      }
    }
  }
  return out;
}

}  // namespace sorvane
