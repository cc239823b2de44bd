// Plants: tufts of curled leaves (and the same tufts as flat cards for the
// simple meshes), ribbon blades and kelp fronds that rise and lean, and
// mixtures of both; a thin stem takes whatever the leaves leave of the counts.
#include <algorithm>
#include <cmath>

#include "tools/meshgen/families.h"
#include "tools/meshgen/piece_plan.h"

namespace sorvane::meshgen {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kGoldenAngle = 2.399963229728653;

// Where leaf i of n of a tuft grows: its base, direction and length. The same
// for the detailed and the simple mesh of a plant.
struct LeafPlace {
  Vec3 base, dir, side;
  double length, width;
};

LeafPlace PlaceLeaf(int i, int n, const PlantStyle& st) {
  Dice dice(st.seed * 7919u + static_cast<uint32_t>(i));
  const double f = n <= 1 ? 0.0 : static_cast<double>(i) / (n - 1);
  const double yaw = i * kGoldenAngle;
  // Inner leaves stand up, outer ones lean out.
  const double elevation = (80.0 - 55.0 * std::sqrt(f)) * kPi / 180.0 + dice.Range(-0.12, 0.12);
  const Vec3 out{std::cos(yaw), 0, std::sin(yaw)};
  LeafPlace p;
  p.dir = Normalised(out * std::cos(elevation) + Vec3{0, std::sin(elevation), 0});
  p.side = Normalised(Cross(Vec3{0, 1, 0}, out));
  p.base = out * (st.spread * 0.12 * f) + Vec3{0, st.height * 0.22 * (1.0 - f) * f, 0};
  p.length = st.height * (0.55 + 0.4 * (1.0 - f)) * dice.Range(0.85, 1.1);
  p.width = p.length * 0.32;
  return p;
}

void AddStem(Mesh& mesh, const SweepLayout& l, const PlantStyle& st) {
  const double r = st.height * 0.02;
  auto surface = [&](double t, double a) {
    return Vec3{r * (1 - 0.5 * t) * std::cos(a), st.height * 0.35 * t, r * (1 - 0.5 * t) * std::sin(a)};
  };
  AddSweep(mesh, l, surface, 1.0, 1.0, {0, 0, 0}, {0, st.height * 0.37, 0});
}

bool BuildTuft(int vertices, int triangles, const PlantStyle& st, bool cards, Mesh* mesh) {
  PlanRequest request;
  request.vertices = vertices;
  request.triangles = triangles;
  request.first = cards ? PieceCounts{4, 2} : PieceCounts{7, 6};
  request.preferredFirst = vertices / request.first.vertices;
  request.sweep.segments = 4;
  request.sweep.bands = 2;
  request.sweep.minSegments = 3;
  request.sweep.maxSegments = 12;
  request.sweep.maxBands = 12;
  request.sweep.bottoms = {End::Open, End::Pole, End::FlatCap};
  request.sweep.tops = {End::Pole, End::SplitPole, End::Open};
  request.allowStrip = true;
  request.stripRows = 4;
  const auto plan = PlanPieces(request);
  if (!plan) return false;
  // Each leaf shows only the middle of the tuft image, where its stems
  // gather: a narrow bundle of blades. Whole tufts on every leaf read as a
  // thicket and cost a software rasteriser most of its time in see-through
  // pixels.
  constexpr double kSlice0 = 0.38, kSlice1 = 0.62;
  for (int i = 0; i < plan->firstCount; ++i) {
    const LeafPlace p = PlaceLeaf(i, plan->firstCount, st);
    const double width = p.length * 0.3 * (kSlice1 - kSlice0);
    if (cards) {
      AddCard(*mesh, p.base, p.dir, p.side, p.length, width, kSlice0, kSlice1);
    } else {
      AddLeaf(*mesh, p.base, p.dir, p.side, p.length, width, 0.12, kSlice0, kSlice1);
    }
  }
  if (plan->filler == FillerKind::Sweep) AddStem(*mesh, plan->sweep, st);
  if (plan->filler == FillerKind::Strip) {
    const double h = st.height * 0.4;
    AddStrip(*mesh, plan->strip, [&](double s, double t) { return Vec3{s * st.height * 0.06, h * t, 0.0}; });
  }
  return true;
}

// Ribbon blades or fronds: strips rising from the base, leaning and curling.
bool BuildBlades(int vertices, int triangles, const PlantStyle& st, bool fronds, Mesh* mesh) {
  for (int columns = fronds ? 3 : 2; columns <= 4; ++columns) {
    for (int rows = 4; rows <= 24; ++rows) {
      const StripLayout blade{columns, rows};
      PlanRequest request;
      request.vertices = vertices;
      request.triangles = triangles;
      request.first = {StripVertices(blade), StripTriangles(blade)};
      request.preferredFirst = vertices / request.first.vertices;
      if (request.preferredFirst < 5 || request.preferredFirst > 40) continue;
      request.allowSweep = false;
      request.allowStrip = true;
      request.stripRows = rows;
      const auto plan = PlanPieces(request);
      if (!plan || plan->firstCount < 4) continue;
      const int count = plan->firstCount + (plan->filler == FillerKind::Strip ? 1 : 0);
      for (int i = 0; i < count; ++i) {
        const StripLayout& l = i < plan->firstCount ? blade : plan->strip;
        Dice dice(st.seed * 31u + static_cast<uint32_t>(i));
        const double yaw = i * kGoldenAngle;
        const Vec3 out{std::cos(yaw), 0, std::sin(yaw)};
        const Vec3 side = Normalised(Cross(Vec3{0, 1, 0}, out) + out * dice.Range(-0.4, 0.4));
        const double len = st.height * dice.Range(0.65, 1.0);
        const double lean = dice.Range(0.15, 0.6) * (fronds ? 0.7 : 1.0);
        const double width = st.height * (fronds ? 0.16 : 0.07);
        const Vec3 base = out * (st.spread * 0.1 * dice.Uniform());
        AddStrip(*mesh, l, [&](double s, double t) {
          // Rising, bending outwards, narrowing to the tip, twisting a little.
          const double taper = fronds ? std::sin(kPi * std::min(1.0, 0.15 + t)) : 1.0 - 0.7 * t * t;
          const double twist = 0.6 * t;
          const Vec3 across = side * std::cos(twist) + out * std::sin(twist);
          const Vec3 centre = base + out * (lean * len * t * t) + Vec3{0, len * (t - 0.2 * lean * t * t), 0};
          return centre + across * (s * width * std::max(0.08, taper));
        });
      }
      return true;
    }
  }
  return false;
}

bool BuildMixed(int vertices, int triangles, const PlantStyle& st, Mesh* mesh) {
  PlanRequest request;
  request.vertices = vertices;
  request.triangles = triangles;
  request.first = {7, 6};
  request.second = {4, 2};
  request.maxSecond = vertices / 4;
  request.preferredFirst = vertices / 14;
  request.fillerTries = 200;
  request.sweep.segments = 4;
  request.sweep.bands = 3;
  request.sweep.maxSegments = 10;
  request.sweep.maxBands = 16;
  request.sweep.bottoms = {End::Open, End::Pole, End::FlatCap};
  request.sweep.tops = {End::Pole, End::SplitPole, End::Open};
  request.allowStrip = true;
  request.stripRows = 6;
  const auto plan = PlanPieces(request);
  if (!plan) return false;
  const int n = plan->firstCount + plan->secondCount;
  for (int i = 0; i < n; ++i) {
    const LeafPlace p = PlaceLeaf(i, n, st);
    if (i < plan->firstCount) {
      AddLeaf(*mesh, p.base, p.dir, p.side, p.length * 0.8, p.width, 0.1);
    } else {
      AddCard(*mesh, p.base, p.dir, p.side, p.length, p.width * 0.7);
    }
  }
  if (plan->filler == FillerKind::Sweep) AddStem(*mesh, plan->sweep, st);
  if (plan->filler == FillerKind::Strip) {
    const double h = st.height * 0.5;
    AddStrip(*mesh, plan->strip, [&](double s, double t) { return Vec3{s * st.height * 0.05, h * t, 0.001}; });
  }
  return true;
}

}  // namespace

bool BuildPlant(int vertices, int triangles, const PlantStyle& st, Mesh* mesh) {
  switch (st.kind) {
    case PlantKind::LeafTuft: return BuildTuft(vertices, triangles, st, false, mesh);
    case PlantKind::LeafCards: return BuildTuft(vertices, triangles, st, true, mesh);
    case PlantKind::Blades: return BuildBlades(vertices, triangles, st, false, mesh);
    case PlantKind::Fronds: return BuildBlades(vertices, triangles, st, true, mesh);
    case PlantKind::Mixed: return BuildMixed(vertices, triangles, st, mesh);
  }
  return false;
}

}  // namespace sorvane::meshgen
