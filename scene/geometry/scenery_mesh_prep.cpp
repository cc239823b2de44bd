// Preparation of the scenery meshes.
#include "scene/geometry/scenery_mesh_prep.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "device/d3d8_constants.h"

namespace sorvane {

namespace {

constexpr float kSharedFitScale = 0.65f;

}  // namespace

void SwapYZ(float* positions, int n) {
  for (int i = 0; i < n; ++i) std::swap(positions[3 * i + 1], positions[3 * i + 2]);
}

void FitMesh(float* positions, int n, float scale, int modeX, int modeY, int modeZ) {
  float low[3] = {1000.0f, 1000.0f, 1000.0f};
  float high[3] = {-1000.0f, -1000.0f, -1000.0f};
  for (int i = 0; i < 3 * n; ++i) {
    positions[i] *= scale;
    low[i % 3] = std::min(low[i % 3], positions[i]);
    high[i % 3] = std::max(high[i % 3], positions[i]);
  }
  const int modes[3] = {modeX, modeY, modeZ};
  float shift[3] = {};
  for (int axis = 0; axis < 3; ++axis) {
    switch (modes[axis]) {
      case kFitCentre: shift[axis] = (low[axis] + high[axis]) * 0.5f; break;
      case kFitMin: shift[axis] = low[axis]; break;
      case kFitMax: shift[axis] = high[axis]; break;
      default: break;
    }
  }
  for (int i = 0; i < 3 * n; ++i) positions[i] -= shift[i % 3];
}

float TextureShift(const float* pairs, int n, int column, float factor) {
  float minimum = 1000.0f;
  for (int i = 0; i < n; ++i) minimum = std::min(minimum, factor * pairs[2 * i + column]);
  if (minimum >= 0.0f) return 0.0f;
  return 2.0f - static_cast<float>(static_cast<int>(minimum));
}

bool CreateMeshBuffers(Device& device, const MeshData& mesh, float scale, float set1Factor, bool zUp,
                       MeshBuffers& buffers) {
  const int n = mesh.vertexCount;
  const int m = mesh.indexCount;
  buffers.vertexCount = n;
  buffers.indexCount = m;
  if (Failed(device.CreateVertexBuffer(static_cast<uint32_t>(n) * sizeof(SceneryVertex), D3DUSAGE_WRITEONLY,
                                       D3DFVF_XYZ | D3DFVF_TEX2, D3DPOOL_DEFAULT, &buffers.vertices))) {
    buffers.vertices = nullptr;
    return false;
  }
  uint8_t* data = nullptr;
  if (Failed(device.LockVertexBuffer(buffers.vertices, 0, 0, &data, 0))) return false;
  const float shifts[4] = {TextureShift(mesh.texCoords0, n, 0, 1.0f), TextureShift(mesh.texCoords0, n, 1, 1.0f),
                           TextureShift(mesh.texCoords1, n, 0, set1Factor),
                           TextureShift(mesh.texCoords1, n, 1, set1Factor)};
  for (int i = 0; i < n; ++i) {
    const float* p = mesh.positions + 3 * i;
    SceneryVertex v;
    v.x = scale * p[0];
    v.y = scale * (zUp ? p[2] : p[1]);
    v.z = scale * (zUp ? p[1] : p[2]);
    v.tu0 = mesh.texCoords0[2 * i] + shifts[0];
    v.tv0 = mesh.texCoords0[2 * i + 1] + shifts[1];
    v.tu1 = set1Factor * mesh.texCoords1[2 * i] + shifts[2];
    v.tv1 = set1Factor * mesh.texCoords1[2 * i + 1] + shifts[3];
    std::memcpy(data + i * sizeof(SceneryVertex), &v, sizeof v);
  }
  if (Failed(device.UnlockVertexBuffer(buffers.vertices))) return false;
  if (Failed(device.CreateIndexBuffer(static_cast<uint32_t>(m) * sizeof(uint16_t), D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                      D3DPOOL_DEFAULT, &buffers.indices))) {
    buffers.indices = nullptr;
    return false;
  }
  if (Failed(device.LockIndexBuffer(buffers.indices, 0, 0, &data, 0))) return false;
  std::memcpy(data, mesh.indices, static_cast<size_t>(m) * sizeof(uint16_t));
  return !Failed(device.UnlockIndexBuffer(buffers.indices));
}

bool BuildSceneryMeshes(Device& device, const MeshData* tables, SceneryMeshBuffers& buffers) {
  std::array<std::vector<float>, kSceneryMeshCount> prepared;
  for (int i = 0; i < kSceneryMeshCount; ++i) {
    const SceneryMeshSpec& spec = kSceneryMeshes[i];
    const MeshData& table = tables[i];
    if (spec.fit == MeshFit::AsStored) {
      if (!CreateMeshBuffers(device, table, spec.scale, spec.set1Factor, true, buffers[i])) return false;
      continue;
    }
    std::vector<float>& positions = prepared[i];
    if (spec.source >= 0) {
      // A shared table, as fitted for its first mesh: shrunk once more.
      positions = prepared[spec.source];
      FitMesh(positions.data(), table.vertexCount, kSharedFitScale, kFitCentre, kFitMin, kFitCentre);
    } else {
      positions.assign(table.positions, table.positions + 3 * table.vertexCount);
      if (spec.zUp) SwapYZ(positions.data(), table.vertexCount);
      const int side = spec.fit == MeshFit::Standing ? kFitCentre : kFitKeep;
      const int up = spec.fit == MeshFit::Standing ? kFitMin : kFitKeep;
      FitMesh(positions.data(), table.vertexCount, spec.scale, side, up, side);
    }
    MeshData mesh = table;
    mesh.positions = positions.data();
    if (!CreateMeshBuffers(device, mesh, 1.0f, spec.set1Factor, false, buffers[i])) return false;
  }
  return true;
}

void ReleaseSceneryMeshes(Device& device, SceneryMeshBuffers& buffers) {
  for (MeshBuffers& b : buffers) {
    if (b.vertices != nullptr) device.ReleaseVertexBuffer(b.vertices);
    if (b.indices != nullptr) device.ReleaseIndexBuffer(b.indices);
    b = MeshBuffers{};
  }
}

}  // namespace sorvane
