// The 62 scenery meshes as the generator writes them: separate writable
// tables that the preparation rescales and re-orients in place.
#pragma once
#include "scene/geometry/mesh_data.h"
#include "scene/geometry/scenery_mesh_table.h"

namespace sorvane {

extern MeshData gSceneryMeshes[kSceneryMeshCount];

}  // namespace sorvane
