#include "scene/geometry/fish_buffers.h"

#include <cstring>

#include "device/d3d8_constants.h"

namespace sorvane {

namespace {

// Each species' parts one after another, indices offset to the part's first
// vertex within the fish.
bool FillSpeciesIndices(Device& device, FishBuffers& b, const FishModel* models, uint32_t total) {
  uint8_t* data = nullptr;
  if (Failed(device.LockIndexBuffer(b.indices, 0, total * 2, &data, 0))) return false;
  auto* out = reinterpret_cast<uint16_t*>(data);
  int32_t written = 0;
  for (int s = 0; s < kFishModelSpecies; ++s) {
    b.firstIndex[s] = written;
    int32_t base = 0;
    for (int p = 0; p < models[s].partCount; ++p) {
      const MeshData& part = models[s].parts[p];
      for (int i = 0; i < part.indexCount; ++i) out[written++] = static_cast<uint16_t>(part.indices[i] + base);
      base += part.vertexCount;
    }
    b.indexCount[s] = written - b.firstIndex[s];
    b.vertexCount[s] = base;
  }
  return !Failed(device.UnlockIndexBuffer(b.indices));
}

}  // namespace

void CreateFishBuffers(Device& device, FishBuffers& b, const FishModel* models) {
  if (b.vertices != nullptr) return;
  if (Failed(device.CreateVertexBuffer(kFishVertexCapacity * sizeof(FishVertex), D3DUSAGE_WRITEONLY | D3DUSAGE_DYNAMIC,
                                       kFishVertexFvf, D3DPOOL_DEFAULT, &b.vertices))) {
    b.vertices = nullptr;
    return;
  }
  uint32_t total = 0;
  for (int s = 0; s < kFishModelSpecies; ++s) {
    for (int p = 0; p < models[s].partCount; ++p) total += static_cast<uint32_t>(models[s].parts[p].indexCount);
  }
  if (Failed(device.CreateIndexBuffer(total * 2, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16, D3DPOOL_DEFAULT, &b.indices))) {
    b.indices = nullptr;
  } else if (!FillSpeciesIndices(device, b, models, total)) {
    device.ReleaseIndexBuffer(b.indices);
    b.indices = nullptr;
  }
}

void ReleaseFishBuffers(Device& device, FishBuffers& b) {
  if (b.vertices != nullptr) device.ReleaseVertexBuffer(b.vertices);
  if (b.indices != nullptr) device.ReleaseIndexBuffer(b.indices);
  b.vertices = nullptr;
  b.indices = nullptr;
}

}  // namespace sorvane
