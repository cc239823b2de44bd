// The shape of every mesh the program carries as constant tables: the scenery
// meshes and the fish parts, and the vertex layouts they are drawn with.
#pragma once
#include <cstdint>

#include "device/d3d8_constants.h"

namespace sorvane {

struct VertexBuffer;
struct IndexBuffer;

// A view of one mesh's tables: the generated ones, or a scene's prepared copy.
struct MeshData {
  int32_t vertexCount;
  int32_t indexCount;
  const float* positions;   // vertexCount × 3
  const float* texCoords0;  // vertexCount × 2
  const float* texCoords1;  // vertexCount × 2
  const uint16_t* indices;  // indexCount, a triangle list
};

// Position and two texture pairs: stage 0 the surface, stage 1 the caustics.
// The seabed tiles are drawn with it too.
struct SceneryVertex {
  float x, y, z;
  float tu0, tv0;
  float tu1, tv1;
};
static_assert(sizeof(SceneryVertex) == 28);
constexpr uint32_t kSceneryVertexFvf = D3DFVF_XYZ | D3DFVF_TEX2;

struct FishVertex {
  float x, y, z;
  uint32_t colour;
  float tu0, tv0;
  float tu1, tv1;
};
static_assert(sizeof(FishVertex) == 32);
constexpr uint32_t kFishVertexFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX2;

struct MeshBuffers {
  VertexBuffer* vertices = nullptr;
  IndexBuffer* indices = nullptr;
  int32_t vertexCount = 0;
  int32_t indexCount = 0;
};

}  // namespace sorvane
