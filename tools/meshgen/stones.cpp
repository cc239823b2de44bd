// Stones: lumpy, rounded or chiselled blobs swept from a bottom pole to a top
// pole; the coral bases are low mounds and brain domes of the same making.
#include <algorithm>
#include <cmath>

#include "tools/meshgen/families.h"

namespace sorvane::meshgen {

namespace {

constexpr double kPi = 3.141592653589793;

// Unit direction at latitude parameter t (0 bottom … 1 top) and angle a.
Vec3 Direction(double t, double a) {
  const double lat = -kPi / 2 + kPi * (0.06 + 0.88 * t);
  return {std::cos(lat) * std::cos(a), std::sin(lat), std::cos(lat) * std::sin(a)};
}

void Ground(Mesh& mesh) {
  double low = 1e9;
  for (const Vertex& v : mesh.vertices) low = std::min(low, v.p.y);
  for (Vertex& v : mesh.vertices) v.p.y -= low;
}

// Radius factor of a lumpy, optionally faceted blob in direction d.
double Lumps(Vec3 d, double lumps, double facets, uint32_t seed) {
  double r = 1.0 + lumps * Fractal3(d.x * 1.7 + 5, d.y * 1.7 + 9, d.z * 1.7 + 2, seed, 3);
  if (facets > 0) {
    // Cut by a handful of planes: the blob is pulled in where a plane is nearer.
    for (int i = 0; i < 7; ++i) {
      const Vec3 n = Normalised({Noise3(i * 3.1, 0.5, 1.5, seed + 7) + 0.01 * i,
                                 0.6 * Noise3(i * 1.7, 2.5, 0.5, seed + 8),
                                 Noise3(0.5, i * 2.3, 3.5, seed + 9)});
      const double along = d.x * n.x + d.y * n.y + d.z * n.z;
      if (along > 0.05) r = std::min(r, (1.0 - 0.22 * facets) / along);
    }
  }
  return r;
}

}  // namespace

bool BuildStone(int vertices, int triangles, const StoneStyle& st, Mesh* mesh) {
  SweepPrefs prefs;
  prefs.segments = std::clamp(static_cast<int>(std::sqrt(triangles / 2.0) * 1.3), 6, 28);
  prefs.bands = std::max(3, triangles / (2 * prefs.segments));
  prefs.bottoms = {End::SplitPole, End::Pole, End::Cap, End::FlatCap};
  prefs.tops = {End::SplitPole, End::Pole};
  SweepLayout layout;
  if (!SolveSweep(vertices, triangles, prefs, &layout)) return false;
  const double rx = st.width * 0.5 * st.elongation, rz = st.width * 0.5 / st.elongation, ry = st.height * 0.5;
  auto surface = [&](double t, double a) {
    const Vec3 d = Direction(t, a);
    const double r = Lumps(d, st.lumps, st.facets, st.seed);
    // Flatter underneath, where the stone has settled.
    const double y = d.y < 0 ? d.y * 0.55 : d.y;
    return Vec3{d.x * r * rx, (y * r + 1.0) * ry, d.z * r * rz};
  };
  const Vec3 bottom = {0, (1.0 - 0.55 * Lumps({0, -1, 0}, st.lumps, st.facets, st.seed)) * ry, 0};
  const Vec3 top = {0, (1.0 + Lumps({0, 1, 0}, st.lumps, st.facets, st.seed)) * ry, 0};
  const double texture = 0.008;
  const double around = kPi * st.width;
  AddSweep(*mesh, layout, surface, std::max(1.0, std::round(around / texture)),
           std::max(1.0, std::round(0.5 * around / texture)), bottom, top);
  Ground(*mesh);
  return true;
}

bool BuildCoralBase(int vertices, int triangles, const CoralBaseStyle& st, Mesh* mesh) {
  SweepPrefs prefs;
  prefs.segments = std::clamp(static_cast<int>(std::sqrt(triangles / 2.0) * 1.5), 8, 40);
  prefs.bands = std::max(3, triangles / (2 * prefs.segments));
  prefs.bottoms = {End::Open, End::Cap, End::FlatCap, End::Pole, End::SplitPole};
  // A flat cap over the crown keeps the texture from gathering into a star.
  prefs.tops = {End::Cap, End::FlatCap, End::SplitPole, End::Pole};
  prefs.maxBands = 80;
  prefs.maxSegments = 64;
  prefs.maxTopChange = 12;
  prefs.maxSeams = 3;
  SweepLayout layout;
  if (!SolveSweep(vertices, triangles, prefs, &layout)) return false;
  const double r = st.width * 0.5, h = st.height;
  Dice dice(st.seed);
  const double p1 = dice.Range(0, 2 * kPi), p2 = dice.Range(0, 2 * kPi), p3 = dice.Range(0, 2 * kPi);
  // A colony grows unevenly: a lobed outline, higher on one side.
  auto lobes = [&](double a) { return 1 + 0.14 * std::sin(2 * a + p1) + 0.08 * std::sin(3 * a + p2); };
  auto surface = [&](double t, double a) {
    if (st.kind == CoralBase::Plate) {
      // A short foot flaring into a wide, wavy-rimmed table: the underside up
      // to the rim (t = 0.5), then the top back in towards the middle.
      const double out = t < 0.5 ? 0.35 + 0.65 * std::sin(kPi * t) : 1.0 - 1.5 * (t - 0.5);
      const double rise = t < 0.5 ? 0.55 * t / 0.5 : 0.55 + 0.45 * std::sin(kPi * (t - 0.5));
      const double rim = 0.5 * std::sin(3 * a + p3) * std::max(0.0, out - 0.5);
      const double rr = r * out * lobes(a);
      return Vec3{rr * std::cos(a), h * (rise + rim), rr * std::sin(a)};
    }
    // From a skirt on the ground up over a dome with full, steep sides.
    const double lat = kPi / 2 * (0.02 + 0.8 * t);
    const double across = std::pow(std::cos(lat), 0.75);
    const Vec3 d{across * std::cos(a), std::sin(lat), across * std::sin(a)};
    double bump = 0.12 * Fractal3(d.x * 2 + 1, d.y * 2, d.z * 2 + 3, st.seed, 3);
    if (st.kind == CoralBase::Brain) {
      // Meandering ridges.
      const double m = std::sin(14 * d.x + 6 * Noise3(d.x * 2, d.y * 2, d.z * 2, st.seed)) *
                       std::cos(13 * d.z + 6 * Noise3(d.z * 2, d.x * 2, d.y * 2, st.seed + 1));
      bump += 0.05 * m;
    }
    const double spread = r * (1 + bump) * lobes(a);
    return Vec3{d.x * spread, d.y * (1 + bump) * h * (1 + 0.15 * std::sin(a + p3)), d.z * spread};
  };
  const Vec3 top{0, h * 1.02, 0};
  AddSweep(*mesh, layout, surface, std::max(1.0, std::round(kPi * st.width / 0.012)),
           std::max(1.0, std::round(st.height / 0.012 + 1)), {0, 0, 0}, top);
  return true;
}

}  // namespace sorvane::meshgen
