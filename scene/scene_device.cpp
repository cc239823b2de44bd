#include "scene/scene_device.h"

#include "device/d3d8_constants.h"
#include "settings/settings.h"

namespace sorvane {

PresentParameters ScenePresentParameters(const SceneDeviceSettings& settings) {
  PresentParameters p;
  Size size = settings.useResolutionSetting ? ResolutionSize(settings.resolution)
                                            : Size{settings.screenWidth, settings.screenHeight};
  p.backBufferWidth = static_cast<uint32_t>(size.width);
  p.backBufferHeight = static_cast<uint32_t>(size.height);
  p.backBufferFormat = D3DFMT_X8R8G8B8;
  p.backBufferCount = 1;
  p.multiSampleType = MultiSampleTypeFromSetting(settings.antialiasing);
  p.swapEffect = D3DSWAPEFFECT_DISCARD;
  p.deviceWindow = settings.window;
  p.windowed = false;
  p.enableAutoDepthStencil = true;
  p.autoDepthStencilFormat = D3DFMT_D16;
  p.presentationInterval = D3DPRESENT_INTERVAL_ONE;
  return p;
}

int CreateSceneDevice(Direct3D& d3d, const SceneDeviceSettings& settings, Device** device) {
  DisplayMode mode;
  d3d.GetAdapterDisplayMode(&mode);
  PresentParameters p = ScenePresentParameters(settings);
  if (!Failed(d3d.CreateDevice(settings.window, D3DCREATE_HARDWARE_VERTEXPROCESSING, &p, device))) return 0;
  p = ScenePresentParameters(settings);
  if (!Failed(d3d.CreateDevice(settings.window, D3DCREATE_SOFTWARE_VERTEXPROCESSING, &p, device))) return 0;
  *device = nullptr;
  return kSceneErrorDevice;
}

}  // namespace sorvane
