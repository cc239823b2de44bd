// Device reset and the restoration of its render states.
#include "render/device_reset.h"

#include "device/d3d8_constants.h"
#include "device/float_state.h"
#include "render/projection.h"
#include "scene/scene.h"

namespace sorvane {

namespace {

// What both resets share: the desktop's format, one back buffer, a 16-bit depth buffer.
bool ResetForDisplay(Scene& scene, PresentParameters& p) {
  DisplayMode mode;
  if (Failed(scene.direct3d->GetAdapterDisplayMode(&mode))) return false;
  p.backBufferFormat = mode.format;
  p.backBufferCount = 1;
  p.swapEffect = D3DSWAPEFFECT_DISCARD;
  p.enableAutoDepthStencil = true;
  p.autoDepthStencilFormat = D3DFMT_D16;
  return !Failed(scene.device->Reset(p));
}

}  // namespace

bool ResetDevice(Scene& scene, uint32_t width, uint32_t height, void* window) {
  PresentParameters p;
  p.backBufferWidth = width;
  p.backBufferHeight = height;
  p.multiSampleType = D3DMULTISAMPLE_NONE;
  p.deviceWindow = window;
  p.windowed = false;
  p.presentationInterval = D3DPRESENT_INTERVAL_ONE;
  return ResetForDisplay(scene, p);
}

bool ResetDeviceWindowed(Scene& scene) {
  PresentParameters p;
  p.windowed = true;
  return ResetForDisplay(scene, p);
}

void SetSceneRenderStates(Scene& scene, float fogStart) {
  Device& d = *scene.device;
  StateCache& c = scene.cache;
  c.SetRenderStateCached(d, D3DRS_CULLMODE, D3DCULL_CW);
  c.SetRenderStateCached(d, D3DRS_LIGHTING, 0);
  c.SetRenderStateCached(d, D3DRS_ZENABLE, 1);
  c.SetRenderStateCached(d, D3DRS_FOGENABLE, 1);
  c.SetRenderStateCached(d, D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
  c.SetRenderStateCached(d, D3DRS_FOGSTART, FloatState(fogStart));
  c.SetRenderStateCached(d, D3DRS_FOGEND, FloatState(0.4f));
  c.SetRenderStateCached(d, D3DRS_ALPHABLENDENABLE, 1);
  c.SetRenderStateCached(d, D3DRS_FOGCOLOR, scene.colours.clearColour);
  c.SetRenderStateCached(d, D3DRS_SHADEMODE, D3DSHADE_GOURAUD);
  c.SetRenderStateCached(d, D3DRS_DITHERENABLE, 1);
  c.SetRenderStateCached(d, D3DRS_ZFUNC, D3DCMP_LESS);
  c.SetRenderStateCached(d, D3DRS_NORMALIZENORMALS, 0);
  c.SetRenderStateCached(d, D3DRS_COLORVERTEX, 1);
}

void RestoreRenderStates(Scene& scene, uint32_t screenWidth, uint32_t screenHeight) {
  UpdateProjection(scene, screenWidth, screenHeight);
  scene.cache.Reset();
  SetSceneRenderStates(scene, 0.025f);
  scene.cache.SetRenderStateCached(*scene.device, D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  scene.cache.SetRenderStateCached(*scene.device, D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
}

}  // namespace sorvane
