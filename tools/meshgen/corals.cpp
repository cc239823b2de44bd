// Coral branches: antler corals that fork, finger corals of thick blunt
// stems, tube corals of upright open pipes, and sea fans of textured blades.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/meshgen/families.h"
#include "tools/meshgen/piece_plan.h"

namespace sorvane::meshgen {

namespace {

constexpr double kPi = 3.141592653589793;

struct Branch {
  Vec3 start;
  Vec3 direction;
  double length;
  double radius;
};

Vec3 BranchCentre(const Branch& b, double t) {
  // Curving upwards as it grows.
  return b.start + b.direction * (b.length * t) + Vec3{0, 1, 0} * (0.25 * b.length * t * t);
}

Vec3 BranchTangent(const Branch& b, double t) {
  return Normalised(b.direction * b.length + Vec3{0, 1, 0} * (0.5 * b.length * t));
}

void AddBranch(Mesh& mesh, const SweepLayout& l, const Branch& b, double taper, bool open) {
  auto frame = [&](double t, Vec3* n, Vec3* m) {
    const Vec3 tangent = BranchTangent(b, t);
    const Vec3 ref = std::fabs(tangent.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    *n = Normalised(Cross(tangent, ref));
    *m = Cross(tangent, *n);
  };
  auto radius = [&](double t) { return b.radius * (1.0 - taper * t); };
  auto surface = [&](double t, double a) {
    Vec3 n, m;
    frame(t, &n, &m);
    const double r = radius(t) * (open && t > 0.9 ? 1.0 + 3.0 * (t - 0.9) : 1.0);
    return BranchCentre(b, t) + n * (r * std::cos(a)) + m * (r * std::sin(a));
  };
  const Vec3 tip = BranchCentre(b, 1.0) + BranchTangent(b, 1.0) * (radius(1.0) * (open ? -1.5 : 0.8));
  AddSweep(mesh, l, surface, 1.0, std::max(1.0, std::round(b.length / (2 * kPi * b.radius))), b.start, tip);
}

std::vector<Branch> GrowBranches(int count, const CoralBranchStyle& st) {
  Dice dice(st.seed);
  std::vector<Branch> branches;
  const int roots = st.kind == CoralBranches::Antler ? std::max(3, count / 6) : count;
  const double baseY = st.height * 0.25;
  for (int i = 0; i < count; ++i) {
    Branch b;
    if (i < roots || branches.empty()) {
      const double a = dice.Range(0, 2 * kPi), d = st.spread * 0.35 * std::sqrt(dice.Uniform());
      const double lean = st.kind == CoralBranches::Tube ? dice.Range(0.05, 0.3) : dice.Range(0.3, 0.9);
      b.start = {d * std::cos(a), baseY * (1.0 - d / st.spread), d * std::sin(a)};
      b.direction = Normalised({std::cos(a) * lean, 1.0, std::sin(a) * lean});
      b.length = st.height * (st.kind == CoralBranches::Finger ? dice.Range(0.35, 0.6) : dice.Range(0.4, 0.7));
      b.radius = st.thickness * dice.Range(0.8, 1.1);
    } else {
      const Branch& parent = branches[static_cast<size_t>(dice.Uniform() * (branches.size() - 1) + 0.5)];
      const double t = dice.Range(0.45, 0.85);
      const double a = dice.Range(0, 2 * kPi);
      b.start = BranchCentre(parent, t);
      const Vec3 out{std::cos(a), 0.4, std::sin(a)};
      b.direction = Normalised(BranchTangent(parent, t) + out * 0.8);
      b.length = parent.length * dice.Range(0.5, 0.75);
      b.radius = parent.radius * (1.0 - 0.5 * t) * 0.95;
    }
    branches.push_back(b);
  }
  return branches;
}

bool BuildFan(int vertices, int triangles, const CoralBranchStyle& st, Mesh* mesh) {
  // Cards and two-row bent blades spread like a fan.
  PlanRequest request;
  request.vertices = vertices;
  request.triangles = triangles;
  request.first = {4, 2};
  request.second = {6, 4};
  request.maxSecond = vertices / 6;
  request.preferredFirst = vertices / 8;
  request.allowSweep = false;
  const auto plan = PlanPieces(request);
  if (!plan || plan->filler != FillerKind::None) return false;
  const int total = plan->firstCount + plan->secondCount;
  Dice dice(st.seed);
  for (int i = 0; i < total; ++i) {
    const double f = total == 1 ? 0.5 : static_cast<double>(i) / (total - 1);
    const double a = (f - 0.5) * 2.2 + dice.Range(-0.1, 0.1);
    const double yaw = dice.Range(-0.25, 0.25);
    const Vec3 dir = Normalised({std::sin(a) * std::cos(yaw), std::cos(a), std::sin(a) * std::sin(yaw)});
    const Vec3 side = Normalised(Cross(dir, Vec3{-std::sin(yaw), 0, std::cos(yaw)}));
    const Vec3 base{0, st.height * 0.15, 0};
    const double len = st.height * dice.Range(0.6, 0.85), width = st.spread * dice.Range(0.35, 0.5);
    if (i < plan->firstCount) {
      AddCard(*mesh, base, dir, side, len, width);
    } else {
      const StripLayout strip{2, 2};
      const Vec3 bend = Normalised(Cross(side, dir));
      AddStrip(*mesh, strip, [&](double s, double t) {
        return base + dir * (len * t) + side * (width * s) + bend * (0.15 * len * t * t);
      });
    }
  }
  return true;
}

}  // namespace

bool BuildCoralBranches(int vertices, int triangles, const CoralBranchStyle& st, Mesh* mesh) {
  if (st.kind == CoralBranches::Fan) return BuildFan(vertices, triangles, st, mesh);
  const bool open = st.kind == CoralBranches::Tube;
  const double ratio = static_cast<double>(triangles) / vertices;
  // A branch layout close to the mesh's ratio, then as many branches as fit.
  struct Candidate {
    SweepLayout layout;
    double score;
  };
  std::vector<Candidate> candidates;
  for (int s = 5; s <= 9; ++s)
    for (int bands = 3; bands <= 12; ++bands)
      for (int cuts = 0; cuts < bands; ++cuts)
        for (End top : {End::SplitPole, End::Pole, End::Open}) {
          if (open != (top == End::Open)) continue;
          SweepLayout l{bands, s, s, End::Open, top, cuts, 0};
          const double r = static_cast<double>(SweepTriangles(l)) / SweepVertices(l);
          candidates.push_back({l, std::fabs(r - ratio) * 4 + 0.02 * std::abs(s - 7) + 0.01 * std::abs(bands - 7) +
                                       0.01 * cuts});
        }
  std::stable_sort(candidates.begin(), candidates.end(), [](auto a, auto b) { return a.score < b.score; });
  int tried = 0;
  for (const Candidate& c : candidates) {
    if (++tried > 40) break;
    PlanRequest request;
    request.vertices = vertices;
    request.triangles = triangles;
    request.first = {SweepVertices(c.layout), SweepTriangles(c.layout)};
    request.preferredFirst = vertices / request.first.vertices;
    request.sweep.segments = c.layout.segments;
    request.sweep.bands = c.layout.bands;
    request.sweep.maxBands = 60;
    request.sweep.maxSegments = 16;
    request.sweep.bottoms = {End::Open};
    request.sweep.tops = open ? std::vector<End>{End::Open} : std::vector<End>{End::SplitPole, End::Pole};
    const auto plan = PlanPieces(request);
    if (!plan) continue;
    const int count = plan->firstCount + (plan->filler == FillerKind::Sweep ? 1 : 0);
    const std::vector<Branch> branches = GrowBranches(count, st);
    for (int i = 0; i < plan->firstCount; ++i) AddBranch(*mesh, c.layout, branches[i], 0.45, open);
    if (plan->filler == FillerKind::Sweep) AddBranch(*mesh, plan->sweep, branches.back(), 0.45, open);
    return true;
  }
  return false;
}

}  // namespace sorvane::meshgen
