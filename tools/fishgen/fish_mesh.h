// The 20 fish species as meshes: a body (with its flat tail fin) and three or
// five fins per species, in drawing order.
//
// Stored axes and units: the head points toward -x, the tail toward +x, y is up
// and z across; one unit is a hundredth of the longest body. The origin lies
// near the middle of the fish, so the rear half (x > 0) is what wags.
//
// Texture set 0 follows the skin layout of tools/textures/fish_skins.h, stored
// with v turned over (the drawing writes 1 - v): on the body u runs from the
// nose (0) to the tail root (1) and the drawn v from the dorsal midline (0) over
// the lateral line (0.375) to the ventral midline (0.75), the same for both
// flanks; every fin, the tail fin included, maps onto the fin strip, the drawn v
// running from the fin's root (0.75) to its free edge (1). Set 1 is the caustic
// pattern, projected from the side.
#pragma once
#include <cstdint>
#include <vector>

namespace sorvane::fishgen {

constexpr int kSpeciesCount = 20;

struct PartMesh {
  std::vector<float> positions;  // x, y, z per vertex
  std::vector<float> tex0;       // u, v per vertex
  std::vector<float> tex1;
  std::vector<uint16_t> indices;
  int VertexCount() const { return static_cast<int>(positions.size() / 3); }
};

struct SpeciesMesh {
  const char* name;
  std::vector<PartMesh> parts;  // the body first, then the fins in drawing order
};

SpeciesMesh BuildSpecies(int species);

}  // namespace sorvane::fishgen
