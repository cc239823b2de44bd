// What each of the 62 scenery meshes looks like, in design space (world
// units, y up, standing on y = 0), and its conversion to the stored tables.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/meshgen/mesh_builder.h"

namespace sorvane::meshgen {

// False when the mesh shares another's tables or cannot hit its counts.
bool DesignSceneryMesh(int index, Mesh* mesh);

// The stored tables of one mesh: positions in the table's units and axis
// order, set-0 and set-1 coordinates and the indices.
struct StoredMesh {
  std::vector<float> positions;
  std::vector<float> texCoords0;
  std::vector<float> texCoords1;  // empty for the plants
  std::vector<uint16_t> indices;
};
StoredMesh ToStored(int index, const Mesh& design);

// The C++ source of all tables and the MeshData array; empty on failure.
std::string SceneryMeshSource(std::string* error);

}  // namespace sorvane::meshgen
