// Colour helpers and ramps.
#include "tools/imagegen/colour.h"

namespace sorvane::imagegen {

float SmoothStep(float edge0, float edge1, float x) {
  float t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

Rgba Hex(uint32_t rgb, float alpha) {
  return {static_cast<float>((rgb >> 16) & 255) / 255.0f, static_cast<float>((rgb >> 8) & 255) / 255.0f,
          static_cast<float>(rgb & 255) / 255.0f, alpha};
}

Rgba Mix(Rgba a, Rgba b, float t) {
  return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t), Lerp(a.a, b.a, t)};
}

Rgba Scaled(Rgba c, float factor) { return {c.r * factor, c.g * factor, c.b * factor, c.a}; }

Rgba Added(Rgba a, Rgba b) { return {a.r + b.r, a.g + b.g, a.b + b.b, a.a}; }

Rgba ColourRamp::operator()(float t) const {
  if (stops_.empty()) return {};
  if (t <= stops_.front().at) return stops_.front().colour;
  for (std::size_t i = 1; i < stops_.size(); ++i) {
    if (t <= stops_[i].at) {
      const RampStop& a = stops_[i - 1];
      const RampStop& b = stops_[i];
      float span = b.at - a.at;
      return Mix(a.colour, b.colour, span > 0 ? (t - a.at) / span : 1);
    }
  }
  return stops_.back().colour;
}

}  // namespace sorvane::imagegen
