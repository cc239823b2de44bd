// Columns: a square plinth, a fluted or plain shaft with a slight taper, and
// either a capital (echinus and abacus) or a broken, jagged top; extra blocks
// lie around the foot as fallen fragments.
#include <algorithm>
#include <cmath>

#include "tools/meshgen/families.h"
#include "tools/meshgen/masonry_blocks.h"
#include "tools/meshgen/piece_plan.h"

namespace sorvane::meshgen {

namespace {
constexpr double kPi = 3.141592653589793;
}

bool BuildColumn(int vertices, int triangles, const ColumnStyle& st, Mesh* mesh) {
  const BoxLayout block{1, 1, 1, false};
  PlanRequest request;
  request.vertices = vertices;
  request.triangles = triangles;
  request.first = {BoxVertices(block), BoxTriangles(block)};
  request.preferredFirst = st.capital ? 2 : 1;
  request.sweep.segments = st.flutes > 0 ? 2 * st.flutes : 16;
  request.sweep.bands = 10;
  request.sweep.maxSegments = 48;
  request.sweep.bottoms = {End::Open, End::FlatCap};
  request.sweep.tops = st.capital ? std::vector<End>{End::Open, End::FlatCap, End::Cap}
                                  : std::vector<End>{End::Cap, End::FlatCap, End::SplitPole};
  request.sweep.maxTopChange = 8;
  const auto plan = PlanPieces(request);
  if (!plan || plan->filler != FillerKind::Sweep) return false;

  const double plinthH = st.height * 0.08, plinthW = st.radius * 2.9;
  const double abacusH = st.capital ? st.height * 0.07 : 0.0, abacusW = st.radius * 2.7;
  const double shaftTop = st.height - abacusH;
  Dice dice(st.seed);
  for (int i = 0; i < plan->firstCount; ++i) {
    if (i == 0) {
      AddBlock(*mesh, block, {0, plinthH * 0.5, 0}, {plinthW, plinthH, plinthW}, 0.0, 0.04, st.seed, 0.02);
    } else if (i == 1 && st.capital) {
      AddBlock(*mesh, block, {0, shaftTop + abacusH * 0.5, 0}, {abacusW, abacusH, abacusW}, 0.0, 0.04, st.seed + 1,
               0.02);
    } else {
      // A fragment fallen at the foot.
      const double a = dice.Range(0, 2 * kPi), d = st.radius * dice.Range(2.2, 3.2);
      const double size = st.radius * dice.Range(0.5, 0.9);
      AddBlock(*mesh, block, {d * std::cos(a), size * 0.35, d * std::sin(a)}, {size, size * 0.7, size * 0.8},
               dice.Range(0, kPi), 0.15, st.seed + 10 + i, 0.02);
    }
  }
  const SweepLayout& l = plan->sweep;
  const int flutes = st.flutes > 0 ? l.segments / 2 : 0;
  auto surface = [&](double t, double a) {
    const int j = static_cast<int>(std::lround(a / (2 * kPi) * l.segments));
    double r = st.radius * (1.0 - 0.1 * t);
    if (flutes > 0 && (j % 2) == 1) r *= 0.9;
    double y = plinthH + (shaftTop - plinthH) * t;
    if (st.capital && t > 0.85) r *= 1.0 + 0.9 * std::pow((t - 0.85) / 0.15, 2.0);
    if (!st.capital && t > 0.999) {
      // A jagged break across the top.
      y -= st.height * st.broken * (0.5 + 0.5 * Noise3(std::cos(a) * 2, std::sin(a) * 2, 0.5, st.seed));
    }
    const double wobble = 1.0 + 0.02 * Noise3(std::cos(a) * 3, t * 6, std::sin(a) * 3, st.seed + 3);
    return Vec3{r * wobble * std::cos(a), y, r * wobble * std::sin(a)};
  };
  const double around = 2 * kPi * st.radius;
  const double uRepeats = 1.0;
  AddSweep(*mesh, l, surface, uRepeats, (shaftTop - plinthH) / around * uRepeats, {0, plinthH, 0},
           {0, shaftTop - st.height * st.broken * 0.3, 0});
  return true;
}

}  // namespace sorvane::meshgen
