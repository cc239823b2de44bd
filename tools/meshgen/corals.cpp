// Coral branches: antler corals that fork, finger corals of thick blunt
// stems, tube corals of upright open pipes, and sea fans of textured blades.
#include <algorithm>
#include <cmath>
#include <numeric>
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
  double rise = 0.25;  // how much it curls upwards as it grows, in lengths
  Vec3 bend;           // sideways drift of the tip, in lengths
  double flare = 0;    // how far an open tube widens at its lip
  double phase = 0;    // of the wobble round its cross-section
};

double BranchTaper(CoralBranches kind) { return kind == CoralBranches::Finger ? 0.35 : 0.55; }

Vec3 BranchCentre(const Branch& b, double t) {
  return b.start + (b.direction + Vec3{0, b.rise * t, 0} + b.bend * t) * (b.length * t);
}

Vec3 BranchTangent(const Branch& b, double t) {
  return Normalised(b.direction + Vec3{0, 2 * b.rise * t, 0} + b.bend * (2 * t));
}

void AddBranch(Mesh& mesh, const SweepLayout& l, const Branch& b, double taper, bool open) {
  auto frame = [&](double t, Vec3* n, Vec3* m) {
    const Vec3 tangent = BranchTangent(b, t);
    const Vec3 ref = std::fabs(tangent.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    *n = Normalised(Cross(tangent, ref));
    *m = Cross(tangent, *n);
  };
  // An open tube narrows at its foot and opens into a lip; a branch tapers.
  auto radius = [&](double t) {
    if (!open) return b.radius * (1.0 - taper * t);
    const double lip = std::clamp((t - 0.7) / 0.3, 0.0, 1.0);
    return b.radius * (0.7 + 0.3 * std::min(1.0, t / 0.25)) * (1.0 + b.flare * lip * lip);
  };
  auto surface = [&](double t, double a) {
    Vec3 n, m;
    frame(t, &n, &m);
    // Nothing that grows is round: a slow lobe around the cross-section.
    const double r = radius(t) * (1.0 + (open ? 0.09 : 0.05) * std::sin(3 * a + b.phase + 2 * t));
    return BranchCentre(b, t) + n * (r * std::cos(a)) + m * (r * std::sin(a));
  };
  const Vec3 tip = BranchCentre(b, 1.0) + BranchTangent(b, 1.0) * (radius(1.0) * (open ? -1.5 : 0.8));
  AddSweep(mesh, l, surface, 1.0, std::max(1.0, std::round(b.length / (2 * kPi * b.radius))), b.start, tip);
}

// Tubes packed round a common foot on the base: the middle ones tallest and
// upright, the outer ones shorter and leaning out, each a little bent.
std::vector<Branch> GrowTubes(int count, const CoralBranchStyle& st) {
  Dice dice(st.seed);
  std::vector<Branch> tubes;
  const double reach = st.spread * 0.42, baseY = st.height * 0.2;
  for (int i = 0; i < count; ++i) {
    const double out = std::sqrt((i + 0.5) / count);
    const double a = i * 2.39996 + dice.Range(-0.3, 0.3);  // the golden angle spreads them evenly
    const double d = reach * out;
    const double lean = 0.06 + 0.45 * out + dice.Range(0.0, 0.1);
    Branch b;
    b.start = {d * std::cos(a), baseY * (1.0 - out * out), d * std::sin(a)};
    b.direction = Normalised({std::cos(a) * lean, 1.0, std::sin(a) * lean});
    b.length = st.height * (1.0 - 0.5 * out) * dice.Range(0.7, 1.05);
    b.radius = st.thickness * dice.Range(0.6, 1.3);
    b.rise = 0;
    b.bend = {dice.Range(-0.15, 0.15), 0, dice.Range(-0.15, 0.15)};
    b.flare = dice.Range(0.4, 0.9);
    b.phase = dice.Range(0, 2 * kPi);
    tubes.push_back(b);
  }
  return tubes;
}

std::vector<Branch> GrowBranches(int count, const CoralBranchStyle& st) {
  if (st.kind == CoralBranches::Tube) return GrowTubes(count, st);
  Dice dice(st.seed);
  std::vector<Branch> branches;
  // Antlers fork again and again; fingers fork once or twice into blunt lobes.
  const int roots = std::max(3, count / (st.kind == CoralBranches::Antler ? 6 : 2));
  const double baseY = st.height * 0.25;
  for (int i = 0; i < count; ++i) {
    Branch b;
    b.bend = {dice.Range(-0.2, 0.2), 0, dice.Range(-0.2, 0.2)};
    b.phase = dice.Range(0, 2 * kPi);
    if (i < roots || branches.empty()) {
      // Fingers stand over the whole base, leaning out only at its rim;
      // antlers spring from its middle.
      const bool finger = st.kind == CoralBranches::Finger;
      const double reach = st.spread * (finger ? 0.45 : 0.35);
      const double a = dice.Range(0, 2 * kPi), d = reach * std::sqrt(dice.Uniform());
      const double lean = finger ? 0.1 + 0.6 * d / reach + dice.Range(0.0, 0.15) : dice.Range(0.3, 0.9);
      b.start = {d * std::cos(a), baseY * (1.0 - d / st.spread), d * std::sin(a)};
      b.direction = Normalised({std::cos(a) * lean, 1.0, std::sin(a) * lean});
      b.length = st.height * (finger ? dice.Range(0.35, 0.6) : dice.Range(0.4, 0.7));
      b.radius = st.thickness * dice.Range(0.8, 1.1);
    } else {
      const Branch& parent = branches[static_cast<size_t>(dice.Uniform() * (branches.size() - 1) + 0.5)];
      const double t = dice.Range(0.45, 0.85);
      const double a = dice.Range(0, 2 * kPi);
      b.start = BranchCentre(parent, t);
      const Vec3 out{std::cos(a), 0.4, std::sin(a)};
      b.direction = Normalised(BranchTangent(parent, t) + out * 0.8);
      b.length = parent.length * dice.Range(0.5, 0.75);
      // A fork is as thick as its parent where it leaves it.
      b.radius = parent.radius * (1.0 - BranchTaper(st.kind) * t);
    }
    branches.push_back(b);
  }
  return branches;
}

// A sea fan: one ruffled, cupped blade spreading from a short stalk, its outer
// edge lobed and torn. It is cut into columns from the stalk outwards, each a
// two-row strip near the stalk and single cards beyond, so that the blade
// uses exactly the pieces the counts allow; the lattice texture lies flat on it.
bool BuildFan(int vertices, int triangles, const CoralBranchStyle& st, Mesh* mesh) {
  const StripLayout card{2, 1}, strip{2, 2};
  PlanRequest request;
  request.vertices = vertices;
  request.triangles = triangles;
  request.first = {StripVertices(card), StripTriangles(card)};
  request.second = {StripVertices(strip), StripTriangles(strip)};
  request.maxSecond = vertices / 6;
  request.preferredFirst = vertices / 8;
  request.allowSweep = false;
  const auto plan = PlanPieces(request);
  if (!plan || plan->filler != FillerKind::None) return false;
  const int columns = std::gcd(plan->firstCount, plan->secondCount);
  if (columns < 3) return false;
  const int strips = plan->secondCount / columns, cards = plan->firstCount / columns;
  const int rows = 2 * strips + cards;
  Dice dice(st.seed);
  const double p1 = dice.Range(0, 2 * kPi), p2 = dice.Range(0, 2 * kPi);
  const double spread = 1.0, stalk = 0.08;
  // Outer reach along each direction of the fan: lobed, with a few bites.
  auto reach = [&](double f) {
    return 0.75 + 0.14 * std::sin(7 * f + p1) + 0.08 * std::sin(13 * f + p2) + 0.1 * Noise3(f * 9, 0.5, 1.5, st.seed);
  };
  const Vec3 base{0, st.height * 0.15, 0};
  const double size = st.height * 0.85;
  // (f across the fan −0.5 … 0.5, g from the stalk 0 … 1) to a point.
  auto point = [&](double f, double g) {
    const double a = f * spread * 2.2;
    const double r = size * (stalk + (reach(f) - stalk) * g);
    const double ruffle = 0.06 * size * g * std::sin(5 * a + 3 * g + p1) + 0.18 * size * f * f * g;
    return base + Vec3{std::sin(a) * r, std::cos(a) * r, ruffle};
  };
  for (int c = 0; c < columns; ++c) {
    const double f0 = static_cast<double>(c) / columns - 0.5, f1 = static_cast<double>(c + 1) / columns - 0.5;
    int row = 0;
    for (int piece = 0; piece < strips + cards; ++piece) {
      const int span = piece < strips ? 2 : 1;
      const double g0 = static_cast<double>(row) / rows, g1 = static_cast<double>(row + span) / rows;
      const int first = mesh->VertexCount();
      AddStrip(*mesh, piece < strips ? strip : card,
               [&](double s, double t) { return point(f0 + (f1 - f0) * (s + 0.5), g0 + (g1 - g0) * t); });
      for (int k = first; k < mesh->VertexCount(); ++k) {
        Vertex& v = mesh->vertices[k];
        v.u = v.p.x / size * 3;
        v.v = (base.y + size - v.p.y) / size * 3;
      }
      row += span;
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
  // Tubes get rounder and longer sweeps, so that fewer, finer ones share the
  // base. Fingers end in blunt lobes, antlers in thin tips.
  const int roundness = open ? 9 : 7, bandsWanted = open ? 10 : 7;
  const double taper = BranchTaper(st.kind);
  struct Candidate {
    SweepLayout layout;
    double score;
  };
  std::vector<Candidate> candidates;
  for (int s = 5; s <= 10; ++s)
    for (int bands = 3; bands <= 12; ++bands)
      for (int cuts = 0; cuts < bands; ++cuts)
        for (End top : {End::SplitPole, End::Pole, End::Open}) {
          if (open != (top == End::Open)) continue;
          SweepLayout l{bands, s, s, End::Open, top, cuts, 0};
          const double r = static_cast<double>(SweepTriangles(l)) / SweepVertices(l);
          candidates.push_back({l, std::fabs(r - ratio) * 4 + 0.02 * std::abs(s - roundness) +
                                       0.01 * std::abs(bands - bandsWanted) +
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
    for (int i = 0; i < plan->firstCount; ++i) AddBranch(*mesh, c.layout, branches[i], taper, open);
    if (plan->filler == FillerKind::Sweep) AddBranch(*mesh, plan->sweep, branches.back(), taper, open);
    return true;
  }
  return false;
}

}  // namespace sorvane::meshgen
