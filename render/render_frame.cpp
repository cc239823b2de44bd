// The frame's passes in their order: ceiling, backdrop, seabed, objects,
// the fish hand-over, light rays, shimmer, fade, present.
#include "render/render_frame.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "d3dx/matrix_math.h"
#include "device/d3d8_constants.h"
#include "device/float_state.h"
#include "render/projection.h"
#include "render/tile_objects.h"
#include "scene/ground_height.h"
#include "scene/quad_vertices.h"

namespace sorvane {

namespace {

constexpr float kEyeHeight = 0.022f;
constexpr float kCeilingHeight = 0.13f;
constexpr float kTileCullRadius = 0.25f;
constexpr float kFadeStep = 0.075f;
constexpr uint32_t kColourVertexStride = sizeof(ColourVertex);

// What one frame works on: the device, what it holds, the world drawn and the
// renderer's own state.
struct Frame {
  Device& d;
  DeviceResources& r;
  World& w;
  FrameState& f;
};

void SetRS(Frame& s, uint32_t state, uint32_t value) { s.r.cache.SetRenderStateCached(s.d, state, value); }
void SetTSS(Frame& s, uint32_t stage, uint32_t type, uint32_t value) {
  s.r.cache.SetTextureStageStateCached(s.d, stage, type, value);
}
void SetStageFilters(Frame& s, uint32_t stage, uint32_t filter) {
  SetTSS(s, stage, D3DTSS_MAGFILTER, filter);
  SetTSS(s, stage, D3DTSS_MINFILTER, filter);
}

// Push, translate, set as the world, draw, pop.
void DrawTranslated(Frame& s, float x, float y, float z, uint32_t type, uint32_t count) {
  s.f.matrixStack.Push();
  s.f.matrixStack.Translate(x, y, z);
  s.d.SetTransform(D3DTS_WORLD, s.f.matrixStack.Top());
  s.d.DrawPrimitive(type, 0, count);
  s.f.matrixStack.Pop();
}

void SetView(Frame& s, const Matrix& view) {
  s.f.view = view;
  s.d.SetTransform(D3DTS_VIEW, view);
}

// The quads written during a frame are locked with DISCARD: a plain lock of a
// buffer that queued draws still read waits until the device has drawn them.
bool WriteSurfaceQuad(Frame& s, uint8_t alpha, float repeat) {
  uint8_t* data = nullptr;
  if (Failed(s.d.LockVertexBuffer(s.r.surfaceQuad, 0, 0, &data, D3DLOCK_DISCARD))) return false;
  const uint32_t c = static_cast<uint32_t>(alpha) << 24 | s.r.colours.surfaceColour;
  auto* v = reinterpret_cast<ColourVertex*>(data);
  v[0] = {-0.25f, 0.0f, 0.25f, c, 0.0f, repeat};
  v[1] = {0.25f, 0.0f, 0.25f, c, repeat, repeat};
  v[2] = {-0.25f, 0.0f, -0.25f, c, 0.0f, 0.0f};
  v[3] = {0.25f, 0.0f, -0.25f, c, repeat, 0.0f};
  s.d.UnlockVertexBuffer(s.r.surfaceQuad);
  s.d.SetStreamSource(0, s.r.surfaceQuad, kColourVertexStride);
  return true;
}

// The quads of the 40 × 40 grid over −5 … 14.5 that lie near the camera.
void DrawSurfaceLayer(Frame& s, float ceilingY) {
  for (int row = 0; row < 40; ++row) {
    const float z = row * 0.5f - 5.0f;
    if (std::fabs(s.f.cameraZ - z) >= 1.5f) continue;
    for (int column = 0; column < 40; ++column) {
      const float x = column * 0.5f - 5.0f;
      if (std::fabs(s.f.cameraX - x) < 1.5f) DrawTranslated(s, x, ceilingY, z, D3DPT_TRIANGLESTRIP, 2);
    }
  }
}

// The water surface seen from below, in two layers with the caustic frame.
bool DrawCeiling(Frame& s, float eyeY) {
  Device& d = s.d;
  d.SetTexture(1, nullptr);
  d.SetTexture(0, s.r.textures[kFirstCausticTexture + s.f.causticFrame]);
  SetTSS(s, 0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  SetTSS(s, 0, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
  const float ceilingY = eyeY + kCeilingHeight;
  SetRS(s, D3DRS_ZENABLE, 0);
  SetRS(s, D3DRS_ZWRITEENABLE, 0);
  SetRS(s, D3DRS_ALPHABLENDENABLE, 0);
  d.SetVertexShader(kColourVertexFvf);
  SetRS(s, D3DRS_FOGCOLOR, s.r.colours.surfaceColour);
  if (!WriteSurfaceQuad(s, 0x8C, 5.0f)) return false;
  SetRS(s, D3DRS_FOGEND, FloatState(0.7f));
  ApplyFarProjection(s.d, s.f);
  DrawSurfaceLayer(s, ceilingY);

  SetRS(s, D3DRS_ALPHABLENDENABLE, 1);
  if (!WriteSurfaceQuad(s, 0xAA, 2.0f)) return false;
  DrawSurfaceLayer(s, ceilingY);
  SetRS(s, D3DRS_FOGEND, FloatState(0.4f));
  SetRS(s, D3DRS_FOGENABLE, 0);
  return true;
}

// Fixed on the screen: the view has no turn and the same offset as the world.
void DrawBackdrop(Frame& s) {
  Device& d = s.d;
  const float x = s.f.cameraX;
  const float z = s.f.cameraZ;
  SetView(s, MatrixLookAtLH({x, 0.0f, z}, {x, 0.0f, z + 1.0f}, {0.0f, 1.0f, 0.0f}));
  d.SetTexture(0, nullptr);
  d.SetTexture(1, nullptr);
  d.SetStreamSource(0, s.r.backdrop, sizeof(BackdropVertex));
  d.SetVertexShader(kBackdropVertexFvf);
  SetRS(s, D3DRS_CULLMODE, D3DCULL_NONE);
  DrawTranslated(s, x, 0.0f, z, D3DPT_TRIANGLELIST, 6);
}

// The tiles around the camera's tile that a sphere about their centre keeps in
// view; the camera's own tile always.
// The objects of the tiles the seabed pass found visible, in list order.
void DrawObjects(Frame& s, int cameraTile) {
  ObjectPass pass{s.d,
                  s.r.cache,
                  s.f.matrixStack,
                  s.r.meshBuffers,
                  s.r.meshTextures,
                  s.r.textures[kFirstCausticTexture + s.f.causticFrame],
                  s.r.textures[kBubbleTexture],
                  s.f.bubbleQuad,
                  s.r.bubbleBatch,
                  s.f.frustumPlanes,
                  s.f.cameraX,
                  s.f.cameraZ,
                  s.r.shaderReady,
                  s.r.shaderHandle,
                  s.f.world,
                  s.f.view,
                  s.f.projection,
                  s.f.tickCount};
  const SeabedTile& centre = s.w.tiles[cameraTile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    if (s.f.neighbourVisible[i]) DrawTileObjects(pass, s.w.tiles[centre.neighbours[i].tile].objects);
  }
}

void DrawSeabed(Frame& s, int cameraTile) {
  Device& d = s.d;
  d.SetTexture(0, s.r.textures[kSandTexture]);
  d.SetTexture(1, s.r.textures[kFirstCausticTexture + s.f.causticFrame]);
  SetTSS(s, 1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
  d.SetVertexShader(kSceneryVertexFvf);
  d.SetIndices(s.r.seabedIndexBuffer, 0);
  const SeabedTile& centre = s.w.tiles[cameraTile];
  s.f.neighbourVisible.fill(false);
  for (int i = 0; i < centre.neighbourCount; ++i) {
    const TileNeighbour& n = centre.neighbours[i];
    const SeabedTile& t = s.w.tiles[n.tile];
    const float x = t.column * kTileSize;
    const float z = t.row * kTileSize;
    const bool inside =
        SphereInFrustum(s.f.frustumPlanes, x + kTileSize / 2, t.centreHeight, z + kTileSize / 2, kTileCullRadius);
    s.f.neighbourVisible[i] = inside || n.tile == cameraTile;
    if (!s.f.neighbourVisible[i]) continue;
    s.f.matrixStack.Push();
    s.f.matrixStack.Translate(x, 0.0f, z);
    d.SetTransform(D3DTS_WORLD, s.f.matrixStack.Top());
    d.SetStreamSource(0, s.r.tileBuffers[n.tile], sizeof(SceneryVertex));
    d.DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, kTileVertexCount, 0, kSeabedStripTriangles);
    s.f.matrixStack.Pop();
  }
}

// Blending on with point-sampled, alpha-modulated skins.
void SetFishStates(Frame& s) {
  SetRS(s, D3DRS_ALPHABLENDENABLE, 1);
  SetStageFilters(s, 0, D3DTEXF_POINT);
  SetTSS(s, 0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
  s.d.SetTexture(1, s.r.textures[kFirstCausticTexture + s.f.causticFrame]);
  SetTSS(s, 1, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
  SetStageFilters(s, 0, D3DTEXF_NONE);
  SetTSS(s, 0, D3DTSS_MIPFILTER, D3DTEXF_NONE);
}

// Additive shimmer over the whole screen, its texture repeated 32 × 24 times.
bool DrawShimmer(Frame& s) {
  Device& d = s.d;
  SetView(s, MatrixLookAtLH({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f}));
  d.SetTexture(1, nullptr);
  SetTSS(s, 0, D3DTSS_COLOROP, D3DTOP_MODULATE);
  SetStageFilters(s, 0, D3DTEXF_LINEAR);
  SetRS(s, D3DRS_ZENABLE, 0);
  SetRS(s, D3DRS_FOGENABLE, 0);
  d.SetVertexShader(kColourVertexFvf);
  ApplyFarProjection(s.d, s.f);
  if (++s.f.shimmerFrame > kShimmerFrames - 1) s.f.shimmerFrame = 0;
  d.SetTexture(0, s.r.textures[kFirstShimmerTexture + s.f.shimmerFrame]);
  SetRS(s, D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  SetRS(s, D3DRS_DESTBLEND, D3DBLEND_ONE);
  uint8_t* data = nullptr;
  if (Failed(d.LockVertexBuffer(s.r.shimmerQuad, 0, 0, &data, D3DLOCK_DISCARD))) return false;
  constexpr uint32_t c = 0x10FFFFFF;
  auto* v = reinterpret_cast<ColourVertex*>(data);
  v[0] = {0.4f, -0.3f, 0.0f, c, 32.0f, 24.0f};
  v[1] = {-0.4f, -0.3f, 0.0f, c, 0.0f, 24.0f};
  v[2] = {-0.4f, 0.3f, 0.0f, c, 0.0f, 0.0f};
  v[3] = {0.4f, -0.3f, 0.0f, c, 32.0f, 24.0f};
  v[4] = {-0.4f, 0.3f, 0.0f, c, 0.0f, 0.0f};
  v[5] = {0.4f, 0.3f, 0.0f, c, 32.0f, 0.0f};
  d.UnlockVertexBuffer(s.r.shimmerQuad);
  d.SetStreamSource(0, s.r.shimmerQuad, kColourVertexStride);
  DrawTranslated(s, 0.0f, 0.0f, 0.5f, D3DPT_TRIANGLELIST, 2);
  SetRS(s, D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  SetRS(s, D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  return true;
}

// Black over everything, less each frame, from the first frame on.
bool DrawFade(Frame& s) {
  if (s.f.fadeLevel <= 0.0f) return true;
  Device& d = s.d;
  SetRS(s, D3DRS_ALPHABLENDENABLE, 1);
  d.SetTexture(0, nullptr);
  uint8_t* data = nullptr;
  if (Failed(d.LockVertexBuffer(s.r.shimmerQuad, 0, 0, &data, D3DLOCK_DISCARD))) return false;
  const auto alpha = static_cast<uint32_t>(std::clamp(static_cast<int>(s.f.fadeLevel * 255.0f), 0, 255));
  const float corners[6][2] = {{1.3f, -1.0f}, {-1.3f, -1.0f}, {-1.3f, 1.0f}, {-1.3f, 1.0f}, {1.3f, -1.0f}, {1.3f, 1.0f}};
  auto* v = reinterpret_cast<ColourVertex*>(data);
  for (int i = 0; i < 6; ++i) v[i] = {corners[i][0], corners[i][1], 0.5f, alpha << 24, 0.0f, 0.0f};
  d.UnlockVertexBuffer(s.r.shimmerQuad);
  d.SetStreamSource(0, s.r.shimmerQuad, kColourVertexStride);
  DrawTranslated(s, 0.0f, 0.0f, 0.5f, D3DPT_TRIANGLELIST, 2);
  s.f.fadeLevel -= kFadeStep;
  return true;
}

void MoveAndDrawSchool(Frame& s) {
  std::array<FishViewPlane, 6> planes;
  for (int i = 0; i < 6; ++i) {
    const Plane& p = s.f.frustumPlanes[i];
    planes[i] = {p.a, p.b, p.c, p.d};
  }
  const FishDrawTarget target{s.d, s.r.cache, s.f.matrixStack, s.r.fishBuffers, s.w.fishModels.species(),
                              &s.r.textures[kFirstFishTexture]};
  const FishView view{s.f.cameraX, s.f.cameraZ, s.w.heightGrid.get(), &GroundHeight, planes.data()};
  s.f.fishFigures = MoveAndDrawFish(s.f.fishRenderer, target, view, s.w.school.fish.get(), s.w.school.count,
                                    s.w.map.pathSearch);
}

int TileOf(float x, float z) {
  auto clampTile = [](float v) { return std::clamp(static_cast<int>(v / kTileSize), 0, kTilesPerSide - 1); };
  return clampTile(z) * kTilesPerSide + clampTile(x);
}

// A frame left early still closes its scene, so the next BeginScene is valid;
// it is not presented.
FrameResult EndEarly(Frame& s) {
  s.d.EndScene();
  return FrameResult::Ended;
}

}  // namespace

FrameResult RenderFrame(Scene& scene, FrameState& frame, AutoResetEvent& startEvent, AutoResetEvent& stopEvent) {
  Frame s{*scene.resources.device, scene.resources, scene.world, frame};
  Device& d = s.d;
  const HResult level = d.TestCooperativeLevel();
  if (Failed(level)) return level == D3DERR_DEVICENOTRESET ? FrameResult::DeviceNotReset : FrameResult::DeviceLost;

  d.Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, s.r.colours.clearColour, 1.0f, 0);
  d.BeginScene();
  s.f.world = MatrixIdentity();
  d.SetTransform(D3DTS_WORLD, s.f.world);

  Vector3 eye{}, look{}, up{};
  s.w.cameraPath.Advance();
  s.w.cameraPath.Evaluate(eye, look, up);
  s.f.cameraX = eye.x;
  s.f.cameraZ = eye.z;
  // The path keeps the camera over the seabed; the clamp only guards the array.
  const int cameraTile = TileOf(s.f.cameraX, s.f.cameraZ);
  const float eyeY = GroundHeight(s.w.heightGrid.get(), s.f.cameraX, s.f.cameraZ) + kEyeHeight;
  const Matrix cameraView =
      MatrixLookAtLH({s.f.cameraX, eyeY, s.f.cameraZ}, {look.x, eyeY, look.z}, {0.0f, 1.0f, 0.0f});
  SetView(s, cameraView);
  if (++s.f.causticFrame == kCausticFrames) s.f.causticFrame = 0;

  if (!DrawCeiling(s, eyeY)) return EndEarly(s);
  DrawBackdrop(s);

  ApplySceneProjection(s.d, s.f);
  SetRS(s, D3DRS_CULLMODE, D3DCULL_CW);
  SetRS(s, D3DRS_FOGCOLOR, s.r.colours.clearColour);
  SetRS(s, D3DRS_ALPHABLENDENABLE, 0);
  SetRS(s, D3DRS_FOGENABLE, 1);
  SetRS(s, D3DRS_ZENABLE, 1);
  SetRS(s, D3DRS_ZWRITEENABLE, 1);
  SetView(s, cameraView);
  s.f.frustumPlanes = ExtractFrustumPlanes(s.f.view, s.f.projection);
  DrawSeabed(s, cameraTile);

  s.f.viewCopy = s.f.view;
  s.f.bubbleQuad = BubbleQuadFacing(s.f.viewCopy);
  SetRS(s, D3DRS_CULLMODE, D3DCULL_NONE);
  DrawObjects(s, cameraTile);

  SetFishStates(s);
  // A cycle that does not come back in time keeps the fish: they are neither
  // drawn nor handed on again until it has, so a stalled thread slows the
  // fish down but never the saver, which must stay able to end.
  bool fishHere = true;
  if (s.f.firstFrame) {
    s.r.lightRays.SeedAll(s.f.cameraX, 0.0f, s.f.cameraZ);
    s.f.firstFrame = false;
  } else {
    fishHere = stopEvent.Wait(kCalculationWaitMs);
    if (fishHere) MoveAndDrawSchool(s);
  }
  SetStageFilters(s, 0, D3DTEXF_LINEAR);
  SetTSS(s, 0, D3DTSS_MIPFILTER, D3DTEXF_LINEAR);
  if (fishHere) {
    s.w.school.handOverCameraX = s.f.cameraX;
    s.w.school.handOverCameraZ = s.f.cameraZ;
    startEvent.Set();
  }

  d.SetTransform(D3DTS_WORLD, s.f.matrixStack.Top());
  d.SetVertexShader(kColourVertexFvf);
  const Plane& far = s.f.frustumPlanes[kFarPlane];
  s.r.lightRays.UpdateAndDraw(d, s.r.cache, {far.a, far.b, far.c}, s.f.cameraX, 0.0f, s.f.cameraZ);
  if (!DrawShimmer(s)) return EndEarly(s);
  if (!DrawFade(s)) return EndEarly(s);

  SetRS(s, D3DRS_CULLMODE, D3DCULL_CW);
  SetRS(s, D3DRS_FOGENABLE, 1);
  SetRS(s, D3DRS_ZENABLE, 1);
  d.EndScene();
  d.Present();
  return FrameResult::Presented;
}

}  // namespace sorvane
