// The vertex layouts of the flat pieces: the surface, shimmer, fade and bubble
// quads (position, colour, one texture pair) and the backdrop (position, colour).
#pragma once
#include <cstdint>

#include "device/d3d8_constants.h"

namespace sorvane {

struct ColourVertex {
  float x, y, z;
  uint32_t colour;
  float u, v;
};
static_assert(sizeof(ColourVertex) == 24);
constexpr uint32_t kColourVertexFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;

// A tile's bubbles are written and drawn this many at a time, as two
// triangles (six vertices) each.
constexpr int32_t kBubblesPerBatch = 256;

struct BackdropVertex {
  float x, y, z;
  uint32_t colour;
};
static_assert(sizeof(BackdropVertex) == 16);
constexpr uint32_t kBackdropVertexFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE;

}  // namespace sorvane
