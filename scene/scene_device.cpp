#include "scene/scene_device.h"

#include "device/d3d8_constants.h"
#include "device/float_state.h"

namespace sorvane {

PresentParameters ScenePresentParameters(const SceneDeviceSettings& settings) {
  PresentParameters p;
  p.backBufferWidth = static_cast<uint32_t>(settings.width);
  p.backBufferHeight = static_cast<uint32_t>(settings.height);
  p.backBufferFormat = D3DFMT_X8R8G8B8;
  p.backBufferCount = 1;
  p.multiSampleType = settings.multiSampleType;
  p.swapEffect = D3DSWAPEFFECT_DISCARD;
  p.deviceWindow = settings.window;
  p.windowed = false;
  p.enableAutoDepthStencil = true;
  p.autoDepthStencilFormat = D3DFMT_D16;
  p.presentationInterval = D3DPRESENT_INTERVAL_ONE;
  return p;
}

bool CreateSceneDevice(Direct3D& d3d, const SceneDeviceSettings& settings, Device** device) {
  DisplayMode mode;
  d3d.GetAdapterDisplayMode(&mode);
  PresentParameters p = ScenePresentParameters(settings);
  if (!Failed(d3d.CreateDevice(settings.window, D3DCREATE_HARDWARE_VERTEXPROCESSING, &p, device))) return true;
  p = ScenePresentParameters(settings);
  if (!Failed(d3d.CreateDevice(settings.window, D3DCREATE_SOFTWARE_VERTEXPROCESSING, &p, device))) return true;
  *device = nullptr;
  return false;
}

void SetSceneRenderStates(DeviceResources& resources, float fogStart) {
  CachedDevice gpu{*resources.device, resources.cache};
  gpu.SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
  gpu.SetRenderState(D3DRS_LIGHTING, 0);
  gpu.SetRenderState(D3DRS_ZENABLE, 1);
  gpu.SetRenderState(D3DRS_FOGENABLE, 1);
  gpu.SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
  gpu.SetRenderState(D3DRS_FOGSTART, FloatState(fogStart));
  gpu.SetRenderState(D3DRS_FOGEND, FloatState(0.4f));
  gpu.SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
  gpu.SetRenderState(D3DRS_FOGCOLOR, resources.colours.clearColour);
  gpu.SetRenderState(D3DRS_SHADEMODE, D3DSHADE_GOURAUD);
  gpu.SetRenderState(D3DRS_DITHERENABLE, 1);
  gpu.SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
  gpu.SetRenderState(D3DRS_NORMALIZENORMALS, 0);
  gpu.SetRenderState(D3DRS_COLORVERTEX, 1);
}

}  // namespace sorvane
