// The shape families of the scenery meshes. Each builds one mesh with exactly
// the given vertex and triangle counts, in design space: world units, y up, the
// object standing on y = 0 about the vertical axis through the origin.
#pragma once
#include <cstdint>

#include "tools/meshgen/mesh_builder.h"

namespace sorvane::meshgen {

struct StoneStyle {
  double width;       // across, world units
  double height;
  double elongation;  // x stretched, z shrunk by this factor
  double lumps;       // relative size of the bumps
  double facets;      // 0 round … 1 chiselled flat faces
  uint32_t seed;
};
bool BuildStone(int vertices, int triangles, const StoneStyle& style, Mesh* mesh);

struct ColumnStyle {
  double height;
  double radius;
  int flutes;      // 0: a plain shaft
  bool capital;    // a square abacus and a swelling echinus on top
  double broken;   // how much of the top is broken off, 0 … 0.5
  uint32_t seed;
};
bool BuildColumn(int vertices, int triangles, const ColumnStyle& style, Mesh* mesh);

struct BrickStyle {
  double spread;      // radius of the pile
  double brickLength;
  int layers;         // 1: bricks lying side by side; more: a stacked heap
  double chipping;    // roughness of the faces
  uint32_t seed;
};
bool BuildBricks(int vertices, int triangles, const BrickStyle& style, Mesh* mesh);

struct WallStyle {
  double length;
  double height;
  double thickness;
  double ruin;       // 0 whole … 1 mostly fallen
  bool round;        // a curved piece of a round tower instead of a straight wall
  uint32_t seed;
};
bool BuildWall(int vertices, int triangles, const WallStyle& style, Mesh* mesh);

enum class CoralBase { Mound, Brain, Plate };
struct CoralBaseStyle {
  CoralBase kind;
  double width;
  double height;
  uint32_t seed;
};
bool BuildCoralBase(int vertices, int triangles, const CoralBaseStyle& style, Mesh* mesh);

enum class CoralBranches { Antler, Finger, Tube, Fan };
struct CoralBranchStyle {
  CoralBranches kind;
  double height;
  double spread;
  double thickness;
  uint32_t seed;
};
bool BuildCoralBranches(int vertices, int triangles, const CoralBranchStyle& style, Mesh* mesh);

enum class PlantKind { LeafTuft, LeafCards, Blades, Fronds, Mixed };
struct PlantStyle {
  PlantKind kind;
  double height;
  double spread;
  uint32_t seed;
};
bool BuildPlant(int vertices, int triangles, const PlantStyle& style, Mesh* mesh);

}  // namespace sorvane::meshgen
