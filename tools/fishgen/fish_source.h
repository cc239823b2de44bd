// Writes the fish meshes as C++ source of constant tables behind FishModelTables().
#pragma once
#include <string>
#include <vector>

#include "tools/fishgen/fish_mesh.h"

namespace sorvane::fishgen {

std::string FishModelSource(const std::vector<SpeciesMesh>& species);

}  // namespace sorvane::fishgen
