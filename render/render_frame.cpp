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
  DeviceResources& resources;
  World& world;
  FrameState& state;
};

// Where the camera stands this frame.
struct Camera {
  int tile;
  float eyeY;
  Matrix view;
};

// Which entries of the camera tile's neighbour list are in view, in its order.
using VisibleTiles = std::array<bool, kMaxNeighbours>;

void SetRS(Frame& frame, uint32_t state, uint32_t value) { frame.gpu.SetRenderState(state, value); }
void SetTSS(Frame& frame, uint32_t stage, uint32_t type, uint32_t value) {
  frame.gpu.SetStageState(stage, type, value);
}
void SetStageFilters(Frame& frame, uint32_t stage, uint32_t filter) {
  SetTSS(frame, stage, D3DTSS_MAGFILTER, filter);
  SetTSS(frame, stage, D3DTSS_MINFILTER, filter);
}

Texture* CausticTexture(const Frame& frame) {
  return frame.resources.textures[kFirstCausticTexture + frame.state.causticFrame];
}

void SetModulatingStages(Frame& frame) {
  frame.gpu.SetModulatingStage(0);
  frame.gpu.SetModulatingStage(1);
}

// Push, translate, set as the world, draw, pop.
void DrawTranslated(Frame& frame, float x, float y, float z, uint32_t type, uint32_t count, uint32_t startVertex = 0) {
  frame.state.matrixStack.Push();
  frame.state.matrixStack.Translate(x, y, z);
  frame.gpu.device.SetTransform(D3DTS_WORLD, frame.state.matrixStack.Top());
  frame.gpu.device.DrawPrimitive(type, startVertex, count);
  frame.state.matrixStack.Pop();
}

void SetView(Frame& frame, const Matrix& view) {
  frame.state.view = view;
  frame.gpu.device.SetTransform(D3DTS_VIEW, view);
}

int TileOf(float x, float z) {
  auto clampTile = [](float v) { return std::clamp(static_cast<int>(v / kTileSize), 0, kTilesPerSide - 1); };
  return clampTile(z) * kTilesPerSide + clampTile(x);
}

void BeginFrame(Frame& frame) {
  frame.gpu.device.Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, frame.resources.colours.clearColour, 1.0f, 0);
  frame.gpu.device.BeginScene();
  frame.gpu.device.SetTransform(D3DTS_WORLD, MatrixIdentity());
}

// The camera looks where its path points and never pitches.
Camera AdvanceCamera(Frame& frame) {
  Vector3 eye{}, look{}, up{};
  frame.world.cameraPath.Advance();
  frame.world.cameraPath.Evaluate(eye, look, up);
  frame.state.cameraX = eye.x;
  frame.state.cameraZ = eye.z;
  Camera camera;
  // The path keeps the camera over the seabed; the clamp only guards the array.
  camera.tile = TileOf(frame.state.cameraX, frame.state.cameraZ);
  camera.eyeY = GroundHeight(frame.world.heightGrid.get(), frame.state.cameraX, frame.state.cameraZ) + kEyeHeight;
  camera.view = MatrixLookAtLH({frame.state.cameraX, camera.eyeY, frame.state.cameraZ}, {look.x, camera.eyeY, look.z},
                               {0.0f, 1.0f, 0.0f});
  SetView(frame, camera.view);
  return camera;
}

void AdvanceCaustics(FrameState& state) {
  if (++state.causticFrame == kCausticFrames) state.causticFrame = 0;
}

// The tiles around the camera's tile that a sphere about their centre keeps
// in view of the scene projection; the camera's own tile always.
VisibleTiles CullTiles(Frame& frame, const Camera& camera) {
  frame.state.frustumPlanes = ExtractFrustumPlanes(camera.view, ScenePerspective(frame.state.aspectRatio));
  VisibleTiles visible{};
  const SeabedTile& centre = frame.world.tiles[camera.tile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    const TileNeighbour& n = centre.neighbours[i];
    const SeabedTile& t = frame.world.tiles[n.tile];
    const float x = t.column * kTileSize + kTileSize / 2;
    const float z = t.row * kTileSize + kTileSize / 2;
    visible[i] =
        n.tile == camera.tile || SphereInFrustum(frame.state.frustumPlanes, x, t.centreHeight, z, kTileCullRadius);
  }
  return visible;
}

// The quads written during a frame are locked with DISCARD: a plain lock of a
// buffer that queued draws still read waits until the device has drawn them.
bool WriteSurfaceQuad(Frame& frame, uint8_t alpha, float repeat) {
  Device& d = frame.gpu.device;
  uint8_t* data = nullptr;
  if (Failed(d.LockVertexBuffer(frame.resources.surfaceQuad, 0, 0, &data, D3DLOCK_DISCARD))) return false;
  const uint32_t c = static_cast<uint32_t>(alpha) << 24 | frame.resources.colours.surfaceColour;
  auto* v = reinterpret_cast<ColourVertex*>(data);
  v[0] = {-0.25f, 0.0f, 0.25f, c, 0.0f, repeat};
  v[1] = {0.25f, 0.0f, 0.25f, c, repeat, repeat};
  v[2] = {-0.25f, 0.0f, -0.25f, c, 0.0f, 0.0f};
  v[3] = {0.25f, 0.0f, -0.25f, c, repeat, 0.0f};
  d.UnlockVertexBuffer(frame.resources.surfaceQuad);
  d.SetStreamSource(0, frame.resources.surfaceQuad, kColourVertexStride);
  return true;
}

// The quads of the 40 × 40 grid over −5 … 14.5 that lie near the camera.
void DrawSurfaceLayer(Frame& frame, float ceilingY) {
  for (int row = 0; row < 40; ++row) {
    const float z = row * 0.5f - 5.0f;
    if (std::fabs(frame.state.cameraZ - z) >= 1.5f) continue;
    for (int column = 0; column < 40; ++column) {
      const float x = column * 0.5f - 5.0f;
      if (std::fabs(frame.state.cameraX - x) < 1.5f) DrawTranslated(frame, x, ceilingY, z, D3DPT_TRIANGLESTRIP, 2);
    }
  }
}

// The surface: the caustic frame as it is, with the vertices' alpha, without
// depth, fogged toward the surface colour. Stage 1 has no texture; its
// operations are the rest of the scene's.
void SetCeilingStates(Frame& frame) {
  frame.gpu.SetRenderStates({{D3DRS_ZENABLE, 0},
                             {D3DRS_ZWRITEENABLE, 0},
                             {D3DRS_ALPHABLENDENABLE, 0},
                             {D3DRS_ALPHATESTENABLE, 0},
                             {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                             {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
                             {D3DRS_CULLMODE, D3DCULL_CW},
                             {D3DRS_FOGENABLE, 1},
                             {D3DRS_FOGCOLOR, frame.resources.colours.surfaceColour}});
  frame.gpu.SetStageStates({{0, D3DTSS_COLOROP, D3DTOP_SELECTARG1},
                            {0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                            {0, D3DTSS_ALPHAOP, D3DTOP_DISABLE}});
  frame.gpu.SetModulatingStage(1);
  frame.gpu.SetLinearSampling(0);
}

// The water surface seen from below, in two layers with the caustic frame,
// the second blended over the first.
bool DrawCeiling(Frame& frame, const Camera& camera) {
  Device& d = frame.gpu.device;
  d.SetTexture(1, nullptr);
  d.SetTexture(0, CausticTexture(frame));
  SetCeilingStates(frame);
  const float ceilingY = camera.eyeY + kCeilingHeight;
  d.SetVertexShader(kColourVertexFvf);
  if (!WriteSurfaceQuad(frame, 0x8C, 5.0f)) return false;
  SetRS(frame, D3DRS_FOGEND, FloatState(0.7f));
  ApplyFarProjection(d, frame.state);
  DrawSurfaceLayer(frame, ceilingY);

  // The second layer blends over the first.
  SetRS(frame, D3DRS_ALPHABLENDENABLE, 1);
  if (!WriteSurfaceQuad(frame, 0xAA, 2.0f)) return false;
  DrawSurfaceLayer(frame, ceilingY);
  return true;
}

// The backdrop's colours blended over the ceiling, without depth or fog; the
// stages are the ceiling's, with no textures.
void SetBackdropStates(Frame& frame) {
  frame.gpu.SetRenderStates({{D3DRS_ZENABLE, 0},
                             {D3DRS_ZWRITEENABLE, 0},
                             {D3DRS_ALPHABLENDENABLE, 1},
                             {D3DRS_ALPHATESTENABLE, 0},
                             {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                             {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
                             {D3DRS_CULLMODE, D3DCULL_NONE},
                             {D3DRS_FOGENABLE, 0}});
  frame.gpu.SetStageStates({{0, D3DTSS_COLOROP, D3DTOP_SELECTARG1},
                            {0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                            {0, D3DTSS_ALPHAOP, D3DTOP_DISABLE}});
  frame.gpu.SetModulatingStage(1);
}

// Fixed on the screen: the view has no turn and the same offset as the world.
void DrawBackdrop(Frame& frame) {
  Device& d = frame.gpu.device;
  const float x = frame.state.cameraX;
  const float z = frame.state.cameraZ;
  SetView(frame, MatrixLookAtLH({x, 0.0f, z}, {x, 0.0f, z + 1.0f}, {0.0f, 1.0f, 0.0f}));
  d.SetTexture(0, nullptr);
  d.SetTexture(1, nullptr);
  d.SetStreamSource(0, frame.resources.backdrop, sizeof(BackdropVertex));
  d.SetVertexShader(kBackdropVertexFvf);
  SetBackdropStates(frame);
  // The two lowest triangles are the clear colour, opaque, over nothing but
  // the clear: drawing them changes no pixel, so only the four above are drawn.
  DrawTranslated(frame, x, 0.0f, z, D3DPT_TRIANGLELIST, 4, 6);
}

// The sand as it is, lit by the caustic frame on stage 1: opaque, fogged,
// depth-tested, back faces culled.
void SetSeabedStates(Frame& frame) {
  frame.gpu.SetRenderStates({{D3DRS_CULLMODE, D3DCULL_CW},
                             {D3DRS_FOGCOLOR, frame.resources.colours.clearColour},
                             {D3DRS_ALPHABLENDENABLE, 0},
                             {D3DRS_FOGENABLE, 1},
                             {D3DRS_ZENABLE, 1},
                             {D3DRS_ZWRITEENABLE, 1},
                             {D3DRS_ALPHATESTENABLE, 0},
                             {D3DRS_FOGEND, FloatState(0.4f)}});
  frame.gpu.SetStageStates({{0, D3DTSS_COLOROP, D3DTOP_SELECTARG1},
                            {0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                            {1, D3DTSS_COLOROP, D3DTOP_MODULATE},
                            {1, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                            {1, D3DTSS_COLORARG2, D3DTA_CURRENT},
                            {1, D3DTSS_ALPHAOP, D3DTOP_DISABLE}});
  frame.gpu.SetLinearSampling(0);
  frame.gpu.SetLinearSampling(1);
}

void DrawSeabed(Frame& frame, const Camera& camera, const VisibleTiles& visible) {
  Device& d = frame.gpu.device;
  ApplySceneProjection(d, frame.state);
  SetSeabedStates(frame);
  SetView(frame, camera.view);
  d.SetTexture(0, frame.resources.textures[kSandTexture]);
  d.SetTexture(1, CausticTexture(frame));
  d.SetVertexShader(kSceneryVertexFvf);
  d.SetIndices(frame.resources.seabedIndexBuffer, 0);
  const SeabedTile& centre = frame.world.tiles[camera.tile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    if (!visible[i]) continue;
    const int tile = centre.neighbours[i].tile;
    const SeabedTile& t = frame.world.tiles[tile];
    frame.state.matrixStack.Push();
    frame.state.matrixStack.Translate(t.column * kTileSize, 0.0f, t.row * kTileSize);
    d.SetTransform(D3DTS_WORLD, frame.state.matrixStack.Top());
    d.SetStreamSource(0, frame.resources.tileBuffers[tile], sizeof(SceneryVertex));
    d.DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, kTileVertexCount, 0, kSeabedStripTriangles);
    frame.state.matrixStack.Pop();
  }
}

// The objects of the tiles in view, in the neighbour list's order, with the
// bubbles facing the camera.
void DrawObjects(Frame& frame, const Camera& camera, const VisibleTiles& visible) {
  frame.state.bubbleQuad = BubbleQuadFacing(frame.state.view);
  SetRS(frame, D3DRS_CULLMODE, D3DCULL_NONE);
  ObjectPass pass{frame.gpu, frame.resources, frame.state};
  const SeabedTile& centre = frame.world.tiles[camera.tile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    if (visible[i]) DrawTileObjects(pass, frame.world.tiles[centre.neighbours[i].tile].objects);
  }
}

void RiseBubbles(Frame& frame, const Camera& camera, const VisibleTiles& visible) {
  const SeabedTile& centre = frame.world.tiles[camera.tile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    if (visible[i]) RiseBubbles(frame.world.tiles[centre.neighbours[i].tile].objects);
  }
}

// The fish: their skins unfiltered, modulated by the vertices' colour and
// fade, the caustic frame on stage 1; blended, fogged and depth-tested, seen
// from both sides. A fish close by turns the blending off and the alpha test
// on for itself.
void SetFishStates(Frame& frame) {
  frame.gpu.SetRenderStates({{D3DRS_ZENABLE, 1},
                             {D3DRS_ZWRITEENABLE, 1},
                             {D3DRS_ALPHABLENDENABLE, 1},
                             {D3DRS_ALPHATESTENABLE, 0},
                             {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                             {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
                             {D3DRS_CULLMODE, D3DCULL_NONE},
                             {D3DRS_FOGENABLE, 1},
                             {D3DRS_FOGCOLOR, frame.resources.colours.clearColour},
                             {D3DRS_FOGEND, FloatState(0.4f)}});
  SetModulatingStages(frame);
  frame.gpu.device.SetTexture(1, CausticTexture(frame));
  frame.gpu.SetLinearSampling(1);
  SetStageFilters(frame, 0, D3DTEXF_NONE);
  SetTSS(frame, 0, D3DTSS_MIPFILTER, D3DTEXF_NONE);
  SetTSS(frame, 0, D3DTSS_MIPMAPLODBIAS, 0);
}

FishView ViewOfFish(const Frame& frame, std::array<FishViewPlane, 6>& planes) {
  for (int i = 0; i < 6; ++i) {
    const Plane& p = frame.state.frustumPlanes[i];
    planes[i] = {p.a, p.b, p.c, p.d};
  }
  return {frame.state.cameraX, frame.state.cameraZ, frame.world.heightGrid.get(), &GroundHeight, planes.data()};
}

void MoveAndDrawSchool(Frame& frame) {
  std::array<FishViewPlane, 6> planes;
  const FishView view = ViewOfFish(frame, planes);
  FishSchool& school = frame.world.school;
  AdvanceSchool(frame.state.fishRenderer, view, school.fish.get(), school.count, frame.world.map.gWave);
  const FishDrawTarget target{frame.gpu, frame.state.matrixStack, frame.resources.fishBuffers,
                              frame.world.fishModels.species(), &frame.resources.textures[kFirstFishTexture]};
  frame.state.fishFigures = DrawSchool(frame.state.fishRenderer, target, view, school.fish.get());
}

// The next cycle plans around where the camera stands now, while the frame
// moves on.
void HandFishOn(Frame& frame, FishHandOver& fish) {
  frame.world.school.handOverCameraX = frame.state.cameraX;
  frame.world.school.handOverCameraZ = frame.state.cameraZ;
  fish.HandOn();
}

void DrawRays(Frame& frame) {
  frame.gpu.device.SetTransform(D3DTS_WORLD, frame.state.matrixStack.Top());
  frame.gpu.device.SetVertexShader(kColourVertexFvf);
  const Plane& far = frame.state.frustumPlanes[kFarPlane];
  frame.resources.lightRays.UpdateAndDraw(frame.gpu, {far.a, far.b, far.c}, frame.state.cameraX, 0.0f,
                                          frame.state.cameraZ);
}

void AdvanceShimmer(FrameState& state) {
  if (++state.shimmerFrame > kShimmerFrames - 1) state.shimmerFrame = 0;
}

// The overlays over everything: no depth, no fog, blended. Stage 1 has no
// texture.
void SetOverlayStates(Frame& frame, uint32_t destBlend) {
  frame.gpu.SetRenderStates({{D3DRS_ZENABLE, 0},
                             {D3DRS_ALPHABLENDENABLE, 1},
                             {D3DRS_ALPHATESTENABLE, 0},
                             {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                             {D3DRS_DESTBLEND, destBlend},
                             {D3DRS_CULLMODE, D3DCULL_NONE},
                             {D3DRS_FOGENABLE, 0}});
  SetModulatingStages(frame);
  frame.gpu.SetLinearSampling(0);
}

// Additive shimmer over the whole screen, its texture repeated 32 × 24 times.
bool DrawShimmer(Frame& frame) {
  Device& d = frame.gpu.device;
  SetView(frame, MatrixLookAtLH({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f}));
  d.SetTexture(1, nullptr);
  SetOverlayStates(frame, D3DBLEND_ONE);
  d.SetVertexShader(kColourVertexFvf);
  ApplyFarProjection(d, frame.state);
  d.SetTexture(0, frame.resources.textures[kFirstShimmerTexture + frame.state.shimmerFrame]);
  uint8_t* data = nullptr;
  if (Failed(d.LockVertexBuffer(frame.resources.shimmerQuad, 0, 0, &data, D3DLOCK_DISCARD))) return false;
  constexpr uint32_t c = 0x10FFFFFF;
  auto* v = reinterpret_cast<ColourVertex*>(data);
  v[0] = {0.4f, -0.3f, 0.0f, c, 32.0f, 24.0f};
  v[1] = {-0.4f, -0.3f, 0.0f, c, 0.0f, 24.0f};
  v[2] = {-0.4f, 0.3f, 0.0f, c, 0.0f, 0.0f};
  v[3] = {0.4f, -0.3f, 0.0f, c, 32.0f, 24.0f};
  v[4] = {-0.4f, 0.3f, 0.0f, c, 0.0f, 0.0f};
  v[5] = {0.4f, 0.3f, 0.0f, c, 32.0f, 0.0f};
  d.UnlockVertexBuffer(frame.resources.shimmerQuad);
  d.SetStreamSource(0, frame.resources.shimmerQuad, kColourVertexStride);
  DrawTranslated(frame, 0.0f, 0.0f, 0.5f, D3DPT_TRIANGLELIST, 2);
  return true;
}

// Black over everything while the fade lasts.
bool DrawFade(Frame& frame) {
  if (frame.state.fadeLevel <= 0.0f) return true;
  Device& d = frame.gpu.device;
  SetOverlayStates(frame, D3DBLEND_INVSRCALPHA);
  d.SetTexture(0, nullptr);
  uint8_t* data = nullptr;
  if (Failed(d.LockVertexBuffer(frame.resources.shimmerQuad, 0, 0, &data, D3DLOCK_DISCARD))) return false;
  const auto alpha = static_cast<uint32_t>(std::clamp(static_cast<int>(frame.state.fadeLevel * 255.0f), 0, 255));
  const float corners[6][2] = {{1.3f, -1.0f}, {-1.3f, -1.0f}, {-1.3f, 1.0f},
                               {-1.3f, 1.0f}, {1.3f, -1.0f}, {1.3f, 1.0f}};
  auto* v = reinterpret_cast<ColourVertex*>(data);
  for (int i = 0; i < 6; ++i) v[i] = {corners[i][0], corners[i][1], 0.5f, alpha << 24, 0.0f, 0.0f};
  d.UnlockVertexBuffer(frame.resources.shimmerQuad);
  d.SetStreamSource(0, frame.resources.shimmerQuad, kColourVertexStride);
  DrawTranslated(frame, 0.0f, 0.0f, 0.5f, D3DPT_TRIANGLELIST, 2);
  return true;
}

void AdvanceFade(FrameState& state) {
  if (state.fadeLevel > 0.0f) state.fadeLevel -= kFadeStep;
}

void EndFrame(Frame& frame) {
  frame.gpu.device.EndScene();
  frame.gpu.device.Present();
}

// A frame left early still closes its scene, so the next BeginScene is valid;
// it is not presented.
FrameResult EndEarly(Frame& frame) {
  frame.gpu.device.EndScene();
  return FrameResult::Ended;
}

}  // namespace

FrameResult RenderFrame(Scene& scene, FrameState& state, FishHandOver& fish) {
  Frame frame{{*scene.resources.device, scene.resources.cache}, scene.resources, scene.world, state};
  const HResult level = frame.gpu.device.TestCooperativeLevel();
  if (Failed(level)) return level == D3DERR_DEVICENOTRESET ? FrameResult::DeviceNotReset : FrameResult::DeviceLost;

  BeginFrame(frame);
  const Camera camera = AdvanceCamera(frame);
  AdvanceCaustics(frame.state);
  const VisibleTiles visible = CullTiles(frame, camera);
  if (!DrawCeiling(frame, camera)) return EndEarly(frame);
  DrawBackdrop(frame);
  DrawSeabed(frame, camera, visible);
  DrawObjects(frame, camera, visible);
  RiseBubbles(frame, camera, visible);

  SetFishStates(frame);
  // A cycle that does not come back in time keeps the fish: they are neither
  // drawn nor handed on again until it has, so a stalled thread slows the
  // fish down but never the saver, which must stay able to end.
  bool fishHere = true;
  if (frame.state.firstFrame) {
    frame.resources.lightRays.SeedAll(frame.state.cameraX, 0.0f, frame.state.cameraZ);
    frame.state.firstFrame = false;
  } else {
    fishHere = fish.TakeBack(kCalculationWaitMs);
    if (fishHere) MoveAndDrawSchool(frame);
  }
  if (fishHere) HandFishOn(frame, fish);

  DrawRays(frame);
  AdvanceShimmer(frame.state);
  if (!DrawShimmer(frame)) return EndEarly(frame);
  if (!DrawFade(frame)) return EndEarly(frame);
  AdvanceFade(frame.state);
  EndFrame(frame);
  return FrameResult::Presented;
}

}  // namespace sorvane
