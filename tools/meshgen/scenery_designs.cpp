// The designs of the 62 meshes, and the source file they are written into.
#include "tools/meshgen/scenery_designs.h"

#include <cstdio>

#include "scene/geometry/scenery_mesh_table.h"
#include "tools/meshgen/families.h"

namespace sorvane::meshgen {

namespace {

// The caustic pattern repeats every 0.08 world units on the sand.
constexpr double kCausticRepeat = 0.08;

bool Design(int index, int v, int t, Mesh* m) {
  switch (index) {
    // Stones: width, height, elongation, lumps, facets, seed.
    case kMeshStone1: return BuildStone(v, t, {0.0085, 0.0062, 1.15, 0.16, 0.0, 11}, m);
    case kMeshStone2: return BuildStone(v, t, {0.0085, 0.0055, 1.3, 0.12, 0.5, 12}, m);
    case kMeshStone3: return BuildStone(v, t, {0.0105, 0.0068, 1.2, 0.18, 0.7, 13}, m);
    case kMeshStone4: return BuildStone(v, t, {0.0072, 0.0045, 1.4, 0.14, 0.3, 14}, m);
    case kMeshStone5: return BuildStone(v, t, {0.0070, 0.0058, 1.05, 0.2, 0.0, 15}, m);
    case kMeshStone6: return BuildStone(v, t, {0.0072, 0.0040, 1.6, 0.1, 0.8, 16}, m);
    case kMeshStone7: return BuildStone(v, t, {0.0085, 0.0070, 1.1, 0.22, 0.2, 17}, m);
    case kMeshStone8: return BuildStone(v, t, {0.0042, 0.0030, 1.3, 0.15, 0.0, 18}, m);
    case kMeshStone9: return BuildStone(v, t, {0.0042, 0.0026, 1.5, 0.12, 0.6, 19}, m);
    case kMeshStone10: return BuildStone(v, t, {0.0052, 0.0036, 1.2, 0.18, 0.3, 20}, m);
    case kMeshStone11: return BuildStone(v, t, {0.0044, 0.0028, 1.35, 0.14, 0.4, 21}, m);
    // Columns: height, radius, flutes, capital, broken, seed.
    case kMeshColumn1: return BuildColumn(v, t, {0.04, 0.0042, 12, false, 0.2, 31}, m);
    case kMeshColumn2: return BuildColumn(v, t, {0.045, 0.0048, 0, true, 0.0, 32}, m);
    case kMeshColumn3: return BuildColumn(v, t, {0.04, 0.0045, 10, true, 0.0, 33}, m);
    // Bricks: spread, brick length, layers, chipping, seed.
    case kMeshBrick1: return BuildBricks(v, t, {0.007, 0.0065, 2, 0.06, 41}, m);
    case kMeshBrick2: return BuildBricks(v, t, {0.009, 0.005, 1, 0.03, 42}, m);
    case kMeshBrick3: return BuildBricks(v, t, {0.008, 0.006, 3, 0.05, 43}, m);
    case kMeshBrick4: return BuildBricks(v, t, {0.004, 0.011, 1, 0.04, 44}, m);
    case kMeshBrick5: return BuildBricks(v, t, {0.005, 0.010, 2, 0.05, 45}, m);
    // Walls: length, height, thickness, ruin, round, seed.
    case kMeshWall1: return BuildWall(v, t, {0.12, 0.07, 0.014, 0.45, false, 51}, m);
    case kMeshWall2: return BuildWall(v, t, {0.14, 0.085, 0.016, 0.55, false, 52}, m);
    case kMeshWall3: return BuildWall(v, t, {0.12, 0.09, 0.012, 0.6, true, 53}, m);
    case kMeshWall4: return BuildWall(v, t, {0.09, 0.06, 0.012, 0.3, false, 54}, m);
    case kMeshWall5: return BuildWall(v, t, {0.07, 0.04, 0.010, 0.35, false, 55}, m);
    case kMeshWall6: return BuildWall(v, t, {0.13, 0.08, 0.014, 0.5, false, 56}, m);
    case kMeshWall7: return BuildWall(v, t, {0.12, 0.07, 0.014, 0.4, false, 57}, m);
    case kMeshWall8: return BuildWall(v, t, {0.13, 0.08, 0.016, 0.6, false, 58}, m);
    case kMeshWall9: return BuildWall(v, t, {0.10, 0.06, 0.013, 0.45, false, 59}, m);
    case kMeshWall10: return BuildWall(v, t, {0.08, 0.05, 0.012, 0.35, false, 60}, m);
    // Plants: kind, height, spread, seed.
    case kMeshFlora1: return BuildPlant(v, t, {PlantKind::Fronds, 0.05, 0.02, 71}, m);
    case kMeshFlora2: return BuildPlant(v, t, {PlantKind::Mixed, 0.045, 0.03, 72}, m);
    case kMeshFlora3: return BuildPlant(v, t, {PlantKind::LeafTuft, 0.045, 0.03, 73}, m);
    case kMeshFlora3Far: return BuildPlant(v, t, {PlantKind::LeafCards, 0.045, 0.03, 73}, m);
    case kMeshFlora4: return BuildPlant(v, t, {PlantKind::LeafTuft, 0.05, 0.035, 74}, m);
    case kMeshFlora4Far: return BuildPlant(v, t, {PlantKind::LeafCards, 0.05, 0.035, 74}, m);
    case kMeshFlora5: return BuildPlant(v, t, {PlantKind::LeafTuft, 0.05, 0.04, 75}, m);
    case kMeshFlora5Far: return BuildPlant(v, t, {PlantKind::LeafCards, 0.05, 0.04, 75}, m);
    case kMeshFlora7: return BuildPlant(v, t, {PlantKind::LeafTuft, 0.048, 0.035, 76}, m);
    case kMeshFlora7Far: return BuildPlant(v, t, {PlantKind::LeafCards, 0.048, 0.035, 76}, m);
    case kMeshFlora8: return BuildPlant(v, t, {PlantKind::Blades, 0.05, 0.015, 77}, m);
    case kMeshFlora9: return BuildPlant(v, t, {PlantKind::Fronds, 0.05, 0.015, 78}, m);
    case kMeshFlora11: return BuildPlant(v, t, {PlantKind::Mixed, 0.05, 0.03, 79}, m);
    case kMeshFlora12: return BuildPlant(v, t, {PlantKind::Mixed, 0.045, 0.03, 80}, m);
    case kMeshFlora13: return BuildPlant(v, t, {PlantKind::Blades, 0.05, 0.02, 81}, m);
    case kMeshFlora14: return BuildPlant(v, t, {PlantKind::Blades, 0.05, 0.012, 82}, m);
    // Corals, base then branches.
    case kMeshCoral1Base: return BuildCoralBase(v, t, {CoralBase::Mound, 0.03, 0.009, 91}, m);
    case kMeshCoral1Growth: return BuildCoralBranches(v, t, {CoralBranches::Antler, 0.027, 0.027, 0.0014, 92}, m);
    case kMeshCoral2Base: return BuildCoralBase(v, t, {CoralBase::Mound, 0.036, 0.01, 93}, m);
    case kMeshCoral2Growth: return BuildCoralBranches(v, t, {CoralBranches::Antler, 0.034, 0.038, 0.0016, 94}, m);
    case kMeshCoral3Base: return BuildCoralBase(v, t, {CoralBase::Plate, 0.03, 0.012, 95}, m);
    case kMeshCoral3Growth: return BuildCoralBranches(v, t, {CoralBranches::Finger, 0.03, 0.03, 0.0022, 96}, m);
    case kMeshCoral4Base: return BuildCoralBase(v, t, {CoralBase::Mound, 0.026, 0.01, 97}, m);
    case kMeshCoral4Growth: return BuildCoralBranches(v, t, {CoralBranches::Fan, 0.03, 0.022, 0.0, 98}, m);
    case kMeshCoral5Base: return BuildCoralBase(v, t, {CoralBase::Brain, 0.036, 0.018, 99}, m);
    case kMeshCoral5Growth: return BuildCoralBranches(v, t, {CoralBranches::Finger, 0.034, 0.03, 0.002, 100}, m);
    case kMeshCoral6Base: return BuildCoralBase(v, t, {CoralBase::Mound, 0.032, 0.012, 101}, m);
    case kMeshCoral6Growth: return BuildCoralBranches(v, t, {CoralBranches::Tube, 0.045, 0.035, 0.003, 102}, m);
    case kMeshCoral7Base: return BuildCoralBase(v, t, {CoralBase::Brain, 0.04, 0.02, 103}, m);
    case kMeshCoral7Growth: return BuildCoralBranches(v, t, {CoralBranches::Fan, 0.05, 0.04, 0.0, 104}, m);
    default: return false;
  }
}

void AppendFloats(std::string& out, const char* name, int index, const std::vector<float>& values) {
  char head[96];
  std::snprintf(head, sizeof head, "const float %s%d[] = {", name, index);
  out += head;
  char number[32];
  for (size_t i = 0; i < values.size(); ++i) {
    std::snprintf(number, sizeof number, "%.9g", static_cast<double>(values[i]));
    out += number;
    // A float literal needs a point or an exponent before its suffix.
    if (std::string(number).find_first_of(".e") == std::string::npos) out += ".0";
    out += "f,";
    if (i % 12 == 11) out += "\n";
  }
  out += "};\n";
}

}  // namespace

bool DesignSceneryMesh(int index, Mesh* mesh) {
  const SceneryMeshSpec& spec = kSceneryMeshes[index];
  if (spec.source >= 0) return false;
  return Design(index, spec.vertexCount, spec.indexCount / 3, mesh);
}

StoredMesh ToStored(int index, const Mesh& design) {
  const SceneryMeshSpec& spec = kSceneryMeshes[index];
  StoredMesh out;
  const double inverse = 1.0 / spec.scale;
  for (const Vertex& v : design.vertices) {
    const double x = v.p.x * inverse, y = v.p.y * inverse, z = v.p.z * inverse;
    out.positions.push_back(static_cast<float>(x));
    out.positions.push_back(static_cast<float>(spec.zUp ? z : y));
    out.positions.push_back(static_cast<float>(spec.zUp ? y : z));
    out.texCoords0.push_back(static_cast<float>(v.u));
    out.texCoords0.push_back(static_cast<float>(v.v));
    if (!spec.plant) {
      // Seen from above: the object's own x and z, at the sand's density once
      // the preparation multiplies by the set-1 factor.
      out.texCoords1.push_back(static_cast<float>(v.p.x / kCausticRepeat / spec.set1Factor));
      out.texCoords1.push_back(static_cast<float>(v.p.z / kCausticRepeat / spec.set1Factor));
    }
  }
  for (uint32_t i : design.indices) out.indices.push_back(static_cast<uint16_t>(i));
  return out;
}

std::string SceneryMeshSource(std::string* error) {
  std::string out =
      "// Generated by gen_meshes: the 62 scenery meshes as constant tables.\n"
      "#include \"scene/geometry/scenery_meshes.h\"\n\nnamespace sorvane {\n\nnamespace {\n\n";
  std::string table = "const MeshData gSceneryMeshes[kSceneryMeshCount] = {\n";
  for (int i = 0; i < kSceneryMeshCount; ++i) {
    const SceneryMeshSpec& spec = kSceneryMeshes[i];
    char entry[160];
    if (spec.source >= 0) {
      const int s = spec.source;
      std::snprintf(entry, sizeof entry, "    {%d, %d, p%d, t%d, %s%d, i%d},\n", spec.vertexCount, spec.indexCount, s,
                    s, spec.plant ? "t" : "c", s, s);
      table += entry;
      continue;
    }
    Mesh mesh;
    if (!DesignSceneryMesh(i, &mesh) || mesh.VertexCount() != spec.vertexCount ||
        static_cast<int>(mesh.indices.size()) != spec.indexCount) {
      char message[128];
      std::snprintf(message, sizeof message, "mesh %d: %d vertices, %zu indices", i, mesh.VertexCount(),
                    mesh.indices.size());
      *error = message;
      return {};
    }
    const StoredMesh stored = ToStored(i, mesh);
    AppendFloats(out, "p", i, stored.positions);
    AppendFloats(out, "t", i, stored.texCoords0);
    if (!spec.plant) AppendFloats(out, "c", i, stored.texCoords1);
    out += "const uint16_t i" + std::to_string(i) + "[] = {";
    for (size_t k = 0; k < stored.indices.size(); ++k) {
      out += std::to_string(stored.indices[k]) + ",";
      if (k % 24 == 23) out += "\n";
    }
    out += "};\n";
    std::snprintf(entry, sizeof entry, "    {%d, %d, p%d, t%d, %s%d, i%d},\n", spec.vertexCount, spec.indexCount, i, i,
                  spec.plant ? "t" : "c", i, i);
    table += entry;
  }
  out += "\n}  // namespace\n\n" + table + "};\n\n}  // namespace sorvane\n";
  return out;
}

}  // namespace sorvane::meshgen
