// The Direct3D device the scene is drawn with: its presentation parameters and
// its creation, hardware vertex processing first, software as the fallback.
#pragma once
#include <cstdint>

#include "device/device.h"

namespace sorvane {

// Scene-initialisation error codes; each has its message for the user.
enum SceneError : int {
  kSceneErrorUnknown = 0,
  kSceneErrorDevice = 1,
  kSceneErrorTextures = 2,
  kSceneErrorGeometry = 3,
  kSceneErrorDirect3D = 4,
};

struct SceneDeviceSettings {
  bool useResolutionSetting = false;  // ChangeResolution
  int32_t resolution = 0;
  int32_t antialiasing = 0;
  int32_t screenWidth = 0;
  int32_t screenHeight = 0;
  void* window = nullptr;
};

PresentParameters ScenePresentParameters(const SceneDeviceSettings& settings);

// Creates the full-screen device. Returns 0, or kSceneErrorDevice when neither
// vertex-processing mode is accepted.
int CreateSceneDevice(Direct3D& d3d, const SceneDeviceSettings& settings, Device** device);

}  // namespace sorvane
