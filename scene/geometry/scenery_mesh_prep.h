// Turning the scenery tables into one vertex and one index buffer per mesh:
// axis order, scale and placement, and the texture shifts that keep every
// texture coordinate non-negative.
#pragma once
#include <array>

#include "device/device.h"
#include "scene/geometry/mesh_data.h"
#include "scene/geometry/scenery_mesh_table.h"

namespace sorvane {

enum FitMode : int { kFitKeep = 0, kFitMin = 1, kFitCentre = 2, kFitMax = 3 };

using SceneryMeshBuffers = std::array<MeshBuffers, kSceneryMeshCount>;

// Exchanges the second and third coordinate of every vertex.
void SwapYZ(float* positions, int n);

// Scales every coordinate, then moves each axis by its mode, all measured on
// the scaled positions before any vertex moves.
void FitMesh(float* positions, int n, float scale, int modeX, int modeY, int modeZ);

// Whole texture repeats added to a column so that none of it is negative: 0
// when its minimum (from 1000) is not below 0, else 2 − trunc(minimum).
float TextureShift(const float* pairs, int n, int column, float factor);

// Creates and fills both buffers of one mesh; true only when the last unlock
// succeeded. A buffer created before a failure stays in `buffers`.
bool CreateMeshBuffers(Device& device, const MeshData& mesh, float scale, float set1Factor, bool zUp,
                       MeshBuffers& buffers);

// All 62 meshes in table order, each prepared from a copy of its table (or of
// the prepared mesh whose table it shares); false at the first failure.
bool BuildSceneryMeshes(Device& device, const MeshData* tables, SceneryMeshBuffers& buffers);

// Releases what exists of the buffers.
void ReleaseSceneryMeshes(Device& device, SceneryMeshBuffers& buffers);

}  // namespace sorvane
