// One weathered masonry block: a faceted box of the given size, turned about
// the vertical axis, its faces pushed in and out a little by noise.
#pragma once
#include <cstdint>

#include "tools/meshgen/mesh_builder.h"

namespace sorvane::meshgen {

void AddBlock(Mesh& mesh, const BoxLayout& layout, Vec3 centre, Vec3 size, double yaw, double chipping,
              uint32_t seed, double textureSize);

}  // namespace sorvane::meshgen
