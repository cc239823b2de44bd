// The building blocks and their count solvers.
#include "tools/meshgen/mesh_builder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace sorvane::meshgen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

int EndVertices(End e, int s) {
  switch (e) {
    case End::Open: return 0;
    case End::Pole: return 1;
    case End::SplitPole: return s;
    case End::Cap: return s + 1;
    case End::FlatCap: return s;
  }
  return 0;
}

int EndTriangles(End e, int s) {
  switch (e) {
    case End::Open: return 0;
    case End::Pole:
    case End::SplitPole:
    case End::Cap: return s;
    case End::FlatCap: return s - 2;
  }
  return 0;
}

uint32_t Hash(int32_t x, int32_t y, int32_t z, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h = (h << 11) | (h >> 21);
  h ^= static_cast<uint32_t>(z) * 0x27D4EB2Fu;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }

}  // namespace

Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Length(Vec3 a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }
Vec3 Normalised(Vec3 a) {
  const double l = Length(a);
  return l > 0 ? a * (1.0 / l) : Vec3{0, 1, 0};
}

void Mesh::Triangle(uint32_t a, uint32_t b, uint32_t c) {
  indices.push_back(a);
  indices.push_back(b);
  indices.push_back(c);
}

void Mesh::Place(int firstVertex, Vec3 offset, double yaw, double scale) {
  const double c = std::cos(yaw), s = std::sin(yaw);
  for (size_t i = static_cast<size_t>(firstVertex); i < vertices.size(); ++i) {
    Vec3& p = vertices[i].p;
    const Vec3 q{(p.x * c + p.z * s) * scale, p.y * scale, (-p.x * s + p.z * c) * scale};
    p = q + offset;
  }
}

int SweepVertices(const SweepLayout& l) {
  return l.bands * (l.segments + 1) + (l.topSegments + 1) + l.cuts * (l.segments + 1) +
         l.seams * (l.bands + 1 + l.cuts) + EndVertices(l.bottom, l.segments) + EndVertices(l.top, l.topSegments);
}

int SweepTriangles(const SweepLayout& l) {
  return (l.bands - 1) * 2 * l.segments + l.segments + l.topSegments + EndTriangles(l.bottom, l.segments) +
         EndTriangles(l.top, l.topSegments);
}

bool SolveSweep(int vertices, int triangles, const SweepPrefs& p, SweepLayout* layout) {
  double best = std::numeric_limits<double>::max();
  for (int bands = 1; bands <= p.maxBands; ++bands) {
    for (int s = p.minSegments; s <= p.maxSegments; ++s) {
      for (int st = std::max(p.minSegments, s - p.maxTopChange); st <= std::min(p.maxSegments, s + p.maxTopChange);
           ++st) {
        for (size_t bi = 0; bi < p.bottoms.size(); ++bi) {
          for (size_t ti = 0; ti < p.tops.size(); ++ti) {
            SweepLayout l{bands, s, st, p.bottoms[bi], p.tops[ti], 0, 0};
            if (SweepTriangles(l) != triangles) continue;
            const double base = std::fabs(std::log(static_cast<double>(s) / p.segments)) +
                                std::fabs(std::log(static_cast<double>(bands) / p.bands)) + 0.04 * std::abs(st - s) +
                                0.03 * static_cast<double>(bi + ti);
            if (base >= best) continue;
            for (int seams = 0; seams <= p.maxSeams; ++seams) {
              if (seams > 0 && (s % (seams + 1) != 0 || st % (seams + 1) != 0)) continue;
              for (int cuts = 0; cuts < bands; ++cuts) {
                l.cuts = cuts;
                l.seams = seams;
                const int v = SweepVertices(l);
                if (v > vertices) break;
                if (v != vertices) continue;
                const double score = base + 0.06 * cuts + 0.25 * seams;
                if (score < best) {
                  best = score;
                  *layout = l;
                }
              }
            }
          }
        }
      }
    }
  }
  return best < std::numeric_limits<double>::max();
}

void AddSweep(Mesh& mesh, const SweepLayout& l, const SurfaceFn& surface, double uRepeats, double vRepeats,
              Vec3 bottomApex, Vec3 topApex) {
  const int rings = l.bands + 1;
  auto segmentsOf = [&](int ring) { return ring == l.bands ? l.topSegments : l.segments; };
  const int charts = l.seams + 1;
  // Cut rings: v restarts from 0 above them.
  std::vector<bool> cut(rings, false);
  for (int c = 0; c < l.cuts; ++c) cut[1 + (c + 1) * (l.bands - 1) / (l.cuts + 1)] = true;
  std::vector<double> vStart(rings, 0.0);
  double origin = 0.0;
  for (int i = 0; i < rings; ++i) {
    if (cut[i]) origin = static_cast<double>(i) / l.bands;
    vStart[i] = origin;
  }
  // Vertex index of (ring, segment j, chart side) for the lower (copy=false) or
  // the upper (copy=true) use of a cut ring.
  struct RingVerts {
    std::vector<uint32_t> index;  // j = 0 … s, plus seam copies
    std::vector<uint32_t> seamCopy;
  };
  std::vector<RingVerts> lower(rings), upper(rings);
  auto emitRing = [&](int i, double vOrigin, RingVerts& out) {
    const int s = segmentsOf(i);
    const int step = s / charts;
    const double t = static_cast<double>(i) / l.bands;
    const double v = (t - vOrigin) * vRepeats;
    out.index.resize(s + 1);
    out.seamCopy.assign(charts, 0);
    for (int j = 0; j <= s; ++j) {
      const int chart = j == s ? charts - 1 : j / step;
      const int local = j - chart * step;
      const Vec3 p = surface(t, kTwoPi * j / s);
      const bool boundary = j > 0 && j < s && local == 0;
      out.index[j] = static_cast<uint32_t>(mesh.vertices.size());
      // On a seam the left chart ends at its full width, the right starts at 0.
      mesh.vertices.push_back({p, (boundary ? 1.0 : static_cast<double>(local) / step) * uRepeats / charts, v});
      if (boundary) {
        out.seamCopy[chart] = static_cast<uint32_t>(mesh.vertices.size());
        mesh.vertices.push_back({p, 0.0, v});
      }
    }
  };
  for (int i = 0; i < rings; ++i) {
    emitRing(i, i > 0 && cut[i] ? vStart[i - 1] : vStart[i], lower[i]);
    if (cut[i]) {
      emitRing(i, vStart[i], upper[i]);
    } else {
      upper[i] = lower[i];
    }
  }
  // Index of ring vertex j for a triangle whose middle lies at parameter mid.
  auto pick = [&](const RingVerts& r, int s, int j, double mid) -> uint32_t {
    if (charts > 1 && j > 0 && j < s && j % (s / charts) == 0) {
      const double at = static_cast<double>(j) / s;
      if (mid > at) return r.seamCopy[j * charts / s];
    }
    return r.index[j];
  };
  for (int i = 0; i < l.bands; ++i) {
    const RingVerts& a = upper[i];
    const RingVerts& b = lower[i + 1];
    const int sa = segmentsOf(i), sb = segmentsOf(i + 1);
    int ja = 0, jb = 0;
    while (ja < sa || jb < sb) {
      const double na = static_cast<double>(ja + 1) / sa;
      const double nb = static_cast<double>(jb + 1) / sb;
      if (jb >= sb || (ja < sa && na <= nb)) {
        const double mid = (static_cast<double>(ja) / sa + na + static_cast<double>(jb) / sb) / 3.0;
        mesh.Triangle(pick(a, sa, ja, mid), pick(b, sb, jb, mid), pick(a, sa, ja + 1, mid));
        ++ja;
      } else {
        const double mid = (static_cast<double>(jb) / sb + nb + static_cast<double>(ja) / sa) / 3.0;
        mesh.Triangle(pick(a, sa, ja, mid), pick(b, sb, jb, mid), pick(b, sb, jb + 1, mid));
        ++jb;
      }
    }
  }
  auto closeEnd = [&](End e, int ring, bool isTop) {
    const int s = segmentsOf(ring);
    const RingVerts& r = isTop ? lower[ring] : upper[ring];
    const double vRing = mesh.vertices[r.index[0]].v;
    const double vPole = vRing + (isTop ? 1.0 : -1.0) * 0.5 * vRepeats / std::max(1, l.bands);
    auto tri = [&](uint32_t a, uint32_t b, uint32_t c) {
      if (isTop) {
        mesh.Triangle(a, b, c);
      } else {
        mesh.Triangle(a, c, b);
      }
    };
    if (e == End::Pole || e == End::SplitPole) {
      const Vec3 p = isTop ? topApex : bottomApex;
      uint32_t single = 0;
      if (e == End::Pole) {
        single = static_cast<uint32_t>(mesh.vertices.size());
        mesh.vertices.push_back({p, 0.5 * uRepeats, vPole});
      }
      for (int j = 0; j < s; ++j) {
        const double mid = (j + 0.5) / s;
        uint32_t apexIndex = single;
        if (e == End::SplitPole) {
          apexIndex = static_cast<uint32_t>(mesh.vertices.size());
          const double u = 0.5 * (mesh.vertices[pick(r, s, j, mid)].u + mesh.vertices[pick(r, s, j + 1, mid)].u);
          mesh.vertices.push_back({p, u, vPole});
        }
        tri(pick(r, s, j, mid), pick(r, s, j + 1, mid), apexIndex);
      }
    } else if (e == End::Cap || e == End::FlatCap) {
      // Planar mapping of the disk in the plane of the ring.
      std::vector<Vec3> pts(s);
      Vec3 centre{};
      for (int j = 0; j < s; ++j) {
        pts[j] = mesh.vertices[r.index[j]].p;
        centre = centre + pts[j];
      }
      centre = centre * (1.0 / s);
      double radius = 1e-9;
      for (const Vec3& q : pts) radius = std::max(radius, Length(q - centre));
      // The disk's own axes, so that any orientation maps without stretching.
      Vec3 normal{};
      for (int j = 0; j < s; ++j) normal = normal + Cross(pts[j] - centre, pts[(j + 1) % s] - centre);
      normal = Normalised(normal);
      const Vec3 axisU = Normalised(pts[0] - centre);
      const Vec3 axisV = Cross(normal, axisU);
      const double density = uRepeats / (kTwoPi * radius);
      const uint32_t first = static_cast<uint32_t>(mesh.vertices.size());
      for (int j = 0; j < s; ++j) {
        const Vec3 d = pts[j] - centre;
        mesh.vertices.push_back({pts[j], 0.5 + (d.x * axisU.x + d.y * axisU.y + d.z * axisU.z) * density,
                                 0.5 + (d.x * axisV.x + d.y * axisV.y + d.z * axisV.z) * density});
      }
      if (e == End::Cap) {
        const uint32_t c = static_cast<uint32_t>(mesh.vertices.size());
        mesh.vertices.push_back({centre, 0.5, 0.5});
        for (int j = 0; j < s; ++j) tri(first + j, first + (j + 1) % s, c);
      } else {
        for (int j = 1; j + 1 < s; ++j) tri(first, first + j, first + j + 1);
      }
    }
  };
  closeEnd(l.bottom, 0, false);
  closeEnd(l.top, l.bands, true);
}

int BoxVertices(const BoxLayout& l) {
  const int fx = (l.ny + 1) * (l.nz + 1), fy = (l.nx + 1) * (l.nz + 1), fz = (l.nx + 1) * (l.ny + 1);
  return 2 * fx + (l.bottom ? 2 : 1) * fy + 2 * fz;
}

int BoxTriangles(const BoxLayout& l) {
  return 4 * l.ny * l.nz + (l.bottom ? 4 : 2) * l.nx * l.nz + 4 * l.nx * l.ny;
}

bool SolveBox(int vertices, int triangles, int maxDivisions, BoxLayout* layout) {
  double best = std::numeric_limits<double>::max();
  for (int nx = 1; nx <= maxDivisions; ++nx) {
    for (int ny = 1; ny <= maxDivisions; ++ny) {
      for (int nz = 1; nz <= maxDivisions; ++nz) {
        for (int b = 0; b < 2; ++b) {
          BoxLayout l{nx, ny, nz, b == 1};
          if (BoxVertices(l) != vertices || BoxTriangles(l) != triangles) continue;
          const double score = std::abs(nx - ny) + std::abs(ny - nz) + (b == 1 ? 0.0 : 0.5);
          if (score < best) {
            best = score;
            *layout = l;
          }
        }
      }
    }
  }
  return best < std::numeric_limits<double>::max();
}

void AddBox(Mesh& mesh, const BoxLayout& l, const ShapeFn& shape, double textureSize) {
  // Each face: origin corner, two edge directions, divisions along them.
  struct Face {
    Vec3 origin, du, dv;
    int nu, nv;
  };
  std::vector<Face> faces = {
      {{0.5, -0.5, -0.5}, {0, 0, 1}, {0, 1, 0}, l.nz, l.ny},    // +x
      {{-0.5, -0.5, 0.5}, {0, 0, -1}, {0, 1, 0}, l.nz, l.ny},   // −x
      {{-0.5, 0.5, -0.5}, {1, 0, 0}, {0, 0, 1}, l.nx, l.nz},    // +y
      {{-0.5, -0.5, 0.5}, {0, 0, -1}, {1, 0, 0}, l.nz, l.nx},   // +z side flipped below
      {{-0.5, -0.5, -0.5}, {1, 0, 0}, {0, 1, 0}, l.nx, l.ny},   // −z
      {{0.5, -0.5, 0.5}, {-1, 0, 0}, {0, 1, 0}, l.nx, l.ny},    // +z
  };
  // The fourth entry is the bottom (−y).
  faces[3] = {{-0.5, -0.5, 0.5}, {1, 0, 0}, {0, 0, -1}, l.nx, l.nz};
  for (size_t f = 0; f < faces.size(); ++f) {
    if (f == 3 && !l.bottom) continue;
    const Face& face = faces[f];
    const uint32_t first = static_cast<uint32_t>(mesh.vertices.size());
    // Planar texture by the face's own extent in the shaped box.
    const Vec3 p00 = shape(face.origin);
    const Vec3 p10 = shape(face.origin + face.du);
    const Vec3 p01 = shape(face.origin + face.dv);
    const double width = Length(p10 - p00), height = Length(p01 - p00);
    for (int j = 0; j <= face.nv; ++j) {
      for (int i = 0; i <= face.nu; ++i) {
        const double a = static_cast<double>(i) / face.nu, b = static_cast<double>(j) / face.nv;
        const Vec3 unit = face.origin + face.du * a + face.dv * b;
        mesh.vertices.push_back({shape(unit), a * width / textureSize, (1.0 - b) * height / textureSize});
      }
    }
    const int row = face.nu + 1;
    for (int j = 0; j < face.nv; ++j) {
      for (int i = 0; i < face.nu; ++i) {
        const uint32_t q = first + j * row + i;
        mesh.Triangle(q, q + 1, q + row + 1);
        mesh.Triangle(q, q + row + 1, q + row);
      }
    }
  }
}

int StripVertices(const StripLayout& l) { return l.columns * (l.rows + 1); }
int StripTriangles(const StripLayout& l) { return 2 * (l.columns - 1) * l.rows; }

bool SolveStrip(int vertices, int triangles, int preferredRows, StripLayout* layout) {
  double best = std::numeric_limits<double>::max();
  for (int columns = 2; columns <= 6; ++columns) {
    if (vertices % columns != 0) continue;
    const int rows = vertices / columns - 1;
    StripLayout l{columns, rows};
    if (rows < 1 || StripTriangles(l) != triangles) continue;
    const double score = std::fabs(std::log(static_cast<double>(rows) / preferredRows));
    if (score < best) {
      best = score;
      *layout = l;
    }
  }
  return best < std::numeric_limits<double>::max();
}

void AddStrip(Mesh& mesh, const StripLayout& l, const BladeFn& blade, double u0, double u1) {
  const uint32_t first = static_cast<uint32_t>(mesh.vertices.size());
  for (int r = 0; r <= l.rows; ++r) {
    const double t = static_cast<double>(r) / l.rows;
    for (int c = 0; c < l.columns; ++c) {
      const double s = static_cast<double>(c) / (l.columns - 1);
      mesh.vertices.push_back({blade(s - 0.5, t), u0 + (u1 - u0) * s, 1.0 - t});
    }
  }
  for (int r = 0; r < l.rows; ++r) {
    for (int c = 0; c + 1 < l.columns; ++c) {
      const uint32_t q = first + r * l.columns + c;
      mesh.Triangle(q, q + 1, q + l.columns + 1);
      mesh.Triangle(q, q + l.columns + 1, q + l.columns);
    }
  }
}

void AddLeaf(Mesh& mesh, Vec3 base, Vec3 dir, Vec3 side, double length, double width, double curl, double u0,
             double u1) {
  const Vec3 up = Normalised(Cross(side, dir));
  const uint32_t first = static_cast<uint32_t>(mesh.vertices.size());
  auto at = [&](double along, double across, double lift) {
    return base + dir * (along * length) + side * (across * width) + up * (lift * length);
  };
  // Centre raised along the midrib; edges curl down.
  const double mid = 0.5 * (u0 + u1);
  mesh.vertices.push_back({at(0.45, 0.0, curl * 0.5), mid, 0.55});
  mesh.vertices.push_back({at(0.0, 0.0, 0.0), mid, 1.0});
  mesh.vertices.push_back({at(0.3, 0.5, -curl * 0.3), u1, 0.7});
  mesh.vertices.push_back({at(0.7, 0.38, -curl * 0.2), u1, 0.3});
  mesh.vertices.push_back({at(1.0, 0.0, -curl), mid, 0.0});
  mesh.vertices.push_back({at(0.7, -0.38, -curl * 0.2), u0, 0.3});
  mesh.vertices.push_back({at(0.3, -0.5, -curl * 0.3), u0, 0.7});
  for (uint32_t i = 0; i < 6; ++i) mesh.Triangle(first, first + 1 + i, first + 1 + (i + 1) % 6);
}

void AddCard(Mesh& mesh, Vec3 base, Vec3 dir, Vec3 side, double length, double width, double u0, double u1) {
  const uint32_t first = static_cast<uint32_t>(mesh.vertices.size());
  const Vec3 half = side * (width * 0.5);
  const Vec3 top = base + dir * length;
  mesh.vertices.push_back({base - half, u0, 1.0});
  mesh.vertices.push_back({base + half, u1, 1.0});
  mesh.vertices.push_back({top + half, u1, 0.0});
  mesh.vertices.push_back({top - half, u0, 0.0});
  mesh.Triangle(first, first + 1, first + 2);
  mesh.Triangle(first, first + 2, first + 3);
}

bool Distribute(int vertices, int triangles, int count, const std::function<bool(int, int)>& solve,
                std::vector<std::pair<int, int>>* parts) {
  std::map<std::pair<int, int>, bool> memo;
  auto ok = [&](int v, int t) {
    if (v <= 0 || t <= 0) return false;
    auto it = memo.find({v, t});
    if (it != memo.end()) return it->second;
    const bool r = solve(v, t);
    memo[{v, t}] = r;
    return r;
  };
  // Nearby alternatives, nearest first.
  auto nearby = [](int v, int t, int reach) {
    std::vector<std::pair<int, int>> list;
    for (int dv = -reach; dv <= reach; ++dv)
      for (int dt = -reach; dt <= reach; ++dt) list.push_back({v + dv, t + dt});
    std::stable_sort(list.begin(), list.end(), [&](auto a, auto b) {
      return std::abs(a.first - v) + std::abs(a.second - t) < std::abs(b.first - v) + std::abs(b.second - t);
    });
    return list;
  };
  for (int attempt = 0; attempt < 6; ++attempt) {
    parts->clear();
    int rv = vertices, rt = triangles;
    bool failed = false;
    for (int i = 0; i + 2 < count; ++i) {
      const int left = count - i;
      const int reach = 2 + attempt * 2;
      bool found = false;
      int skip = attempt;
      for (auto [v, t] : nearby(rv / left, rt / left, reach)) {
        if (!ok(v, t)) continue;
        if (skip-- > 0 && i + 3 == count) continue;
        parts->push_back({v, t});
        rv -= v;
        rt -= t;
        found = true;
        break;
      }
      if (!found) {
        failed = true;
        break;
      }
    }
    if (failed) continue;
    if (count == 1) {
      if (ok(rv, rt)) {
        parts->push_back({rv, rt});
        return true;
      }
      return false;
    }
    const int reach = std::max(4, std::max(rv, rt) / 4);
    for (auto [v, t] : nearby(rv / 2, rt / 2, std::min(reach, 40))) {
      if (ok(v, t) && ok(rv - v, rt - t)) {
        parts->push_back({v, t});
        parts->push_back({rv - v, rt - t});
        return true;
      }
    }
  }
  return false;
}

double Noise3(double x, double y, double z, uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy), iz = static_cast<int32_t>(fz);
  const double tx = Smooth(x - fx), ty = Smooth(y - fy), tz = Smooth(z - fz);
  auto corner = [&](int dx, int dy, int dz) {
    return Hash(ix + dx, iy + dy, iz + dz, seed) / 4294967295.0 * 2.0 - 1.0;
  };
  auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
  const double x00 = lerp(corner(0, 0, 0), corner(1, 0, 0), tx);
  const double x10 = lerp(corner(0, 1, 0), corner(1, 1, 0), tx);
  const double x01 = lerp(corner(0, 0, 1), corner(1, 0, 1), tx);
  const double x11 = lerp(corner(0, 1, 1), corner(1, 1, 1), tx);
  return lerp(lerp(x00, x10, ty), lerp(x01, x11, ty), tz);
}

double Fractal3(double x, double y, double z, uint32_t seed, int octaves) {
  double sum = 0, amplitude = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amplitude * Noise3(x, y, z, seed + 101u * o);
    total += amplitude;
    amplitude *= 0.5;
    x *= 2.03;
    y *= 2.01;
    z *= 1.97;
  }
  return sum / total;
}

double Dice::Uniform() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ & 0xFFFFFF) / 16777215.0;
}

}  // namespace sorvane::meshgen
