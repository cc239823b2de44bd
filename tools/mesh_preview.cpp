// Renders the scenery meshes with their textures, for looking at them: a
// contact sheet of all 62 (row-major, 8 per row) or one mesh large.
// Usage: mesh_preview <out.jpg> [mesh index]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "scene/geometry/scenery_mesh_table.h"
#include "tools/imagegen/jpeg_writer.h"
#include "tools/meshgen/scenery_designs.h"
#include "tools/textures/texture_catalogue.h"

using namespace sorvane;
using namespace sorvane::meshgen;
using sorvane::imagegen::Canvas;
using sorvane::imagegen::Rgba;

namespace {

const Canvas* TextureOf(int id) {
  static std::map<int, Canvas> cache;
  if (id == 0) return nullptr;
  auto it = cache.find(id);
  if (it != cache.end()) return &it->second;
  for (const auto& entry : sorvane::imagegen::TextureCatalogue()) {
    if (entry.resourceId == id) return &(cache[id] = entry.paint());
  }
  return nullptr;
}

// Orthographic view from the front-left, a little above.
void Render(const Mesh& mesh, const Canvas* texture, bool alphaTest, Canvas& out, int ox, int oy, int size) {
  const double yaw = 0.6, pitch = 0.45;
  auto view = [&](Vec3 p) {
    const double x = p.x * std::cos(yaw) - p.z * std::sin(yaw);
    const double z = p.x * std::sin(yaw) + p.z * std::cos(yaw);
    // Looking down: what is higher is nearer, what is farther shows higher up.
    const double y = p.y * std::cos(pitch) + z * std::sin(pitch);
    const double d = -p.y * std::sin(pitch) + z * std::cos(pitch);
    return Vec3{x, y, d};
  };
  double lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1e9, -1e9, -1e9};
  std::vector<Vec3> pts;
  for (const Vertex& v : mesh.vertices) {
    const Vec3 q = view(v.p);
    pts.push_back(q);
    lo[0] = std::min(lo[0], q.x), hi[0] = std::max(hi[0], q.x);
    lo[1] = std::min(lo[1], q.y), hi[1] = std::max(hi[1], q.y);
  }
  const double span = std::max(hi[0] - lo[0], hi[1] - lo[1]) * 1.08;
  const double cx = (lo[0] + hi[0]) / 2, cy = (lo[1] + hi[1]) / 2;
  std::vector<double> depth(static_cast<size_t>(size) * size, 1e18);
  const Vec3 light = Normalised({-0.4, 0.8, -0.45});
  for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
    const uint32_t ia = mesh.indices[t], ib = mesh.indices[t + 1], ic = mesh.indices[t + 2];
    const Vec3 n = Normalised(Cross(mesh.vertices[ib].p - mesh.vertices[ia].p, mesh.vertices[ic].p - mesh.vertices[ia].p));
    const double shade = 0.4 + 0.6 * std::fabs(n.x * light.x + n.y * light.y + n.z * light.z);
    double sx[3], sy[3], sz[3];
    const uint32_t id[3] = {ia, ib, ic};
    for (int k = 0; k < 3; ++k) {
      sx[k] = (pts[id[k]].x - cx) / span * size + size / 2.0;
      sy[k] = size / 2.0 - (pts[id[k]].y - cy) / span * size;
      sz[k] = pts[id[k]].z;
    }
    const double area = (sx[1] - sx[0]) * (sy[2] - sy[0]) - (sx[2] - sx[0]) * (sy[1] - sy[0]);
    if (std::fabs(area) < 1e-12) continue;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({sx[0], sx[1], sx[2]}))));
    const int x1 = std::min(size - 1, static_cast<int>(std::ceil(std::max({sx[0], sx[1], sx[2]}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({sy[0], sy[1], sy[2]}))));
    const int y1 = std::min(size - 1, static_cast<int>(std::ceil(std::max({sy[0], sy[1], sy[2]}))));
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        const double px = x + 0.5, py = y + 0.5;
        const double w0 = ((sx[1] - px) * (sy[2] - py) - (sx[2] - px) * (sy[1] - py)) / area;
        const double w1 = ((sx[2] - px) * (sy[0] - py) - (sx[0] - px) * (sy[2] - py)) / area;
        const double w2 = 1.0 - w0 - w1;
        if (w0 < 0 || w1 < 0 || w2 < 0) continue;
        const double z = w0 * sz[0] + w1 * sz[1] + w2 * sz[2];
        double& dz = depth[static_cast<size_t>(y) * size + x];
        if (z >= dz) continue;
        Rgba c{0.8f, 0.8f, 0.8f, 1.0f};
        if (texture != nullptr) {
          const double u = w0 * mesh.vertices[ia].u + w1 * mesh.vertices[ib].u + w2 * mesh.vertices[ic].u;
          const double v = w0 * mesh.vertices[ia].v + w1 * mesh.vertices[ib].v + w2 * mesh.vertices[ic].v;
          c = texture->SampleWrapped(static_cast<float>(u * texture->Width()), static_cast<float>(v * texture->Height()));
          if (alphaTest && c.a < 0.63f) continue;
        }
        dz = z;
        out.At(ox + x, oy + y) = {static_cast<float>(c.r * shade), static_cast<float>(c.g * shade),
                                  static_cast<float>(c.b * shade), 1.0f};
      }
    }
  }
}

bool DesignForPreview(int index, Mesh* mesh) {
  const SceneryMeshSpec& spec = kSceneryMeshes[index];
  if (spec.source < 0) return DesignSceneryMesh(index, mesh);
  if (!DesignSceneryMesh(spec.source, mesh)) return false;
  for (Vertex& v : mesh->vertices) v.p = v.p * spec.scale;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: mesh_preview <out.jpg> [mesh index]\n");
    return 2;
  }
  const bool single = argc > 2;
  const int tile = single ? 512 : 160;
  const int perRow = single ? 1 : 8;
  const int count = single ? 1 : kSceneryMeshCount;
  const int rows = (count + perRow - 1) / perRow;
  Canvas sheet(tile * perRow, tile * rows, {0.05f, 0.18f, 0.26f, 1.0f});
  for (int k = 0; k < count; ++k) {
    const int index = single ? std::atoi(argv[2]) : k;
    Mesh mesh;
    if (!DesignForPreview(index, &mesh)) {
      std::fprintf(stderr, "mesh %d cannot be designed\n", index);
      continue;
    }
    const SceneryMeshSpec& spec = kSceneryMeshes[index];
    Render(mesh, TextureOf(spec.texture), spec.plant || spec.texture == 330, sheet, (k % perRow) * tile,
           (k / perRow) * tile, tile);
  }
  if (!sorvane::imagegen::WriteFileBytes(argv[1], sorvane::imagegen::EncodeJpeg(sheet))) return 1;
  return 0;
}
