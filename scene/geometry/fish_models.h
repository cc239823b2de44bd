// The fish models: for each of the 20 species a body and three or five fins in
// drawing order. The tables are generated at build time (tools/gen_fish) and
// are writable: preparation normalises them once and the fin flap shifts some
// fin vertices every calculation cycle.
#pragma once
#include <cstdint>

#include "scene/geometry/mesh_data.h"

namespace sorvane {

constexpr int kFishModelSpecies = 20;
constexpr int kMaxFishParts = 6;
// Every fish part fits the shared fish buffers.
constexpr int kMaxFishPartVertices = 185;
constexpr int kMaxFishPartIndices = 1122;

struct FishModel {
  int32_t partCount;  // the body and its fins
  MeshData parts[kMaxFishParts];
};

struct FishModelSet {
  FishModel species[kFishModelSpecies];
  bool normalised;  // brought to world size; happens once for the tables
};

// The 20 generated models, species 0 first.
FishModelSet& FishModelTables();

}  // namespace sorvane
