// Choosing how many pieces of which kind make up a mesh so that its vertex and
// triangle counts come out exactly: a number of regular pieces (leaves, cards,
// blocks, branches) and one swept or strip filler piece for the remainder.
#pragma once
#include <optional>
#include <vector>

#include "tools/meshgen/mesh_builder.h"

namespace sorvane::meshgen {

struct PieceCounts {
  int vertices = 0;
  int triangles = 0;
};

enum class FillerKind { None, Sweep, Strip };

struct PiecePlan {
  int firstCount = 0;   // pieces of the first regular kind
  int secondCount = 0;  // pieces of the second regular kind
  FillerKind filler = FillerKind::None;
  SweepLayout sweep;
  StripLayout strip;
};

struct PlanRequest {
  int vertices = 0;
  int triangles = 0;
  PieceCounts first{};
  PieceCounts second{};  // vertices 0: no second kind
  int preferredFirst = 0;
  int maxSecond = 0;
  bool allowSweep = true;
  bool allowStrip = false;
  SweepPrefs sweep;
  int stripRows = 8;
  int fillerTries = 40;  // counts of the first kind tried with a filler
};

// The plan nearest preferredFirst; nothing when no plan hits the counts.
std::optional<PiecePlan> PlanPieces(const PlanRequest& request);

}  // namespace sorvane::meshgen
