// A scene's own fish models, copied from the tables and brought to world size.
#include "scene/geometry/fish_models.h"

namespace sorvane {

namespace {
constexpr float kNoseX = 0.0095f;
}  // namespace

void FishModels::Prepare(const FishModelSet& tables) {
  size_t vertices = 0;
  for (const FishModel& model : tables.species) {
    for (int p = 0; p < model.partCount; ++p) vertices += static_cast<size_t>(model.parts[p].vertexCount);
  }
  positions_.clear();
  texCoords1_.clear();
  positions_.reserve(3 * vertices);
  texCoords1_.reserve(2 * vertices);
  for (int s = 0; s < kFishModelSpecies; ++s) {
    const FishModel& table = tables.species[s];
    for (int p = 0; p < table.partCount; ++p) {
      const MeshData& part = table.parts[p];
      first_[s][p] = positions_.size();
      positions_.insert(positions_.end(), part.positions, part.positions + 3 * part.vertexCount);
      texCoords1_.insert(texCoords1_.end(), part.texCoords1, part.texCoords1 + 2 * part.vertexCount);
    }
  }

  float m = 10.0f;
  for (const FishModel& model : tables.species) {
    const MeshData& body = model.parts[0];
    for (int i = 0; i < body.vertexCount; ++i) {
      if (body.positions[3 * i] < m) m = body.positions[3 * i];
    }
  }
  for (float* v = positions_.data(); v < positions_.data() + positions_.size(); v += 3) {
    v[0] = v[0] / m * kNoseX;
    v[1] = v[1] / m * -kNoseX;
    v[2] = v[2] / m * kNoseX;
  }
  for (float& t : texCoords1_) t *= 0.25f;

  for (int s = 0; s < kFishModelSpecies; ++s) {
    models_[s] = tables.species[s];
    for (int p = 0; p < models_[s].partCount; ++p) {
      models_[s].parts[p].positions = positions_.data() + first_[s][p];
      models_[s].parts[p].texCoords1 = texCoords1_.data() + first_[s][p] / 3 * 2;
    }
  }
}

}  // namespace sorvane
