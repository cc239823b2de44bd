// Fish skin painter: countershaded body, species pattern, scales, head, eye and
// gills on the body strip; rayed fins with a keyed ragged edge on the fin strip.
#include "tools/textures/fish_skins.h"

#include <algorithm>
#include <cmath>

#include "tools/imagegen/bytes.h"
#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

namespace {

constexpr float kBodyEnd = 0.75f;  // v where the body strip ends and the fin strip begins
constexpr float kEyeU = 0.075f, kEyeB = 0.36f;
constexpr float kTwoPi = 6.28318530718f;

float Fract(float x) { return x - std::floor(x); }

// Body colour from back to belly.
Rgba Countershade(const FishSkinStyle& s, float b) {
  Rgba back = Hex(s.back), flank = Hex(s.flank), belly = Hex(s.belly);
  if (b < 0.5f) return Mix(back, flank, SmoothStep(0.0f, 0.5f, b));
  return Mix(flank, belly, SmoothStep(s.bellyStart - 0.1f, s.bellyStart + 0.15f, b));
}

// 1 on the pattern, 0 off it; `edge` set near the pattern's border.
float PatternMask(const FishSkinStyle& s, float u, float b, uint32_t seed, bool& edge) {
  edge = false;
  if (u < s.from || u > s.to || b < s.top || b > s.bottom) return 0;
  float span = s.to - s.from;
  switch (s.pattern) {
    case FishPattern::None:
      return 0;
    case FishPattern::VerticalBands: {
      // Bands bow backward toward the belly and the back, like real bars.
      float bend = 0.03f * (b - 0.5f) * (b - 0.5f) * 4;
      float x = (u - s.from + bend) / span * static_cast<float>(s.count);
      float d = std::fabs(Fract(x) - 0.5f) * span / static_cast<float>(s.count);
      edge = d < s.width * 0.5f + 0.012f && d >= s.width * 0.5f;
      return d < s.width * 0.5f ? 1.0f : 0.0f;
    }
    case FishPattern::HorizontalStripes: {
      // Stripes converge toward the tail.
      float y = 0.5f + (b - 0.5f) * (1.0f + 0.35f * u);
      float yy = (y - s.top) / (s.bottom - s.top) * static_cast<float>(s.count);
      float d = std::fabs(Fract(yy) - 0.5f) * (s.bottom - s.top) / static_cast<float>(s.count);
      edge = d < s.width * 0.5f + 0.02f && d >= s.width * 0.5f;
      return d < s.width * 0.5f ? 1.0f : 0.0f;
    }
    case FishPattern::Spots: {
      CellularResult c = Cellular(u * s.count * 2.5f, b * s.count, 0, seed, 0.8f);
      float r = s.width * (0.7f + 0.6f * HashUnit(c.id, 0, 0, seed));
      edge = c.f1 < r + 0.06f && c.f1 >= r;
      return c.f1 < r ? 1.0f : 0.0f;
    }
    case FishPattern::Reticulate: {
      CellularResult c = Cellular(u * s.count * 2.5f, b * s.count, 0, seed, 0.7f);
      return (c.f2 - c.f1) < s.width ? 1.0f : 0.0f;
    }
    case FishPattern::Chevrons: {
      float x = u * static_cast<float>(s.count) + 0.6f * std::fabs(b - 0.15f) +
                0.15f * std::sin(b * 18.0f + u * 7.0f);
      // width is the dark share of each bar's period here.
      return std::fabs(Fract(x) - 0.5f) < s.width * 0.5f ? 1.0f : 0.0f;
    }
    case FishPattern::DiagonalLines: {
      float x = (u - s.from) / span * static_cast<float>(s.count) + b * 1.2f;
      float d = std::fabs(Fract(x) - 0.5f) * span / static_cast<float>(s.count);
      edge = d < s.width * 0.5f + 0.01f && d >= s.width * 0.5f;
      return d < s.width * 0.5f ? 1.0f : 0.0f;
    }
  }
  return 0;
}

Rgba BodyColour(const FishSkinStyle& s, float u, float b, uint32_t seed) {
  Rgba c = Countershade(s, b);
  bool edge = false;
  float mask = PatternMask(s, u, b, seed, edge);
  if (edge && s.outlineColour) c = Hex(s.outlineColour);
  if (mask > 0) c = Hex(s.patternColour);
  if (s.tailColour) c = Mix(c, Hex(s.tailColour), SmoothStep(s.tailFrom, s.tailFrom + 0.12f, u));
  if (s.headColour) c = Mix(c, Hex(s.headColour), SmoothStep(0.2f, 0.12f, u) * 0.85f);
  // Silvery shine along the middle of the flank.
  float shine = std::exp(-std::pow((b - 0.5f) / 0.18f, 2.0f)) * s.sheen;
  c = Mix(c, Hex(0xf0f6fa), shine);
  // Scales: rims of an offset grid, finer toward the tail and absent on the head.
  float rows = 14.0f, cols = 44.0f;
  float sy = b * rows, sx = u * cols + (static_cast<int>(std::floor(sy)) % 2) * 0.5f;
  float rim = std::max(std::fabs(Fract(sx) - 0.5f) * 2, std::fabs(Fract(sy) - 0.5f) * 2);
  c = Scaled(c, 1.0f - s.scales * SmoothStep(0.7f, 1.0f, rim) * SmoothStep(0.15f, 0.25f, u));
  // Gill cover: a darker arc behind the eye.
  float gill = std::fabs(u - (0.16f + 0.04f * std::pow((b - 0.5f) * 2, 2.0f)));
  if (b > 0.2f && b < 0.85f) c = Scaled(c, 1.0f - 0.25f * SmoothStep(0.012f, 0.0f, gill));
  // Mouth line and the lower body shading toward the midlines.
  if (u < 0.025f && std::fabs(b - 0.52f) < 0.02f) c = Scaled(c, 0.45f);
  c = Scaled(c, 0.85f + 0.15f * std::sin(b * 3.14159f));
  if (s.eyeStripe) {
    float bar = std::fabs(u - kEyeU - 0.03f * (b - kEyeB));
    if (bar < 0.03f) c = Mix(c, Hex(0x141414), 0.9f);
  }
  // The eye: iris ring, pupil, glint. Radii in texels, so it stays round.
  float ex = (u - kEyeU) * kSkinWidth, ey = (b - kEyeB) * kBodyEnd * kSkinHeight;
  float r = std::sqrt(ex * ex + ey * ey);
  if (r < 5.5f) c = Hex(0xd8b040);
  if (r < 3.6f) c = Hex(0x0c0c10);
  if (std::hypot(ex + 1.2f, ey + 1.2f) < 1.1f) c = Hex(0xf2f2f2);
  if (r >= 5.5f && r < 6.5f) c = Scaled(c, 0.6f);
  return c;
}

// `cut` is set where the membrane is cut away (the key colour).
Rgba FinColour(const FishSkinStyle& s, float u, float f, uint32_t key, bool& cut) {
  Rgba base = s.finColour ? Hex(s.finColour) : Hex(s.flank);
  Rgba edgeColour = s.finEdgeColour ? Hex(s.finEdgeColour) : base;
  float rays = 40.0f;
  float across = Fract(u * rays);
  float ray = std::exp(-std::pow((across - 0.5f) / 0.12f, 2.0f));
  // Membrane recedes between the rays near the free edge.
  cut = f > 0.8f + 0.17f * ray + 0.03f * std::sin(u * kTwoPi * 3);
  if (cut) return Hex(key);
  Rgba c = Mix(base, edgeColour, SmoothStep(0.55f, 0.8f, f));
  c = Scaled(c, 0.8f + 0.3f * ray - 0.15f * f);
  return c;
}

// Nudges a colour that would encode as the key so that it stays opaque.
Rgba AvoidKey(Rgba c, uint32_t key) {
  uint32_t rgb = (static_cast<uint32_t>(ToByte(c.r)) << 16) | (static_cast<uint32_t>(ToByte(c.g)) << 8) | ToByte(c.b);
  if (rgb != key) return c;
  c.g -= 2.0f / 255.0f;
  return c;
}

}  // namespace

uint32_t FishSkinKey(int species) { return species == 0 ? 0xFFFFFF : 0x00FF00; }

Canvas PaintFishSkin(const FishSkinStyle& s, uint32_t key, uint32_t seed) {
  // No supersampling: the fin edge must stay exactly the key colour, unblended.
  Canvas skin = Paint(kSkinWidth, kSkinHeight, 1, [&](float u, float v) {
    if (v < kBodyEnd) return AvoidKey(BodyColour(s, u, v / kBodyEnd, seed), key);
    float f = (v - kBodyEnd) / (1.0f - kBodyEnd);
    bool cut = false;
    Rgba c = FinColour(s, u, f, key, cut);
    return cut ? c : AvoidKey(c, key);
  });
  return skin;
}

std::vector<FishSkinStyle> FishSkinStyles() {
  using P = FishPattern;
  return {
      {.name = "clownfish", .back = 0xc8461a, .flank = 0xf57f1a, .belly = 0xffa23a,
       .pattern = P::VerticalBands, .patternColour = 0xf6f3ea, .outlineColour = 0x141414, .count = 3,
       .width = 0.11f, .from = 0.04f, .to = 1.0f, .sheen = 0.05f, .scales = 0.06f, .finColour = 0xf0781a,
       .finEdgeColour = 0x1a1a1a},
      {.name = "blue tang", .back = 0x10358c, .flank = 0x1c58c4, .belly = 0x3a7ad8,
       .pattern = P::HorizontalStripes, .patternColour = 0x0b1230, .count = 1, .width = 0.16f,
       .from = 0.12f, .to = 0.86f, .top = 0.1f, .bottom = 0.7f, .tailColour = 0xffd21e, .tailFrom = 0.82f,
       .sheen = 0.05f, .scales = 0.05f, .finColour = 0x1c4ab0, .finEdgeColour = 0x0b1230},
      {.name = "yellow tang", .back = 0xe8c000, .flank = 0xffd81c, .belly = 0xfff06a,
       .sheen = 0.06f, .scales = 0.08f, .finColour = 0xf6cc10, .finEdgeColour = 0xfff0a0},
      {.name = "sergeant major", .back = 0x8e9a40, .flank = 0xd6d8a0, .belly = 0xeeeee0,
       .pattern = P::VerticalBands, .patternColour = 0x1e2420, .count = 5, .width = 0.06f, .from = 0.18f,
       .to = 0.98f, .bottom = 0.8f, .sheen = 0.15f, .finColour = 0xc8c8a0, .finEdgeColour = 0x8a8a70},
      {.name = "mackerel", .back = 0x1a5860, .flank = 0x78a6aa, .belly = 0xe8eef0,
       .pattern = P::Chevrons, .patternColour = 0x0b2a30, .count = 12, .width = 0.35f, .from = 0.18f,
       .to = 1.0f, .bottom = 0.42f, .sheen = 0.45f, .finColour = 0x5a7a80, .finEdgeColour = 0x9ab0b4},
      {.name = "cardinal", .back = 0x2c3040, .flank = 0xc02a30, .belly = 0xe4403c, .bellyStart = 0.5f,
       .pattern = P::HorizontalStripes, .patternColour = 0x34dcff, .count = 1, .width = 0.13f,
       .from = 0.1f, .to = 1.0f, .top = 0.25f, .bottom = 0.55f, .sheen = 0.0f, .scales = 0.05f,
       .finColour = 0xc83036, .finEdgeColour = 0xf0a0a0},
      {.name = "grouper", .back = 0x553722, .flank = 0x7a5434, .belly = 0xb48c6a,
       .pattern = P::Spots, .patternColour = 0xdcc29a, .count = 11, .width = 0.2f, .from = 0.0f,
       .to = 1.0f, .sheen = 0.0f, .scales = 0.1f, .finColour = 0x5a3c26, .finEdgeColour = 0x2e2014},
      {.name = "parrotfish", .back = 0x178070, .flank = 0x34b89a, .belly = 0x94dcc0,
       .pattern = P::Reticulate, .patternColour = 0xe07aa6, .count = 9, .width = 0.07f, .from = 0.2f,
       .to = 1.0f, .tailColour = 0xe06a9a, .tailFrom = 0.85f, .headColour = 0xf08a6a, .sheen = 0.05f,
       .scales = 0.05f, .finColour = 0x2aa890, .finEdgeColour = 0xe07aa6},
      {.name = "butterflyfish", .back = 0xf8d040, .flank = 0xfcf0cc, .belly = 0xfdf8ea,
       .pattern = P::DiagonalLines, .patternColour = 0xe0c890, .count = 10, .width = 0.012f, .from = 0.2f,
       .to = 0.7f, .tailColour = 0xffc41c, .tailFrom = 0.6f, .eyeStripe = true, .sheen = 0.05f,
       .scales = 0.04f, .finColour = 0xffc81c, .finEdgeColour = 0x141414},
      {.name = "emperor angelfish", .back = 0x18288a, .flank = 0x1e3cae, .belly = 0x2848b6,
       .pattern = P::HorizontalStripes, .patternColour = 0xffd43c, .count = 8, .width = 0.03f,
       .from = 0.22f, .to = 0.95f, .tailColour = 0xffc830, .tailFrom = 0.9f, .headColour = 0x3a5ac8,
       .eyeStripe = true, .sheen = 0.0f, .scales = 0.04f, .finColour = 0x1a2c90, .finEdgeColour = 0x6ab0ff},
      {.name = "lionfish", .back = 0x7e2416, .flank = 0xce6c52, .belly = 0xf2d6c6,
       .pattern = P::VerticalBands, .patternColour = 0xf4e4da, .count = 11, .width = 0.022f, .from = 0.05f,
       .to = 1.0f, .sheen = 0.0f, .scales = 0.04f, .finColour = 0xd0604a, .finEdgeColour = 0xf4e4da},
      {.name = "pufferfish", .back = 0x86764e, .flank = 0xc4b486, .belly = 0xf2eee2, .bellyStart = 0.6f,
       .pattern = P::Spots, .patternColour = 0x2a2418, .count = 10, .width = 0.26f, .from = 0.12f,
       .to = 1.0f, .bottom = 0.62f, .sheen = 0.0f, .scales = 0.0f, .finColour = 0xd8c070,
       .finEdgeColour = 0xf0e0a0},
      {.name = "snapper", .back = 0xa82234, .flank = 0xdc5a66, .belly = 0xf4c0c0,
       .pattern = P::HorizontalStripes, .patternColour = 0xf0b040, .count = 3, .width = 0.012f,
       .from = 0.2f, .to = 1.0f, .top = 0.4f, .bottom = 0.85f, .sheen = 0.3f, .finColour = 0xd03a4a,
       .finEdgeColour = 0xf08a90},
      {.name = "bluestriped grunt", .back = 0xd0a016, .flank = 0xf0c828, .belly = 0xf8e8a0,
       .pattern = P::HorizontalStripes, .patternColour = 0x2a78e0, .outlineColour = 0x10306a, .count = 6,
       .width = 0.035f, .from = 0.0f, .to = 1.0f, .top = 0.05f, .bottom = 0.8f, .sheen = 0.1f,
       .finColour = 0xe8b820, .finEdgeColour = 0xf8e070},
      {.name = "triggerfish", .back = 0x857656, .flank = 0xd4c8ac, .belly = 0xf0ece0,
       .pattern = P::DiagonalLines, .patternColour = 0x283a8c, .outlineColour = 0x121212, .count = 4,
       .width = 0.03f, .from = 0.5f, .to = 0.95f, .top = 0.35f, .bottom = 0.85f, .headColour = 0xd88a3a,
       .eyeStripe = true, .sheen = 0.0f, .finColour = 0xbcae90, .finEdgeColour = 0x283a8c},
      {.name = "goby", .back = 0xc2b8a0, .flank = 0xe6dec8, .belly = 0xf4f0e6,
       .pattern = P::Spots, .patternColour = 0xf06820, .count = 8, .width = 0.22f, .from = 0.0f,
       .to = 1.0f, .sheen = 0.05f, .scales = 0.06f, .finColour = 0xe0d8c0, .finEdgeColour = 0xf06820},
      {.name = "wrasse", .back = 0x208a44, .flank = 0x3cb49c, .belly = 0x9ae0d0,
       .pattern = P::HorizontalStripes, .patternColour = 0xf070c0, .count = 1, .width = 0.05f,
       .from = 0.18f, .to = 1.0f, .top = 0.35f, .bottom = 0.65f, .tailColour = 0x7a3ab0, .tailFrom = 0.75f,
       .headColour = 0x8a3ab0, .sheen = 0.1f, .finColour = 0x2a9a8a, .finEdgeColour = 0xf070c0},
      {.name = "damselfish", .back = 0x1836cc, .flank = 0x2a5ee8, .belly = 0xf4d024, .bellyStart = 0.68f,
       .sheen = 0.05f, .scales = 0.08f, .finColour = 0xf4d024, .finEdgeColour = 0x2a5ee8},
      {.name = "sardine", .back = 0x184664, .flank = 0xa4bcc8, .belly = 0xeef2f4,
       .pattern = P::Spots, .patternColour = 0x1a2a3a, .count = 12, .width = 0.22f, .from = 0.2f,
       .to = 0.7f, .top = 0.26f, .bottom = 0.42f, .sheen = 0.6f, .finColour = 0x8aa0ac,
       .finEdgeColour = 0xc8d4da},
      {.name = "tiger barb", .back = 0xa88428, .flank = 0xe6be50, .belly = 0xf4dfae,
       .pattern = P::VerticalBands, .patternColour = 0x151510, .count = 4, .width = 0.07f, .from = 0.02f,
       .to = 1.0f, .tailColour = 0xd83a20, .tailFrom = 0.92f, .sheen = 0.1f, .finColour = 0xe03020,
       .finEdgeColour = 0x151510},
  };
}

}  // namespace sorvane::imagegen
