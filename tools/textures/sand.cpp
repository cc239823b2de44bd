// Sand: a periodic ripple height field lit from one side, with grain on top.
#include "tools/textures/sand.h"

#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

namespace {

constexpr float kTwoPi = 6.28318530718f;

// Gentle windward slope, steeper lee side.
float RippleProfile(float s) {
  float t = s - std::floor(s);
  return t < 0.7f ? SmoothStep(0.0f, 1.0f, t / 0.7f) : SmoothStep(0.0f, 1.0f, (1.0f - t) / 0.3f);
}

float RippleHeight(float u, float v, const SandParams& p) {
  float warp = p.rippleWarp * Fbm(u * 3, v * 3, 3, 3, p.seed, {3, 0.5f}) +
               0.025f * std::sin(kTwoPi * v * 2);
  return RippleProfile((u + warp) * static_cast<float>(p.ripplesAcross));
}

}  // namespace

Canvas PaintSand(const SandParams& p) {
  Rgba base = Hex(p.baseColour);
  float step = 1.0f / static_cast<float>(p.size);
  return Paint(p.size, p.size, 2, [&](float u, float v) {
    // Light falls from the −u side: slopes facing it are brighter.
    float slope = (RippleHeight(u + step, v, p) - RippleHeight(u - step, v, p)) / (2 * step);
    float light = -slope / static_cast<float>(p.ripplesAcross) * 0.22f;
    float height = RippleHeight(u, v, p);
    float patch = Fbm(u * 4, v * 4, 4, 4, p.seed + 1, {4, 0.55f});
    float grain = ValueNoise(u * p.size, v * p.size, p.size, p.size, p.seed + 2) - 0.5f;
    float fine = HashUnit(static_cast<uint32_t>(u * p.size * 2), static_cast<uint32_t>(v * p.size * 2), 0,
                          p.seed + 3);
    float shade = 1.0f + p.rippleContrast * (light + 0.35f * (height - 0.5f)) + p.patchContrast * patch +
                  p.grainContrast * (grain + 0.6f * (fine - 0.5f));
    Rgba c = Scaled(base, shade);
    // Greyer in the troughs where fine silt settles.
    c = Mix(c, Scaled(Hex(0xb9ad94), shade), 0.25f * (1.0f - height));
    if (fine > 1.0f - p.speckDensity) c = Mix(c, Hex(0xfffaf0), 0.7f);
    if (fine < p.speckDensity * 3) c = Scaled(c, 0.7f);
    return c;
  });
}

}  // namespace sorvane::imagegen
