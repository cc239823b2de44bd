#include "scene/geometry/fin_flap.h"

namespace sorvane {

bool SideFinsFlap(int species) { return species <= 11 && species != 2; }

void FlapFins(FinFlap& flap, FishModel* models) {
  if (++flap.counter > 20) {
    flap.counter = 0;
    flap.step = -flap.step;
  }
  for (int s = 0; s < kFishModelSpecies; ++s) {
    if (!SideFinsFlap(s)) continue;
    for (int p = 1; p < models[s].partCount; ++p) {
      MeshData& fin = models[s].parts[p];
      if (fin.vertexCount != 3) continue;
      fin.positions[0] += flap.step;  // px of the first vertex
      fin.positions[6] += flap.step;  // and of the third
    }
  }
}

}  // namespace sorvane
