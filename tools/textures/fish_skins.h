// Skins of the 20 fish species.
//
// Layout of every skin (texture space, u to the right, v downward, v = 0 the top
// row as the picture is seen):
//   body   v 0 … 0.75 (rows 0–95 of 128): u runs along the body from the nose
//          (u = 0) to the root of the tail (u = 1); v runs round the fish from
//          the dorsal midline (v = 0) over the flank (v = 0.375, the lateral
//          line) to the ventral midline (v = 0.75). Both flanks map onto the same
//          strip, so each side shows the eye at u ≈ 0.075, v ≈ 0.27.
//   fins   v 0.75 … 1 (rows 96–127): the tail fin and all other fins. v runs
//          from the fin's root (0.75) to its free edge (1); the fin rays run
//          along v. Near the free edge the membrane between the rays is cut
//          away with the species' colour key, which makes a ragged edge.
// Colour keys: species 0 is keyed on white, all others on pure green; no skin
// uses its key colour anywhere but in the cut-away parts of the fin strip.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

enum class FishPattern {
  None,
  VerticalBands,      // bands from back to belly
  HorizontalStripes,  // stripes from nose to tail
  Spots,
  Reticulate,         // a net of lines around scales or patches
  Chevrons,           // wavy dark bars on the back only
  DiagonalLines,
};

struct FishSkinStyle {
  const char* name;
  uint32_t back;   // dorsal colour
  uint32_t flank;
  uint32_t belly;
  float bellyStart = 0.55f;  // where the flank gives way to the belly (0 back … 1 belly)
  FishPattern pattern = FishPattern::None;
  uint32_t patternColour = 0;
  uint32_t outlineColour = 0;  // edge of bands and stripes; 0: no outline
  int count = 0;               // bands, stripes, spot rows or net cells
  float width = 0.05f;         // band or stripe width; spot radius (cell units); chevron dark share
  float from = 0.15f, to = 0.95f;      // range along the body where the pattern lies
  float top = 0.0f, bottom = 1.0f;     // range round the body (0 back … 1 belly)
  uint32_t tailColour = 0;     // tint of the rear body; 0: none
  float tailFrom = 0.8f;
  uint32_t headColour = 0;     // tint of the head; 0: none
  bool eyeStripe = false;      // a dark bar through the eye
  float sheen = 0.1f;          // silvery shine along the flank
  float scales = 0.12f;        // scale rims
  uint32_t finColour = 0;
  uint32_t finEdgeColour = 0;
};

constexpr int kSkinWidth = 256;
constexpr int kSkinHeight = 128;

// The 20 species in species order (0 … 19).
std::vector<FishSkinStyle> FishSkinStyles();
// The colour key of a species: white for species 0, green for the others.
uint32_t FishSkinKey(int species);

Canvas PaintFishSkin(const FishSkinStyle& style, uint32_t key, uint32_t seed);

}  // namespace sorvane::imagegen
