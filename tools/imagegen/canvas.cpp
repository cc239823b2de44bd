// The RGBA canvas: wrapped access, bilinear sampling, downsampling and blending.
#include "tools/imagegen/canvas.h"

#include <cmath>

namespace sorvane::imagegen {

namespace {
int Wrap(int v, int n) {
  int m = v % n;
  return m < 0 ? m + n : m;
}
}  // namespace

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

const Rgba& Canvas::AtWrapped(int x, int y) const { return At(Wrap(x, width_), Wrap(y, height_)); }

Rgba Canvas::SampleWrapped(float x, float y) const {
  float fx = x - 0.5f, fy = y - 0.5f;
  int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
  float tx = fx - static_cast<float>(x0), ty = fy - static_cast<float>(y0);
  const Rgba& p00 = AtWrapped(x0, y0);
  const Rgba& p10 = AtWrapped(x0 + 1, y0);
  const Rgba& p01 = AtWrapped(x0, y0 + 1);
  const Rgba& p11 = AtWrapped(x0 + 1, y0 + 1);
  auto lerp2 = [&](float a, float b, float c, float d) {
    float top = a + (b - a) * tx;
    float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
  };
  return {lerp2(p00.r, p10.r, p01.r, p11.r), lerp2(p00.g, p10.g, p01.g, p11.g),
          lerp2(p00.b, p10.b, p01.b, p11.b), lerp2(p00.a, p10.a, p01.a, p11.a)};
}

Canvas Canvas::Downsampled(int factor) const {
  Canvas out(width_ / factor, height_ / factor);
  float scale = 1.0f / static_cast<float>(factor * factor);
  for (int y = 0; y < out.height_; ++y) {
    for (int x = 0; x < out.width_; ++x) {
      // Colour is averaged weighted by alpha so that transparent texels do not
      // darken the edges of cut-out shapes.
      float r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < factor; ++sy) {
        for (int sx = 0; sx < factor; ++sx) {
          const Rgba& p = At(x * factor + sx, y * factor + sy);
          r += p.r * p.a;
          g += p.g * p.a;
          b += p.b * p.a;
          a += p.a;
        }
      }
      Rgba& o = out.At(x, y);
      if (a > 0) {
        o = {r / a, g / a, b / a, a * scale};
      } else {
        o = {0, 0, 0, 0};
      }
    }
  }
  return out;
}

void Canvas::Blend(int x, int y, Rgba colour, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  float k = colour.a * coverage;
  if (k <= 0) return;
  if (k > 1) k = 1;
  Rgba& d = At(x, y);
  float outA = k + d.a * (1 - k);
  if (outA <= 0) return;
  d.r = (colour.r * k + d.r * d.a * (1 - k)) / outA;
  d.g = (colour.g * k + d.g * d.a * (1 - k)) / outA;
  d.b = (colour.b * k + d.b * d.a * (1 - k)) / outA;
  d.a = outA;
}

}  // namespace sorvane::imagegen
