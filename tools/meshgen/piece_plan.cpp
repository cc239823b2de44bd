// A small search over the counts of regular pieces; the filler takes the rest.
#include "tools/meshgen/piece_plan.h"

#include <cstdlib>

namespace sorvane::meshgen {

std::optional<PiecePlan> PlanPieces(const PlanRequest& r) {
  const int maxFirst = r.first.vertices > 0 ? r.vertices / r.first.vertices : 0;
  const int maxSecond = r.second.vertices > 0 ? r.maxSecond : 0;
  // Exact plans without a filler first, then plans nearest the preference.
  std::vector<int> order;
  for (int d = 0; d <= maxFirst; ++d) {
    if (r.preferredFirst - d >= 0 && r.preferredFirst - d <= maxFirst) order.push_back(r.preferredFirst - d);
    if (d > 0 && r.preferredFirst + d <= maxFirst) order.push_back(r.preferredFirst + d);
  }
  if (order.empty()) order.push_back(0);
  for (int a : order) {
    for (int b = 0; b <= maxSecond; ++b) {
      const int v = r.vertices - a * r.first.vertices - b * r.second.vertices;
      const int t = r.triangles - a * r.first.triangles - b * r.second.triangles;
      if (v == 0 && t == 0) return PiecePlan{a, b, FillerKind::None, {}, {}};
    }
  }
  int tried = 0;
  for (int a : order) {
    if (++tried > r.fillerTries) break;
    for (int b = 0; b <= maxSecond; ++b) {
      const int v = r.vertices - a * r.first.vertices - b * r.second.vertices;
      const int t = r.triangles - a * r.first.triangles - b * r.second.triangles;
      if (v <= 0 || t <= 0) continue;
      PiecePlan plan{a, b, FillerKind::None, {}, {}};
      if (r.allowSweep && SolveSweep(v, t, r.sweep, &plan.sweep)) {
        plan.filler = FillerKind::Sweep;
        return plan;
      }
      if (r.allowStrip && SolveStrip(v, t, r.stripRows, &plan.strip)) {
        plan.filler = FillerKind::Strip;
        return plan;
      }
    }
  }
  return std::nullopt;
}

}  // namespace sorvane::meshgen
