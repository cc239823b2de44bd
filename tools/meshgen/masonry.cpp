// Bricks and walls: piles of weathered bricks, and walls laid in courses with
// gaps, a ragged top and blocks fallen beside them; a lumpy piece of rubble
// takes whatever the blocks leave of the counts. A round ruin is a ring wall
// with a broken crown.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/meshgen/families.h"
#include "tools/meshgen/masonry_blocks.h"
#include "tools/meshgen/piece_plan.h"

namespace sorvane::meshgen {

namespace {

constexpr double kPi = 3.141592653589793;

// Box layouts from plain to finely divided, and the plan that uses the first
// one that fits the counts with about `preferred` blocks.
std::optional<PiecePlan> PlanBlocks(int vertices, int triangles, double preferredSize, BoxLayout* chosen,
                                    BoxLayout* half, int maxDivisions) {
  struct Candidate {
    BoxLayout layout;
    double score;
  };
  std::vector<Candidate> candidates;
  const double ratio = static_cast<double>(triangles) / vertices;
  for (int nx = 1; nx <= maxDivisions; ++nx)
    for (int ny = 1; ny <= std::max(1, maxDivisions / 2); ++ny)
      for (int nz = 1; nz <= std::max(1, maxDivisions / 2); ++nz)
        for (int b = 0; b < 2; ++b) {
          BoxLayout l{nx, ny, nz, b == 1};
          const double r = static_cast<double>(BoxTriangles(l)) / BoxVertices(l);
          candidates.push_back({l, std::fabs(r - ratio) + 0.002 * std::abs(BoxVertices(l) - preferredSize)});
        }
  std::stable_sort(candidates.begin(), candidates.end(), [](auto a, auto b) { return a.score < b.score; });
  int tried = 0;
  for (const Candidate& c : candidates) {
    if (++tried > 30) break;
    PlanRequest request;
    request.vertices = vertices;
    request.triangles = triangles;
    request.first = {BoxVertices(c.layout), BoxTriangles(c.layout)};
    // Broken half blocks beside the whole ones.
    const BoxLayout halfLayout{std::max(1, c.layout.nx / 2), c.layout.ny, c.layout.nz, c.layout.bottom};
    request.second = {BoxVertices(halfLayout), BoxTriangles(halfLayout)};
    request.maxSecond = half != nullptr ? 12 : 0;
    request.preferredFirst = static_cast<int>(vertices * 0.85 / BoxVertices(c.layout));
    request.sweep.segments = 12;
    request.sweep.bands = 8;
    request.sweep.maxSegments = 40;
    request.sweep.maxBands = 70;
    request.sweep.maxTopChange = 10;
    request.fillerTries = 40;
    // Rubble lies half buried: it may be open underneath.
    request.sweep.bottoms = {End::SplitPole, End::Pole, End::Open};
    request.sweep.tops = {End::SplitPole, End::Pole};
    if (auto plan = PlanPieces(request)) {
      *chosen = c.layout;
      if (half != nullptr) *half = halfLayout;
      return plan;
    }
  }
  return std::nullopt;
}

// A rubble stone of the filler's layout at the given place.
void AddRubble(Mesh& mesh, const SweepLayout& l, Vec3 at, double size, uint32_t seed) {
  const int first = mesh.VertexCount();
  auto surface = [&](double t, double a) {
    const double lat = -kPi / 2 + kPi * (0.06 + 0.88 * t);
    const Vec3 d{std::cos(lat) * std::cos(a), std::sin(lat) * 0.7, std::cos(lat) * std::sin(a)};
    const double r = size * 0.5 * (1.0 + 0.25 * Fractal3(d.x * 2 + 3, d.y * 2, d.z * 2 + 5, seed, 3));
    return d * r;
  };
  AddSweep(mesh, l, surface, 2.0, 1.0, {0, -size * 0.36, 0}, {0, size * 0.36, 0});
  mesh.Place(first, at, 0.0);
}

}  // namespace

bool BuildBricks(int vertices, int triangles, const BrickStyle& st, Mesh* mesh) {
  BoxLayout layout;
  const auto plan = PlanBlocks(vertices, triangles, vertices / 6.0, &layout, nullptr, 8);
  if (!plan) return false;
  Dice dice(st.seed);
  const int count = plan->firstCount;
  const double len = st.brickLength, wid = st.brickLength * 0.48, hgt = st.brickLength * 0.3;
  int placed = 0;
  for (int layer = 0; placed < count; ++layer) {
    const int inLayer = std::max(1, (count - placed + (st.layers - layer) - 1) / std::max(1, st.layers - layer));
    const double radius = st.spread * (1.0 - 0.25 * layer);
    for (int i = 0; i < inLayer && placed < count; ++i, ++placed) {
      const double a = 2 * kPi * (i + dice.Range(0, 0.5)) / inLayer;
      const double d = inLayer == 1 ? 0.0 : radius * dice.Range(0.3, 0.9);
      const double tilt = layer > 0 ? dice.Range(-0.1, 0.1) : 0.0;
      AddBlock(*mesh, layout, {d * std::cos(a), hgt * (0.5 + layer * 0.9) + tilt * len, d * std::sin(a)},
               {len, hgt, wid}, a + dice.Range(-0.6, 0.6), st.chipping, st.seed + placed, len * 1.2);
    }
  }
  if (plan->filler == FillerKind::Sweep) AddRubble(*mesh, plan->sweep, {st.spread * 0.9, hgt * 0.3, 0}, len * 0.6, st.seed);
  return true;
}

namespace {

bool BuildStraightWall(int vertices, int triangles, const WallStyle& st, Mesh* mesh) {
  BoxLayout layout, halfLayout;
  const auto plan = PlanBlocks(vertices, triangles, vertices / 10.0, &layout, &halfLayout, 10);
  if (!plan) return false;
  Dice dice(st.seed);
  const int count = plan->firstCount + plan->secondCount;
  // Whole blocks first; every so often a broken half block instead.
  auto isHalf = [&](int i) { return plan->secondCount > 0 && i % std::max(1, count / plan->secondCount) == 0 &&
                                    i / std::max(1, count / plan->secondCount) < plan->secondCount; };
  std::vector<bool> halves(count, false);
  int halvesLeft = plan->secondCount;
  for (int i = 0; i < count && halvesLeft > 0; ++i) {
    if (isHalf(i)) {
      halves[i] = true;
      --halvesLeft;
    }
  }
  for (int i = count - 1; i >= 0 && halvesLeft > 0; --i) {
    if (!halves[i]) {
      halves[i] = true;
      --halvesLeft;
    }
  }
  // Courses: as many blocks across as their size allows, the top ragged.
  const double aspect = st.length / st.height;
  int courses = std::max(2, static_cast<int>(std::round(std::sqrt(count * 1.6 / (aspect * 0.5)))));
  int across = std::max(2, static_cast<int>(std::ceil(count * 1.25 / courses)));
  const double bw = st.length / across, bh = st.height / courses;
  // Height of the standing wall over each block column.
  std::vector<int> columnHeight(across);
  for (int c = 0; c < across; ++c) {
    const double n = 0.5 + 0.5 * Noise3(c * 0.35, 0.5, 0.5, st.seed);
    columnHeight[c] = std::clamp(static_cast<int>(std::round(courses * (1.0 - st.ruin * n * 1.2))), 1, courses);
  }
  int placed = 0;
  const int fallen = std::max(1, count / 6);
  for (int r = 0; r < courses && placed < count - fallen; ++r) {
    const double shift = (r % 2) * 0.5 * bw;
    for (int c = 0; c < across && placed < count - fallen; ++c) {
      if (r >= columnHeight[c]) continue;
      if (r > 0 && dice.Uniform() < 0.08 * st.ruin) continue;  // a gap
      const double x = -st.length * 0.5 + (c + 0.5) * bw + shift - (r % 2) * 0.25 * bw;
      const bool half = halves[placed];
      AddBlock(*mesh, half ? halfLayout : layout,
               {x - (half ? bw * 0.25 : 0.0), (r + 0.5) * bh, dice.Range(-0.04, 0.04) * st.thickness},
               {bw * (half ? 0.47 : 0.96), bh * 0.94, st.thickness}, dice.Range(-0.03, 0.03), 0.06, st.seed + placed,
               bh * 2.5);
      ++placed;
    }
  }
  // The rest lies fallen on either side.
  while (placed < count) {
    const double side = dice.Uniform() < 0.5 ? -1.0 : 1.0;
    const double x = dice.Range(-0.5, 0.5) * st.length;
    const double z = side * (st.thickness * dice.Range(0.9, 2.2));
    const bool half = halves[placed];
    AddBlock(*mesh, half ? halfLayout : layout, {x, bh * 0.45, z},
             {bw * (half ? 0.47 : 0.96), bh * 0.94, st.thickness * 0.9}, dice.Range(-0.8, 0.8), 0.1, st.seed + placed,
             bh * 2.5);
    ++placed;
  }
  if (plan->filler == FillerKind::Sweep)
    AddRubble(*mesh, plan->sweep, {st.length * 0.3, bh * 0.3, st.thickness * 1.8}, std::min(bw, bh) * 1.2, st.seed);
  return true;
}

// A ring wall: up the outside, across the crown, down the inside; the crown
// broken away in places.
bool BuildRoundRuin(int vertices, int triangles, const WallStyle& st, Mesh* mesh) {
  SweepPrefs prefs;
  prefs.segments = 48;
  prefs.bands = 24;
  prefs.maxSegments = 64;
  prefs.maxBands = 80;
  // The ends lie on the ground inside and outside the ring: closing one puts a
  // floor under the sand.
  prefs.bottoms = {End::Open, End::FlatCap, End::Cap};
  prefs.tops = {End::Open, End::FlatCap, End::Cap};
  SweepLayout layout;
  if (!SolveSweep(vertices, triangles, prefs, &layout)) return false;
  const double outer = st.length * 0.5, inner = outer - st.thickness;
  auto crown = [&](double a) {
    const double n = 0.5 + 0.5 * Fractal3(std::cos(a) * 1.5 + 4, std::sin(a) * 1.5, 0.3, st.seed, 3);
    return st.height * std::clamp(1.0 - st.ruin * n * 1.4, 0.08, 1.0);
  };
  auto surface = [&](double t, double a) {
    const double h = crown(a);
    double r, y;
    if (t < 0.45) {
      r = outer;
      y = h * t / 0.45;
    } else if (t < 0.55) {
      const double f = (t - 0.45) / 0.1;
      r = outer + (inner - outer) * f;
      y = h + st.thickness * 0.15 * std::sin(f * kPi);
    } else {
      r = inner;
      y = h * (1.0 - (t - 0.55) / 0.45);
    }
    r *= 1.0 + 0.03 * Noise3(std::cos(a) * 4, y * 40, std::sin(a) * 4, st.seed + 5);
    return Vec3{r * std::cos(a), y, r * std::sin(a)};
  };
  const double around = 2 * kPi * outer;
  AddSweep(*mesh, layout, surface, std::round(around / (st.height * 0.6)), 2.0 * st.height / (st.height * 0.6) + 1);
  return true;
}

}  // namespace

bool BuildWall(int vertices, int triangles, const WallStyle& st, Mesh* mesh) {
  return st.round ? BuildRoundRuin(vertices, triangles, st, mesh) : BuildStraightWall(vertices, triangles, st, mesh);
}

}  // namespace sorvane::meshgen
