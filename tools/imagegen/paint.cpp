// Supersampled painting and shape tests.
#include "tools/imagegen/paint.h"

#include <algorithm>
#include <cmath>

namespace sorvane::imagegen {

Canvas Paint(int width, int height, int supersample, const ColourFunction& colour) {
  int w = width * supersample, h = height * supersample;
  Canvas big(w, h);
  for (int y = 0; y < h; ++y) {
    float v = (static_cast<float>(y) + 0.5f) / static_cast<float>(h);
    for (int x = 0; x < w; ++x) {
      float u = (static_cast<float>(x) + 0.5f) / static_cast<float>(w);
      big.At(x, y) = colour(u, v);
    }
  }
  return supersample == 1 ? big : big.Downsampled(supersample);
}

float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry) {
  float dx = (x - cx) / rx, dy = (y - cy) / ry;
  float k = std::sqrt(dx * dx + dy * dy);
  return (k - 1.0f) * std::min(rx, ry);
}

bool InsideTriangle(float x, float y, float ax, float ay, float bx, float by, float cx, float cy) {
  float d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by);
  float d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy);
  float d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay);
  bool negative = d1 < 0 || d2 < 0 || d3 < 0;
  bool positive = d1 > 0 || d2 > 0 || d3 > 0;
  return !(negative && positive);
}

float SegmentDistance(float x, float y, float ax, float ay, float bx, float by) {
  float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
  float len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
  float ex = px - t * dx, ey = py - t * dy;
  return std::sqrt(ex * ex + ey * ey);
}

}  // namespace sorvane::imagegen
