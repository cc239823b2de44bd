// Masonry painter: finds the block under each point from a periodic layout of
// courses and joints, then shades block face, edge and mortar.
#include "tools/textures/masonry.h"

#include <algorithm>
#include <cmath>

#include "tools/imagegen/colour.h"
#include "tools/imagegen/noise.h"
#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

namespace {

struct BlockHit {
  uint32_t id;      // hash of the block, for its colour
  float dLeft, dRight, dTop, dBottom;  // distances to the joints, in block heights
};

// Joint k of a course, in block units; joint k + n is joint k shifted by n, so the
// course repeats across the tile.
float Joint(int k, int course, int n, const MasonryStyle& s) {
  int wrapped = ((k % n) + n) % n;
  float shift = static_cast<float>(k - wrapped);
  return shift + static_cast<float>(wrapped) + s.jointJitter * (HashUnit(wrapped, course, 11, s.seed) - 0.5f);
}

BlockHit FindBlock(float u, float v, const MasonryStyle& s) {
  float y = v * s.courses;
  int course = static_cast<int>(std::floor(y));
  float fy = y - static_cast<float>(course);
  int wrappedCourse = ((course % s.courses) + s.courses) % s.courses;
  int n = s.blocksPerCourse;
  float offset = s.runningBond ? (wrappedCourse % 2) * 0.5f : HashUnit(wrappedCourse, 0, 12, s.seed);
  float x = u * n + offset;
  int k = static_cast<int>(std::floor(x));
  float left = Joint(k, wrappedCourse, n, s);
  while (x < left) left = Joint(--k, wrappedCourse, n, s);
  float right = Joint(k + 1, wrappedCourse, n, s);
  while (x >= right) {
    ++k;
    left = right;
    right = Joint(k + 1, wrappedCourse, n, s);
  }
  // Block units to block heights: a block is (1 / n) of the tile wide and
  // (1 / courses) high.
  float aspect = static_cast<float>(s.courses) / static_cast<float>(n);
  int wrappedK = ((k % n) + n) % n;
  return {Hash(wrappedK, wrappedCourse, 13, s.seed), (x - left) * aspect, (right - x) * aspect, fy, 1 - fy};
}

}  // namespace

Canvas PaintMasonry(int width, int height, const MasonryStyle& s) {
  Rgba stone = Hex(s.stone), tint = Hex(s.stoneVariation), mortar = Hex(s.mortar);
  Rgba stain = Hex(s.stainColour), algae = Hex(s.algaeColour);
  return Paint(width, height, 3, [&](float u, float v) {
    BlockHit b = FindBlock(u, v, s);
    // Wobble the joints a little so the edges look cut by hand.
    float wobble = 0.02f * Fbm(u * 16, v * 16, 16, 16, s.seed + 1, {2, 0.5f});
    float edge = std::min(std::min(b.dLeft, b.dRight), std::min(b.dTop, b.dBottom)) + wobble;
    float chip = s.chips * SmoothStep(0.3f, 0.7f, Fbm(u * 10, v * 10, 10, 10, s.seed + 2, {3, 0.5f}));
    float halfJoint = s.mortarWidth * 0.5f + chip * 0.06f;
    float grit = ValueNoise(u * width * 0.5f, v * height * 0.5f, width / 2, height / 2, s.seed + 3);
    Rgba c;
    if (edge < halfJoint) {
      c = Scaled(mortar, 0.8f + 0.35f * grit);
    } else {
      float blockTint = HashUnit(b.id, 1, 0, s.seed);
      Rgba face = Mix(stone, tint, blockTint * s.variation * 2.0f);
      face = Scaled(face, 0.94f + 0.12f * HashUnit(b.id, 2, 0, s.seed));
      float surface = Fbm(u * 6, v * 6, 6, 6, s.seed + 4, {5, 0.55f});
      face = Scaled(face, 1.0f + s.roughness * surface + 0.08f * (grit - 0.5f));
      // The worn edge: lit along top and left, shadowed along bottom and right.
      float inEdge = SmoothStep(halfJoint + s.bevel, halfJoint, edge);
      float vertical = std::min(b.dTop, b.dBottom), horizontal = std::min(b.dLeft, b.dRight);
      float lightSide = vertical < horizontal ? (b.dTop < b.dBottom ? 0.18f : -0.22f)
                                              : (b.dLeft < b.dRight ? 0.12f : -0.16f);
      c = Scaled(face, 1.0f + inEdge * lightSide);
    }
    float dirt = SmoothStep(0.05f, 0.6f, Fbm(u * 3, v * 3, 3, 3, s.seed + 5, {5, 0.6f}));
    c = Mix(c, Mix(c, stain, 0.75f), dirt * s.weathering * 1.5f);
    // Algae favour the joints and the lower parts of blocks.
    float growth = Fbm(u * 5, v * 5, 5, 5, s.seed + 6, {4, 0.6f}) + 0.25f * SmoothStep(0.3f, 0.0f, b.dBottom) +
                   (edge < halfJoint ? 0.3f : 0.0f);
    float cover = SmoothStep(0.75f - s.algae, 0.95f - s.algae, growth);
    c = Mix(c, Scaled(algae, 0.75f + 0.5f * grit), cover * 0.85f);
    return c;
  });
}

std::vector<MasonryStyle> WallStyles() {
  return {
      // 247: pale limestone ashlar, large blocks
      {.seed = 247, .courses = 4, .blocksPerCourse = 2, .stone = 0xcdbf9f, .stoneVariation = 0xa99572},
      // 248: grey granite blocks, crisp joints
      {.seed = 248, .courses = 5, .blocksPerCourse = 3, .jointJitter = 0.35f, .mortarWidth = 0.03f,
       .bevel = 0.08f, .stone = 0x8f8f8c, .stoneVariation = 0x6c6e70, .mortar = 0x4a4a46, .roughness = 0.22f,
       .algae = 0.15f},
      // 249: ochre sandstone, weathered and stained
      {.seed = 249, .courses = 5, .blocksPerCourse = 2, .stone = 0xc29a62, .stoneVariation = 0x9a6e40,
       .mortar = 0x6a5236, .weathering = 0.45f, .algae = 0.25f},
      // 305: narrow wall, tall rough blocks overgrown
      {.seed = 305, .courses = 6, .blocksPerCourse = 2, .jointJitter = 0.45f, .mortarWidth = 0.05f,
       .stone = 0x9d9780, .stoneVariation = 0x777058, .weathering = 0.4f, .algae = 0.45f},
      // 306: narrow wall, dark basalt courses
      {.seed = 306, .courses = 8, .blocksPerCourse = 2, .mortarWidth = 0.045f, .stone = 0x5e5d5a,
       .stoneVariation = 0x403f3f, .mortar = 0x8a8272, .roughness = 0.25f, .algae = 0.2f},
      // 321: rubble of irregular small stones
      {.seed = 321, .courses = 7, .blocksPerCourse = 5, .jointJitter = 0.7f, .mortarWidth = 0.08f,
       .bevel = 0.2f, .stone = 0xa89c86, .stoneVariation = 0x6e6252, .variation = 0.5f, .mortar = 0x5a5448,
       .roughness = 0.25f, .chips = 0.4f},
      // 322: narrow wall, reddish travertine
      {.seed = 322, .courses = 6, .blocksPerCourse = 1, .jointJitter = 0.1f, .stone = 0xc8a48a,
       .stoneVariation = 0xa0745e, .mortar = 0x6d5a4c, .roughness = 0.2f, .weathering = 0.35f},
      // 323: big cream blocks under heavy algae
      {.seed = 323, .courses = 3, .blocksPerCourse = 2, .stone = 0xd2c6a8, .stoneVariation = 0xb0a284,
       .weathering = 0.35f, .algae = 0.5f, .algaeColour = 0x4e6e34},
      // 324: blue-grey limestone, half-bond courses
      {.seed = 324, .courses = 6, .blocksPerCourse = 3, .runningBond = true, .jointJitter = 0.1f,
       .stone = 0xa2a8a6, .stoneVariation = 0x7d8785, .mortar = 0x5b5e58, .algae = 0.25f},
  };
}

std::vector<MasonryStyle> BrickStyles() {
  MasonryStyle brick{.courses = 16, .blocksPerCourse = 4, .runningBond = true, .jointJitter = 0.04f,
                     .mortarWidth = 0.14f, .bevel = 0.18f, .stone = 0xa4553a, .stoneVariation = 0x7a3424,
                     .variation = 0.4f, .mortar = 0x8e8574, .roughness = 0.22f, .weathering = 0.3f,
                     .algae = 0.15f, .chips = 0.3f};
  std::vector<MasonryStyle> out(5, brick);
  // 295: tall image, red bricks
  out[0].seed = 295;
  out[0].courses = 32;
  // 296: dark brown clinker
  out[1].seed = 296;
  out[1].stone = 0x6e3f2c;
  out[1].stoneVariation = 0x4a2a20;
  // 297: pale orange, heavily weathered
  out[2].seed = 297;
  out[2].stone = 0xc07a4e;
  out[2].stoneVariation = 0x9a5a3a;
  out[2].weathering = 0.5f;
  out[2].algae = 0.3f;
  // 298: small image, bright red with lime mortar
  out[3].seed = 298;
  out[3].courses = 8;
  out[3].blocksPerCourse = 2;
  out[3].stone = 0xb04a34;
  out[3].mortar = 0xb8b09c;
  // 299: small image, sooty bricks with algae
  out[4].seed = 299;
  out[4].courses = 8;
  out[4].blocksPerCourse = 2;
  out[4].stone = 0x7c4a3a;
  out[4].stoneVariation = 0x50403a;
  out[4].algae = 0.35f;
  return out;
}

}  // namespace sorvane::imagegen
