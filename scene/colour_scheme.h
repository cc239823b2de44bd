// The three colour schemes of the water and the choice among them, a random
// one included.
#pragma once
#include <cstdint>

namespace sorvane {

struct ColourScheme {
  uint32_t clearColour;     // clear and fog colour, RGB
  uint32_t backdropColour;  // ARGB
  uint32_t surfaceColour;   // RGB
};

constexpr int kRandomColourScheme = 3;

// The row for a ColorScheme setting: 1 and 2 pick their rows, 3 draws one of
// the three, anything else is row 0.
int ColourSchemeRow(int32_t setting);

const ColourScheme& ColourSchemeOfRow(int row);

}  // namespace sorvane
