// One frame of the underwater scene, its steps in their order. Each step says
// what it advances (state the next frame starts from) and what it draws:
//
//   device check       nothing is touched on a lost device
//   BeginFrame         draws the clear; the world matrix is identity
//   AdvanceCamera      the camera one step along its path (cameraX, cameraZ)
//   AdvanceCaustics    the caustic frame
//   CullTiles          the frustum; which tiles around the camera are in view
//   DrawCeiling        the water surface from below, two layers
//   DrawBackdrop       the colour backdrop fixed on the screen
//   DrawSeabed         the tiles in view
//   DrawObjects        the objects on those tiles
//   RiseBubbles        the bubbles on those tiles
//   fish               taken back from the calculation cycle (the first frame
//                      seeds the light rays instead), each advanced
//                      (AdvanceSchool), those near and in view drawn
//                      (DrawSchool), handed on to the next cycle (HandFishOn)
//   DrawRays           the light rays advance, are seeded anew once spent, and
//                      are drawn
//   AdvanceShimmer     the shimmer frame
//   DrawShimmer        the shimmer over everything
//   DrawFade, AdvanceFade  the fade from black over the first frames
//   EndFrame           present
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
  CachedDevice gpu;
  DeviceResources& r;
  World& w;
  FrameState& f;
};

// Where the camera stands this frame.
struct Camera {
  int tile;
  float eyeY;
  Matrix view;
};

// Which entries of the camera tile's neighbour list are in view, in its order.
using VisibleTiles = std::array<bool, kMaxNeighbours>;

void SetRS(Frame& s, uint32_t state, uint32_t value) { s.gpu.SetRenderState(state, value); }
void SetTSS(Frame& s, uint32_t stage, uint32_t type, uint32_t value) { s.gpu.SetStageState(stage, type, value); }
void SetStageFilters(Frame& s, uint32_t stage, uint32_t filter) {
  SetTSS(s, stage, D3DTSS_MAGFILTER, filter);
  SetTSS(s, stage, D3DTSS_MINFILTER, filter);
}

Texture* CausticTexture(const Frame& s) { return s.r.textures[kFirstCausticTexture + s.f.causticFrame]; }

void SetModulatingStages(Frame& s) {
  s.gpu.SetModulatingStage(0);
  s.gpu.SetModulatingStage(1);
}

// Push, translate, set as the world, draw, pop.
void DrawTranslated(Frame& s, float x, float y, float z, uint32_t type, uint32_t count, uint32_t startVertex = 0) {
  s.f.matrixStack.Push();
  s.f.matrixStack.Translate(x, y, z);
  s.gpu.device.SetTransform(D3DTS_WORLD, s.f.matrixStack.Top());
  s.gpu.device.DrawPrimitive(type, startVertex, count);
  s.f.matrixStack.Pop();
}

void SetView(Frame& s, const Matrix& view) {
  s.f.view = view;
  s.gpu.device.SetTransform(D3DTS_VIEW, view);
}

int TileOf(float x, float z) {
  auto clampTile = [](float v) { return std::clamp(static_cast<int>(v / kTileSize), 0, kTilesPerSide - 1); };
  return clampTile(z) * kTilesPerSide + clampTile(x);
}

void BeginFrame(Frame& s) {
  s.gpu.device.Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, s.r.colours.clearColour, 1.0f, 0);
  s.gpu.device.BeginScene();
  s.f.world = MatrixIdentity();
  s.gpu.device.SetTransform(D3DTS_WORLD, s.f.world);
}

// The camera looks where its path points and never pitches.
Camera AdvanceCamera(Frame& s) {
  Vector3 eye{}, look{}, up{};
  s.w.cameraPath.Advance();
  s.w.cameraPath.Evaluate(eye, look, up);
  s.f.cameraX = eye.x;
  s.f.cameraZ = eye.z;
  Camera camera;
  // The path keeps the camera over the seabed; the clamp only guards the array.
  camera.tile = TileOf(s.f.cameraX, s.f.cameraZ);
  camera.eyeY = GroundHeight(s.w.heightGrid.get(), s.f.cameraX, s.f.cameraZ) + kEyeHeight;
  camera.view = MatrixLookAtLH({s.f.cameraX, camera.eyeY, s.f.cameraZ}, {look.x, camera.eyeY, look.z},
                               {0.0f, 1.0f, 0.0f});
  SetView(s, camera.view);
  return camera;
}

void AdvanceCaustics(FrameState& f) {
  if (++f.causticFrame == kCausticFrames) f.causticFrame = 0;
}

// The tiles around the camera's tile that a sphere about their centre keeps
// in view of the scene projection; the camera's own tile always.
VisibleTiles CullTiles(Frame& s, const Camera& camera) {
  s.f.frustumPlanes = ExtractFrustumPlanes(camera.view, ScenePerspective(s.f.aspectRatio));
  VisibleTiles visible{};
  const SeabedTile& centre = s.w.tiles[camera.tile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    const TileNeighbour& n = centre.neighbours[i];
    const SeabedTile& t = s.w.tiles[n.tile];
    const float x = t.column * kTileSize + kTileSize / 2;
    const float z = t.row * kTileSize + kTileSize / 2;
    visible[i] = n.tile == camera.tile || SphereInFrustum(s.f.frustumPlanes, x, t.centreHeight, z, kTileCullRadius);
  }
  return visible;
}

// The quads written during a frame are locked with DISCARD: a plain lock of a
// buffer that queued draws still read waits until the device has drawn them.
bool WriteSurfaceQuad(Frame& s, uint8_t alpha, float repeat) {
  Device& d = s.gpu.device;
  uint8_t* data = nullptr;
  if (Failed(d.LockVertexBuffer(s.r.surfaceQuad, 0, 0, &data, D3DLOCK_DISCARD))) return false;
  const uint32_t c = static_cast<uint32_t>(alpha) << 24 | s.r.colours.surfaceColour;
  auto* v = reinterpret_cast<ColourVertex*>(data);
  v[0] = {-0.25f, 0.0f, 0.25f, c, 0.0f, repeat};
  v[1] = {0.25f, 0.0f, 0.25f, c, repeat, repeat};
  v[2] = {-0.25f, 0.0f, -0.25f, c, 0.0f, 0.0f};
  v[3] = {0.25f, 0.0f, -0.25f, c, repeat, 0.0f};
  d.UnlockVertexBuffer(s.r.surfaceQuad);
  d.SetStreamSource(0, s.r.surfaceQuad, kColourVertexStride);
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

// The surface: the caustic frame as it is, with the vertices' alpha, without
// depth, fogged toward the surface colour. Stage 1 has no texture; its
// operations are the rest of the scene's.
void SetCeilingStates(Frame& s) {
  s.gpu.SetRenderStates({{D3DRS_ZENABLE, 0},
                         {D3DRS_ZWRITEENABLE, 0},
                         {D3DRS_ALPHABLENDENABLE, 0},
                         {D3DRS_ALPHATESTENABLE, 0},
                         {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                         {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
                         {D3DRS_CULLMODE, D3DCULL_CW},
                         {D3DRS_FOGENABLE, 1},
                         {D3DRS_FOGCOLOR, s.r.colours.surfaceColour}});
  s.gpu.SetStageStates({{0, D3DTSS_COLOROP, D3DTOP_SELECTARG1},
                        {0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                        {0, D3DTSS_ALPHAOP, D3DTOP_DISABLE}});
  s.gpu.SetModulatingStage(1);
  s.gpu.SetLinearSampling(0);
}

// The water surface seen from below, in two layers with the caustic frame,
// the second blended over the first.
bool DrawCeiling(Frame& s, const Camera& camera) {
  Device& d = s.gpu.device;
  d.SetTexture(1, nullptr);
  d.SetTexture(0, CausticTexture(s));
  SetCeilingStates(s);
  const float ceilingY = camera.eyeY + kCeilingHeight;
  d.SetVertexShader(kColourVertexFvf);
  if (!WriteSurfaceQuad(s, 0x8C, 5.0f)) return false;
  SetRS(s, D3DRS_FOGEND, FloatState(0.7f));
  ApplyFarProjection(d, s.f);
  DrawSurfaceLayer(s, ceilingY);

  SetRS(s, D3DRS_ALPHABLENDENABLE, 1);
  if (!WriteSurfaceQuad(s, 0xAA, 2.0f)) return false;
  DrawSurfaceLayer(s, ceilingY);
  SetRS(s, D3DRS_FOGEND, FloatState(0.4f));
  SetRS(s, D3DRS_FOGENABLE, 0);
  return true;
}

// The backdrop's colours blended over the ceiling, without depth or fog; the
// stages are the ceiling's, with no textures.
void SetBackdropStates(Frame& s) {
  s.gpu.SetRenderStates({{D3DRS_ZENABLE, 0},
                         {D3DRS_ZWRITEENABLE, 0},
                         {D3DRS_ALPHABLENDENABLE, 1},
                         {D3DRS_ALPHATESTENABLE, 0},
                         {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                         {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
                         {D3DRS_CULLMODE, D3DCULL_NONE},
                         {D3DRS_FOGENABLE, 0}});
  s.gpu.SetStageStates({{0, D3DTSS_COLOROP, D3DTOP_SELECTARG1},
                        {0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                        {0, D3DTSS_ALPHAOP, D3DTOP_DISABLE}});
  s.gpu.SetModulatingStage(1);
}

// Fixed on the screen: the view has no turn and the same offset as the world.
void DrawBackdrop(Frame& s) {
  Device& d = s.gpu.device;
  const float x = s.f.cameraX;
  const float z = s.f.cameraZ;
  SetView(s, MatrixLookAtLH({x, 0.0f, z}, {x, 0.0f, z + 1.0f}, {0.0f, 1.0f, 0.0f}));
  d.SetTexture(0, nullptr);
  d.SetTexture(1, nullptr);
  d.SetStreamSource(0, s.r.backdrop, sizeof(BackdropVertex));
  d.SetVertexShader(kBackdropVertexFvf);
  SetBackdropStates(s);
  // The two lowest triangles are the clear colour, opaque, over nothing but
  // the clear: drawing them changes no pixel, so only the four above are drawn.
  DrawTranslated(s, x, 0.0f, z, D3DPT_TRIANGLELIST, 4, 6);
}

// The sand as it is, lit by the caustic frame on stage 1: opaque, fogged,
// depth-tested, back faces culled.
void SetSeabedStates(Frame& s) {
  s.gpu.SetRenderStates({{D3DRS_CULLMODE, D3DCULL_CW},
                         {D3DRS_FOGCOLOR, s.r.colours.clearColour},
                         {D3DRS_ALPHABLENDENABLE, 0},
                         {D3DRS_FOGENABLE, 1},
                         {D3DRS_ZENABLE, 1},
                         {D3DRS_ZWRITEENABLE, 1},
                         {D3DRS_ALPHATESTENABLE, 0},
                         {D3DRS_FOGEND, FloatState(0.4f)}});
  s.gpu.SetStageStates({{0, D3DTSS_COLOROP, D3DTOP_SELECTARG1},
                        {0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                        {1, D3DTSS_COLOROP, D3DTOP_MODULATE},
                        {1, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                        {1, D3DTSS_COLORARG2, D3DTA_CURRENT},
                        {1, D3DTSS_ALPHAOP, D3DTOP_DISABLE}});
  s.gpu.SetLinearSampling(0);
  s.gpu.SetLinearSampling(1);
}

void DrawSeabed(Frame& s, const Camera& camera, const VisibleTiles& visible) {
  Device& d = s.gpu.device;
  ApplySceneProjection(d, s.f);
  SetSeabedStates(s);
  SetView(s, camera.view);
  d.SetTexture(0, s.r.textures[kSandTexture]);
  d.SetTexture(1, CausticTexture(s));
  d.SetVertexShader(kSceneryVertexFvf);
  d.SetIndices(s.r.seabedIndexBuffer, 0);
  const SeabedTile& centre = s.w.tiles[camera.tile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    if (!visible[i]) continue;
    const int tile = centre.neighbours[i].tile;
    s.f.matrixStack.Push();
    s.f.matrixStack.Translate(s.w.tiles[tile].column * kTileSize, 0.0f, s.w.tiles[tile].row * kTileSize);
    d.SetTransform(D3DTS_WORLD, s.f.matrixStack.Top());
    d.SetStreamSource(0, s.r.tileBuffers[tile], sizeof(SceneryVertex));
    d.DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, kTileVertexCount, 0, kSeabedStripTriangles);
    s.f.matrixStack.Pop();
  }
}

// The objects of the tiles in view, in the neighbour list's order, with the
// bubbles facing the camera.
void DrawObjects(Frame& s, const Camera& camera, const VisibleTiles& visible) {
  s.f.viewCopy = s.f.view;
  s.f.bubbleQuad = BubbleQuadFacing(s.f.viewCopy);
  SetRS(s, D3DRS_CULLMODE, D3DCULL_NONE);
  ObjectPass pass{s.gpu, s.r, s.f};
  const SeabedTile& centre = s.w.tiles[camera.tile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    if (visible[i]) DrawTileObjects(pass, s.w.tiles[centre.neighbours[i].tile].objects);
  }
}

void RiseBubbles(Frame& s, const Camera& camera, const VisibleTiles& visible) {
  const SeabedTile& centre = s.w.tiles[camera.tile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    if (visible[i]) RiseBubbles(s.w.tiles[centre.neighbours[i].tile].objects);
  }
}

// The fish: their skins unfiltered, modulated by the vertices' colour and
// fade, the caustic frame on stage 1; blended, fogged and depth-tested, seen
// from both sides. A fish close by turns the blending off and the alpha test
// on for itself.
void SetFishStates(Frame& s) {
  s.gpu.SetRenderStates({{D3DRS_ZENABLE, 1},
                         {D3DRS_ZWRITEENABLE, 1},
                         {D3DRS_ALPHABLENDENABLE, 1},
                         {D3DRS_ALPHATESTENABLE, 0},
                         {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                         {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
                         {D3DRS_CULLMODE, D3DCULL_NONE},
                         {D3DRS_FOGENABLE, 1},
                         {D3DRS_FOGCOLOR, s.r.colours.clearColour},
                         {D3DRS_FOGEND, FloatState(0.4f)}});
  SetStageFilters(s, 0, D3DTEXF_POINT);
  SetModulatingStages(s);
  s.gpu.device.SetTexture(1, CausticTexture(s));
  s.gpu.SetLinearSampling(1);
  SetStageFilters(s, 0, D3DTEXF_NONE);
  SetTSS(s, 0, D3DTSS_MIPFILTER, D3DTEXF_NONE);
  SetTSS(s, 0, D3DTSS_MIPMAPLODBIAS, 0);
}

FishView ViewOfFish(const Frame& s, std::array<FishViewPlane, 6>& planes) {
  for (int i = 0; i < 6; ++i) {
    const Plane& p = s.f.frustumPlanes[i];
    planes[i] = {p.a, p.b, p.c, p.d};
  }
  return {s.f.cameraX, s.f.cameraZ, s.w.heightGrid.get(), &GroundHeight, planes.data()};
}

void MoveAndDrawSchool(Frame& s) {
  std::array<FishViewPlane, 6> planes;
  const FishView view = ViewOfFish(s, planes);
  AdvanceSchool(s.f.fishRenderer, view, s.w.school.fish.get(), s.w.school.count, s.w.map.pathSearch);
  const FishDrawTarget target{s.gpu, s.f.matrixStack, s.r.fishBuffers, s.w.fishModels.species(),
                              &s.r.textures[kFirstFishTexture]};
  s.f.fishFigures = DrawSchool(s.f.fishRenderer, target, view, s.w.school.fish.get());
}

// The next cycle plans around where the camera stands now, while the frame
// moves on.
void HandFishOn(Frame& s, AutoResetEvent& startEvent) {
  s.w.school.handOverCameraX = s.f.cameraX;
  s.w.school.handOverCameraZ = s.f.cameraZ;
  startEvent.Set();
}

void DrawRays(Frame& s) {
  s.gpu.device.SetTransform(D3DTS_WORLD, s.f.matrixStack.Top());
  s.gpu.device.SetVertexShader(kColourVertexFvf);
  const Plane& far = s.f.frustumPlanes[kFarPlane];
  s.r.lightRays.UpdateAndDraw(s.gpu, {far.a, far.b, far.c}, s.f.cameraX, 0.0f, s.f.cameraZ);
}

void AdvanceShimmer(FrameState& f) {
  if (++f.shimmerFrame > kShimmerFrames - 1) f.shimmerFrame = 0;
}

// The overlays over everything: no depth, no fog, blended. Stage 1 has no
// texture.
void SetOverlayStates(Frame& s, uint32_t destBlend) {
  s.gpu.SetRenderStates({{D3DRS_ZENABLE, 0},
                         {D3DRS_ALPHABLENDENABLE, 1},
                         {D3DRS_ALPHATESTENABLE, 0},
                         {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                         {D3DRS_DESTBLEND, destBlend},
                         {D3DRS_CULLMODE, D3DCULL_NONE},
                         {D3DRS_FOGENABLE, 0}});
  SetModulatingStages(s);
  s.gpu.SetLinearSampling(0);
}

// Additive shimmer over the whole screen, its texture repeated 32 × 24 times.
bool DrawShimmer(Frame& s) {
  Device& d = s.gpu.device;
  SetView(s, MatrixLookAtLH({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f}));
  d.SetTexture(1, nullptr);
  SetOverlayStates(s, D3DBLEND_ONE);
  d.SetVertexShader(kColourVertexFvf);
  ApplyFarProjection(d, s.f);
  d.SetTexture(0, s.r.textures[kFirstShimmerTexture + s.f.shimmerFrame]);
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

// Black over everything while the fade lasts.
bool DrawFade(Frame& s) {
  if (s.f.fadeLevel <= 0.0f) return true;
  Device& d = s.gpu.device;
  SetOverlayStates(s, D3DBLEND_INVSRCALPHA);
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
  return true;
}

void AdvanceFade(FrameState& f) {
  if (f.fadeLevel > 0.0f) f.fadeLevel -= kFadeStep;
}

void EndFrame(Frame& s) {
  SetRS(s, D3DRS_CULLMODE, D3DCULL_CW);
  SetRS(s, D3DRS_FOGENABLE, 1);
  SetRS(s, D3DRS_ZENABLE, 1);
  s.gpu.device.EndScene();
  s.gpu.device.Present();
}

// A frame left early still closes its scene, so the next BeginScene is valid;
// it is not presented.
FrameResult EndEarly(Frame& s) {
  s.gpu.device.EndScene();
  return FrameResult::Ended;
}

}  // namespace

FrameResult RenderFrame(Scene& scene, FrameState& frame, AutoResetEvent& startEvent, AutoResetEvent& stopEvent) {
  Frame s{{*scene.resources.device, scene.resources.cache}, scene.resources, scene.world, frame};
  const HResult level = s.gpu.device.TestCooperativeLevel();
  if (Failed(level)) return level == D3DERR_DEVICENOTRESET ? FrameResult::DeviceNotReset : FrameResult::DeviceLost;

  BeginFrame(s);
  const Camera camera = AdvanceCamera(s);
  AdvanceCaustics(s.f);
  const VisibleTiles visible = CullTiles(s, camera);
  if (!DrawCeiling(s, camera)) return EndEarly(s);
  DrawBackdrop(s);
  DrawSeabed(s, camera, visible);
  DrawObjects(s, camera, visible);
  RiseBubbles(s, camera, visible);

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
  if (fishHere) HandFishOn(s, startEvent);

  DrawRays(s);
  AdvanceShimmer(s.f);
  if (!DrawShimmer(s)) return EndEarly(s);
  if (!DrawFade(s)) return EndEarly(s);
  AdvanceFade(s.f);
  EndFrame(s);
  return FrameResult::Presented;
}

}  // namespace sorvane
