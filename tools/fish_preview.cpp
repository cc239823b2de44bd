// Looks at the fish: renders every species with its skin, unlit as the saver
// draws it, from the side and from above, into one contact sheet (BMP).
// Usage: fish_preview <out.bmp> [species]
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "tools/fishgen/fish_mesh.h"
#include "tools/imagegen/bmp_writer.h"
#include "tools/imagegen/bytes.h"
#include "tools/imagegen/colour.h"
#include "tools/textures/fish_skins.h"

namespace sorvane::fishgen {
namespace {

using imagegen::Canvas;
using imagegen::Rgba;

constexpr int kCellWidth = 360;
constexpr int kSideHeight = 200;
constexpr int kTopHeight = 110;

struct View {
  int ox, oy, width, height;
  float scale, cx, cy;
  bool fromAbove;
};

bool IsKey(const Rgba& c, uint32_t key) {
  const uint32_t rgb = static_cast<uint32_t>(imagegen::ToByte(c.r)) << 16 |
                       static_cast<uint32_t>(imagegen::ToByte(c.g)) << 8 | imagegen::ToByte(c.b);
  return rgb == key;
}

// Orthographic, depth-tested, nearest texel, key colour transparent.
void Render(Canvas& out, std::vector<float>& depth, const View& v, const SpeciesMesh& mesh, const Canvas& skin,
            uint32_t key) {
  for (const PartMesh& part : mesh.parts) {
    auto project = [&](int i, float& sx, float& sy, float& sz) {
      const float x = part.positions[3 * i], y = part.positions[3 * i + 1], z = part.positions[3 * i + 2];
      sx = v.ox + v.width * 0.5f + (x - v.cx) * v.scale;
      sy = v.fromAbove ? v.oy + v.height * 0.5f + (z - v.cy) * v.scale
                       : v.oy + v.height * 0.5f - (y - v.cy) * v.scale;
      sz = v.fromAbove ? -y : -z;  // nearer is smaller
    };
    for (size_t t = 0; t + 2 < part.indices.size(); t += 3) {
      float px[3], py[3], pz[3];
      for (int k = 0; k < 3; ++k) project(part.indices[t + k], px[k], py[k], pz[k]);
      const float area = (px[1] - px[0]) * (py[2] - py[0]) - (px[2] - px[0]) * (py[1] - py[0]);
      if (std::fabs(area) < 1e-6f) continue;
      const int x0 = std::max(v.ox, static_cast<int>(std::floor(std::min({px[0], px[1], px[2]}))));
      const int x1 = std::min(v.ox + v.width - 1, static_cast<int>(std::ceil(std::max({px[0], px[1], px[2]}))));
      const int y0 = std::max(v.oy, static_cast<int>(std::floor(std::min({py[0], py[1], py[2]}))));
      const int y1 = std::min(v.oy + v.height - 1, static_cast<int>(std::ceil(std::max({py[0], py[1], py[2]}))));
      for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
          const float qx = x + 0.5f, qy = y + 0.5f;
          float w[3];
          for (int k = 0; k < 3; ++k) {
            const int a = (k + 1) % 3, b = (k + 2) % 3;
            w[k] = ((px[b] - px[a]) * (qy - py[a]) - (qx - px[a]) * (py[b] - py[a])) / area;
          }
          if (w[0] < 0 || w[1] < 0 || w[2] < 0) continue;
          const float z = w[0] * pz[0] + w[1] * pz[1] + w[2] * pz[2];
          float& d = depth[static_cast<size_t>(y) * out.Width() + x];
          if (z >= d) continue;
          float u = 0, sv = 0;
          for (int k = 0; k < 3; ++k) {
            const int i = part.indices[t + k];
            u += w[k] * part.tex0[2 * i];
            sv += w[k] * (1 - part.tex0[2 * i + 1]);  // drawn as 1 - v
          }
          const int tx = std::clamp(static_cast<int>(u * skin.Width()), 0, skin.Width() - 1);
          const int ty = std::clamp(static_cast<int>(sv * skin.Height()), 0, skin.Height() - 1);
          const Rgba c = skin.At(tx, ty);
          if (IsKey(c, key)) continue;
          d = z;
          out.At(x, y) = c;
        }
      }
    }
  }
}

void Bounds(const SpeciesMesh& mesh, std::array<float, 6>& b) {
  b = {1e9f, 1e9f, 1e9f, -1e9f, -1e9f, -1e9f};
  for (const PartMesh& p : mesh.parts) {
    for (size_t i = 0; i < p.positions.size(); i += 3) {
      for (int k = 0; k < 3; ++k) {
        b[k] = std::min(b[k], p.positions[i + k]);
        b[k + 3] = std::max(b[k + 3], p.positions[i + k]);
      }
    }
  }
}

}  // namespace
}  // namespace sorvane::fishgen

int main(int argc, char** argv) {
  using namespace sorvane::fishgen;
  using namespace sorvane::imagegen;
  if (argc < 2) {
    std::fprintf(stderr, "usage: fish_preview <out.bmp> [species]\n");
    return 2;
  }
  int first = 0, count = kSpeciesCount, columns = 4;
  if (argc > 2) {
    first = std::atoi(argv[2]);
    count = 1;
    columns = 1;
  }
  const int rows = (count + columns - 1) / columns;
  const int cellHeight = kSideHeight + kTopHeight;
  Canvas sheet(columns * kCellWidth, rows * cellHeight, Hex(0x2a4a5e));
  std::vector<float> depth(static_cast<size_t>(sheet.Width()) * sheet.Height(), std::numeric_limits<float>::max());
  for (int n = 0; n < count; ++n) {
    const int s = first + n;
    const SpeciesMesh mesh = BuildSpecies(s);
    const Canvas skin = PaintFishSkin(FishSkinStyles()[s], FishSkinKey(s), 252 + s);
    std::array<float, 6> b;
    Bounds(mesh, b);
    // Every species at the same scale, so their sizes compare.
    const float scale = (kCellWidth - 20) / 130.0f;
    const int ox = (n % columns) * kCellWidth, oy = (n / columns) * cellHeight;
    for (int y = oy + kSideHeight; y < oy + cellHeight; ++y)
      for (int x = ox; x < ox + kCellWidth; ++x) sheet.At(x, y) = Hex(0x22404f);
    Render(sheet, depth, {ox, oy, kCellWidth, kSideHeight, scale, 0.5f * (b[0] + b[3]), 0.5f * (b[1] + b[4]), false},
           mesh, skin, FishSkinKey(s));
    Render(sheet, depth, {ox, oy + kSideHeight, kCellWidth, kTopHeight, scale, 0.5f * (b[0] + b[3]), 0.0f, true},
           mesh, skin, FishSkinKey(s));
  }
  if (!WriteFileBytes(argv[1], EncodeBmp24(sheet))) return 1;
  return 0;
}
