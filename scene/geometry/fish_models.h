// The fish models: for each of the 20 species a body and three or five fins in
// drawing order. The generated tables stay as they are; each scene works on
// models of its own, brought to world size, whose side fins the flap moves.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

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
};

// The 20 generated models, species 0 first (tools/gen_fish).
const FishModelSet& FishModelTables();

class FishModels {
 public:
  // Copies the tables and brings them to world size: the longest body's nose
  // ends at x = 0.0095, the fish half-turned about the vertical so that the
  // head points toward +x; set 1 is scaled by 0.25.
  void Prepare(const FishModelSet& tables);

  const FishModel* species() const { return models_.data(); }
  // The positions of one part, for the fin flap to move.
  float* Positions(int species, int part) { return positions_.data() + first_[species][part]; }

 private:
  std::array<FishModel, kFishModelSpecies> models_{};
  std::vector<float> positions_;
  std::vector<float> texCoords1_;
  // Where each part's positions start in positions_ (its texture pairs start
  // at two thirds of that in texCoords1_).
  size_t first_[kFishModelSpecies][kMaxFishParts] = {};
};

}  // namespace sorvane
