// The frame's passes in their order: ceiling, backdrop, seabed, objects, the
// fish hand-over, light rays, shimmer, fade, present.
#include "render/render_frame.h"

#include <algorithm>
#include <cmath>

#include "d3dx/matrix_math.h"
#include "render/d3d8_constants.h"
#include "render/float_state.h"
#include "render/projection.h"
#include "scene/ground_height.h"
#include "scene/scene.h"

namespace sorvane {

namespace {

constexpr float kEyeHeight = 0.022f;
constexpr float kCeilingHeight = 0.13f;
constexpr float kTileCullRadius = 0.25f;
constexpr float kFadeStep = 0.075f;
constexpr uint32_t kColourVertexFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;
constexpr uint32_t kColourVertexStride = 24;

struct ColourVertex {
  float x, y, z;
  uint32_t colour;
  float u, v;
};
static_assert(sizeof(ColourVertex) == kColourVertexStride);

void SetRS(Scene& s, uint32_t state, uint32_t value) { s.cache.SetRenderStateCached(*s.device, state, value); }
void SetTSS(Scene& s, uint32_t stage, uint32_t type, uint32_t value) {
  s.cache.SetTextureStageStateCached(*s.device, stage, type, value);
}
void SetStageFilters(Scene& s, uint32_t stage, uint32_t filter) {
  SetTSS(s, stage, D3DTSS_MAGFILTER, filter);
  SetTSS(s, stage, D3DTSS_MINFILTER, filter);
}

// Push, translate, set as the world, draw, pop.
void DrawTranslated(Scene& s, float x, float y, float z, uint32_t type, uint32_t count) {
  s.matrixStack.Push();
  s.matrixStack.Translate(x, y, z);
  s.device->SetTransform(D3DTS_WORLD, s.matrixStack.Top());
  s.device->DrawPrimitive(type, 0, count);
  s.matrixStack.Pop();
}

void SetView(Scene& s, const Matrix& view) {
  s.view = view;
  s.device->SetTransform(D3DTS_VIEW, view);
}

bool WriteSurfaceQuad(Scene& s, uint8_t alpha, float repeat) {
  uint8_t* data = nullptr;
  if (Failed(s.device->LockVertexBuffer(s.surfaceQuad, 0, 0, &data, 0))) return false;
  const uint32_t c = static_cast<uint32_t>(alpha) << 24 | s.colours.surfaceColour;
  auto* v = reinterpret_cast<ColourVertex*>(data);
  v[0] = {-0.25f, 0.0f, 0.25f, c, 0.0f, repeat};
  v[1] = {0.25f, 0.0f, 0.25f, c, repeat, repeat};
  v[2] = {-0.25f, 0.0f, -0.25f, c, 0.0f, 0.0f};
  v[3] = {0.25f, 0.0f, -0.25f, c, repeat, 0.0f};
  s.device->UnlockVertexBuffer(s.surfaceQuad);
  s.device->SetStreamSource(0, s.surfaceQuad, kColourVertexStride);
  return true;
}

// The quads of the 40 × 40 grid over −5 … 14.5 that lie near the camera.
void DrawSurfaceLayer(Scene& s, float ceilingY) {
  for (int row = 0; row < 40; ++row) {
    const float z = row * 0.5f - 5.0f;
    if (std::fabs(s.cameraZ - z) >= 1.5f) continue;
    for (int column = 0; column < 40; ++column) {
      const float x = column * 0.5f - 5.0f;
      if (std::fabs(s.cameraX - x) < 1.5f) DrawTranslated(s, x, ceilingY, z, D3DPT_TRIANGLESTRIP, 2);
    }
  }
}

// The water surface seen from below, in two layers with the caustic frame.
bool DrawCeiling(Scene& s, float eyeY) {
  Device& d = *s.device;
  d.SetTexture(1, nullptr);
  d.SetTexture(0, s.textures[kFirstCausticTexture + s.causticFrame]);
  SetTSS(s, 0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  SetTSS(s, 0, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
  const float ceilingY = eyeY + kCeilingHeight;
  SetRS(s, D3DRS_ZENABLE, 0);
  SetRS(s, D3DRS_ZWRITEENABLE, 0);
  SetRS(s, D3DRS_ALPHABLENDENABLE, 0);
  d.SetVertexShader(kColourVertexFvf);
  SetRS(s, D3DRS_FOGCOLOR, s.colours.surfaceColour);
  if (!WriteSurfaceQuad(s, 0x8C, 5.0f)) return false;
  SetRS(s, D3DRS_FOGEND, FloatState(0.7f));
  ApplyFarProjection(s);
  DrawSurfaceLayer(s, ceilingY);

  SetRS(s, D3DRS_ALPHABLENDENABLE, 1);
  if (!WriteSurfaceQuad(s, 0xAA, 2.0f)) return false;
  DrawSurfaceLayer(s, ceilingY);
  SetRS(s, D3DRS_FOGEND, FloatState(0.4f));
  SetRS(s, D3DRS_FOGENABLE, 0);
  return true;
}

// Fixed on the screen: the view has no turn and the same offset as the world.
void DrawBackdrop(Scene& s) {
  Device& d = *s.device;
  SetView(s, MatrixLookAtLH({s.cameraX, 0.0f, s.cameraZ}, {s.cameraX, 0.0f, s.cameraZ + 1.0f}, {0.0f, 1.0f, 0.0f}));
  d.SetTexture(0, nullptr);
  d.SetTexture(1, nullptr);
  d.SetStreamSource(0, s.backdrop, 16);
  d.SetVertexShader(D3DFVF_XYZ | D3DFVF_DIFFUSE);
  SetRS(s, D3DRS_CULLMODE, D3DCULL_NONE);
  DrawTranslated(s, s.cameraX, 0.0f, s.cameraZ, D3DPT_TRIANGLELIST, 6);
}

// The tiles around the camera's tile that a sphere about their centre keeps in
// view; the camera's own tile always.
void DrawSeabed(Scene& s, int cameraTile) {
  Device& d = *s.device;
  d.SetTexture(0, s.textures[kSandTexture]);
  d.SetTexture(1, s.textures[kFirstCausticTexture + s.causticFrame]);
  SetTSS(s, 1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
  d.SetVertexShader(D3DFVF_XYZ | D3DFVF_TEX2);
  d.SetIndices(s.seabedIndexBuffer, 0);
  SeabedTile& centre = s.tiles[cameraTile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    TileNeighbour& n = centre.neighbours[i];
    const SeabedTile& t = s.tiles[n.tile];
    const float x = t.column * kTileSize;
    const float z = t.row * kTileSize;
    const bool inside =
        SphereInFrustum(s.frustumPlanes, x + kTileSize / 2, t.centreHeight, z + kTileSize / 2, kTileCullRadius);
    n.visible = inside || n.tile == cameraTile;
    if (!n.visible) continue;
    s.matrixStack.Push();
    s.matrixStack.Translate(x, 0.0f, z);
    d.SetTransform(D3DTS_WORLD, s.matrixStack.Top());
    d.SetStreamSource(0, t.vertexBuffer, sizeof(SceneryVertex));
    d.DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, kTileVertexCount, 0, kSeabedStripTriangles);
    s.matrixStack.Pop();
  }
}

// The objects of the tiles the seabed pass found visible, in list order.
void DrawObjects(Scene& s, int cameraTile) {
  ObjectPass pass{*s.device,
                  s.cache,
                  s.matrixStack,
                  s.meshBuffers,
                  s.meshTextures,
                  s.textures[kFirstCausticTexture + s.causticFrame],
                  s.textures[kBubbleTexture],
                  s.bubbleBillboard,
                  s.frustumPlanes,
                  s.cameraX,
                  s.cameraZ,
                  s.shaderReady,
                  s.shaderHandle,
                  s.world,
                  s.view,
                  s.projection,
                  s.tickCount};
  const SeabedTile& centre = s.tiles[cameraTile];
  for (int i = 0; i < centre.neighbourCount; ++i) {
    const TileNeighbour& n = centre.neighbours[i];
    if (n.visible) DrawTileObjects(pass, s.tiles[n.tile].objects);
  }
}

// Blending on with point-sampled, alpha-modulated skins; the fish buffers are
// bound here once the fish exist.
void SetFishStates(Scene& s) {
  SetRS(s, D3DRS_ALPHABLENDENABLE, 1);
  SetStageFilters(s, 0, D3DTEXF_POINT);
  SetTSS(s, 0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
  s.device->SetTexture(1, s.textures[kFirstCausticTexture + s.causticFrame]);
  SetTSS(s, 1, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
  SetStageFilters(s, 0, D3DTEXF_NONE);
  SetTSS(s, 0, D3DTSS_MIPFILTER, D3DTEXF_NONE);
}

// Additive shimmer over the whole screen, its texture repeated 32 × 24 times.
bool DrawShimmer(Scene& s) {
  Device& d = *s.device;
  SetView(s, MatrixLookAtLH({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f}));
  d.SetTexture(1, nullptr);
  SetTSS(s, 0, D3DTSS_COLOROP, D3DTOP_MODULATE);
  SetStageFilters(s, 0, D3DTEXF_LINEAR);
  SetRS(s, D3DRS_ZENABLE, 0);
  SetRS(s, D3DRS_FOGENABLE, 0);
  d.SetVertexShader(kColourVertexFvf);
  ApplyFarProjection(s);
  if (++s.shimmerFrame > kShimmerFrames - 1) s.shimmerFrame = 0;
  d.SetTexture(0, s.textures[kFirstShimmerTexture + s.shimmerFrame]);
  SetRS(s, D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  SetRS(s, D3DRS_DESTBLEND, D3DBLEND_ONE);
  uint8_t* data = nullptr;
  if (Failed(d.LockVertexBuffer(s.shimmerQuad, 0, 0, &data, 0))) return false;
  constexpr uint32_t c = 0x10FFFFFF;
  auto* v = reinterpret_cast<ColourVertex*>(data);
  v[0] = {0.4f, -0.3f, 0.0f, c, 32.0f, 24.0f};
  v[1] = {-0.4f, -0.3f, 0.0f, c, 0.0f, 24.0f};
  v[2] = {-0.4f, 0.3f, 0.0f, c, 0.0f, 0.0f};
  v[3] = {0.4f, -0.3f, 0.0f, c, 32.0f, 24.0f};
  v[4] = {-0.4f, 0.3f, 0.0f, c, 0.0f, 0.0f};
  v[5] = {0.4f, 0.3f, 0.0f, c, 32.0f, 0.0f};
  d.UnlockVertexBuffer(s.shimmerQuad);
  d.SetStreamSource(0, s.shimmerQuad, kColourVertexStride);
  DrawTranslated(s, 0.0f, 0.0f, 0.5f, D3DPT_TRIANGLELIST, 2);
  SetRS(s, D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  SetRS(s, D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  return true;
}

// Black over everything, less each frame, from the first frame on.
bool DrawFade(Scene& s) {
  if (s.fadeLevel <= 0.0f) return true;
  Device& d = *s.device;
  SetRS(s, D3DRS_ALPHABLENDENABLE, 1);
  d.SetTexture(0, nullptr);
  uint8_t* data = nullptr;
  if (Failed(d.LockVertexBuffer(s.shimmerQuad, 0, 0, &data, 0))) return false;
  const auto alpha = static_cast<uint32_t>(std::clamp(static_cast<int>(s.fadeLevel * 255.0f), 0, 255));
  const float corners[6][2] = {{1.3f, -1.0f}, {-1.3f, -1.0f}, {-1.3f, 1.0f}, {-1.3f, 1.0f}, {1.3f, -1.0f}, {1.3f, 1.0f}};
  auto* v = reinterpret_cast<ColourVertex*>(data);
  for (int i = 0; i < 6; ++i) {
    v[i].x = corners[i][0];
    v[i].y = corners[i][1];
    v[i].z = 0.5f;
    v[i].colour = alpha << 24;
  }
  d.UnlockVertexBuffer(s.shimmerQuad);
  d.SetStreamSource(0, s.shimmerQuad, kColourVertexStride);
  DrawTranslated(s, 0.0f, 0.0f, 0.5f, D3DPT_TRIANGLELIST, 2);
  s.fadeLevel -= kFadeStep;
  return true;
}

int TileOf(float x, float z) {
  auto clampTile = [](float v) { return std::clamp(static_cast<int>(v / kTileSize), 0, kTilesPerSide - 1); };
  return clampTile(z) * kTilesPerSide + clampTile(x);
}

// A frame left early still closes its scene, so the next BeginScene is valid;
// it is not presented.
FrameResult EndEarly(Scene& s) {
  s.device->EndScene();
  return FrameResult::Ended;
}

}  // namespace

FrameResult RenderFrame(Scene& s, NamedEvent& startEvent, NamedEvent& stopEvent) {
  Device& d = *s.device;
  const HResult level = d.TestCooperativeLevel();
  if (Failed(level)) return level == D3DERR_DEVICENOTRESET ? FrameResult::DeviceNotReset : FrameResult::DeviceLost;

  d.Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, s.colours.clearColour, 1.0f, 0);
  d.BeginScene();
  s.world = MatrixIdentity();
  d.SetTransform(D3DTS_WORLD, s.world);

  Vector3 eye{}, look{}, up{};
  s.cameraPath.Advance();
  s.cameraPath.Evaluate(eye, look, up);
  s.cameraX = eye.x;
  s.cameraZ = eye.z;
  // The path keeps the camera over the seabed; the clamp only guards the array.
  const int cameraTile = TileOf(s.cameraX, s.cameraZ);
  const float eyeY = GroundHeight(s.heightGrid.get(), s.cameraX, s.cameraZ) + kEyeHeight;
  const Matrix cameraView =
      MatrixLookAtLH({s.cameraX, eyeY, s.cameraZ}, {look.x, eyeY, look.z}, {0.0f, 1.0f, 0.0f});
  SetView(s, cameraView);
  if (++s.causticFrame == kCausticFrames) s.causticFrame = 0;

  if (!DrawCeiling(s, eyeY)) return EndEarly(s);
  DrawBackdrop(s);

  ApplySceneProjection(s);
  SetRS(s, D3DRS_CULLMODE, D3DCULL_CW);
  SetRS(s, D3DRS_FOGCOLOR, s.colours.clearColour);
  SetRS(s, D3DRS_ALPHABLENDENABLE, 0);
  SetRS(s, D3DRS_FOGENABLE, 1);
  SetRS(s, D3DRS_ZENABLE, 1);
  SetRS(s, D3DRS_ZWRITEENABLE, 1);
  SetView(s, cameraView);
  s.frustumPlanes = ExtractFrustumPlanes(s.view, s.projection);
  DrawSeabed(s, cameraTile);

  s.viewCopy = s.view;
  BuildBubbleBillboard(d, s.bubbleBillboard, s.viewCopy);
  SetRS(s, D3DRS_CULLMODE, D3DCULL_NONE);
  DrawObjects(s, cameraTile);

  SetFishStates(s);
  // A cycle that does not come back in time keeps the fish: they are neither
  // drawn nor handed on again until it has, so a stalled thread slows the
  // fish down but never the saver, which must stay able to end.
  bool fishHere = true;
  if (s.firstFrame) {
    s.lightRays.SeedAll(s.cameraX, 0.0f, s.cameraZ);
    s.firstFrame = false;
  } else {
    fishHere = stopEvent.Wait(kCalculationWaitMs);
    // The fish are moved and drawn here once they exist.
  }
  SetStageFilters(s, 0, D3DTEXF_LINEAR);
  SetTSS(s, 0, D3DTSS_MIPFILTER, D3DTEXF_LINEAR);
  if (fishHere) startEvent.Set();

  d.SetTransform(D3DTS_WORLD, s.matrixStack.Top());
  d.SetVertexShader(kColourVertexFvf);
  s.lightRays.UpdateAndDraw(d, s.cache, s.frustumPlanes[kFarPlane], s.cameraX, 0.0f, s.cameraZ);
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
