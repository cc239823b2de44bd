// The colour schemes and the random pick, with the runtime's draws.
#include "scene/colour_scheme.h"

#include <algorithm>

#include "base/random.h"

namespace sorvane {

namespace {
constexpr ColourScheme kSchemes[3] = {
    {0x165675, 0xFF165675, 0x0FA1C4},
    {0x0C376B, 0xFF0C376B, 0x0570BA},
    {0x001E47, 0xFF001E47, 0x00548C},
};
}  // namespace

int ColourSchemeRow(int32_t setting) {
  int32_t value = setting;
  if (value == kRandomColourScheme) {
    // A random number of draws skipped before the one that picks the row.
    const auto n = static_cast<uint32_t>(RandomScaled(100.0f));
    if (n > 0) {
      while (static_cast<uint32_t>(Random()) + 1u < n) {
      }
    }
    value = std::min(static_cast<int32_t>(RandomScaled(3.0f)), 2);
  }
  return value == 1 || value == 2 ? value : 0;
}

const ColourScheme& ColourSchemeOfRow(int row) { return kSchemes[row >= 0 && row <= 2 ? row : 0]; }

}  // namespace sorvane
