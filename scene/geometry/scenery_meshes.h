// The 62 scenery meshes as the generator writes them; the preparation works on
// copies, so that every scene starts from the same tables.
#pragma once
#include "scene/geometry/mesh_data.h"
#include "scene/geometry/scenery_mesh_table.h"

namespace sorvane {

extern const MeshData gSceneryMeshes[kSceneryMeshCount];

}  // namespace sorvane
