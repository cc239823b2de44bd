// Colour arithmetic for the generators: mixing, hex colours, smooth steps and
// colour ramps (gradients through a list of stops).
#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

inline float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }
float SmoothStep(float edge0, float edge1, float x);

// 0xRRGGBB to an opaque colour.
Rgba Hex(uint32_t rgb, float alpha = 1);
Rgba Mix(Rgba a, Rgba b, float t);
Rgba Scaled(Rgba c, float factor);  // colour channels only
Rgba Added(Rgba a, Rgba b);          // colour channels only

struct RampStop {
  float at;
  Rgba colour;
};

// Piecewise-linear gradient; stops must be given in increasing order of `at`.
class ColourRamp {
 public:
  ColourRamp(std::initializer_list<RampStop> stops) : stops_(stops) {}
  Rgba operator()(float t) const;

 private:
  std::vector<RampStop> stops_;
};

}  // namespace sorvane::imagegen
