#include "scene/geometry/fin_flap.h"

namespace sorvane {

bool SideFinsFlap(int species) { return species <= 11 && species != 2; }

void FlapFins(FinFlap& flap, FishModels& models) {
  if (++flap.counter > 20) {
    flap.counter = 0;
    flap.step = -flap.step;
  }
  for (int s = 0; s < kFishModelSpecies; ++s) {
    if (!SideFinsFlap(s)) continue;
    const FishModel& model = models.species()[s];
    for (int p = 1; p < model.partCount; ++p) {
      if (model.parts[p].vertexCount != 3) continue;
      float* fin = models.Positions(s, p);
      fin[0] += flap.step;  // px of the first vertex
      fin[6] += flap.step;  // and of the third
    }
  }
}

}  // namespace sorvane
