// The scene's device resources: the plant shader, the dynamic buffers, the
// seabed strip, the colour scheme, the first device states and the textures.
#include <cstring>
#include <string_view>
#include <vector>

#include "d3dx/shader_assembler.h"
#include "d3dx/shader_declaration.h"
#include "device/d3d8_constants.h"
#include "scene/quad_vertices.h"
#include "scene/scene.h"

namespace sorvane {

namespace {

constexpr int kPlantShaderResource = 400;

// Not having the shader is no failure: the plants are then drawn without sway.
void CreatePlantShader(DeviceResources& r, ResourceSource& resources) {
  r.shaderReady = false;
  r.shaderHandle = 0;
  ResourceData data;
  if (!resources.Find(kPlantShaderResource, &data)) return;
  const std::string_view text(reinterpret_cast<const char*>(data.bytes.data()), data.bytes.size());
  std::vector<uint32_t> tokens;
  if (!AssembleVertexShader(text, &tokens)) return;
  uint32_t handle = 0;
  const HResult created = r.device->CreateVertexShader(kPlantShaderDeclaration, tokens.data(), &handle, 0);
  r.shaderReady = !Failed(created);
  if (r.shaderReady) r.shaderHandle = handle;
}

// The buffers rewritten every frame. From the default pool a discarding lock
// gets fresh memory at once; a system-memory buffer is copied to the device
// for each draw, and locking it again waits until the frame queued so far has
// been drawn, which takes away the overlap of this thread and the device's.
bool CreateDynamicBuffer(Device& device, uint32_t vertices, VertexBuffer** buffer) {
  if (!Failed(device.CreateVertexBuffer(vertices * sizeof(ColourVertex), D3DUSAGE_WRITEONLY | D3DUSAGE_DYNAMIC,
                                        kColourVertexFvf, D3DPOOL_DEFAULT, buffer))) {
    return true;
  }
  *buffer = nullptr;
  return false;
}

bool CreateSeabedStrip(DeviceResources& r) {
  Device& device = *r.device;
  if (Failed(device.CreateIndexBuffer(kSeabedIndexCount * sizeof(uint16_t), D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                      D3DPOOL_DEFAULT, &r.seabedIndexBuffer))) {
    r.seabedIndexBuffer = nullptr;
    return false;
  }
  uint8_t* data = nullptr;
  if (Failed(device.LockIndexBuffer(r.seabedIndexBuffer, 0, 0, &data, 0))) return false;
  uint16_t indices[kSeabedIndexCount];
  WriteSeabedStrip(indices);
  std::memcpy(data, indices, sizeof indices);
  device.UnlockIndexBuffer(r.seabedIndexBuffer);
  return true;
}

// Solid backdrop colour below the middle of the screen, a blend to the surface
// colour above it and a band fading out towards the top.
void WriteBackdrop(uint8_t* data, const ColourScheme& colours) {
  const uint32_t b = colours.backdropColour;
  const uint32_t s = 0xFF000000u | colours.surfaceColour;
  const uint32_t s0 = colours.surfaceColour & 0x00FFFFFFu;
  const BackdropVertex vertices[18] = {
      {-1, -0.02f, 0.5f, b}, {-1, -1, 0.5f, b},     {1, -1, 0.5f, b},
      {1, -1, 0.5f, b},      {1, -0.02f, 0.5f, b},  {-1, -0.02f, 0.5f, b},
      {1, -0.02f, 0.5f, b},  {-1, -0.02f, 0.5f, b}, {-1, 0.13f, 0.5f, s},
      {-1, 0.13f, 0.5f, s},  {1, 0.13f, 0.5f, s},   {1, -0.02f, 0.5f, b},
      {1, 0.13f, 0.5f, s},   {-1, 0.13f, 0.5f, s},  {-1, 0.25f, 0.5f, s0},
      {-1, 0.25f, 0.5f, s0}, {1, 0.25f, 0.5f, s0},  {1, 0.13f, 0.5f, s},
  };
  std::memcpy(data, vertices, sizeof vertices);
}

void SetInitialStates(DeviceResources& r) {
  CachedDevice gpu{*r.device, r.cache};
  SetSceneRenderStates(r, 0.005f);
  for (uint32_t stage = 0; stage < 2; ++stage) {
    gpu.SetStageState(stage, D3DTSS_MAGFILTER, D3DTEXF_LINEAR);
    gpu.SetStageState(stage, D3DTSS_MINFILTER, D3DTEXF_LINEAR);
    gpu.SetStageState(stage, D3DTSS_MIPFILTER, D3DTEXF_LINEAR);
  }
  gpu.SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  gpu.SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  for (uint32_t stage = 0; stage < 2; ++stage) {
    gpu.SetStageState(stage, D3DTSS_COLOROP, D3DTOP_MODULATE);
    gpu.SetStageState(stage, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    gpu.SetStageState(stage, D3DTSS_MAGFILTER, D3DTEXF_LINEAR);
    gpu.SetStageState(stage, D3DTSS_MINFILTER, D3DTEXF_LINEAR);
  }
}

bool LoadTextures(DeviceResources& r, bool cyrillicLocale, ResourceSource& resources) {
  for (int order = 0; order < kTextureCount; ++order) {
    const TextureLoad load = TextureLoadAt(order, cyrillicLocale);
    ResourceData data;
    if (!resources.Find(load.resourceId, &data)) return false;
    Texture* texture = nullptr;
    if (Failed(CreateTextureFromResourceData(*r.direct3d, *r.device, data.bytes, data.isBitmap, load.options,
                                             &texture))) {
      return false;
    }
    r.textures[order] = texture;
  }
  return true;
}

}  // namespace

bool LoadSceneResources(DeviceResources& r, const SceneSettings& settings, ResourceSource& source) {
  Device& device = *r.device;
  // Without its rays the scene still runs: a system that failed draws nothing.
  r.lightRays.Init(*r.direct3d, device, source);
  CreatePlantShader(r, source);

  if (!CreateDynamicBuffer(device, kBubblesPerBatch * 6, &r.bubbleBatch)) return false;
  if (!CreateSeabedStrip(r)) return false;
  FillTileTexCoords(r.tileTexCoords);
  if (!CreateDynamicBuffer(device, 6, &r.shimmerQuad)) return false;
  if (!CreateDynamicBuffer(device, 4, &r.surfaceQuad)) return false;
  if (Failed(device.CreateVertexBuffer(18 * sizeof(BackdropVertex), D3DUSAGE_WRITEONLY, kBackdropVertexFvf,
                                       D3DPOOL_DEFAULT, &r.backdrop))) {
    r.backdrop = nullptr;
    return false;
  }
  uint8_t* backdrop = nullptr;
  if (Failed(device.LockVertexBuffer(r.backdrop, 0, 0, &backdrop, 0))) return false;
  r.colours = ColourSchemeOfRow(ColourSchemeRow(settings.colorScheme));
  WriteBackdrop(backdrop, r.colours);
  device.UnlockVertexBuffer(r.backdrop);

  SetInitialStates(r);
  return LoadTextures(r, settings.cyrillicLocale, source);
}

bool CreateTileBuffers(DeviceResources& r, const World& world) {
  r.tilesWithBuffers = 0;
  for (VertexBuffer*& buffer : r.tileBuffers) {
    const bool created = CreateTileVertexBuffer(*r.device, r.tileTexCoords, &buffer);
    if (buffer != nullptr) ++r.tilesWithBuffers;
    if (!created) return false;
  }
  ApplyHeightsToTiles(*r.device, r.tileBuffers.data(), world.heightGrid.get());
  return true;
}

}  // namespace sorvane
