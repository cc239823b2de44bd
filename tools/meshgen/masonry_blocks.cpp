// Weathered blocks: corners rounded off, faces dented by noise.
#include "tools/meshgen/masonry_blocks.h"

#include <algorithm>
#include <cmath>

namespace sorvane::meshgen {

void AddBlock(Mesh& mesh, const BoxLayout& layout, Vec3 centre, Vec3 size, double yaw, double chipping,
              uint32_t seed, double textureSize) {
  const int first = mesh.VertexCount();
  auto shape = [&](Vec3 u) {
    // Pull the corners in a little: worn edges.
    const double corner = std::fabs(u.x) + std::fabs(u.y) + std::fabs(u.z);
    const double wear = 1.0 - 0.12 * std::max(0.0, corner - 1.0);
    const double dent = 1.0 + chipping * Fractal3(u.x * 3 + 7, u.y * 3, u.z * 3 + 1, seed, 2);
    return Vec3{u.x * size.x * wear * dent, u.y * size.y * wear * dent, u.z * size.z * wear * dent};
  };
  AddBox(mesh, layout, shape, textureSize);
  mesh.Place(first, centre, yaw);
}

}  // namespace sorvane::meshgen
