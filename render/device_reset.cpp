// Device reset and the restoration of its render states.
#include "render/device_reset.h"

#include "device/d3d8_constants.h"
#include "render/projection.h"
#include "scene/scene_device.h"

namespace sorvane {

namespace {

// What both resets share: the desktop's format, one back buffer, a 16-bit depth buffer.
bool ResetForDisplay(DeviceResources& resources, PresentParameters& p) {
  DisplayMode mode;
  if (Failed(resources.direct3d->GetAdapterDisplayMode(&mode))) return false;
  p.backBufferFormat = mode.format;
  p.backBufferCount = 1;
  p.swapEffect = D3DSWAPEFFECT_DISCARD;
  p.enableAutoDepthStencil = true;
  p.autoDepthStencilFormat = D3DFMT_D16;
  return !Failed(resources.device->Reset(p));
}

}  // namespace

bool ResetDevice(DeviceResources& resources, uint32_t width, uint32_t height, void* window) {
  PresentParameters p;
  p.backBufferWidth = width;
  p.backBufferHeight = height;
  p.multiSampleType = D3DMULTISAMPLE_NONE;
  p.deviceWindow = window;
  p.windowed = false;
  p.presentationInterval = D3DPRESENT_INTERVAL_ONE;
  return ResetForDisplay(resources, p);
}

bool ResetDeviceWindowed(DeviceResources& resources) {
  PresentParameters p;
  p.windowed = true;
  return ResetForDisplay(resources, p);
}

void RestoreRenderStates(DeviceResources& resources, FrameState& frame, uint32_t screenWidth, uint32_t screenHeight) {
  UpdateProjection(resources.device, frame, screenWidth, screenHeight);
  resources.cache.Reset();
  SetSceneRenderStates(resources, 0.025f);
  CachedDevice gpu{*resources.device, resources.cache};
  gpu.SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  gpu.SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
}

}  // namespace sorvane
