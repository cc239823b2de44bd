// Fish bodies are lofted from a depth and width profile along the body with a
// superellipse cross-section; fins are flat sheets rooted on the body surface.
// Every part is a single-sided sheet or shell; what its fixed index count asks
// beyond that is made up of the same triangles wound the other way (back faces),
// so nothing is drawn that is not part of the fish.
#include "tools/fishgen/fish_mesh.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace sorvane::fishgen {

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kRings = 13;
constexpr int kRingVertices = 12;  // 30° apart, vertex 0 on the back, 6 on the belly
constexpr int kCaudalRows = 9;
constexpr int kCaudalColumns = 3;
constexpr int kBodyIndices = 1122;
constexpr float kOriginAt = 0.55f;  // the origin lies this far back from the nose
constexpr float kCausticScale = 25.0f;

enum class Tail { Forked, Lunate, Truncate, Rounded };

struct Shape {
  const char* name;
  float length;                // nose to tail root
  float depth, width;          // greatest depth and width, relative to length
  float peak;                  // where the body is deepest (0 nose … 1 tail root)
  float nose, tail;            // profile exponents ahead of and behind the peak
  float peduncle;              // depth at the tail root, relative to the greatest
  float topShare;              // share of the depth above the centre line
  float box;                   // cross-section exponent: 2 an ellipse, more is boxier
  float mouth;                 // height of the mouth, -1 bottom … 1 top of the head
  Tail caudal;
  float caudalLength, caudalSpan;     // relative to length
  float dorsalFrom, dorsalTo, dorsalHeight, dorsalPeak;
  float analFrom, analTo, analHeight;
  float pectoralLength, pectoralAt;
  float pelvicLength, pelvicAt;
  std::array<int, 5> fins;  // vertex counts in drawing order; 0 ends the list
};

// Lengths in hundredths of the longest body (the grouper).
constexpr Shape kShapes[kSpeciesCount] = {
    {"clownfish", 55, .42f, .22f, .40f, .7f, 1.3f, .40f, .5f, 2.0f, -.1f, Tail::Rounded, .26f, .2f,
     .25f, .68f, .2f, .3f, .52f, .7f, .16f, .22f, .28f, .18f, .36f, {7, 7, 3, 3, 36}},
    {"blue tang", 70, .58f, .15f, .45f, .9f, 1.2f, .25f, .52f, 2.2f, 0, Tail::Lunate, .24f, .3f,
     .2f, .7f, .12f, .5f, .45f, .7f, .1f, .22f, .3f, .14f, .38f, {3, 3, 36, 7, 7}},
    {"yellow tang", 60, .72f, .13f, .45f, 1.4f, 1.1f, .22f, .55f, 2.0f, .1f, Tail::Truncate, .2f, .28f,
     .2f, .7f, .2f, .35f, .45f, .7f, .18f, .2f, .32f, .14f, .38f, {7, 7, 36, 3, 3}},
    {"sergeant major", 58, .55f, .18f, .42f, .9f, 1.3f, .3f, .5f, 2.0f, 0, Tail::Forked, .28f, .28f,
     .22f, .7f, .16f, .3f, .5f, .7f, .14f, .22f, .3f, .16f, .35f, {3, 3, 7, 7, 36}},
    {"mackerel", 95, .21f, .14f, .45f, 1.0f, 1.25f, .15f, .5f, 2.0f, 0, Tail::Forked, .2f, .17f,
     .22f, .68f, .06f, .15f, .6f, .7f, .06f, .14f, .26f, .08f, .32f, {7, 7, 3, 3, 36}},
    {"cardinal", 45, .38f, .2f, .38f, .7f, 1.3f, .35f, .5f, 2.0f, 0, Tail::Forked, .3f, .22f,
     .25f, .65f, .22f, .3f, .5f, .7f, .18f, .2f, .3f, .16f, .33f, {36, 7, 7, 3, 3}},
    {"grouper", 100, .3f, .2f, .4f, 1.0f, 1.4f, .35f, .5f, 2.2f, -.2f, Tail::Rounded, .2f, .16f,
     .22f, .68f, .1f, .3f, .55f, .7f, .09f, .16f, .28f, .12f, .3f, {36, 7, 7, 3, 3}},
    {"parrotfish", 85, .36f, .22f, .4f, .6f, 1.3f, .3f, .5f, 2.0f, 0, Tail::Lunate, .2f, .2f,
     .2f, .68f, .08f, .5f, .5f, .7f, .08f, .16f, .28f, .1f, .32f, {7, 7, 3, 3, 36}},
    {"butterflyfish", 50, .72f, .12f, .45f, 1.8f, 1.0f, .3f, .55f, 2.0f, .2f, Tail::Truncate, .18f, .26f,
     .2f, .7f, .18f, .5f, .45f, .7f, .16f, .18f, .3f, .14f, .36f, {7, 7, 3, 3, 36}},
    {"emperor angelfish", 75, .62f, .13f, .45f, 1.0f, 1.0f, .35f, .5f, 2.0f, 0, Tail::Rounded, .18f, .26f,
     .25f, .7f, .26f, .85f, .45f, .7f, .24f, .18f, .3f, .2f, .36f, {7, 7, 3, 3, 36}},
    {"lionfish", 70, .35f, .2f, .35f, .8f, 1.2f, .3f, .5f, 2.1f, 0, Tail::Rounded, .25f, .22f,
     .18f, .68f, .5f, .3f, .55f, .7f, .2f, .5f, .3f, .25f, .35f, {36, 7, 7, 3, 3}},
    {"pufferfish", 60, .55f, .5f, .45f, .5f, 1.1f, .25f, .5f, 2.0f, 0, Tail::Rounded, .2f, .16f,
     .58f, .7f, .14f, .5f, .6f, .7f, .12f, .18f, .32f, .06f, .4f, {7, 7, 3, 3, 36}},
    {"snapper", 90, .34f, .16f, .4f, 1.2f, 1.4f, .2f, .5f, 2.0f, -.15f, Tail::Forked, .24f, .22f,
     .22f, .68f, .12f, .3f, .55f, .7f, .12f, .2f, .3f, .12f, .33f, {5, 5, 7, 7, 36}},
    {"bluestriped grunt", 80, .36f, .16f, .4f, 1.0f, 1.4f, .22f, .5f, 2.0f, 0, Tail::Forked, .24f, .22f,
     .22f, .68f, .13f, .3f, .55f, .7f, .12f, .18f, .3f, 0, 0, {5, 5, 36, 0, 0}},
    {"triggerfish", 75, .5f, .16f, .5f, 1.2f, 1.2f, .2f, .5f, 2.6f, .1f, Tail::Lunate, .2f, .22f,
     .45f, .68f, .2f, .5f, .45f, .68f, .2f, .14f, .32f, .1f, .45f, {36, 5, 5, 7, 7}},
    {"goby", 55, .2f, .22f, .3f, .6f, 1.0f, .5f, .65f, 3.0f, -.3f, Tail::Rounded, .2f, .13f,
     .25f, .68f, .14f, .3f, .5f, .7f, .1f, .2f, .25f, .12f, .28f, {36, 5, 5, 7, 7}},
    {"wrasse", 78, .24f, .14f, .38f, 1.2f, 1.3f, .32f, .5f, 2.0f, 0, Tail::Lunate, .2f, .2f,
     .18f, .7f, .08f, .5f, .5f, .7f, .07f, .14f, .28f, 0, 0, {5, 5, 36, 0, 0}},
    {"damselfish", 48, .5f, .18f, .42f, .8f, 1.3f, .3f, .5f, 2.0f, 0, Tail::Forked, .28f, .26f,
     .22f, .7f, .16f, .3f, .5f, .7f, .16f, .2f, .3f, .16f, .35f, {36, 7, 7, 3, 3}},
    {"sardine", 62, .22f, .12f, .45f, 1.1f, 1.3f, .16f, .5f, 2.0f, 0, Tail::Forked, .25f, .2f,
     .4f, .55f, .12f, .4f, .62f, .7f, .05f, .12f, .24f, .08f, .45f, {36, 5, 5, 7, 7}},
    {"tiger barb", 50, .5f, .16f, .42f, 1.0f, 1.2f, .3f, .5f, 2.0f, 0, Tail::Forked, .26f, .24f,
     .35f, .6f, .2f, .3f, .5f, .68f, .14f, .16f, .28f, .14f, .35f, {36, 5, 5, 7, 7}},
};

// The body's outline at t (0 nose … 1 tail root).
struct Section {
  float x, top, bottom, halfWidth;
};

Section SectionAt(const Shape& s, float t) {
  float profile = 0;
  if (t < s.peak) {
    profile = std::pow(std::sin(0.5f * kPi * t / s.peak), s.nose);
  } else {
    const float q = 0.5f + 0.5f * std::cos(kPi * (t - s.peak) / (1 - s.peak));
    profile = s.peduncle + (1 - s.peduncle) * std::pow(q, s.tail);
  }
  const float depth = s.depth * s.length * profile;
  const float widthProfile = t < s.peak ? std::pow(profile, 0.7f) : 0.35f + 0.65f * std::pow(profile, 1.5f);
  return {s.length * (t - kOriginAt), depth * s.topShare, depth * (1 - s.topShare),
          0.5f * s.width * s.length * widthProfile};
}

float SignedPow(float v, float e) { return std::copysign(std::pow(std::fabs(v), e), v); }

// A point of the section's surface; angle 0 is the back, pi the belly, and
// angles below pi lie on the +z flank.
std::array<float, 3> SurfacePoint(const Shape& s, const Section& c, float angle) {
  const float cy = SignedPow(std::cos(angle), 2.0f / s.box);
  const float cz = SignedPow(std::sin(angle), 2.0f / s.box);
  return {c.x, cy > 0 ? cy * c.top : cy * c.bottom, cz * c.halfWidth};
}

class PartBuilder {
 public:
  explicit PartBuilder(PartMesh& part) : p_(part) {}

  // u and the drawn v of the skin; stored with v turned over.
  int Add(std::array<float, 3> pos, float u, float drawnV) {
    p_.positions.insert(p_.positions.end(), pos.begin(), pos.end());
    p_.tex0.push_back(u);
    p_.tex0.push_back(1 - drawnV);
    p_.tex1.push_back((pos[0] + 0.6f * pos[2]) / kCausticScale);
    p_.tex1.push_back(1 - pos[1] / kCausticScale);
    return p_.VertexCount() - 1;
  }
  void Triangle(int a, int b, int c) {
    p_.indices.push_back(static_cast<uint16_t>(a));
    p_.indices.push_back(static_cast<uint16_t>(b));
    p_.indices.push_back(static_cast<uint16_t>(c));
  }
  void Quad(int a, int b, int c, int d) {  // a-b-c-d round the quad
    Triangle(a, b, c);
    Triangle(a, c, d);
  }
  // Back faces of the triangles from `first` on, in order, until the part has
  // `indexCount` indices.
  void PadWithBackFaces(size_t first, size_t indexCount) {
    size_t source = first;
    while (p_.indices.size() < indexCount) {
      const uint16_t a = p_.indices[source], b = p_.indices[source + 1], c = p_.indices[source + 2];
      p_.indices.insert(p_.indices.end(), {a, c, b});
      source += 3;
    }
  }

 private:
  PartMesh& p_;
};

float CaudalLength(Tail tail, float s) {
  const float a = std::fabs(s);
  switch (tail) {
    case Tail::Forked: return 0.42f + 0.58f * std::pow(a, 1.6f);
    case Tail::Lunate: return 0.6f + 0.4f * std::pow(a, 2.5f);
    case Tail::Truncate: return 0.92f + 0.08f * a;
    case Tail::Rounded: return 1.0f - 0.4f * s * s;
  }
  return 1.0f;
}

// The flat tail fin: a grid from the peduncle (column 0) to the free edge. With
// `dropRootMiddle` the root column loses its middle vertex (one vertex fewer).
void AddCaudal(PartBuilder& b, const Shape& s, bool dropRootMiddle) {
  const Section root = SectionAt(s, 1.0f);
  const float rootHalf = 0.5f * (root.top + root.bottom) * 1.1f;
  const float span = s.caudalSpan * s.length;
  const float reach = s.caudalLength * s.length;
  const float x0 = root.x - 0.02f * s.length;  // starts just inside the peduncle
  const float yMid = 0.5f * (root.top - root.bottom);
  int grid[kCaudalRows][kCaudalColumns];
  for (int r = 0; r < kCaudalRows; ++r) {
    const float sr = 1.0f - 2.0f * r / (kCaudalRows - 1);
    for (int c = 0; c < kCaudalColumns; ++c) {
      grid[r][c] = -1;
      if (dropRootMiddle && c == 0 && r == kCaudalRows / 2) continue;
      const float f = static_cast<float>(c) / (kCaudalColumns - 1);
      const float x = x0 + reach * CaudalLength(s.caudal, sr) * f;
      const float y = yMid + sr * (rootHalf + (span - rootHalf) * std::pow(f, 0.8f));
      grid[r][c] = b.Add({x, y, 0}, static_cast<float>(r) / (kCaudalRows - 1), 0.75f + 0.25f * f);
    }
  }
  const int gap = kCaudalRows / 2;
  for (int r = 0; r + 1 < kCaudalRows; ++r) {
    for (int c = 0; c + 1 < kCaudalColumns; ++c) {
      if (dropRootMiddle && c == 0 && r == gap) continue;  // merged into the cell above
      if (dropRootMiddle && c == 0 && r == gap - 1) {
        // The two cells around the missing vertex as one pentagon.
        b.Triangle(grid[r][0], grid[r][1], grid[r + 1][1]);
        b.Triangle(grid[r][0], grid[r + 1][1], grid[r + 2][1]);
        b.Triangle(grid[r][0], grid[r + 2][1], grid[r + 2][0]);
        continue;
      }
      b.Quad(grid[r][c], grid[r][c + 1], grid[r + 1][c + 1], grid[r + 1][c]);
    }
  }
}

PartMesh BuildBody(const Shape& s, bool speciesTen) {
  PartMesh part;
  PartBuilder b(part);
  const Section noseSection = SectionAt(s, 0.03f);
  const float mouthY = s.mouth * (s.mouth > 0 ? noseSection.top : noseSection.bottom);
  const int nose = b.Add({SectionAt(s, 0).x, mouthY, 0}, 0.0f, 0.39f);
  int rings[kRings];
  for (int i = 0; i < kRings; ++i) {
    const float t = 0.03f + 0.97f * std::pow(static_cast<float>(i) / (kRings - 1), 1.15f);
    const Section c = SectionAt(s, t);
    rings[i] = part.VertexCount();
    for (int k = 0; k < kRingVertices; ++k) {
      const float angle = 2 * kPi * k / kRingVertices;
      const int fromBack = std::min(k, kRingVertices - k);
      b.Add(SurfacePoint(s, c, angle), t, 0.75f * fromBack / (kRingVertices / 2));
    }
  }
  const Section last = SectionAt(s, 1.0f);
  const int tail = b.Add({last.x + 0.01f * s.length, 0.5f * (last.top - last.bottom), 0}, 1.0f, 0.375f);
  auto at = [&](int ring, int k) { return rings[ring] + (k % kRingVertices); };
  for (int k = 0; k < kRingVertices; ++k) b.Triangle(nose, at(0, k + 1), at(0, k));
  for (int i = 0; i + 1 < kRings; ++i) {
    for (int k = 0; k < kRingVertices; ++k) b.Quad(at(i, k), at(i, k + 1), at(i + 1, k + 1), at(i + 1, k));
  }
  for (int k = 0; k < kRingVertices; ++k) b.Triangle(tail, at(kRings - 1, k), at(kRings - 1, k + 1));
  const size_t caudalFirst = part.indices.size();
  AddCaudal(b, s, speciesTen);
  b.PadWithBackFaces(caudalFirst, kBodyIndices);
  return part;
}

// A fin along the back (up) or the belly (down): a grid of three rows from the
// root to the edge and `columns` columns from front to back.
void AddMedianFin(PartBuilder& b, const Shape& s, float from, float to, float height, float peakAt, bool up,
                  int columns) {
  int grid[3][8];
  for (int j = 0; j < columns; ++j) {
    const float q = static_cast<float>(j) / (columns - 1);
    const float t = from + (to - from) * q;
    const Section c = SectionAt(s, t);
    const float rise = q < peakAt ? std::pow(q / peakAt, 0.6f) : std::pow((1 - q) / (1 - peakAt), 0.7f);
    const float h = height * s.length * (0.15f + 0.85f * rise);
    const float rootY = up ? c.top * 0.9f : -c.bottom * 0.9f;
    for (int r = 0; r < 3; ++r) {
      const float f = r * 0.5f;
      const float x = c.x + 0.35f * h * f;  // the rays rake backward
      grid[r][j] = b.Add({x, rootY + (up ? h : -h) * f, 0}, q, 0.75f + 0.25f * f);
    }
  }
  for (int r = 0; r < 2; ++r) {
    for (int j = 0; j + 1 < columns; ++j) b.Quad(grid[r][j], grid[r][j + 1], grid[r + 1][j + 1], grid[r + 1][j]);
  }
}

PartMesh BuildMedianFins(const Shape& s) {
  PartMesh part;
  PartBuilder b(part);
  AddMedianFin(b, s, s.dorsalFrom, s.dorsalTo, s.dorsalHeight, s.dorsalPeak, true, 8);
  AddMedianFin(b, s, s.analFrom, s.analTo, s.analHeight, 0.3f, false, 4);
  b.PadWithBackFaces(0, 168);
  return part;
}

std::array<float, 3> Offset(std::array<float, 3> p, float dx, float dy, float dz) {
  return {p[0] + dx, p[1] + dy, p[2] + dz};
}

// Side fins on the +z flank (side 1) or the -z flank (side -1).
PartMesh BuildPectoral3(const Shape& s, float side) {
  PartMesh part;
  PartBuilder b(part);
  const float len = s.pectoralLength * s.length;
  std::array<float, 3> root = SurfacePoint(s, SectionAt(s, s.pectoralAt), 0.56f * kPi);
  root[2] *= 0.9f * side;
  // The root is the middle vertex: the flap swings the first and the third.
  const int upper = b.Add(Offset(root, 0.8f * len, 0.3f * len, side * 0.45f * len), 0.1f, 0.97f);
  const int base = b.Add(root, 0.5f, 0.75f);
  const int lower = b.Add(Offset(root, 0.95f * len, -0.12f * len, side * 0.4f * len), 0.9f, 0.97f);
  b.Triangle(upper, base, lower);
  b.PadWithBackFaces(0, 6);
  return part;
}

PartMesh BuildPectoral5(const Shape& s, float side) {
  PartMesh part;
  PartBuilder b(part);
  const float len = s.pectoralLength * s.length;
  std::array<float, 3> r0 = SurfacePoint(s, SectionAt(s, s.pectoralAt), 0.53f * kPi);
  std::array<float, 3> r1 = SurfacePoint(s, SectionAt(s, s.pectoralAt + 0.04f), 0.62f * kPi);
  r0[2] *= 0.9f * side;
  r1[2] *= 0.9f * side;
  const int a = b.Add(r0, 0.0f, 0.75f);
  const int c = b.Add(r1, 1.0f, 0.75f);
  const int e0 = b.Add(Offset(r0, 0.7f * len, 0.3f * len, side * 0.45f * len), 0.0f, 0.98f);
  const int e1 = b.Add(Offset(r0, 1.0f * len, 0.05f * len, side * 0.5f * len), 0.5f, 1.0f);
  const int e2 = b.Add(Offset(r1, 0.8f * len, -0.25f * len, side * 0.4f * len), 1.0f, 0.98f);
  b.Triangle(a, e0, e1);
  b.Triangle(a, e1, c);
  b.Triangle(c, e1, e2);
  b.PadWithBackFaces(0, 18);
  return part;
}

PartMesh BuildPelvic7(const Shape& s, float side) {
  PartMesh part;
  PartBuilder b(part);
  const float len = s.pelvicLength * s.length;
  int root[3], edge[4];
  for (int i = 0; i < 3; ++i) {
    std::array<float, 3> p = SurfacePoint(s, SectionAt(s, s.pelvicAt + 0.03f * i), 0.86f * kPi);
    p[2] *= side;
    root[i] = b.Add(p, i * 0.5f, 0.75f);
  }
  const std::array<float, 3> base = SurfacePoint(s, SectionAt(s, s.pelvicAt), 0.86f * kPi);
  for (int i = 0; i < 4; ++i) {
    const float q = i / 3.0f;
    const float reach = len * (0.55f + 0.45f * std::sin(kPi * (0.25f + 0.6f * q)));
    edge[i] = b.Add({base[0] + 0.2f * len + reach * 0.75f * q + 0.3f * len * q, base[1] - reach * 0.8f,
                     side * (std::fabs(base[2]) + 0.25f * reach)},
                    q, 0.97f + 0.03f * std::sin(kPi * q));
  }
  b.Triangle(root[0], edge[0], edge[1]);
  b.Triangle(root[0], edge[1], root[1]);
  b.Triangle(root[1], edge[1], edge[2]);
  b.Triangle(root[1], edge[2], root[2]);
  b.Triangle(root[2], edge[2], edge[3]);
  b.PadWithBackFaces(0, 30);
  return part;
}

}  // namespace

SpeciesMesh BuildSpecies(int species) {
  const Shape& s = kShapes[species];
  SpeciesMesh mesh{s.name, {}};
  mesh.parts.push_back(BuildBody(s, species == 10));
  // Pairs come left then right, in the order the fin list names them.
  int seen[37] = {};
  for (int count : s.fins) {
    if (count == 0) break;
    const float side = seen[count]++ % 2 == 0 ? 1.0f : -1.0f;
    switch (count) {
      case 36: mesh.parts.push_back(BuildMedianFins(s)); break;
      case 7: mesh.parts.push_back(BuildPelvic7(s, side)); break;
      case 5: mesh.parts.push_back(BuildPectoral5(s, side)); break;
      case 3: mesh.parts.push_back(BuildPectoral3(s, side)); break;
      default: std::abort();
    }
  }
  return mesh;
}

}  // namespace sorvane::fishgen
