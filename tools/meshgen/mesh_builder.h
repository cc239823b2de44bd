// Building blocks of the scenery meshes: swept surfaces, faceted boxes, blade
// strips, leaves and cards, each with a layout whose vertex and triangle counts
// are known in advance, so that a mesh hits its table's counts exactly.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace sorvane::meshgen {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
Vec3 Cross(Vec3 a, Vec3 b);
double Length(Vec3 a);
Vec3 Normalised(Vec3 a);

// Design space: world units, y up, the object standing at the origin.
struct Vertex {
  Vec3 p;
  double u = 0, v = 0;  // texture set 0
};

struct Mesh {
  std::vector<Vertex> vertices;
  std::vector<uint32_t> indices;
  int VertexCount() const { return static_cast<int>(vertices.size()); }
  int TriangleCount() const { return static_cast<int>(indices.size() / 3); }
  void Triangle(uint32_t a, uint32_t b, uint32_t c);
  // Moves, turns about y and scales everything added from `firstVertex` on.
  void Place(int firstVertex, Vec3 offset, double yaw, double scale = 1.0);
};

// How the ends of a swept surface are closed.
enum class End {
  Open,        // nothing
  Pole,        // one apex vertex
  SplitPole,   // one apex vertex per segment, each with its own u
  Cap,         // a flat disk: a ring copy with planar u, v and a centre
  FlatCap,     // a flat fan over a ring copy, no centre
};

// Rings 0 … bands, ring i with `segments` segments (the last ring with
// `topSegments`), each ring closed by a seam vertex; `cuts` interior rings are
// doubled so that v restarts there, `seams` extra meridians split so that u
// restarts there.
struct SweepLayout {
  int bands = 1;
  int segments = 3;
  int topSegments = 3;
  End bottom = End::Open;
  End top = End::Open;
  int cuts = 0;
  int seams = 0;
};

int SweepVertices(const SweepLayout& l);
int SweepTriangles(const SweepLayout& l);

struct SweepPrefs {
  int bands = 6;
  int segments = 12;
  std::vector<End> bottoms{End::Pole, End::SplitPole};
  std::vector<End> tops{End::Pole, End::SplitPole};
  int minSegments = 3;
  int maxSegments = 48;
  int maxBands = 80;
  int maxTopChange = 6;
  int maxSeams = 2;
};

// The layout with exactly `vertices` and `triangles` nearest the preferences;
// false when there is none.
bool SolveSweep(int vertices, int triangles, const SweepPrefs& prefs, SweepLayout* layout);

// Point of the surface at height parameter t (0 at ring 0, 1 at the last ring)
// and angle a (radians, 0 … 2π).
using SurfaceFn = std::function<Vec3(double t, double a)>;

// Texture set 0: u runs `uRepeats` times around, v `vRepeats` times from ring 0
// to the last ring.
// The poles stand at the given apexes.
void AddSweep(Mesh& mesh, const SweepLayout& l, const SurfaceFn& surface, double uRepeats, double vRepeats,
              Vec3 bottomApex = {}, Vec3 topApex = {});

// A box of faces, each its own planar chart subdivided nx × ny × nz; the
// bottom face may be left out (it stands on something).
struct BoxLayout {
  int nx = 1, ny = 1, nz = 1;
  bool bottom = true;
};
int BoxVertices(const BoxLayout& l);
int BoxTriangles(const BoxLayout& l);
bool SolveBox(int vertices, int triangles, int maxDivisions, BoxLayout* layout);

// Unit box −0.5 … 0.5 mapped through `shape` (which may bulge, chip or bend
// it); texture size: world units per texture repeat.
using ShapeFn = std::function<Vec3(Vec3 unit)>;
void AddBox(Mesh& mesh, const BoxLayout& l, const ShapeFn& shape, double textureSize);

// A blade: `columns` vertices across, `rows` quads along; u across 0 … 1,
// v along 0 … 1; position from (s across −0.5 … 0.5, t along 0 … 1).
struct StripLayout {
  int columns = 2;
  int rows = 1;
};
int StripVertices(const StripLayout& l);
int StripTriangles(const StripLayout& l);
bool SolveStrip(int vertices, int triangles, int preferredRows, StripLayout* layout);
using BladeFn = std::function<Vec3(double s, double t)>;
void AddStrip(Mesh& mesh, const StripLayout& l, const BladeFn& blade, double u0 = 0.0, double u1 = 1.0);

// A leaf: six outline points around a raised centre (7 vertices, 6 triangles),
// from base to tip along `dir`, `width` across, curled by `curl`.
// Texture u runs from u0 to u1 across.
void AddLeaf(Mesh& mesh, Vec3 base, Vec3 dir, Vec3 side, double length, double width, double curl, double u0 = 0.0,
             double u1 = 1.0);
// A card: one textured quad (4 vertices, 2 triangles).
void AddCard(Mesh& mesh, Vec3 base, Vec3 dir, Vec3 side, double length, double width, double u0 = 0.0,
             double u1 = 1.0);

// Splits (vertices, triangles) over `count` pieces as evenly as each piece's
// solver allows; `solve` says whether a piece can have the given counts.
bool Distribute(int vertices, int triangles, int count, const std::function<bool(int, int)>& solve,
                std::vector<std::pair<int, int>>* parts);

// A deterministic value noise in −1 … 1 over three coordinates.
double Noise3(double x, double y, double z, uint32_t seed);
// Sum of octaves of Noise3.
double Fractal3(double x, double y, double z, uint32_t seed, int octaves);

// The project's generator is not needed here: a small hash-based stream.
class Dice {
 public:
  explicit Dice(uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
  double Uniform();                       // 0 … 1
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
 private:
  uint32_t state_;
};

}  // namespace sorvane::meshgen
