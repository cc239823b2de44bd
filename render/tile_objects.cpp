// The object pass of one tile, class group by class group.
#include "render/tile_objects.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "base/angles.h"
#include "d3dx/matrix_math.h"
#include "device/d3d8_constants.h"
#include "device/float_state.h"

namespace sorvane {

namespace {

enum class Transform { Translate, TurnRadians, Tipped, Leaning, Lying, TurnDegrees };

// The part of the object pass a class is drawn in: each sets its states once,
// in this order, whether or not the tile has objects of its classes.
enum class Pass { Solid, TestedCorals, Plants };

// One class as the object pass draws it; the table lists the classes in the
// order they are drawn.
struct ClassDraw {
  int objectClass;
  // Consecutive classes of one group set their texture only when it changes.
  int group;
  Pass pass;
  int mesh;    // the (detailed, first) mesh
  int second;  // coral part 2 or the plant's simple mesh; -1 for none
  float offset;
  float radius;
  bool fade;
  Transform transform;
  // Stage 0's mag, min and mip filters while the class is drawn.
  uint32_t filter = D3DTEXF_LINEAR;
  // A faded object leaves alpha blending on for those after it.
  bool keepsBlendAfterFade = false;
  // How much lower than the first the second part stands.
  float secondPartLower = 0.0f;
  // The sway amplitude set anew, from a fresh clock reading, before the class;
  // 0 keeps the amplitude the classes before it set.
  float sway = 0.0f;
};

constexpr ClassDraw Stone(int n, int group, int mesh, float offset, float radius) {
  return {kFirstStoneClass + n - 1, group, Pass::Solid, mesh, -1, offset, radius, false, Transform::Translate};
}
constexpr ClassDraw Column(int n, int mesh, float offset, Transform transform) {
  return {kFirstColumnClass + n - 1, 4, Pass::Solid, mesh, -1, offset, 0.04f, true, transform};
}
constexpr ClassDraw Brick(int n, int mesh, float offset, float radius, Transform transform) {
  return {kFirstBrickClass + n - 1, 5, Pass::Solid, mesh, -1, offset, radius, false, transform};
}
constexpr ClassDraw Wall(int n, int mesh, float offset, float radius) {
  return {kFirstWallClass + n - 1, 6, Pass::Solid, mesh, -1, offset, radius, true, Transform::TurnDegrees};
}
constexpr ClassDraw Coral(int n, Pass pass, int mesh, float offset, float radius) {
  return {kFirstCoralClass + n - 1, pass == Pass::Solid ? 7 : 8, pass, mesh, mesh + 1, offset, radius, true,
          Transform::TurnDegrees};
}
constexpr ClassDraw Plant(int n, int mesh, int simple = -1) {
  return {kFirstFloraClass + n - 1, 9, Pass::Plants, mesh, simple, 0.025f, 0.05f, true, Transform::TurnDegrees};
}

constexpr ClassDraw Unfiltered(ClassDraw c) {
  c.filter = D3DTEXF_NONE;
  return c;
}
constexpr ClassDraw KeepingBlend(ClassDraw c) {
  c.keepsBlendAfterFade = true;
  return c;
}
constexpr ClassDraw SecondPartLower(float lower, ClassDraw c) {
  c.secondPartLower = lower;
  return c;
}
constexpr ClassDraw Swaying(float amplitude, ClassDraw c) {
  c.sway = amplitude;
  return c;
}

constexpr float kPlantSway = 0.12f;
constexpr float kSwayAgain = 0.09f;

// Every class but the bubbles, which are drawn apart.
constexpr ClassDraw kClassDraw[] = {
    Stone(1, 1, kMeshStone1, 0.004f, 0.008f), Stone(2, 1, kMeshStone2, 0.004f, 0.008f),
    Stone(3, 2, kMeshStone3, 0.005f, 0.011f), Stone(4, 2, kMeshStone4, 0.0035f, 0.007f),
    Stone(5, 2, kMeshStone5, 0.0035f, 0.007f), Stone(11, 2, kMeshStone11, 0.0021f, 0.0042f),
    Stone(6, 3, kMeshStone6, 0.0035f, 0.007f), Stone(7, 3, kMeshStone7, 0.004f, 0.008f),
    Stone(8, 3, kMeshStone8, 0.002f, 0.004f), Stone(9, 3, kMeshStone9, 0.002f, 0.004f),
    Stone(10, 3, kMeshStone10, 0.0025f, 0.005f),
    Column(1, kMeshColumn1, 0.02f, Transform::Leaning), Column(2, kMeshColumn2, 0.0f, Transform::Lying),
    Column(3, kMeshColumn3, 0.02f, Transform::Leaning),
    Brick(1, kMeshBrick1, 0.007f, 0.014f, Transform::TurnRadians),
    Brick(2, kMeshBrick2, 0.006f, 0.012f, Transform::TurnRadians),
    Brick(3, kMeshBrick3, 0.006f, 0.012f, Transform::TurnRadians),
    Brick(4, kMeshBrick4, 0.0f, 0.012f, Transform::Tipped), Brick(5, kMeshBrick5, 0.0f, 0.012f, Transform::Tipped),
    Wall(1, kMeshWall1, 0.035f, 0.07f), Unfiltered(Wall(2, kMeshWall2, 0.045f, 0.09f)),
    Wall(3, kMeshWall3, 0.05f, 0.1f), Wall(4, kMeshWall4, 0.04f, 0.08f), Wall(5, kMeshWall5, 0.02f, 0.04f),
    Wall(6, kMeshWall6, 0.04f, 0.08f), Unfiltered(Wall(7, kMeshWall7, 0.0f, 0.77f)),
    Wall(8, kMeshWall8, 0.04f, 0.08f), Wall(9, kMeshWall9, 0.03f, 0.06f), Wall(10, kMeshWall10, 0.025f, 0.05f),
    Coral(1, Pass::Solid, kMeshCoral1Base, 0.015f, 0.03f), Coral(2, Pass::Solid, kMeshCoral2Base, 0.015f, 0.04f),
    Coral(3, Pass::Solid, kMeshCoral3Base, 0.015f, 0.03f),
    SecondPartLower(0.00042f, Coral(5, Pass::Solid, kMeshCoral5Base, 0.02f, 0.04f)),
    Coral(6, Pass::Solid, kMeshCoral6Base, 0.025f, 0.05f),
    Coral(4, Pass::TestedCorals, kMeshCoral4Base, 0.015f, 0.03f),
    Coral(7, Pass::TestedCorals, kMeshCoral7Base, 0.03f, 0.06f),
    KeepingBlend(Plant(1, kMeshFlora1)), Plant(2, kMeshFlora2),
    Swaying(kSwayAgain, Plant(3, kMeshFlora3, kMeshFlora3Far)), Plant(4, kMeshFlora4, kMeshFlora4Far),
    Swaying(kSwayAgain, Plant(5, kMeshFlora5, kMeshFlora5Far)), Plant(6, kMeshFlora6, kMeshFlora6Far),
    Swaying(kSwayAgain, Plant(7, kMeshFlora7, kMeshFlora7Far)), Plant(8, kMeshFlora8),
    Swaying(kSwayAgain, Plant(9, kMeshFlora9)), Plant(10, kMeshFlora10),
    Swaying(kSwayAgain, Plant(11, kMeshFlora11)), Plant(12, kMeshFlora12),
    Swaying(kSwayAgain, Plant(13, kMeshFlora13)), Plant(14, kMeshFlora14),
};
static_assert(std::size(kClassDraw) == kObjectClassCount - 1);

void SetRS(ObjectPass& p, uint32_t state, uint32_t value) { p.gpu.SetRenderState(state, value); }
void SetTSS(ObjectPass& p, uint32_t stage, uint32_t type, uint32_t value) { p.gpu.SetStageState(stage, type, value); }

// Depth-tested and written, fogged, seen from both sides; a faded object
// blends with the source alpha.
void SetSolidStates(ObjectPass& p) {
  p.gpu.SetRenderStates({{D3DRS_ZENABLE, 1},
                         {D3DRS_ZWRITEENABLE, 1},
                         {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                         {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
                         {D3DRS_CULLMODE, D3DCULL_NONE},
                         {D3DRS_FOGENABLE, 1},
                         {D3DRS_FOGCOLOR, p.resources.colours.clearColour},
                         {D3DRS_FOGEND, FloatState(0.4f)}});
}

// Stage 0's texture modulated by the colour before it (a fade puts the
// texture factor into its alpha); stage 1, without a texture, keeps the alpha.
void SetModulatedTexture(ObjectPass& p) {
  p.gpu.SetModulatingStage(0);
  p.gpu.SetStageStates({{1, D3DTSS_COLOROP, D3DTOP_MODULATE}, {1, D3DTSS_ALPHAOP, D3DTOP_DISABLE}});
}

// Calls f(array) for the array of the given class (not the bubbles).
template <class F>
void WithClass(const TileObjects& objects, int objectClass, F&& f) {
  ForEachObjectArray(objects, [&](auto index, auto& array) {
    if constexpr (index() != kBubbleClass) {
      if (index() == objectClass) f(array);
    }
  });
}

template <class T>
Matrix ObjectMatrix(const T& o, Transform transform, const Matrix& top, float lower) {
  switch (transform) {
    case Transform::Translate: return MatrixMultiply(MatrixTranslation(o.x, o.y, o.z), top);
    case Transform::TurnRadians:
      if constexpr (requires { o.yaw; }) {
        return MatrixMultiply(MatrixMultiply(MatrixRotationY(o.yaw), MatrixTranslation(o.x, o.y, o.z)), top);
      }
      break;
    case Transform::TurnDegrees:
      if constexpr (requires { o.yaw; }) {
        return MatrixMultiply(
            MatrixMultiply(MatrixRotationY(Radians(o.yaw)), MatrixTranslation(o.x, o.y - lower, o.z)), top);
      }
      break;
    case Transform::Tipped:
    case Transform::Leaning:
    case Transform::Lying:
      if constexpr (requires { o.tilt; }) {
        const float tilt = transform == Transform::Lying ? 50.0f : o.tilt;
        const float sink = transform == Transform::Tipped    ? o.tilt / 100000.0f
                           : transform == Transform::Leaning ? o.tilt / 10000.0f
                                                             : 0.003f;
        const Matrix turned = MatrixMultiply(MatrixRotationX(Radians(tilt)), MatrixRotationY(o.yaw));
        return MatrixMultiply(MatrixMultiply(turned, MatrixTranslation(o.x, o.y - sink, o.z)), top);
      }
      break;
  }
  return MatrixMultiply(MatrixTranslation(o.x, o.y, o.z), top);
}

void BindMesh(ObjectPass& p, int mesh) {
  const MeshBuffers& b = p.resources.meshBuffers[mesh];
  p.gpu.device.SetStreamSource(0, b.vertices, sizeof(SceneryVertex));
  p.gpu.device.SetIndices(b.indices, 0);
}

void DrawMesh(ObjectPass& p, int mesh) {
  const MeshBuffers& b = p.resources.meshBuffers[mesh];
  p.gpu.device.DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, static_cast<uint32_t>(b.vertexCount), 0,
                                    static_cast<uint32_t>(b.indexCount / 3));
}

// Push, make the object's matrix the top, hand it to the device (as the world,
// or to the sway shader for plants), draw, pop.
template <class T, class DrawFn>
void DrawWithMatrix(ObjectPass& p, const T& o, const ClassDraw& c, bool plant, float lower, DrawFn&& draw) {
  MatrixStack& stack = p.frame.matrixStack;
  stack.Push();
  const Matrix m = ObjectMatrix(o, c.transform, stack.Top(), lower);
  if (plant && p.resources.shaderReady) {
    const Matrix t = MatrixTranspose(m);
    p.gpu.device.SetVertexShaderConstant(8, &t, 4);
  } else {
    stack.LoadMatrix(m);
    p.gpu.device.SetTransform(D3DTS_WORLD, stack.Top());
  }
  draw();
  stack.Pop();
}

struct FadeState {
  bool active = false;
  uint32_t blendBefore = 0;
};

FadeState ApplyFade(ObjectPass& p, float x, float z, bool plant) {
  FadeState fade;
  const std::optional<uint32_t> colour = ObjectFadeColour(p, x, z);
  if (!colour) return fade;
  fade.active = true;
  fade.blendBefore = p.gpu.cache.RenderStateValue(D3DRS_ALPHABLENDENABLE);
  SetRS(p, D3DRS_ALPHABLENDENABLE, 1);
  SetRS(p, D3DRS_TEXTUREFACTOR, *colour);
  SetTSS(p, 0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
  SetTSS(p, 0, D3DTSS_ALPHAARG2, D3DTA_TFACTOR);
  if (!plant) SetTSS(p, 1, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
  return fade;
}

// The objects after a faded one are drawn in the same pass without a fade of
// their own: its states go back to the pass's.
void UndoFade(ObjectPass& p, const FadeState& fade, bool plant, bool keepBlending) {
  if (!fade.active) return;
  if (!keepBlending) SetRS(p, D3DRS_ALPHABLENDENABLE, fade.blendBefore);
  SetRS(p, D3DRS_ALPHAREF, 160);
  SetTSS(p, 0, D3DTSS_ALPHAARG2, D3DTA_CURRENT);
  if (!plant) SetTSS(p, 1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
}

void SetSway(ObjectPass& p, float amplitude) {
  const uint32_t ms = p.frame.tickCount != nullptr ? p.frame.tickCount() : 0u;
  const float t = static_cast<float>(ms) * 0.0785f / 180.0f;
  const float c4[4] = {std::cos(t) * amplitude, 0.0f, 0.0f, 0.0f};
  p.gpu.device.SetVertexShaderConstant(4, c4, 1);
}

bool Culled(const ObjectPass& p, float x, float y, float z, const ClassDraw& c) {
  return !SphereInFrustum(p.frame.frustumPlanes, x, y + c.offset, z, c.radius);
}

void SetStageZeroFilter(ObjectPass& p, uint32_t filter) {
  for (uint32_t type : {D3DTSS_MAGFILTER, D3DTSS_MINFILTER, D3DTSS_MIPFILTER}) SetTSS(p, 0, type, filter);
}

// A class with one mesh per object: stones, columns, bricks, walls, and the
// plants, whose far objects may take a simple mesh.
void DrawSingleMeshClass(ObjectPass& p, const TileObjects& objects, const ClassDraw& c) {
  const bool plant = c.pass == Pass::Plants;
  WithClass(objects, c.objectClass, [&](auto& array) {
    const bool detail = plant && c.second >= 0;
    if (!detail) BindMesh(p, c.mesh);
    for (int32_t i = 0; i < array.count; ++i) {
      const auto& o = array.items[i];
      if (Culled(p, o.x, o.y, o.z, c)) continue;
      FadeState fade;
      if (c.fade) fade = ApplyFade(p, o.x, o.z, plant);
      int mesh = c.mesh;
      if (detail) {
        mesh = CameraDistance(p.frame, o.x, o.z) >= kPlantDetailDistance ? c.second : c.mesh;
        BindMesh(p, mesh);
      }
      DrawWithMatrix(p, o, c, plant, 0.0f, [&] { DrawMesh(p, mesh); });
      if (c.fade) UndoFade(p, fade, plant, c.keepsBlendAfterFade);
    }
  });
}

// A coral: its two parts, each with its own texture, one after the other.
void DrawCoralClass(ObjectPass& p, const TileObjects& objects, const ClassDraw& c) {
  WithClass(objects, c.objectClass, [&](auto& array) {
    for (int32_t i = 0; i < array.count; ++i) {
      const auto& o = array.items[i];
      if (Culled(p, o.x, o.y, o.z, c)) continue;
      const FadeState fade = ApplyFade(p, o.x, o.z, false);
      for (int part = 0; part < 2; ++part) {
        const int mesh = part == 0 ? c.mesh : c.second;
        p.gpu.device.SetTexture(0, p.resources.meshTextures[mesh]);
        BindMesh(p, mesh);
        DrawWithMatrix(p, o, c, false, part == 0 ? 0.0f : c.secondPartLower, [&] { DrawMesh(p, mesh); });
      }
      UndoFade(p, fade, false, false);
    }
  });
}

// The tile's bubbles in batches of one draw each, their quads moved into the
// world here: a draw per bubble was most of a frame's draws. The bubbles add
// light without depth, so the order within a tile changes nothing.
void DrawBubbles(ObjectPass& p, const TileObjects& objects) {
  const ObjectArray<CBubble>& bubbles = std::get<kBubbleClass>(objects);
  Device& device = p.gpu.device;
  VertexBuffer* batch = p.resources.bubbleBatch;
  // Light added over the scene without depth, fogged: the bubble image,
  // sharpened by a level bias of −1, modulated by the vertices' colour.
  SetSolidStates(p);
  p.gpu.SetRenderStates({{D3DRS_ALPHATESTENABLE, 0},
                         {D3DRS_ALPHABLENDENABLE, 1},
                         {D3DRS_DESTBLEND, D3DBLEND_ONE},
                         {D3DRS_ZENABLE, 0},
                         {D3DRS_ZWRITEENABLE, 0}});
  device.SetTexture(1, nullptr);
  device.SetTexture(0, p.resources.textures[kBubbleTexture]);
  SetModulatedTexture(p);
  p.gpu.SetLinearSampling(0);
  const uint32_t minusOne = 0xBF800000u;  // −1.0f
  SetTSS(p, 0, D3DTSS_MIPMAPLODBIAS, minusOne);
  SetTSS(p, 1, D3DTSS_MIPMAPLODBIAS, minusOne);
  device.SetStreamSource(0, batch, sizeof(ColourVertex));
  device.SetVertexShader(kColourVertexFvf);
  BubbleQuad quad = p.frame.bubbleQuad;
  for (ColourVertex& v : quad) {
    const Vector3 w = Vec3TransformCoord({v.x, v.y, v.z}, p.frame.matrixStack.Top());
    v.x = w.x, v.y = w.y, v.z = w.z;
  }
  if (bubbles.count > 0) device.SetTransform(D3DTS_WORLD, MatrixIdentity());
  for (int32_t first = 0; first < bubbles.count; first += kBubblesPerBatch) {
    const int32_t n = std::min(bubbles.count - first, kBubblesPerBatch);
    uint8_t* data = nullptr;
    if (Failed(device.LockVertexBuffer(batch, 0, 0, &data, D3DLOCK_DISCARD))) continue;
    auto* out = reinterpret_cast<ColourVertex*>(data);
    for (int32_t i = first; i < first + n; ++i) {
      const CBubble& b = bubbles.items[i];
      for (int corner : {0, 1, 2, 2, 1, 3}) {
        ColourVertex v = quad[corner];
        v.x += b.x, v.y += b.height, v.z += b.z;
        *out++ = v;
      }
    }
    device.UnlockVertexBuffer(batch);
    device.DrawPrimitive(D3DPT_TRIANGLELIST, 0, static_cast<uint32_t>(2 * n));
  }
}

// The plants: their tuft images alpha-tested above 160, without the caustic
// frame, swayed by the shader when the device took it.
void SetPlantStates(ObjectPass& p) {
  Device& device = p.gpu.device;
  const FrameState& f = p.frame;
  device.SetTexture(1, nullptr);
  SetSolidStates(p);
  p.gpu.SetRenderStates({{D3DRS_ALPHABLENDENABLE, 0},
                         {D3DRS_ALPHATESTENABLE, 1},
                         {D3DRS_ALPHAREF, 160},
                         {D3DRS_ALPHAFUNC, D3DCMP_GREATER}});
  SetModulatedTexture(p);
  p.gpu.SetLinearSampling(0);
  if (p.resources.shaderReady) {
    const Matrix viewProjection = MatrixTranspose(MatrixMultiply(f.view, f.projection));
    device.SetVertexShaderConstant(0, &viewProjection, 4);
    const float c5[4] = {f.cameraX, 0.0f, f.cameraZ, 0.0f};
    device.SetVertexShaderConstant(5, c5, 1);
    const float c6[4] = {1.0f, 0.875f, -0.05f, 0.0f};
    device.SetVertexShaderConstant(6, c6, 1);
    device.SetVertexShader(p.resources.shaderHandle);
  }
  SetSway(p, kPlantSway);
}

// The corals after the others: alpha-tested above 160, the texture's alpha
// modulated in.
void SetTestedCoralStates(ObjectPass& p) {
  p.gpu.SetRenderStates({{D3DRS_ALPHATESTENABLE, 1}, {D3DRS_ALPHAREF, 160}, {D3DRS_ALPHAFUNC, D3DCMP_GREATER}});
  SetTSS(p, 0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
}

// The stones, columns, bricks, walls and the corals drawn before the alpha
// test: their texture as it is, lit by the caustic frame on stage 1, opaque
// unless faded.
void SetObjectStates(ObjectPass& p) {
  SetSolidStates(p);
  p.gpu.SetRenderStates({{D3DRS_ALPHABLENDENABLE, 0}, {D3DRS_ALPHATESTENABLE, 0}});
  p.gpu.SetStageStates({{0, D3DTSS_COLOROP, D3DTOP_SELECTARG1},
                        {0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                        {0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE},
                        {0, D3DTSS_ALPHAARG2, D3DTA_CURRENT},
                        {1, D3DTSS_COLOROP, D3DTOP_MODULATE},
                        {1, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                        {1, D3DTSS_COLORARG2, D3DTA_CURRENT},
                        {1, D3DTSS_ALPHAOP, D3DTOP_DISABLE}});
  p.gpu.SetLinearSampling(0);
  p.gpu.SetLinearSampling(1);
}

}  // namespace

float CameraDistance(const FrameState& frame, float x, float z) {
  return std::max(std::fabs(frame.cameraZ - z), std::fabs(frame.cameraX - x));
}

std::optional<uint32_t> ObjectFadeColour(ObjectPass& pass, float x, float z) {
  const float d = CameraDistance(pass.frame, x, z);
  if (d < 0.35f) return std::nullopt;
  const float e = std::max(0.0f, 0.4f - d);
  const int alpha = std::clamp(static_cast<int>(e * 5100.0f), 0, 255);
  if (alpha - 1 < 0) {
    SetRS(pass, D3DRS_ALPHAREF, 0);
  } else if (alpha - 1 < 160) {
    SetRS(pass, D3DRS_ALPHAREF, static_cast<uint32_t>(alpha - 1));
  }
  return static_cast<uint32_t>(alpha) << 24 | 0xFFFFFFu;
}

BubbleQuad BubbleQuadFacing(const Matrix& view) {
  const float qx = (view.m[0][0] - view.m[0][1]) * 0.0005f;
  const float qy = (view.m[1][0] - view.m[1][1]) * 0.0005f;
  const float qz = (view.m[2][0] - view.m[2][1]) * 0.0005f;
  constexpr uint32_t c = 0xAABBBBBBu;
  return {{
      {qx, qy, qz, c, 0.99f, 0.0f},
      {-qx, qy, -qz, c, 0.0f, 0.0f},
      {qx, -qy, qz, c, 0.99f, 0.99f},
      {-qx, -qy, -qz, c, 0.0f, 0.99f},
  }};
}

void DrawTileObjects(ObjectPass& p, const TileObjects& objects) {
  Device& device = p.gpu.device;
  device.SetTexture(1, p.resources.textures[kFirstCausticTexture + p.frame.causticFrame]);
  SetObjectStates(p);
  device.SetVertexShader(kSceneryVertexFvf);

  Pass pass = Pass::Solid;
  int group = 0;
  Texture* groupTexture = nullptr;
  for (const ClassDraw& c : kClassDraw) {
    if (c.pass != pass) {
      pass = c.pass;
      if (pass == Pass::TestedCorals) SetTestedCoralStates(p);
      if (pass == Pass::Plants) SetPlantStates(p);
    }
    if (ObjectCount(objects, c.objectClass) == 0) continue;
    SetStageZeroFilter(p, c.filter);
    if (c.second >= 0 && pass != Pass::Plants) {
      DrawCoralClass(p, objects, c);
      continue;
    }
    Texture* texture = p.resources.meshTextures[c.mesh];
    if (c.group != group || texture != groupTexture) {
      device.SetTexture(0, texture);
      group = c.group;
      groupTexture = texture;
    }
    if (c.sway != 0.0f) SetSway(p, c.sway);
    DrawSingleMeshClass(p, objects, c);
  }
  device.SetVertexShader(kSceneryVertexFvf);
  DrawBubbles(p, objects);
}

void RiseBubbles(TileObjects& objects) {
  ObjectArray<CBubble>& bubbles = std::get<kBubbleClass>(objects);
  for (int32_t i = 0; i < bubbles.count; ++i) bubbles.items[i].Rise();
}

}  // namespace sorvane
