// The 62 scenery meshes in the order they are built: their counts, the axis
// order they are stored in, how they are scaled and placed, the factor of the
// caustic texture coordinates and the texture the drawing binds for them.
#pragma once
#include <array>
#include <cstdint>

namespace sorvane {

constexpr int kSceneryMeshCount = 62;

// The meshes by name, in table order. A plant's far mesh is the simple one it
// is drawn with from a distance; a coral is its base and what grows on it.
enum SceneryMesh : int {
  kMeshStone1 = 0,
  kMeshStone2,
  kMeshStone3,
  kMeshStone4,
  kMeshStone5,
  kMeshStone6,
  kMeshStone7,
  kMeshStone8,
  kMeshStone9,
  kMeshStone10,
  kMeshStone11,
  kMeshColumn1,
  kMeshColumn2,
  kMeshColumn3,
  kMeshBrick1,
  kMeshBrick2,
  kMeshBrick3,
  kMeshBrick4,
  kMeshBrick5,
  kMeshWall1,
  kMeshWall2,
  kMeshWall3,
  kMeshWall4,
  kMeshWall5,
  kMeshWall6,
  kMeshWall7,
  kMeshWall8,
  kMeshWall9,
  kMeshWall10,
  kMeshFlora1,
  kMeshFlora2,
  kMeshFlora3,
  kMeshFlora3Far,
  kMeshFlora4,
  kMeshFlora4Far,
  kMeshFlora5,
  kMeshFlora5Far,
  kMeshFlora6,
  kMeshFlora6Far,
  kMeshFlora7,
  kMeshFlora7Far,
  kMeshFlora8,
  kMeshFlora9,
  kMeshFlora10,
  kMeshFlora11,
  kMeshFlora12,
  kMeshFlora13,
  kMeshFlora14,
  kMeshCoral1Base,
  kMeshCoral1Growth,
  kMeshCoral2Base,
  kMeshCoral2Growth,
  kMeshCoral3Base,
  kMeshCoral3Growth,
  kMeshCoral4Base,
  kMeshCoral4Growth,
  kMeshCoral5Base,
  kMeshCoral5Growth,
  kMeshCoral6Base,
  kMeshCoral6Growth,
  kMeshCoral7Base,
  kMeshCoral7Growth,
};
static_assert(kMeshCoral7Growth + 1 == kSceneryMeshCount);

enum class MeshFit : uint8_t {
  AsStored,  // already centred with its base at 0: only scaled while copied
  Standing,  // centred on x and z, lowest point at 0
  Keep,      // scaled, its stored origin kept
};

struct SceneryMeshSpec {
  int32_t vertexCount;
  int32_t indexCount;
  bool zUp;
  MeshFit fit;
  float scale;
  float set1Factor;
  int16_t texture;  // resource id of the stage-0 texture, 0 for none
  int8_t source;    // the mesh whose fitted tables this one shares, −1 for its own
  bool plant;       // texture set 1 is set 0
};

namespace scenery_mesh_table {
constexpr MeshFit S = MeshFit::AsStored;
constexpr MeshFit F = MeshFit::Standing;
constexpr MeshFit K = MeshFit::Keep;
}  // namespace scenery_mesh_table

inline constexpr std::array<SceneryMeshSpec, kSceneryMeshCount> kSceneryMeshes = [] {
  using namespace scenery_mesh_table;
  return std::array<SceneryMeshSpec, kSceneryMeshCount>{{
      {304, 960, true, S, 0.4125f, 0.5f, 240, -1, false},
      {304, 960, true, S, 0.375f, 0.5f, 240, -1, false},
      {213, 960, true, S, 0.375f, 0.5f, 237, -1, false},
      {133, 540, true, S, 0.3375f, 1.0f, 237, -1, false},
      {133, 540, true, S, 0.3f, 1.0f, 237, -1, false},
      {132, 540, true, S, 0.28125f, 1.0f, 290, -1, false},
      {277, 960, true, S, 0.51f, 0.5f, 290, -1, false},
      {67, 240, true, S, 0.2125f, 1.0f, 290, -1, false},
      {67, 240, true, S, 0.2125f, 1.0f, 290, -1, false},
      {67, 240, true, S, 0.27625f, 1.0f, 290, -1, false},
      {67, 240, true, S, 0.255f, 1.0f, 237, -1, false},
      {478, 1548, true, S, 1.5f, 1.0f, 291, -1, false},
      {835, 2124, true, S, 0.3125f, 1.0f, 292, -1, false},
      {380, 1353, true, S, 0.625f, 1.0f, 293, -1, false},
      {902, 3792, true, S, 2.5f, 1.0f, 295, -1, false},
      {915, 1392, true, S, 0.35f, 1.0f, 296, -1, false},
      {913, 2052, true, S, 0.4f, 1.0f, 297, -1, false},
      {544, 2424, true, S, 0.2f, 1.0f, 298, -1, false},
      {795, 2592, true, S, 0.16f, 1.0f, 299, -1, false},
      {1929, 8157, false, F, 0.0007f, 1.0f, 247, -1, false},
      {1317, 3360, false, F, 0.0005f, 1.0f, 248, -1, false},
      {2670, 14598, false, F, 0.0009f, 1.0f, 249, -1, false},
      {72, 108, false, F, 0.0007f, 1.0f, 0, -1, false},
      {4737, 17172, false, F, 0.0003f, 1.0f, 305, -1, false},
      {4652, 20388, false, F, 0.0003f, 1.0f, 306, -1, false},
      {4291, 19590, false, F, 0.00055f, 1.0f, 321, -1, false},
      {3012, 12051, false, F, 0.0004f, 1.0f, 322, -1, false},
      {4909, 15696, false, F, 0.0004f, 1.0f, 323, -1, false},
      {1191, 3906, false, F, 0.0006f, 1.0f, 324, -1, false},
      {574, 2280, true, F, 0.06f, 1.0f, 239, -1, true},
      {686, 1344, false, F, 0.000275f, 1.0f, 239, -1, true},
      {513, 1332, true, F, 0.08f, 1.0f, 242, -1, true},
      {288, 432, true, F, 0.08f, 1.0f, 242, -1, true},
      {735, 1890, true, F, 0.08f, 1.0f, 242, -1, true},
      {420, 630, true, F, 0.08f, 1.0f, 242, -1, true},
      {1323, 3402, true, F, 0.07f, 1.0f, 242, -1, true},
      {756, 1134, true, F, 0.07f, 1.0f, 242, -1, true},
      {513, 1332, true, F, 0.65f, 1.0f, 242, 31, true},
      {288, 432, true, F, 0.65f, 1.0f, 242, 32, true},
      {924, 2376, true, F, 0.07f, 1.0f, 242, -1, true},
      {528, 792, true, F, 0.07f, 1.0f, 242, -1, true},
      {408, 1428, true, F, 0.05f, 1.0f, 326, -1, true},
      {266, 1092, true, F, 0.045f, 1.0f, 244, -1, true},
      {266, 1092, true, F, 0.65f, 1.0f, 244, 42, true},
      {801, 1338, false, F, 0.0003f, 1.0f, 0, -1, true},
      {538, 918, false, F, 0.00035f, 1.0f, 0, -1, true},
      {408, 1428, true, F, 0.055f, 1.0f, 326, -1, true},
      {408, 1428, true, F, 0.045f, 1.0f, 326, -1, true},
      {312, 768, false, K, 0.0003f, 1.1f, 327, -1, false},
      {4940, 14820, false, K, 0.0003f, 1.1f, 328, -1, false},
      {318, 867, false, K, 0.00035f, 1.1f, 327, -1, false},
      {7980, 23940, false, K, 0.00035f, 1.1f, 328, -1, false},
      {438, 1179, false, K, 0.0004f, 1.1f, 327, -1, false},
      {7600, 22800, false, K, 0.0004f, 1.1f, 328, -1, false},
      {574, 1899, false, K, 0.0004f, 1.0f, 329, -1, false},
      {196, 336, false, K, 0.0004f, 1.0f, 330, -1, false},
      {922, 3009, false, K, 0.0004f, 1.0f, 331, -1, false},
      {3420, 10260, false, K, 0.0004f, 1.0f, 328, -1, false},
      {658, 2127, false, K, 0.0004f, 1.0f, 329, -1, false},
      {3800, 11400, false, K, 0.0004f, 1.0f, 328, -1, false},
      {745, 2370, false, K, 0.0004f, 1.0f, 332, -1, false},
      {84, 144, false, K, 0.0004f, 1.0f, 330, -1, false},
  }};
}();

}  // namespace sorvane
