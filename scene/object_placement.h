// Placing the scene objects: one array per class and tile, filled from the
// cell codes with the position and height rules of each code.
#pragma once
#include <functional>

#include "fishlife/navigation_map.h"
#include "scene/scene_objects.h"

namespace sorvane {

struct PlacementRule {
  bool randomInCell;  // else at the cell centre
  float probe;        // > 0: the lowest ground of four probes this far away
  float sink;         // subtracted from the height
};

// The rule of cell code 1 … 51.
const PlacementRule& PlacementRuleOf(int code);

// The lowest of the ground heights at (x ± d, z) and (x, z ± d).
float LowestOfFour(const float* heightGrid, float x, float z, float d);

// Margins, then the objects of every tile (tile rows outer), then the
// level-pair grids. Within a tile every constructor draws before any random
// position. False when an object array cannot be allocated; the tiles from
// there on keep no objects.
// `objectsOf` gives the arrays of tile row × 25 + column.
bool PlaceObjects(const std::function<TileObjects&(int tile)>& objectsOf, NavigationMap& map,
                  const float* heightGrid);

}  // namespace sorvane
